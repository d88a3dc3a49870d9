// quillon-report's commands: the dispatch of a command line, and the commands of the case.
#include "report/Report.h"
#include "report/ReportCaseBook.h"
#include "report/ReportChart.h"
#include "report/ReportFollowUp.h"
#include "report/ReportReadings.h"
#include "report/ReportRemedyLists.h"

#include "report/ReportCovered.h"

#include "casedata/PatientIndex.h"
#include "casedata/TextCodec.h"
#include "caserecord/CaseRecordPage.h"
#include "engine/ChartDump.h"
#include "report/ReportMateriaMedica.h"
#include "state/QuillonState.h"
#include "symptoms/RecordedSymptoms.h"

#include <algorithm>
#include <exception>
#include <ostream>

namespace quillon::report {
namespace {

struct Context
{
    std::string dir = ".";
    std::string casebook; // --casebook FILE; empty: the user's own
    std::vector<std::string> args; // the command and its arguments
    Transcript& t;
    bool onlyRead = false; // the case book is only read
};

void ExpectArgs(const Context& c, std::size_t count, const char* usage)
{
    report::ExpectArgs(c.args, count, usage);
}

int Patients(Context& c)
{
    ExpectArgs(c, 1, "patients");
    if (!FindFolder(c.dir, c.t))
        return kCaseNotLoaded;
    const CPracticeFolder folder(c.dir);
    const auto index = LoadPatientIndex(folder, c.t);
    if (!index)
        return kCaseNotLoaded;
    c.t.Out() << "physician\t" << Field(index->physician) << '\n';
    for (const PatientRow& row : index->rows)
        c.t.Out() << Field(row.regNo) << '\t' << Field(row.name) << '\t' << Field(row.age) << '\t'
                  << Field(row.visitDate) << '\n';
    return kDone;
}

int Visits(Context& c)
{
    ExpectArgs(c, 2, "visits REGNO");
    if (!FindFolder(c.dir, c.t))
        return kCaseNotLoaded;
    CQuillonState state(CPracticeFolder(c.dir), c.t);
    if (!SelectPatient(state, c.args[1], c.t) || !state.LoadVisitIndex())
        return kCaseNotLoaded;
    for (int v = 0; v < state.VisitCount(); ++v)
        c.t.Out() << v << '\t' << Field(state.VisitDates()[static_cast<std::size_t>(v)]) << '\n';
    return kDone;
}

int PatientPage(Context& c, bool caseRecord)
{
    ExpectArgs(c, 2, caseRecord ? "case-record REGNO" : "followup REGNO");
    c.t.OutputInCodePage(true);
    if (!FindFolder(c.dir, c.t))
        return kCaseNotLoaded;
    CQuillonState state(CPracticeFolder(c.dir), c.t);
    if (!SelectPatient(state, c.args[1], c.t))
        return kCaseNotLoaded;
    const int reported = c.t.Reported();
    const auto page = BuildPatientPage(state.Folder(), state.Patient().regNo, caseRecord, c.t);
    if (!page)
        return c.t.Reported() > reported ? kCaseNotLoaded
                                         : c.t.Fail("the case record of patient " + Shown(c.args[1]) + " is empty");
    c.t.Out() << *page;
    return kDone;
}

} // namespace

namespace {

int ChartReport(Context& c)
{
    const ChartRequest request = ParseChartRequest(c.args, "chart REGNO [--visit N] [--do ACTION]...");
    if (!request.extra.empty())
        throw UsageError{"unexpected argument: " + Shown(request.extra.front().first)};
    c.t.MessagesInOutput(true);
    return WithChart(c.dir, request, c.t, [&c](CQuillonState&, const CRepEngine& engine, const CRepMethods& methods) {
        c.t.Out() << DumpChart(engine, methods);
        return static_cast<int>(kDone);
    });
}

// The materia medica view reached from the chart: the arguments after the actions are the conversion's.
int MateriaMedicaCommand(Context& c)
{
    const ChartRequest request
        = ParseChartRequest(c.args, "materia-medica REGNO [--visit N] [--do ACTION]... OPTION MARKS RANK...");
    std::vector<std::string> rest;
    for (const auto& [arg, value] : request.extra)
        rest.push_back(arg);
    CheckMateriaMedicaArguments(rest);
    c.t.MessagesInOutput(true);
    return WithChart(
        c.dir, request, c.t, [&](CQuillonState& state, const CRepEngine& engine, const CRepMethods& methods) {
            return MateriaMedicaReport(state, engine, methods, c.t, rest);
        });
}

int Symptoms(Context& c)
{
    if (c.args.size() != 2 && !(c.args.size() == 4 && c.args[2] == "--visit"))
        ThrowUsage("symptoms REGNO [--visit N]");
    const int visit = c.args.size() == 4 ? ParseReportIndex(c.args[3], "visit") : 0;
    c.t.OutputInCodePage(true);
    if (!FindFolder(c.dir, c.t))
        return kCaseNotLoaded;
    CQuillonState state(CPracticeFolder(c.dir), c.t);
    state.LoadCatalogue();
    if (!SelectPatient(state, c.args[1], c.t) || !state.LoadVisitIndex())
        return kCaseNotLoaded;
    bool loaded = false;
    const int reported = c.t.Reported();
    const auto text = ExportVisitText(state, visit, &loaded, &EscapeTextField);
    if (!text)
        return c.t.Fail("patient " + Shown(c.args[1]) + " has no visit " + std::to_string(visit));
    // A visit that did not load whole prints nothing but the reason.
    if (!loaded)
        return c.t.Reported() > reported ? kCaseNotLoaded : SilentVisitFailure(c.t, state, c.args[1], visit);
    c.t.Out() << *text;
    return kDone;
}

} // namespace

std::string Usage()
{
    return "usage: quillon-report [--dir DIR] [--casebook FILE] COMMAND ARGS\n"
           "\n"
           "Reads the practice folder DIR (default: the working directory) as Quillon does. The case book\n"
           "commands use the case book FILE (default: the user's, in $XDG_DATA_HOME/Quillon).\n"
           "quillon-report --version prints the version.\n"
           "\n"
           "commands:\n"
           "  patients                 the physician and the Select Patient list\n"
           "  visits REGNO             the visits of a patient: index and date\n"
           "  symptoms REGNO [--visit N]\n"
           "                           the text Save As of the Recorded Symptoms dialog writes (CRLF)\n"
           "  case-record REGNO        the case-record page, as Quillon writes it to template.html\n"
           "  followup REGNO           the follow-up page, as Quillon writes it to template.html\n"
           "  chart REGNO [--visit N] [--do ACTION]...\n"
           "                           opens the chart of visit N (default 0), replays the actions and prints it\n"
           "  drug-list REGNO [--visit N] [--do ACTION]... [--search TEXT]...\n"
           "  remedy-list REGNO [--visit N] [--do ACTION]... SYMPTOM [--by-name]\n"
           "                           the chart's Drug List with searches; a symptom's Full Remedy List as saved\n"
           "  covered REGNO [--visit N] [--do ACTION]... RANK\n"
           "                           the Symptom Covered and Not Covered report of chart row RANK (from 1)\n"
           "  export REGNO [--visit N] [--do ACTION]... --csv | --pdf FILE\n"
           "                           the chart as CSV, as File > Export Chart as CSV writes it, or its pages\n"
           "                           as the PDF file FILE, as File > Save Chart as PDF writes them\n"
           "  compare REGNO VISIT VISIT [--top K]\n"
           "                           how the first K remedies (default 10) moved between two visits, from the\n"
           "                           earlier (by date; by index when the dates tie) to the later\n"
           "  stability REGNO [--visit N] [--top K]\n"
           "                           the worst rank of the first K remedies when one symptom is left out\n"
           "  strategies REGNO [--visit N] [--do ACTION]... [--top K]\n"
           "                           the first K remedies (5 to 50, default 10) of the chart's active symptoms\n"
           "                           read five ways: K STRATEGY RANK ABBREV SCORE, strategy by strategy.\n"
           "                           SCORE is the number the strategy ranks by (the window shows T/C, the\n"
           "                           chart's totality T and symptoms covered C, instead): totality 60T+C;\n"
           "                           covered C (ties by T); weighted 60W+C, W the sum of grade x Weightage\n"
           "                           intensity; small-rubrics the grades x3 in rubrics of up to 10 remedies,\n"
           "                           x2 up to 50, x1 above; elimination 60T+C among the remedies every\n"
           "                           eliminating symptom names (else a line note elimination)\n"
           "  families REGNO [--visit N] [--do ACTION]... [--kingdom all|plant|animal|mineral] [--top K]\n"
           "                           the first K families (default 20) of the chart's remedies: F KINGDOM FAMILY\n"
           "                           COUNT SUM BEST and the first three remedies by rank\n"
           "  materia-medica REGNO [--visit N] [--do ACTION]... OPTION MARKS RANK...\n"
           "                           converts chart ranks (OPTION complete|compare|differentiate|single|one|create,\n"
           "                           MARKS all|none|digits 1-5) and prints the materia medica view\n"
           "  save-analysis REGNO [--visit N] --name NAME [--note TEXT] [--do ACTION]...\n"
           "                           saves the analysis the actions make in the case book; prints its id\n"
           "  analyses REGNO           the patient's saved analyses, oldest first:\n"
           "                           A, ID, VISIT DATE, NAME, STEPS, PRESCRIPTION\n"
           "  chart REGNO --analysis ID\n"
           "                           replays a saved analysis on its visit and prints the chart\n"
           "  prescribe --analysis ID --rank R --potency TEXT [--repetition TEXT] [--date YYYY-MM-DD] [--note TEXT]\n"
           "                           records the remedy of chart row R (from 1) of the analysis as prescribed\n"
           "                           on the date (today without --date)\n"
           "  casebook-export FILE     writes the whole case book as one JSON file\n"
           "  casebook-import FILE     merges an exported case book; of two alike analyses the newer stays\n"
           "  mcp [--identify]         serves the folder and the case book to an assistant over the Model Context\n"
           "                           Protocol (JSON-RPC, one message per line on standard input and output):\n"
           "                           the tools list_patients, list_visits, visit_symptoms, repertorise,\n"
           "                           strategies, families, compare_visits, stability, symptom_coverage,\n"
           "                           materia_medica, analyses and open_analysis give these commands' output.\n"
           "                           It only reads: it never writes into the folder or the case book (a missing\n"
           "                           case book is an empty one). Without --identify no patient or physician\n"
           "                           name, case-record or follow-up text, analysis or prescription note leaves\n"
           "                           it: patients are their registration numbers\n"
           "\n"
           "actions: normal mind general rest sorted click label:totality|covered|name\n"
           "  weightage:S=W,... weightage-cancel  drug-filter:K,... drug-filter-cancel\n"
           "  drop:S:C clip:S:C clipboard:C reset-clipboard  delete:I undelete:J  eliminate:S\n"
           "  plant:CLASS:TYPES animal:CLASS:TYPES plant-cancel animal-cancel\n"
           "  mineral:STEP;STEP;... (left=CELL right=CELL vertical horizontal group=N) mineral-cancel\n"
           "  An empty list is written none (drug-filter:none, plant:0:none, mineral:none); an empty argument\n"
           "  is a wrong command line, and so is an option given twice (--search and --do may repeat).\n"
           "\n"
           "output: one record per line, fields separated by TAB. In texts from the files (symptoms, names,\n"
           "  messages) TAB, CR, LF and backslash are written \\t, \\r, \\n and \\\\, and other control\n"
           "  characters \\xNN, so a record is always one line. symptoms prints its texts so escaped; it and\n"
           "  case-record, followup, remedy-list and export print the bytes the window writes, with control\n"
           "  characters other than TAB, CR and LF written \\xNN.\n"
           "\n"
           "exit status: 0 done; 1 the case could not be read (no such folder, patient or visit, a missing,\n"
           "  empty or damaged file), with the reason on standard error; 2 a wrong command line.\n";
}

namespace {

int RunCommandLine(
    const std::vector<std::string>& args, std::ostream& out, std::ostream& err, IChartPdfWriter* pdf, bool onlyRead)
{
    Transcript t;
    Context c{".", {}, {}, t, onlyRead};
    try {
        bool dirGiven = false;
        bool casebookGiven = false;
        for (std::size_t i = 0; i < args.size(); ++i) {
            if (args[i] == "--help" || args[i] == "-h") {
                out << Usage();
                return kDone;
            }
            if (args[i] == "--dir" && c.args.empty()) {
                if (i + 1 >= args.size())
                    throw UsageError{"--dir needs a folder"};
                if (dirGiven)
                    throw UsageError{"--dir given twice"};
                dirGiven = true;
                c.dir = args[++i];
                continue;
            }
            if (args[i] == "--casebook" && c.args.empty()) {
                if (i + 1 >= args.size() || args[i + 1].empty())
                    throw UsageError{"--casebook needs a file"};
                if (casebookGiven)
                    throw UsageError{"--casebook given twice"};
                casebookGiven = true;
                c.casebook = args[++i];
                continue;
            }
            c.args.push_back(args[i]);
        }
        if (c.args.empty())
            throw UsageError{"no command given (see --help)"};
        const std::string& command = c.args[0];
        const auto run = [&]() -> int {
            if (command == "patients")
                return Patients(c);
            if (command == "visits")
                return Visits(c);
            if (command == "symptoms")
                return Symptoms(c);
            const bool ofAnalysis
                = command == "chart" && std::find(c.args.begin(), c.args.end(), "--analysis") != c.args.end();
            if (ofAnalysis || IsCaseBookCommand(command))
                return CaseBookCommandRun({c.dir, c.casebook, c.args, t, c.onlyRead});
            if (command == "chart")
                return ChartReport(c);
            if (command == "drug-list" || command == "remedy-list")
                return RemedyListCommand(c.dir, c.args, t);
            if (command == "covered")
                return CoveredCommand(c.dir, c.args, t);
            if (command == "export")
                return ExportCommand(c.dir, c.args, t, pdf);
            if (command == "materia-medica")
                return MateriaMedicaCommand(c);
            if (command == "case-record")
                return PatientPage(c, true);
            if (command == "followup")
                return PatientPage(c, false);
            if (command == "compare")
                return CompareCommand(c.dir, c.args, t);
            if (command == "stability")
                return StabilityCommand(c.dir, c.args, t);
            if (command == "strategies")
                return StrategiesCommand(c.dir, c.args, t);
            if (command == "families")
                return FamiliesCommand(c.dir, c.args, t);
            throw UsageError{"unknown command: " + Shown(command) + " (see --help)"};
        };
        return t.Finish(run(), out, err);
    } catch (const UsageError& e) {
        return t.FinishWithUsageError(e.text, err);
    } catch (const std::exception& e) {
        t.Fail(e.what());
        return t.Finish(kCaseNotLoaded, out, err);
    }
}

} // namespace

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, IChartPdfWriter* pdf)
{
    return RunCommandLine(args, out, err, pdf, false);
}

int RunReadingOnly(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    return RunCommandLine(args, out, err, nullptr, true);
}

} // namespace quillon::report