// Painting of the printed chart: the fonts that measure its texts, and the one painter that draws its page
// layout, as vectors, on any paged device (a printer, a print preview or a PDF file). Qt Gui only, so that
// quillon-report writes the same pages as the window without the widgets.
#pragma once

#include "chart/ChartPages.h"
#include "controls/PdfPages.h"

#include <QFont>
#include <QPageLayout>
#include <QString>

#include <array>
#include <functional>
#include <optional>

class QPagedPaintDevice;
class QPainter;

namespace quillon {

class CRepEngine;

// The fonts of the printed chart, measured at a size that keeps their advances exact.
class CPageFonts final : public IPageTextMeasure
{
public:
    CPageFonts();
    double Width(PageFont font, std::string_view text) const override;
    double LineHeight(PageFont font) const override;
    // The font drawn in painter units of kPageTextScale per point.
    const QFont& Font(PageFont font) const;

private:
    std::array<QFont, 6> m_fonts;
    std::array<double, 6> m_lineHeights{};
};

// Painter units per point while a page is drawn.
inline constexpr double kPageTextScale = 20.0;

// The chart's layout for the device's page (its printable area in points).
ChartPageLayout LayOutChartFor(
    const QPageLayout& page, const CRepEngine& engine, const ChartPagesHeader& header, const CPageFonts& fonts);

// Draws the pages on a painter begun on the device, a new page before each after the first; false when the
// device refused a new page.
bool PaintChartPages(
    QPainter& painter, QPagedPaintDevice& device, const ChartPageLayout& layout, const CPageFonts& fonts);

// The chart as a document: its name, and the painter of its pages laid out for each device's page (a printer, the
// print preview, a PDF file). The engine must outlive the painter.
QString ChartDocumentTitle(const ChartPagesHeader& header);
PagePainter ChartPagesPainter(const CRepEngine& engine, const ChartPagesHeader& header);

// The chart's pages as a landscape PDF file: what File > Save Chart as PDF and quillon-report export --pdf write.
std::optional<QString> WriteChartPdf(const QString& path, const CRepEngine& engine, const ChartPagesHeader& header);

} // namespace quillon
