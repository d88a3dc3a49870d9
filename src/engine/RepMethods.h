// The repertorisation methods of the chart without its window: which symptoms take part (all, mind, general,
// rest or one clipboard), weightage, the Sorted order, the drug property and kingdom filters, the three
// clipboards as the chart keeps them, and the caption that names what is in force. The chart owns one of these
// next to its engine, calls one handler per button and repaints; the dialogs are reached through the chooser
// interfaces below, which the chart implements with its dialogs and a script with prepared answers.
#pragma once

#include "casedata/MessageSink.h"
#include "casedata/SymptomRecord.h"
#include "casedata/Translatable.h"
#include "engine/Caption.h"
#include "engine/ClipboardDrop.h"
#include "engine/RepEngine.h"
#include "engine/Weightage.h"
#include "filters/DrugFilter.h"
#include "filters/FilterTypes.h"
#include "state/ChartRow.h"
#include "state/KingdomFilterState.h"
#include "state/QuillonState.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace quillon {

// Messages of the methods (the window translates them when it shows them).
inline constexpr const char* kMsgMindNotRecorded = QT_TRANSLATE_NOOP("Message", "Mind symptoms are not recorded");
inline constexpr const char* kMsgGeneralNotRecorded = QT_TRANSLATE_NOOP("Message", "General symptoms are not recorded");
inline constexpr const char* kMsgRestNotRecorded = QT_TRANSLATE_NOOP("Message", "Rest symptoms are not recorded");
inline constexpr const char* kMsgClipboard1Empty
    = QT_TRANSLATE_NOOP("Message", "ClipBoard#1 does not have any Symptoms");
inline constexpr const char* kMsgClipboard2Empty
    = QT_TRANSLATE_NOOP("Message", "ClipBoard#2 does not have any Symptoms");
inline constexpr const char* kMsgClipboard3Empty
    = QT_TRANSLATE_NOOP("Message", "ClipBoard#3 does not have any Symptoms");
inline constexpr const char* kMsgNoValidSymptomsAndRemedies
    = QT_TRANSLATE_NOOP("Message", "Selcted method does not have any valid Symptoms and Remedies");
inline constexpr const char* kMsgNoValidRemedies
    = QT_TRANSLATE_NOOP("Message", "Selcted method does not have any valid remedies");
inline constexpr const char* kMsgCombinationHasNoDrug
    = QT_TRANSLATE_NOOP("Message", "Resulted combination does not have any drug");
inline constexpr const char* kMsgRemedyForCombinationNotFound
    = QT_TRANSLATE_NOOP("Message", "Remedy For the Combination not found !!!");
inline constexpr const char* kMsgSelectedCombinationHasNoDrug
    = QT_TRANSLATE_NOOP("Message", "Selected combination does not have any drug");
inline constexpr const char* kMsgClipboardsNotSelected
    = QT_TRANSLATE_NOOP("Message", "Clipboards not selected , click to select");
inline constexpr const char* kMsgRemedyNotSelected = QT_TRANSLATE_NOOP("Message", "Remedy not selected");
inline constexpr const char* kMsgNoRemedyForSymptom = QT_TRANSLATE_NOOP("Message", "No Remedy for selected symptom");
inline constexpr const char* kMsgDrugAlreadySelected = QT_TRANSLATE_NOOP("Message", "  this drug already selectd");
inline constexpr const char* kMsgCannotShowDrugList
    = QT_TRANSLATE_NOOP("Message", "Insufficient memory !!! Can't show drug list");
inline constexpr const char* kMsgNoRemedyInEveryEliminating
    = QT_TRANSLATE_NOOP("Message", "No remedy of the chart is named in every eliminating symptom");
// What the caption adds while elimination is in force (in the user's language).
inline constexpr const char* kEliminationCaption = QT_TRANSLATE_NOOP("CRepMethods", " : Elimination");

// Property bits of the chart's kingdom buttons.
inline constexpr int kPlantBit = 19;
inline constexpr int kMineralBit = 20;
inline constexpr int kAnimalBit = 21;

// The Weightage dialog: edits the model and returns true for OK, false for Cancel.
class IWeightageChooser
{
public:
    virtual ~IWeightageChooser() = default;
    virtual bool ChooseWeightage(CWeightageModel& model) = 0;
};

