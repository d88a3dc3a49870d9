// The chart's reports: the symptoms-covered dialog behind button 1215 and the remedy popup, and the File menu's
// export of the whole chart as CSV, PDF and print.
#pragma once

namespace quillon {

class CMainFrame;
class CQuillonApp;
class CRepView;

// Lets the chart open the Symptom Covered and Not Covered dialog on the remedy picked in it.
void InstallSymptomCoveredReport(CQuillonApp& app, CRepView& view);

// Adds "Export Chart as CSV…", "Save Chart as PDF…" and "Print Chart…" to the File menu, enabled while a chart
// is open.
void InstallChartExportCommands(CQuillonApp& app, CMainFrame& frame);

// The commands themselves, on the chart open in the application (nothing without one).
void ExportChartCsv(CQuillonApp& app);
void SaveChartPdf(CQuillonApp& app);
void PrintChartPages(CQuillonApp& app);

} // namespace quillon
