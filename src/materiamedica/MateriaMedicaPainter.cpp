// The materia medica page's drawing.
#include "materiamedica/MateriaMedicaPainter.h"

#include "controls/DisplayText.h"

#include <QCoreApplication>
#include <QFont>
#include <QPainter>

namespace quillon {
namespace {

constexpr int kFontPixels = 16;

QFont PageFont(int weight, bool italic = false, bool underline = false)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(kFontPixels);
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setItalic(italic);
    font.setUnderline(underline);
    return font;
}

QColor LevelColour(int level)
{
    switch (level) {
    case 2: return {50, 0, 200};
    case 3: return {191, 0, 0};
    case 4: return {0, 128, 64};
    case 5: return {125, 0, 225};
    case 6: return {0, 50, 40};
    default: return Qt::black;
    }
}

// The font and colour of a grade; other grades keep what is in force.
void SelectGradeStyle(int grade, QFont& font, QColor& colour)
{
    switch (grade) {
    case 1: font = PageFont(400), colour = Qt::black; break;
    case 2: font = PageFont(400, true), colour = QColor(0, 0, 255); break;
    case 3: font = PageFont(700), colour = QColor(255, 0, 0); break;
    case 4: font = PageFont(700, false, true), colour = QColor(255, 0, 255); break;
    default: break;
    }
}

void DrawIn(QPainter& painter, const QRect& rect, int flags, const QString& text)
{
    painter.fillRect(rect, Qt::white);
    painter.drawText(rect, flags | Qt::AlignVCenter | Qt::TextSingleLine, text);
}

} // namespace

QRect ScaleDesignRect(int left, int top, int right, int bottom, QSize screen)
{
    const auto x = [&](int v) { return v * screen.width() / 640; };
    const auto y = [&](int v) { return v * screen.height() / 400; };
    return QRect(QPoint(x(left), y(top)), QPoint(x(right) - 1, y(bottom) - 1));
}

QRect ScaleDesignRect(const CLayoutRect& rect, QSize screen)
{
    return ScaleDesignRect(rect.left, rect.top, rect.right, rect.bottom, screen);
}

void PaintMateriaMedica(QPainter& painter, const MateriaMedicaListing& listing, const CMateriaMedicaCursor& cursor,
    const RowLayout& layout, QSize screen)
{
    const auto row = [&](int r) { return ScaleDesignRect(layout.rows[static_cast<std::size_t>(r)].rect, screen); };
    const auto cell
        = [&](int r, int c) { return ScaleDesignRect(layout.cells[static_cast<std::size_t>(3 * r + c)].rect, screen); };
    painter.save();
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    // A stroked QRect covers one pixel more than the rectangle: keep the frames inside their design rectangles,
    // clear of the header row and the cells that touch them.
    painter.drawRect(ScaleDesignRect(8, 15, 602, 50, screen).adjusted(0, 0, -1, -1));
    painter.drawRect(ScaleDesignRect(8, 63, 602, 305, screen).adjusted(0, 0, -1, -1));

    const int top = cursor.Top();
    const int lines = cursor.ShownLines();
    for (int line = 1; line <= lines; ++line) {
        const SymStr& sym = listing.lines[static_cast<std::size_t>(top + line - 1)];
        painter.setFont(PageFont(sym.level == 2 ? 600 : 400));
        painter.setPen(LevelColour(sym.level));
        DrawIn(painter, row(line), Qt::AlignLeft, FromData(sym.text));
    }

    const int first = cursor.FirstColumn();
    const int columns = cursor.ShownColumns();
    painter.setFont(PageFont(700));
    painter.setPen(Qt::black);
    for (int c = 0; c < columns; ++c)
        DrawIn(painter, cell(0, c), Qt::AlignHCenter, FromData(listing.labels[static_cast<std::size_t>(first + c)]));

    QFont font = PageFont(400);
    QColor colour = Qt::black;
    for (int line = 1; line <= lines; ++line) {
        for (int c = 0; c < columns; ++c) {
            const Cell& item = listing.CellAt(top + line - 1, first + c);
            SelectGradeStyle(item.grade, font, colour);
            painter.setFont(font);
            painter.setPen(colour);
            DrawIn(painter, cell(line, c), Qt::AlignHCenter, FromData(item.text));
        }
    }

    painter.setFont(PageFont(400));
    painter.setPen(QColor(255, 0, 0));
    painter.setBackground(Qt::white);
    DrawIn(painter, row(0), Qt::AlignHCenter, QCoreApplication::translate("CRepCmpVw", "Symptoms Covered by Drugs"));
    DrawIn(painter, row(16), Qt::AlignRight, FromData(listing.summaryLabel));
    for (int c = 0; c < columns; ++c) {
        const auto at = static_cast<std::size_t>(first + c);
        if (at < listing.summaryTexts.size())
            DrawIn(painter, cell(16, c), Qt::AlignHCenter, FromData(listing.summaryTexts[at]));
    }

    const int cursorRow = cursor.CursorDisplayRow();
    if (cursorRow >= 0) {
        painter.setPen(Qt::black);
        painter.setFont(PageFont(400));
        const QRect header = ScaleDesignRect(10, 17, 600, 47, screen);
        painter.fillRect(header, Qt::white);
        painter.drawText(header, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
            FromData(listing.lines[static_cast<std::size_t>(cursorRow)].text));
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        painter.fillRect(row(cursor.CursorRow()), Qt::white);
    }
    painter.restore();
}

} // namespace quillon
