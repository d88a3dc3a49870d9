// quillon-report drug-list and remedy-list: the chart's two remedy lists, through the models the dialogs use.
#include "report/ReportRemedyLists.h"

#include "casedata/TextCodec.h"
#include "repertory/ChartGeometry.h"
#include "repertory/DrugList.h"
#include "repertory/FullRemedyList.h"
#include "repertory/RepEngine.h"
#include "repertory/RepMethods.h"
#include "report/Report.h"
#include "report/ReportChart.h"
#include "state/QuillonState.h"

#include <optional>
#include <ostream>
#include <sstream>

namespace quillon::report {
namespace {

constexpr const char* kDrugListUsage = "drug-list REGNO [--visit N] [--do ACTION]... [--search TEXT]...";
constexpr const char* kRemedyListUsage = "remedy-list REGNO [--visit N] [--do ACTION]... SYMPTOM [--by-name]";

// The Drug List opened from the remedy popup, then each search typed into a cleared box.
int DrugList(const std::string& dir, const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    const ChartRequest request = ParseChartRequest(args, kDrugListUsage, {"--search"});
    for (const auto& [option, value] : request.extra)
        if (option != "--search")
            throw UsageError{"unexpected argument: " + option};
    return WithChart(dir, request, out, err, [&](CQuillonState& state, CRepEngine& engine, CRepMethods& methods) {
        if (!methods.PrepareDrugList())
            return static_cast<int>(kCaseNotLoaded);
        const CDrugListModel list(state.m_mapRemedyRows);
        for (int i = 0; i < list.Count(); ++i) {
            const DrugListFields fields = SplitDrugListRow(list.Row(i));
            out << "D\t" << i << '\t' << Cp1252ToUtf8(fields.abbreviation) << '\t' << fields.totality << '\t'
                << fields.covered << '\n';
        }
        const int maximum = RemedyScrollRange(engine.RemedyCount()).maximum;
        for (const auto& [option, text] : request.extra) {
            const DrugSearchResult result = list.Search(Utf8ToCp1252(text));
            out << "search\t" << text << '\t' << result.selected << '\t' << result.sent << '\t'
                << ClampRemedyPosition(result.sent, maximum) << '\n';
        }
        return static_cast<int>(kDone);
    });
}

// The Full Remedy List of an active symptom: the bytes its Save writes.
int RemedyList(const std::string& dir, const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    ChartRequest request = ParseChartRequest(args, kRemedyListUsage);
    std::optional<int> symptom;
    bool byName = false;
    for (const auto& [arg, unused] : request.extra) {
        if (arg == "--by-name")
            byName = true;
        else if (!symptom && !arg.starts_with("--"))
            symptom = ParseReportIndex(arg, "symptom");
        else
            throw UsageError{"unexpected argument: " + arg};
    }
    if (!symptom)
        throw UsageError{std::string("usage: quillon-report [--dir DIR] ") + kRemedyListUsage};
    // The replay's messages go to standard error unless the list turns out empty.
    std::ostringstream messages;
    std::string file;
    const int status
        = WithChart(dir, request, messages, err, [&](CQuillonState& state, CRepEngine& engine, CRepMethods& methods) {
              if (*symptom >= engine.SymptomCount()) {
                  err << messages.str();
                  throw UsageError{"no active symptom " + std::to_string(*symptom)};
              }
              methods.Pick(methods.PickedRemedy(), *symptom);
              const CSymptomRecord* record = methods.SymptomForFullList();
              if (!record)
                  return static_cast<int>(kCaseNotLoaded);
              CFullRemedyList list(*record, state.m_pRemedyCatalogue.get());
              if (byName)
                  list.Sort(RemedyListOrder::Remedy);
              file = list.SaveText();
              return static_cast<int>(kDone);
          });
    if (status != kDone) {
        out << messages.str();
        return status;
    }
    err << messages.str();
    out << file;
    return kDone;
}

} // namespace

int RemedyListCommand(
    const std::string& dir, const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    return args.at(0) == "drug-list" ? DrugList(dir, args, out, err) : RemedyList(dir, args, out, err);
}

} // namespace quillon::report
