// The report commands.
#include "report/Report.h"
#include "report/ReportChart.h"
#include "report/ReportFollowUp.h"
#include "report/ReportRemedyLists.h"

#include "report/ReportCovered.h"

#include "casedata/PatientIndex.h"
#include "casedata/TextCodec.h"
#include "caserecord/CaseRecordPage.h"
#include "filters/ClassFilter.h"
#include "filters/MineralFilter.h"
#include "repertory/ChartDump.h"
#include "repertory/ChartPointer.h"
#include "repertory/RepEngine.h"
#include "repertory/RepMethods.h"
#include "report/ReportMateriaMedica.h"
#include "state/PatientSelection.h"
#include "state/QuillonState.h"
#include "symptoms/RecordedSymptoms.h"
#include "symptoms/Undelete.h"

#include <algorithm>
#include <charconv>
#include <exception>
#include <filesystem>
#include <optional>
#include <ostream>

namespace quillon::report {
namespace {

struct Context
{
    std::string dir = ".";
    std::vector<std::string> args; // the command and its arguments
    Transcript& t;
};

int ParseIndex(const std::string& text, const char* what)
{
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < 0)
        throw UsageError{std::string(what) + " must be a whole number from 0: " + Shown(text)};
    return value;
}

void ExpectArgs(const Context& c, std::size_t count, const char* usage)
{
    if (c.args.size() != count)
        throw UsageError{std::string("usage: quillon-report [--dir DIR] ") + usage};
}

// The patient of the index with this registration number, made current as a selection in the
// Select Patient dialog does.
bool SelectPatient(CQuillonState& state, const std::string& regNo, Transcript& t)
{
    auto index = LoadPatientIndex(state.m_folder, state.Sink());
    if (!index)
        return false;
    for (const PatientRow& row : index->rows) {
        if (row.regNo == Utf8ToCp1252(regNo)) {
            SetCurrentPatient(state, row, index->physician);
            return true;
        }
    }
    t.Fail("no patient " + Shown(regNo) + " in the patient index");
    return false;
}

// The reason a visit loaded nothing, or less than all of it, when its loader gave none.
int SilentVisitFailure(Transcript& t, const CQuillonState& state, const std::string& regNo, int visit)
{
    return t.Fail("visit " + std::to_string(visit) + " of patient " + Shown(regNo)
        + (state.LiveCount() == 0 ? " holds no symptoms" : " ends before its last symptom"));
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
        c.t.Out() << v << '\t' << Field(state.m_arrVisitDates[static_cast<std::size_t>(v)]) << '\n';
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
    const auto page = BuildPatientPage(state.m_folder, state.m_strPatientFile, caseRecord, c.t);
    if (!page)
        return c.t.Reported() > reported ? kCaseNotLoaded
                                         : c.t.Fail("the case record of patient " + Shown(c.args[1]) + " is empty");
    c.t.Out() << *page;
    return kDone;
}

std::vector<std::string> Split(std::string_view text, char separator)
{
    std::vector<std::string> parts;
    if (text.empty())
        return parts;
    std::size_t start = 0;
    for (;;) {
        const auto at = text.find(separator, start);
        parts.emplace_back(text.substr(start, at == std::string_view::npos ? std::string_view::npos : at - start));
        if (at == std::string_view::npos)
            return parts;
        start = at + 1;
    }
}

// A list argument of an action: items separated by `separator`, or "none" for an empty list.
std::vector<std::string> ListItems(std::string_view text, char separator)
{
    if (text == "none")
        return {};
    return Split(text, separator);
}

std::vector<int> Numbers(std::string_view text, const char* what)
{
    std::vector<int> numbers;
    for (const std::string& part : ListItems(text, ','))
        numbers.push_back(ParseIndex(part, what));
    return numbers;
}

// The dialogs of the chart, answered by the action being replayed. Without an answer a dialog is cancelled.
class ScriptedChoosers final : public IWeightageChooser, public IDrugFilterChooser, public IKingdomChooser
{
public:
    explicit ScriptedChoosers(const CPracticeFolder& folder, IMessageSink& sink) : m_folder(folder), m_sink(sink) {}

    std::optional<std::vector<std::pair<int, int>>> weightage;
    std::optional<std::vector<int>> drugFilter;
    struct ClassAnswer
    {
        int line = 0; // 1-based, 0 for none
        std::vector<int> types;
    };
    std::optional<ClassAnswer> classAnswer;
    std::optional<std::vector<std::string>> mineralSteps;

    void Clear()
    {
        weightage.reset();
        drugFilter.reset();
        classAnswer.reset();
        mineralSteps.reset();
    }

