// The five readings and the families of a chart: hand-made cases with obvious answers, the readings against a
// plain recomputation on a generated visit, and every family of the sample practice applied as the chart's filter.
#include "../engine/MethodsFixture.h"
#include "casedata/TextCodec.h"
#include "readings/Families.h"
#include "readings/Strategies.h"
#include "sample/SampleGenerator.h"
#include "state/PatientSelection.h"
#include "support/ReportRun.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <random>

namespace quillon {
namespace {

using namespace quillon::testing;

// The names a column lists, in rank order.
std::vector<std::string> Column(const CStrategyReader& reader, Strategy strategy)
{
    std::vector<std::string> names;
    for (const std::uint32_t i : reader.Order(strategy))
        names.emplace_back(reader.Remedies()[i].name);
    return names;
}

// Covered first is covered, then totality: 2 symptoms with totality 61 come after 3 symptoms with totality 1,
// though 60 x covered + totality would put them first.
TEST(Strategies, CoveredThenTotalityNotAComposite)
{
    fixtures::VisitSpec visit{5, 11, 2002, {}};
    for (int s = 0; s < 3; ++s)
        visit.symptoms.push_back({"S" + std::to_string(s), 'F', 1, 2, {{kApis, s == 0 ? 1 : 0}}});
    for (int s = 0; s < 21; ++s)
        visit.symptoms.push_back({"T" + std::to_string(s), 'F', 1, 2, {{kBell, s < 2 ? 4 : 0}, {kBell, 3}}});
    MethodsCase c(visit);
    CStrategyReader reader;
    ReadChartStrategies(reader, *c.engine, *c.methods, c.state.m_pRemedyCatalogue.get());
    const StrategyRemedy& bell = *reader.Find(kBell);
    EXPECT_EQ(bell.covered, 42);
    EXPECT_EQ(Column(reader, Strategy::Covered), (std::vector<std::string>{"Bell", "Apis"}));
    EXPECT_EQ(reader.Rank(Strategy::Covered, reader.IndexOf(*reader.Find(kApis))), 2);
}

// A generated visit with intensities, two eliminating symptoms and rubrics at the small-rubric bounds: every column is
// the plain recomputation's order.
TEST(Strategies, AgreeWithPlainRecomputation)
{
    constexpr int kSymptoms = 140;
    std::mt19937 random(20261207u);
    std::vector<fixtures::CatalogueRemedy> remedies;
    for (int i = 0; i < 300; ++i)
        remedies.push_back({(i % 3 ? "R" : "r") + std::to_string(1000 + i % 150) + ".", "Remedy"});
    fixtures::VisitSpec visit{5, 11, 2002, {}};
    for (int s = 0; s < kSymptoms; ++s) {
        fixtures::SymptomSpec symptom{"RUBRIC " + std::to_string(s), "MGF" [s % 3], 1, 2, {}};
        symptom.remedies.push_back({7, 1 + s % 3});
        int count = static_cast<int>(s % 5 == 0 ? 40 + random() % 60 : random() % 14);
        if (s >= 1 && s <= 4) // with remedy 7, the small-rubric bounds: 10 and 11, 50 and 51 remedies
            count = std::array{9, 10, 49, 50}[static_cast<std::size_t>(s - 1)];
        for (int i = 0; i < count; ++i)
            symptom.remedies.push_back({static_cast<int>(random() % 320), 1 + static_cast<int>(random() % 4)});
        visit.symptoms.push_back(symptom);
    }
    MethodsCase c(visit, remedies);
    ChartCommand weightage(ChartVerb::Weightage);
    for (int s = 0; s < kSymptoms; s += 3)
        weightage.intensities.emplace_back(s, s % 5);
    c.session->Execute(weightage);
    for (const int s : {0, 5}) {
        ChartCommand eliminate(ChartVerb::Eliminate);
        eliminate.symptom = s;
        c.session->Execute(eliminate);
    }
    CStrategyReader reader;
    ReadChartStrategies(reader, *c.engine, *c.methods, c.state.m_pRemedyCatalogue.get());

    struct Plain
    {
        long long t = 0, cov = 0, w = 0, small = 0;
        std::set<int> eliminatedBy;
    };
    std::map<int, Plain> plain;
    for (int s = 0; s < kSymptoms; ++s) {
        const auto& entries = visit.symptoms[static_cast<std::size_t>(s)].remedies;
        const int factor = entries.size() <= 10 ? 3 : entries.size() <= 50 ? 2 : 1;
        const int weight = s % 3 == 0 ? s % 5 : 1;
        for (const auto& entry : entries) {
            Plain& p = plain[entry.code];
            p.t += entry.grade, p.cov += 1, p.w += entry.grade * weight, p.small += entry.grade * factor;
            if (s == 0 || s == 5)
                p.eliminatedBy.insert(s);
        }
    }
    const auto nameOf = [&](int code) {
        std::string name;
        c.state.m_pRemedyCatalogue->GetAbbreviation(code, name);
        return name;
    };
    // Each column's key, larger first: totality and Elimination 60 x t + covered, Covered (covered, t).
    const auto keyOf = [](Strategy strategy, const Plain& p) {
        switch (strategy) {
        case Strategy::Covered: return std::pair{p.cov, p.t};
        case Strategy::Weighted: return std::pair{60 * p.w + p.cov, 0LL};
        case Strategy::SmallRubrics: return std::pair{p.small, 0LL};
        default: return std::pair{60 * p.t + p.cov, 0LL};
        }
    };
    for (const Strategy strategy :
        {Strategy::Totality, Strategy::Covered, Strategy::Weighted, Strategy::SmallRubrics, Strategy::Elimination}) {
        const auto key = [&](const Plain& p) { return keyOf(strategy, p); };
        std::vector<int> codes;
        for (const auto& [code, p] : plain)
            if (strategy != Strategy::Elimination || p.eliminatedBy.size() == 2)
                codes.push_back(code);
        std::sort(codes.begin(), codes.end(), [&](int a, int b) {
            if (key(plain[a]) != key(plain[b]))
                return key(plain[a]) > key(plain[b]);
            const int byName = CompareNoCase(nameOf(a), nameOf(b));
            return byName != 0 ? byName < 0 : a < b;
        });
        std::vector<int> got;
        for (const std::uint32_t i : reader.Order(strategy))
            got.push_back(reader.Remedies()[i].code);
        EXPECT_EQ(got, codes) << StrategyWord(strategy);
        EXPECT_GT(codes.size(), 1u);
    }
}

// The methods' practice: Row 3 holds Nat-m and Sulph but not Calc (Row 4); plant, animal and mineral kingdoms
// each read their own table, and only remedies of the kingdom's property count.
TEST(Families, HandMadePracticeByTool)
{
    const TempFolder folder;
    WriteMethodsPractice(folder);
    const auto run = [&](std::vector<std::string> extra) {
        extra.insert(extra.begin(), {"families", "1"});
        return RunReport(folder.Path(), extra);
    };
    const auto families = [&](std::vector<std::string> extra) { return run(std::move(extra)).out; };
    EXPECT_EQ(families({}),
        "F\tplant\tRanunculaceae\t1\t8\t1\tAcon\n"
        "F\tmineral\tCalcarea salts\t1\t7\t2\tCalc\nF\tmineral\tColumn 2\t1\t7\t2\tCalc\n"
        "F\tmineral\tRow 4\t1\t7\t2\tCalc\nF\tmineral\tRow 3\t2\t6\t4\tNat-m,Sulph\n"
        "F\tplant\tSolanaceae\t1\t5\t3\tBell\nF\tmineral\tColumn 1\t1\t3\t4\tNat-m\n"
        "F\tmineral\tColumn 16\t1\t3\t5\tSulph\nF\tmineral\tColumn 17\t1\t3\t4\tNat-m\n"
        "F\tmineral\tNatrum salts\t1\t3\t4\tNat-m\nF\tanimal\tHymenoptera\t1\t1\t6\tApis\n"
        "F\tanimal\tOphidia\t1\t1\t7\tLach\n");
    EXPECT_EQ(families({"--kingdom", "animal", "--do", "mind"}),
        "F\tanimal\tHymenoptera\t1\t1\t3\tApis\nF\tanimal\tOphidia\t1\t1\t4\tLach\n");
    EXPECT_EQ(families({"--kingdom", "mineral", "--top", "1", "--do", "eliminate:5"}),
        "F\tmineral\tColumn 1\t1\t3\t2\tNat-m\n");
    for (const auto& wrong :
        {std::vector<std::string>{"--kingdom", "fungus"}, {"--top", "0"}, {"--top", "3", "--top", "4"}})
        EXPECT_EQ(run(wrong).status, 2);
}

// Families of equal sum: the one with more remedies first even when its name comes later, then by name even when
// the kingdoms' order says otherwise; each tie's neighbour (the sum just above or below) keeps its place.
TEST(Families, TiesOnTheSumGoByCountThenName)
{
    const TempFolder folder;
    WriteMethodsPractice(folder);
    folder.Write("1.rsy", fixtures::EncodeRsy({FamilyTiesVisit()}));
    const struct
    {
        std::string kingdom;
        std::string expected;
    } cases[] = {
        {"all",
            "F\tanimal\tOphidia\t1\t6\t1\tLach\n"
            "F\tmineral\tRow 3\t2\t5\t5\tSulph,Nat-m\n"
            "F\tplant\tRanunculaceae\t1\t5\t2\tAcon\n"
            "F\tanimal\tHymenoptera\t1\t4\t3\tApis\n"
            "F\tplant\tSolanaceae\t1\t4\t4\tBell\n"
            "F\tmineral\tColumn 16\t1\t3\t5\tSulph\n"
            "F\tmineral\tColumn 1\t1\t2\t6\tNat-m\n"
            "F\tmineral\tColumn 17\t1\t2\t6\tNat-m\n"
            "F\tmineral\tNatrum salts\t1\t2\t6\tNat-m\n"},
        {"plant", "F\tplant\tRanunculaceae\t1\t5\t2\tAcon\nF\tplant\tSolanaceae\t1\t4\t4\tBell\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RunReport(folder.Path(), {"families", "1", "--kingdom", c.kingdom}).out, c.expected) << c.kingdom;
}

// Every family of a sample chart, applied through the kingdom filter path, leaves exactly its remedies: the
// count, the sum and the first three the list showed.
TEST(Families, EachAppliedFamilyLeavesExactlyItsRemedies)
{
    const TempFolder folder;
    sample::WritePractice(sample::BuildPractice(QUILLON_SAMPLE_SOURCE), folder.Path());
    RecordingMessageSink sink;
    CQuillonState state{CPracticeFolder(folder.Path().string()), sink};
    state.LoadCatalogue();
    SetCurrentPatient(state, {"1001", "Anna Berger", "34", "12/03/2002"}, "Helen Marsh");
    ASSERT_TRUE(state.LoadVisitIndex() && LoadVisitForChart(state, 0));
    CChartSession chart(state, sink);
    ASSERT_TRUE(chart.Start());
    const FamilyTables tables = LoadFamilyTables(state.m_folder, sink);
    const std::vector<Family> families = ReadFamilies(
        ChartFamilyRemedies(chart.Engine()), state.m_pRemedyCatalogue.get(), tables, FamilyKingdoms::All);
    int kinds = 0;
    for (const FamilyKind kind :
        {FamilyKind::PlantClass, FamilyKind::AnimalClass, FamilyKind::Row, FamilyKind::Column, FamilyKind::Group})
        kinds += std::any_of(families.begin(), families.end(), [kind](const Family& f) { return f.kind == kind; });
    EXPECT_EQ(kinds, 5);
    for (const Family& family : families) {
        CChartSession applied(state, sink);
        ASSERT_TRUE(applied.Start());
        applied.Execute(FamilyFilterCommand(family, tables));
        const std::vector<FamilyRemedy> left = ChartFamilyRemedies(applied.Engine());
        ASSERT_EQ(static_cast<int>(left.size()), family.count) << family.name;
        long long sum = 0;
        for (const FamilyRemedy& remedy : left)
            sum += remedy.totality;
        EXPECT_EQ(sum, family.sum) << family.name;
        for (std::size_t i = 0; i < family.first.size(); ++i)
            EXPECT_EQ(left[i].name, family.first[i]) << family.name;
        EXPECT_LE(family.first.size(), 3u);
    }
    EXPECT_TRUE(sink.Texts().empty());
}

} // namespace
} // namespace quillon
