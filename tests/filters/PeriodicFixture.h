// A periodic table for the mineral filter's tests: "period.txt" and "lanth.txt" with the real atomic numbers of
// each cell, sulphur and iron named, the other elements named "E<number>".
#pragma once

#include "fixtures/FilterWriters.h"

#include <string>
#include <vector>

namespace quillon::testing {

inline constexpr int kSulphurCell = 51;
inline constexpr int kIronCell = 61;
inline constexpr int kSulphur = 16;
inline constexpr int kIron = 26;
inline constexpr int kCopper = 29;

// Atomic number of a main-table cell (0 for a gap).
inline int AtomicNumberOfCell(int cell)
{
    if (fixtures::IsBlankMainCell(cell))
        return 0;
    const int row = cell / 18;
    const int column = cell % 18;
    switch (row) {
    case 0: return column == 0 ? 1 : 2;
    case 1: return column < 2 ? 3 + column : column - 7;
    case 2: return column < 2 ? 11 + column : column + 1;
    case 3: return 19 + column;
    case 4: return 37 + column;
    case 5: return column < 3 ? 55 + column : 69 + column;
    default: return column < 3 ? 87 + column : 101 + column;
    }
}

inline fixtures::ElementCellSpec ElementSpec(int cell, int number)
{
    std::string symbol = "E" + std::to_string(number);
    std::string name = "Element" + std::to_string(number);
    if (number == kSulphur) {
        symbol = "S";
        name = "Sulphur";
    } else if (number == kIron) {
        symbol = "Fe";
        name = "Iron";
    }
    return {cell / 18 + 1, cell % 18 + 1, number, symbol, name};
}

inline std::string PeriodText()
{
    std::vector<fixtures::ElementCellSpec> cells;
    for (int cell = 0; cell < fixtures::kMainCellCount; ++cell)
        if (!fixtures::IsBlankMainCell(cell))
            cells.push_back(ElementSpec(cell, AtomicNumberOfCell(cell)));
    return fixtures::EncodeElementCells(cells);
}

inline std::string LanthText()
{
    std::vector<fixtures::ElementCellSpec> cells;
    for (int j = 0; j < fixtures::kBlockLineCount; ++j)
        cells.push_back(ElementSpec(117 + j, j < 15 ? 57 + j : 89 + j - 15));
    return fixtures::EncodeElementCells(cells);
}

} // namespace quillon::testing
