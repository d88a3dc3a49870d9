// The patient's history from the case book, and its page.
#include "casebook/CaseBookHistory.h"

#include "casebook/CaseBook.h"
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

constexpr const char* kTable = "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\">";

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

CHistoryPage::CHistoryPage(CCaseBook& book, PatientIdentity patient, std::size_t analysesPerPiece)
    : m_book(book), m_patient(std::move(patient)), m_perPiece(std::max<std::size_t>(analysesPerPiece, 1))
{
    // A patient's prescriptions are few beside the analyses: read at once, in time order.
    for (PrescriptionRecord& p : m_book.ListPrescriptions(m_patient.practice, m_patient.regNo)) {
        if (p.analysisId != 0)
            m_prescriptions[p.analysisId].push_back(std::move(p));
        else
            m_unlinked.push_back(std::move(p));
    }
}

std::string CHistoryPage::NextPiece()
{
    if (m_bAtEnd)
        return {};
    std::string html;
    if (!m_bStarted) {
        m_bStarted = true;
        html += "<h3>"
            + Words(QT_TRANSLATE_NOOP("CaseBookHistory", "Case Book: %1 (Reg No %2)"),
                {Escaped(m_patient.name), Escaped(m_patient.regNo)})
            + "</h3>";
    }
    if (!m_bAnalysesDone) {
        const std::vector<AnalysisListing> rows
            = m_book.ListAnalyses(m_patient.practice, m_patient.regNo, m_perPiece, m_after);
        m_bAnalysesDone = rows.size() < m_perPiece;
        if (rows.empty() && !m_after && m_unlinked.empty())
            html += "<p>"
                + Words(QT_TRANSLATE_NOOP("CaseBookHistory", "No analysis of this patient has been saved yet."))
                + "</p>";
        bool inTable = false;
        for (const AnalysisListing& row : rows) {
            const AnalysisRecord& a = row.analysis;
            if (!inTable || a.visit != m_visit) {
                if (inTable)
                    html += "</table>";
                // A visit that goes on from the piece before goes on without its heading again.
                if (a.visit != m_visit)
                    html += "<h4>" + Words(QT_TRANSLATE_NOOP("CaseBookHistory", "Visit of %1"), {Escaped(a.visit.date)})
                        + "</h4>";
                html += kTable;
                inTable = true;
                m_visit = a.visit;
            }
            html += "<tr><td>" + Escaped(a.changed.substr(0, 10)) + "</td><td>"
                + Words(QT_TRANSLATE_NOOP("CaseBookHistory", "Analysis %1"), {"<b>" + Escaped(a.name) + "</b>"})
                + "</td><td>" + Escaped(a.caption) + "<br>"
                + Words(QT_TRANSLATE_NOOP("CaseBookHistory", "First remedies: %1"), {Escaped(Joined(a.topRemedies))});
            const std::string notes = m_book.AnalysisNotes(a.id).value_or(std::string());
            if (!notes.empty())
                html += "<br>" + Escaped(notes);
            html += "</td></tr>";
            if (const auto made = m_prescriptions.find(a.id); made != m_prescriptions.end())
                for (const PrescriptionRecord& p : made->second)
                    html += PrescriptionRow(p);
            m_after = ListingKey{a.created, a.id};
        }
        if (inTable)
            html += "</table>";
        if (!m_bAnalysesDone)
            return html;
    }
    if (!m_unlinked.empty()) {
        html += "<h4>" + Words(QT_TRANSLATE_NOOP("CaseBookHistory", "Prescriptions of deleted analyses")) + "</h4>"
            + kTable;
        for (const PrescriptionRecord& p : m_unlinked)
            html += PrescriptionRow(p);
        html += "</table>";
    }
    m_bAtEnd = true;
    return html;
}

std::string HistoryDocument(const std::string& fragments)
{
    return "<html><body style=\"font-family:'Liberation Sans'; font-size:9pt\">" + fragments + "</body></html>";
}

} // namespace quillon
