// The program's help viewer: the manual's HTML pages in a browser window with back, forward and contents.
#pragma once

#include <QPointer>
#include <QStringList>
#include <QWidget>

class QTextBrowser;
class QToolButton;

namespace quillon {

// Where the manual's index.html is looked for: the program data (<prefix>/share/quillon/manual) of the prefix the
// program runs from (the build tree has the same layout).
QStringList ManualFolders(const QString& programFolder);
// The first of those that holds index.html; empty when none does.
QString FindManual(const QString& programFolder);

class CHelpViewer final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CHelpViewer)

public:
    // Opens manualFolder/index.html; without a manual the window says where it looked.
    explicit CHelpViewer(const QString& manualFolder, const QStringList& searched = {}, QWidget* parent = nullptr);

    QTextBrowser* Browser() const { return m_pBrowser; }
    // Shows page `page` of the manual (a file name inside its folder, with an optional #anchor).
    void ShowPage(const QString& page);

    // The one viewer of the run, made on first use and raised on every later one.
    static CHelpViewer* ShowManual(const QString& programFolder, QWidget* parent);

    // Places the window over the middle of parent's window, whole on its screen.
    void CentreOver(const QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void UpdateTitle();

    QString m_strFolder;
    QTextBrowser* m_pBrowser = nullptr;
    QToolButton* m_pBack = nullptr;
    QToolButton* m_pForward = nullptr;
    QToolButton* m_pHome = nullptr;
};

} // namespace quillon
