// Everything the windows of one run share, without any window: the case store, the patient,
// the remedy catalogue and the layout table. The application object adds the windows.
#pragma once

#include "casedata/CaseStore.h"
#include "casedata/MessageSink.h"
#include "casedata/PracticeFolder.h"
#include "casedata/RemedyCatalogue.h"
#include "materiamedica/RowLayout.h"

#include <memory>
#include <string>

namespace quillon {

// Keys of the open-view map, one per kind of view.
enum ViewKey : int { kViewChart = 2, kViewMateriaMedica = 3, kViewCaseRecord = 4 };

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

    RowLayout m_rowLayout;
};

} // namespace quillon
