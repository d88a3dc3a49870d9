// The pictures of the chart's buttons.
#include "chart/ChartPictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

namespace quillon {

namespace {

QPixmap Blank(int width, int height)
{
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// A sheet with a folded corner, as the list buttons and the reset icon show it.
void DrawSheet(QPainter& p, const QRect& r, const QColor& paper)
{
    const int fold = 4;
    QPolygon sheet;
    sheet << r.topLeft() << QPoint(r.right() - fold, r.top()) << QPoint(r.right(), r.top() + fold) << r.bottomRight()
          << r.bottomLeft();
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.setBrush(paper);
    p.drawPolygon(sheet);
    p.drawLine(QPoint(r.right() - fold, r.top()), QPoint(r.right() - fold, r.top() + fold));
    p.drawLine(QPoint(r.right() - fold, r.top() + fold), QPoint(r.right(), r.top() + fold));
}

void DrawLetter(QPainter& p, const QRect& r, const QString& letter, const QColor& colour, int pixels)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixels);
    font.setBold(true);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(r, Qt::AlignCenter, letter);
}

} // namespace

QPixmap ListButtonPicture(FormPart button, bool full)
{
    QString letter;
    QColor colour(0, 0, 160);
    switch (button) {
    case FormPart::Mind:
        letter = QStringLiteral("M");
        colour = QColor(150, 0, 120);
        break;
    case FormPart::General:
        letter = QStringLiteral("G");
        colour = QColor(0, 110, 0);
        break;
    case FormPart::Rest:
        letter = QStringLiteral("R");
        colour = QColor(160, 80, 0);
        break;
    case FormPart::Clipboard1: letter = QStringLiteral("1"); break;
    case FormPart::Clipboard2: letter = QStringLiteral("2"); break;
    case FormPart::Clipboard3: letter = QStringLiteral("3"); break;
    default: return {};
    }
    QPixmap pixmap = Blank(20, 22);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QRect sheet(2, 1, 15, 19);
    DrawSheet(p, sheet, full ? QColor(255, 255, 210) : QColor(255, 255, 255));
    if (full) {
        // Written lines: the list holds symptoms.
        p.setPen(QPen(QColor(120, 120, 120), 1));
        for (int y = 13; y <= 17; y += 2)
            p.drawLine(4, y, 14, y);
        DrawLetter(p, QRect(3, 1, 13, 11), letter, colour, 10);
    } else {
        DrawLetter(p, QRect(3, 3, 13, 14), letter, colour, 11);
    }
    return pixmap;
}

