// The main frame.
#include "app/MainFrame.h"

#include "app/CommandIds.h"
#include "app/QuillonApp.h"

#include <QAction>
#include <QKeySequence>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>

namespace quillon {

CMainFrame::CMainFrame(CQuillonApp& app) : m_app(app)
{
    setWindowTitle(QStringLiteral("Quillon"));
    m_pMdiArea = new QMdiArea(this);
    m_pMdiArea->setObjectName(QStringLiteral("mdiArea"));
    setCentralWidget(m_pMdiArea);

    m_pFileMenu = menuBar()->addMenu(QStringLiteral("&File"));
    AddCommand(m_pFileMenu, ID_SELECT_PATIENT, QStringLiteral("Select &Patient  \tF2"))->setShortcut(Qt::Key_F2);
    AddCommand(m_pFileMenu, ID_RECORDED_SYMPTOMS, QStringLiteral("Recorded &Symptoms \tF6"))->setShortcut(Qt::Key_F6);
    AddCommand(m_pFileMenu, ID_REPERTORISATION, QStringLiteral("&Repertorisation \tF5"))->setShortcut(Qt::Key_F5);
    AddCommand(m_pFileMenu, ID_SYMPTOM_LIST, QStringLiteral("Symptom &List"));
    m_pFileMenu->addSeparator();
    AddCommand(m_pFileMenu, ID_FULL_CASE_RECORD, QStringLiteral("Full Case Record\tCtrl+U"))
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_U));
    AddCommand(m_pFileMenu, ID_FOLLOWUP, QStringLiteral("Followup\tCtrl+F"))
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    m_pFileMenu->addSeparator();
    AddCommand(m_pFileMenu, ID_APP_EXIT, QStringLiteral("E&xit"));

    m_pViewMenu = menuBar()->addMenu(QStringLiteral("&View"));
    AddCommand(m_pViewMenu, ID_MAGNIFY, QStringLiteral("&Magnify"));

    Action(ID_SELECT_PATIENT)->setStatusTip(QStringLiteral("Select Patient"));
    Action(ID_RECORDED_SYMPTOMS)->setStatusTip(QStringLiteral("Recorded Symptoms for All dates"));

    connect(Action(ID_SELECT_PATIENT), &QAction::triggered, &m_app, &CQuillonApp::OnSelectPatient);
    connect(Action(ID_RECORDED_SYMPTOMS), &QAction::triggered, &m_app, &CQuillonApp::OnRecordedSymptoms);
    connect(Action(ID_REPERTORISATION), &QAction::triggered, &m_app, &CQuillonApp::OnRepertorisation);
    connect(Action(ID_FULL_CASE_RECORD), &QAction::triggered, &m_app, &CQuillonApp::OnFullCaseRecord);
    connect(Action(ID_FOLLOWUP), &QAction::triggered, &m_app, &CQuillonApp::OnFollowup);
    connect(Action(ID_APP_EXIT), &QAction::triggered, this, &QMainWindow::close);
    connect(Action(ID_SYMPTOM_LIST), &QAction::triggered, this, [this] { RouteToActiveView(ID_SYMPTOM_LIST); });
    connect(Action(ID_MAGNIFY), &QAction::triggered, this, [this] { RouteToActiveView(ID_MAGNIFY); });

    connect(m_pFileMenu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandUI);
    connect(m_pViewMenu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandUI);
    connect(m_pMdiArea, &QMdiArea::subWindowActivated, this, &CMainFrame::UpdateCommandUI);
    connect(m_pMdiArea, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* sub) {
        // Like the frame of a maximised document, the title names the active view.
        UpdateTitle();
        if (sub)
            connect(sub, &QWidget::windowTitleChanged, this, &CMainFrame::UpdateTitle, Qt::UniqueConnection);
    });
    UpdateCommandUI();
}

QAction* CMainFrame::AddCommand(QMenu* menu, int commandId, const QString& text)
{
    QAction* action = menu->addAction(text);
    action->setData(commandId);
    action->setShortcutContext(Qt::ApplicationShortcut);
    m_actions[commandId] = action;
    return action;
}

QAction* CMainFrame::Action(int commandId) const
{
    const auto it = m_actions.find(commandId);
    return it == m_actions.end() ? nullptr : it->second;
}

static ICommandTarget* ActiveTarget(QMdiArea* area)
{
    const auto* frame = qobject_cast<CChildFrame*>(area->activeSubWindow());
    return frame ? dynamic_cast<ICommandTarget*>(frame->View()) : nullptr;
}

void CMainFrame::RouteToActiveView(int commandId)
{
    if (ICommandTarget* target = ActiveTarget(m_pMdiArea); target && target->IsCommandEnabled(commandId))
        target->OnCommand(commandId);
    UpdateCommandUI();
}

void CMainFrame::UpdateTitle()
{
    const QMdiSubWindow* sub = m_pMdiArea->activeSubWindow();
    if (sub && !sub->windowTitle().isEmpty())
        setWindowTitle(QStringLiteral("Quillon - [%1]").arg(sub->windowTitle()));
    else
        setWindowTitle(QStringLiteral("Quillon"));
}

void CMainFrame::UpdateCommandUI()
{
    const bool hasPatient = !m_app.m_strPatientFile.empty();
    Action(ID_SELECT_PATIENT)->setEnabled(true);
    Action(ID_REPERTORISATION)->setEnabled(!m_app.m_mapSymptoms.empty());
    Action(ID_RECORDED_SYMPTOMS)->setEnabled(hasPatient);
    Action(ID_FULL_CASE_RECORD)->setEnabled(hasPatient);
    Action(ID_FOLLOWUP)->setEnabled(hasPatient);
    ICommandTarget* target = ActiveTarget(m_pMdiArea);
    Action(ID_SYMPTOM_LIST)->setEnabled(target && target->IsCommandEnabled(ID_SYMPTOM_LIST));
    Action(ID_MAGNIFY)->setEnabled(target && target->IsCommandEnabled(ID_MAGNIFY));
}

namespace {

// Asks for the size of the view it holds, so that a restored frame opens at the view's own size.
class CViewScroller final : public QScrollArea
{
public:
    QSize sizeHint() const override
    {
        const QWidget* view = widget();
        return view ? view->sizeHint().expandedTo(view->minimumSize()) : QScrollArea::sizeHint();
    }
};

} // namespace

void CChildFrame::SetView(QWidget* view)
{
    auto* scroller = new CViewScroller();
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setFocusPolicy(Qt::NoFocus);
    scroller->setWidgetResizable(true);
    scroller->setWidget(view);
    m_pView = view;
    setWidget(scroller);
}

} // namespace quillon
