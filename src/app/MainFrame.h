// The main frame: the menu with its commands, each declared once with its enable rule, and the area that holds
// the child frames.
#pragma once

#include <QMainWindow>
#include <QMdiSubWindow>

#include <QPointer>

#include <functional>
#include <vector>

class QAction;
class QMdiArea;
class QMenu;

namespace quillon {

class CCaseBookCommands;
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
    // The command of that name (its objectName) the frame offers; null for none.
    QAction* Action(const char* name) const;
    QMenu* FileMenu() const { return m_pFileMenu; }
    QMenu* ViewMenu() const { return m_pViewMenu; }
    QMenu* RecentFoldersMenu() const { return m_pRecentMenu; }
    // The case book's commands, which the frame offers and owns.
    CCaseBookCommands* CaseBook() const { return m_pCaseBook; }

    // Fills File > Recent Folders, most recent first.
    void UpdateRecentFolders(const QStringList& folders);

    // Offers a command in the frame's menus: `run` when it is triggered, enabled while `enabledWhen` holds (no
    // rule: always). The action keeps its owner.
    void Declare(QAction* action, std::function<void()> run, std::function<bool()> enabledWhen = {});
    // Enables the commands by their rules; run after every command, when the active view changes and when the
    // state the rules read changes.
    void UpdateCommandUI();
    // "Quillon", or "Quillon - [view title]" while a view is active.
    void UpdateTitle();

private:
    struct Command
    {
        QPointer<QAction> action;
        std::function<bool()> enabledWhen;
    };

    // The menus and their commands (MainCommands.cpp).
    void DeclareCommands();
    QAction* AddCommand(QMenu* menu, const char* name, const QString& text, std::function<void()> run,
        std::function<bool()> enabledWhen = {});
    // A command the active view offers as an action of the same name (Symptom List, Magnify, the readings).
    QAction* AddViewCommand(QMenu* menu, const char* name, const QString& text);
    QAction* ActiveViewAction(const QString& name) const;
    void FollowActiveView(QMdiSubWindow* sub);

    CQuillonApp& m_app;
    QMdiArea* m_pMdiArea = nullptr;
    QMenu* m_pFileMenu = nullptr;
    QMenu* m_pViewMenu = nullptr;
    QMenu* m_pRecentMenu = nullptr;
    QMenu* m_pHelpMenu = nullptr;
    CCaseBookCommands* m_pCaseBook = nullptr;
    std::vector<Command> m_commands;
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
