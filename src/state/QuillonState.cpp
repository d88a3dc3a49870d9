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

void CQuillonState::ClearDependentState()
{
    // What was derived from the case that goes: its chart rows and the property list of its filter.
    m_mapRemedyRows.clear();
    m_mapDrugProperties.clear();
}

void CQuillonState::LoadCatalogue()
{
    m_pRemedyCatalogue = std::make_unique<CRemedyCatalogue>(m_folder, Sink());
}

} // namespace quillon
