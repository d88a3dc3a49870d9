// Everything the windows of one run share, without any window: the case store, the patient, the remedy catalogue
// and the choices that last for the run. The application object owns it and hands it to the windows.
#pragma once

#include "casedata/CaseStore.h"
#include "casedata/MessageSink.h"
#include "casedata/PracticeFolder.h"
#include "casedata/RemedyCatalogue.h"
#include "state/KingdomFilterState.h"
#include "state/MateriaMedicaRequest.h"
#include "state/PatientContext.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace quillon {

class CQuillonState : public CCaseStore
{
public:
    CQuillonState(CPracticeFolder folder, IMessageSink& sink);
    ~CQuillonState() override;

    // Builds the remedy catalogue from the folder (its messages go to the sink).
    void LoadCatalogue();
    // The remedy catalogue (null before it is built, or when the folder lacks it).
    const CRemedyCatalogue* Catalogue() const { return m_pRemedyCatalogue.get(); }
    // The patient and the visit on show.
    PatientContext Patient() const
    {
        return {Folder(), m_strPatientFile, m_strPatientName, m_strPhysicianName, m_szVisitDate};
    }

    // The required property bits of the drug filter in force (0: no filter).
    std::uint32_t DrugPropertyMask() const { return m_nDrugPropertyMask; }
    void SetDrugPropertyMask(std::uint32_t mask) { m_nDrugPropertyMask = mask; }
    // The boxes of the Drug Filter dialog's last OK, with which it opens again.
    const std::vector<int>& DrugFilterChoice() const { return m_arrDrugFilterChoice; }
    void SetDrugFilterChoice(std::vector<int> choice) { m_arrDrugFilterChoice = std::move(choice); }
    KingdomFilterState& KingdomFilter() { return m_kingdomFilterState; }
    // The remedies chosen for the materia medica conversion, kept from one conversion to the next.
    std::vector<ChosenRemedy>& ConversionRemedies() { return m_arrMMRemedies; }
    // A new practice folder: the choices of the run start afresh.
    void ForgetRunChoices();

    CPracticeFolder m_folder;
    std::unique_ptr<CRemedyCatalogue> m_pRemedyCatalogue;

    std::string m_strPatientName;
    std::string m_strPatientAge;
    std::string m_strListVisitDate;
    std::string m_strPhysicianName;

private:
    std::vector<ChosenRemedy> m_arrMMRemedies;
    std::uint32_t m_nDrugPropertyMask = 0;
    // Kept for the whole run, as are the kingdom filters' choices.
    std::vector<int> m_arrDrugFilterChoice;
    KingdomFilterState m_kingdomFilterState;
};

} // namespace quillon
