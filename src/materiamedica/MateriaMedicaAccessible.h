// The materia medica view as assistive technology reads it: a table whose rows are the listed symptoms (their
// texts as row headers) and then the summary row, whose columns are the requested remedies, and whose cells
// hold the grades.
#pragma once

#include "controls/GridAccessible.h"

namespace quillon {

class CRepCmpVw;

class CMateriaMedicaGrid final : public IAccessibleGrid
{
public:
    explicit CMateriaMedicaGrid(const CRepCmpVw& view) : m_view(view) {}

    QString GridName() const override;
    int GridRows() const override;
    int GridColumns() const override;
    QString CellText(int row, int column) const override;
    QString RowHeader(int row) const override;
    QString ColumnHeader(int column) const override;
    QRect CellRect(int row, int column) const override;
    QRect GridRect() const override;
    std::pair<int, int> CursorCell() const override;

private:
    const CRepCmpVw& m_view;
};

} // namespace quillon
