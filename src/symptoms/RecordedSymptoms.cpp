// The Recorded Symptoms dialog's model and the text export of a visit.
#include "symptoms/RecordedSymptoms.h"

#include "state/PatientSelection.h"

#include <algorithm>

namespace quillon {
namespace {

constexpr const char* kLineEnd = "\r\n";

} // namespace

std::vector<DrugListItem> BuildDrugList(const CSymptomRecord& record, const CRemedyCatalogue* catalogue)
{
    std::vector<DrugListItem> items;
    // Never more entries than the remedy buffer holds, whatever the count says.
    const int available = static_cast<int>(record.m_pRemedies.size() / 3);
    const int count = std::clamp(record.m_nRemedyCount, 0, available);
    items.reserve(static_cast<std::size_t>(count));
    for (int entry = 0; entry < count; ++entry) {
        DrugListItem item;
        item.grade = record.Grade(entry);
        if (catalogue)
            catalogue->GetAbbreviation(record.RemedyCode(entry), item.abbreviation);
        items.push_back(std::move(item));
    }
    return items;
}

std::string DrugListLine(const DrugListItem& item)
{
    return item.abbreviation + " (" + std::to_string(item.grade) + ")";
}

std::string DrugListCaption(std::size_t count)
{
    return FormatText(translate("CRecordedSymptoms", "Drug List (%1)"), {std::to_string(count)});
}

std::string RecordedSymptomsExportText(const CQuillonState& state, TextFieldStyle field)
{
    const auto written = [field](std::string_view t) { return field ? field(t) : std::string(t); };
    std::string text;
    text += "       VANTREL CLASSIC 8.0 ";
    text += kLineEnd;
    text += "       ------------------- ";
    text += kLineEnd;
    const PatientContext patient = state.Patient();
    text += kExportPatientLabel + written(patient.name) + kExportDateLabel + written(patient.visitDate.substr(0, 14))
        + kLineEnd;
    text += kExportPhysicianLabel + written(patient.physician) + kLineEnd + kLineEnd;
    for (const std::string& symptom : state.SymptomTexts())
        text += written(symptom) + kLineEnd;
    return text;
}

std::optional<std::string> ExportVisitText(CQuillonState& state, int nVisit, bool* loaded, TextFieldStyle field)
{
    if (nVisit < 0 || nVisit >= state.VisitCount())
        return std::nullopt;
    const bool whole = LoadVisit(state, nVisit);
    if (loaded)
        *loaded = whole;
    return RecordedSymptomsExportText(state, field);
}

CRecordedSymptoms::CRecordedSymptoms(CQuillonState& state, int nMode) : m_state(&state), m_nMode(nMode) {}

bool CRecordedSymptoms::Open()
{
    if (m_nMode == kModeRecordedSymptoms) {
        // Opened straight after Select Patient's OK, the index it built is the patient's; opened later, it may
        // be that of an earlier patient (a row chosen and then cancelled) or of an older file.
        if (!m_state->TakeFreshVisitIndex() && !m_state->LoadVisitIndex())
            return false;
        if (m_state->VisitDates().empty()) {
            m_state->Sink().Show(kMsgSymptomsNotRecorded);
            return false;
        }
        ChooseVisit(0);
        return true;
    }
    FillSymptomList();
    m_bDeleteEnabled = !m_symptomTexts.empty();
    SelectSymptom(0);
    return true;
}

void CRecordedSymptoms::ChooseVisit(int nVisit)
{
    if (nVisit < 0 || nVisit >= m_state->VisitCount())
        return;
    m_nVisit = nVisit;
    LoadVisitForChart(*m_state, nVisit);
    FillSymptomList();
    SelectSymptom(0);
}

void CRecordedSymptoms::FillSymptomList()
{
    m_symptomTexts.clear();
    m_symptomTexts.reserve(m_state->Symptoms().size());
    for (const auto& record : m_state->Symptoms())
        if (record)
            m_symptomTexts.push_back(record->m_pszText);
}

void CRecordedSymptoms::SelectSymptom(int k)
{
    m_nSelection = k >= 0 && k < static_cast<int>(m_symptomTexts.size()) ? k : -1;
    ShowRemedies(m_nSelection);
}

void CRecordedSymptoms::ShowRemedies(int k)
{
    m_drugList.clear();
    if (k < 0 || k >= m_state->LiveCount())
        return;
    const auto& record = m_state->Symptoms()[static_cast<std::size_t>(k)];
    if (record)
        m_drugList = BuildDrugList(*record, m_state->Catalogue());
}

std::vector<std::string> CRecordedSymptoms::DrugListLines() const
{
    std::vector<std::string> lines;
    lines.reserve(m_drugList.size());
    for (const DrugListItem& item : m_drugList)
        lines.push_back(DrugListLine(item));
    return lines;
}

void CRecordedSymptoms::Delete()
{
    if (m_nSelection >= 0 && m_nSelection < m_state->LiveCount()) {
        m_state->DeleteSymptom(m_nSelection);
        FillSymptomList();
        if (m_symptomTexts.empty())
            m_bDeleteEnabled = false;
        // The drug list follows the new selection rather than keep the deleted symptom's remedies.
        SelectSymptom(0);
    }
    m_state->RebuildKindIndexes();
}

void CRecordedSymptoms::RefreshAfterUndelete()
{
    FillSymptomList();
    if (!m_symptomTexts.empty())
        m_bDeleteEnabled = true;
    SelectSymptom(0);
    m_state->RebuildKindIndexes();
}

bool CRecordedSymptoms::RepTable()
{
    if (m_state->SymptomCount() < 1) {
        m_state->Sink().Show(kMsgNoSymptomsForRepertorisation);
        return false;
    }
    return true;
}

bool CRecordedSymptoms::SaveAs(const std::filesystem::path& file)
{
    if (file.empty() || !WriteFileAtomically(file, ExportText())) {
        m_state->Sink().Show(kMsgErrorCreatingFile);
        return false;
    }
    return true;
}

bool OpenVisitForChart(CQuillonState& state, int nVisit)
{
    CRecordedSymptoms dialog(state, kModeRecordedSymptoms);
    if (!dialog.Open())
        return false;
    if (nVisit != 0)
        dialog.ChooseVisit(nVisit);
    return dialog.RepTable();
}

} // namespace quillon
