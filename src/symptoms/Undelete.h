// The Undelete Recorded Symptom dialog without its window: the deleted symptoms in order of deletion and
// their return to the end of the live symptoms, one at a time or all together.
#pragma once

#include "casedata/CaseStore.h"

#include <string>
#include <vector>

namespace quillon {

// "Deleted Symptoms (n)" in the user's language.
std::string DeletedSymptomsCaption(std::size_t count);

class CUndelete final
{
public:
    explicit CUndelete(CCaseStore& store);
    CUndelete(const CUndelete&) = delete;
    CUndelete& operator=(const CUndelete&) = delete;

    // The lines of the list: texts of the deleted symptoms in order of deletion.
    const std::vector<std::string>& Texts() const { return m_texts; }
    std::string Caption() const { return DeletedSymptomsCaption(m_texts.size()); }

    int Selection() const { return m_nSelection; }
    void Select(int line);

    // Undelete and Undelete All are enabled until the last deleted symptom is restored.
    bool ButtonsEnabled() const { return m_bButtonsEnabled; }

    // Restores the selected symptom to the end of the live symptoms; false when no line is selected.
    bool Undelete();
    // Restores every deleted symptom in order of deletion; the dialog then closes with OK.
    void UndeleteAll();

    // How many symptoms this dialog brought back (the owner refreshes its lists when any).
    int RestoredCount() const { return m_nRestored; }

private:
    void Fill();

    CCaseStore* m_store;
    std::vector<std::string> m_texts;
    int m_nSelection = -1;
    bool m_bButtonsEnabled = true;
    int m_nRestored = 0;
};

} // namespace quillon
