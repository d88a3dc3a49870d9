// Printed pages of the symptoms-covered report and of the chart.
#include "repertory/PrintedPages.h"

#include "app/QuillonApp.h"
#include "casedata/MessageSink.h"
#include "repertory/ChartGeometry.h"
#include "repertory/ChartPainter.h"
#include "repertory/RepEngine.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

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

// The chart's drawn area at the geometry's size: symptom lines, row labels, slanted names and the grid.
QRect ChartBounds(const ChartGeometry& geometry)
{
    const auto toRect
        = [](const ChartRect& r) { return QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1)); };
    QRect bounds = toRect(geometry.SymptomArea())
                       .united(toRect(geometry.GradeArea()))
                       .united(toRect(geometry.HeaderRowArea()))
                       .united(toRect(geometry.RemedyNameArea()));
    const int x0 = geometry.GridOrigin();
    bounds = bounds.united(
        QRect(QPoint(geometry.Cx(x0 - 160), geometry.Cy(120)), QPoint(geometry.Cx(x0), geometry.Cy(200))));
    return bounds.adjusted(-4, -4, 4, 4);
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

bool PrintCoverReport(QPrinter& printer, const SymptomCoverReport& report, const CoverPrintHeader& header,
    IMessageSink& sink, const char* startFailure)
{
    QPainter painter;
    if (!painter.begin(&printer)) {
        sink.Show(startFailure);
        return false;
    }
    const PrintMetrics metrics = MeasurePrintPage(printer);
    const std::vector<PrintPage> pages = LayOutCoverPrint(report, header, metrics.rowsPerPage);
    for (std::size_t i = 0; i < pages.size(); ++i) {
        // A page that cannot be started ends the printing.
        if (i > 0 && !printer.newPage())
            break;
        PaintReportPage(painter, pages[i], metrics);
    }
    painter.end();
    return true;
}

int ChartPageCount(const CRepEngine& engine)
{
    const int remedyBlocks = std::max(1, (engine.RemedyCount() + kDrawnColumns - 1) / kDrawnColumns);
    const int symptomBlocks = std::max(1, (engine.SymptomCount() + kVisibleSymptoms - 1) / kVisibleSymptoms);
    return remedyBlocks * symptomBlocks;
}

bool PrintChart(QPrinter& printer, const CRepEngine& engine, const ChartPrintHeader& header, IMessageSink& sink,
    const char* startFailure)
{
    QPainter painter;
    if (!painter.begin(&printer)) {
        sink.Show(startFailure);
        return false;
    }
    const ChartGeometry geometry;
    const QRect bounds = ChartBounds(geometry);
    const QRect page(0, 0, printer.width(), printer.height());
    QFont headerFont(QStringLiteral("Liberation Sans"));
    headerFont.setPixelSize(std::max(8, page.height() / 45));
    const QFontMetrics headerMetrics(headerFont, &printer);
    const int band = headerMetrics.height() * 3;
    const QRect area = page.adjusted(0, band, 0, 0);
    const double scale = std::min(double(area.width()) / bounds.width(), double(area.height()) / bounds.height());

    // The frames and empty boxes are the same on every page: drawn once, then placed as one picture.
    QImage boxes(bounds.size(), QImage::Format_RGB32);
    boxes.fill(kChartBackground);
    {
        QPainter boxPainter(&boxes);
        boxPainter.translate(-bounds.topLeft());
        PaintChart(boxPainter, geometry, engine, ChartPaintState{}, kPartFrames);
    }
    const int total = ChartPageCount(engine);
    const int symptomBlocks = std::max(1, (engine.SymptomCount() + kVisibleSymptoms - 1) / kVisibleSymptoms);
    for (int n = 0; n < total; ++n) {
        if (n > 0 && !printer.newPage())
            break;
        ChartPaintState state;
        state.boxesDrawn = true;
        state.remedyPosition = n / symptomBlocks * kDrawnColumns;
        state.symptomPosition = n % symptomBlocks * kVisibleSymptoms;
        const int lastRemedy = std::min(engine.RemedyCount(), state.remedyPosition + kDrawnColumns);
        const int lastSymptom = std::min(engine.SymptomCount(), state.symptomPosition + kVisibleSymptoms);

        painter.setFont(headerFont);
        painter.setPen(Qt::black);
        const int line = headerMetrics.height();
        painter.drawText(QPoint(0, headerMetrics.ascent()),
            QStringLiteral("Patient: %1    Reg No: %2    Visit date: %3")
                .arg(header.patientName, header.regNo, header.visitDate));
        painter.drawText(QPoint(0, line + headerMetrics.ascent()), header.caption);
        const QString place = QStringLiteral("Page %1 of %2    Remedies %3-%4    Symptoms %5-%6")
                                  .arg(n + 1)
                                  .arg(total)
                                  .arg(state.remedyPosition + 1)
                                  .arg(lastRemedy)
                                  .arg(state.symptomPosition + 1)
                                  .arg(lastSymptom);
        painter.drawText(QRect(page.left(), line, page.width(), line), Qt::AlignRight | Qt::AlignVCenter, place);

        painter.save();
        painter.translate(area.topLeft());
        painter.scale(scale, scale);
        painter.translate(-bounds.topLeft());
        painter.drawImage(bounds.topLeft(), boxes);
        PaintChart(painter, geometry, engine, state, kPartAll & ~kPartFrames);
        painter.restore();
    }
    painter.end();
    return true;
}

} // namespace quillon
