// The chart view's keyboard cell cursor: where its cells lie, how the arrows move it, and the accessible table
// that reads the chart to assistive technology.
#include "chart/RepView.h"

#include "chart/ChartAccessible.h"
#include "controls/MyScroll.h"
#include "engine/RepEngine.h"
#include "reports/DrugList.h"

#include <algorithm>

namespace quillon {

const IAccessibleGrid& CRepView::AccessibleGrid() const
{
    return *m_pGrid;
}

QRect CRepView::TableCellRect(int row, int column) const
{
    const int c = column - m_pRemedyBar->Position();
    if (!m_bHasChart || row < 0 || c < 0 || c >= m_geometry.DrawnColumns() || column >= m_pEngine->RemedyCount())
        return {};
    int key = row == kTotalityTableRow ? c : kGridCoveredRowKey + c;
    if (row >= kFirstSymptomTableRow) {
        const int line = row - kFirstSymptomTableRow - m_pSymptomBar->Position();
        if (line < 0 || line >= m_geometry.VisibleSymptoms()
            || row - kFirstSymptomTableRow >= m_pEngine->SymptomCount())
            return {};
        key = kGridFirstGradeKey + kGridColumns * line + c;
    }
    const QRect cell = ToQRect(m_geometry.GridCellRect(key));
    return !cell.isEmpty() && cell.right() < width() ? cell : QRect();
}

int CRepView::CursorColumnsInSight() const
{
    // Every drawn column of a fitted chart lies inside the view; the specified chart's last line holds fewer
    // cells than its count rows, and its far columns may run past the view's edge.
    const int lastLine = m_geometry.SymptomLineCount() - 1;
    int columns = 0;
    while (columns < m_geometry.DrawnColumns() && m_geometry.GridCell(kGridColumns * lastLine + columns)
        && m_geometry.GridCellRect(columns).right <= width())
        ++columns;
    return std::max(columns, 1);
}

void CRepView::ClampCursor()
{
    const int rows = kFirstSymptomTableRow + m_pEngine->SymptomCount();
    m_nCursorRow = std::clamp(m_nCursorRow, 0, std::max(rows - 1, 0));
    m_nCursorColumn = std::clamp(m_nCursorColumn, 0, std::max(m_pEngine->RemedyCount() - 1, 0));
}

void CRepView::MoveCursor(int rows, int columns)
{
    if (!m_bHasChart || m_pEngine->RemedyCount() == 0)
        return;
    // A cursor scrolled out of sight comes back to the nearest cell in sight before it moves.
    const int p = m_pSymptomBar->Position();
    const int q = m_pRemedyBar->Position();
    const int inSight = CursorColumnsInSight();
    const int inSightRows = m_geometry.VisibleSymptoms();
    if (m_nCursorRow >= kFirstSymptomTableRow)
        m_nCursorRow = std::clamp(m_nCursorRow, kFirstSymptomTableRow + p, kFirstSymptomTableRow + p + inSightRows - 1);
    m_nCursorColumn = std::clamp(m_nCursorColumn, q, q + inSight - 1);
    m_nCursorRow += rows;
    m_nCursorColumn += columns;
    ClampCursor();
    // The commands of "the chosen remedy" and "the chosen symptom" act on the cursor's cell from now on.
    m_pSession->Pick(
        m_nCursorColumn, m_nCursorRow >= kFirstSymptomTableRow ? m_nCursorRow - kFirstSymptomTableRow : -1);

    // The bars move only as far as the cursor needs.
    const int s = m_nCursorRow - kFirstSymptomTableRow;
    if (s >= 0 && !m_pSymptomBar->isHidden() && (s < p || s >= p + inSightRows)) {
        m_pSymptomBar->SetPosition(std::min(s < p ? s : s - inSightRows + 1, m_pSymptomBar->maximum()));
        RepaintSymptomArea();
    }
    const int r = m_nCursorColumn;
    if (!m_pRemedyBar->isHidden() && (r < q || r >= q + inSight)) {
        m_pRemedyBar->SetPosition(ClampRemedyPosition(r < q ? r : r - inSight + 1, m_pRemedyBar->maximum()));
        RepaintRemedyArea();
    }
    update();
    AnnounceGridCursor(this);
}

void CRepView::PlaceCursor(int row, int column)
{
    if (!m_bHasChart || m_pEngine->RemedyCount() == 0)
        return;
    m_nCursorRow = row;
    m_nCursorColumn = column;
    ClampCursor();
    update();
    AnnounceGridCursor(this);
}

std::pair<int, int> CRepView::TableCellAt(const QPoint& p) const
{
    if (!m_bHasChart)
        return {-1, -1};
    const int first = m_pRemedyBar->Position();
    const int top = kFirstSymptomTableRow + m_pSymptomBar->Position();
    for (int column = first; column < first + m_geometry.DrawnColumns() && column < m_pEngine->RemedyCount();
         ++column) {
        if (!TableCellRect(kTotalityTableRow, column).isValid())
            break;
        for (int row : {kTotalityTableRow, kCoveredTableRow})
            if (TableCellRect(row, column).contains(p))
                return {row, column};
        for (int row = top; row < top + m_geometry.VisibleSymptoms(); ++row)
            if (TableCellRect(row, column).contains(p))
                return {row, column};
    }
    return {-1, -1};
}

} // namespace quillon
