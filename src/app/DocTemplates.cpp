// The four document templates, in the order they are registered.
#include "app/AppSettings.h"
#include "app/ChartCommands.h"
#include "app/MainFrame.h"
#include "app/QuillonApp.h"
#include "caserecord/CrFollow.h"
#include "chart/RepView.h"
#include "materiamedica/RepCmpVw.h"

namespace quillon {

namespace {

QWidget* CreateChart(CQuillonApp& app)
{
    auto* view = new CRepView(app.State(), app);
    view->SetFitToWindow(app.Settings().FitChartToWindow());
    InstallChartCommands(app, *view);
    return view;
}

QWidget* CreateMateriaMedica(CQuillonApp& app)
{
    return new CRepCmpVw(app.State(), app.MateriaMedicaRequest(), app);
}

} // namespace

std::vector<CDocTemplate> CreateDocTemplates()
{
    return {
        {1, [](CQuillonApp&) -> QWidget* { return new CQuillonView(); }},
        {2, &CreateChart},
        {3, &CreateMateriaMedica},
        {4,
            [](CQuillonApp& app) -> QWidget* {
                return new CCrFollow(app.State().Patient(), app.CaseRecordMode(), app.Sink(), app);
            }},
    };
}

} // namespace quillon
