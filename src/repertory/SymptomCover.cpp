// The symptoms-covered report and its printed layout.
#include "repertory/SymptomCover.h"

#include "casedata/RemedyCatalogue.h"
#include "casedata/TextCodec.h"
#include "repertory/RepEngine.h"
#include "repertory/RepertoryTable.h"

#include <algorithm>
#include <cstdio>

namespace quillon {

namespace {

// A line and its grade fit the 3000-byte work buffer of the report.
constexpr std::size_t kMaxCoverLine = 2990;
// Continuation rows are indented by level + 8 columns; a level outside this range would push them off the page.
constexpr int kMaxIndentLevel = 20;

class PageWriter
{
public:
    explicit PageWriter(int rowsPerPage) : m_nRows(std::max(rowsPerPage, kMinRowsPerPage)) { m_pages.emplace_back(); }

    int Rows() const { return m_nRows; }
    void Text(int row, int column, PrintFont font, std::string_view text)
    {
        m_pages.back().texts.push_back({row, column, font, std::string(text)});
    }
    void Rule(int row) { m_pages.back().rules.push_back(row); }
    // Moves on by `by` rows; a row past the last one starts a new page at row 1.
    void Advance(int& row, int by)
    {
        row += by;
        if (row > m_nRows) {
            m_pages.emplace_back();
            row = 1;
        }
    }
    void NewPage(int& row, int at)
    {
        m_pages.emplace_back();
        row = at;
    }
    std::vector<PrintPage> Take() { return std::move(m_pages); }

private:
    int m_nRows;
    std::vector<PrintPage> m_pages;
};

// Numbered entries from row r; r ends on the row after the last entry.
void LayOutEntries(PageWriter& out, const std::vector<CoverLine>& lines, int& r)
{
    int number = 0;
    for (const CoverLine& line : lines) {
        char label[16];
        std::snprintf(label, sizeof label, "%2d.", ++number);
        out.Text(r, 2, PrintFont::Entry, label);
        const std::string_view text = line.text;
        out.Text(r, 8, PrintFont::Entry, text.substr(0, kPrintLineWidth));
        if (text.size() > kPrintLineWidth) {
            const int indent = std::clamp(line.level, 0, kMaxIndentLevel) + 8;
            if (text.size() < 2 * kPrintLineWidth) {
                out.Text(r + 1, indent, PrintFont::Entry, text.substr(kPrintLineWidth));
                out.Advance(r, 2);
            } else {
                // Each further piece on its own row, breaking the page where the rows run out.
                for (std::size_t at = kPrintLineWidth; at < text.size(); at += kPrintLineWidth) {
                    out.Advance(r, 1);
                    out.Text(r, indent, PrintFont::Entry, text.substr(at, kPrintLineWidth));
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
    return "Symptoms Covered by Remedy (" + std::to_string(count) + ")";
}

std::string NotCoveredTitle(std::size_t count)
{
    return "Symptoms Not Covered by Remedy (" + std::to_string(count) + ")";
}

std::vector<PrintPage> LayOutCoverPrint(
    const SymptomCoverReport& report, const CoverPrintHeader& header, int rowsPerPage)
{
    PageWriter out(rowsPerPage);
    out.Text(3, 2, PrintFont::LightUnderlined, "Patient Name:");
    out.Text(3, 16, PrintFont::Light, header.patientName);
    out.Text(3, 60, PrintFont::LightUnderlined, "Date:");
    out.Text(3, 66, PrintFont::Light, std::string_view(header.date).substr(0, 10));
    out.Text(5, 2, PrintFont::StrongUnderlined, "Selected Remedy:");
    out.Text(5, 20, PrintFont::Light, report.remedy.name);
    out.Text(5, 60, PrintFont::LightUnderlined, "Reg No:");
    out.Text(5, 67, PrintFont::Strong, header.regNo);
    out.Text(7, 2, PrintFont::LightUnderlined, "Symptoms Covered by Remedy:");
    out.Text(7, 31, PrintFont::Light, std::to_string(report.covered.size()));
    out.Rule(9);

    int r = 10;
    LayOutEntries(out, report.covered, r);
    // The second heading and its rules stay together on one page.
    if (r + 5 > out.Rows())
        out.NewPage(r, 1);
    out.Rule(r + 1);
    out.Text(r + 3, 2, PrintFont::LightUnderlined, "Symptoms Not Covered by Remedy:");
    out.Text(r + 3, 35, PrintFont::Light, std::to_string(report.notCovered.size()));
    out.Rule(r + 5);
    r += 6;
    LayOutEntries(out, report.notCovered, r);
    out.Rule(r);
    return out.Take();
}

} // namespace quillon
