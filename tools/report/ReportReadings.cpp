// The strategies and families commands.
#include "report/ReportReadings.h"

#include "engine/RepEngine.h"
#include "engine/RepMethods.h"
#include "readings/Families.h"
#include "readings/Strategies.h"
#include "report/ReportChart.h"
#include "report/ReportStatus.h"
#include "state/QuillonState.h"

#include <ostream>

namespace quillon::report {
namespace {

constexpr const char* kStrategiesUsage = "strategies REGNO [--visit N] [--do ACTION]... [--top K]";
constexpr const char* kFamiliesUsage
    = "families REGNO [--visit N] [--do ACTION]... [--kingdom all|plant|animal|mineral] [--top K]";

// The value of an option given at most once, or `fallback`.
std::string Option(const ChartRequest& request, const std::string& name, const std::string& fallback)
{
    std::optional<std::string> value;
    for (const auto& [arg, given] : request.extra) {
        if (arg != name)
            throw UsageError{"unexpected argument: " + Shown(arg)};
        if (value)
            throw UsageError{name + " given twice"};
        value = given;
    }
    return value.value_or(fallback);
}

int Top(const std::string& text, int low, int high)
{
    const int top = ParseReportIndex(text, "--top");
    if (top < low || top > high)
        throw UsageError{
            "--top must be from " + std::to_string(low) + " to " + std::to_string(high) + ": " + Shown(text)};
    return top;
}

} // namespace

int StrategiesCommand(const std::string& dir, const std::vector<std::string>& args, Transcript& t)
{
    const ChartRequest request = ParseChartRequest(args, kStrategiesUsage, {"--top"});
    const int top
        = Top(Option(request, "--top", std::to_string(kDefaultStrategyTop)), kMinStrategyTop, kMaxStrategyTop);
    t.MessagesInOutput(true);
    return WithChart(dir, request, t, [&](CQuillonState& state, CRepEngine& engine, CRepMethods& methods) {
        CStrategyReader reader;
        ReadChartStrategies(reader, engine, methods, state.Catalogue());
        std::ostream& out = t.Out();
        for (const Strategy strategy : kStrategies) {
            const auto order = reader.Order(strategy);
            if (strategy == Strategy::Elimination && !reader.HasElimination())
                out << "note\t" << StrategyWord(strategy) << "\tno symptom eliminates\n";
            for (std::size_t r = 0; r < order.size() && r < static_cast<std::size_t>(top); ++r) {
                const StrategyRemedy& remedy = reader.Remedies()[order[r]];
                out << "K\t" << StrategyWord(strategy) << '\t' << r + 1 << '\t' << Field(remedy.name) << '\t'
                    << CStrategyReader::Score(strategy, remedy) << '\n';
            }
        }
        return static_cast<int>(kDone);
    });
}

int FamiliesCommand(const std::string& dir, const std::vector<std::string>& args, Transcript& t)
{
    const ChartRequest request = ParseChartRequest(args, kFamiliesUsage, {"--kingdom", "--top"});
    std::optional<std::string> kingdomWord;
    std::optional<std::string> topText;
    for (const auto& [arg, value] : request.extra) {
        std::optional<std::string>& slot = arg == "--kingdom" ? kingdomWord : topText;
        if (arg != "--kingdom" && arg != "--top")
            throw UsageError{"unexpected argument: " + Shown(arg)};
        if (slot)
            throw UsageError{arg + " given twice"};
        slot = value;
    }
    const std::optional<FamilyKingdoms> kingdoms = KingdomOfWord(kingdomWord.value_or("all"));
    if (!kingdoms)
        throw UsageError{"--kingdom must be all, plant, animal or mineral: " + Shown(*kingdomWord)};
    const int top = topText ? Top(*topText, 1, kMaxFamilyTop) : kDefaultFamilyTop;
    t.MessagesInOutput(true);
    return WithChart(dir, request, t, [&](CQuillonState& state, CRepEngine& engine, CRepMethods&) {
        const FamilyTables tables = LoadFamilyTables(state.Folder(), t);
        const std::vector<Family> families
            = ReadFamilies(ChartFamilyRemedies(engine), state.Catalogue(), tables, *kingdoms, top);
        std::ostream& out = t.Out();
        for (const Family& family : families) {
            out << "F\t" << KingdomWord(family.kingdom) << '\t' << Field(family.name) << '\t' << family.count << '\t'
                << family.sum << '\t' << family.best << '\t';
            for (std::size_t i = 0; i < family.first.size(); ++i)
                out << (i > 0 ? "," : "") << Field(family.first[i]);
            out << '\n';
        }
        return static_cast<int>(kDone);
    });
}

} // namespace quillon::report
