// The chart as comma-separated values.
#include "chart/ChartCsv.h"

#include "casedata/RemedyCatalogue.h"
#include "casedata/TextCodec.h"
#include "engine/RepEngine.h"
#include "engine/RepertoryTable.h"

#include <vector>

namespace quillon {

namespace {

constexpr std::string_view kRowEnd = "\r\n";

void AppendNumberRow(
    std::string& out, std::string_view title, const CRepEngine& engine, int (CRepEngine::*value)(int) const)
{
    out += title;
    for (int r = 0; r < engine.RemedyCount(); ++r) {
        out += ',';
        out += std::to_string((engine.*value)(r));
    }
    out += kRowEnd;
}

} // namespace

void AppendCsvField(std::string& out, std::string_view field)
{
    if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
        out += field;
        return;
    }
    out += '"';
    for (const char c : field) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

std::string ChartCsv(const CRepEngine& engine, const CRemedyCatalogue* catalogue)
{
    const int remedies = engine.RemedyCount();
    std::string out;
    out.reserve(static_cast<std::size_t>(engine.SymptomCount() + 4) * static_cast<std::size_t>(remedies + 20) * 3);

    out += "Symptom";
    for (int r = 0; r < remedies; ++r) {
        out += ',';
        AppendCsvField(out, Cp1252ToUtf8(engine.RemedyName(r)));
    }
    out += kRowEnd;
    out += "Full name";
    // The display column of each code, for the pass over the symptoms' entries below.
    std::vector<int> columnOfCode;
    for (int r = 0; r < remedies; ++r) {
        out += ',';
        const RemedyResult* result = engine.SortedRemedy(r);
        const int code = result ? result->code : -1;
        const RemedyEntry* entry = catalogue && code >= 0 ? catalogue->Entry(code) : nullptr;
        if (entry)
            AppendCsvField(out, Cp1252ToUtf8(entry->fullName));
        if (code >= 0) {
            if (static_cast<std::size_t>(code) >= columnOfCode.size())
                columnOfCode.resize(static_cast<std::size_t>(code) + 1, -1);
            columnOfCode[static_cast<std::size_t>(code)] = r;
        }
    }
    out += kRowEnd;
    AppendNumberRow(out, "Totality", engine, &CRepEngine::RemedyTotality);
    AppendNumberRow(out, "Symptoms covered", engine, &CRepEngine::RemedyCovered);

    std::vector<char> present(static_cast<std::size_t>(remedies));
    for (int s = 0; s < engine.SymptomCount(); ++s) {
        const CSymptomRecord* record = engine.Symptom(s);
        if (!record)
            continue;
        AppendCsvField(out, Cp1252ToUtf8(ComposeSymptomLine(record->m_pszText, record->m_nType, std::string::npos)));
        std::fill(present.begin(), present.end(), 0);
        const int n = RemedyEntryCount(*record);
        for (int i = 0; i < n; ++i) {
            const auto code = static_cast<std::size_t>(record->RemedyCode(i));
            if (code < columnOfCode.size() && columnOfCode[code] >= 0)
                present[static_cast<std::size_t>(columnOfCode[code])] = 1;
        }
        for (int r = 0; r < remedies; ++r) {
            out += ',';
            if (!present[static_cast<std::size_t>(r)])
                continue;
            if (const int grade = engine.ShownGrade(r, s))
                out += std::to_string(grade);
        }
        out += kRowEnd;
    }
    return out;
}

} // namespace quillon
