// The four document templates, in the order they are registered.
#include "app/AppSettings.h"
#include "app/ChartCommands.h"
#include "app/MainFrame.h"
#include "app/QuillonApp.h"
#include "caserecord/CrFollow.h"
#include "chart/RepView.h"
#include "materiamedica/RepCmpVw.h"

#include <QTimer>

namespace quillon {

namespace {

QWidget* CreateChart(CQuillonApp& app)
{
    auto* view = new CRepView(app, app);
    view->SetFitToWindow(app.Settings().FitChartToWindow());
    InstallChartCommands(app, *view);
    return view;
}

QWidget* CreateMateriaMedica(CQuillonApp& app)
{
    auto* view = new CRepCmpVw(app, app);
    // Closing the view returns to the conversion dialog, unless every view is being closed.
    QObject::connect(view, &QObject::destroyed, &app, [&app] {
        if (!app.m_bClosingAllViews)
            QTimer::singleShot(0, &app, [&app] { RunConversion(app); });
    });
    return view;
}

} // namespace

std::vector<CDocTemplate> CreateDocTemplates()
{
    return {
        {1, [](CQuillonApp&) -> QWidget* { return new CQuillonView(); }},
        {2, &CreateChart},
        {3, &CreateMateriaMedica},
        {4, [](CQuillonApp& app) -> QWidget* { return new CCrFollow(app, app); }},
    };
}

} // namespace quillon
