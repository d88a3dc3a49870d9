// The chart's commands as text.
#include "chart/ChartCommand.h"

#include "casedata/TextCodec.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace quillon {
namespace {

struct VerbName
{
    ChartVerb verb;
    const char* name;
    bool dialog; // answered by a dialog: "-cancel" names its Cancel
};

constexpr std::array kVerbs{VerbName{ChartVerb::Normal, "normal", false}, VerbName{ChartVerb::Mind, "mind", false},
    VerbName{ChartVerb::General, "general", false}, VerbName{ChartVerb::Rest, "rest", false},
    VerbName{ChartVerb::Sorted, "sorted", false}, VerbName{ChartVerb::Click, "click", false},
    VerbName{ChartVerb::ResetClipboard, "reset-clipboard", false}, VerbName{ChartVerb::Label, "label", false},
    VerbName{ChartVerb::Weightage, "weightage", true}, VerbName{ChartVerb::DrugFilter, "drug-filter", true},
    VerbName{ChartVerb::Drop, "drop", false}, VerbName{ChartVerb::Clip, "clip", false},
    VerbName{ChartVerb::Clipboard, "clipboard", false}, VerbName{ChartVerb::Delete, "delete", false},
    VerbName{ChartVerb::Undelete, "undelete", false}, VerbName{ChartVerb::Plant, "plant", true},
    VerbName{ChartVerb::Animal, "animal", true}, VerbName{ChartVerb::Mineral, "mineral", true},
    VerbName{ChartVerb::Eliminate, "eliminate", false}};

constexpr std::array<const char*, 3> kLabels{"totality", "covered", "name"};

std::string Shown(std::string_view text)
{
    return EscapeTextField(text);
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

// A list argument: items separated by `separator`, or "none" for an empty list.
std::vector<std::string> ListItems(std::string_view text, char separator)
{
    if (text == "none")
        return {};
    return Split(text, separator);
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
    const auto parts = Split(action, ':');
    if (parts.empty() || parts[0].empty())
        throw UsageError{"empty action"};
    const std::string& word = parts[0];
    ChartCommand command;
    if (parts.size() == 1) {
        for (const VerbName& v : kVerbs) {
            const bool plain = word == v.name && v.verb <= ChartVerb::ResetClipboard;
            if (plain || (v.dialog && word == std::string(v.name) + "-cancel")) {
                command.verb = v.verb;
                command.cancel = !plain;
                return command;
            }
        }
    }
    const auto verb = std::find_if(kVerbs.begin(), kVerbs.end(), [&word](const VerbName& v) { return word == v.name; });
    if (verb == kVerbs.end() || verb->verb <= ChartVerb::ResetClipboard)
        throw UsageError{"unknown action: " + Shown(action)};
    command.verb = verb->verb;
    switch (command.verb) {
    case ChartVerb::Label: {
        ExpectParts(parts, 2, action);
        const auto at = std::find(kLabels.begin(), kLabels.end(), parts[1]);
        if (at == kLabels.end())
            throw UsageError{"unknown label: " + Shown(parts[1])};
        command.label = static_cast<ChartLabel>(at - kLabels.begin());
        break;
    }
    case ChartVerb::Weightage:
        ExpectParts(parts, 2, action);
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
    case ChartVerb::DrugFilter:
        ExpectParts(parts, 2, action);
        command.numbers = Numbers(parts[1], "property", 31, "property numbers run from 1 to 31: ");
        break;
    case ChartVerb::Drop:
    case ChartVerb::Clip:
        ExpectParts(parts, 3, action);
        command.symptom = ParseWholeNumber(parts[1], "symptom");
        command.clipboard = ClipboardNumber(parts[2]);
        break;
    case ChartVerb::Clipboard:
        ExpectParts(parts, 2, action);
        command.clipboard = ClipboardNumber(parts[1]);
        break;
    case ChartVerb::Eliminate:
        ExpectParts(parts, 2, action);
        command.symptom = ParseWholeNumber(parts[1], "symptom");
        break;
    case ChartVerb::Delete:
    case ChartVerb::Undelete:
        ExpectParts(parts, 2, action);
        command.symptom
            = ParseWholeNumber(parts[1], command.verb == ChartVerb::Delete ? "symptom line" : "deleted line");
        break;
    case ChartVerb::Plant:
    case ChartVerb::Animal:
        ExpectParts(parts, 3, action);
        command.classLine = ParseWholeNumber(parts[1], "class line");
        command.numbers = Numbers(parts[2], "type", 12, "type numbers run from 1 to 12: ");
        break;
    case ChartVerb::Mineral:
        ExpectParts(parts, 2, action);
        command.mineralSteps = ListItems(parts[1], ';');
        for (const std::string& step : command.mineralSteps)
            if (step.empty())
                throw UsageError{"empty mineral step in action: " + Shown(action)};
        break;
    default: break;
    }
    return command;
}

std::string FormatChartCommand(const ChartCommand& command)
{
    const auto verb
        = std::find_if(kVerbs.begin(), kVerbs.end(), [&command](const VerbName& v) { return v.verb == command.verb; });
    std::string text = verb->name;
    if (command.cancel && verb->dialog)
        return text + "-cancel";
    const auto number = [](int n) { return std::to_string(n); };
    switch (command.verb) {
    case ChartVerb::Label: return text + ':' + kLabels[static_cast<std::size_t>(command.label)];
    case ChartVerb::Weightage:
        return text + ':' + List(command.intensities, ',', [](const std::pair<int, int>& w) {
            return std::to_string(w.first) + '=' + std::to_string(w.second);
        });
    case ChartVerb::DrugFilter: return text + ':' + List(command.numbers, ',', number);
    case ChartVerb::Drop:
    case ChartVerb::Clip: return text + ':' + number(command.symptom) + ':' + number(command.clipboard);
    case ChartVerb::Clipboard: return text + ':' + number(command.clipboard);
    case ChartVerb::Delete:
    case ChartVerb::Undelete:
    case ChartVerb::Eliminate: return text + ':' + number(command.symptom);
    case ChartVerb::Plant:
    case ChartVerb::Animal: return text + ':' + number(command.classLine) + ':' + List(command.numbers, ',', number);
    case ChartVerb::Mineral:
        return text + ':' + List(command.mineralSteps, ';', [](const std::string& step) { return step; });
    default: return text;
    }
}

} // namespace quillon
