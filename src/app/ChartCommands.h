// The chart's commands in one place: what its buttons, popups and menu items open (the Drug List, the full remedy
// list, the symptoms-covered report, the follow-up comparisons, the materia medica conversion, the magnifier), and
// the File menu's export of the whole chart as CSV, PDF and print.
#pragma once

#include "state/ChartRow.h"

#include <vector>

namespace quillon {

class CMainFrame;
class CQuillonApp;
class CRepView;

// Connects a new chart to the application and gives each of its commands its handler.
void InstallChartCommands(CQuillonApp& app, CRepView& view);

// The conversion dialog over the main frame, offering the chart's rows; its OK opens the materia medica view.
void RunConversion(CQuillonApp& app, std::vector<ChartRow> rows);

// Adds "Export Chart as CSV…", "Save Chart as PDF…" and "Print Chart…" to the File menu, enabled while a chart
// is open.
void InstallChartExportCommands(CQuillonApp& app, CMainFrame& frame);

// The commands themselves, on the chart open in the application (nothing without one).
void ExportChartCsv(CQuillonApp& app);
void SaveChartPdf(CQuillonApp& app);
void PrintChartPages(CQuillonApp& app);

} // namespace quillon