    bool ChooseWeightage(CWeightageModel& model) override
    {
        if (!weightage)
            return false;
        for (const auto& [symptom, intensity] : *weightage) {
            if (symptom >= model.SymptomCount())
                throw UsageError{"weightage: no symptom " + std::to_string(symptom)};
            model.SetIntensity(symptom, intensity);
        }
        return true;
    }

    bool ChooseDrugFilter(CDrugFilterModel& model) override
    {
        if (!drugFilter)
            return false;
        for (int k = 1; k <= kDrugPropertyCount; ++k)
            model.SetChecked(k, false);
        for (int k : *drugFilter)
            model.SetChecked(k, true);
        return true;
    }

    std::optional<KingdomDialogResult> ChooseKingdom(
        int nKind, const std::vector<FilterRemedy>& remedies, KingdomFilterState& state) override
    {
        if (nKind == kKingdomMineral) {
            CMineralFilterModel model(m_sink);
            model.Load(m_folder, remedies);
            if (!mineralSteps)
                return std::nullopt;
            for (const std::string& step : *mineralSteps)
                MineralStep(model, step);
            return KingdomDialogResult::FromMineral(model.Ok(state));
        }
        CClassFilterModel model(nKind == kKingdomPlant ? kPlantFilterKind : kAnimalFilterKind, m_sink);
        if (!model.Load(m_folder, remedies) || !classAnswer)
            return std::nullopt;
        if (classAnswer->line > static_cast<int>(model.Classes().size()))
            throw UsageError{"no class line " + std::to_string(classAnswer->line)};
        if (classAnswer->line > 0)
            model.SelectClass(classAnswer->line - 1);
        for (int k : classAnswer->types)
            model.SetTypeChecked(k, true);
        return KingdomDialogResult::FromClass(model.Ok());
    }

private:
    static void MineralStep(CMineralFilterModel& model, const std::string& step)
    {
        if (step == "vertical")
            return model.VerticalClicked(!model.IsVertical());
        if (step == "horizontal")
            return model.HorizontalClicked(!model.IsHorizontal());
        const auto eq = step.find('=');
        const std::string name = step.substr(0, eq);
        const std::string value = eq == std::string::npos ? std::string() : step.substr(eq + 1);
        if (name == "left" || name == "right") {
            // A click at the centre of the cell's square, through the dialog's hit test as a mouse click goes:
            // the gaps of the first row (cells 1 to 16) cannot be hit, so a click there meets no cell.
            const int cell = ParseIndex(value, "cell");
            if (cell >= kCellCount)
                throw UsageError{"cells are 0 to " + std::to_string(kCellCount - 1) + ": " + Shown(value)};
            const CellRect square = CellRectOf(cell);
            const int x = (square.left + square.right) / 2;
            const int y = (square.top + square.bottom) / 2;
            return name == "left" ? model.LeftButton(x, y) : model.RightButton(x, y);
        }
        if (name == "group") {
            const int line = ParseIndex(value, "group line");
            if (line < 1 || line > static_cast<int>(model.Groups().size()))
                throw UsageError{"no group line " + Shown(value)};
            return model.SelectGroup(line - 1);
        }
        throw UsageError{"unknown mineral step: " + Shown(step)};
    }

    const CPracticeFolder& m_folder;
    IMessageSink& m_sink;
};

// The chart as the window holds it: its engine, its methods, its mouse and the dialogs' scripted answers.
struct Chart
{
    Chart(CQuillonState& state, IMessageSink& sink)
        : engine(state, state.m_pRemedyCatalogue.get(), sink),
          methods(state, engine, sink),
          choosers(state.m_folder, sink)
    {
        methods.SetChoosers(&choosers, &choosers, &choosers);
    }

    // A left press and release at these points, through the chart's own mouse routines (bars at the top).
    void LeftClick(int pressX, int pressY, int releaseX, int releaseY)
    {
        ChartLeftButtonDown(methods, engine, geometry, true, pressX, pressY, {symptomPosition, 0}, pointer);
        ChartLeftButtonUp(methods, geometry, releaseX, releaseY, pointer);
        symptomPosition = 0;
    }

