// The chart's accessible table.
#include "chart/ChartAccessible.h"

#include "chart/RepView.h"
#include "controls/DisplayText.h"
#include "engine/RepEngine.h"
#include "engine/RepertoryTable.h"

#include <QCoreApplication>
#include <QLabel>

namespace quillon {

QString CChartGrid::GridName() const
{
    return QCoreApplication::translate("CChartGrid", "Repertorisation chart");
}

int CChartGrid::GridRows() const
{
    return m_view.HasChart() ? kFirstSymptomTableRow + m_view.Engine().SymptomCount() : 0;
}

int CChartGrid::GridColumns() const
{
    return m_view.HasChart() ? m_view.Engine().RemedyCount() : 0;
}

QString CChartGrid::CellText(int row, int column) const
{
    const CRepEngine& engine = m_view.Engine();
    if (row == kTotalityTableRow)
        return QString::number(engine.RemedyTotality(column));
    if (row == kCoveredTableRow)
        return QString::number(engine.RemedyCovered(column));
    const int grade = engine.ShownGrade(column, row - kFirstSymptomTableRow);
    return grade > 0 ? QString::number(grade) : QCoreApplication::translate("CChartGrid", kNotInRubric);
}

QString CChartGrid::RowHeader(int row) const
{
    if (row == kTotalityTableRow)
        return QCoreApplication::translate("CChartGrid", "Totality");
    if (row == kCoveredTableRow)
        return QCoreApplication::translate("CChartGrid", "Symptom Covered");
    const CSymptomRecord* record = m_view.Engine().Symptom(row - kFirstSymptomTableRow);
    return record ? FromData(ComposeSymptomLine(record->m_pszText, record->m_nType, std::string::npos)) : QString();
}

QString CChartGrid::ColumnHeader(int column) const
{
    const CRepEngine& engine = m_view.Engine();
    const std::string_view name = engine.RemedyName(column);
    if (!name.empty())
        return FromData(name);
    // A code the catalogue does not name.
    const RemedyResult* result = engine.SortedRemedy(column);
    return result ? QCoreApplication::translate("CChartGrid", "Remedy %1").arg(result->code) : QString();
}

QRect CChartGrid::CellRect(int row, int column) const
{
    return m_view.TableCellRect(row, column);
}

QRect CChartGrid::GridRect() const
{
    const ChartGeometry& geometry = m_view.Geometry();
    return ToQRect(geometry.HeaderRowArea()).united(ToQRect(geometry.GradeArea())).intersected(m_view.rect());
}

std::pair<int, int> CChartGrid::CursorCell() const
{
    if (GridRows() == 0 || GridColumns() == 0)
        return {-1, -1};
    return {m_view.CursorRow(), m_view.CursorColumn()};
}

const QWidget* CChartGrid::WidgetAfterGrid() const
{
    return m_view.Static(FormPart::SymptomsLabel);
}

} // namespace quillon
