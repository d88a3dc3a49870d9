// The Recorded Symptoms dialog without its window: the visit chosen, the symptom list, the drug list of the
// selected symptom, Delete, the refresh after UnDelete, Rep_Table and the text export.
#pragma once

#include "casedata/Translatable.h"
#include "state/QuillonState.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

inline constexpr const char* kMsgSymptomsNotRecorded = QT_TRANSLATE_NOOP("Message", "symptoms Not Recorded");
inline constexpr const char* kMsgNoSymptomsForRepertorisation
    = QT_TRANSLATE_NOOP("Message", "No symptoms for Repertorisation");

// The two uses of the dialog.
inline constexpr int kModeRecordedSymptoms = 0; // choose a visit, export it, open the chart
inline constexpr int kModeSymptomList = 1; // prune the loaded symptoms before repertorising

// One line of the drug list: the remedy's abbreviation (empty when the catalogue lacks the code) and its grade.
struct DrugListItem
{
    std::string abbreviation;
    int grade = 0;

    bool operator==(const DrugListItem&) const = default;
};

// The remedies of a symptom in the order of its entries.
std::vector<DrugListItem> BuildDrugList(const CSymptomRecord& record, const CRemedyCatalogue* catalogue);
// "Acon (3)"; " (1)" for a code the catalogue lacks.
std::string DrugListLine(const DrugListItem& item);
// "Drug List (n)" in the user's language.
std::string DrugListCaption(std::size_t count);

// How the texts of the saved lines are written: unchanged by default; the command-line tool escapes them so that
// a line break inside a rubric cannot start a line of its own.
using TextFieldStyle = std::string (*)(std::string_view text);

// The saved text's patient line starts with the first label and holds the visit date after the second; its
// physician line starts with the third.
inline constexpr const char* kExportPatientLabel = "Patient Name :";
inline constexpr const char* kExportDateLabel = "  Date: ";
inline constexpr const char* kExportPhysicianLabel = "Physician Name: ";

// The saved text of the visit on show: header, patient, physician, an empty line and the live symptom texts,
// every line ended by CR LF. Deleted symptoms and remedies are not written.
std::string RecordedSymptomsExportText(const CQuillonState& state, TextFieldStyle field = nullptr);

// Loads visit nVisit as choosing its date does and returns the text that Save As would write then;
// nothing when there is no such visit. Load failures are reported through the state's sink, and the text
// then holds what was loaded; `loaded`, when given, tells whether the visit loaded whole.
std::optional<std::string> ExportVisitText(
    CQuillonState& state, int nVisit, bool* loaded = nullptr, TextFieldStyle field = nullptr);

// The Recorded Symptoms dialog opened for the current patient, visit nVisit chosen and Rep_Table pressed: true
// when the chart opens on that visit.
bool OpenVisitForChart(CQuillonState& state, int nVisit);

class CRecordedSymptoms final
{
public:
    CRecordedSymptoms(CQuillonState& state, int nMode);
    CRecordedSymptoms(const CRecordedSymptoms&) = delete;
    CRecordedSymptoms& operator=(const CRecordedSymptoms&) = delete;

    // Opening. In the recorded-symptoms mode the visit index of the current patient is read again (so the
    // dates always belong to the patient on show) and the first visit is loaded. False when the dialog is
    // to close as cancelled: no visit (after its message) or an unreadable index.
    bool Open();

    const std::vector<std::string>& VisitDates() const { return m_state->VisitDates(); }
    int CurrentVisit() const { return m_nVisit; }
    // Loads the visit, refills the symptom list and selects its first symptom.
    void ChooseVisit(int nVisit);

    // The lines of the symptom list, in case-store order.
    const std::vector<std::string>& SymptomTexts() const { return m_symptomTexts; }
    // The selected line, -1 for none.
    int Selection() const { return m_nSelection; }
    // Selects line k (-1 or out of range: no selection) and shows its remedies.
    void SelectSymptom(int k);

    const std::vector<DrugListItem>& DrugList() const { return m_drugList; }
    std::vector<std::string> DrugListLines() const;
    std::string Caption() const { return DrugListCaption(m_drugList.size()); }

    bool DeleteEnabled() const { return m_bDeleteEnabled; }
    // Deletes the selected symptom (nothing without a selection) and rebuilds the kind indexes.
    void Delete();
    // After the Undelete dialog restored symptoms: refill, enable Delete, select the first symptom.
    void RefreshAfterUndelete();

    // Rep_Table: true when the chart is to open and the dialog to close; otherwise the message is shown.
    bool RepTable();

    std::string ExportText() const { return RecordedSymptomsExportText(*m_state); }
    // Writes the export to `file` completely or not at all; reports a failure through the sink.
    bool SaveAs(const std::filesystem::path& file);

    CQuillonState& State() const { return *m_state; }

private:
    void FillSymptomList();
    void ShowRemedies(int k);

    CQuillonState* m_state;
    int m_nMode;
    int m_nVisit = -1;
    std::vector<std::string> m_symptomTexts;
    int m_nSelection = -1;
    std::vector<DrugListItem> m_drugList;
    bool m_bDeleteEnabled = true;
};

} // namespace quillon
