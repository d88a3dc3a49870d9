// The four document templates, in the order they are registered.
#include "app/ChartReports.h"
#include "app/MainFrame.h"
#include "app/QuillonApp.h"
#include "caserecord/CrFollow.h"
#include "magnifier/Magnifier.h"
#include "materiamedica/ConvertDialog.h"
#include "materiamedica/RepCmpVw.h"
#include "repertory/FollowUpDialogs.h"
#include "repertory/RemedyListCommands.h"
#include "repertory/RepView.h"

namespace quillon {

// The chart's commands whose windows live in other subsystems.
static QWidget* InstallChartCommands(CQuillonApp& app, CRepView* view)
{
    InstallConversionCommand(app, *view);
    auto* magnifier = new CMagnifier(view);
    view->SetCommandHandler(ID_MAGNIFY, [magnifier] { magnifier->Toggle(); });
    return view;
}

std::vector<CDocTemplate> CreateDocTemplates()
{
    return {
        {1, "CQuillonView", [](CQuillonApp&) -> QWidget* { return new CQuillonView(); }},
        {2, "CRepView",
            [](CQuillonApp& app) -> QWidget* {
                auto* view = new CRepView(app);
                InstallRemedyListCommands(*view, app);
                InstallFollowUpCommands(*view, app);
                InstallSymptomCoveredReport(app, *view);
                return InstallChartCommands(app, view);
            }},
        {3, "CRepCmpVw", [](CQuillonApp& app) -> QWidget* { return new CRepCmpVw(app); }},
        {4, "CCrFollow", [](CQuillonApp& app) -> QWidget* { return new CCrFollow(app); }},
    };
}

} // namespace quillon
