// The main frame.
#include "app/MainFrame.h"

#include "app/AppSettings.h"
#include "app/QuillonApp.h"
#include "chart/RepView.h"
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

    const auto hasPatient = [this] { return !m_app.m_strPatientFile.empty(); };
    m_pFileMenu = menuBar()->addMenu(tr("&File"));
    AddCommand(m_pFileMenu, "openFolder", tr("&Open Practice Folder\u2026"), [this] {
        m_app.OnOpenPracticeFolder();
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    m_pRecentMenu = m_pFileMenu->addMenu(tr("Recen&t Folders"));
    m_pFileMenu->addSeparator();
    QAction* select
        = AddCommand(m_pFileMenu, "selectPatient", tr("Select &Patient"), [this] { m_app.OnSelectPatient(); });
    select->setShortcut(Qt::Key_F2);
    select->setStatusTip(tr("Select Patient"));
    QAction* recorded = AddCommand(
        m_pFileMenu, "recordedSymptoms", tr("Recorded &Symptoms"), [this] { m_app.OnRecordedSymptoms(); }, hasPatient);
    recorded->setShortcut(Qt::Key_F6);
    recorded->setStatusTip(tr("Recorded Symptoms for All dates"));
    AddCommand(
        m_pFileMenu, "repertorisation", tr("&Repertorisation"), [this] { m_app.OnRepertorisation(); },
        [this] { return !m_app.m_mapSymptoms.empty(); })
        ->setShortcut(Qt::Key_F5);
    AddViewCommand(m_pFileMenu, "symptomList", tr("Symptom &List"));
    m_pFileMenu->addSeparator();
    AddCommand(
        m_pFileMenu, "fullCaseRecord", tr("Full Case Record"), [this] { m_app.OnFullCaseRecord(); }, hasPatient)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_U));
    AddCommand(
        m_pFileMenu, "followup", tr("Followup"), [this] { m_app.OnFollowup(); }, hasPatient)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    m_pFileMenu->addSeparator();
    AddCommand(m_pFileMenu, "exit", tr("E&xit"), [this] { close(); });

    m_pViewMenu = menuBar()->addMenu(tr("&View"));
    AddViewCommand(m_pViewMenu, "magnify", tr("&Magnify"))->setCheckable(true);
    QAction* fit = AddCommand(m_pViewMenu, "fitChart", tr("Fit Chart to &Window"), [] {});
    fit->setCheckable(true);
    fit->setChecked(m_app.Settings().FitChartToWindow());
    // Remembered for the charts to come, and the open chart laid out again at once.
    connect(fit, &QAction::toggled, this, [this](bool on) {
        m_app.Settings().SetFitChartToWindow(on);
        if (auto* chart = qobject_cast<CRepView*>(m_app.OpenView(kViewChart)))
            chart->SetFitToWindow(on);
    });
    m_pViewMenu->addSeparator();
    AddViewCommand(m_pViewMenu, "compareVisits", tr("&Compare with Visit\u2026"));
    AddViewCommand(m_pViewMenu, "stability", tr("S&tability"));
    AddViewCommand(m_pViewMenu, "strategies", tr("Strate&gies\u2026"));
    AddViewCommand(m_pViewMenu, "families", tr("&Families\u2026"));
    m_pHelpMenu = menuBar()->addMenu(tr("&Help"));
    AddCommand(m_pHelpMenu, "help", tr("Quillon &Help"), [this] { m_app.OnHelp(); })->setShortcut(Qt::Key_F1);
    m_pHelpMenu->addSeparator();
    AddCommand(m_pHelpMenu, "about", tr("&About Quillon"), [this] { m_app.OnAbout(); });

    connect(m_pMdiArea, &QMdiArea::subWindowActivated, this, &CMainFrame::FollowActiveView);
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

void CMainFrame::Declare(QAction* action, std::function<void()> run, std::function<bool()> enabledWhen)
{
    action->setShortcutContext(Qt::ApplicationShortcut);
    connect(action, &QAction::triggered, this, [this, run = std::move(run)] {
        run();
        UpdateCommandUI();
    });
    m_commands.push_back({action, std::move(enabledWhen)});
}

QAction* CMainFrame::AddCommand(
    QMenu* menu, const char* name, const QString& text, std::function<void()> run, std::function<bool()> enabledWhen)
{
    QAction* action = menu->addAction(text);
    action->setObjectName(QLatin1String(name));
    Declare(action, std::move(run), std::move(enabledWhen));
    return action;
}

QAction* CMainFrame::AddViewCommand(QMenu* menu, const char* name, const QString& text)
{
    const QString key = QLatin1String(name);
    return AddCommand(
        menu, name, text,
        [this, key] {
            if (QAction* own = ActiveViewAction(key); own && own->isEnabled())
                own->trigger();
        },
        [this, key] {
            const QAction* own = ActiveViewAction(key);
            return own && own->isEnabled();
        });
}

QAction* CMainFrame::Action(const char* name) const
{
    for (const Command& command : m_commands)
        if (command.action && command.action->objectName() == QLatin1String(name))
            return command.action;
    return nullptr;
}

QAction* CMainFrame::ActiveViewAction(const QString& name) const
{
    const auto* frame = qobject_cast<CChildFrame*>(m_pMdiArea->activeSubWindow());
    return frame && frame->View() ? frame->View()->findChild<QAction*>(name, Qt::FindDirectChildrenOnly) : nullptr;
}

// The frame's commands follow the active view's own: enabled with them, and updated after one ran from the
// view's popup.
void CMainFrame::FollowActiveView(QMdiSubWindow* sub)
{
    const auto* frame = qobject_cast<CChildFrame*>(sub);
    if (frame && frame->View()) {
        for (QAction* own : frame->View()->findChildren<QAction*>(Qt::FindDirectChildrenOnly)) {
            connect(own, &QAction::changed, this, &CMainFrame::UpdateCommandUI, Qt::UniqueConnection);
            connect(own, &QAction::triggered, this, &CMainFrame::UpdateCommandUI, Qt::UniqueConnection);
        }
    }
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
    for (const Command& command : m_commands)
        if (command.action && command.enabledWhen)
            command.action->setEnabled(command.enabledWhen());
    const auto* frame = qobject_cast<CChildFrame*>(m_pMdiArea->activeSubWindow());
    Action("magnify")->setChecked(frame && CMagnifier::IsShownOver(frame->View()));
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