// What the chart's mouse has picked, and the drags under way.
struct ChartPointer
{
    int m_nSelSymptom = -1; // index into the active symptoms
    int m_nSelRemedy = -1; // display index; kept from one press to the next when a press hits no totality cell
    bool m_bDragging = false; // a symptom line or totality cell was pressed: its sheet follows the pointer
    bool m_bSplitterDragging = false;
};

// What a handler did to the chart.
enum class MethodOutcome {
    Unchanged, // at most a message: nothing to repaint
    Refreshed, // the results were rebuilt and sorted: reset the scroll bars, the counts and repaint
};

class CRepMethods final
{
public:
    CRepMethods(CQuillonState& state, CRepEngine& engine, IMessageSink& sink);
    ~CRepMethods();
    CRepMethods(const CRepMethods&) = delete;
    CRepMethods& operator=(const CRepMethods&) = delete;

    // The dialogs; without one the method behaves as after its Cancel.
    void SetChoosers(IWeightageChooser* weightage, IDrugFilterChooser* drugFilter, IKingdomChooser* kingdom)
    {
        m_pWeightageChooser = weightage;
        m_pDrugFilterChooser = drugFilter;
        m_pKingdomChooser = kingdom;
    }

    // The chart's first build: every symptom, sorted by totality, as Normal; the clipboards start empty.
    bool Start();

    // The chart's pointer: what its mouse picked (a row of the display order and an index of the active set, -1
    // for none), which the handlers below act on, and the drags under way.
    ChartPointer& Pointer() { return m_pointer; }
    const ChartPointer& Pointer() const { return m_pointer; }
    void Pick(int remedyRow, int symptom)
    {
        m_pointer.m_nSelRemedy = remedyRow;
        m_pointer.m_nSelSymptom = symptom;
    }
    int PickedRemedy() const { return m_pointer.m_nSelRemedy; }
    int PickedSymptom() const { return m_pointer.m_nSelSymptom; }

    // --- One handler per button ---
    MethodOutcome OnNormal(); // 1210
    MethodOutcome OnMind(); // 1248
    MethodOutcome OnGeneral(); // 1247
    MethodOutcome OnRest(); // 1764
    MethodOutcome OnClipboard(int k); // 1243, 1244, 1245: k = 0, 1, 2
    MethodOutcome OnResetClipboard(); // 1246
    MethodOutcome OnSorted(); // 1216
    MethodOutcome OnWeightage(); // 1217
    MethodOutcome OnDrugFilter(); // 1211
    MethodOutcome OnPlantFilter() { return ApplyKingdomFilter(kPlantBit, kKingdomPlant); } // 1212
    MethodOutcome OnAnimalFilter() { return ApplyKingdomFilter(kAnimalBit, kKingdomAnimal); } // 1213
    MethodOutcome OnMineralFilter() { return ApplyKingdomFilter(kMineralBit, kKingdomMineral); } // 1214
    // A left click on the chart: the method flags and the sort mode back to their start. The rows stay as the
    // methods made them, and the caption of the records (RecordCaption) keeps naming those methods.
    void ResetMethodFlags();
    void ResetMethodFlagsForClick();
    // A click on one of the chart's three row labels (sort mode 0, 1 or 2), after the click's ResetMethodFlags.
    MethodOutcome OnSortLabel(SortMode mode);
    // Drops the picked symptom on clipboard k: a drag onto its button, or the popup's "ClipBoard &1".."&3"
    // (204..206).
    DropOutcome DropOnClipboard(int k);
    // After the Symptom List dialog: the clipboards copied again from the case store, then Normal.
    MethodOutcome OnSymptomListClosed();
    // The symptom popup's "Eliminate by this Symptom": active symptom s starts or stops eliminating. Starting
    // narrows the chart shown (refused with a message when no remedy would stay); stopping evaluates the
    // methods in force again from the active symptoms. Normal ends every elimination.
    MethodOutcome OnEliminate(int s);
    // The Weightage dialog's intensities of its last OK (by active symptom).
    const std::vector<IntensityEntry>& Intensities() const { return m_mapIntensity; }