QPixmap MethodButtonIcon(FormPart button)
{
    QPixmap pixmap = Blank(16, 16);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing, true);
    switch (button) {
    case FormPart::ResetClipboard: { // reset the clipboard: a sheet crossed out
        DrawSheet(p, QRect(2, 1, 10, 13), Qt::white);
        p.setPen(QPen(QColor(200, 0, 0), 2));
        p.drawLine(6, 6, 14, 14);
        p.drawLine(14, 6, 6, 14);
        break;
    }
    case FormPart::Normal: { // normal: a bar chart
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 90, 200));
        p.drawRect(2, 8, 3, 7);
        p.drawRect(7, 3, 3, 12);
        p.drawRect(12, 6, 3, 9);
        p.setPen(QPen(Qt::black, 1));
        p.drawLine(1, 15, 15, 15);
        break;
    }
    case FormPart::Sorted: { // sorted: A over Z with a downward arrow
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPixelSize(8);
        font.setBold(true);
        p.setFont(font);
        p.setPen(QColor(0, 0, 140));
        p.drawText(QRect(0, 0, 9, 8), Qt::AlignCenter, QStringLiteral("A"));
        p.drawText(QRect(0, 8, 9, 8), Qt::AlignCenter, QStringLiteral("Z"));
        p.setPen(QPen(QColor(200, 0, 0), 1.5));
        p.drawLine(QPointF(12.5, 1), QPointF(12.5, 14));
        p.drawLine(QPointF(12.5, 14), QPointF(10, 11));
        p.drawLine(QPointF(12.5, 14), QPointF(15, 11));
        break;
    }
    case FormPart::DrugFilter: { // drug filter: a funnel
        QPolygonF funnel;
        funnel << QPointF(1, 2) << QPointF(15, 2) << QPointF(9.5, 8) << QPointF(9.5, 14) << QPointF(6.5, 15)
               << QPointF(6.5, 8);
        p.setPen(QPen(QColor(40, 40, 40), 1));
        p.setBrush(QColor(230, 150, 30));
        p.drawPolygon(funnel);
        break;
    }
    case FormPart::PlantFilter: { // plant: a leaf on a stem
        QPainterPath leaf;
        leaf.moveTo(3, 13);
        leaf.cubicTo(2, 5, 8, 1, 14, 2);
        leaf.cubicTo(14, 9, 10, 13, 3, 13);
        p.setPen(QPen(QColor(0, 90, 0), 1));
        p.setBrush(QColor(60, 170, 60));
        p.drawPath(leaf);
        p.drawLine(QPointF(1, 15), QPointF(10, 6));
        break;
    }
    case FormPart::AnimalFilter: { // animal: a paw print
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(110, 60, 20));
        p.drawEllipse(QRectF(4.5, 8, 7, 6.5));
        p.drawEllipse(QRectF(1, 5, 3.5, 4));
        p.drawEllipse(QRectF(4.5, 1.5, 3.5, 4));
        p.drawEllipse(QRectF(8.5, 1.5, 3.5, 4));
        p.drawEllipse(QRectF(12, 5, 3.5, 4));
        break;
    }
    case FormPart::MineralFilter: { // mineral: a crystal
        QPolygonF crystal;
        crystal << QPointF(8, 1) << QPointF(14, 6) << QPointF(8, 15) << QPointF(2, 6);
        p.setPen(QPen(QColor(20, 60, 120), 1));
        p.setBrush(QColor(120, 190, 240));
        p.drawPolygon(crystal);
        p.drawLine(QPointF(2, 6), QPointF(14, 6));
        p.drawLine(QPointF(8, 1), QPointF(8, 15));
        break;
    }
    case FormPart::Weightage: { // weightage: a pair of scales
        p.setPen(QPen(QColor(60, 60, 60), 1.2));
        p.drawLine(QPointF(8, 2), QPointF(8, 14));
        p.drawLine(QPointF(4, 14), QPointF(12, 14));
        p.drawLine(QPointF(2, 4), QPointF(14, 4));
        p.setBrush(QColor(220, 180, 40));
        p.drawChord(QRectF(0, 5, 6, 5), 180 * 16, 180 * 16);
        p.drawChord(QRectF(10, 5, 6, 5), 180 * 16, 180 * 16);
        break;
    }
    case FormPart::SymptomCovered: { // symptoms covered: a tick and a cross
        p.setPen(QPen(QColor(0, 140, 0), 2));
        p.drawLine(QPointF(1, 7), QPointF(4, 11));
        p.drawLine(QPointF(4, 11), QPointF(8, 2));
        p.setPen(QPen(QColor(200, 0, 0), 2));
        p.drawLine(QPointF(9, 8), QPointF(15, 14));
        p.drawLine(QPointF(15, 8), QPointF(9, 14));
        break;
    }
    default: return {};
    }
    return pixmap;
}

QCursor DragSheetCursor()
{
    QPixmap pixmap = Blank(32, 32);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing, true);
    DrawSheet(p, QRect(12, 2, 14, 17), Qt::white);
    p.setPen(QPen(QColor(120, 120, 120), 1));
    for (int y = 8; y <= 16; y += 3)
        p.drawLine(15, y, 23, y);
    // The hand that holds the sheet's lower edge.
    QPainterPath hand;
    hand.moveTo(4, 30);
    hand.lineTo(4, 20);
    hand.cubicTo(4, 16, 9, 15, 12, 17);
    hand.lineTo(18, 17);
    hand.cubicTo(21, 17, 21, 21, 18, 21);
    hand.lineTo(14, 21);
    hand.lineTo(14, 30);
    hand.closeSubpath();
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(250, 220, 180));
    p.drawPath(hand);
    return QCursor(pixmap, 2, 2);
}

} // namespace quillon
