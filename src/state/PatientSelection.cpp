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

PatientChoice ChooseCurrentPatient(CQuillonState& state, int nVisit)
{
    if (!state.LoadVisitIndex())
        return PatientChoice::StayOpen;
    if (nVisit < 0 || nVisit >= state.VisitCount())
        return PatientChoice::NoSuchVisit;
    if (state.VisitCount() > 1)
        return PatientChoice::RecordedSymptoms;
    return LoadVisitForChart(state, 0) ? PatientChoice::OpenChart : PatientChoice::NothingToOpen;
}

} // namespace quillon
