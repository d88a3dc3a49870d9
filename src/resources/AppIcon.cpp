// Quillon's icon.
#include "resources/AppIcon.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace quillon {

QIcon QuillonIcon()
{
    // Drawn here rather than left to an icon-engine plugin, so the picture does not depend on what is installed.
    QIcon icon;
    QSvgRenderer renderer(QString::fromLatin1(kAppIconResource));
    if (!renderer.isValid())
        return icon;
    for (const int side : {16, 22, 24, 32, 48, 64, 128, 256}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace quillon
