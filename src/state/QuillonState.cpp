// The shared state of one run.
#include "state/QuillonState.h"

namespace quillon {

// The case store keeps a pointer to the folder member, which is constructed before it is used.
CQuillonState::CQuillonState(CPracticeFolder folder, IMessageSink& sink)
    : CCaseStore(m_folder, sink), m_folder(std::move(folder))
{
}

CQuillonState::~CQuillonState()
{
    m_pRemedyCatalogue.reset();
    ClearCaseStore();
}

void CQuillonState::LoadCatalogue()
{
    m_pRemedyCatalogue = std::make_unique<CRemedyCatalogue>(m_folder, Sink());
}

void CQuillonState::ForgetRunChoices()
{
    m_arrMMRemedies.clear();
    m_nDrugPropertyMask = 0;
    m_kingdomFilterState = {};
}

} // namespace quillon
