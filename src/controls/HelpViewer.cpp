// The help viewer.
#include "controls/HelpViewer.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QImage>
#include <QKeyEvent>
#include <QScreen>
#include <QTextBlock>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>
#include <optional>

namespace quillon {

namespace {

// A page's pictures are drawn at the width the page gives them; the browser would shrink them pixel by pixel at
// each paint, which leaves the small text of a screenshot unreadable. Each picture is loaded scaled smoothly to the
// size it is drawn at, in the screen's device pixels.
class CManualBrowser final : public QTextBrowser
{
public:
    using QTextBrowser::QTextBrowser;

    QVariant loadResource(int type, const QUrl& name) override
    {
        QVariant loaded = QTextBrowser::loadResource(type, name);
        if (type != QTextDocument::ImageResource)
            return loaded;
        const QImage original
            = loaded.userType() == QMetaType::QImage ? loaded.value<QImage>() : QImage::fromData(loaded.toByteArray());
        const std::optional<QSizeF> drawn = DrawnSize(name, original.size());
        if (original.isNull() || !drawn)
            return loaded;
        const qreal ratio = devicePixelRatioF();
        const QSize size = (*drawn * ratio).toSize();
        if (size.isEmpty() || size == original.size())
            return loaded;
        QImage scaled = original.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        scaled.setDevicePixelRatio(ratio);
        return scaled;
    }

private:
    // The size the page gives picture `name` (its width, and its height or the picture's proportions).
    std::optional<QSizeF> DrawnSize(const QUrl& name, const QSize& original) const
    {
        for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextCharFormat format = it.fragment().charFormat();
                // The page names it relative to itself; the browser asks for it resolved.
                if (!format.isImageFormat()
                    || (QUrl(format.toImageFormat().name()) != name
                        && source().resolved(QUrl(format.toImageFormat().name())) != name))
                    continue;
                const QTextImageFormat picture = format.toImageFormat();
                if (picture.width() <= 0 || original.isEmpty())
                    return std::nullopt;
                const qreal height
                    = picture.height() > 0 ? picture.height() : picture.width() * original.height() / original.width();
                return QSizeF(picture.width(), height);
            }
        }
        return std::nullopt;
    }
};

} // namespace

QStringList ManualFolders(const QString& programFolder)
{
    const QDir dir(programFolder);
    // Program data, in the build tree as once installed.
    return {QDir::cleanPath(dir.absoluteFilePath(QStringLiteral("../share/quillon/manual")))};
}

QString FindManual(const QString& programFolder)
{
    for (const QString& folder : ManualFolders(programFolder)) {
        if (QFileInfo(folder + QStringLiteral("/index.html")).isFile())
            return folder;
    }
    return {};
}

