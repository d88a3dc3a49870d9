// The symptoms-covered report and its printed layout.
#include "reports/SymptomCover.h"

#include "casedata/RemedyCatalogue.h"
#include "casedata/TextCodec.h"
#include "casedata/Translatable.h"
#include "engine/RepEngine.h"
#include "engine/RepertoryTable.h"

#include <algorithm>
#include <cstdio>

namespace quillon {

namespace {

// A line and its grade fit the 3000-byte work buffer of the report.
constexpr std::size_t kMaxCoverLine = 2990;
// Continuation rows are indented by level + 8 columns; a level outside this range would push them off the page.
constexpr int kMaxIndentLevel = 20;

// Rows of every page: the page number, the patient and the remedy; the entries of a further page start below
// a rule on row 7.
constexpr int kPageNumberColumn = 72;
constexpr int kFurtherPageRule = 7;

class PageWriter
{
public:
    PageWriter(int rowsPerPage, const SymptomCoverReport& report, const CoverPrintHeader& header)
        : m_nRows(std::max(rowsPerPage, kMinRowsPerPage)), m_report(report), m_header(header)
    {
        StartPage();
    }

    int Rows() const { return m_nRows; }
    void Text(int row, int column, PrintFont font, std::string_view text)
    {
        Place();
        m_pages.back().texts.push_back({row, column, font, std::string(text)});
    }
    void Rule(int row)
    {
        Place();
        m_pages.back().rules.push_back(row);
    }
    // The rule under the last entry: on the entry's page, just below its last row, rather than alone on a page.
    void ClosingRule(int row)
    {
        if (!m_bPending)
            return Rule(row);
        m_pages.back().rules.push_back(m_nRows + 1);
    }
    // Moves on by `by` rows; a row past the last one goes on a new page, below its header, which is started
    // when something is placed on it.
    void Advance(int& row, int by)
    {
        row += by;
        if (row > m_nRows)
            NewPage(row);
    }
    void NewPage(int& row)
    {
        m_bPending = true;
        row = kFurtherPageRule + 1;
    }
    // Every page says which of how many it is.
    std::vector<PrintPage> Take()
    {
        const std::string total = std::to_string(m_pages.size());
        for (std::size_t i = 0; i < m_pages.size(); ++i)
            m_pages[i].texts.push_back({1, kPageNumberColumn, PrintFont::Entry,
                FormatText(translate("SymptomCoverReport", "Page %1 of %2"), {std::to_string(i + 1), total})});
        return std::move(m_pages);
    }

private:
    void Place()
    {
        if (!m_bPending)
            return;
        m_bPending = false;
        StartPage();
        Rule(kFurtherPageRule);
    }
    void StartPage()
    {
        m_pages.emplace_back();
        Text(3, 2, PrintFont::LightUnderlined, translate("SymptomCoverReport", "Patient Name:"));
        Text(3, 16, PrintFont::Light, m_header.patientName);
        Text(3, 60, PrintFont::LightUnderlined, translate("SymptomCoverReport", "Date:"));
        Text(3, 66, PrintFont::Light, std::string_view(m_header.date).substr(0, 10));
        Text(5, 2, PrintFont::StrongUnderlined, translate("SymptomCoverReport", "Selected Remedy:"));
        Text(5, 20, PrintFont::Light, m_report.remedy.name);
        Text(5, 60, PrintFont::LightUnderlined, translate("SymptomCoverReport", "Reg No:"));
        // Two columns on, so that a blank stands between the label and the number in the larger font.
        Text(5, 69, PrintFont::Strong, m_header.regNo);
    }

