// The chart's remedy list commands.
#include "repertory/RemedyListCommands.h"

#include "app/QuillonApp.h"
#include "repertory/DrugListDialog.h"
#include "repertory/FullRemedyListDialog.h"
#include "repertory/RepView.h"

namespace quillon {

void InstallRemedyListCommands(CRepView& view, CQuillonApp& app)
{
    view.SetCommandHandler(ID_MENU_DRUG_LIST, [&view, &app] {
        if (!view.Methods().PrepareDrugList())
            return;
        CDrugListDialog dialog(app, &view);
        dialog.exec();
    });
    view.SetCommandHandler(ID_MENU_FULL_SYMPTOM, [&view, &app] {
        const CSymptomRecord* symptom = view.Methods().SymptomForFullList();
        if (!symptom)
            return;
        CFullRemedyListDialog dialog(app, *symptom, &view);
        dialog.exec();
    });
}

} // namespace quillon
