// Where every printed or saved page of the program goes out: the question asked (the save dialog, the printer
// dialog or the print preview), the output, and the message of a failure.
#pragma once

#include "controls/PdfPages.h"

#include <QPageLayout>
#include <QString>
#include <QStringList>
#include <QtGlobal>

class QWidget;

namespace quillon {

class IMessageSink;
class IUserChoices;

inline constexpr const char* kMsgErrorDuringPrinterSetup = QT_TRANSLATE_NOOP("Message", "Error during Printer setup");
inline constexpr const char* kMsgErrorInStartDoc = QT_TRANSLATE_NOOP("Message", "Error in StartDoc");

enum class PageTarget { PdfFile, Printer, PrintPreview };

struct PageJob
{
    PageTarget target = PageTarget::PdfFile;
    QString title; // the document's name
    QString caption; // of the save dialog
    QString suggestedName; // the file name the save dialog offers
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    // A cancelled printer dialog is the failure "Error during Printer setup"; otherwise nothing is printed.
    bool cancelIsError = false;
    PagePainter paint;
};

// Asks, then paints the pages on the PDF file or the printer. A PDF file is written whole or not at all ("Error
// creating file, aborting saving"); a printer that cannot start the document gives "Error in StartDoc". False
// when nothing went out.
bool OutputPages(const PageJob& job, IUserChoices& choices, IMessageSink& sink, QWidget* parent);

// Paints an HTML document on pages below a header: the header's lines on the left of every page and "Page N of
// M" on the right of its first line.
bool PaintHtmlPages(QPainter& painter, QPagedPaintDevice& device, const QString& html, const QStringList& header);

} // namespace quillon
