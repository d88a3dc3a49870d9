// The printed chart's page layout.
#include "chart/ChartPages.h"

#include "casedata/TextCodec.h"
#include "casedata/Translatable.h"
#include "engine/RepEngine.h"
#include "engine/RepMethods.h"
#include "engine/RepertoryTable.h"
#include "state/PatientContext.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace quillon {

namespace {

constexpr double kPad = 2.0; // inside every box
constexpr double kHeaderGap = 6.0; // between the header and the chart
constexpr double kMinColumnWidth = 14.0;
constexpr double kMaxRubricShare = 0.34; // of the page width, for the rubric column
constexpr std::string_view kDash = "\xE2\x80\x93"; // an en dash

bool IsBlank(char c)
{
    return c == ' ';
}

// The end of the UTF-8 character that starts at `at`.
std::size_t NextCharacter(std::string_view text, std::size_t at)
{
    ++at;
    while (at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0u) == 0x80u)
        ++at;
    return at;
}

std::string Range(int from, int to)
{
    if (from >= to)
        return Cp1252ToUtf8(translate("ChartPages", "none"));
    return std::to_string(from + 1) + std::string(kDash) + std::to_string(to);
}

std::string PlaceText(int remedyFrom, int remedyTo, int symptomFrom, int symptomTo)
{
    return FormatText(Cp1252ToUtf8(translate("ChartPages", "Remedies %1    Symptoms %2")),
        {Range(remedyFrom, remedyTo), Range(symptomFrom, symptomTo)});
}

// A rubric row of the pages: the symptom, the lines of it this row holds, whether its first.
struct RowPiece
{
    int symptom = 0;
    std::vector<std::string> lines;
    double height = 0;
};

// What every page shares: the column widths, the heights of the bands and the header's wrapped texts.
struct Frame
{
    double rubricWidth = 0;
    double columnWidth = 0;
    int columns = 1;
    double lineHeight = 0; // a rubric line
    double countRowHeight = 0;
    double headerHeight = 0;
    double nameStripHeight = 0;
    std::vector<std::string> titleLines;
    std::vector<std::string> captionLines;
    double RowsTop() const { return headerHeight + nameStripHeight + 2 * countRowHeight; }
};

std::string NumberText(int value)
{
    return std::to_string(value);
}

// The fixed words of the pages, in the user's language (UTF-8, as every text of the pages).
std::string PageNumberText(int number, int total)
{
    return Cp1252ToUtf8(FormatText(translate("ChartPages", "Page %1 of %2"), {NumberText(number), NumberText(total)}));
}

std::string RemedyNameLabel()
{
    return Cp1252ToUtf8(translate("ChartPages", "Remedy Name"));
}

std::string TotalityLabel()
{
    return Cp1252ToUtf8(translate("ChartPages", "Totality"));
}

std::string CoveredLabel()
{
    return Cp1252ToUtf8(translate("ChartPages", "Symptom Covered"));
}

