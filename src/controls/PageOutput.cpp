// The one way out for printed and saved pages.
#include "controls/PageOutput.h"

#include "casedata/MessageSink.h"
#include "controls/UserChoices.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QTextDocument>

#include <algorithm>
#include <cmath>

namespace quillon {

namespace {

bool SavePdf(const PageJob& job, IUserChoices& choices, IMessageSink& sink, QWidget* parent)
{
    const std::optional<QString> path = ChooseSaveFileWithSuffix(choices, parent, job.caption, job.suggestedName,
        QCoreApplication::translate("CPageOutput", "PDF files (*.pdf)"), "pdf");
    if (!path)
        return false;
    if (WritePdfFile(*path, PdfPageLayout(job.orientation), job.title, job.paint)) {
        sink.Show(kMsgErrorCreatingFile);
        return false;
    }
    return true;
}

bool Print(const PageJob& job, IUserChoices& choices, IMessageSink& sink, QWidget* parent)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(job.orientation);
    printer.setDocName(job.title);
    bool started = true;
    const auto print = [&](QPrinter& device) {
        QPainter painter;
        if (!painter.begin(&device)) {
            started = false;
            return;
        }
        job.paint(painter, device);
        painter.end();
    };
    const bool chosen = job.target == PageTarget::PrintPreview ? choices.PreviewPrint(parent, printer, print)
                                                               : choices.ChoosePrinter(parent, printer);
    if (!chosen) {
        if (job.cancelIsError)
            sink.Show(kMsgErrorDuringPrinterSetup);
        return false;
    }
    if (job.target == PageTarget::Printer)
        print(printer);
    if (!started) {
        sink.Show(kMsgErrorInStartDoc);
        return false;
    }
    return true;
}

} // namespace

bool OutputPages(const PageJob& job, IUserChoices& choices, IMessageSink& sink, QWidget* parent)
{
    return job.target == PageTarget::PdfFile ? SavePdf(job, choices, sink, parent) : Print(job, choices, sink, parent);
}

bool PaintHtmlPages(QPainter& painter, QPagedPaintDevice& device, const QString& html, const QStringList& header)
{
    const QRectF page = device.pageLayout().paintRectPixels(device.logicalDpiX());
    QFont headerFont(QStringLiteral("Liberation Sans"));
    headerFont.setPointSizeF(9);
    const QFontMetricsF metrics(headerFont, &device);
    const double line = metrics.lineSpacing();
    const double band = line * (static_cast<double>(std::max<qsizetype>(1, header.size())) + 1);

    QTextDocument document;
    document.documentLayout()->setPaintDevice(&device);
    document.setHtml(html);
    const QSizeF body(page.width(), std::max(line, page.height() - band));
    document.setPageSize(body);
    const int pages = std::max(1, document.pageCount());
    for (int n = 0; n < pages; ++n) {
        if (n > 0 && !device.newPage())
            return false;
        painter.save();
        painter.setFont(headerFont);
        painter.setPen(Qt::black);
        for (qsizetype i = 0; i < header.size(); ++i)
            painter.drawText(QPointF(0, line * static_cast<double>(i) + metrics.ascent()), header[i]);
        const QString number = QCoreApplication::translate("CPageOutput", "Page %1 of %2").arg(n + 1).arg(pages);
        painter.drawText(QPointF(page.width() - metrics.horizontalAdvance(number), metrics.ascent()), number);
        painter.translate(0, band - body.height() * n);
        document.drawContents(&painter, QRectF(0, body.height() * n, body.width(), body.height()));
        painter.restore();
    }
    return true;
}

} // namespace quillon
