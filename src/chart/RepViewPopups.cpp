// The chart view's two popup menus, opened by the right button at the point pressed or by the Menu key and
// Shift+F10 at the cell cursor, with the same items and the same commands either way.
#include "chart/RepView.h"

#include "chart/ChartAccessible.h"
#include "controls/MyScroll.h"
#include "engine/RepEngine.h"

#include <QContextMenuEvent>
#include <QMenu>

namespace quillon {

namespace {

// Screen x at which the popup menus change from left- to right-aligned.
constexpr int kPopupAlignX = 445;

} // namespace

void CRepView::OnRightButtonDown(const QPoint& p)
{
    if (!m_bHasChart)
        return;
    const ChartHit hit = m_geometry.HitTest(
        p.x(), p.y(), m_pSymptomBar->Position(), [this](int s) { return m_pEngine->Symptom(s) != nullptr; },
        m_pRemedyBar->Position(), m_pEngine->RemedyCount());
    const int column = m_geometry.TotalityColumnAt(p.x(), p.y());
    const int remedy = column >= 0 ? m_pRemedyBar->Position() + column : 0;
    m_pSession->Pick(remedy, hit.onSymptom ? hit.symptom : -1);
    if (column >= 0 && remedy < m_pEngine->RemedyCount()) {
        PlaceCursor(kTotalityTableRow, remedy);
        ShowRemedyPopup(p);
    }
    if (const int line = m_geometry.SymptomLineAt(p.x(), p.y()); line >= 0) {
        const int symptom = m_pSymptomBar->Position() + line - kFirstSymptomLine;
        if (symptom < m_pEngine->SymptomCount()) {
            PlaceCursor(kFirstSymptomTableRow + symptom, m_nCursorColumn);
            ShowSymptomPopup(p);
        }
    }
}

void CRepView::ShowRemedyPopup(const QPoint& p)
{
    QMenu menu(this);
    AddMenuItem(menu, tr("&Symptom Covered/Not Covered"), ID_MENU_SYMPTOM_COVERED);
    AddMenuItem(menu, tr("&Conv. Rep To MM"), ID_MENU_CONV_REP_TO_MM);
    AddMenuItem(menu, tr("&Drug List"), ID_MENU_DRUG_LIST);
    AddMenuItem(menu, tr("S&tability"), ID_STABILITY);
    AddMenuItem(menu, tr("&Record Prescription\u2026"), ID_MENU_RECORD_PRESCRIPTION);
    ShowPopup(menu, p);
}

void CRepView::ShowSymptomPopup(const QPoint& p)
{
    QMenu menu(this);
    AddMenuItem(menu, tr("Symptom &List"), ID_MENU_SYMPTOM_LIST);
    AddMenuItem(menu, tr("&Full Symptom"), ID_MENU_FULL_SYMPTOM);
    AddMenuItem(menu, tr("ClipBoard &1"), ID_MENU_CLIPBOARD1);
    AddMenuItem(menu, tr("ClipBoard &2"), ID_MENU_CLIPBOARD2);
    AddMenuItem(menu, tr("ClipBoard &3"), ID_MENU_CLIPBOARD3);
    menu.addSeparator();
    QAction* eliminate = AddMenuItem(menu, tr("&Eliminate by this Symptom"), ID_MENU_ELIMINATE);
    eliminate->setCheckable(true);
    eliminate->setChecked(m_pEngine->IsEliminating(m_pMethods->PickedSymptom()));
    ShowPopup(menu, p);
}

// The popup of the cursor's cell, below it: on a symptom's row the symptom's, on the totality or the covered row
// the remedy's. The cell picks its remedy and symptom first, as a right click on it would.
void CRepView::ShowCursorPopup()
{
    if (!m_bHasChart || m_pEngine->RemedyCount() == 0)
        return;
    MoveCursor(0, 0); // back in sight, should the chart have scrolled away from it
    const QRect cell = TableCellRect(m_nCursorRow, m_nCursorColumn);
    const QPoint at(cell.center().x(), cell.bottom());
    if (m_nCursorRow >= kFirstSymptomTableRow)
        ShowSymptomPopup(at);
    else
        ShowRemedyPopup(at);
}

void CRepView::contextMenuEvent(QContextMenuEvent* event)
{
    // The Menu key arrives as a key press too, which opens the popup (keyPressEvent): a second one from the
    // platform's keyboard context-menu event would open it twice.
    if (event->reason() == QContextMenuEvent::Keyboard) {
        event->accept();
        return;
    }
    QWidget::contextMenuEvent(event);
}

QAction* CRepView::AddMenuItem(QMenu& menu, const QString& text, int commandId)
{
    QAction* action = menu.addAction(text);
    action->setData(commandId);
    action->setEnabled(IsCommandEnabled(commandId));
    return action;
}

void CRepView::ShowPopup(QMenu& menu, const QPoint& p)
{
    QPoint at = mapToGlobal(p);
    if (at.x() >= kPopupAlignX)
        at.rx() -= menu.sizeHint().width();
    int chosen = 0;
    connect(&menu, &QMenu::triggered, &menu, [&chosen](QAction* action) { chosen = action->data().toInt(); });
    menu.exec(at);
    if (chosen != 0)
        RunMenuCommand(chosen);
}

void CRepView::RunMenuCommand(int commandId)
{
    OnCommand(commandId);
}

} // namespace quillon