    int m_nRows;
    const SymptomCoverReport& m_report;
    const CoverPrintHeader& m_header;
    std::vector<PrintPage> m_pages;
    bool m_bPending = false;
};

// Numbered entries from row r; r ends on the row after the last entry.
void LayOutEntries(PageWriter& out, const std::vector<CoverLine>& lines, int& r)
{
    int number = 0;
    for (const CoverLine& line : lines) {
        char label[16];
        std::snprintf(label, sizeof label, "%2d.", ++number);
        out.Text(r, 2, PrintFont::Entry, label);
        const std::vector<std::string_view> pieces = PrintRowPieces(line.text);
        out.Text(r, 8, PrintFont::Entry, pieces.front());
        if (pieces.size() > 1) {
            const int indent = std::clamp(line.level, 0, kMaxIndentLevel) + 8;
            if (pieces.size() == 2) {
                out.Text(r + 1, indent, PrintFont::Entry, pieces[1]);
                out.Advance(r, 2);
            } else {
                // Each further piece on its own row, breaking the page where the rows run out.
                for (std::size_t i = 1; i < pieces.size(); ++i) {
                    out.Advance(r, 1);
                    out.Text(r, indent, PrintFont::Entry, pieces[i]);
                }
                out.Advance(r, 1);
            }
        }
        out.Advance(r, 1);
    }
}

} // namespace

std::vector<CoverRemedy> CoverRemedies(const CRepEngine& engine)
{
    std::vector<CoverRemedy> choices;
    choices.reserve(engine.Results().size());
    for (const auto& [key, result] : engine.Results()) {
        if (!result)
            continue;
        std::string name = result->name.substr(0, kMaxResultName);
        choices.push_back({std::move(name), result->code});
    }
    std::sort(choices.begin(), choices.end(), [](const CoverRemedy& a, const CoverRemedy& b) {
        if (const int c = CompareNoCase(a.name, b.name); c != 0)
            return c < 0;
        if (a.name != b.name)
            return a.name < b.name;
        return a.code < b.code;
    });
    return choices;
}

int FindCoverRemedy(const std::vector<CoverRemedy>& choices, int code)
{
    const auto it = std::find_if(choices.begin(), choices.end(), [code](const auto& c) { return c.code == code; });
    return it == choices.end() ? -1 : static_cast<int>(it - choices.begin());
}

std::optional<std::string> CoverLineOf(const CSymptomRecord& record)
{
    const std::string_view text = record.m_pszText;
    const std::size_t bracket = text.find(']');
    if (bracket == std::string_view::npos)
        return std::nullopt;
    std::string line = "[";
    line += RepertoryAbbreviation(record.m_nType);
    line += text.substr(bracket);
    if (line.size() > kMaxCoverLine)
        line.resize(kMaxCoverLine);
    return line;
}

SymptomCoverReport BuildSymptomCover(
    std::span<CSymptomRecord* const> symptoms, const CoverRemedy& remedy, const CRemedyCatalogue* catalogue)
{
    SymptomCoverReport report;
    report.remedy = remedy;
    const RemedyEntry* entry = catalogue ? catalogue->Entry(remedy.code) : nullptr;
    report.fullName = entry && !entry->fullName.empty() ? entry->fullName : remedy.name;
    for (const CSymptomRecord* record : symptoms) {
        if (!record)
            continue;
        std::optional<std::string> line = CoverLineOf(*record);
        if (!line)
            continue;
        const int n = RemedyEntryCount(*record);
        int first = -1;
        for (int i = 0; i < n && first < 0; ++i)
            if (record->RemedyCode(i) == remedy.code)
                first = i;
        if (first >= 0) {
            *line += " (" + std::to_string(record->Grade(first)) + ")";
            report.covered.push_back({record->m_nLevel, std::move(*line)});
        } else {
            report.notCovered.push_back({record->m_nLevel, std::move(*line)});
        }
    }
    return report;
}

std::string CoveredTitle(std::size_t count)
{
    return FormatText(translate("SymptomCoverReport", "Symptoms Covered by Remedy (%1)"), {std::to_string(count)});
}

std::string NotCoveredTitle(std::size_t count)
{
    return FormatText(translate("SymptomCoverReport", "Symptoms Not Covered by Remedy (%1)"), {std::to_string(count)});
}

std::vector<std::string_view> PrintRowPieces(std::string_view text)
{
    std::vector<std::string_view> pieces;
    while (text.size() > kPrintLineWidth) {
        // A blank just after the 70 characters ends the row as well as one inside them.
        const std::size_t blank = text.substr(0, kPrintLineWidth + 1).rfind(' ');
        std::size_t end = blank == std::string_view::npos ? 0 : blank;
        while (end > 0 && text[end - 1] == ' ')
            --end;
        if (end == 0) {
            pieces.push_back(text.substr(0, kPrintLineWidth));
            text.remove_prefix(kPrintLineWidth);
            continue;
        }
        pieces.push_back(text.substr(0, end));
        text.remove_prefix(blank);
        while (!text.empty() && text.front() == ' ')
            text.remove_prefix(1);
    }
    if (!text.empty() || pieces.empty())
        pieces.push_back(text);
    return pieces;
}

std::vector<PrintPage> LayOutCoverPrint(
    const SymptomCoverReport& report, const CoverPrintHeader& header, int rowsPerPage)
{
    PageWriter out(rowsPerPage, report, header);
    out.Text(7, 2, PrintFont::LightUnderlined, translate("SymptomCoverReport", "Symptoms Covered by Remedy:"));
    out.Text(7, 31, PrintFont::Light, std::to_string(report.covered.size()));
    out.Rule(9);

    int r = 10;
    LayOutEntries(out, report.covered, r);
    // The second heading, its rules and its first entry stay together on one page.
    if (r + 6 > out.Rows())
        out.NewPage(r);
    out.Rule(r + 1);
    out.Text(r + 3, 2, PrintFont::LightUnderlined, translate("SymptomCoverReport", "Symptoms Not Covered by Remedy:"));
    out.Text(r + 3, 35, PrintFont::Light, std::to_string(report.notCovered.size()));
    out.Rule(r + 5);
    r += 6;
    LayOutEntries(out, report.notCovered, r);
    out.ClosingRule(r);
    return out.Take();
}

} // namespace quillon
