// The Undelete Recorded Symptom dialog's model.
#include "symptoms/Undelete.h"

#include "casedata/Translatable.h"

namespace quillon {

std::string DeletedSymptomsCaption(std::size_t count)
{
    return FormatText(translate("CUndelete", "Deleted Symptoms (%1)"), {std::to_string(count)});
}

CUndelete::CUndelete(CCaseStore& store) : m_store(&store)
{
    Fill();
    Select(0);
}

void CUndelete::Fill()
{
    m_texts.assign(m_store->DeletedTexts().begin(), m_store->DeletedTexts().end());
}

void CUndelete::Select(int line)
{
    m_nSelection = line >= 0 && line < static_cast<int>(m_texts.size()) ? line : -1;
}

bool CUndelete::Undelete()
{
    if (m_nSelection < 0 || m_nSelection >= m_store->DeletedCount())
        return false;
    // The store closes the gap in its deleted lists itself.
    m_store->RestoreDeletedSymptom(m_nSelection);
    ++m_nRestored;
    Fill();
    Select(m_texts.empty() ? -1 : 0);
    m_bButtonsEnabled = !m_store->DeletedTexts().empty();
    return true;
}

void CUndelete::UndeleteAll()
{
    // Each restore moves the remaining deleted symptoms one place down, so the first is taken every time.
    for (int remaining = m_store->DeletedCount(); remaining > 0; --remaining) {
        m_store->RestoreDeletedSymptom(0);
        ++m_nRestored;
    }
    Fill();
    Select(-1);
}

} // namespace quillon
