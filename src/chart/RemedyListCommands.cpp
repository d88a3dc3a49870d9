// The chart's remedy list commands.
#include "chart/RemedyListCommands.h"

#include "chart/RepView.h"
#include "reports/DrugListDialog.h"
#include "reports/FullRemedyListDialog.h"

namespace quillon {

void InstallRemedyListCommands(CRepView& view, const CQuillonState& state, IUserChoices& choices)
{
    view.SetCommandHandler(ID_MENU_DRUG_LIST, [&view, &state] {
        if (!view.Methods().PrepareDrugList())
            return;
        CDrugListDialog dialog(state, &view);
        QObject::connect(&dialog, &CDrugListDialog::ScrollChart, &view, &CRepView::ScrollToRemedy);
        dialog.exec();
    });
    view.SetCommandHandler(ID_MENU_FULL_SYMPTOM, [&view, &state, &choices] {
        const CSymptomRecord* symptom = view.Methods().SymptomForFullList();
        if (!symptom)
            return;
        CFullRemedyListDialog dialog(state, choices, *symptom, &view);
        dialog.exec();
    });
}

} // namespace quillon
