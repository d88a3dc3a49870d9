// What choosing a patient does to the shared state, shared by the Select Patient dialog and the report tool.
#pragma once

#include "casedata/PatientIndex.h"
#include "casedata/Translatable.h"
#include "state/QuillonState.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace quillon {

// OK or Return before a patient is chosen: what to do.
inline constexpr const char* kMsgSelectPatient = QT_TRANSLATE_NOOP("Message",
    "Choose a patient first: click a row, or type part of the name or the registration number in Search and "
    "press Down. Then press OK.");

// Copies a row of the patient list and the physician's name into the state, as a selection change does.
void SetCurrentPatient(CQuillonState& state, const PatientRow& row, const std::string& physician);

enum class PatientChoice {
    StayOpen, // the visit index could not be built: the dialog stays open
    RecordedSymptoms, // several visits: the user chooses one in the Recorded Symptoms dialog
    OpenChart, // one visit, loaded with at least one symptom: the chart opens
    NothingToOpen, // one visit that could not be loaded or holds no symptom
    NoSuchVisit, // the visit asked for is not in the index: nothing was loaded
};

// OK of the Select Patient dialog once a row is current: builds the visit index and, for a one-visit
// patient, loads that visit. The dialog asks for the first visit; the report tool may ask for another, which
// a one-visit patient opens only when it is that visit. `beforeLoading`, when given, runs once the index is
// built and before anything of the case store changes.
PatientChoice ChooseCurrentPatient(
    CQuillonState& state, int nVisit = 0, const std::function<void()>& beforeLoading = {});

// The current patient as the Select Patient dialog changes it before anything is loaded: its list row, the
// physician and the visit index.
struct CurrentPatientState
{
    std::string file, name, age, listVisitDate, physician;
    std::vector<std::uint32_t> visitOffsets;
    std::vector<std::string> visitDates;
};
CurrentPatientState CurrentPatientOf(const CQuillonState& state);
void RestoreCurrentPatient(CQuillonState& state, CurrentPatientState patient);

// Loads visit nVisit and sets the visit date on show; false when the load failed.
bool LoadVisit(CQuillonState& state, int nVisit);
// The same; true when the visit loaded and holds at least one symptom.
bool LoadVisitForChart(CQuillonState& state, int nVisit);

} // namespace quillon
