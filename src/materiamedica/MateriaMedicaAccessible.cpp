// The materia medica view's accessible table.
#include "materiamedica/MateriaMedicaAccessible.h"

#include "controls/DisplayText.h"
#include "materiamedica/MateriaMedicaPainter.h"
#include "materiamedica/RepCmpVw.h"

#include <QCoreApplication>

namespace quillon {

namespace {

// The page's row of the summary under the symptom lines.
constexpr int kSummaryLine = kLayoutRows - 1;

} // namespace

QString CMateriaMedicaGrid::GridName() const
{
    return QCoreApplication::translate("CMateriaMedicaGrid", "Symptoms Covered by Drugs");
}

int CMateriaMedicaGrid::GridRows() const
{
    const int lines = m_view.Listing().RetainedCount();
    return lines > 0 ? lines + 1 : 0;
}

int CMateriaMedicaGrid::GridColumns() const
{
    return m_view.Listing().drugCount;
}

QString CMateriaMedicaGrid::CellText(int row, int column) const
{
    const MateriaMedicaListing& listing = m_view.Listing();
    if (row == listing.RetainedCount()) {
        const auto at = static_cast<std::size_t>(column);
        return at < listing.summaryTexts.size() ? FromData(listing.summaryTexts[at]).trimmed() : QString();
    }
    const int grade = listing.CellAt(row, column).grade;
    return grade > 0 ? QString::number(grade) : QCoreApplication::translate("CMateriaMedicaGrid", "not in this rubric");
}

QString CMateriaMedicaGrid::RowHeader(int row) const
{
    const MateriaMedicaListing& listing = m_view.Listing();
    if (row == listing.RetainedCount())
        return FromData(listing.summaryLabel).trimmed();
    return FromData(listing.lines[static_cast<std::size_t>(row)].text);
}

QString CMateriaMedicaGrid::ColumnHeader(int column) const
{
    return FromData(m_view.Listing().labels[static_cast<std::size_t>(column)]).trimmed();
}

QRect CMateriaMedicaGrid::CellRect(int row, int column) const
{
    const CMateriaMedicaCursor& cursor = m_view.Cursor();
    const int c = column - cursor.FirstColumn();
    int line = row == m_view.Listing().RetainedCount() ? kSummaryLine : row - cursor.Top() + 1;
    if (c < 0 || c >= cursor.ShownColumns() || line < 1 || (line > cursor.ShownLines() && line != kSummaryLine))
        return {};
    return ScaleDesignRect(
        m_view.Layout().cells[static_cast<std::size_t>(kMMPageColumns * line + c)].rect, m_view.ScreenSize());
}

QRect CMateriaMedicaGrid::GridRect() const
{
    return ScaleDesignRect(8, 15, 602, 305, m_view.ScreenSize());
}

std::pair<int, int> CMateriaMedicaGrid::CursorCell() const
{
    const int row = m_view.Cursor().CursorDisplayRow();
    return row >= 0 && GridColumns() > 0 ? std::pair{row, m_view.Cursor().FirstColumn()} : std::pair{-1, -1};
}

} // namespace quillon
