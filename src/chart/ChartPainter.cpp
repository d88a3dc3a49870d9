// Drawing of the repertorisation chart.
#include "chart/ChartPainter.h"

#include "controls/DisplayText.h"
#include "engine/RepEngine.h"
#include "engine/RepertoryTable.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QPaintEngine>
#include <QPainter>
#include <QPixmap>
#include <QStaticText>
#include <QTextLayout>

#include <map>
#include <utility>

namespace quillon {

namespace {

constexpr double kNameSlantDegrees = 32.0;
constexpr int kCellCorner = 5; // a 10 x 10 corner ellipse
constexpr int kTextDrop = 2; // numbers are centred in the cell moved down by this much

QFont MakeFont(const char* family, int pixels, int weight)
{
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(pixels);
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setStyleStrategy(QFont::PreferQuality);
    return font;
}

// An empty rounded box on the chart background, drawn once per size and then copied: the chart draws
// hundreds of them per paint.
const QPixmap& EmptyCellPicture(int width, int height)
{
    static std::map<std::pair<int, int>, QPixmap> pictures;
    const auto key = std::make_pair(width, height);
    auto it = pictures.find(key);
    if (it == pictures.end()) {
        QPixmap picture(width, height);
        picture.fill(kChartBackground);
        QPainter painter(&picture);
        painter.setPen(Qt::black);
        painter.setBrush(Qt::white);
        painter.drawRoundedRect(QRect(0, 0, width - 1, height - 1), kCellCorner, kCellCorner);
        painter.end();
        it = pictures.emplace(key, picture).first;
    }
    return it->second;
}

void DrawEmptyCell(QPainter& painter, const ChartRect& r)
{
    if (r.Width() <= 0 || r.Height() <= 0)
        return;
    painter.drawPixmap(r.left, r.top, EmptyCellPicture(r.Width(), r.Height()));
}

// Laid-out numbers of the count font, kept between paints.
const QStaticText& NumberText(int value)
{
    static std::map<int, QStaticText> texts;
    auto it = texts.find(value);
    if (it == texts.end()) {
        if (texts.size() > 4096)
            texts.clear();
        QStaticText text(QString::number(value));
        text.setTextFormat(Qt::PlainText);
        text.prepare(QTransform(), ChartFonts::Get().count);
        it = texts.emplace(value, text).first;
    }
    return it->second;
}

// The same numbers as glyphs already laid out, for devices that would lay a static text out again at every
// drawing (a printer or a PDF file).
const QList<QGlyphRun>& NumberGlyphs(int value)
{
    static std::map<int, QList<QGlyphRun>> runs;
    auto it = runs.find(value);
    if (it == runs.end()) {
        if (runs.size() > 4096)
            runs.clear();
        QTextLayout layout(QString::number(value), ChartFonts::Get().count);
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        it = runs.emplace(value, layout.glyphRuns()).first;
    }
    return it->second;
}

void DrawFocusRect(QPainter& painter, const ChartRect& r)
{
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.drawRect(ToQRect(r));
    painter.restore();
}

void DrawNumber(QPainter& painter, const ChartRect& cell, int value)
{
    const QStaticText& text = NumberText(value);
    const QSizeF size = text.size();
    const QPointF at(
        cell.left + (cell.Width() - size.width()) / 2.0, cell.top + (cell.Height() - size.height()) / 2.0 + kTextDrop);
    if (painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::Raster) {
        painter.drawStaticText(at, text);
        return;
    }
    for (const QGlyphRun& run : NumberGlyphs(value))
        painter.drawGlyphRun(at, run);
}

void PaintFrames(QPainter& painter, const ChartGeometry& geometry)
{
    for (int k = kFirstSymptomLine; k < geometry.SymptomLineCount(); ++k)
        DrawFocusRect(painter, geometry.SymptomLineRect(k));
    for (int key = 0; key < geometry.GridCellCount(); ++key)
        DrawEmptyCell(painter, geometry.GridCellRect(key));
}

void PaintSymptomLines(
    QPainter& painter, const ChartGeometry& geometry, const CRepEngine& engine, const ChartPaintState& state)
{
    painter.save();
    painter.setFont(ChartFonts::Get().symptomLine);
    painter.setPen(Qt::black);
    const int count = engine.SymptomCount();
    for (int k = kFirstSymptomLine; k < geometry.SymptomLineCount(); ++k) {
        const ChartRect line = geometry.SymptomLineRect(k);
        const QRect box = ToQRect(line);
        // Clear inside the dotted frame.
        painter.fillRect(box.adjusted(1, 1, -1, -1), kChartBackground);
        const int s = state.symptomPosition + k - kFirstSymptomLine;
        if (s < count && engine.Symptom(s)) {
            painter.save();
            painter.setClipRect(box.adjusted(2, 1, -2, -1), Qt::IntersectClip);
            QRect text = box.adjusted(3, 0, -2, 0);
            if (engine.IsEliminating(s)) {
                // An eliminating symptom: a bar in the remedy-name colour before its line, which moves right.
                painter.fillRect(QRect(box.left() + 3, box.top() + 3, 4, box.height() - 6), kRemedyNameColour);
                painter.setPen(kRemedyNameColour);
                text.setLeft(text.left() + 7);
            }
            painter.drawText(
                text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, ChartSymptomLine(engine, s, state));
            painter.restore();
        }
        DrawFocusRect(painter, line);
    }
    painter.restore();
}

void PaintRemedyNames(
    QPainter& painter, const ChartGeometry& geometry, const CRepEngine& engine, const ChartPaintState& state)
{
    painter.save();
    const QFont& font = ChartFonts::Get().remedyName;
    painter.setFont(font);
    painter.setPen(kRemedyNameColour);
    const int ascent = QFontMetrics(font).ascent();
    const int x0 = geometry.GridOrigin();
    for (int i = 0; i < geometry.DrawnColumns() && state.remedyPosition + i < engine.RemedyCount(); ++i) {
        painter.save();
        // The point is the top-left corner of the text, which rises to the right.
        painter.translate(geometry.Cx(x0 + kColumnPitch * i), geometry.Cy(kRemedyNameY));
        painter.rotate(-kNameSlantDegrees);
        const std::string_view name = engine.RemedyName(state.remedyPosition + i);
        painter.drawText(QPoint(0, ascent), FromData(name));
        painter.restore();
    }
    painter.restore();
}

void DrawLabel(QPainter& painter, const ChartGeometry& geometry, int x, int y, const QString& text)
{
    const QFontMetrics metrics(painter.font());
    const QPoint at(geometry.Cx(x), geometry.Cy(y));
    painter.fillRect(QRect(at, QSize(metrics.horizontalAdvance(text), metrics.height())), kChartBackground);
    painter.drawText(at + QPoint(0, metrics.ascent()), text);
}

void PaintRowLabels(QPainter& painter, const ChartGeometry& geometry)
{
    painter.save();
    painter.setFont(ChartFonts::Get().rowLabel);
    painter.setPen(Qt::black);
    const int x0 = geometry.GridOrigin();
    DrawLabel(painter, geometry, x0 - 128, 135, QCoreApplication::translate("quillon::CRepView", "Remedy Name"));
    DrawLabel(painter, geometry, x0 - 90, 162, QCoreApplication::translate("quillon::CRepView", "Totality"));
    DrawLabel(painter, geometry, x0 - 151, 184, QCoreApplication::translate("quillon::CRepView", "Symptom Covered"));
    painter.restore();
}

void PaintHeaderRows(
    QPainter& painter, const ChartGeometry& geometry, const CRepEngine& engine, const ChartPaintState& state)
{
    painter.save();
    painter.setFont(ChartFonts::Get().count);
    const int q = state.remedyPosition;
    for (int i = 0; i < geometry.DrawnColumns(); ++i) {
        const ChartRect totalityCell = geometry.GridCellRect(i);
        const ChartRect coveredCell = geometry.GridCellRect(kGridCoveredRowKey + i);
        painter.setPen(Qt::black);
        DrawEmptyCell(painter, totalityCell);
        DrawEmptyCell(painter, coveredCell);
        if (q + i >= engine.RemedyCount())
            continue;
        painter.setPen(kTotalityColour);
        DrawNumber(painter, totalityCell, engine.RemedyTotality(q + i));
        painter.setPen(kCoveredColour);
        DrawNumber(painter, coveredCell, engine.RemedyCovered(q + i));
    }
    painter.restore();
}

void PaintGrades(
    QPainter& painter, const ChartGeometry& geometry, const CRepEngine& engine, const ChartPaintState& state)
{
    painter.save();
    painter.setFont(ChartFonts::Get().count);
    painter.setPen(Qt::black);
    const int cells = geometry.GridCellCount();
    for (int key = kGridFirstGradeKey; key < cells; ++key)
        DrawEmptyCell(painter, geometry.GridCellRect(key));
    if (engine.HasGradeMatrix()) {
        painter.setPen(kGradeColour);
        const int q = state.remedyPosition;
        const int p = state.symptomPosition;
        const int symptoms = engine.SymptomCount();
        const int remedies = engine.RemedyCount();
        const int rows = geometry.VisibleSymptoms();
        for (int c = 0; c < geometry.DrawnColumns(); ++c) {
            const int r = q + c;
            if (r >= remedies)
                break;
            for (int s = p; s < symptoms && s - p < rows; ++s) {
                const int key = kGridFirstGradeKey + kGridColumns * (s - p) + c;
                if (key >= cells)
                    continue;
                if (const int grade = engine.ShownGrade(r, s))
                    DrawNumber(painter, geometry.GridCellRect(key), grade);
            }
        }
    }
    painter.restore();
}

} // namespace

const ChartFonts& ChartFonts::Get()
{
    static const ChartFonts fonts = [] {
        ChartFonts made;
        made.remedyName = MakeFont("Liberation Sans", 13, 600);
        made.symptomLine = MakeFont("Liberation Serif", 16, 500);
        made.rowLabel = MakeFont("Liberation Serif", 15, 600);
        made.count = MakeFont("Liberation Sans", 12, 600);
        // Widen the count font until its average character is 8 pixels wide.
        const int average = QFontMetrics(made.count).averageCharWidth();
        if (average > 0 && average < 8)
            made.count.setStretch(100 * 8 / average);
        return made;
    }();
    return fonts;
}

QString ChartSymptomLine(const CRepEngine& engine, int s, const ChartPaintState& state)
{
    const CSymptomRecord* record = engine.Symptom(s);
    if (!record)
        return {};
    if (!state.textScrolled)
        return FromData(ComposeSymptomLine(record->m_pszText, record->m_nType));
    const std::string line = ComposeScrolledSymptomLine(record->m_pszText, record->m_nType);
    const auto from = static_cast<std::size_t>(state.textPosition < 0 ? 0 : state.textPosition);
    return from < line.size() ? FromData(std::string_view(line).substr(from)) : QString();
}

void PaintChart(QPainter& painter, const ChartGeometry& geometry, const CRepEngine& engine,
    const ChartPaintState& state, unsigned parts)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    if (parts & kPartFrames)
        PaintFrames(painter, geometry);
    if (parts & kPartSymptomLines)
        PaintSymptomLines(painter, geometry, engine, state);
    if (parts & kPartRemedyNames)
        PaintRemedyNames(painter, geometry, engine, state);
    if (parts & kPartRowLabels)
        PaintRowLabels(painter, geometry);
    if (parts & kPartGrades)
        PaintGrades(painter, geometry, engine, state);
    if (parts & kPartHeaderRows)
        PaintHeaderRows(painter, geometry, engine, state);
    painter.restore();
}

} // namespace quillon