    CRepEngine engine;
    CRepMethods methods;
    ScriptedChoosers choosers;
    ChartGeometry geometry;
    ChartPointer pointer;
    int symptomPosition = 0;
};

// An action with `count` parts, none of them empty (an empty list is written "none").
void ExpectParts(const std::vector<std::string>& parts, std::size_t count, const std::string& action)
{
    if (parts.size() != count)
        throw UsageError{"malformed action: " + Shown(action)};
    for (const std::string& part : parts)
        if (part.empty())
            throw UsageError{"empty argument in action: " + Shown(action) + " (write none for an empty list)"};
}

// Symptom List: select line I, Delete, close with OK.
void DeleteFromSymptomList(CQuillonState& state, Chart& chart, int line)
{
    CRecordedSymptoms list(state, 1);
    if (list.Open()) {
        if (line >= static_cast<int>(list.SymptomTexts().size()))
            throw UsageError{"delete: no symptom line " + std::to_string(line)};
        list.SelectSymptom(line);
        if (list.DeleteEnabled())
            list.Delete();
    }
    chart.methods.OnSymptomListClosed();
}

// Symptom List: UnDelete, select line J, Undelete, OK, then OK.
void UndeleteFromSymptomList(CQuillonState& state, Chart& chart, int line)
{
    CRecordedSymptoms list(state, 1);
    if (list.Open()) {
        CUndelete undelete(state);
        if (line >= static_cast<int>(undelete.Texts().size()))
            throw UsageError{"undelete: no deleted line " + std::to_string(line)};
        undelete.Select(line);
        undelete.Undelete();
        list.RefreshAfterUndelete();
    }
    chart.methods.OnSymptomListClosed();
}

void Replay(CQuillonState& state, Chart& chart, const std::string& action)
{
    CRepMethods& m = chart.methods;
    ScriptedChoosers& answers = chart.choosers;
    answers.Clear();
    const auto parts = Split(action, ':');
    if (parts.empty() || parts[0].empty())
        throw UsageError{"empty action"};
    const std::string& verb = parts[0];
    if (parts.size() == 1) {
        if (verb == "normal")
            return (void)m.OnNormal();
        if (verb == "mind")
            return (void)m.OnMind();
        if (verb == "general")
            return (void)m.OnGeneral();
        if (verb == "rest")
            return (void)m.OnRest();
        if (verb == "sorted")
            return (void)m.OnSorted();
        if (verb == "click")
            return chart.LeftClick(0, 0, 0, 0); // empty space
        if (verb == "reset-clipboard")
            return (void)m.OnResetClipboard();
        if (verb == "weightage-cancel")
            return (void)m.OnWeightage();
        if (verb == "drug-filter-cancel")
            return (void)m.OnDrugFilter();
        if (verb == "plant-cancel")
            return (void)m.OnPlantFilter();
        if (verb == "animal-cancel")
            return (void)m.OnAnimalFilter();
        if (verb == "mineral-cancel")
            return (void)m.OnMineralFilter();
    }
    if (verb == "label") {
        ExpectParts(parts, 2, action);
        const ChartGeometry& g = chart.geometry;
        const ChartRect spot = parts[1] == "totality" ? g.TotalityHotSpot()
            : parts[1] == "covered"                   ? g.CoveredHotSpot()
            : parts[1] == "name"                      ? g.NameHotSpot()
                                                      : throw UsageError{"unknown label: " + Shown(parts[1])};
        const int x = (spot.left + spot.right) / 2;
        const int y = (spot.top + spot.bottom) / 2;
        return chart.LeftClick(x, y, x, y);
    }
    if (verb == "weightage") {
        ExpectParts(parts, 2, action);
        std::vector<std::pair<int, int>> intensities;
        for (const std::string& item : ListItems(parts[1], ',')) {
            const auto eq = item.find('=');
            if (eq == std::string::npos)
                throw UsageError{"weightage wants S=W: " + Shown(item)};
            const int intensity = ParseIndex(item.substr(eq + 1), "intensity");
            if (intensity > 9)
                throw UsageError{"intensity must be 0 to 9: " + Shown(item)};
            intensities.emplace_back(ParseIndex(item.substr(0, eq), "symptom"), intensity);
        }
        answers.weightage = intensities;
        return (void)m.OnWeightage();
    }
    if (verb == "drug-filter") {
        ExpectParts(parts, 2, action);
        answers.drugFilter = Numbers(parts[1], "property");
        for (int k : *answers.drugFilter)
            if (k < 1 || k > kDrugPropertyCount)
                throw UsageError{"property numbers run from 1 to 31: " + std::to_string(k)};
        return (void)m.OnDrugFilter();
    }
    if (verb == "drop" || verb == "clip") {
        ExpectParts(parts, 3, action);
        const int symptom = ParseIndex(parts[1], "symptom");
        const int clipboard = ParseIndex(parts[2], "clipboard");
        if (clipboard < 1 || clipboard > 3)
            throw UsageError{"clipboards are 1 to 3: " + Shown(parts[2])};
        if (symptom >= chart.engine.SymptomCount())
            throw UsageError{"no active symptom " + Shown(parts[1])};
        if (verb == "clip") {
            // The popup of a right click on the symptom's line: it picks the symptom and remedy row 0.
            chart.pointer.m_nSelSymptom = symptom;
            chart.pointer.m_nSelRemedy = 0;
            m.Pick(0, symptom);
            return (void)m.DropOnClipboard(clipboard - 1, true);
        }
        // A drag: the press on the symptom's line (scrolled into view), the release over the clipboard's button.
        chart.symptomPosition = std::min(symptom, SymptomScrollRange(chart.engine.SymptomCount()).maximum);
        const DropZone zone = clipboard == 1 ? DropZone::Clipboard1
            : clipboard == 2                 ? DropZone::Clipboard2
                                             : DropZone::Clipboard3;
        const ChartDragPoints at = SymptomDragPoints(chart.geometry, symptom, chart.symptomPosition, zone);
        return chart.LeftClick(at.pressX, at.pressY, at.releaseX, at.releaseY);
    }
    if (verb == "clipboard") {
        ExpectParts(parts, 2, action);
        const int clipboard = ParseIndex(parts[1], "clipboard");
        if (clipboard < 1 || clipboard > 3)
            throw UsageError{"clipboards are 1 to 3: " + Shown(parts[1])};
        return (void)m.OnClipboard(clipboard - 1);
    }
    if (verb == "delete") {
        ExpectParts(parts, 2, action);
        return DeleteFromSymptomList(state, chart, ParseIndex(parts[1], "symptom line"));
    }
    if (verb == "undelete") {
        ExpectParts(parts, 2, action);
        return UndeleteFromSymptomList(state, chart, ParseIndex(parts[1], "deleted line"));
    }
    if (verb == "plant" || verb == "animal") {
        ExpectParts(parts, 3, action);
        answers.classAnswer
            = ScriptedChoosers::ClassAnswer{ParseIndex(parts[1], "class line"), Numbers(parts[2], "type")};
        for (int k : answers.classAnswer->types)
            if (k < 1 || k > kClassTypeCount)
                throw UsageError{"type numbers run from 1 to 12: " + std::to_string(k)};
        return (void)(verb == "plant" ? m.OnPlantFilter() : m.OnAnimalFilter());
    }
    if (verb == "mineral") {
        ExpectParts(parts, 2, action);
        answers.mineralSteps = ListItems(parts[1], ';');
        for (const std::string& step : *answers.mineralSteps)
            if (step.empty())
                throw UsageError{"empty mineral step in action: " + Shown(action)};
        return (void)m.OnMineralFilter();
    }
    throw UsageError{"unknown action: " + Shown(action)};
}

} // namespace

