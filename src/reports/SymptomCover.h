// The symptoms-covered report of one remedy: which active symptoms name it (with the grade they give it) and
// which do not, and the printed pages of that report laid out as rows and character columns.
#pragma once

#include "casedata/SymptomRecord.h"
#include "casedata/Translatable.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

class CRemedyCatalogue;
class CRepEngine;

inline constexpr const char* kMsgErrorInSymptomCovered = QT_TRANSLATE_NOOP("Message", "Error in Symptom Covered");

// A remedy of the chart as the report's chooser lists it: the name shown and the code it stands for.
struct CoverRemedy
{
    std::string name;
    int code = 0;

    bool operator==(const CoverRemedy&) const = default;
};

// One line of either list, as in the data files (Windows-1252), with the symptom's level.
struct CoverLine
{
    int level = 0;
    std::string text;

    bool operator==(const CoverLine&) const = default;
};

struct SymptomCoverReport
{
    CoverRemedy remedy;
    std::string fullName; // the catalogue's full name of the code, or the remedy's own name
    std::vector<CoverLine> covered;
    std::vector<CoverLine> notCovered;
};

// The remedies of the chart's results, sorted by name ignoring case, then by name, then by code.
std::vector<CoverRemedy> CoverRemedies(const CRepEngine& engine);
// Place of the remedy with this code among the choices, or -1.
int FindCoverRemedy(const std::vector<CoverRemedy>& choices, int code);

// The report line of a symptom: "[", its repertory abbreviation and its text from the first "]" on; nothing
// for a text without "]".
std::optional<std::string> CoverLineOf(const CSymptomRecord& record);

// Both lists for one remedy over the active symptoms in key order. A covered line ends in " (g)", the grade
// of the remedy's first entry in that symptom.
SymptomCoverReport BuildSymptomCover(
    std::span<CSymptomRecord* const> symptoms, const CoverRemedy& remedy, const CRemedyCatalogue* catalogue);

// The captions of the two group boxes, in the user's language.
std::string CoveredTitle(std::size_t count);
std::string NotCoveredTitle(std::size_t count);

// --- Printed pages ---

// Fonts of the printed report. Light: Arial at h + 10, weight 300, italic; Strong: Arial at h + 15, weight 400,
// italic; Entry: the printer's own font.
enum class PrintFont { Entry, Light, LightUnderlined, Strong, StrongUnderlined };

// A text at a row (rows count from 0 at the top of the page, in line heights h) and a column (in character
// widths u).
struct PrintText
{
    int row = 0;
    int column = 0;
    PrintFont font = PrintFont::Entry;
    std::string text; // Windows-1252

    bool operator==(const PrintText&) const = default;
};

struct PrintPage
{
    std::vector<PrintText> texts;
    std::vector<int> rules; // rows with a rule from column kRuleFrom to kRuleTo
};

inline constexpr int kRuleFrom = 2;
inline constexpr int kRuleTo = 85;
inline constexpr std::size_t kPrintLineWidth = 70;
// The layout needs at least this many rows per page: a further page's entries start on row 8, and the second
// heading takes six rows with its first entry.
inline constexpr int kMinRowsPerPage = 14;

// The printed rows of a line: up to 70 characters each, broken at the last blank that ends a row of at most 70
// (the blanks at the break are dropped), or after 70 characters where no blank does.
std::vector<std::string_view> PrintRowPieces(std::string_view text);

struct CoverPrintHeader
{
    std::string patientName;
    std::string date; // at most 10 characters are printed
    std::string regNo;
};

// The pages for `rowsPerPage` rows (L). Lines longer than 70 characters continue on further rows, indented to
// column level + 8; a page ends when the row passes L. Every page carries the patient, the date, the remedy and
// the registration number, and "Page N of M" on row 1; a further page's entries start on row 8.
std::vector<PrintPage> LayOutCoverPrint(
    const SymptomCoverReport& report, const CoverPrintHeader& header, int rowsPerPage);

} // namespace quillon
