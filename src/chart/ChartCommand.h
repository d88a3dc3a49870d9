// One user operation of the chart as a value: the method buttons, the clicks and drags, the Symptom List's
// deletions and the answers of the Weightage, Drug Filter, plant, animal and mineral dialogs. Its text form is
// the vocabulary of quillon-report's --do; the window logs every operation it performs in this form, so that a
// chart can be replayed by the tool or saved and restored.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quillon {

// A wrong command text or argument; the text says what is wrong.
struct UsageError
{
    std::string text;
};

// The one number parser of commands and command lines: a whole number from 0 (decimal digits, nothing else),
// or nothing; ParseWholeNumber throws a UsageError naming `what` instead.
std::optional<int> WholeNumber(std::string_view text);
int ParseWholeNumber(std::string_view text, const char* what);

enum class ChartVerb {
    Normal,
    Mind,
    General,
    Rest,
    Sorted,
    Click, // a left click on empty space of the chart
    ResetClipboard,
    Label, // a click on a row label: the chart sorted by it
    Weightage,
    DrugFilter,
    Drop, // a drag of a symptom onto a clipboard's button
    Clip, // the symptom popup's "ClipBoard &1".."&3"
    Clipboard, // a clipboard's button
    Delete, // the Symptom List: a symptom deleted, then closed
    Undelete, // the Symptom List: a deleted symptom restored, then closed
    Plant,
    Animal,
    Mineral,
    Eliminate, // the symptom popup's "Eliminate by this Symptom"
};

enum class ChartLabel { Totality, Covered, Name };

// What a press of the chart's left button met: an active symptom's line, and the remedy of a cell (a display
// index). Nothing keeps what was picked before (a press without a chart, a press that met no cell).
struct ChartPick
{
    std::optional<int> symptom = -1;
    std::optional<int> remedy;

    bool operator==(const ChartPick&) const = default;
};

struct ChartCommand
{
    ChartCommand() = default;
    explicit ChartCommand(ChartVerb v) : verb(v) {}

    ChartVerb verb = ChartVerb::Normal;
    bool cancel = false; // a dialog's verb: the dialog was cancelled
    int symptom = 0; // drop, clip, eliminate: the active symptom; delete: the symptom line; undelete: the deleted line
    int clipboard = 1; // drop, clip, clipboard: 1 to 3
    ChartLabel label = ChartLabel::Totality;
    std::vector<std::pair<int, int>> intensities; // weightage: (active symptom, intensity 0 to 9)
    std::vector<int> numbers; // drug filter: property numbers 1 to 31; plant, animal: type numbers 1 to 12
    int classLine = 0; // plant, animal: the class line from 1, 0 for none
    std::vector<std::string> mineralSteps; // left=CELL right=CELL vertical horizontal group=N
    // click, label: what the press met; drop: the remedy (its symptom is `symptom`). Not part of the text: a
    // click read from it met empty space, a label or drop met no cell.
    ChartPick pick;

    bool operator==(const ChartCommand&) const = default;
};

// Reads one action of --do; a wrong one throws its UsageError. Arguments that depend on the chart (a symptom, a
// class line, a mineral step's cell) are checked when the command runs.
ChartCommand ParseChartCommand(std::string_view text);
std::string FormatChartCommand(const ChartCommand& command);

} // namespace quillon