int ParseReportIndex(const std::string& text, const char* what)
{
    return ParseIndex(text, what);
}

std::string Field(std::string_view cp1252)
{
    return Cp1252ToUtf8(EscapeTextField(cp1252));
}

std::string Shown(std::string_view argument)
{
    return EscapeTextField(argument);
}

bool FindFolder(const std::string& dir, Transcript& t)
{
    std::error_code ec;
    if (std::filesystem::is_directory(dir, ec))
        return true;
    t.Fail("no practice folder " + Shown(dir));
    return false;
}

void Transcript::Show(const Message& message)
{
    const std::string line = "message\t" + Field(message.text) + '\n';
    m_messages += line;
    ++m_reported;
    if (m_messagesInOutput)
        m_out << line;
}

int Transcript::Fail(const std::string& text)
{
    m_messages += "quillon-report: " + text + '\n';
    ++m_reported;
    return kCaseNotLoaded;
}

int Transcript::Finish(int status, std::ostream& out, std::ostream& err)
{
    if (status == kDone) {
        out << EscapeControls(m_out.str(), !m_outputInCodePage);
        if (!m_messagesInOutput)
            err << EscapeControls(m_messages, true);
        return status;
    }
    // A failure always says why; the output of a run that failed is not printed.
    if (m_reported == 0)
        Fail("the command ended without a result");
    err << EscapeControls(m_messages, true);
    return status;
}

int Transcript::FinishWithUsageError(const std::string& text, std::ostream& err)
{
    err << EscapeControls(m_messages, true) << "quillon-report: " << EscapeControls(text, true) << '\n';
    return kUsageError;
}

