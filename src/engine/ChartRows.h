// The chart's remedy rows as the Drug List and the materia medica conversion read them: by remedy code, with the
// name, totality and symptoms covered the chart shows, in display order.
#pragma once

#include "state/ChartRow.h"

#include <vector>

namespace quillon {

class CRepEngine;

// The rows of the engine's display order.
std::vector<ChartRow> ChartRows(const CRepEngine& engine);

} // namespace quillon