CHelpViewer::CHelpViewer(const QString& manualFolder, const QStringList& searched, QWidget* parent)
    : QWidget(parent, Qt::Window), m_strFolder(manualFolder)
{
    setObjectName(QStringLiteral("helpViewer"));
    setAccessibleName(tr("Quillon Help"));
    auto* layout = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout();
    const auto makeButton = [this, bar](const QString& text, const QKeySequence& key) {
        auto* button = new QToolButton(this);
        button->setText(text);
        button->setAccessibleName(text);
        button->setToolTip(QStringLiteral("%1 (%2)").arg(text, key.toString(QKeySequence::NativeText)));
        button->setShortcut(key);
        bar->addWidget(button);
        return button;
    };
    m_pBack = makeButton(tr("Back"), QKeySequence(QKeySequence::Back));
    m_pForward = makeButton(tr("Forward"), QKeySequence(QKeySequence::Forward));
    m_pHome = makeButton(tr("Contents"), QKeySequence(Qt::ALT | Qt::Key_Home));
    bar->addStretch();
    layout->addLayout(bar);

    m_pBrowser = new CManualBrowser(this);
    m_pBrowser->setObjectName(QStringLiteral("helpBrowser"));
    m_pBrowser->setAccessibleName(tr("Manual page"));
    // Pages of the manual open here; a web address opens in the desktop's browser.
    m_pBrowser->setOpenLinks(true);
    m_pBrowser->setOpenExternalLinks(true);
    layout->addWidget(m_pBrowser);

    m_pBack->setEnabled(false);
    m_pForward->setEnabled(false);
    connect(m_pBack, &QToolButton::clicked, m_pBrowser, &QTextBrowser::backward);
    connect(m_pForward, &QToolButton::clicked, m_pBrowser, &QTextBrowser::forward);
    connect(m_pHome, &QToolButton::clicked, m_pBrowser, &QTextBrowser::home);
    connect(m_pBrowser, &QTextBrowser::backwardAvailable, m_pBack, &QToolButton::setEnabled);
    connect(m_pBrowser, &QTextBrowser::forwardAvailable, m_pForward, &QToolButton::setEnabled);
    connect(m_pBrowser, &QTextBrowser::sourceChanged, this, &CHelpViewer::UpdateTitle);

    // As large as suits a manual page, and no larger than most of the screen.
    QSize size(900, 700);
    if (const QScreen* screen = parent ? parent->screen() : this->screen())
        size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
    resize(size);
    if (manualFolder.isEmpty()) {
        setWindowTitle(tr("Quillon Help"));
        m_pBrowser->setPlainText(
            tr("The manual is not installed. Quillon looked for index.html in:\n") + searched.join(QLatin1Char('\n')));
        m_pHome->setEnabled(false);
        return;
    }
    m_pBrowser->setSearchPaths({manualFolder});
    ShowPage(QStringLiteral("index.html"));
}

void CHelpViewer::ShowPage(const QString& page)
{
    const qsizetype hash = page.indexOf(QLatin1Char('#'));
    QUrl url = QUrl::fromLocalFile(QDir(m_strFolder).absoluteFilePath(hash < 0 ? page : page.left(hash)));
    if (hash >= 0)
        url.setFragment(page.mid(hash + 1));
    m_pBrowser->setSource(url);
}

void CHelpViewer::UpdateTitle()
{
    const QString title = tr("Quillon Help");
    const QString page = m_pBrowser->documentTitle();
    // The manual is English: its front page is titled with the window's English name.
    const bool front = page.isEmpty() || page == QLatin1String("Quillon Help");
    setWindowTitle(front ? title : title + QStringLiteral(" - ") + page);
}

void CHelpViewer::keyPressEvent(QKeyEvent* event)
{
    // Esc closes the manual, as it closes a dialog; the browser and the buttons leave it to the window.
    if (event->matches(QKeySequence::Cancel)) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void CHelpViewer::CentreOver(const QWidget* parent)
{
    if (!parent)
        return;
    // Before it is first shown the window has no frame yet: its frame is taken to be as wide as its parent's.
    const QWidget* over = parent->window();
    QRect frame = frameGeometry();
    if (!testAttribute(Qt::WA_WState_Created) || frame.size() == size())
        frame.setSize(size() + over->frameGeometry().size() - over->geometry().size());
    frame.moveCenter(over->frameGeometry().center());
    // Whole on the parent's screen, its title bar first.
    if (const QScreen* screen = parent->screen()) {
        const QRect available = screen->availableGeometry();
        frame.moveRight(std::min(frame.right(), available.right()));
        frame.moveBottom(std::min(frame.bottom(), available.bottom()));
        frame.moveLeft(std::max(frame.left(), available.left()));
        frame.moveTop(std::max(frame.top(), available.top()));
    }
    move(frame.topLeft());
}

CHelpViewer* CHelpViewer::ShowManual(const QString& programFolder, QWidget* parent)
{
    static QPointer<CHelpViewer> viewer;
    if (!viewer) {
        viewer = new CHelpViewer(FindManual(programFolder), ManualFolders(programFolder), parent);
        viewer->setAttribute(Qt::WA_DeleteOnClose);
    }
    if (!viewer->isVisible())
        viewer->CentreOver(parent);
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
    return viewer;
}

} // namespace quillon