ChartRequest ParseChartRequest(const std::vector<std::string>& args, const std::string& usage,
    std::initializer_list<std::string_view> valueOptions)
{
    if (args.size() < 2)
        throw UsageError{"usage: quillon-report [--dir DIR] " + usage};
    ChartRequest request;
    request.regNo = args[1];
    bool visitGiven = false;
    for (std::size_t i = 2; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool takesValue = arg == "--visit" || arg == "--do"
            || std::find(valueOptions.begin(), valueOptions.end(), arg) != valueOptions.end();
        if (takesValue && i + 1 >= args.size())
            throw UsageError{Shown(arg) + " needs a value"};
        if (arg == "--visit") {
            if (visitGiven)
                throw UsageError{"--visit given twice"};
            visitGiven = true;
            request.visit = ParseIndex(args[++i], "visit");
        } else if (arg == "--do") {
            request.actions.push_back(args[++i]);
        } else if (takesValue) {
            request.extra.emplace_back(arg, args[++i]);
        } else {
            request.extra.emplace_back(arg, std::string());
        }
    }
    return request;
}

int WithChart(const std::string& dir, const ChartRequest& request, Transcript& t,
    const std::function<int(CQuillonState&, CRepEngine&, CRepMethods&)>& use)
{
    if (!FindFolder(dir, t))
        return kCaseNotLoaded;
    CQuillonState state(CPracticeFolder(dir), t);
    state.LoadCatalogue();
    if (!SelectPatient(state, request.regNo, t))
        return kCaseNotLoaded;
    // As the window does: Select Patient's OK loads a one-visit patient's visit and opens the chart when it
    // holds symptoms; with several visits the Recorded Symptoms dialog loads the chosen date and Rep_Table opens it.
    const int reported = t.Reported();
    switch (ChooseCurrentPatient(state, request.visit)) {
    case PatientChoice::OpenChart: break;
    case PatientChoice::RecordedSymptoms:
        if (!OpenVisitForChart(state, request.visit))
            return t.Reported() > reported ? kCaseNotLoaded
                                           : SilentVisitFailure(t, state, request.regNo, request.visit);
        break;
    case PatientChoice::NoSuchVisit:
        return t.Fail("patient " + Shown(request.regNo) + " has no visit " + std::to_string(request.visit));
    case PatientChoice::StayOpen: return kCaseNotLoaded;
    case PatientChoice::NothingToOpen:
        return t.Reported() > reported ? kCaseNotLoaded : SilentVisitFailure(t, state, request.regNo, request.visit);
    }
    Chart chart(state, t);
    if (!chart.methods.Start())
        return kCaseNotLoaded;
    for (const std::string& action : request.actions)
        Replay(state, chart, action);
    return use(state, chart.engine, chart.methods);
}

namespace {

int ChartCommand(Context& c)
{
    const ChartRequest request = ParseChartRequest(c.args, "chart REGNO [--visit N] [--do ACTION]...");
    if (!request.extra.empty())
        throw UsageError{"unexpected argument: " + Shown(request.extra.front().first)};
    c.t.MessagesInOutput(true);
    return WithChart(c.dir, request, c.t, [&c](CQuillonState&, CRepEngine& engine, CRepMethods& methods) {
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
    return WithChart(c.dir, request, c.t, [&](CQuillonState& state, CRepEngine& engine, CRepMethods& methods) {
        return MateriaMedicaReport(state, engine, methods, c.t, rest);
    });
}

int Symptoms(Context& c)
{
    if (c.args.size() != 2 && !(c.args.size() == 4 && c.args[2] == "--visit"))
        throw UsageError{"usage: quillon-report [--dir DIR] symptoms REGNO [--visit N]"};
    const int visit = c.args.size() == 4 ? ParseIndex(c.args[3], "visit") : 0;
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
    return "usage: quillon-report [--dir DIR] COMMAND ARGS\n"
           "\n"
           "Reads the practice folder DIR (default: the working directory) as Quillon does.\n"
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
           "  materia-medica REGNO [--visit N] [--do ACTION]... OPTION MARKS RANK...\n"
           "                           converts chart ranks (OPTION complete|compare|differentiate|single|one|create,\n"
           "                           MARKS all|none|digits 1-5) and prints the materia medica view\n"
           "\n"
           "actions: normal mind general rest sorted click label:totality|covered|name\n"
           "  weightage:S=W,... weightage-cancel  drug-filter:K,... drug-filter-cancel\n"
           "  drop:S:C clip:S:C clipboard:C reset-clipboard  delete:I undelete:J\n"
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

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, IChartPdfWriter* pdf)
{
    Transcript t;
    Context c{".", {}, t};
    try {
        bool dirGiven = false;
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
            if (command == "chart")
                return ChartCommand(c);
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

} // namespace quillon::report
