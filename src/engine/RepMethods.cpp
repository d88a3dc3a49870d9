// The repertorisation methods of the chart.
#include "engine/RepMethods.h"

#include "engine/ChartRows.h"

#include <algorithm>
#include <new>
#include <utility>

namespace quillon {

CRepMethods::CRepMethods(CQuillonState& state, CRepEngine& engine, IMessageSink& sink)
    : m_state(&state), m_engine(&engine), m_sink(&sink)
{
    m_nClearListener = m_state->AddClearListener([this] { DropBorrowed(); });
}

CRepMethods::~CRepMethods()
{
    m_state->RemoveClearListener(m_nClearListener);
}

void CRepMethods::ClearClipboards()
{
    for (int k = 0; k < kClipboardCount; ++k)
        m_state->Clipboard(k).clear();
}

void CRepMethods::DropBorrowed()
{
    // The case store frees its records and empties its clipboards: what is kept here borrows them.
    m_mapSelected.clear();
    m_mapIntensity.clear();
    m_pointer.m_nSelRemedy = -1;
    m_pointer.m_nSelSymptom = -1;
}

bool CRepMethods::Start()
{
    // A chart opens with empty clipboards.
    ResetMethodFlags();
    ClearClipboards();
    m_szFilterDesc.clear();
    m_strKingdomDesc.clear();
    m_strDrugFilterDesc.clear();
    m_engine->ClearElimination();
    bool ok = false;
    try {
        ActiveSymptoms every = EveryRecordedSymptom(*m_state);
        m_mapSelected = every.symptoms;
        ok = m_engine->Start(std::move(every));
    } catch (const std::bad_alloc&) {
        m_sink->Show(kMsgInsufficientMemory);
    }
    m_flags.m_bNormal = true;
    return ok;
}

std::string CRepMethods::BuildCaption() const
{
    std::string caption = quillon::BuildCaption(m_flags, m_engine->GetSortMode(), m_szFilterDesc);
    if (m_engine->EliminationInForce())
        caption += translate("CRepMethods", kEliminationCaption);
    return caption;
}

std::string CRepMethods::RecordCaption() const
{
    if (!m_rowMethods)
        return BuildCaption();
    std::string caption = quillon::BuildCaption(m_rowMethods->flags, m_rowMethods->sortMode, m_szFilterDesc);
    if (m_engine->EliminationInForce())
        caption += translate("CRepMethods", kEliminationCaption);
    return caption;
}

void CRepMethods::ResetMethodFlagsForClick()
{
    const RowMethods made = m_rowMethods.value_or(RowMethods{m_flags, m_engine->GetSortMode()});
    ResetMethodFlags();
    m_rowMethods = made;
}

void CRepMethods::ResetMethodFlags()
{
    m_rowMethods.reset();
    m_flags = RepMethodFlags{};
    m_engine->SetSortMode(SortByTotality);
    m_nKingdomFilter = kKingdomNone;
    m_bKingdomApplied = false;
}

bool CRepMethods::RefreshRepertorisation()
{
    if (m_rowMethods) {
        // The same rows in the order now in force: Normal while no method made them and they stand by totality.
        RepMethodFlags& made = m_rowMethods->flags;
        m_rowMethods->sortMode = m_engine->GetSortMode();
        const bool anyMethod = made.m_bDrugFilter || made.m_bWeightage || made.m_bMind || made.m_bRest
            || made.m_bGeneral || made.m_bClipboard[0] || made.m_bClipboard[1] || made.m_bClipboard[2];
        made.m_bSorted = m_rowMethods->sortMode == SortByName;
        made.m_bNormal = m_rowMethods->sortMode == SortByTotality && !anyMethod;
    }
    return m_engine->RefreshResults();
}

void CRepMethods::NormalRepertorisation()
{
    ResetMethodFlags();
    m_szFilterDesc.clear();
    m_strKingdomDesc.clear();
    m_strDrugFilterDesc.clear();
    // Drops the intensities and the elimination, makes every recorded symptom active and builds with weight 1.
    m_mapIntensity.clear();
    m_engine->ClearElimination();
    m_engine->ClearResults();
    try {
        ActiveSymptoms every = EveryRecordedSymptom(*m_state);
        m_mapSelected = every.symptoms;
        m_engine->BuildResults(std::move(every));
        m_engine->FillGradeMatrix();
    } catch (const std::bad_alloc&) {
        m_engine->BuildResults(ActiveSymptoms{});
        m_sink->Show(kMsgInsufficientMemory);
    }
    m_engine->SetSortMode(SortByTotality);
    m_flags.m_bNormal = true;
    RefreshRepertorisation();
}

MethodOutcome CRepMethods::OnNormal()
{
    NormalRepertorisation();
    return MethodOutcome::Refreshed;
}

void CRepMethods::AddSelected(CSymptomRecord* record)
{
    if (!record)
        return;
    auto& selected = m_mapSelected;
    const bool repeated = std::any_of(selected.begin(), selected.end(),
        [record](const CSymptomRecord* other) { return other && other->m_pszText == record->m_pszText; });
    if (!repeated)
        selected.push_back(record);
}

int CRepMethods::MergeCategory(const std::vector<CSymptomRecord*>& kindMap, int nSize)
{
    if (nSize < 1)
        return 0;
    const std::size_t n = std::min(kindMap.size(), static_cast<std::size_t>(nSize));
    try {
        for (std::size_t i = 0; i < n; ++i)
            AddSelected(kindMap[i]);
    } catch (const std::bad_alloc&) {
        m_sink->Show(kMsgInsufficientMemory);
        return 0;
    }
    BuildSelected();
    return 1;
}

int CRepMethods::MergeClipboard(int k)
{
    if (k < 0 || k >= kClipboardCount)
        return 0;
    const auto& clip = Clipboard(k);
    if (clip.empty())
        return 0;
    try {
        for (CSymptomRecord* record : clip)
            AddSelected(record);
    } catch (const std::bad_alloc&) {
        m_sink->Show(kMsgInsufficientMemory);
        return 0;
    }
    BuildSelected();
    return 1;
}

int CRepMethods::BuildSelected()
{
    // Every chosen symptom counts with weight 1, whatever the intensities.
    try {
        m_engine->BuildResults(ActiveSymptoms{m_mapSelected, {}});
    } catch (const std::bad_alloc&) {
        m_engine->ClearResults();
        m_engine->BuildResults(ActiveSymptoms{});
        m_sink->Show(kMsgInsufficientMemory);
        return 0;
    }
    return m_engine->SymptomCount() == 0 ? 0 : 1;
}

void CRepMethods::BuildWeighted()
{
    try {
        const auto& active = m_state->RepSymptoms();
        m_engine->BuildResults(ActiveSymptoms{active, WeightsFromIntensities(m_mapIntensity, active.size())});
    } catch (const std::bad_alloc&) {
        m_engine->ClearResults();
        m_sink->Show(kMsgInsufficientMemory);
    }
}

int CRepMethods::ApplyPropertyMask()
{
    const std::uint32_t required = m_state->DrugPropertyMask();
    const CRemedyCatalogue* catalogue = m_state->Catalogue();
    // A remedy the catalogue does not know has no properties: it passes only an empty mask.
    m_engine->RemoveRemedies([required, catalogue](const RemedyResult& result) {
        const RemedyEntry* entry = catalogue ? catalogue->Entry(result.code) : nullptr;
        const std::uint32_t word = entry ? catalogue->GetPropertyMask(entry->propertyIndex) : 0;
        return !PassesPropertyMask(word, required);
    });
    return m_engine->ResultCount() > 0 ? 1 : 0;
}

int CRepMethods::ApplyMethods()
{
    if (m_nKingdomFilter > 0 && m_flags.m_bDrugFilter && m_bKingdomApplied) {
        // A kingdom filter acts once on the chart it was applied to.
        m_nKingdomFilter = kKingdomNone;
        m_flags.m_bDrugFilter = false;
        m_bKingdomApplied = false;
        m_szFilterDesc.clear();
    }
    for (int k = 0; k < kClipboardCount; ++k) {
        if (!m_flags.m_bClipboard[static_cast<std::size_t>(k)])
            continue;
        if (MergeClipboard(k) == 0) {
            m_flags.m_bClipboard[static_cast<std::size_t>(k)] = false;
            return 0;
        }
        return 1;
    }
    if (m_flags.m_bMind) {
        m_engine->ClearResults();
        if (MergeCategory(m_state->MindSymptoms(), m_state->MindCount()) == 0)
            return 0;
    }
    if (m_flags.m_bRest) {
        m_engine->ClearResults();
        if (MergeCategory(m_state->RestSymptoms(), m_state->RestCount()) == 0)
            return 0;
    }
    if (m_flags.m_bGeneral) {
        m_engine->ClearResults();
        if (MergeCategory(m_state->GeneralSymptoms(), m_state->GeneralCount()) == 0)
            return 0;
    }
    if (m_flags.m_bWeightage || m_flags.m_bSorted)
        BuildWeighted();
    if (m_flags.m_bDrugFilter)
        ApplyPropertyMask();
    return RemedyCount() != 0 ? 1 : 0;
}

MethodOutcome CRepMethods::Evaluate(const char* failureMessage, MessageIcon icon)
{
    // The rows are made again by the methods now in force.
    m_rowMethods.reset();
    if (ApplyMethods() == 1) {
        RefreshRepertorisation();
    } else {
        NormalRepertorisation();
        m_sink->Show(failureMessage, {}, icon);
    }
    return MethodOutcome::Refreshed;
}

MethodOutcome CRepMethods::SubsetMethod(
    const std::vector<CSymptomRecord*>& kindMap, const char* emptyMessage, bool& flag)
{
    if (kindMap.empty()) {
        m_sink->Show(emptyMessage);
        return MethodOutcome::Unchanged;
    }
    ResetMethodFlags();
    m_engine->SetSortMode(SortByTotality);
    flag = true;
    m_flags.m_bNormal = false;
    m_mapSelected.clear();
    return Evaluate(kMsgNoValidSymptomsAndRemedies);
}

MethodOutcome CRepMethods::OnMind()
{
    return SubsetMethod(m_state->MindSymptoms(), kMsgMindNotRecorded, m_flags.m_bMind);
}

MethodOutcome CRepMethods::OnGeneral()
{
    return SubsetMethod(m_state->GeneralSymptoms(), kMsgGeneralNotRecorded, m_flags.m_bGeneral);
}

MethodOutcome CRepMethods::OnRest()
{
    return SubsetMethod(m_state->RestSymptoms(), kMsgRestNotRecorded, m_flags.m_bRest);
}

MethodOutcome CRepMethods::OnClipboard(int k)
{
    static constexpr std::array<const char*, kClipboardCount> kEmpty{
        kMsgClipboard1Empty, kMsgClipboard2Empty, kMsgClipboard3Empty};
    if (k < 0 || k >= kClipboardCount)
        return MethodOutcome::Unchanged;
    const auto at = static_cast<std::size_t>(k);
    if (Clipboard(k).empty()) {
        m_sink->Show(kEmpty[at]);
        return MethodOutcome::Unchanged;
    }
    ResetMethodFlags();
    m_flags.m_bClipboard[at] = true;
    m_engine->ClearResults();
    m_flags.m_bNormal = false;
    m_mapSelected.clear();
    return Evaluate(kMsgNoValidSymptomsAndRemedies);
}

MethodOutcome CRepMethods::OnSorted()
{
    m_engine->SetSortMode(SortByName);
    m_flags.m_bNormal = false;
    m_flags.m_bSorted = true;
    return Evaluate(kMsgNoValidRemedies);
}

MethodOutcome CRepMethods::OnWeightage()
{
    m_flags.m_bNormal = false;
    m_engine->SetSortMode(SortByTotality);
    CWeightageModel model(m_state->RepSymptoms(), m_mapIntensity);
    if (!m_pWeightageChooser || !m_pWeightageChooser->ChooseWeightage(model))
        return MethodOutcome::Unchanged;
    try {
        m_mapIntensity = model.Ok();
    } catch (const std::bad_alloc&) {
        m_sink->Show(QT_TRANSLATE_NOOP("Message", "Insufficient Memory"));
        return MethodOutcome::Unchanged;
    }
    m_flags.m_bWeightage = true;
    return Evaluate(kMsgCombinationHasNoDrug);
}

MethodOutcome CRepMethods::OnDrugFilter()
{
    m_flags.m_bClipboard = {};
    m_flags.m_bNormal = false;
    m_engine->SetSortMode(SortByTotality);
    m_flags.m_bDrugFilter = true;
    CDrugFilterModel model(m_state->DrugFilterChoice());
    if (m_pDrugFilterChooser && m_pDrugFilterChooser->ChooseDrugFilter(model)) {
        DrugFilterResult result = model.Result();
        m_state->SetDrugPropertyMask(result.m_nMask);
        m_state->SetDrugFilterChoice(result.m_arrChosen);
        if (result.m_nMask != 0) {
            m_nKingdomFilter = result.m_nKingdom;
            m_strDrugFilterDesc = std::move(result.m_strDescription);
            m_szFilterDesc = m_strKingdomDesc + m_strDrugFilterDesc;
            return Evaluate(kMsgRemedyForCombinationNotFound, MessageIcon::Information);
        }
    }
    NormalRepertorisation();
    return MethodOutcome::Refreshed;
}

MethodOutcome CRepMethods::ApplyKingdomFilter(int nBit, int nKind)
{
    if (m_nKingdomFilter != kKingdomNone && m_nKingdomFilter != nKind)
        return MethodOutcome::Unchanged;
    m_rowMethods.reset();
    m_engine->SetSortMode(SortByTotality);
    m_flags.m_bDrugFilter = true;
    m_flags.m_bNormal = false;
    m_bKingdomApplied = true;
    m_nKingdomFilter = nKind;
    m_szFilterDesc.clear();
    m_state->SetDrugPropertyMask(1u << static_cast<unsigned>(nBit));
    ApplyPropertyMask();
    RefreshRepertorisation();
    RunKingdomDialog();
    return MethodOutcome::Refreshed;
}

void CRepMethods::RunKingdomDialog()
{
    m_strKingdomDesc.clear();
    const int kind = m_nKingdomFilter;
    std::optional<KingdomDialogResult> choice;
    if (m_pKingdomChooser && kind >= kKingdomPlant && kind <= kKingdomAnimal) {
        std::vector<FilterRemedy> remedies;
        remedies.reserve(m_engine->Results().size());
        for (const auto& [key, result] : m_engine->Results())
            remedies.push_back(FilterRemedy{key, result->code, result->name});
        choice = m_pKingdomChooser->ChooseKingdom(kind, remedies, m_state->KingdomFilter());
    }
    if (!choice) {
        m_nKingdomFilter = kKingdomNone;
        NormalRepertorisation();
    } else {
        ApplyKingdomChoice(kind, *choice);
    }
    // After Cancel too: a chart left without remedies (every symptom deleted) says so.
    if (RemedyCount() == 0) {
        NormalRepertorisation();
        m_sink->Show(kMsgSelectedCombinationHasNoDrug);
    } else {
        RefreshRepertorisation();
    }
}

void CRepMethods::ApplyKingdomChoice(int kind, const KingdomDialogResult& choice)
{
    KingdomFilterState& kingdomState = m_state->KingdomFilter();
    if (kind != kKingdomMineral || !kingdomState.m_bMineralNoSelection) {
        for (const RemedyKey key : choice.m_arrExcluded)
            m_engine->RemoveRemedy(key);
    }
    if (kind == kKingdomMineral)
        kingdomState.m_bMineralNoSelection = false;
    if (RemedyCount() != 0) {
        if (m_szFilterDesc.empty()) {
            m_strKingdomDesc += kind == kKingdomMineral
                ? translate("CRepMethods", "Mineral")
                : (kind == kKingdomPlant ? translate("CRepMethods", "Plant") : translate("CRepMethods", "Animal"));
            m_strKingdomDesc += "->";
        }
        const std::string firstLabel
            = kind == kKingdomMineral ? translate("CRepMethods", "Elements:") : translate("CRepMethods", "Class:");
        const std::string secondLabel
            = kind == kKingdomMineral ? translate("CRepMethods", "Group:") : translate("CRepMethods", "Type:");
        if (!choice.m_strFirst.empty())
            m_strKingdomDesc += ' ' + firstLabel + ' ' + choice.m_strFirst;
        if (!choice.m_strSecond.empty())
            m_strKingdomDesc += ' ' + secondLabel + ' ' + choice.m_strSecond;
    }
    m_szFilterDesc = m_strKingdomDesc + m_strDrugFilterDesc;
}

MethodOutcome CRepMethods::OnResetClipboard()
{
    int shown = -1;
    for (int k = 0; k < kClipboardCount; ++k) {
        if (m_flags.m_bClipboard[static_cast<std::size_t>(k)]) {
            m_flags.m_bClipboard[static_cast<std::size_t>(k)] = false;
            shown = k;
        }
    }
    if (shown < 0) {
        m_sink->Show(kMsgClipboardsNotSelected);
        return MethodOutcome::Unchanged;
    }
    m_state->Clipboard(shown).clear();
    NormalRepertorisation();
    return MethodOutcome::Refreshed;
}

MethodOutcome CRepMethods::OnSymptomListClosed()
{
    // The dialog may have removed deleted symptoms from the clipboards; the chart starts again from what is left.
    NormalRepertorisation();
    return MethodOutcome::Refreshed;
}

MethodOutcome CRepMethods::OnEliminate(int s)
{
    const CSymptomRecord* record = m_engine->Symptom(s);
    if (!record)
        return MethodOutcome::Unchanged;
    if (!m_engine->IsEliminating(record)) {
        // Elimination only narrows the chart shown, whatever methods and filters made it.
        try {
            if (m_engine->CountLeftWith(record) == 0) {
                m_sink->Show(kMsgNoRemedyInEveryEliminating);
                return MethodOutcome::Unchanged;
            }
            m_engine->SetEliminating(record, true);
            m_engine->ApplyElimination();
        } catch (const std::bad_alloc&) {
            m_engine->SetEliminating(record, false);
            m_sink->Show(kMsgInsufficientMemory);
            return MethodOutcome::Unchanged;
        }
        RefreshRepertorisation();
        return MethodOutcome::Refreshed;
    }
    // The remedies it dropped come back: the active symptoms are built again with their weights, and the
    // methods in force evaluated again (which, as every evaluation, lets a kingdom filter go).
    m_engine->SetEliminating(record, false);
    m_engine->BuildResults();
    return Evaluate(kMsgNoValidRemedies);
}

DropOutcome CRepMethods::DropOnClipboard(int k)
{
    return DropSymptomOnClipboard(*m_state, m_pointer.m_nSelSymptom, k, *m_sink);
}

MethodOutcome CRepMethods::OnSortLabel(SortMode mode)
{
    m_engine->SetSortMode(mode);
    if (mode == SortByTotality) {
        m_flags.m_bNormal = true;
    } else {
        m_flags.m_bSorted = mode == SortByName;
        m_flags.m_bNormal = false;
    }
    RefreshRepertorisation();
    return MethodOutcome::Refreshed;
}

std::optional<std::vector<ChartRow>> CRepMethods::BuildRemedyRows()
{
    try {
        return ChartRows(*m_engine);
    } catch (const std::bad_alloc&) {
        m_sink->Show(kMsgInsufficientMemory);
        return std::nullopt;
    }
}

int CRepMethods::SelectedRemedyRow() const
{
    const int row = m_pointer.m_nSelRemedy;
    return row >= 0 && row < m_engine->RemedyCount() ? row : -1;
}

std::optional<std::string> CRepMethods::RemedyForReport()
{
    const int row = SelectedRemedyRow();
    if (row < 0) {
        m_sink->Show(kMsgRemedyNotSelected);
        return std::nullopt;
    }
    std::string name(m_engine->RemedyName(row));
    if (name.size() > kMaxResultName)
        name.resize(kMaxResultName);
    return name;
}

std::optional<std::vector<ChartRow>> CRepMethods::PrepareConversion(std::vector<ChosenRemedy>& chosen)
{
    auto rows = BuildRemedyRows();
    if (!rows)
        return std::nullopt;
    const int row = SelectedRemedyRow();
    if (row >= 0) {
        const ChartRow& picked = (*rows)[static_cast<std::size_t>(row)];
        const auto found = std::find_if(
            chosen.begin(), chosen.end(), [&picked](const ChosenRemedy& r) { return r.code == picked.code; });
        if (found != chosen.end())
            m_sink->Show(found->name + translate(kMessageContext, kMsgDrugAlreadySelected));
        else
            chosen.push_back(ChosenRemedy{picked.code, picked.name});
    }
    return rows;
}

std::optional<std::vector<ChartRow>> CRepMethods::PrepareDrugList()
{
    auto rows = BuildRemedyRows();
    if (!rows)
        m_sink->Show(kMsgCannotShowDrugList);
    return rows;
}

const CSymptomRecord* CRepMethods::SymptomForFullList()
{
    const CSymptomRecord* record = m_engine->Symptom(m_pointer.m_nSelSymptom);
    if (!record)
        return nullptr;
    if (RemedyEntryCount(*record) <= 0) {
        m_sink->Show(kMsgNoRemedyForSymptom);
        return nullptr;
    }
    return record;
}

} // namespace quillon
