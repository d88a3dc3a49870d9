// The patient's history from the case book, and its page.
#include "casebook/CaseBookHistory.h"

#include "casedata/TextCodec.h"
#include "casedata/Translatable.h"

#include <algorithm>

namespace quillon {
namespace {

std::string Escaped(const std::string& text)
{
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '&': out += "&amp;"; break;
        case '"': out += "&quot;"; break;
        case '\n': out += "<br>"; break;
        default: out += c;
        }
    }
    return out;
}

// A fixed text of the page in the user's language, as UTF-8 HTML; with %1 ... filled with HTML already escaped.
std::string Words(const char* source)
{
    return Escaped(Cp1252ToUtf8(translate("CaseBookHistory", source)));
}

std::string Words(const char* pattern, std::initializer_list<std::string_view> html)
{
    return FormatText(Words(pattern), html);
}

std::string Joined(const std::vector<std::string>& texts)
{
    std::string out;
    for (const std::string& t : texts)
        out += (out.empty() ? "" : ", ") + t;
    return out;
}

std::string PrescriptionRow(const PrescriptionRecord& p)
{
    std::string row = "<tr><td>" + Escaped(p.date) + "</td><td>"
        + Words(QT_TRANSLATE_NOOP("CaseBookHistory", "Prescription")) + "</td><td><b>" + Escaped(PrescriptionText(p))
        + "</b>";
    if (!p.note.empty())
        row += "<br>" + Escaped(p.note);
    return row + "</td></tr>";
}

} // namespace

CaseBookHistory BuildHistory(
    const std::vector<AnalysisListing>& analyses, const std::vector<PrescriptionRecord>& prescriptions)
{
    CaseBookHistory history;
    for (const AnalysisListing& row : analyses) {
        auto visit = std::find_if(history.visits.begin(), history.visits.end(),
            [&](const HistoryVisit& v) { return v.visit == row.analysis.visit; });
        if (visit == history.visits.end()) {
            history.visits.push_back({row.analysis.visit, {}, {}});
            visit = history.visits.end() - 1;
        }
        visit->analyses.push_back(row);
    }
    for (const PrescriptionRecord& p : prescriptions) {
        auto visit = std::find_if(history.visits.begin(), history.visits.end(), [&](const HistoryVisit& v) {
            return std::any_of(v.analyses.begin(), v.analyses.end(),
                [&](const AnalysisListing& a) { return a.analysis.id == p.analysisId; });
        });
        if (p.analysisId != 0 && visit != history.visits.end())
            visit->prescriptions.push_back(p);
        else
            history.unlinked.push_back(p);
    }
    return history;
}

std::string HistoryHtml(const PatientIdentity& patient, const CaseBookHistory& history)
{
    std::string html = "<html><body style=\"font-family:'Liberation Sans'; font-size:9pt\"><h3>"
        + Words(QT_TRANSLATE_NOOP("CaseBookHistory", "Case Book: %1 (Reg No %2)"),
            {Escaped(patient.name), Escaped(patient.regNo)})
        + "</h3>";
    if (history.visits.empty() && history.unlinked.empty())
        html += "<p>" + Words(QT_TRANSLATE_NOOP("CaseBookHistory", "No analysis of this patient has been saved yet."))
            + "</p>";
    for (const HistoryVisit& visit : history.visits) {
        html += "<h4>" + Words(QT_TRANSLATE_NOOP("CaseBookHistory", "Visit of %1"), {Escaped(visit.visit.date)})
            + "</h4>";
        html += "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\">";
        for (const AnalysisListing& row : visit.analyses) {
            const AnalysisRecord& a = row.analysis;
            html += "<tr><td>" + Escaped(a.changed.substr(0, 10)) + "</td><td>"
                + Words(QT_TRANSLATE_NOOP("CaseBookHistory", "Analysis %1"), {"<b>" + Escaped(a.name) + "</b>"})
                + "</td><td>" + Escaped(a.caption) + "<br>"
                + Words(QT_TRANSLATE_NOOP("CaseBookHistory", "First remedies: %1"), {Escaped(Joined(a.topRemedies))});
            if (!a.notes.empty())
                html += "<br>" + Escaped(a.notes);
            html += "</td></tr>";
            for (const PrescriptionRecord& p : visit.prescriptions)
                if (p.analysisId == a.id)
                    html += PrescriptionRow(p);
        }
        html += "</table>";
    }
    if (!history.unlinked.empty()) {
        html += "<h4>" + Words(QT_TRANSLATE_NOOP("CaseBookHistory", "Prescriptions of deleted analyses"))
            + "</h4><table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\">";
        for (const PrescriptionRecord& p : history.unlinked)
            html += PrescriptionRow(p);
        html += "</table>";
    }
    return html + "</body></html>";
}

} // namespace quillon
