// Printed pages of the symptoms-covered report.
#include "reports/PrintedPages.h"

#include "controls/DisplayText.h"

#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

namespace quillon {

namespace {

// Columns across the page: the rules end at column 85.
constexpr int kPageColumns = 88;

QFont ReportFont(const PrintMetrics& m, PrintFont kind)
{
    if (kind == PrintFont::Entry)
        return m.entryFont;
    QFont font(QStringLiteral("Liberation Sans"));
    const bool strong = kind == PrintFont::Strong || kind == PrintFont::StrongUnderlined;
    font.setPixelSize(m.lineHeight + (strong ? 15 : 10));
    font.setWeight(strong ? QFont::Normal : QFont::Light);
    font.setItalic(true);
    font.setUnderline(kind == PrintFont::LightUnderlined || kind == PrintFont::StrongUnderlined);
    return font;
}

void PaintReportPage(QPainter& painter, const PrintPage& page, const PrintMetrics& m)
{
    const int h = m.lineHeight;
    const int u = m.charWidth;
    for (const PrintText& text : page.texts) {
        const QFont font = ReportFont(m, text.font);
        painter.setFont(font);
        // Like a text drawn from its cell's top-left corner.
        const int ascent = QFontMetrics(font, painter.device()).ascent();
        painter.drawText(QPoint(text.column * u, text.row * h + ascent), FromData(text.text));
    }
    painter.setPen(QPen(Qt::black, std::max(1, h / 24)));
    for (const int row : page.rules)
        painter.drawLine(kRuleFrom * u, row * h + h / 2, kRuleTo * u, row * h + h / 2);
}

} // namespace

PrintMetrics MeasurePrintPage(QPagedPaintDevice& device)
{
    PrintMetrics m;
    const int width = std::max(device.width(), kPageColumns);
    m.entryFont = QFont(QStringLiteral("Liberation Mono"));
    // Liberation Mono advances 0.6 em per character.
    m.entryFont.setPixelSize(std::max(1, width * 10 / (kPageColumns * 6)));
    const QFontMetrics metrics(m.entryFont, &device);
    m.charWidth = std::max(1, metrics.horizontalAdvance(QLatin1Char('M')));
    m.lineHeight = std::max(1, metrics.height() + metrics.leading());
    m.rowsPerPage = std::max(kMinRowsPerPage, device.height() / m.lineHeight - 3);
    return m;
}

bool PaintCoverPages(
    QPainter& painter, QPagedPaintDevice& device, const SymptomCoverReport& report, const CoverPrintHeader& header)
{
    const PrintMetrics metrics = MeasurePrintPage(device);
    const std::vector<PrintPage> pages = LayOutCoverPrint(report, header, metrics.rowsPerPage);
    for (std::size_t i = 0; i < pages.size(); ++i) {
        // A page that cannot be started ends the printing.
        if (i > 0 && !device.newPage())
            return false;
        PaintReportPage(painter, pages[i], metrics);
    }
    return true;
}

} // namespace quillon
