// The layout table of the materia medica view: 17 row rectangles and 51 cell rectangles in a 640 x 400 design space.
#pragma once

#include <array>
#include <cstdint>

namespace quillon {

struct CLayoutRect
{
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const CLayoutRect&) const = default;
};

struct CLayoutCell
{
    CLayoutRect rect;
    bool highlighted = false;
};

inline constexpr int kLayoutRows = 17;
inline constexpr int kLayoutCells = 51;

struct RowLayout
{
    std::array<CLayoutCell, kLayoutRows> rows; // row 0 header, rows 1..15 symptom lines, row 16 summary
    std::array<CLayoutCell, kLayoutCells> cells; // three per row: k = 3 * row + column

    static RowLayout Build();
};

} // namespace quillon
