// The main frame: the menu, the accelerators and the area that holds the child frames.
#pragma once

#include <QMainWindow>
#include <QMdiSubWindow>

#include <map>

class QAction;
class QMdiArea;
class QMenu;

namespace quillon {

class CQuillonApp;

class CMainFrame final : public QMainWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CMainFrame)

public:
    explicit CMainFrame(CQuillonApp& app);
    // Cuts the frame's handlers off the area and its child windows, which announce their removal while the
    // frame's own part is already gone.
    ~CMainFrame() override;

    QMdiArea* MdiArea() const { return m_pMdiArea; }
    QAction* Action(int commandId) const;
    QMenu* FileMenu() const { return m_pFileMenu; }
    QMenu* ViewMenu() const { return m_pViewMenu; }
    QMenu* RecentFoldersMenu() const { return m_pRecentMenu; }

    // Fills File > Recent Folders, most recent first.
    void UpdateRecentFolders(const QStringList& folders);

    // Enables and disables the commands from the current state, as the update handlers do.
    void UpdateCommandUI();
    // "Quillon", or "Quillon - [view title]" while a view is active.
    void UpdateTitle();

private:
    QAction* AddCommand(QMenu* menu, int commandId, const QString& text);
    void RouteToActiveView(int commandId);

    CQuillonApp& m_app;
    QMdiArea* m_pMdiArea = nullptr;
    QMenu* m_pFileMenu = nullptr;
    QMenu* m_pViewMenu = nullptr;
    QMenu* m_pRecentMenu = nullptr;
    QMenu* m_pHelpMenu = nullptr;
    std::map<int, QAction*> m_actions;
};

// A child frame: holds one view, which scrolls inside it when the frame is smaller than the view's minimum size.
class CChildFrame final : public QMdiSubWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CChildFrame)

public:
    explicit CChildFrame(QWidget* parent = nullptr) : QMdiSubWindow(parent) {}
    // Shows the view in a scroll area: it grows with the frame but never shrinks below its minimum size.
    void SetView(QWidget* view);
    QWidget* View() const { return m_pView; }

private:
    QWidget* m_pView = nullptr;
};

// The default view: draws nothing.
class CQuillonView final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CQuillonView)

public:
    explicit CQuillonView(QWidget* parent = nullptr) : QWidget(parent) {}
};

} // namespace quillon
