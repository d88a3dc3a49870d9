// The chart's remedy rows as the Drug List and the materia medica conversion read them: by remedy code, with the
// name, totality and symptoms covered the chart shows, in display order.
#pragma once

#include <string>
#include <vector>

namespace quillon {

class CRepEngine;

struct ChartRow
{
    int code = 0;
    std::string name;
    int totality = 0;
    int covered = 0;

    bool operator==(const ChartRow&) const = default;
};

// The rows of the engine's display order.
std::vector<ChartRow> ChartRows(const CRepEngine& engine);

} // namespace quillon