Frame MakeFrame(const CRepEngine& engine, const ChartPagesHeader& header, const std::vector<std::string>& rubrics,
    double width, double height, const IPageTextMeasure& measure)
{
    Frame f;
    const int remedies = engine.RemedyCount();
    const int symptoms = engine.SymptomCount();
    double numbers = measure.Width(PageFont::Count, "0");
    double names = 0;
    for (int r = 0; r < remedies; ++r) {
        numbers = std::max({numbers, measure.Width(PageFont::Count, NumberText(engine.RemedyTotality(r))),
            measure.Width(PageFont::Count, NumberText(engine.RemedyCovered(r)))});
        names = std::max(names, measure.Width(PageFont::RemedyName, Cp1252ToUtf8(engine.RemedyName(r))));
    }
    f.columnWidth
        = std::max({kMinColumnWidth, numbers + 2 * kPad, measure.LineHeight(PageFont::RemedyName) + 2 * kPad});

    double labels = 0;
    for (const std::string& label : {RemedyNameLabel(), TotalityLabel(), CoveredLabel()})
        labels = std::max(labels, measure.Width(PageFont::RowLabel, label));
    double widest = 0;
    for (const std::string& rubric : rubrics)
        widest = std::max(widest, measure.Width(PageFont::Rubric, rubric));
    const double least = labels + 2 * kPad;
    f.rubricWidth = std::clamp(widest + 2 * kPad, least, std::max(least, width * kMaxRubricShare));
    f.columns = std::max(1, static_cast<int>(std::floor((width - f.rubricWidth) / f.columnWidth)));

    f.lineHeight = measure.LineHeight(PageFont::Rubric);
    f.countRowHeight = measure.LineHeight(PageFont::Count) + 2 * kPad;

    // The header's right-hand texts take the room of their widest form.
    const int allPages = 9999;
    const double pageWidth = measure.Width(PageFont::Title, PageNumberText(allPages, allPages));
    const double placeWidth
        = measure.Width(PageFont::Header, PlaceText(remedies, remedies * 2 + 1, symptoms, symptoms * 2 + 1));
    f.titleLines
        = WrapPageText(Cp1252ToUtf8(FormatText(translate("ChartPages", "Patient: %1    Reg No: %2    Visit date: %3"),
                           {header.patientName, header.regNo, header.visitDate})),
            width - pageWidth - kHeaderGap, PageFont::Title, measure);
    f.captionLines
        = WrapPageText(Cp1252ToUtf8(header.caption), width - placeWidth - kHeaderGap, PageFont::Header, measure);
    if (f.titleLines.empty())
        f.titleLines.emplace_back();
    if (f.captionLines.empty())
        f.captionLines.emplace_back();
    f.headerHeight = static_cast<double>(f.titleLines.size()) * measure.LineHeight(PageFont::Title)
        + static_cast<double>(f.captionLines.size()) * measure.LineHeight(PageFont::Header) + kHeaderGap;
    f.nameStripHeight = std::max(names, measure.LineHeight(PageFont::RowLabel)) + 2 * kPad;
    (void)height;
    return f;
}

// The rubric rows; a rubric longer than a page holds is cut into rows of a page each.
std::vector<RowPiece> MakeRows(const std::vector<std::optional<std::string>>& rubrics, const Frame& f, double height,
    const IPageTextMeasure& measure)
{
    const double area = height - f.RowsTop();
    const auto pageLines
        = static_cast<std::size_t>(std::max(1.0, std::floor((area - 2 * kPad) / std::max(f.lineHeight, 0.01))));
    std::vector<RowPiece> rows;
    for (std::size_t s = 0; s < rubrics.size(); ++s) {
        std::vector<std::string> lines;
        if (rubrics[s])
            lines = WrapPageText(*rubrics[s], f.rubricWidth - 2 * kPad, PageFont::Rubric, measure);
        if (lines.empty())
            lines.emplace_back();
        for (std::size_t from = 0; from < lines.size(); from += pageLines) {
            RowPiece row;
            row.symptom = static_cast<int>(s);
            const std::size_t to = std::min(lines.size(), from + pageLines);
            row.lines.assign(
                lines.begin() + static_cast<std::ptrdiff_t>(from), lines.begin() + static_cast<std::ptrdiff_t>(to));
            row.height = std::max(f.countRowHeight, static_cast<double>(row.lines.size()) * f.lineHeight + 2 * kPad);
            rows.push_back(std::move(row));
        }
    }
    return rows;
}

// The rows of each page: as many as the page holds, at least one.
std::vector<std::pair<std::size_t, std::size_t>> BlocksOf(const std::vector<RowPiece>& rows, double area)
{
    std::vector<std::pair<std::size_t, std::size_t>> blocks;
    std::size_t from = 0;
    while (from < rows.size()) {
        std::size_t to = from;
        double used = 0;
        while (to < rows.size() && (to == from || used + rows[to].height <= area)) {
            used += rows[to].height;
            ++to;
        }
        blocks.emplace_back(from, to);
        from = to;
    }
    if (blocks.empty())
        blocks.emplace_back(0, 0);
    return blocks;
}

