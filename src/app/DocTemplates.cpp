// The four document templates, in the order they are registered.
#include "app/ChartReports.h"
#include "app/MainFrame.h"
#include "app/QuillonApp.h"
#include "caserecord/CrFollow.h"
#include "repertory/FollowUpDialogs.h"
#include "repertory/RemedyListCommands.h"
#include "repertory/RepView.h"

namespace quillon {

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
                return view;
            }},
        {3, "CRepCmpVw", [](CQuillonApp&) -> QWidget* { return new CQuillonView(); }},
        {4, "CCrFollow", [](CQuillonApp& app) -> QWidget* { return new CCrFollow(app); }},
    };
}

} // namespace quillon