    // The picked remedy's name (at most 14 characters) for the symptoms-covered report (1215, 9926); shows
    // "Remedy not selected" and returns nothing when no remedy is picked.
    std::optional<std::string> RemedyForReport();
    // The chart's rows in display order; nothing after its message.
    std::optional<std::vector<ChartRow>> BuildRemedyRows();
    // Conv. Rep To MM (9925): the rows, once the picked remedy is added to the conversion's list `chosen`;
    // nothing when the conversion dialog must not open.
    std::optional<std::vector<ChartRow>> PrepareConversion(std::vector<ChosenRemedy>& chosen);
    // Drug List (117): the rows; nothing when the dialog must not open.
    std::optional<std::vector<ChartRow>> PrepareDrugList();
    // Full Symptom (214): the picked symptom when it has remedies; "No Remedy for selected symptom" otherwise.
    const CSymptomRecord* SymptomForFullList();
    // The display row picked last, or -1 when none is picked or it lies beyond the rows now shown.
    int SelectedRemedyRow() const;

    // --- What the chart shows ---
    // The caption on the screen: the methods in force (a click on the chart leaves none).
    std::string BuildCaption() const;
    // The caption of what leaves the screen (printed and PDF pages, the saved analysis, the case book): the
    // methods and filters that made the rows shown, in the order they stand, whatever clicks came since.
    std::string RecordCaption() const;
    // The kingdom whose filter is in force (kKingdomNone when none).
    // The chart's remedy count: the results of the last build.
    int RemedyCount() const { return m_engine->ResultCount(); }
    // Clipboard k (the case store's list). Its counter shows its count; its button is full while it holds
    // symptoms. The kind counters show the case store's sizes.
    const std::vector<CSymptomRecord*>& Clipboard(int k) const { return std::as_const(*m_state).Clipboard(k); }
    int ClipCount(int k) const { return static_cast<int>(Clipboard(k).size()); }
    bool ClipboardFull(int k) const { return !Clipboard(k).empty(); }
    int MindCount() const { return m_state->MindCount(); }
    int GeneralCount() const { return m_state->GeneralCount(); }
    int RestCount() const { return m_state->RestCount(); }

private:
    int ApplyMethods();
    void NormalRepertorisation();
    int MergeCategory(const std::vector<CSymptomRecord*>& kindMap, int nSize);
    int MergeClipboard(int k);
    int BuildSelected();
    int ApplyPropertyMask();
    MethodOutcome ApplyKingdomFilter(int nBit, int nKind);
    void RunKingdomDialog();
    // RefreshRepertorisation's share here: re-sort by the current mode and fill the matrix.
    bool RefreshRepertorisation();
    MethodOutcome SubsetMethod(const std::vector<CSymptomRecord*>& kindMap, const char* emptyMessage, bool& flag);
    MethodOutcome Evaluate(const char* failureMessage, MessageIcon icon = MessageIcon::None);
    // A kingdom dialog's OK: its keys dropped and the caption's kingdom part composed.
    void ApplyKingdomChoice(int kind, const KingdomDialogResult& choice);
    void AddSelected(CSymptomRecord* record);
    // Builds from the active set with the Weightage dialog's intensities.
    void BuildWeighted();
    void ClearClipboards();
    void DropBorrowed();

    CQuillonState* m_state;
    CRepEngine* m_engine;
    IMessageSink* m_sink;
    IWeightageChooser* m_pWeightageChooser = nullptr;
    IDrugFilterChooser* m_pDrugFilterChooser = nullptr;
    IKingdomChooser* m_pKingdomChooser = nullptr;
    int m_nClearListener = 0;

    // The methods in force, as the caption names them.
    RepMethodFlags m_flags;
    // Once a click has reset the methods in force: those that made the rows, and the order the rows stand in.
    struct RowMethods
    {
        RepMethodFlags flags;
        int sortMode = 0;
    };
    std::optional<RowMethods> m_rowMethods;
    int m_nKingdomFilter = kKingdomNone;
    bool m_bKingdomApplied = false;
    // The filters in force as the caption shows them: the kingdom part, then the drug-property part.
    std::string m_szFilterDesc;
    std::string m_strKingdomDesc;
    std::string m_strDrugFilterDesc;
    // The chosen subset of the recorded symptoms (borrowed), and the intensities of the Weightage dialog's
    // last OK (by active symptom), from which the engine's input is worked out.
    std::vector<CSymptomRecord*> m_mapSelected;
    std::vector<IntensityEntry> m_mapIntensity;
    ChartPointer m_pointer;
};

} // namespace quillon
