// The chart as assistive technology reads it: a table whose rows are the Totality row, the Symptom Covered row
// and the chart's symptoms (their rubric texts as row headers), whose columns are the remedies in display order
// (their names as column headers) and whose cells hold the grades.
#pragma once

#include "controls/GridAccessible.h"

namespace quillon {

class CRepView;

// Rows of the table before the first symptom.
inline constexpr int kTotalityTableRow = 0;
inline constexpr int kCoveredTableRow = 1;
inline constexpr int kFirstSymptomTableRow = 2;
// What an empty grade cell reads (translated where it is read out).
inline constexpr const char* kNotInRubric = QT_TRANSLATE_NOOP("CChartGrid", "not in this rubric");

class CChartGrid final : public IAccessibleGrid
{
public:
    explicit CChartGrid(const CRepView& view) : m_view(view) {}

    QString GridName() const override;
    int GridRows() const override;
    int GridColumns() const override;
    QString CellText(int row, int column) const override;
    QString RowHeader(int row) const override;
    QString ColumnHeader(int column) const override;
    QRect CellRect(int row, int column) const override;
    QRect GridRect() const override;
    std::pair<int, int> CursorCell() const override;
    // The chart reads after the buttons and before the totals under it.
    const QWidget* WidgetAfterGrid() const override;

private:
    const CRepView& m_view;
};

} // namespace quillon
