// The chart view's two popup menus, opened by the right button at the point pressed or by the Menu key and
// Shift+F10 at the cell cursor, with the same items and the same commands either way.
#include "chart/RepView.h"

#include "chart/ChartAccessible.h"
#include "controls/MyScroll.h"
#include "engine/RepEngine.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>

namespace quillon {

namespace {

// Screen x at which the popup menus change from left- to right-aligned.
constexpr int kPopupAlignX = 445;

} // namespace

void CRepView::CreateActions()
{
    const auto make = [this](const QString& text, const char* name = nullptr) {
        auto* action = new QAction(text, this);
        if (name)
            action->setObjectName(QLatin1String(name));
        return action;
    };
    m_actions.symptomList = make(tr("Symptom &List"), "symptomList");
    m_actions.symptomList->setEnabled(m_state.LiveCount() > 0 || m_state.DeletedCount() > 0);
    connect(m_actions.symptomList, &QAction::triggered, this, &CRepView::RunSymptomList);
    m_actions.fullSymptom = make(tr("&Full Symptom"));
    const std::array<QString, kClipboardCount> clipboards{tr("ClipBoard &1"), tr("ClipBoard &2"), tr("ClipBoard &3")};
    for (int k = 0; k < kClipboardCount; ++k) {
        QAction* clipboard = make(clipboards[static_cast<std::size_t>(k)]);
        connect(clipboard, &QAction::triggered, this, [this, k] { DropOnClipboard(m_pMethods->PickedSymptom(), k); });
        m_actions.clipboards[static_cast<std::size_t>(k)] = clipboard;
    }
    m_actions.eliminate = make(tr("&Eliminate by this Symptom"));
    m_actions.eliminate->setCheckable(true);
    connect(m_actions.eliminate, &QAction::triggered, this, [this] {
        if (m_pEngine->Symptom(m_pMethods->PickedSymptom())) {
            ChartCommand command{ChartVerb::Eliminate};
            command.symptom = m_pMethods->PickedSymptom();
            Execute(command);
        }
    });
    m_actions.symptomCovered = make(tr("&Symptom Covered/Not Covered"));
    connect(m_actions.symptomCovered, &QAction::triggered, this, &CRepView::RunSymptomCoveredReport);
    m_actions.conversion = make(tr("&Conv. Rep To MM"));
    m_actions.drugList = make(tr("&Drug List"));
    m_actions.stability = make(tr("S&tability"), "stability");
    m_actions.recordPrescription = make(tr("&Record Prescription\u2026"));
    // Offered by the main frame's View menu under its own texts.
    m_actions.compareVisits = make(QString(), "compareVisits");
    m_actions.strategies = make(QString(), "strategies");
    m_actions.families = make(QString(), "families");
    m_actions.magnify = make(QString(), "magnify");
    // The commands whose dialogs live elsewhere wait for their owner.
    for (QAction* action : {m_actions.fullSymptom, m_actions.symptomCovered, m_actions.conversion, m_actions.drugList,
             m_actions.stability, m_actions.recordPrescription, m_actions.compareVisits, m_actions.strategies,
             m_actions.families, m_actions.magnify})
        action->setEnabled(false);
}

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
    menu.addActions({m_actions.symptomCovered, m_actions.conversion, m_actions.drugList, m_actions.stability,
        m_actions.recordPrescription});
    ShowPopup(menu, p);
}

void CRepView::ShowSymptomPopup(const QPoint& p)
{
    QMenu menu(this);
    menu.addActions({m_actions.symptomList, m_actions.fullSymptom});
    menu.addActions({m_actions.clipboards.begin(), m_actions.clipboards.end()});
    menu.addSeparator();
    m_actions.eliminate->setChecked(m_pEngine->IsEliminating(m_pMethods->PickedSymptom()));
    menu.addAction(m_actions.eliminate);
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

void CRepView::ShowPopup(QMenu& menu, const QPoint& p)
{
    QPoint at = mapToGlobal(p);
    if (at.x() >= kPopupAlignX)
        at.rx() -= menu.sizeHint().width();
    menu.exec(at);
}

} // namespace quillon
