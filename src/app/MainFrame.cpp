// The main frame.
#include "app/MainFrame.h"

#include "app/AppSettings.h"
#include "app/QuillonApp.h"
#include "chart/RepView.h"
#include "controls/CommandTarget.h"
#include "controls/ViewRegistry.h"
#include "magnifier/Magnifier.h"

#include <QAction>
#include <QDir>
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

    m_pFileMenu = menuBar()->addMenu(tr("&File"));
    AddCommand(m_pFileMenu, ID_OPEN_FOLDER, tr("&Open Practice Folder\u2026"))
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    m_pRecentMenu = m_pFileMenu->addMenu(tr("Recen&t Folders"));
    m_pFileMenu->addSeparator();
    AddCommand(m_pFileMenu, ID_SELECT_PATIENT, tr("Select &Patient"))->setShortcut(Qt::Key_F2);
    AddCommand(m_pFileMenu, ID_RECORDED_SYMPTOMS, tr("Recorded &Symptoms"))->setShortcut(Qt::Key_F6);
    AddCommand(m_pFileMenu, ID_REPERTORISATION, tr("&Repertorisation"))->setShortcut(Qt::Key_F5);
    AddCommand(m_pFileMenu, ID_SYMPTOM_LIST, tr("Symptom &List"));
    m_pFileMenu->addSeparator();
    AddCommand(m_pFileMenu, ID_FULL_CASE_RECORD, tr("Full Case Record"))
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_U));
    AddCommand(m_pFileMenu, ID_FOLLOWUP, tr("Followup"))->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    m_pFileMenu->addSeparator();
    AddCommand(m_pFileMenu, ID_APP_EXIT, tr("E&xit"));

    m_pViewMenu = menuBar()->addMenu(tr("&View"));
    AddCommand(m_pViewMenu, ID_MAGNIFY, tr("&Magnify"));
    QAction* fit = AddCommand(m_pViewMenu, ID_FIT_CHART, tr("Fit Chart to &Window"));
    fit->setCheckable(true);
    fit->setChecked(m_app.Settings().FitChartToWindow());
    // Remembered for the charts to come, and the open chart laid out again at once.
    connect(fit, &QAction::toggled, this, [this](bool on) {
        m_app.Settings().SetFitChartToWindow(on);
        if (auto* chart = qobject_cast<CRepView*>(m_app.OpenView(kViewChart)))
            chart->SetFitToWindow(on);
    });
    m_pViewMenu->addSeparator();
    AddCommand(m_pViewMenu, ID_COMPARE_VISITS, tr("&Compare with Visit\u2026"));
    AddCommand(m_pViewMenu, ID_STABILITY, tr("S&tability"));
    AddCommand(m_pViewMenu, ID_STRATEGIES, tr("Strate&gies\u2026"));
    AddCommand(m_pViewMenu, ID_FAMILIES, tr("&Families\u2026"));
    m_pHelpMenu = menuBar()->addMenu(tr("&Help"));
    AddCommand(m_pHelpMenu, ID_HELP_CONTENTS, tr("Quillon &Help"))->setShortcut(Qt::Key_F1);
    m_pHelpMenu->addSeparator();
    AddCommand(m_pHelpMenu, ID_APP_ABOUT, tr("&About Quillon"));

    Action(ID_SELECT_PATIENT)->setStatusTip(tr("Select Patient"));
    Action(ID_RECORDED_SYMPTOMS)->setStatusTip(tr("Recorded Symptoms for All dates"));

    connect(Action(ID_SELECT_PATIENT), &QAction::triggered, &m_app, &CQuillonApp::OnSelectPatient);
    connect(Action(ID_RECORDED_SYMPTOMS), &QAction::triggered, &m_app, &CQuillonApp::OnRecordedSymptoms);
    connect(Action(ID_REPERTORISATION), &QAction::triggered, &m_app, &CQuillonApp::OnRepertorisation);
    connect(Action(ID_FULL_CASE_RECORD), &QAction::triggered, &m_app, &CQuillonApp::OnFullCaseRecord);
    connect(Action(ID_FOLLOWUP), &QAction::triggered, &m_app, &CQuillonApp::OnFollowup);
    connect(Action(ID_APP_EXIT), &QAction::triggered, this, &QMainWindow::close);
    connect(Action(ID_OPEN_FOLDER), &QAction::triggered, &m_app, &CQuillonApp::OnOpenPracticeFolder);
    connect(Action(ID_APP_ABOUT), &QAction::triggered, &m_app, &CQuillonApp::OnAbout);
    connect(Action(ID_HELP_CONTENTS), &QAction::triggered, &m_app, &CQuillonApp::OnHelp);
    connect(Action(ID_SYMPTOM_LIST), &QAction::triggered, this, [this] { RouteToActiveView(ID_SYMPTOM_LIST); });
    for (const int routed : {ID_MAGNIFY, ID_COMPARE_VISITS, ID_STABILITY, ID_STRATEGIES, ID_FAMILIES})
        connect(Action(routed), &QAction::triggered, this, [this, routed] { RouteToActiveView(routed); });

    connect(m_pFileMenu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandUI);
    connect(m_pViewMenu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandUI);
    connect(m_pMdiArea, &QMdiArea::subWindowActivated, this, &CMainFrame::UpdateCommandUI);
    connect(m_pMdiArea, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* sub) {
        // Like the frame of a maximised document, the title names the active view.
        UpdateTitle();
        if (sub)
            connect(sub, &QWidget::windowTitleChanged, this, &CMainFrame::UpdateTitle, Qt::UniqueConnection);
    });
    UpdateRecentFolders(m_app.Settings().RecentFolders());
    UpdateCommandUI();
}

void CMainFrame::UpdateRecentFolders(const QStringList& folders)
{
    m_pRecentMenu->clear();
    for (qsizetype i = 0; i < folders.size(); ++i) {
        QString label = QDir::toNativeSeparators(folders[i]);
        label.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* action = m_pRecentMenu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(label));
        const QString folder = folders[i];
        connect(action, &QAction::triggered, this, [this, folder] { m_app.OpenPracticeFolder(folder); });
    }
    m_pRecentMenu->setEnabled(!folders.isEmpty());
}

CMainFrame::~CMainFrame()
{
    for (QMdiSubWindow* sub : m_pMdiArea->subWindowList())
        sub->disconnect(this);
    m_pMdiArea->disconnect(this);
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
    const bool hasPatient = !m_app.State().m_strPatientFile.empty();
    Action(ID_SELECT_PATIENT)->setEnabled(true);
    Action(ID_REPERTORISATION)->setEnabled(!m_app.State().m_mapSymptoms.empty());
    Action(ID_RECORDED_SYMPTOMS)->setEnabled(hasPatient);
    Action(ID_FULL_CASE_RECORD)->setEnabled(hasPatient);
    Action(ID_FOLLOWUP)->setEnabled(hasPatient);
    ICommandTarget* target = ActiveTarget(m_pMdiArea);
    Action(ID_SYMPTOM_LIST)->setEnabled(target && target->IsCommandEnabled(ID_SYMPTOM_LIST));
    for (const int routed : {ID_MAGNIFY, ID_COMPARE_VISITS, ID_STABILITY, ID_STRATEGIES, ID_FAMILIES})
        Action(routed)->setEnabled(target && target->IsCommandEnabled(routed));
    Action(ID_MAGNIFY)->setCheckable(true);
    Action(ID_MAGNIFY)->setChecked(target && CMagnifier::IsShownOver(dynamic_cast<QWidget*>(target)));
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
