// Printed pages of the repertorisation: the symptoms-covered report and the whole chart, drawn on any paint
// device that pages (a printer, or a printer writing a PDF file).
#pragma once

#include "repertory/SymptomCover.h"

#include <QFont>
#include <QString>

#include <vector>

class QPagedPaintDevice;
class QPrinter;

namespace quillon {

class CRepEngine;
class IMessageSink;

// The printer's measures for the report: its entry font, the line height h (height and leading), the
// character width u and the rows per page L (page height / h - 3).
struct PrintMetrics
{
    QFont entryFont;
    int lineHeight = 1;
    int charWidth = 1;
    int rowsPerPage = kMinRowsPerPage;
};
// Measured for the device's page: the entry font is sized so that 88 character widths fill the page width.
PrintMetrics MeasurePrintPage(QPagedPaintDevice& device);

// Prints the report's pages; false after the message `startFailure` when the document cannot be started.
bool PrintCoverReport(QPrinter& printer, const SymptomCoverReport& report, const CoverPrintHeader& header,
    IMessageSink& sink, const char* startFailure = kMsgErrorInStartDoc);

// The chart's pages: 25 remedies by 11 symptoms each, the remedies' blocks outside, the symptoms' inside.
struct ChartPrintHeader
{
    QString patientName;
    QString regNo;
    QString visitDate;
    QString caption;
};
int ChartPageCount(const CRepEngine& engine);
// Prints the whole chart through the chart's paint function; false after `startFailure`.
bool PrintChart(QPrinter& printer, const CRepEngine& engine, const ChartPrintHeader& header, IMessageSink& sink,
    const char* startFailure = kMsgErrorInStartDoc);

} // namespace quillon
