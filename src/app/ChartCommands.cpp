// The chart's commands.
#include "app/ChartCommands.h"

#include "app/CaseBookCommands.h"
#include "app/MainFrame.h"
#include "app/QuillonApp.h"
#include "chart/ChartCsv.h"
#include "chart/ChartPagePainter.h"
#include "chart/RepView.h"
#include "controls/DisplayText.h"
#include "controls/PageOutput.h"
#include "controls/SavedFile.h"
#include "controls/UserChoices.h"
#include "engine/RepEngine.h"
#include "engine/RepMethods.h"
#include "followup/FollowUpDialogs.h"
#include "magnifier/Magnifier.h"
#include "materiamedica/ConvertDialog.h"
#include "readings/ReadingsDialogs.h"
#include "reports/DrugListDialog.h"
#include "reports/FullRemedyListDialog.h"
#include "reports/SymptomCoverDialog.h"
#include "state/SaveNames.h"
#include "symptoms/RecordedSymptoms.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QPointer>
#include <QSaveFile>
#include <QTimer>

namespace quillon {

namespace {

QString SuggestedName(const CQuillonApp& app, const char* suffix)
{
    return FromData(SuggestedFileName(
        app.State().Patient(), ToData(QCoreApplication::translate("CChartCommands", "Chart")), suffix));
}

ChartPagesHeader HeaderOf(const CQuillonApp& app, const CRepView& view)
{
    return RecordedChartHeader(app.State().Patient(), view.Methods());
}

// The chart's pages to a PDF file or, through the print preview, to a printer.
void OutputChart(CQuillonApp& app, PageTarget target)
{
    CRepView* view = app.OpenChart();
    if (!view)
        return;
    const ChartPagesHeader header = HeaderOf(app, *view);
    PageJob job;
    job.target = target;
    job.title = ChartDocumentTitle(header);
    job.caption = QCoreApplication::translate("CChartCommands", "Save Chart as PDF");
    job.suggestedName = SuggestedName(app, "pdf");
    job.orientation = QPageLayout::Landscape;
    job.paint = ChartPagesPainter(view->Engine(), header);
    OutputPages(job, app.Choices(), app.Sink(), app.MainFrame());
}

// Gives a chart command whose dialog lives here its handler, which enables it.
template <typename Run> void Offer(QAction* action, CQuillonApp& app, Run run)
{
    QObject::connect(action, &QAction::triggered, &app, run);
    action->setEnabled(true);
}

// The visit the chart shows, by its date (the first when none matches).
int ChartVisit(const CQuillonState& state)
{
    for (int v = 0; v < state.VisitCount(); ++v)
        if (state.m_arrVisitDates[static_cast<std::size_t>(v)].substr(0, 14) == state.m_szVisitDate)
            return v;
    return 0;
}

void InstallRemedyListCommands(CQuillonApp& app, CRepView& view)
{
    Offer(view.Actions().drugList, app, [&view, &app] {
        const auto rows = view.Methods().PrepareDrugList();
        if (!rows)
            return;
        CDrugListDialog dialog(*rows, &view);
        QObject::connect(&dialog, &CDrugListDialog::ScrollChart, &view, &CRepView::ScrollToRemedy);
        dialog.exec();
    });
    Offer(view.Actions().fullSymptom, app, [&view, &app] {
        const CSymptomRecord* symptom = view.Methods().SymptomForFullList();
        if (!symptom)
            return;
        CFullRemedyListDialog dialog(
            app.State().Patient(), app.State().Catalogue(), app.Sink(), app.Choices(), *symptom, &view);
        dialog.exec();
    });
}

void InstallFollowUpCommands(CQuillonApp& app, CRepView& view)
{
    if (app.State().VisitCount() >= 2) {
        Offer(view.Actions().compareVisits, app, [&app, &view] {
            CCompareVisitsDialog dialog(app.State(), app.Choices(), ChartVisit(app.State()), &view);
            dialog.exec();
        });
    }
    Offer(view.Actions().stability, app, [&app, &view] {
        const int picked = view.SelRemedy();
        const RemedyResult* remedy
            = picked >= 0 && picked < view.Engine().RemedyCount() ? view.Engine().SortedRemedy(picked) : nullptr;
        CStabilityDialog dialog(app.State(), app.Choices(), remedy ? remedy->code : -1, &view);
        dialog.exec();
    });
}

// "Strategies…" and "Families…"; a family applied runs as the chart's kingdom filter, answered by its command.
void InstallReadingsCommands(CQuillonApp& app, CRepView& view)
{
    Offer(view.Actions().strategies, app, [&app, &view] {
        CStrategiesDialog dialog(app.State(), app.Choices(), view.Engine(), view.Methods(), &view);
        dialog.exec();
    });
    Offer(view.Actions().families, app, [&app, &view] {
        CFamiliesDialog dialog(
            app.State(), app.Choices(), view.Engine(), [&view](const ChartCommand& command) { view.Replay(command); },
            &view);
        dialog.exec();
    });
}

void InstallSymptomCoveredReport(CQuillonApp& app, CRepView& view)
{
    const QPointer<CRepView> chart(&view);
    view.SetSymptomCoveredReport([&app, chart](const std::string&) {
        if (!chart)
            return;
        // The picked row's own code: a name can stand for several remedies.
        const RemedyResult* picked = chart->Engine().SortedRemedy(chart->Methods().SelectedRemedyRow());
        if (!picked)
            return;
        CSymptomCoverDlg dialog(
            app.State(), &chart->Engine(), picked->code, app.Choices(), app.Sink(), chart->window());
        dialog.exec();
    });
}

} // namespace

void RunConversion(CQuillonApp& app, std::vector<ChartRow> rows)
{
    const auto request = RunConversionDialog(app.State(), rows, app.MainFrame());
    if (!request)
        return;
    app.SetMateriaMedicaRequest(*request);
    // Closing the view returns to the dialog, on the same rows.
    if (QWidget* view = app.OpenViewTemplate(3))
        QObject::connect(view, &QObject::destroyed, &app, [&app, rows = std::move(rows)] {
            if (!app.ClosingAllViews())
                QTimer::singleShot(0, &app, [&app, rows] { RunConversion(app, rows); });
        });
}

void InstallChartCommands(CQuillonApp& app, CRepView& view)
{
    QObject::connect(&view, &CRepView::SymptomListRequested, &app, [&app] { app.RunRecordedSymptomsDialog(1); });
    // The frame's commands that need a chart (File > Export, Save Analysis) go with it.
    QObject::connect(&view, &QObject::destroyed, &app, [&app] {
        if (CMainFrame* frame = app.MainFrame())
            QTimer::singleShot(0, frame, &CMainFrame::UpdateCommandUI);
    });
    InstallRemedyListCommands(app, view);
    InstallFollowUpCommands(app, view);
    InstallReadingsCommands(app, view);
    InstallSymptomCoveredReport(app, view);
    if (CCaseBookCommands* caseBook = app.CaseBook())
        caseBook->InstallOnChart(view);
    Offer(view.Actions().conversion, app, [&view, &app] {
        if (auto rows = view.Methods().PrepareConversion(app.State().ConversionRemedies()))
            RunConversion(app, std::move(*rows));
    });
    auto* magnifier = new CMagnifier(&view);
    Offer(view.Actions().magnify, app, [magnifier] { magnifier->Toggle(); });
}

void InstallChartExportCommands(CQuillonApp& app, CMainFrame& frame)
{
    QMenu* menu = frame.FileMenu();
    // After the chart's own commands, before the case-record pages.
    const QList<QAction*> actions = menu->actions();
    const auto at = actions.indexOf(frame.Action("fullCaseRecord"));
    QAction* before = at > 0 ? actions[at - 1] : nullptr;
    const auto add = [&](const char* name, const QString& text, void (*run)(CQuillonApp&)) {
        auto* action = new QAction(text, menu);
        action->setObjectName(QLatin1String(name));
        menu->insertAction(before, action);
        frame.Declare(
            action, [&app, run] { run(app); }, [&app] { return app.OpenChart() != nullptr; });
    };
    menu->insertSeparator(before);
    add("exportChartCsv", QCoreApplication::translate("CChartCommands", "Export Chart as &CSV\u2026"), &ExportChartCsv);
    add("saveChartPdf", QCoreApplication::translate("CChartCommands", "Save Chart as P&DF\u2026"), &SaveChartPdf);
    add("printChart", QCoreApplication::translate("CChartCommands", "Pr&int Chart\u2026"), &PrintChartPages);
    frame.UpdateCommandUI();
}

void ExportChartCsv(CQuillonApp& app)
{
    CRepView* view = app.OpenChart();
    if (!view)
        return;
    const std::optional<QString> path = ChooseSaveFileWithSuffix(app.Choices(), app.MainFrame(),
        QCoreApplication::translate("CChartCommands", "Export Chart as CSV"), SuggestedName(app, "csv"),
        QCoreApplication::translate("CChartCommands", "CSV files (*.csv)"), "csv");
    if (!path)
        return;
    if (!SaveChosenFile(*path, ChartCsv(view->Engine(), app.State().Catalogue())))
        app.Sink().Show(kMsgErrorCreatingFile);
}

void SaveChartPdf(CQuillonApp& app)
{
    OutputChart(app, PageTarget::PdfFile);
}

void PrintChartPages(CQuillonApp& app)
{
    OutputChart(app, PageTarget::PrintPreview);
}

} // namespace quillon
