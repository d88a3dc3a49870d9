// The mineral filter's periodic table as assistive technology reads it: periods 1 to 7, then the lanthanides
// and the actinides, as rows; groups 1 to 18 as columns; each element's cell named by its name and symbol and
// selected while it is chosen.
#pragma once

#include "controls/GridAccessible.h"

namespace quillon {

class CMineralFilterModel;

inline constexpr int kPeriodicTableRows = 9;

// The cell of the table at (row, column), or -1 where the table has no square.
int PeriodicCellAt(int row, int column) noexcept;

class CPeriodicTableGrid final : public IAccessibleGrid
{
public:
    explicit CPeriodicTableGrid(const CMineralFilterModel& model) : m_model(model) {}

    QString GridName() const override;
    int GridRows() const override { return kPeriodicTableRows; }
    int GridColumns() const override;
    QString CellText(int row, int column) const override;
    QString RowHeader(int row) const override;
    QString ColumnHeader(int column) const override;
    QRect CellRect(int row, int column) const override;
    QRect GridRect() const override;
    bool CellChosen(int row, int column) const override;

private:
    const CMineralFilterModel& m_model;
};

} // namespace quillon
