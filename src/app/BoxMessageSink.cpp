// Message boxes.
#include "app/BoxMessageSink.h"

#include "app/QuillonApp.h"

#include <QApplication>
#include <QMessageBox>

namespace quillon {

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
    box.exec();
}

} // namespace quillon