PageText Text(
    PageRect box, PageFont font, std::string text, PageAlign align = PageAlign::Left, PageInk ink = PageInk::Black)
{
    PageText made;
    made.box = box;
    made.font = font;
    made.ink = ink;
    made.align = align;
    made.text = std::move(text);
    return made;
}

void AddHeader(ChartPage& page, const Frame& f, double width, int number, int total, const IPageTextMeasure& measure)
{
    const double title = measure.LineHeight(PageFont::Title);
    const double line = measure.LineHeight(PageFont::Header);
    double y = 0;
    for (const std::string& text : f.titleLines) {
        page.texts.push_back(Text({0, y, width, title}, PageFont::Title, text));
        y += title;
    }
    page.texts.push_back(Text({0, 0, width, title}, PageFont::Title, PageNumberText(number, total), PageAlign::Right));
    page.texts.push_back(Text({0, y, width, line}, PageFont::Header,
        PlaceText(page.remedyFrom, page.remedyTo, page.symptomFrom, page.symptomTo), PageAlign::Right));
    for (const std::string& text : f.captionLines) {
        page.texts.push_back(Text({0, y, width, line}, PageFont::Header, text));
        y += line;
    }
}

} // namespace

double PageFontPoints(PageFont font) noexcept
{
    switch (font) {
    case PageFont::Title: return 10.0;
    case PageFont::Header: return 8.5;
    case PageFont::RemedyName: return 7.0;
    case PageFont::RowLabel: return 7.5;
    case PageFont::Rubric: return 7.5;
    case PageFont::Count: return 7.0;
    }
    return 7.5;
}

bool PageFontBold(PageFont font) noexcept
{
    return font == PageFont::Title || font == PageFont::RemedyName || font == PageFont::RowLabel
        || font == PageFont::Count;
}

std::vector<std::string> WrapPageText(
    std::string_view text, double width, PageFont font, const IPageTextMeasure& measure)
{
    std::vector<std::string> lines;
    const auto skipBlanks = [&](std::size_t at) {
        while (at < text.size() && IsBlank(text[at]))
            ++at;
        return at;
    };
    std::size_t start = skipBlanks(0);
    constexpr std::size_t kNone = std::string_view::npos;
    std::size_t end = kNone; // of the line's last whole word that fits
    std::size_t at = start;
    while (at < text.size()) {
        std::size_t wordEnd = skipBlanks(at);
        while (wordEnd < text.size() && !IsBlank(text[wordEnd]))
            ++wordEnd;
        if (measure.Width(font, text.substr(start, wordEnd - start)) <= width) {
            end = wordEnd;
            at = skipBlanks(wordEnd);
            continue;
        }
        if (end != kNone) {
            lines.emplace_back(text.substr(start, end - start));
            start = at = skipBlanks(end);
            end = kNone;
            continue;
        }
        // A word alone wider than the line: as many characters as fit, at least one.
        std::size_t cut = NextCharacter(text, start);
        for (std::size_t next = NextCharacter(text, cut);
             cut < wordEnd && next <= wordEnd && measure.Width(font, text.substr(start, next - start)) <= width;
             next = NextCharacter(text, next))
            cut = next;
        if (cut >= wordEnd) {
            end = wordEnd;
            at = skipBlanks(wordEnd);
            continue;
        }
        lines.emplace_back(text.substr(start, cut - start));
        start = at = cut;
    }
    if (end != kNone)
        lines.emplace_back(text.substr(start, end - start));
    return lines;
}

