// The mineral filter's periodic table: 147 cells built from "period.txt" and "lanth.txt", their geometry and
// the hit test.
#pragma once

#include "casedata/MessageSink.h"

#include <array>
#include <string>
#include <string_view>

namespace quillon {

inline constexpr int kTableColumns = 18;
inline constexpr int kMainCells = 117; // cells 0..116: 18 columns, rows 0..6
inline constexpr int kBlockCells = 30; // cells 117..146: 15 lanthanides, then 15 actinides
inline constexpr int kCellCount = kMainCells + kBlockCells;
inline constexpr int kCellSize = 32;
inline constexpr int kLanthanidePlace = 92;
inline constexpr int kActinidePlace = 110;
inline constexpr std::size_t kMaxSymbolLength = 4;

// The gaps of periods 1 to 3: no data, not drawn, no line of "period.txt".
constexpr bool IsGapCell(int cell) noexcept
{
    return (cell >= 1 && cell <= 16) || (cell >= 20 && cell <= 29) || (cell >= 38 && cell <= 47);
}
constexpr bool IsBlockCell(int cell) noexcept
{
    return cell >= kMainCells && cell < kCellCount;
}

struct CellRect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    // Left and top inclusive, right and bottom exclusive.
    bool Contains(int x, int y) const noexcept { return x >= left && x < right && y >= top && y < bottom; }
};

// The square of a cell in the dialog's client pixels.
CellRect CellRectOf(int cell) noexcept;

struct CElementCell
{
    CellRect rect;
    bool selected = false;
    int number = 0; // atomic number; 0 for a cell without data
    std::string symbol; // at most 4 characters
    std::string name;
    int column = 0; // as written in the file; the cell's place comes from its line order
    int row = 0;

    // A cell without data (a gap, or a cell whose line was missing or malformed) is not drawn or selected.
    bool IsBlank() const noexcept { return number == 0 && symbol.empty() && name.empty(); }
};

using CellTable = std::array<CElementCell, kCellCount>;

// Builds every cell's rectangle and fills the data from the two texts, reporting a malformed line with its
// message. A fault in "period.txt" ends the main table, one in "lanth.txt" the block; the cells not reached stay
// blank. A text that is absent (nullptr) is skipped without a message: its file has been reported already.
void BuildCells(CellTable& cells, const std::string* periodText, const std::string* lanthText, IMessageSink& sink);

// The cell under a point: the first in ascending order whose square holds it, skipping cells 1..16; -1 for none.
int HitTestCell(const CellTable& cells, int x, int y) noexcept;

} // namespace quillon
