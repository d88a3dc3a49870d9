// The kingdom dialogs behind the chart's plant, animal and mineral buttons.
#include "filters/KingdomDialogChooser.h"

#include "filters/ClassFilterDialog.h"
#include "filters/MineralFilterDialog.h"

namespace quillon {

std::optional<KingdomDialogResult> CKingdomDialogChooser::ChooseKingdom(
    int nKind, const std::vector<FilterRemedy>& remedies, KingdomFilterState& state)
{
    if (m_beforeOpen)
        m_beforeOpen();
    if (nKind == kKingdomMineral) {
        CMineralFilterDlg dialog(*m_pFolder, remedies, *m_pSink, state, m_pParent);
        if (dialog.exec() != kFilterOk)
            return std::nullopt;
        return KingdomDialogResult::FromMineral(dialog.Result());
    }
    if (nKind == kKingdomPlant) {
        CPlantFilterDlg dialog(*m_pFolder, remedies, *m_pSink, m_pParent);
        if (dialog.exec() != kFilterOk)
            return std::nullopt;
        return KingdomDialogResult::FromClass(dialog.Result());
    }
    if (nKind == kKingdomAnimal) {
        CAnimalFilterDlg dialog(*m_pFolder, remedies, *m_pSink, m_pParent);
        if (dialog.exec() != kFilterOk)
            return std::nullopt;
        return KingdomDialogResult::FromClass(dialog.Result());
    }
    return std::nullopt;
}

} // namespace quillon
