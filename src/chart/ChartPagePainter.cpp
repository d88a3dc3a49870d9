// Painting of the printed chart.
#include "chart/ChartPagePainter.h"

#include "casedata/TextCodec.h"
#include "chart/ChartPainter.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QHash>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QRawFont>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <tuple>

namespace quillon {

namespace {

constexpr int kFontCount = 6;
const QColor kRuleColour(96, 96, 96);
const QColor kShade(238, 238, 238);
constexpr double kRuleWidth = 0.4; // points

std::size_t Index(PageFont font)
{
    return static_cast<std::size_t>(font);
}

QColor InkColour(PageInk ink)
{
    switch (ink) {
    case PageInk::RemedyName: return kRemedyNameColour;
    case PageInk::Totality: return kTotalityColour;
    case PageInk::Covered: return kCoveredColour;
    case PageInk::Grade: return kGradeColour;
    case PageInk::Black: break;
    }
    return Qt::black;
}

QRectF Units(const PageRect& r)
{
    return {r.left * kPageTextScale, r.top * kPageTextScale, r.width * kPageTextScale, r.height * kPageTextScale};
}

// Draws lines of text as glyphs laid out once: a page repeats its numbers, and the pages repeat the rubrics
// and the remedy names.
class PageDrawing
{
public:
    PageDrawing(QPainter& painter, const CPageFonts& fonts) : m_painter(painter), m_fonts(fonts) {}

    void Text(const PageText& text)
    {
        m_painter.setPen(InkColour(text.ink));
        const QRectF box = Units(text.box);
        if (!text.upward) {
            Line(text.font, text.text, box, text.align);
            return;
        }
        m_painter.save();
        m_painter.translate(box.left(), box.bottom());
        m_painter.rotate(-90.0);
        Line(text.font, text.text, QRectF(0, 0, box.height(), box.width()), text.align);
        m_painter.restore();
    }

    // The numbers of a page go out as one run of glyphs per colour: a page holds a thousand of them.
    void Cells(const std::vector<PageCell>& cells)
    {
        struct Batch
        {
            PageInk ink;
            QRawFont font;
            QList<quint32> glyphs;
            QList<QPointF> positions;
        };
        std::vector<Batch> batches;
        for (const PageCell& cell : cells) {
            if (cell.text.empty())
                continue;
            const PageInk ink = cell.symptom == kTotalityRow ? PageInk::Totality
                : cell.symptom == kCoveredRow                ? PageInk::Covered
                                                             : PageInk::Grade;
            const Laid& laid = Layout(PageFont::Count, cell.text);
            const QRectF box = Units(cell.box);
            const QPointF at(box.left() + (box.width() - laid.width) / 2, box.top() + (box.height() - laid.height) / 2);
            for (const QGlyphRun& run : laid.runs) {
                const QRawFont font = run.rawFont();
                auto batch = std::find_if(
                    batches.begin(), batches.end(), [&](const Batch& b) { return b.ink == ink && b.font == font; });
                if (batch == batches.end())
                    batch = batches.insert(batches.end(), Batch{ink, font, {}, {}});
                batch->glyphs += run.glyphIndexes();
                for (const QPointF& position : run.positions())
                    batch->positions.push_back(position + at);
            }
        }
        for (const Batch& batch : batches) {
            QGlyphRun run;
            run.setRawFont(batch.font);
            run.setGlyphIndexes(batch.glyphs);
            run.setPositions(batch.positions);
            m_painter.setPen(InkColour(batch.ink));
            m_painter.drawGlyphRun(QPointF(), run);
        }
    }

private:
    struct Laid
    {
        QList<QGlyphRun> runs;
        double width = 0;
        double height = 0;
    };

    const Laid& Layout(PageFont font, const std::string& text)
    {
        QHash<QByteArray, Laid>& cache = m_cache[Index(font)];
        const QByteArray key = QByteArray::fromRawData(text.data(), static_cast<qsizetype>(text.size()));
        auto it = cache.find(key);
        if (it == cache.end()) {
            QTextLayout layout(QString::fromUtf8(key), m_fonts.Font(font));
            layout.beginLayout();
            QTextLine line = layout.createLine();
            layout.endLayout();
            Laid laid;
            laid.runs = layout.glyphRuns();
            laid.width = line.isValid() ? line.naturalTextWidth() : 0;
            laid.height = line.isValid() ? line.height() : 0;
            it = cache.insert(QByteArray(text.data(), static_cast<qsizetype>(text.size())), laid);
        }
        return *it;
    }

    void Line(PageFont font, const std::string& text, const QRectF& box, PageAlign align)
    {
        if (text.empty())
            return;
        const Laid& laid = Layout(font, text);
        double x = box.left();
        if (align == PageAlign::Centre)
            x += (box.width() - laid.width) / 2;
        else if (align == PageAlign::Right)
            x += box.width() - laid.width;
        const QPointF at(x, box.top() + (box.height() - laid.height) / 2);
        for (const QGlyphRun& run : laid.runs)
            m_painter.drawGlyphRun(at, run);
    }

