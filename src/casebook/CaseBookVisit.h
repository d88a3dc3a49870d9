// Who and what a saved analysis belongs to: the practice, the patient and the visit of the chart, and finding that
// visit again in the patient's file.
#pragma once

#include "casebook/CaseBookTypes.h"
#include "casedata/SymptomRecord.h"
#include "chart/ChartSession.h"

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace quillon {

class CCaseBook;
class CCaseStore;
class CPracticeFolder;
struct PatientContext;

// The fingerprint of a visit's recorded symptoms, in file order: 16 hex digits of a 64-bit FNV-1a hash over every
// record's kind, repertory, level, remedy entries and text, each field preceded by its length, so that no two
// different lists run together alike.
std::string SymptomFingerprint(std::span<const CSymptomRecord* const> records);

// The practice of the state's folder (its canonical path) and physician, the current patient, and the visit the
// store holds as the patient's file has it now (the symptoms deleted since are still counted).
PracticeIdentity CurrentPractice(const PatientContext& patient);
PatientIdentity CurrentPatient(const PatientContext& patient);
VisitIdentity CurrentVisit(const CCaseStore& store);

struct VisitMatch
{
    int index = -1; // -1: no visit of the patient has that date
    bool changed = false; // the visit of that date holds other symptoms than when the analysis was saved
};
// The visit of the patient's file (the store's visit index) with that date and fingerprint, else the first of that
// date.
VisitMatch FindVisit(const CCaseStore& store, const VisitIdentity& visit);

// Whether the folder holds the patient's visit as it was analysed: the same date and fingerprint.
bool FolderHoldsVisit(const CPracticeFolder& folder, const std::string& regNo, const VisitIdentity& visit);

// Which of the folders (where the practices were saved) holds the practice at hand: an index, or nothing for
// none of them.
using PracticeChooser = std::function<std::optional<std::size_t>(const std::vector<std::string>& folders)>;

// For a folder the book does not know yet: the book's practice that it holds under another path (copied, moved,
// renamed or imported from another computer) is found by what travels with the practice: the physician and at
// least one analysed visit of its patients (registration number, visit date and fingerprint) found in the folder.
// One is remembered for the folder; of several, `choose` picks one (its answer remembered, none included); without
// `choose` nothing is remembered and the folder stays undecided.
enum class PracticeFound { Known, NotFound, Undecided };
PracticeFound FindPracticeOfFolder(
    CCaseBook& book, const CPracticeFolder& folder, const PracticeIdentity& here, const PracticeChooser& choose);

// The steps that bring the visit, loaded afresh, to where the chart found it when it opened: the deletions and
// restores made before it in Recorded Symptoms, as the Symptom List's delete:I and undelete:J. Empty when the chart
// opened on the visit as loaded, or when its records no longer match the file's.
std::vector<std::string> StepsBeforeChart(const CCaseStore& state, const CChartSession::StartState& start);

// The first `count` remedies of the chart, as the chart names them (the code where the catalogue has no name).
std::vector<std::string> TopRemedies(const class CRepEngine& engine, int count = 3);

} // namespace quillon
