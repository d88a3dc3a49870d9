// Choosing a patient.
#include "state/PatientSelection.h"

namespace quillon {

void SetCurrentPatient(CQuillonState& state, const PatientRow& row, const std::string& physician)
{
    state.m_strPatientFile = row.regNo;
    state.m_strPatientName = row.name;
    state.m_strPatientAge = row.age;
    state.m_strListVisitDate = row.visitDate;
    state.m_strPhysicianName = physician;
}

bool LoadVisit(CQuillonState& state, int nVisit)
{
    const bool loaded = state.LoadVisitSymptoms(nVisit);
    state.m_szVisitDate.clear();
    if (nVisit >= 0 && nVisit < state.VisitCount())
        state.m_szVisitDate = state.m_arrVisitDates[static_cast<std::size_t>(nVisit)].substr(0, 14);
    return loaded;
}

bool LoadVisitForChart(CQuillonState& state, int nVisit)
{
    return LoadVisit(state, nVisit) && state.m_nSymptomCount >= 1;
}

PatientChoice ChooseCurrentPatient(CQuillonState& state, int nVisit, const std::function<void()>& beforeLoading)
{
    if (!state.LoadVisitIndex())
        return PatientChoice::StayOpen;
    if (beforeLoading)
        beforeLoading();
    if (nVisit < 0 || nVisit >= state.VisitCount())
        return PatientChoice::NoSuchVisit;
    if (state.VisitCount() > 1)
        return PatientChoice::RecordedSymptoms;
    return LoadVisitForChart(state, 0) ? PatientChoice::OpenChart : PatientChoice::NothingToOpen;
}

CurrentPatientState CurrentPatientOf(const CQuillonState& state)
{
    return {state.m_strPatientFile, state.m_strPatientName, state.m_strPatientAge, state.m_strListVisitDate,
        state.m_strPhysicianName, state.m_arrVisitOffsets, state.m_arrVisitDates};
}

void RestoreCurrentPatient(CQuillonState& state, CurrentPatientState patient)
{
    state.m_strPatientFile = std::move(patient.file);
    state.m_strPatientName = std::move(patient.name);
    state.m_strPatientAge = std::move(patient.age);
    state.m_strListVisitDate = std::move(patient.listVisitDate);
    state.m_strPhysicianName = std::move(patient.physician);
    state.m_arrVisitOffsets = std::move(patient.visitOffsets);
    state.m_arrVisitDates = std::move(patient.visitDates);
}

} // namespace quillon
