// quillon-report's case book commands, over the same store and the same replay as the window.
#include "report/ReportCaseBook.h"
#include "report/ReportStatus.h"

#include "casebook/AnalysisReplay.h"
#include "casebook/CaseBook.h"
#include "casebook/CaseBookChecks.h"
#include "casebook/CaseBookJson.h"
#include "casebook/CaseBookVisit.h"
#include "casedata/PatientIndex.h"
#include "casedata/RemedyCatalogue.h"
#include "casedata/TextCodec.h"
#include "chart/ChartSession.h"
#include "engine/ChartDump.h"
#include "engine/RepEngine.h"
#include "state/PatientSelection.h"
#include "state/QuillonState.h"

#include <algorithm>
#include <map>
#include <ostream>

namespace quillon::report {
namespace {

constexpr const char* kSaveUsage = "save-analysis REGNO [--visit N] --name NAME [--note TEXT] [--do ACTION]...";
constexpr const char* kPrescribeUsage
    = "prescribe --analysis ID --rank R --potency TEXT [--repetition TEXT] [--date YYYY-MM-DD] [--note TEXT]";

std::unique_ptr<CCaseBook> OpenBook(const CaseBookCommand& c)
{
    const std::filesystem::path path = c.casebook.empty() ? DefaultCaseBookPath() : std::filesystem::path(c.casebook);
    CaseBookOptions options;
    options.onlyRead = c.onlyRead;
    if (c.onlyRead && !std::filesystem::exists(path))
        return CCaseBook::Open(":memory:", c.t);
    return CCaseBook::Open(path, c.t, options);
}

// The value options of a command, each at most once; a required one missing is a usage error.
std::map<std::string, std::string> Options(const std::vector<std::pair<std::string, std::string>>& extra,
    std::initializer_list<std::string_view> allowed, std::initializer_list<std::string_view> required,
    const std::string& usage)
{
    std::map<std::string, std::string> options;
    for (const auto& [name, value] : extra) {
        if (std::find(allowed.begin(), allowed.end(), name) == allowed.end())
            throw UsageError{"unexpected argument: " + Shown(name)};
        if (!options.emplace(name, value).second)
            throw UsageError{name + " given twice"};
    }
    for (std::string_view name : required)
        if (!options.count(std::string(name)))
            throw UsageError{"usage: quillon-report [--dir DIR] [--casebook FILE] " + usage};
    return options;
}

std::int64_t AnalysisId(const std::string& text)
{
    const int id = ParseWholeNumber(text, "analysis id");
    if (id == 0)
        throw UsageError{"analysis ids start at 1"};
    return id;
}

// Finds the book's practice that the folder holds when the book does not know the folder yet (a folder moved,
// copied or imported from elsewhere). Without a user to ask, several candidates stay unattached, with a note.
void AttachPractice(CCaseBook& book, const CQuillonState& state, Transcript& t)
{
    if (FindPracticeOfFolder(book, state.Folder(), CurrentPractice(state.Patient()), {}) == PracticeFound::Undecided)
        t.Show("several practices of the case book match this folder; open it in Quillon once to choose");
}

// The analysis, checked to belong to the patient of the practice in DIR; the patient's registration number.
std::optional<AnalysisRecord> AnalysisOfPractice(
    CCaseBook& book, const std::string& dir, std::int64_t id, std::string* regNo, Transcript& t)
{
    const auto analysis = book.LoadAnalysis(id);
    const auto patient = analysis ? book.PatientOf(id) : std::nullopt;
    if (!analysis || !patient) {
        t.Fail("no analysis " + std::to_string(id) + " in the case book");
        return std::nullopt;
    }
    CQuillonState here(CPracticeFolder(dir), t);
    if (const auto index = LoadPatientIndex(here.Folder(), here.Sink()))
        SetCurrentPatient(here, PatientRow{}, index->physician);
    AttachPractice(book, here, t);
    if (!book.BelongsTo(id, CurrentPractice(here.Patient()))) {
        t.Fail("analysis " + std::to_string(id) + " belongs to the practice " + Shown(patient->practice.folder));
        return std::nullopt;
    }
    if (regNo->empty())
        *regNo = patient->regNo;
    else if (*regNo != patient->regNo) {
        t.Fail("analysis " + std::to_string(id) + " belongs to patient " + Shown(patient->regNo));
        return std::nullopt;
    }
    return analysis;
}

// Opens the analysis's visit (found by date and fingerprint) and replays its steps, then hands the chart on.
int WithAnalysis(const CaseBookCommand& c, CCaseBook& book, std::int64_t id, std::string regNo,
    const std::function<int(CQuillonState&, const CRepEngine&, const CRepMethods&, const AnalysisRecord&)>& use)
{
    if (!FindFolder(c.dir, c.t))
        return kCaseNotLoaded;
    const auto analysis = AnalysisOfPractice(book, c.dir, id, &regNo, c.t);
    if (!analysis)
        return kCaseNotLoaded;
    CQuillonState probe(CPracticeFolder(c.dir), c.t);
    if (!SelectPatient(probe, regNo, c.t) || !probe.LoadVisitIndex())
        return kCaseNotLoaded;
    const VisitMatch match = FindVisit(probe, analysis->visit);
    if (match.index < 0)
        return c.t.Fail(Cp1252ToUtf8(VisitGoneMessage(analysis->visit.date)));
    if (match.changed)
        c.t.Show(kMsgVisitChanged);
    ChartRequest request;
    request.regNo = regNo;
    request.visit = match.index;
    return WithChart(
        c.dir, request, c.t,
        [&](CChartSession& chart) {
            ReplaySteps(
                analysis->steps, [&chart](const ChartCommand& command) { chart.Execute(command); }, c.t);
        },
        [&](CQuillonState& state, const CRepEngine& engine, const CRepMethods& methods) {
            return use(state, engine, methods, *analysis);
        });
}

int SaveAnalysis(const CaseBookCommand& c)
{
    const ChartRequest request = ParseChartRequest(c.args, kSaveUsage, {"--name", "--note"});
    const auto options = Options(request.extra, {"--name", "--note"}, {"--name"}, kSaveUsage);
    auto book = OpenBook(c);
    if (!book)
        return kCaseNotLoaded;
    return WithChart(
        c.dir, request, c.t, [&](CQuillonState& state, const CRepEngine& engine, const CRepMethods& methods) {
            AnalysisRecord analysis;
            analysis.visit = CurrentVisit(state);
            analysis.name = options.at("--name");
            analysis.notes = options.count("--note") ? options.at("--note") : std::string();
            analysis.caption = Cp1252ToUtf8(methods.RecordCaption());
            analysis.topRemedies = TopRemedies(engine);
            for (const std::string& action : request.actions)
                analysis.steps.push_back(FormatChartCommand(ParseChartCommand(action)));
            AttachPractice(*book, state, c.t);
            const auto id = book->SaveAnalysis(CurrentPatient(state.Patient()), analysis);
            if (!id)
                return static_cast<int>(kCaseNotLoaded);
            c.t.Out() << *id << '\n';
            return static_cast<int>(kDone);
        });
}

int Analyses(const CaseBookCommand& c)
{
    ExpectArgs(c.args, 2, "[--casebook FILE] analyses REGNO");
    if (!FindFolder(c.dir, c.t))
        return kCaseNotLoaded;
    CQuillonState state(CPracticeFolder(c.dir), c.t);
    if (!SelectPatient(state, c.args[1], c.t))
        return kCaseNotLoaded;
    auto book = OpenBook(c);
    if (!book)
        return kCaseNotLoaded;
    AttachPractice(*book, state, c.t);
    const auto rows = book->ListAnalyses(CurrentPractice(state.Patient()), Cp1252ToUtf8(state.Patient().regNo));
    // A list read in part, or from a new book started in place of a damaged one, is not the book's list.
    if (book->ReadFailures() != 0)
        return kCaseNotLoaded;
    for (const AnalysisListing& row : rows)
        c.t.Out() << "A\t" << row.analysis.id << '\t' << Shown(row.analysis.visit.date) << '\t'
                  << Shown(row.analysis.name) << '\t' << row.stepCount << '\t'
                  << (row.prescription ? Shown(PrescriptionText(*row.prescription)) : std::string()) << '\n';
    return kDone;
}

int ChartOfAnalysis(const CaseBookCommand& c)
{
    if (c.args.size() != 4 || c.args[2] != "--analysis")
        throw UsageError{"usage: quillon-report [--dir DIR] [--casebook FILE] chart REGNO --analysis ID"};
    const std::int64_t id = AnalysisId(c.args[3]);
    c.t.MessagesInOutput(true);
    auto book = OpenBook(c);
    if (!book)
        return kCaseNotLoaded;
    return WithAnalysis(c, *book, id, c.args[1],
        [&](CQuillonState&, const CRepEngine& engine, const CRepMethods& methods, const AnalysisRecord&) {
            c.t.Out() << DumpChart(engine, methods);
            return static_cast<int>(kDone);
        });
}

int Prescribe(const CaseBookCommand& c)
{
    std::vector<std::pair<std::string, std::string>> extra;
    for (std::size_t i = 1; i < c.args.size(); i += 2) {
        if (i + 1 >= c.args.size())
            throw UsageError{Shown(c.args[i]) + " needs a value"};
        extra.emplace_back(c.args[i], c.args[i + 1]);
    }
    const auto options = Options(extra, {"--analysis", "--rank", "--potency", "--repetition", "--date", "--note"},
        {"--analysis", "--rank", "--potency"}, kPrescribeUsage);
    const std::int64_t id = AnalysisId(options.at("--analysis"));
    const int rank = ParseWholeNumber(options.at("--rank"), "rank");
    if (rank == 0)
        throw UsageError{"ranks start at 1"};
    if (options.at("--potency").empty())
        throw UsageError{"--potency needs a value"};
    const std::string date = options.count("--date") ? options.at("--date") : std::string();
    if (options.count("--date") && !IsCalendarDate(date))
        throw UsageError{"--date needs a date of the calendar written YYYY-MM-DD, not " + Shown(date)};
    auto book = OpenBook(c);
    if (!book)
        return kCaseNotLoaded;
    return WithAnalysis(c, *book, id, std::string(),
        [&](CQuillonState& state, const CRepEngine& engine, const CRepMethods&, const AnalysisRecord& analysis) {
            const RemedyResult* remedy = engine.SortedRemedy(rank - 1);
            if (!remedy)
                return c.t.Fail("the chart of analysis " + std::to_string(id) + " has no rank " + std::to_string(rank));
            PrescriptionRecord p;
            p.analysisId = analysis.id;
            p.remedyCode = remedy->code;
            const RemedyEntry* entry = state.Catalogue() ? state.Catalogue()->Entry(remedy->code) : nullptr;
            p.remedyName = Cp1252ToUtf8(entry && !entry->fullName.empty() ? entry->fullName : remedy->name);
            p.potency = options.at("--potency");
            p.repetition = options.count("--repetition") ? options.at("--repetition") : std::string();
            p.note = options.count("--note") ? options.at("--note") : std::string();
            p.date = date;
            const auto prescription = book->RecordPrescription(p);
            if (!prescription)
                return static_cast<int>(kCaseNotLoaded);
            c.t.Out() << *prescription << '\n';
            return static_cast<int>(kDone);
        });
}

int ExportBook(const CaseBookCommand& c)
{
    ExpectArgs(c.args, 2, "[--casebook FILE] casebook-export FILE");
    auto book = OpenBook(c);
    if (!book || book->ReadFailures() != 0)
        return kCaseNotLoaded;
    return ExportCaseBookFile(*book, c.args[1]) ? kDone : kCaseNotLoaded;
}

int ImportBook(const CaseBookCommand& c)
{
    ExpectArgs(c.args, 2, "[--casebook FILE] casebook-import FILE");
    c.t.MessagesInOutput(true);
    auto book = OpenBook(c);
    if (!book)
        return kCaseNotLoaded;
    const auto summary = ImportCaseBookFile(*book, c.args[1]);
    if (!summary)
        return kCaseNotLoaded;
    c.t.Show(ImportSummaryMessage(*summary));
    return kDone;
}

} // namespace

bool IsCaseBookCommand(const std::string& command)
{
    for (const char* name : {"save-analysis", "analyses", "prescribe", "casebook-export", "casebook-import"})
        if (command == name)
            return true;
    return false;
}

int CaseBookCommandRun(const CaseBookCommand& c)
{
    const std::string& command = c.args[0];
    if (command == "save-analysis")
        return SaveAnalysis(c);
    if (command == "analyses")
        return Analyses(c);
    if (command == "chart")
        return ChartOfAnalysis(c);
    if (command == "prescribe")
        return Prescribe(c);
    if (command == "casebook-export")
        return ExportBook(c);
    return ImportBook(c);
}

} // namespace quillon::report
