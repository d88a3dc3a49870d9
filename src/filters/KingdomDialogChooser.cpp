// The kingdom dialogs behind the chart's plant, animal and mineral buttons.
#include "filters/KingdomDialogChooser.h"

#include "filters/ClassFilterDialog.h"
#include "filters/MineralFilterDialog.h"

namespace quillon {
namespace {

KingdomDialogResult ClassAnswer(const CClassFilterDialog& dialog)
{
    KingdomDialogResult result = KingdomDialogResult::FromClass(dialog.Result());
    result.m_nClassLine = dialog.Model().SelectedClass() + 1;
    for (int k = 1; k <= kClassTypeCount; ++k)
        if (dialog.Model().IsTypeChecked(k))
            result.m_arrTypes.push_back(k);
    return result;
}

} // namespace

std::optional<KingdomDialogResult> CKingdomDialogChooser::ChooseKingdom(
    int nKind, const std::vector<FilterRemedy>& remedies, KingdomFilterState& state)
{
    if (m_beforeOpen)
        m_beforeOpen();
    if (nKind == kKingdomMineral) {
        CMineralFilterDlg dialog(*m_pFolder, remedies, *m_pSink, state, m_pParent);
        if (dialog.exec() != kFilterOk)
            return std::nullopt;
        KingdomDialogResult result = KingdomDialogResult::FromMineral(dialog.Result());
        result.m_arrMineralSteps = dialog.Model().Steps();
        return result;
    }
    if (nKind == kKingdomPlant) {
        CPlantFilterDlg dialog(*m_pFolder, remedies, *m_pSink, m_pParent);
        if (dialog.exec() != kFilterOk)
            return std::nullopt;
        return ClassAnswer(dialog);
    }
    if (nKind == kKingdomAnimal) {
        CAnimalFilterDlg dialog(*m_pFolder, remedies, *m_pSink, m_pParent);
        if (dialog.exec() != kFilterOk)
            return std::nullopt;
        return ClassAnswer(dialog);
    }
    return std::nullopt;
}

} // namespace quillon
