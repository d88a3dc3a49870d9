// The follow-up commands of quillon-report.
#include "report/ReportFollowUp.h"

#include "casedata/PatientIndex.h"
#include "casedata/TextCodec.h"
#include "repertory/FollowUpAnalysis.h"
#include "report/Report.h"
#include "report/ReportChart.h"
#include "state/PatientSelection.h"
#include "state/QuillonState.h"

#include <ostream>

namespace quillon::report {
namespace {

class LineSink final : public IMessageSink
{
public:
    explicit LineSink(std::ostream& out) : m_out(out) {}
    using IMessageSink::Show;
    void Show(const Message& message) override { m_out << "message\t" << Cp1252ToUtf8(message.text) << '\n'; }

private:
    std::ostream& m_out;
};

// A whole number from low to high, or a usage error naming `what`.
int Number(const std::string& text, const char* what, int low, int high)
{
    const int value = ParseReportIndex(text, what);
    if (value < low || value > high)
        throw UsageError{
            std::string(what) + " must be from " + std::to_string(low) + " to " + std::to_string(high) + ": " + text};
    return value;
}

// The patient as Select Patient makes it current, with its visit index and the catalogue; a registration
// number the index lacks is a usage error.
void OpenPatient(CQuillonState& state, const std::string& regNo)
{
    state.LoadCatalogue();
    const auto index = LoadPatientIndex(state.m_folder, state.Sink());
    if (index) {
        for (const PatientRow& row : index->rows) {
            if (row.regNo == Utf8ToCp1252(regNo)) {
                SetCurrentPatient(state, row, index->physician);
                return;
            }
        }
    }
    throw UsageError{"no patient " + regNo + " in the patient index"};
}

int CheckedVisit(const CQuillonState& state, const std::string& text)
{
    const int visit = Number(text, "visit", 0, 1 << 30);
    if (visit >= state.VisitCount())
        throw UsageError{"patient " + state.m_strPatientFile + " has no visit " + text};
    return visit;
}

void PrintRank(std::ostream& out, int rank)
{
    if (rank > 0)
        out << rank;
    else
        out << '-';
}

// Usage errors carry the command's usage line; Run prints them and ends with kUsageError.
int Guarded(const char* usage, const auto& body)
{
    try {
        return body();
    } catch (const UsageError& e) {
        throw UsageError{e.text + "\nusage: quillon-report [--dir DIR] " + usage};
    }
}

} // namespace

int CompareCommand(const std::string& dir, const std::vector<std::string>& args, std::ostream& out, std::ostream&)
{
    return Guarded("compare REGNO VISIT VISIT [--top K]", [&]() -> int {
        if (args.size() != 4 && !(args.size() == 6 && args[4] == "--top"))
            throw UsageError{"compare takes a registration number, two visits and --top K"};
        const int top
            = args.size() == 6 ? Number(args[5], "--top", kMinFollowUpTop, kMaxFollowUpTop) : kDefaultFollowUpTop;
        LineSink sink(out);
        CQuillonState state(CPracticeFolder(dir), sink);
        OpenPatient(state, args[1]);
        if (!state.LoadVisitIndex())
            return kCaseNotLoaded;
        const int visitX = CheckedVisit(state, args[2]);
        const int visitY = CheckedVisit(state, args[3]);
        const auto sideX
            = LoadVisitSide(state.m_folder, state.m_strPatientFile, visitX, state.m_pRemedyCatalogue.get(), sink);
        if (!sideX)
            return kCaseNotLoaded;
        const auto sideY
            = LoadVisitSide(state.m_folder, state.m_strPatientFile, visitY, state.m_pRemedyCatalogue.get(), sink);
        if (!sideY)
            return kCaseNotLoaded;
        // As in the window: the earlier visit by date first, in whichever order the two were named.
        const auto [sideA, sideB] = InTimeOrder(*sideX, *sideY);
        const VisitComparison comparison = CompareVisits(*sideA, *sideB, top);
        out << "visits\t" << Cp1252ToUtf8(sideA->date) << '\t' << Cp1252ToUtf8(sideB->date) << '\n';
        out << "symptoms\t" << comparison.symptomsA << '\t' << comparison.symptomsB << '\t' << comparison.sharedTexts
            << '\n';
        for (const ComparisonRow& row : comparison.rows) {
            out << "R\t" << Cp1252ToUtf8(row.name) << '\t';
            PrintRank(out, row.rankA);
            out << '\t';
            PrintRank(out, row.rankB);
            out << '\t';
            const auto value = [&out](bool present, int number) {
                if (present)
                    out << number;
                else
                    out << '-';
            };
            value(row.rankA > 0, row.totalityA);
            out << '\t';
            value(row.rankB > 0, row.totalityB);
            out << '\t';
            value(row.rankA > 0, row.coveredA);
            out << '\t';
            value(row.rankB > 0, row.coveredB);
            out << '\n';
        }
        return kDone;
    });
}

int StabilityCommand(const std::string& dir, const std::vector<std::string>& args, std::ostream& out, std::ostream&)
{
    return Guarded("stability REGNO [--visit N] [--top K]", [&]() -> int {
        if (args.size() < 2)
            throw UsageError{"stability takes a registration number"};
        std::string visitText = "0";
        int top = kDefaultFollowUpTop;
        for (std::size_t i = 2; i < args.size(); i += 2) {
            if (i + 1 >= args.size() || (args[i] != "--visit" && args[i] != "--top"))
                throw UsageError{"unexpected argument: " + args[i]};
            if (args[i] == "--visit")
                visitText = args[i + 1];
            else
                top = Number(args[i + 1], "--top", kMinFollowUpTop, kMaxFollowUpTop);
        }
        LineSink sink(out);
        CQuillonState state(CPracticeFolder(dir), sink);
        OpenPatient(state, args[1]);
        if (!state.LoadVisitIndex())
            return kCaseNotLoaded;
        const int visit = CheckedVisit(state, visitText);
        // The tool deletes nothing, so the visit's recorded symptoms are all its symptoms.
        const auto side
            = LoadVisitSide(state.m_folder, state.m_strPatientFile, visit, state.m_pRemedyCatalogue.get(), sink);
        if (!side)
            return kCaseNotLoaded;
        const auto symptoms = Borrow(side->symptoms);
        const auto* ranking = &side->ranking;
        out << "symptoms\t" << symptoms.size() << '\n';
        for (const StabilityRow& row : RankStability(symptoms, *ranking, top)) {
            out << "R\t" << row.rank << '\t' << Cp1252ToUtf8(row.name) << '\t' << row.totality << '\t' << row.covered
                << '\t';
            if (row.gone)
                out << '-';
            else
                out << row.worstRank;
            out << '\t';
            if (row.worstSymptom >= 0)
                out << row.worstSymptom;
            else
                out << '-';
            out << '\t' << row.changes << '\n';
        }
        return kDone;
    });
}

} // namespace quillon::report
