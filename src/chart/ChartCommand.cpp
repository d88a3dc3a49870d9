// The chart's commands as text.
#include "chart/ChartCommand.h"

#include "casedata/TextCodec.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace quillon {
namespace {

// What follows a verb's name in its text.
enum class Arguments {
    None, // the name alone
    Label, // :totality, :covered or :name
    Intensities, // :S=W,S=W,...
    Properties, // :P,P,...
    Symptom, // :S (a symptom or a line, as `what` names it)
    SymptomOnClipboard, // :S:C
    Clipboard, // :C
    ClassAndTypes, // :LINE:T,T,...
    MineralSteps, // :STEP;STEP;...
};

struct VerbName
{
    ChartVerb verb;
    const char* name;
    Arguments arguments;
    bool dialog = false; // answered by a dialog: the name with "-cancel" alone names its Cancel
    const char* what = "symptom";
};

constexpr std::array kVerbs{VerbName{ChartVerb::Normal, "normal", Arguments::None},
    VerbName{ChartVerb::Mind, "mind", Arguments::None}, VerbName{ChartVerb::General, "general", Arguments::None},
    VerbName{ChartVerb::Rest, "rest", Arguments::None}, VerbName{ChartVerb::Sorted, "sorted", Arguments::None},
    VerbName{ChartVerb::Click, "click", Arguments::None},
    VerbName{ChartVerb::ResetClipboard, "reset-clipboard", Arguments::None},
    VerbName{ChartVerb::Label, "label", Arguments::Label},
    VerbName{ChartVerb::Weightage, "weightage", Arguments::Intensities, true},
    VerbName{ChartVerb::DrugFilter, "drug-filter", Arguments::Properties, true},
    VerbName{ChartVerb::Drop, "drop", Arguments::SymptomOnClipboard},
    VerbName{ChartVerb::Clip, "clip", Arguments::SymptomOnClipboard},
    VerbName{ChartVerb::Clipboard, "clipboard", Arguments::Clipboard},
    VerbName{ChartVerb::Delete, "delete", Arguments::Symptom, false, "symptom line"},
    VerbName{ChartVerb::Undelete, "undelete", Arguments::Symptom, false, "deleted line"},
    VerbName{ChartVerb::Plant, "plant", Arguments::ClassAndTypes, true},
    VerbName{ChartVerb::Animal, "animal", Arguments::ClassAndTypes, true},
    VerbName{ChartVerb::Mineral, "mineral", Arguments::MineralSteps, true},
    VerbName{ChartVerb::Eliminate, "eliminate", Arguments::Symptom}};

const VerbName& VerbOf(ChartVerb verb)
{
    return *std::find_if(kVerbs.begin(), kVerbs.end(), [verb](const VerbName& v) { return v.verb == verb; });
}

struct LabelName
{
    ChartLabel label;
    const char* name;
};

constexpr std::array kLabels{LabelName{ChartLabel::Totality, "totality"}, LabelName{ChartLabel::Covered, "covered"},
    LabelName{ChartLabel::Name, "name"}};

std::string Shown(std::string_view text)
{
    return EscapeTextField(text);
}

// A list argument: items separated by `separator`, or "none" for an empty list.
std::vector<std::string> ListItems(std::string_view text, char separator)
{
    if (text == "none" || text.empty())
        return {};
    return SplitFields(text, separator);
}

std::vector<int> Numbers(std::string_view text, const char* what, int last, const char* range)
{
    std::vector<int> numbers;
    for (const std::string& part : ListItems(text, ','))
        numbers.push_back(ParseWholeNumber(part, what));
    for (int k : numbers)
        if (k < 1 || k > last)
            throw UsageError{std::string(range) + std::to_string(k)};
    return numbers;
}

int ClipboardNumber(const std::string& text)
{
    const int clipboard = ParseWholeNumber(text, "clipboard");
    if (clipboard < 1 || clipboard > 3)
        throw UsageError{"clipboards are 1 to 3: " + Shown(text)};
    return clipboard;
}

// An action with `count` parts, none of them empty (an empty list is written "none").
void ExpectParts(const std::vector<std::string>& parts, std::size_t count, std::string_view action)
{
    if (parts.size() != count)
        throw UsageError{"malformed action: " + Shown(action)};
    for (const std::string& part : parts)
        if (part.empty())
            throw UsageError{"empty argument in action: " + Shown(action) + " (write none for an empty list)"};
}

template <typename T, typename Format> std::string List(const std::vector<T>& items, char separator, Format format)
{
    if (items.empty())
        return "none";
    std::string text;
    for (const T& item : items) {
        if (!text.empty())
            text += separator;
        text += format(item);
    }
    return text;
}

} // namespace

