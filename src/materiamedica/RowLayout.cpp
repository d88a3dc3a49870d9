// The materia medica layout table.
#include "materiamedica/RowLayout.h"

namespace quillon {

RowLayout RowLayout::Build()
{
    RowLayout layout;
    for (int r = 0; r < kLayoutRows; ++r) {
        const int top = 50 + 15 * r;
        layout.rows[static_cast<std::size_t>(r)].rect = {10, top, 360, top + 13};
    }
    for (int k = 0; k < kLayoutCells; ++k) {
        const int r = k / 3;
        const int c = k % 3;
        const int left = 360 + 80 * c;
        int top = 15 * r + 51;
        if (r == 0)
            top = 50;
        else if (r == 1)
            top = c == 0 ? 65 : 66;
        layout.cells[static_cast<std::size_t>(k)].rect = {left, top, left + 80, top + 13};
    }
    return layout;
}

} // namespace quillon
