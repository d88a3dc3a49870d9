// The parts of the chart window's form: its fifteen buttons, the counters under the list buttons, the labels
// and the scroll bars, as the form table, the pictures and the tests name them.
#pragma once

namespace quillon {

enum class FormPart {
    None,
    // The buttons.
    Mind,
    General,
    Rest,
    Clipboard1,
    Clipboard2,
    Clipboard3,
    ResetClipboard,
    Normal,
    Sorted,
    DrugFilter,
    PlantFilter,
    AnimalFilter,
    MineralFilter,
    Weightage,
    SymptomCovered,
    // The counters under the list buttons.
    MindCount,
    GeneralCount,
    RestCount,
    Clip1Count,
    Clip2Count,
    Clip3Count,
    // The labels.
    HeaderLine,
    Caption,
    SymptomsLabel,
    SymptomCount,
    RemediesLabel,
    RemedyCount,
    // The scroll bars.
    SymptomScroll,
    RemedyScroll,
    TextScroll,
};

} // namespace quillon