std::optional<int> WholeNumber(std::string_view text)
{
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < 0)
        return std::nullopt;
    return value;
}

int ParseWholeNumber(std::string_view text, const char* what)
{
    const std::optional<int> value = WholeNumber(text);
    if (!value)
        throw UsageError{std::string(what) + " must be a whole number from 0: " + Shown(text)};
    return *value;
}

ChartCommand ParseChartCommand(std::string_view action)
{
    const auto parts = SplitFields(action, ':');
    if (parts.empty() || parts[0].empty())
        throw UsageError{"empty action"};
    const std::string& word = parts[0];
    ChartCommand command;
    if (parts.size() == 1) {
        for (const VerbName& v : kVerbs) {
            const bool plain = word == v.name && v.arguments == Arguments::None;
            if (plain || (v.dialog && word == std::string(v.name) + "-cancel")) {
                command.verb = v.verb;
                command.cancel = !plain;
                return command;
            }
        }
    }
    const auto verb = std::find_if(kVerbs.begin(), kVerbs.end(), [&word](const VerbName& v) { return word == v.name; });
    if (verb == kVerbs.end() || verb->arguments == Arguments::None)
        throw UsageError{"unknown action: " + Shown(action)};
    command.verb = verb->verb;
    const std::size_t count
        = verb->arguments == Arguments::SymptomOnClipboard || verb->arguments == Arguments::ClassAndTypes ? 3 : 2;
    ExpectParts(parts, count, action);
    switch (verb->arguments) {
    case Arguments::None: break;
    case Arguments::Label: {
        const auto at
            = std::find_if(kLabels.begin(), kLabels.end(), [&parts](const LabelName& l) { return parts[1] == l.name; });
        if (at == kLabels.end())
            throw UsageError{"unknown label: " + Shown(parts[1])};
        command.label = at->label;
        break;
    }
    case Arguments::Intensities:
        for (const std::string& item : ListItems(parts[1], ',')) {
            const auto eq = item.find('=');
            if (eq == std::string::npos)
                throw UsageError{"weightage wants S=W: " + Shown(item)};
            const int intensity = ParseWholeNumber(item.substr(eq + 1), "intensity");
            if (intensity > 9)
                throw UsageError{"intensity must be 0 to 9: " + Shown(item)};
            command.intensities.emplace_back(ParseWholeNumber(item.substr(0, eq), "symptom"), intensity);
        }
        break;
    case Arguments::Properties:
        command.numbers = Numbers(parts[1], "property", 31, "property numbers run from 1 to 31: ");
        break;
    case Arguments::Symptom: command.symptom = ParseWholeNumber(parts[1], verb->what); break;
    case Arguments::SymptomOnClipboard:
        command.symptom = ParseWholeNumber(parts[1], "symptom");
        command.clipboard = ClipboardNumber(parts[2]);
        break;
    case Arguments::Clipboard: command.clipboard = ClipboardNumber(parts[1]); break;
    case Arguments::ClassAndTypes:
        command.classLine = ParseWholeNumber(parts[1], "class line");
        command.numbers = Numbers(parts[2], "type", 12, "type numbers run from 1 to 12: ");
        break;
    case Arguments::MineralSteps:
        command.mineralSteps = ListItems(parts[1], ';');
        for (const std::string& step : command.mineralSteps)
            if (step.empty())
                throw UsageError{"empty mineral step in action: " + Shown(action)};
        break;
    }
    return command;
}

std::string FormatChartCommand(const ChartCommand& command)
{
    const VerbName& verb = VerbOf(command.verb);
    std::string text = verb.name;
    if (command.cancel && verb.dialog)
        return text + "-cancel";
    const auto number = [](int n) { return std::to_string(n); };
    switch (verb.arguments) {
    case Arguments::None: return text;
    case Arguments::Label:
        return text + ':' + std::find_if(kLabels.begin(), kLabels.end(), [&command](const LabelName& l) {
            return l.label == command.label;
        })->name;
    case Arguments::Intensities:
        return text + ':' + List(command.intensities, ',', [](const std::pair<int, int>& w) {
            return std::to_string(w.first) + '=' + std::to_string(w.second);
        });
    case Arguments::Properties: return text + ':' + List(command.numbers, ',', number);
    case Arguments::Symptom: return text + ':' + number(command.symptom);
    case Arguments::SymptomOnClipboard: return text + ':' + number(command.symptom) + ':' + number(command.clipboard);
    case Arguments::Clipboard: return text + ':' + number(command.clipboard);
    case Arguments::ClassAndTypes:
        return text + ':' + number(command.classLine) + ':' + List(command.numbers, ',', number);
    case Arguments::MineralSteps:
        return text + ':' + List(command.mineralSteps, ';', [](const std::string& step) { return step; });
    }
    return text;
}

} // namespace quillon
