// The recorded-symptom dialogs' button pictures.
#include "symptoms/SymptomIcons.h"

#include <QAbstractButton>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <functional>

namespace quillon::symptom_icons {
namespace {

constexpr int kSize = 16;

QPixmap Draw(const std::function<void(QPainter&)>& paint)
{
    QPixmap picture(kSize, kSize);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    paint(painter);
    return picture;
}

// Grey text lines of a small list, from `top` down.
void ListLines(QPainter& painter, int top, int lines, int left = 2, int right = 13)
{
    painter.setPen(QPen(QColor(90, 90, 90), 1.5));
    for (int i = 0; i < lines; ++i)
        painter.drawLine(QPointF(left, top + 3.5 * i), QPointF(right, top + 3.5 * i));
}

// A curved arrow that bends back to the left, ending at (x, y).
void BackArrow(QPainter& painter, qreal x, qreal y, const QColor& colour)
{
    QPainterPath path;
    path.moveTo(x + 10, y + 6);
    path.cubicTo(x + 12, y - 2, x + 6, y - 3, x + 2, y);
    painter.setPen(QPen(colour, 2, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPolygon(QPolygonF{QPointF(x - 1, y + 1), QPointF(x + 4, y - 3), QPointF(x + 4, y + 4)});
}

} // namespace

QPixmap DeleteIcon()
{
    return Draw([](QPainter& painter) {
        ListLines(painter, 3, 4);
        painter.setPen(QPen(QColor(210, 0, 0), 2.5, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(7, 7), QPointF(14, 14));
        painter.drawLine(QPointF(14, 7), QPointF(7, 14));
    });
}

QPixmap UndeleteIcon()
{
    return Draw([](QPainter& painter) {
        ListLines(painter, 12, 2, 2, 14);
        BackArrow(painter, 2, 5, QColor(0, 140, 0));
    });
}

QPixmap UndeleteAllIcon()
{
    return Draw([](QPainter& painter) {
        ListLines(painter, 8, 3, 2, 14);
        BackArrow(painter, 2, 3, QColor(0, 140, 0));
    });
}

QPixmap RepTableIcon()
{
    return Draw([](QPainter& painter) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(70, 110, 200));
        painter.drawRect(1, 1, 14, 4);
        painter.setBrush(Qt::white);
        painter.drawRect(1, 5, 14, 10);
        painter.setPen(QColor(60, 60, 60));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(1, 1, 14, 14);
        for (int x = 5; x < 15; x += 4)
            painter.drawLine(x, 1, x, 15);
        for (int y = 5; y < 15; y += 3)
            painter.drawLine(1, y, 15, y);
        painter.fillRect(6, 9, 3, 2, QColor(210, 0, 0));
        painter.fillRect(10, 12, 3, 2, QColor(210, 0, 0));
    });
}

QPixmap SaveIcon()
{
    return Draw([](QPainter& painter) {
        // A page with a folded corner.
        painter.setPen(QPen(QColor(60, 60, 60), 1));
        painter.setBrush(Qt::white);
        painter.drawPolygon(QPolygonF{
            QPointF(2.5, 1.5), QPointF(10.5, 1.5), QPointF(13.5, 4.5), QPointF(13.5, 14.5), QPointF(2.5, 14.5)});
        painter.drawLine(QPointF(10.5, 1.5), QPointF(10.5, 4.5));
        painter.drawLine(QPointF(10.5, 4.5), QPointF(13.5, 4.5));
        // An arrow into it.
        const QColor blue(20, 80, 200);
        painter.setPen(QPen(blue, 2, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(8, 3), QPointF(8, 10));
        painter.setPen(Qt::NoPen);
        painter.setBrush(blue);
        painter.drawPolygon(QPolygonF{QPointF(4, 9), QPointF(12, 9), QPointF(8, 14)});
    });
}

QPixmap OkIcon()
{
    return Draw([](QPainter& painter) {
        painter.setPen(QPen(QColor(0, 150, 0), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolyline(QPolygonF{QPointF(2.5, 8.5), QPointF(6.5, 12.5), QPointF(13.5, 3.5)});
    });
}

void FitPictureButton(QWidget* button)
{
    auto* push = qobject_cast<QAbstractButton*>(button);
    if (!push)
        return;
    QString text = push->text();
    text.remove(QLatin1Char('&'));
    button->setMinimumWidth(button->fontMetrics().horizontalAdvance(text) + kSize + 24);
}

} // namespace quillon::symptom_icons