    QPainter& m_painter;
    const CPageFonts& m_fonts;
    std::array<QHash<QByteArray, Laid>, kFontCount> m_cache;
};

// The edges of the boxes as the fewest lines: the edges that lie on one line and meet or overlap are drawn as one,
// so that neighbouring boxes share their edge and a row of boxes is one rule.
QList<QLineF> BoxEdges(const ChartPage& page)
{
    struct Edge
    {
        bool across;
        double at; // y of a horizontal edge, x of a vertical one
        double from;
        double to;
    };
    std::vector<Edge> edges;
    edges.reserve(4 * (page.frames.size() + page.cells.size()));
    // To a thousandth of a point: the right edge of one box and the left edge of the next are worked out by sums
    // that may differ in their last bits.
    const auto q = [](double v) { return std::round(v * 1000) / 1000; };
    const auto add = [&edges, &q](const PageRect& r) {
        const double left = q(r.left), top = q(r.top), right = q(r.Right()), bottom = q(r.Bottom());
        edges.push_back({true, top, left, right});
        edges.push_back({true, bottom, left, right});
        edges.push_back({false, left, top, bottom});
        edges.push_back({false, right, top, bottom});
    };
    for (const PageRect& frame : page.frames)
        add(frame);
    for (const PageCell& cell : page.cells)
        add(cell.box);
    std::sort(edges.begin(), edges.end(), [](const Edge& a, const Edge& b) {
        return std::tie(a.across, a.at, a.from) < std::tie(b.across, b.at, b.from);
    });
    QList<QLineF> lines;
    const auto line = [](const Edge& e) {
        const auto u = [](double v) { return v * kPageTextScale; };
        return e.across ? QLineF(u(e.from), u(e.at), u(e.to), u(e.at)) : QLineF(u(e.at), u(e.from), u(e.at), u(e.to));
    };
    for (std::size_t i = 0; i < edges.size();) {
        Edge run = edges[i++];
        for (; i < edges.size() && edges[i].across == run.across && edges[i].at == run.at && edges[i].from <= run.to;
             ++i)
            run.to = std::max(run.to, edges[i].to);
        lines.push_back(line(run));
    }
    return lines;
}

void PaintPage(QPainter& painter, PageDrawing& drawing, const ChartPage& page)
{
    for (const PageRect& shade : page.shaded)
        painter.fillRect(Units(shade), kShade);
    painter.setPen(QPen(kRuleColour, kRuleWidth * kPageTextScale));
    painter.setBrush(Qt::NoBrush);
    painter.drawLines(BoxEdges(page));
    for (const PageText& text : page.texts)
        drawing.Text(text);
    drawing.Cells(page.cells);
}

} // namespace

CPageFonts::CPageFonts()
{
    for (int f = 0; f < kFontCount; ++f) {
        const auto kind = static_cast<PageFont>(f);
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPixelSize(static_cast<int>(std::lround(PageFontPoints(kind) * kPageTextScale)));
        font.setBold(PageFontBold(kind));
        font.setHintingPreference(QFont::PreferNoHinting);
        m_fonts[static_cast<std::size_t>(f)] = font;
        m_lineHeights[static_cast<std::size_t>(f)] = QFontMetricsF(font).lineSpacing() / kPageTextScale;
    }
}

double CPageFonts::Width(PageFont font, std::string_view text) const
{
    const QString line = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    return QFontMetricsF(m_fonts[Index(font)]).horizontalAdvance(line) / kPageTextScale;
}

double CPageFonts::LineHeight(PageFont font) const
{
    return m_lineHeights[Index(font)];
}

const QFont& CPageFonts::Font(PageFont font) const
{
    return m_fonts[Index(font)];
}

ChartPageLayout LayOutChartFor(
    const QPageLayout& page, const CRepEngine& engine, const ChartPagesHeader& header, const CPageFonts& fonts)
{
    const QRectF area = page.paintRect(QPageLayout::Point);
    return LayOutChartPages(engine, header, area.width(), area.height(), fonts);
}

bool PaintChartPages(
    QPainter& painter, QPagedPaintDevice& device, const ChartPageLayout& layout, const CPageFonts& fonts)
{
    PageDrawing drawing(painter, fonts);
    const double sx = device.logicalDpiX() / 72.0 / kPageTextScale;
    const double sy = device.logicalDpiY() / 72.0 / kPageTextScale;
    for (std::size_t i = 0; i < layout.pages.size(); ++i) {
        if (i > 0 && !device.newPage())
            return false;
        painter.save();
        painter.scale(sx, sy);
        PaintPage(painter, drawing, layout.pages[i]);
        painter.restore();
    }
    return true;
}

QString ChartDocumentTitle(const ChartPagesHeader& header)
{
    return QCoreApplication::translate("ChartPages", "Repertorisation -- %1")
        .arg(QString::fromStdString(Cp1252ToUtf8(header.patientName)));
}

PagePainter ChartPagesPainter(const CRepEngine& engine, const ChartPagesHeader& header)
{
    return [&engine, header](QPainter& painter, QPagedPaintDevice& device) {
        const CPageFonts fonts;
        return PaintChartPages(painter, device, LayOutChartFor(device.pageLayout(), engine, header, fonts), fonts);
    };
}

std::optional<QString> WriteChartPdf(const QString& path, const CRepEngine& engine, const ChartPagesHeader& header)
{
    return WritePdfFile(
        path, PdfPageLayout(QPageLayout::Landscape), ChartDocumentTitle(header), ChartPagesPainter(engine, header));
}

} // namespace quillon
