// What the case book accepts into a record: bounded texts, real times, steps of the command vocabulary and keys
// that are not empty. Saves, the window's dialogs and the import check with the same rules.
#pragma once

#include "casebook/CaseBookTypes.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace quillon {

// Bounds in characters (a step, a remedy's name and the like are short; names are lines, notes are pages).
inline constexpr std::size_t kMaxCaseBookName = 200;
inline constexpr std::size_t kMaxCaseBookNote = 20000;
inline constexpr std::size_t kMaxCaseBookShortText = 200;
inline constexpr std::size_t kMaxCaseBookCaption = 2000;
inline constexpr std::size_t kMaxCaseBookFolder = 4096;
inline constexpr std::size_t kMaxTopRemedies = 10;
inline constexpr std::size_t kMaxSteps = 10000;
inline constexpr std::size_t kMaxStepLength = 200;

// The characters of a UTF-8 text (its bytes that do not continue a character).
std::size_t CharacterCount(std::string_view utf8);

// The reason a text field is too long, in the user's language ("\"name\" is longer than 200 characters"); empty
// when it fits.
std::string TooLong(const char* field, std::string_view utf8, std::size_t bound);

// The first text of the analysis (name, notes, caption, first remedies, steps) beyond its bound; empty when all
// fit.
std::string AnalysisTextsProblem(const AnalysisRecord& analysis);
// The same for a prescription (remedy name, potency, repetition, note).
std::string PrescriptionTextsProblem(const PrescriptionRecord& prescription);

// Whether the text is a time as the case book writes it (YYYY-MM-DDTHH:MM:SSZ) of a real day and hour.
bool IsCaseBookTime(std::string_view text);
// Whether `text` is a date of the calendar written YYYY-MM-DD, as prescriptions keep their dates.
bool IsCalendarDate(std::string_view text);

} // namespace quillon
