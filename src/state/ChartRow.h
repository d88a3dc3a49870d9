// One remedy row of the chart as the Drug List and the materia medica conversion read it: by remedy code, with
// the name, totality and symptoms covered the chart shows.
#pragma once

#include <string>

namespace quillon {

struct ChartRow
{
    int code = 0;
    std::string name;
    int totality = 0;
    int covered = 0;

    bool operator==(const ChartRow&) const = default;
};

} // namespace quillon
