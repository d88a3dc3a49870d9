// The four document templates, in the order they are registered.
#include "app/CaseBookCommands.h"
#include "app/ChartReports.h"
#include "app/MainFrame.h"
#include "app/QuillonApp.h"
#include "caserecord/CrFollow.h"
#include "chart/RemedyListCommands.h"
#include "chart/RepView.h"
#include "followup/FollowUpDialogs.h"
#include "magnifier/Magnifier.h"
#include "materiamedica/ConvertDialog.h"
#include "materiamedica/RepCmpVw.h"

#include <QTimer>

namespace quillon {

namespace {

// The conversion dialog over the main frame; its OK opens the materia medica view.
void RunConversion(CQuillonApp& app)
{
    if (RunConversionDialog(app, app.MainFrame()))
        app.OpenViewTemplate(3);
}

QWidget* CreateChart(CQuillonApp& app)
{
    auto* view = new CRepView(app, app);
    QObject::connect(view, &CRepView::SymptomListRequested, &app, [&app] { app.RunRecordedSymptomsDialog(1); });
    QObject::connect(view, &CRepView::CommandsChanged, &app, [&app] {
        if (CMainFrame* frame = app.MainFrame())
            frame->UpdateCommandUI();
    });
    InstallRemedyListCommands(*view, app, app.Choices());
    InstallFollowUpCommands(*view, app, app.Choices());
    InstallSymptomCoveredReport(app, *view);
    if (CCaseBookCommands* caseBook = app.CaseBook())
        caseBook->InstallOnChart(*view);
    InstallConversionCommand(*view, [&app] { RunConversion(app); });
    auto* magnifier = new CMagnifier(view);
    view->SetCommandHandler(ID_MAGNIFY, [magnifier] { magnifier->Toggle(); });
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
