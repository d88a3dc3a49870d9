// Message boxes.
#include "app/BoxMessageSink.h"

#include "controls/DisplayText.h"

#include <QApplication>
#include <QGridLayout>
#include <QMessageBox>

namespace quillon {

namespace {
// Room for the title bar's icon and its close button around the title.
constexpr int kTitleBarButtonsWidth = 120;
} // namespace

void CBoxMessageSink::Show(const Message& message)
{
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    switch (message.icon) {
    case MessageIcon::None: icon = QMessageBox::NoIcon; break;
    case MessageIcon::Information: icon = QMessageBox::Information; break;
    case MessageIcon::Warning: icon = QMessageBox::Warning; break;
    case MessageIcon::Error: icon = QMessageBox::Critical; break;
    }
    const QString caption = message.caption.empty() ? QStringLiteral("Quillon") : FromData(message.caption);
    QMessageBox box(icon, caption, FromData(message.text), QMessageBox::Ok, QApplication::activeWindow());
    // The box is as wide as its text asks, which may be narrower than its title; a spacer keeps the whole
    // title readable beside the title bar's icon and buttons.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        QFont titleFont = box.font();
        titleFont.setBold(true);
        const int titleWidth = QFontMetrics(titleFont).horizontalAdvance(caption);
        grid->addItem(new QSpacerItem(titleWidth + kTitleBarButtonsWidth, 0, QSizePolicy::Minimum), grid->rowCount(), 0,
            1, grid->columnCount());
    }
    box.exec();
}

} // namespace quillon
