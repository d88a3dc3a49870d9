// The main frame.
#include "app/MainFrame.h"

#include "magnifier/Magnifier.h"

#include <QAction>
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

    connect(m_pMdiArea, &QMdiArea::subWindowActivated, this, &CMainFrame::FollowActiveView);
    connect(m_pMdiArea, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* sub) {
        // Like the frame of a maximised document, the title names the active view.
        UpdateTitle();
        if (sub)
            connect(sub, &QWidget::windowTitleChanged, this, &CMainFrame::UpdateTitle, Qt::UniqueConnection);
    });
    DeclareCommands();
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
