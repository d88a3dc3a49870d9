// Printed pages of the symptoms-covered report, drawn on any paint device that pages (a printer or a PDF file).
#pragma once

#include "reports/SymptomCover.h"

#include <QFont>

class QPagedPaintDevice;
class QPainter;

namespace quillon {

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

// Paints the report's pages on a painter begun on the device; false when the device refused a new page.
bool PaintCoverPages(
    QPainter& painter, QPagedPaintDevice& device, const SymptomCoverReport& report, const CoverPrintHeader& header);

} // namespace quillon
