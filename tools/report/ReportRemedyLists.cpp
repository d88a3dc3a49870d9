// quillon-report drug-list and remedy-list: the chart's two remedy lists, through the models the dialogs use.
#include "report/ReportRemedyLists.h"

#include "casedata/TextCodec.h"
#include "chart/ChartGeometry.h"
#include "engine/RepEngine.h"
#include "engine/RepMethods.h"
#include "report/ReportChart.h"
#include "report/ReportStatus.h"
#include "reports/DrugList.h"
#include "reports/FullRemedyList.h"
#include "state/QuillonState.h"

#include <optional>
#include <ostream>

namespace quillon::report {
namespace {

constexpr const char* kDrugListUsage = "drug-list REGNO [--visit N] [--do ACTION]... [--search TEXT]...";
constexpr const char* kRemedyListUsage = "remedy-list REGNO [--visit N] [--do ACTION]... SYMPTOM [--by-name]";

// The Drug List opened from the remedy popup, then each search typed into a cleared box.
int DrugList(const std::string& dir, const std::vector<std::string>& args, Transcript& t)
{
    const ChartRequest request = ParseChartRequest(args, kDrugListUsage, {"--search"});
    for (const auto& [option, value] : request.extra)
        if (option != "--search")
            throw UsageError{"unexpected argument: " + Shown(option)};
    t.MessagesInOutput(true);
    std::ostream& out = t.Out();
    return WithChart(dir, request, t, [&](CQuillonState&, CRepEngine& engine, CRepMethods& methods) {
        const auto rows = methods.PrepareDrugList();
        if (!rows)
            return static_cast<int>(kCaseNotLoaded);
        const CDrugListModel list(*rows);
        for (int i = 0; i < list.Count(); ++i) {
            const DrugListFields fields = SplitDrugListRow(list.Lines()[static_cast<std::size_t>(i)]);
            out << "D\t" << i << '\t' << Field(fields.abbreviation) << '\t' << fields.totality << '\t' << fields.covered
                << '\n';
        }
        const int maximum = RemedyScrollRange(engine.RemedyCount()).maximum;
        for (const auto& [option, text] : request.extra) {
            const DrugSearchResult result = list.Search(Utf8ToCp1252(text));
            out << "search\t" << Shown(text) << '\t' << result.selected << '\t' << result.sent << '\t'
                << ClampRemedyPosition(result.sent, maximum) << '\n';
        }
        return static_cast<int>(kDone);
    });
}

// The Full Remedy List of an active symptom: the bytes its Save writes.
int RemedyList(const std::string& dir, const std::vector<std::string>& args, Transcript& t)
{
    ChartRequest request = ParseChartRequest(args, kRemedyListUsage);
    std::optional<int> symptom;
    bool byName = false;
    for (const auto& [arg, unused] : request.extra) {
        if (arg == "--by-name" && !byName)
            byName = true;
        else if (!symptom && !arg.starts_with("--"))
            symptom = ParseReportIndex(arg, "symptom");
        else
            throw UsageError{"unexpected argument: " + Shown(arg)};
    }
    if (!symptom)
        ThrowUsage(kRemedyListUsage);
    t.OutputInCodePage(true);
    return WithChart(dir, request, t, [&](CQuillonState& state, CRepEngine& engine, CRepMethods& methods) {
        if (*symptom >= engine.SymptomCount())
            throw UsageError{"no active symptom " + std::to_string(*symptom)};
        methods.Pointer().m_nSelSymptom = *symptom;
        const CSymptomRecord* record = methods.SymptomForFullList();
        if (!record)
            return static_cast<int>(kCaseNotLoaded);
        CFullRemedyList list(*record, state.Catalogue());
        if (byName)
            list.Sort(RemedyListOrder::Remedy);
        t.Out() << list.SaveText();
        return static_cast<int>(kDone);
    });
}

} // namespace

int RemedyListCommand(const std::string& dir, const std::vector<std::string>& args, Transcript& t)
{
    return args.at(0) == "drug-list" ? DrugList(dir, args, t) : RemedyList(dir, args, t);
}

} // namespace quillon::report
