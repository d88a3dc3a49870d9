// The covered and export commands.
#include "report/ReportCovered.h"

#include "casedata/TextCodec.h"
#include "chart/ChartCsv.h"
#include "chart/ChartPages.h"
#include "engine/RepEngine.h"
#include "engine/RepMethods.h"
#include "report/ReportChart.h"
#include "report/ReportStatus.h"
#include "reports/SymptomCover.h"
#include "state/QuillonState.h"
#include "symptoms/RecordedSymptoms.h"

#include <ostream>

namespace quillon::report {

namespace {

constexpr const char* kCoveredUsage = "covered REGNO [--visit N] [--do ACTION]... RANK";
constexpr const char* kExportUsage = "export REGNO [--visit N] [--do ACTION]... --csv | --pdf FILE";

void PrintLines(std::ostream& out, const char* tag, const std::vector<CoverLine>& lines)
{
    for (const CoverLine& line : lines)
        out << tag << '\t' << line.level << '\t' << Field(line.text) << '\n';
}

} // namespace

int CoveredCommand(const std::string& dir, const std::vector<std::string>& args, Transcript& t)
{
    const ChartRequest chart = ParseChartRequest(args, kCoveredUsage);
    if (chart.extra.size() != 1)
        ThrowUsage(kCoveredUsage);
    const std::string& text = chart.extra.front().first;
    const int rank = WholeNumber(text).value_or(0);
    if (rank < 1)
        throw UsageError{"RANK must be a whole number from 1: " + Shown(text)};
    t.MessagesInOutput(true);
    std::ostream& out = t.Out();
    return WithChart(dir, chart, t, [&](CQuillonState& state, CRepEngine& engine, CRepMethods& methods) {
        // The click on the totality cell of that row, then button 1215.
        methods.ResetMethodFlags();
        methods.Pick(rank - 1, -1);
        if (!methods.RemedyForReport())
            return static_cast<int>(kCaseNotLoaded);
        const RemedyResult* picked = engine.SortedRemedy(methods.SelectedRemedyRow());
        const std::vector<CoverRemedy> remedies = CoverRemedies(engine);
        const int item = picked ? FindCoverRemedy(remedies, picked->code) : -1;
        if (item < 0)
            return static_cast<int>(kCaseNotLoaded);
        const SymptomCoverReport report
            = BuildSymptomCover(state.RepSymptoms(), remedies[static_cast<std::size_t>(item)], state.Catalogue());
        out << "remedy\t" << Field(report.remedy.name) << '\n';
        out << "fullname\t" << Field(report.fullName) << '\n';
        out << "covered\t" << report.covered.size() << '\n';
        PrintLines(out, "C", report.covered);
        out << "notcovered\t" << report.notCovered.size() << '\n';
        PrintLines(out, "N", report.notCovered);
        return static_cast<int>(kDone);
    });
}

int ExportCommand(const std::string& dir, const std::vector<std::string>& args, Transcript& t, IChartPdfWriter* pdf)
{
    const ChartRequest chart = ParseChartRequest(args, kExportUsage, {"--pdf"});
    const bool csv = chart.extra.size() == 1 && chart.extra.front().first == "--csv";
    const bool pages = chart.extra.size() == 1 && chart.extra.front().first == "--pdf";
    if (!csv && !pages)
        ThrowUsage(kExportUsage);
    return WithChart(dir, chart, t, [&](CQuillonState& state, CRepEngine& engine, CRepMethods& methods) {
        if (csv) {
            t.Out() << ChartCsv(engine, state.Catalogue());
            return static_cast<int>(kDone);
        }
        const std::string& path = chart.extra.front().second;
        if (!pdf)
            return t.Fail("this build of quillon-report writes no PDF files");
        const ChartPagesHeader header = RecordedChartHeader(state.Patient(), methods);
        if (const std::optional<std::string> failure = pdf->Write(engine, header, path)) {
            // The window's message, then the reason.
            state.Sink().Show(kMsgErrorCreatingFile);
            return t.Fail(Shown(path) + ": " + *failure);
        }
        return static_cast<int>(kDone);
    });
}

} // namespace quillon::report