ChartPageLayout LayOutChartPages(const CRepEngine& engine, const ChartPagesHeader& header, double width, double height,
    const IPageTextMeasure& measure)
{
    ChartPageLayout layout;
    layout.width = width;
    layout.height = height;
    const int remedies = engine.RemedyCount();
    const int symptoms = engine.SymptomCount();

    std::vector<std::optional<std::string>> rubrics(static_cast<std::size_t>(symptoms));
    std::vector<std::string> present;
    for (int s = 0; s < symptoms; ++s) {
        if (const CSymptomRecord* record = engine.Symptom(s)) {
            rubrics[static_cast<std::size_t>(s)]
                = Cp1252ToUtf8(ComposeSymptomLine(record->m_pszText, record->m_nType, std::string::npos));
            present.push_back(*rubrics[static_cast<std::size_t>(s)]);
        }
    }
    const Frame f = MakeFrame(engine, header, present, width, height, measure);
    const std::vector<RowPiece> rows = MakeRows(rubrics, f, height, measure);
    const auto blocks = BlocksOf(rows, height - f.RowsTop());
    const int remedyBlocks = std::max(1, (remedies + f.columns - 1) / f.columns);
    const int total = remedyBlocks * static_cast<int>(blocks.size());

    const double gridTop = f.headerHeight + f.nameStripHeight;
    const double labelRight = f.rubricWidth - kPad;
    for (int rb = 0; rb < remedyBlocks; ++rb) {
        for (const auto& [rowFrom, rowTo] : blocks) {
            ChartPage& page = layout.pages.emplace_back();
            page.remedyFrom = rb * f.columns;
            page.remedyTo = std::min(remedies, page.remedyFrom + f.columns);
            page.symptomFrom = rowFrom < rowTo ? rows[rowFrom].symptom : 0;
            page.symptomTo = rowFrom < rowTo ? rows[rowTo - 1].symptom + 1 : 0;
            AddHeader(page, f, width, static_cast<int>(layout.pages.size()), total, measure);

            const auto columnLeft = [&](int r) { return f.rubricWidth + f.columnWidth * (r - page.remedyFrom); };
            page.texts.push_back(Text({0, f.headerHeight, labelRight, f.nameStripHeight - kPad}, PageFont::RowLabel,
                RemedyNameLabel(), PageAlign::Right));
            for (int r = page.remedyFrom; r < page.remedyTo; ++r) {
                PageText name = Text({columnLeft(r), f.headerHeight, f.columnWidth, f.nameStripHeight - kPad},
                    PageFont::RemedyName, Cp1252ToUtf8(engine.RemedyName(r)), PageAlign::Left, PageInk::RemedyName);
                name.upward = true;
                page.texts.push_back(std::move(name));
            }

            // The two count rows, then the rubric rows.
            double y = gridTop;
            for (const auto& [row, label] : {std::pair{kTotalityRow, TotalityLabel()}, {kCoveredRow, CoveredLabel()}}) {
                page.frames.push_back({0, y, f.rubricWidth, f.countRowHeight});
                page.texts.push_back(
                    Text({kPad, y, labelRight - kPad, f.countRowHeight}, PageFont::RowLabel, label, PageAlign::Right));
                for (int r = page.remedyFrom; r < page.remedyTo; ++r)
                    page.cells.push_back({r, row, {columnLeft(r), y, f.columnWidth, f.countRowHeight},
                        NumberText(row == kTotalityRow ? engine.RemedyTotality(r) : engine.RemedyCovered(r))});
                y += f.countRowHeight;
            }
            for (std::size_t i = rowFrom; i < rowTo; ++i) {
                const RowPiece& row = rows[i];
                if (row.symptom % 2 == 1)
                    page.shaded.push_back(
                        {0, y, f.rubricWidth + f.columnWidth * (page.remedyTo - page.remedyFrom), row.height});
                page.frames.push_back({0, y, f.rubricWidth, row.height});
                double lineTop = y + kPad;
                for (const std::string& line : row.lines) {
                    page.texts.push_back(
                        Text({kPad, lineTop, f.rubricWidth - 2 * kPad, f.lineHeight}, PageFont::Rubric, line));
                    lineTop += f.lineHeight;
                }
                for (int r = page.remedyFrom; r < page.remedyTo; ++r) {
                    const int grade = engine.Grade(r, row.symptom);
                    page.cells.push_back({r, row.symptom, {columnLeft(r), y, f.columnWidth, row.height},
                        grade > 0 ? NumberText(grade) : std::string()});
                }
                y += row.height;
            }
        }
    }
    return layout;
}

ChartPagesHeader RecordedChartHeader(const PatientContext& patient, const CRepMethods& methods)
{
    return {patient.name, patient.regNo, patient.visitDate, methods.RecordCaption()};
}

} // namespace quillon
