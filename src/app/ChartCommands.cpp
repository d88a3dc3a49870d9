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
#include <QFileInfo>
#include <QMdiArea>
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

std::optional<QString> ChooseFile(CQuillonApp& app, const QString& caption, const char* suffix, const QString& filter)
{
    const std::optional<QString> chosen
        = app.Choices().ChooseSaveFile(app.MainFrame(), caption, SuggestedName(app, suffix), filter);
    if (!chosen || chosen->isEmpty())
        return std::nullopt;
    QString path = *chosen;
    if (QFileInfo(path).suffix().isEmpty())
        path += QLatin1Char('.') + QLatin1String(suffix);
    return path;
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

// Enables the three export commands of the File menu when a chart is open.
void UpdateExportCommands(CQuillonApp& app, bool open)
{
    if (!app.MainFrame())
        return;
    for (QAction* action : app.MainFrame()->FileMenu()->actions()) {
        const int id = action->data().toInt();
        if (id == ID_EXPORT_CHART_CSV || id == ID_SAVE_CHART_PDF || id == ID_PRINT_CHART)
            action->setEnabled(open);
    }
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
    view.SetCommandHandler(ID_MENU_DRUG_LIST, [&view, &app] {
        const auto rows = view.Methods().PrepareDrugList();
        if (!rows)
            return;
        CDrugListDialog dialog(*rows, &view);
        QObject::connect(&dialog, &CDrugListDialog::ScrollChart, &view, &CRepView::ScrollToRemedy);
        dialog.exec();
    });
    view.SetCommandHandler(ID_MENU_FULL_SYMPTOM, [&view, &app] {
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
        view.SetCommandHandler(ID_COMPARE_VISITS, [&app, &view] {
            CCompareVisitsDialog dialog(app.State(), app.Choices(), ChartVisit(app.State()), &view);
            dialog.exec();
        });
    }
    view.SetCommandHandler(ID_STABILITY, [&app, &view] {
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
    view.SetCommandHandler(ID_STRATEGIES, [&app, &view] {
        CStrategiesDialog dialog(app.State(), app.Choices(), view.Engine(), view.Methods(), &view);
        dialog.exec();
    });
    view.SetCommandHandler(ID_FAMILIES, [&app, &view] {
        CFamiliesDialog dialog(
            app.State(), app.Choices(), view.Engine(), [&view](const ChartCommand& command) { view.Replay(command); },
            &view);
        dialog.exec();
    });
}

void InstallSymptomCoveredReport(CQuillonApp& app, CRepView& view)
{
    const QPointer<CRepView> chart(&view);
    // At most one chart is open: while it goes, the export commands go with it.
    QObject::connect(&view, &QObject::destroyed, &app, [&app] { UpdateExportCommands(app, false); });
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
    QObject::connect(&view, &CRepView::CommandsChanged, &app, [&app] {
        if (CMainFrame* frame = app.MainFrame())
            frame->UpdateCommandUI();
    });
    InstallRemedyListCommands(app, view);
    InstallFollowUpCommands(app, view);
    InstallReadingsCommands(app, view);
    InstallSymptomCoveredReport(app, view);
    if (CCaseBookCommands* caseBook = app.CaseBook())
        caseBook->InstallOnChart(view);
    view.SetCommandHandler(ID_MENU_CONV_REP_TO_MM, [&view, &app] {
        if (auto rows = view.Methods().PrepareConversion(app.State().ConversionRemedies()))
            RunConversion(app, std::move(*rows));
    });
    auto* magnifier = new CMagnifier(&view);
    view.SetCommandHandler(ID_MAGNIFY, [magnifier] { magnifier->Toggle(); });
}

void InstallChartExportCommands(CQuillonApp& app, CMainFrame& frame)
{
    QMenu* menu = frame.FileMenu();
    // After the chart's own commands, before the case-record pages.
    const QList<QAction*> actions = menu->actions();
    const auto at = actions.indexOf(frame.Action(ID_FULL_CASE_RECORD));
    QAction* before = at > 0 ? actions[at - 1] : nullptr;
    const auto add = [&](int id, const QString& text, void (*run)(CQuillonApp&)) {
        auto* action = new QAction(text, menu);
        action->setData(id);
        menu->insertAction(before, action);
        QObject::connect(action, &QAction::triggered, &app, [&app, run] { run(app); });
        return action;
    };
    menu->insertSeparator(before);
    add(ID_EXPORT_CHART_CSV, QCoreApplication::translate("CChartCommands", "Export Chart as &CSV\u2026"),
        &ExportChartCsv);
    add(ID_SAVE_CHART_PDF, QCoreApplication::translate("CChartCommands", "Save Chart as P&DF\u2026"), &SaveChartPdf);
    add(ID_PRINT_CHART, QCoreApplication::translate("CChartCommands", "Pr&int Chart\u2026"), &PrintChartPages);
    const auto update = [&app] { UpdateExportCommands(app, app.OpenChart() != nullptr); };
    QObject::connect(menu, &QMenu::aboutToShow, &frame, update);
    QObject::connect(frame.MdiArea(), &QMdiArea::subWindowActivated, &frame, update);
    UpdateExportCommands(app, false);
}

void ExportChartCsv(CQuillonApp& app)
{
    CRepView* view = app.OpenChart();
    if (!view)
        return;
    const std::optional<QString> path
        = ChooseFile(app, QCoreApplication::translate("CChartCommands", "Export Chart as CSV"), "csv",
            QCoreApplication::translate("CChartCommands", "CSV files (*.csv)"));
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
