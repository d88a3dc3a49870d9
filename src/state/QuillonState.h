// Everything the windows of one run share, without any window: the case store, the patient,
// the remedy catalogue and the filter choices. The application object adds the windows.
#pragma once

#include "casedata/CaseStore.h"
#include "casedata/MessageSink.h"
#include "casedata/PracticeFolder.h"
#include "casedata/RemedyCatalogue.h"
#include "state/ChartRow.h"
#include "state/KingdomFilterState.h"
#include "state/MateriaMedicaRequest.h"

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

    CPracticeFolder m_folder;
    std::unique_ptr<CRemedyCatalogue> m_pRemedyCatalogue;

    std::string m_strPatientName;
    std::string m_strPatientAge;
    std::string m_strListVisitDate;
    std::string m_strPhysicianName;

    bool m_bCaseRecordMode = false; // true: the case-record view shows the full case record, false: the follow-up
    bool m_bClosingAllViews = false;

    // The chart's rows in display order, as the chart last handed them to the drug list or the materia medica
    // conversion.
    std::vector<ChartRow> m_mapRemedyRows;
    // The remedies chosen for the materia medica conversion (kept from one conversion to the next).
    std::vector<ChosenRemedy> m_arrMMRemedies;
    // The materia medica request of the conversion dialog's last OK.
    CMateriaMedicaRequest m_mmRequest;

    // Drug property filter: the required property bits (0: no filter) and the chosen property numbers k
    // (1..31, ascending) of the filter in force; a normal repertorisation empties the list.
    std::uint32_t m_nDrugPropertyMask = 0;
    std::vector<int> m_mapDrugProperties;
    // The boxes of the Drug Filter dialog's last OK, with which it opens again; kept for the whole run.
    std::vector<int> m_arrDrugFilterChoice;

    KingdomFilterState m_kingdomFilterState;

protected:
    void ClearDependentState() override;
};

} // namespace quillon
