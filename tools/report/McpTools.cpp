// The tools of quillon-report mcp: each runs the quillon-report command of the same name in-process (read only)
// and reads its records into typed fields, so that a tool's text is the command's output and its fields the same
// data.
#include "report/McpTools.h"
#include "report/Report.h"
#include "report/ReportChart.h"

#include "casebook/CaseBook.h"
#include "casedata/PatientIndex.h"
#include "casedata/RemedyCatalogue.h"
#include "casedata/TextCodec.h"
#include "engine/ChartDump.h"
#include "engine/RepEngine.h"
#include "state/PatientSelection.h"
#include "state/QuillonState.h"
#include "symptoms/RecordedSymptoms.h"

#include <charconv>
#include <functional>
#include <sstream>

namespace quillon::report {
namespace {

using nlohmann::json;

// How a field of a record is typed: a text, a whole number, a number or "-" (null), the rest of the line as
// texts, numbers separated by spaces, texts separated by commas.
enum class Kind { Text, Number, NumberOrNone, RestTexts, Numbers, CommaTexts };

struct FieldSpec
{
    const char* name;
    Kind kind;
};

// Lines starting with `tag` (empty: any line) become one object (`many` false) or an array under `key`.
struct RecordSpec
{
    const char* tag;
    const char* key;
    bool many;
    std::vector<FieldSpec> fields;
};

// The arguments of a tool; each becomes words of the command line.
enum class Arg { Patient, Visit, Actions, Top, Rank, Kingdom, FromVisit, ToVisit, Option, Marks, Ranks, Analysis };

struct ToolSpec
{
    const char* name;
    const char* title;
    const char* description;
    const char* command;
    std::vector<Arg> args;
    std::vector<Arg> required;
    std::vector<RecordSpec> records;
};

const RecordSpec kMessages{"message", "messages", true, {{"text", Kind::Text}}};

const std::vector<RecordSpec> kChartRecords{{"caption", "caption", false, {{"text", Kind::Text}}},
    {"counters", "counters", false,
        {{"mind", Kind::Number}, {"general", Kind::Number}, {"rest", Kind::Number}, {"clipboard1", Kind::Number},
            {"clipboard2", Kind::Number}, {"clipboard3", Kind::Number}}},
    {"S", "symptoms", true, {{"index", Kind::Number}, {"text", Kind::Text}, {"marks", Kind::RestTexts}}},
    {"R", "remedies", true,
        {{"rank", Kind::Number}, {"abbreviation", Kind::Text}, {"totality", Kind::Number}, {"covered", Kind::Number},
            {"grades", Kind::Numbers}}},
    kMessages};

constexpr const char* kActionsText = " Actions are chart operations in quillon-report's --do words, replayed in order "
                                     "(normal mind general rest sorted click weightage:S=W,... drug-filter:K,... "
                                     "drop:S:C clip:S:C clipboard:C delete:I undelete:J eliminate:S plant:CLASS:TYPES "
                                     "animal:CLASS:TYPES mineral:STEPS and their -cancel forms).";

const std::vector<ToolSpec>& Tools()
{
    static const std::vector<ToolSpec> tools{
        {"list_patients", "Patients",
            "Lists the practice's patients: registration number, age, number of visits and the last visit date. "
            "Patients are named by their registration numbers; use one as `patient` in the other tools.",
            "patients", {}, {},
            {{"", "patients", true,
                {{"registration", Kind::Text}, {"age", Kind::Text}, {"lastVisit", Kind::Text},
                    {"visits", Kind::Number}}}}},
        {"list_visits", "Visits", "Lists a patient's visits: the index (from 0) to pass as `visit`, and the date.",
            "visits", {Arg::Patient}, {Arg::Patient},
            {{"", "visits", true, {{"index", Kind::Number}, {"date", Kind::Text}}}}},
        {"visit_symptoms", "Recorded symptoms",
            "The recorded symptoms of one visit (default the first, 0) as the practitioner's program exported them, "
            "one text line each, with the remedies and grades the repertory gives.",
            "symptoms", {Arg::Patient, Arg::Visit}, {Arg::Patient}, {}},
        {"repertorise", "Repertorise a visit",
            "Opens the repertorisation chart of a visit, replays the actions and gives the caption, the method "
            "counters, the symptoms and the remedies by rank: code, abbreviation, full name, totality, symptoms "
            "covered and the grade (0-4) per symptom. `top` keeps the first N remedies.",
            "chart", {Arg::Patient, Arg::Visit, Arg::Actions, Arg::Top}, {Arg::Patient}, kChartRecords},
        {"strategies", "Strategies",
            "The first K remedies (5 to 50, default 10) of the chart read five ways: by totality, by symptoms "
            "covered, weighted, small rubrics counting more, and under elimination; each with the score it ranks "
            "by.",
            "strategies", {Arg::Patient, Arg::Visit, Arg::Actions, Arg::Top}, {Arg::Patient},
            {{"note", "notes", true, {{"strategy", Kind::Text}, {"text", Kind::Text}}},
                {"K", "rows", true,
                    {{"strategy", Kind::Text}, {"rank", Kind::Number}, {"abbreviation", Kind::Text},
                        {"score", Kind::Number}}},
                kMessages}},
        {"families", "Families",
            "The plant, animal and mineral families of the chart's remedies (default the first 20): kingdom, "
            "family, how many remedies, their summed totality, the best rank and the first three remedies.",
            "families", {Arg::Patient, Arg::Visit, Arg::Actions, Arg::Kingdom, Arg::Top}, {Arg::Patient},
            {{"F", "families", true,
                 {{"kingdom", Kind::Text}, {"family", Kind::Text}, {"count", Kind::Number}, {"sum", Kind::Number},
                     {"best", Kind::Number}, {"first", Kind::CommaTexts}}},
                kMessages}},
        {"compare_visits", "Compare two visits",
            "How the first K remedies (default 10) moved between two visits of a patient, from the earlier to the "
            "later: rank, totality and symptoms covered at each (null: not among them).",
            "compare", {Arg::Patient, Arg::FromVisit, Arg::ToVisit, Arg::Top},
            {Arg::Patient, Arg::FromVisit, Arg::ToVisit},
            {{"visits", "visits", false, {{"earlier", Kind::Text}, {"later", Kind::Text}}},
                {"symptoms", "symptoms", false,
                    {{"earlier", Kind::Number}, {"later", Kind::Number}, {"shared", Kind::Number}}},
                {"R", "remedies", true,
                    {{"abbreviation", Kind::Text}, {"rankEarlier", Kind::NumberOrNone},
                        {"rankLater", Kind::NumberOrNone}, {"totalityEarlier", Kind::NumberOrNone},
                        {"totalityLater", Kind::NumberOrNone}, {"coveredEarlier", Kind::NumberOrNone},
                        {"coveredLater", Kind::NumberOrNone}}}}},
        {"stability", "Rank stability",
            "For the first K remedies (default 10) of a visit: the worst rank each falls to when any one symptom "
            "is left out, the symptom (index) responsible, and how many omissions change its rank.",
            "stability", {Arg::Patient, Arg::Visit, Arg::Top}, {Arg::Patient},
            {{"symptoms", "symptoms", false, {{"count", Kind::Number}}},
                {"R", "remedies", true,
                    {{"rank", Kind::Number}, {"abbreviation", Kind::Text}, {"totality", Kind::Number},
                        {"covered", Kind::Number}, {"worstRank", Kind::NumberOrNone},
                        {"worstSymptom", Kind::NumberOrNone}, {"changes", Kind::Number}}}}},
        {"symptom_coverage", "Symptoms covered by a remedy",
            "The rubrics the remedy at chart rank `rank` (from 1) covers and those it does not, with their levels.",
            "covered", {Arg::Patient, Arg::Visit, Arg::Actions, Arg::Rank}, {Arg::Patient, Arg::Rank},
            {{"remedy", "remedy", false, {{"abbreviation", Kind::Text}}},
                {"fullname", "fullName", false, {{"text", Kind::Text}}},
                {"C", "covered", true, {{"level", Kind::Number}, {"text", Kind::Text}}},
                {"N", "notCovered", true, {{"level", Kind::Number}, {"text", Kind::Text}}}, kMessages}},
        {"materia_medica", "Materia medica",
            "Converts chart ranks to the materia medica view: option complete, compare, differentiate, single, one "
            "or create; marks all, none or grade digits 1-5; the lines with each remedy's cell.",
            "materia-medica", {Arg::Patient, Arg::Visit, Arg::Actions, Arg::Option, Arg::Marks, Arg::Ranks},
            {Arg::Patient, Arg::Option, Arg::Marks, Arg::Ranks},
            {{"title", "title", false, {{"text", Kind::Text}}},
                {"columns", "columns", false, {{"labels", Kind::RestTexts}}},
                {"L", "lines", true, {{"level", Kind::Number}, {"text", Kind::Text}, {"cells", Kind::RestTexts}}},
                {"summary", "summary", false, {{"label", Kind::Text}, {"texts", Kind::RestTexts}}}, kMessages}},
        {"analyses", "Saved analyses",
            "The patient's analyses saved in the case book, oldest first: id, visit date, name, number of steps "
            "and the latest prescription.",
            "analyses", {Arg::Patient}, {Arg::Patient},
            {{"A", "analyses", true,
                {{"id", Kind::Number}, {"visitDate", Kind::Text}, {"name", Kind::Text}, {"steps", Kind::Number},
                    {"prescription", Kind::Text}}}}},
        {"open_analysis", "Open a saved analysis",
            "Replays a saved analysis on its visit and gives the restored chart, with the analysis's name, date, "
            "steps and prescriptions.",
            "chart", {Arg::Patient, Arg::Analysis}, {Arg::Patient, Arg::Analysis}, kChartRecords},
    };
    return tools;
}

const char* ArgName(Arg arg)
{
    switch (arg) {
    case Arg::Patient: return "patient";
    case Arg::Visit: return "visit";
    case Arg::Actions: return "actions";
    case Arg::Top: return "top";
    case Arg::Rank: return "rank";
    case Arg::Kingdom: return "kingdom";
    case Arg::FromVisit: return "fromVisit";
    case Arg::ToVisit: return "toVisit";
    case Arg::Option: return "option";
    case Arg::Marks: return "marks";
    case Arg::Ranks: return "ranks";
    case Arg::Analysis: return "analysis";
    }
    return "";
}

json With(json schema, const char* description)
{
    schema["description"] = description;
    return schema;
}

json ArgSchema(Arg arg, const char* tool)
{
    const json index{{"type", "integer"}, {"minimum", 0}};
    const json fromOne{{"type", "integer"}, {"minimum", 1}};
    switch (arg) {
    case Arg::Patient:
        return {{"type", "string"}, {"minLength", 1}, {"description", "the patient's registration number"}};
    case Arg::Visit: return With(index, "the visit's index (default 0)");
    case Arg::FromVisit:
    case Arg::ToVisit: return With(index, "a visit's index");
    case Arg::Actions:
        return {{"type", "array"}, {"items", {{"type", "string"}, {"minLength", 1}}},
            {"description", std::string("chart actions to replay first.") + kActionsText}};
    case Arg::Top: return With(fromOne, std::string(tool) == "repertorise" ? "keep the first N remedies" : "how many");
    case Arg::Rank: return With(fromOne, "the remedy's chart rank");
    case Arg::Kingdom: return {{"type", "string"}, {"enum", {"all", "plant", "animal", "mineral"}}};
    case Arg::Option:
        return {{"type", "string"}, {"enum", {"complete", "compare", "differentiate", "single", "one", "create"}}};
    case Arg::Marks: return {{"type", "string"}, {"description", "all, none or grade digits 1-5"}};
    case Arg::Ranks: return {{"type", "array"}, {"items", fromOne}, {"minItems", 1}};
    case Arg::Analysis: return With(fromOne, "the analysis id of analyses");
    }
    return json::object();
}

json FieldSchema(Kind kind)
{
    switch (kind) {
    case Kind::Text: return {{"type", "string"}};
    case Kind::Number: return {{"type", "integer"}};
    case Kind::NumberOrNone: return {{"type", {"integer", "null"}}};
    case Kind::Numbers: return {{"type", "array"}, {"items", {{"type", "integer"}}}};
    case Kind::RestTexts:
    case Kind::CommaTexts: return {{"type", "array"}, {"items", {{"type", "string"}}}};
    }
    return json::object();
}

json RecordSchema(const RecordSpec& record)
{
    json properties = json::object();
    json required = json::array();
    for (const FieldSpec& field : record.fields) {
        properties[field.name] = FieldSchema(field.kind);
        if (field.kind != Kind::RestTexts)
            required.push_back(field.name);
    }
    return {{"type", "object"}, {"properties", properties}, {"required", required}};
}

// The texts that leave only with --identify, added to the listed records' schemas.
const std::vector<std::pair<std::string, std::string>> kIdentifying{
    {"list_patients", "name"}, {"open_analysis", "notes"}};

json OutputSchema(const ToolSpec& tool)
{
    json properties = json::object();
    json required = json::array();
    for (const RecordSpec& record : tool.records) {
        properties[record.key]
            = record.many ? json{{"type", "array"}, {"items", RecordSchema(record)}} : RecordSchema(record);
        if (record.many)
            required.push_back(record.key);
    }
    const std::string name = tool.name;
    if (name == "list_patients") {
        properties["patients"]["items"]["properties"]["name"] = {{"type", "string"}};
        properties["patients"]["items"]["required"] = {"registration", "age", "lastVisit"};
        properties["physician"] = {{"type", "string"}};
    } else if (name == "visit_symptoms") {
        properties["lines"] = {{"type", "array"}, {"items", {{"type", "string"}}}};
        required.push_back("lines");
    } else if (name == "repertorise" || name == "open_analysis") {
        properties["remedies"]["items"]["properties"]["code"] = {{"type", "integer"}};
        properties["remedies"]["items"]["properties"]["fullName"] = {{"type", "string"}};
    }
    if (name == "open_analysis") {
        properties["analysis"] = {{"type", "object"},
            {"properties",
                {{"id", {{"type", "integer"}}}, {"name", {{"type", "string"}}}, {"visitDate", {{"type", "string"}}},
                    {"created", {{"type", "string"}}}, {"changed", {{"type", "string"}}},
                    {"caption", {{"type", "string"}}}, {"steps", {{"type", "array"}, {"items", {{"type", "string"}}}}},
                    {"notes", {{"type", "string"}}}}},
            {"required", {"id", "name", "visitDate", "steps"}}};
        properties["prescriptions"] = {{"type", "array"},
            {"items",
                {{"type", "object"},
                    {"properties",
                        {{"id", {{"type", "integer"}}}, {"date", {{"type", "string"}}},
                            {"remedyCode", {{"type", "integer"}}}, {"remedyName", {{"type", "string"}}},
                            {"potency", {{"type", "string"}}}, {"repetition", {{"type", "string"}}},
                            {"note", {{"type", "string"}}}}},
                    {"required", {"id", "date", "remedyCode", "remedyName", "potency"}}}}};
        required.push_back("analysis");
        required.push_back("prescriptions");
    }
    return {{"type", "object"}, {"properties", properties}, {"required", required}};
}

// A field that is a whole number, or null ("-" and anything else).
json NumberOf(std::string_view text)
{
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return nullptr;
    return value;
}

// The records of a command's output as typed fields.
json ReadRecords(const std::string& output, const std::vector<RecordSpec>& specs)
{
    json out = json::object();
    for (const RecordSpec& spec : specs)
        if (spec.many)
            out[spec.key] = json::array();
    std::istringstream lines(output);
    std::string line;
    while (std::getline(lines, line)) {
        std::vector<std::string> fields = SplitFields(line, '\t');
        for (const RecordSpec& spec : specs) {
            const bool untagged = *spec.tag == '\0';
            if (!untagged && fields.front() != spec.tag)
                continue;
            json record = json::object();
            std::size_t at = untagged ? 0 : 1;
            for (const FieldSpec& field : spec.fields) {
                const std::string value = at < fields.size() ? fields[at] : std::string();
                switch (field.kind) {
                case Kind::Text: record[field.name] = UnescapeTextField(value); break;
                case Kind::Number:
                case Kind::NumberOrNone: record[field.name] = NumberOf(value); break;
                case Kind::Numbers:
                case Kind::CommaTexts: {
                    const bool numbers = field.kind == Kind::Numbers;
                    json items = json::array();
                    for (const std::string& item : SplitFields(value, numbers ? ' ' : ','))
                        if (!item.empty())
                            items.push_back(numbers ? NumberOf(item) : json(UnescapeTextField(item)));
                    record[field.name] = items;
                    break;
                }
                case Kind::RestTexts: {
                    json texts = json::array();
                    for (std::size_t i = at; i < fields.size(); ++i)
                        texts.push_back(UnescapeTextField(fields[i]));
                    record[field.name] = texts;
                    at = fields.size();
                    break;
                }
                }
                ++at;
            }
            if (spec.many)
                out[spec.key].push_back(record);
            else
                out[spec.key] = record;
            break;
        }
    }
    return out;
}

// A wrong argument of a tool call, said as the model should read it.
struct ArgumentError
{
    std::string text;
};

const json* Find(const json& arguments, Arg arg)
{
    const auto it = arguments.find(ArgName(arg));
    return it == arguments.end() ? nullptr : &*it;
}

std::string Whole(const json& value, Arg arg, long long least)
{
    if (!value.is_number_integer() || value.get<long long>() < least || value.get<long long>() > (1 << 30))
        throw ArgumentError{std::string(ArgName(arg)) + " must be a whole number from " + std::to_string(least)};
    return std::to_string(value.get<long long>());
}

std::string Word(const json& value, Arg arg)
{
    if (!value.is_string() || value.get<std::string>().empty())
        throw ArgumentError{std::string(ArgName(arg)) + " must be a text that is not empty"};
    return value.get<std::string>();
}

// The command line of a tool call: the command's words in the order its usage gives them.
std::vector<std::string> CommandLine(const ToolSpec& tool, const json& arguments, const McpSettings& settings)
{
    for (const auto& [key, value] : arguments.items()) {
        bool known = false;
        for (Arg arg : tool.args)
            known = known || key == ArgName(arg);
        if (!known)
            throw ArgumentError{"unknown argument " + key};
    }
    for (Arg arg : tool.required)
        if (!Find(arguments, arg))
            throw ArgumentError{std::string("missing argument ") + ArgName(arg)};
    std::vector<std::string> words{"--dir", settings.dir};
    if (!settings.casebook.empty())
        words.insert(words.end(), {"--casebook", settings.casebook});
    words.push_back(tool.command);
    std::vector<std::string> tail;
    for (Arg arg : tool.args) {
        const json* value = Find(arguments, arg);
        if (!value)
            continue;
        switch (arg) {
        case Arg::Patient: words.push_back(Word(*value, arg)); break;
        case Arg::Visit: words.insert(words.end(), {"--visit", Whole(*value, arg, 0)}); break;
        case Arg::FromVisit:
        case Arg::ToVisit: words.push_back(Whole(*value, arg, 0)); break;
        case Arg::Actions:
            if (!value->is_array())
                throw ArgumentError{"actions must be a list of texts"};
            for (const json& action : *value)
                words.insert(words.end(), {"--do", Word(action, arg)});
            break;
        case Arg::Top:
            // repertorise keeps the first N rows itself: the chart command has no --top.
            if (std::string(tool.name) != "repertorise")
                tail.insert(tail.end(), {"--top", Whole(*value, arg, 1)});
            else
                Whole(*value, arg, 1);
            break;
        case Arg::Kingdom: tail.insert(tail.end(), {"--kingdom", Word(*value, arg)}); break;
        case Arg::Rank: tail.push_back(Whole(*value, arg, 1)); break;
        case Arg::Analysis: words.insert(words.end(), {"--analysis", Whole(*value, arg, 1)}); break;
        case Arg::Option:
        case Arg::Marks: tail.push_back(Word(*value, arg)); break;
        case Arg::Ranks:
            if (!value->is_array() || value->empty())
                throw ArgumentError{"ranks must be a list of chart ranks from 1"};
            for (const json& rank : *value)
                tail.push_back(Whole(rank, arg, 1));
            break;
        }
    }
    words.insert(words.end(), tail.begin(), tail.end());
    return words;
}

struct CommandRun
{
    int status = 0;
    std::string out;
    std::string err;
};

CommandRun RunCommand(const std::vector<std::string>& words)
{
    std::ostringstream out, err;
    CommandRun run;
    run.status = RunReadingOnly(words, out, err);
    run.out = out.str();
    run.err = err.str();
    return run;
}

// The patients' list without --identify: no physician line and no name column.
McpToolResult Patients(const CommandRun& run, const McpSettings& settings)
{
    McpToolResult result;
    json patients = json::array();
    std::istringstream lines(run.out);
    std::string line;
    json physician;
    // The visits are counted as the visits command lists them, the practice's index read once for all patients.
    NullMessageSink quiet;
    CQuillonState state(CPracticeFolder(settings.dir), quiet);
    const auto index = LoadPatientIndex(state.Folder(), quiet);
    while (std::getline(lines, line)) {
        const std::vector<std::string> f = SplitFields(line, '\t');
        if (f.size() == 2 && f[0] == "physician") {
            physician = UnescapeTextField(f[1]);
            if (settings.identify)
                result.text += line + '\n';
            continue;
        }
        if (f.size() != 4)
            continue;
        result.text += settings.identify ? line + '\n' : f[0] + '\t' + f[2] + '\t' + f[3] + '\n';
        json patient{{"registration", UnescapeTextField(f[0])}, {"age", UnescapeTextField(f[2])},
            {"lastVisit", UnescapeTextField(f[3])}};
        if (settings.identify)
            patient["name"] = UnescapeTextField(f[1]);
        if (const PatientRow* row = index ? FindPatientRow(*index, UnescapeTextField(f[0])) : nullptr) {
            SetCurrentPatient(state, *row, index->physician);
            if (state.LoadVisitIndex())
                patient["visits"] = state.VisitCount();
        }
        patients.push_back(patient);
    }
    result.structured = {{"patients", patients}};
    if (settings.identify && !physician.is_null())
        result.structured["physician"] = physician;
    return result;
}

// The chart command (chart REGNO [--visit N] [--do ACTION]...) as Run runs it, with the remedies' codes and full
// names by rank taken from the same chart.
CommandRun RunChart(const std::vector<std::string>& words, int top, json& identities)
{
    const auto command = std::find(words.begin(), words.end(), "chart");
    std::ostringstream out, err;
    Transcript t;
    CommandRun run;
    try {
        const ChartRequest request = ParseChartRequest(
            std::vector<std::string>(command, words.end()), "chart REGNO [--visit N] [--do ACTION]...");
        t.MessagesInOutput(true);
        const int status = WithChart(
            words[1], request, t, [&](CQuillonState& state, const CRepEngine& engine, const CRepMethods& methods) {
                t.Out() << DumpChart(engine, methods, top);
                for (int r = 0; r < engine.RemedyCount() && (top < 0 || r < top); ++r) {
                    const RemedyResult* remedy = engine.SortedRemedy(r);
                    const RemedyEntry* entry
                        = remedy && state.Catalogue() ? state.Catalogue()->Entry(remedy->code) : nullptr;
                    identities.push_back({{"code", remedy ? remedy->code : 0},
                        {"fullName", entry ? Cp1252ToUtf8(entry->fullName) : std::string()}});
                }
                return static_cast<int>(kDone);
            });
        run.status = t.Finish(status, out, err);
    } catch (const UsageError& e) {
        run.status = t.FinishWithUsageError(e.text, err);
    } catch (const std::exception& e) {
        t.Fail(e.what());
        run.status = t.Finish(kCaseNotLoaded, out, err);
    }
    run.out = out.str();
    run.err = err.str();
    return run;
}

// The analysis of an open_analysis call as the case book holds it, read only.
void AddAnalysis(json& structured, long long id, const McpSettings& settings)
{
    RecordingMessageSink sink;
    CaseBookOptions options;
    options.onlyRead = true;
    const auto book = CCaseBook::Open(
        settings.casebook.empty() ? DefaultCaseBookPath() : std::filesystem::path(settings.casebook), sink, options);
    const auto analysis = book ? book->LoadAnalysis(id) : std::nullopt;
    const auto patient = analysis ? book->PatientOf(id) : std::nullopt;
    if (!analysis || !patient)
        return;
    json record{{"id", analysis->id}, {"name", analysis->name}, {"visitDate", analysis->visit.date},
        {"created", analysis->created}, {"changed", analysis->changed}, {"caption", analysis->caption},
        {"steps", analysis->steps}};
    if (settings.identify)
        record["notes"] = analysis->notes;
    json prescriptions = json::array();
    for (const PrescriptionRecord& p : book->ListPrescriptions(patient->practice, patient->regNo)) {
        if (p.analysisId != id)
            continue;
        json one{{"id", p.id}, {"date", p.date}, {"remedyCode", p.remedyCode}, {"remedyName", p.remedyName},
            {"potency", p.potency}, {"repetition", p.repetition}};
        if (settings.identify)
            one["note"] = p.note;
        prescriptions.push_back(one);
    }
    structured["analysis"] = record;
    structured["prescriptions"] = prescriptions;
}

McpToolResult ErrorResult(std::string text)
{
    while (!text.empty() && text.back() == '\n')
        text.pop_back();
    return {text.empty() ? "the call failed" : text, nullptr, true};
}

} // namespace

json McpToolList(bool structured)
{
    json list = json::array();
    for (const ToolSpec& tool : Tools()) {
        json properties = json::object();
        json required = json::array();
        for (Arg arg : tool.args)
            properties[ArgName(arg)] = ArgSchema(arg, tool.name);
        for (Arg arg : tool.required)
            required.push_back(ArgName(arg));
        json entry{{"name", tool.name}, {"description", tool.description},
            {"inputSchema",
                {{"type", "object"}, {"properties", properties}, {"required", required},
                    {"additionalProperties", false}}},
            {"annotations",
                {{"title", tool.title}, {"readOnlyHint", true}, {"destructiveHint", false}, {"idempotentHint", true},
                    {"openWorldHint", false}}}};
        if (structured) {
            entry["title"] = tool.title;
            entry["outputSchema"] = OutputSchema(tool);
        }
        list.push_back(entry);
    }
    return list;
}

std::optional<McpToolResult> CallMcpTool(const std::string& name, const json& arguments, const McpSettings& settings)
{
    const auto& tools = Tools();
    const auto tool = std::find_if(tools.begin(), tools.end(), [&](const ToolSpec& t) { return name == t.name; });
    if (tool == tools.end())
        return std::nullopt;
    std::vector<std::string> words;
    try {
        words = CommandLine(*tool, arguments, settings);
    } catch (const ArgumentError& e) {
        return ErrorResult(e.text);
    }
    json identities = json::array();
    const json* top = Find(arguments, Arg::Top);
    const CommandRun run
        = name == "repertorise" ? RunChart(words, top ? top->get<int>() : -1, identities) : RunCommand(words);
    if (run.status != kDone)
        return ErrorResult(run.err);
    if (name == "list_patients")
        return Patients(run, settings);
    McpToolResult result{run.out, nullptr, false};
    if (name == "visit_symptoms") {
        // The file's bytes are of the practice's code page; the protocol speaks UTF-8.
        result.text = Cp1252ToUtf8(run.out);
        std::vector<std::string> lines = SplitFields(result.text, '\n');
        if (lines.back().empty())
            lines.pop_back();
        for (std::string& line : lines)
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
        // The header's third and fourth lines name the patient and the physician.
        if (!settings.identify && lines.size() > 3) {
            const std::size_t date = lines[2].find(kExportDateLabel);
            if (lines[2].rfind(kExportPatientLabel, 0) == 0 && date != std::string::npos)
                lines[2]
                    = kExportPatientLabel + Find(arguments, Arg::Patient)->get<std::string>() + lines[2].substr(date);
            if (lines[3].rfind(kExportPhysicianLabel, 0) == 0)
                lines[3] = kExportPhysicianLabel;
            result.text.clear();
            for (const std::string& line : lines)
                result.text += line + "\r\n";
        }
        result.structured = {{"lines", lines}};
        return result;
    }
    result.structured = ReadRecords(result.text, tool->records);
    if (name == "repertorise" || name == "open_analysis") {
        json& remedies = result.structured["remedies"];
        if (name == "repertorise") {
            for (std::size_t r = 0; r < remedies.size() && r < identities.size(); ++r)
                remedies[r].update(identities[r]);
        } else {
            AddAnalysis(result.structured, Find(arguments, Arg::Analysis)->get<long long>(), settings);
        }
    }
    return result;
}

} // namespace quillon::report
