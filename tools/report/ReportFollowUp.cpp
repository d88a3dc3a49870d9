// The follow-up commands of quillon-report.
#include "report/ReportFollowUp.h"

#include "casedata/PatientIndex.h"
#include "casedata/TextCodec.h"
#include "followup/FollowUpAnalysis.h"
#include "report/ReportChart.h"
#include "report/ReportStatus.h"
#include "state/PatientSelection.h"
#include "state/QuillonState.h"

#include <memory>
#include <optional>
#include <ostream>

namespace quillon::report {
namespace {

// A whole number from low to high, or a usage error naming `what`.
int Number(const std::string& text, const char* what, int low, int high)
{
    const int value = ParseReportIndex(text, what);
    if (value < low || value > high)
        throw UsageError{std::string(what) + " must be from " + std::to_string(low) + " to " + std::to_string(high)
            + ": " + Shown(text)};
    return value;
}

// The patient as Select Patient makes it current, with its visit index and the catalogue; false (the reason
// reported) when the folder, the patient or its visit index is missing.
bool OpenPatient(CQuillonState& state, const std::string& regNo, Transcript& t)
{
    state.LoadCatalogue();
    const auto index = LoadPatientIndex(state.Folder(), state.Sink());
    if (!index)
        return false;
    for (const PatientRow& row : index->rows) {
        if (row.regNo == Utf8ToCp1252(regNo)) {
            SetCurrentPatient(state, row, index->physician);
            return state.LoadVisitIndex();
        }
    }
    t.Fail("no patient " + Shown(regNo) + " in the patient index");
    return false;
}

// The folder's state with the patient open, as both follow-up commands begin; null when the folder, the patient or
// its visit index is missing (the reason reported in the output).
std::unique_ptr<CQuillonState> OpenFolderPatient(const std::string& dir, const std::string& regNo, Transcript& t)
{
    t.MessagesInOutput(true);
    if (!FindFolder(dir, t))
        return nullptr;
    auto state = std::make_unique<CQuillonState>(CPracticeFolder(dir), t);
    if (!OpenPatient(*state, regNo, t))
        return nullptr;
    return state;
}

// One visit of the open patient as the follow-up analyses read it.
std::optional<VisitSide> Side(const CQuillonState& state, int visit, IMessageSink& sink)
{
    return LoadVisitSide(state, visit, state.Catalogue(), sink);
}

// A visit of the index; a number the index lacks is reported (-1).
int CheckedVisit(const CQuillonState& state, int visit, Transcript& t)
{
    if (visit < state.VisitCount())
        return visit;
    t.Fail("patient " + Shown(state.Patient().regNo) + " has no visit " + std::to_string(visit));
    return -1;
}

void PrintRank(std::ostream& out, int rank)
{
    if (rank > 0)
        out << rank;
    else
        out << '-';
}

} // namespace

int CompareCommand(const std::string& dir, const std::vector<std::string>& args, Transcript& t)
{
    if (args.size() != 4 && !(args.size() == 6 && args[4] == "--top"))
        ThrowUsage("compare REGNO VISIT VISIT [--top K]");
    const int top = args.size() == 6 ? Number(args[5], "--top", kMinFollowUpTop, kMaxFollowUpTop) : kDefaultFollowUpTop;
    const int askedX = Number(args[2], "visit", 0, 1 << 30);
    const int askedY = Number(args[3], "visit", 0, 1 << 30);
    const auto state = OpenFolderPatient(dir, args[1], t);
    if (!state)
        return kCaseNotLoaded;
    std::ostream& out = t.Out();
    const int visitX = CheckedVisit(*state, askedX, t);
    const int visitY = visitX < 0 ? -1 : CheckedVisit(*state, askedY, t);
    if (visitY < 0)
        return kCaseNotLoaded;
    const auto sideX = Side(*state, visitX, t);
    if (!sideX)
        return kCaseNotLoaded;
    const auto sideY = Side(*state, visitY, t);
    if (!sideY)
        return kCaseNotLoaded;
    // As in the window: the earlier visit by date first, in whichever order the two were named.
    const auto [sideA, sideB] = InTimeOrder(*sideX, *sideY);
    const VisitComparison comparison = CompareVisits(*sideA, *sideB, top);
    out << "visits\t" << Field(sideA->date) << '\t' << Field(sideB->date) << '\n';
    out << "symptoms\t" << comparison.symptomsA << '\t' << comparison.symptomsB << '\t' << comparison.sharedTexts
        << '\n';
    for (const ComparisonRow& row : comparison.rows) {
        out << "R\t" << Field(row.name) << '\t';
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
}

int StabilityCommand(const std::string& dir, const std::vector<std::string>& args, Transcript& t)
{
    if (args.size() < 2)
        ThrowUsage("stability REGNO [--visit N] [--top K]");
    std::optional<int> asked, topGiven;
    for (std::size_t i = 2; i < args.size(); i += 2) {
        if (i + 1 >= args.size() || (args[i] != "--visit" && args[i] != "--top"))
            throw UsageError{"unexpected argument: " + Shown(args[i])};
        std::optional<int>& value = args[i] == "--visit" ? asked : topGiven;
        if (value)
            throw UsageError{args[i] + " given twice"};
        value = args[i] == "--visit" ? Number(args[i + 1], "visit", 0, 1 << 30)
                                     : Number(args[i + 1], "--top", kMinFollowUpTop, kMaxFollowUpTop);
    }
    const int top = topGiven.value_or(kDefaultFollowUpTop);
    const auto state = OpenFolderPatient(dir, args[1], t);
    if (!state)
        return kCaseNotLoaded;
    std::ostream& out = t.Out();
    const int visit = CheckedVisit(*state, asked.value_or(0), t);
    if (visit < 0)
        return kCaseNotLoaded;
    // The tool deletes nothing, so the visit's recorded symptoms are all its symptoms.
    const auto side = Side(*state, visit, t);
    if (!side)
        return kCaseNotLoaded;
    const auto symptoms = Borrow(side->symptoms);
    const auto* ranking = &side->ranking;
    out << "symptoms\t" << symptoms.size() << '\n';
    for (const StabilityRow& row : RankStability(symptoms, *ranking, top)) {
        out << "R\t" << row.rank << '\t' << Field(row.name) << '\t' << row.totality << '\t' << row.covered << '\t';
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
}

} // namespace quillon::report
