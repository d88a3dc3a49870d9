// One remedy of a repertorisation: its totality, the symptoms that name it and the grade each gives it.
#pragma once

#include "filters/FilterTypes.h"

#include <string>
#include <vector>

namespace quillon {

// Abbreviations longer than this are cut when a result is named.
inline constexpr std::size_t kMaxResultName = 14;

// One covering symptom of a remedy (CRepEngine::Levels): the symptom number (symptom index + 1) and the grade it gives.
// A grade of 0 is kept like any other: it leaves only that symptom's cell of the chart empty.
struct LevelEntry
{
    int symptom = 0;
    int grade = 0;

    bool operator==(const LevelEntry&) const = default;
};

struct RemedyResult
{
    std::string name; // catalogue abbreviation, empty when the code is not in the catalogue
    int code = 0;
    int totality = 0; // sum of grade x weight over the covering symptoms
    int covered = 0; // number of remedy entries that named this remedy
};

// A per-symptom intensity chosen in the Weightage dialog: the symptom index and how many times its grades count.
struct IntensityEntry
{
    int symptom = 0;
    int intensity = 1;

    bool operator==(const IntensityEntry&) const = default;
};

} // namespace quillon
