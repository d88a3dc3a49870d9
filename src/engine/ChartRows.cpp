// The chart's remedy rows.
#include "engine/ChartRows.h"

#include "engine/RepEngine.h"

namespace quillon {

std::vector<ChartRow> ChartRows(const CRepEngine& engine)
{
    std::vector<ChartRow> rows;
    const int count = engine.RemedyCount();
    rows.reserve(static_cast<std::size_t>(count));
    for (int r = 0; r < count; ++r)
        rows.push_back(ChartRow{engine.SortedRemedy(r)->code, std::string(engine.RemedyName(r)),
            engine.RemedyTotality(r), engine.RemedyCovered(r)});
    return rows;
}

} // namespace quillon
