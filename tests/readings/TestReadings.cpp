// The five readings and the families of a chart: hand-made cases with obvious answers, the readings against a
// plain recomputation on a generated visit, and every family of the sample practice applied as the chart's filter.
// The follow-up analysis: exact small cases through quillon-report, and the fast leave-one-out checked against full
// rebuilds of the engine on generated visits. The sample practice those run on: it loads through the program's own
// readers and holds the cases it promises, and its generator writes the same bytes twice.
#include "../engine/MethodsFixture.h"
#include "casedata/CaseStore.h"
#include "casedata/PatientIndex.h"
#include "casedata/TextCodec.h"
#include "caserecord/CaseRecordFile.h"
#include "caserecord/CaseRecordPage.h"
#include "followup/FollowUpAnalysis.h"
#include "readings/Families.h"
#include "readings/Strategies.h"
#include "sample/SampleGenerator.h"
#include "state/PatientSelection.h"
#include "support/ReportRun.h"
#include "support/StabilityByRebuilds.h"

#include <gtest/gtest.h>

#include <array>
#include <iterator>
#include <map>
#include <memory>
#include <random>
#include <stdexcept>

namespace quillon {
namespace {

using namespace quillon::testing;

// Covered first is covered, then totality: Calc and Apis cover 9 symptoms with totality 10 and 9, Bell one fewer
// with totality 72, so 60 x covered + totality would put Bell first (552 against 550 and 549), and covered alone
// Apis before Calc by name.
TEST(Strategies, CoveredThenTotalityNotAComposite)
{
    fixtures::VisitSpec visit{5, 11, 2002, {}};
    for (int s = 0; s < 8; ++s)
        visit.symptoms.push_back({"S" + std::to_string(s), 'F', 1, 2, {{kBell, 9}, {kApis, 1}, {kCalc, 1}}});
    visit.symptoms.push_back({"S8", 'F', 1, 2, {{kApis, 1}, {kCalc, 2}}});
    MethodsCase c(visit);
    CStrategyReader reader;
    ReadChartStrategies(reader, *c.engine, *c.methods, c.state.m_pRemedyCatalogue.get());
    std::vector<std::string> names;
    for (const std::uint32_t i : reader.Order(Strategy::Covered))
        names.emplace_back(reader.Remedies()[i].name);
    EXPECT_EQ(names, (std::vector<std::string>{"Calc", "Apis", "Bell"}));
    EXPECT_EQ(reader.Rank(Strategy::Covered, reader.IndexOf(*reader.Find(kBell))), 3);
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

const std::filesystem::path kSource = QUILLON_SAMPLE_SOURCE;

// The sample practice, written once for the tests that read it.
class SamplePracticeTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_folder = std::make_unique<TempFolder>();
        sample::WritePractice(sample::BuildPractice(kSource), s_folder->Path());
        s_practice = std::make_unique<CPracticeFolder>(s_folder->Path());
        s_catalogue = std::make_unique<CRemedyCatalogue>(*s_practice, s_catalogueSink);
    }
    static void TearDownTestSuite()
    {
        s_catalogue.reset();
        s_practice.reset();
        s_folder.reset();
    }

    static int CodeOf(std::string abbreviation)
    {
        int index = -1;
        EXPECT_TRUE(s_catalogue->FindByAbbreviation(index, abbreviation)) << abbreviation;
        return index; // equal to the code, which the catalogue test checks
    }

    static inline std::unique_ptr<TempFolder> s_folder;
    static inline std::unique_ptr<CPracticeFolder> s_practice;
    static inline RecordingMessageSink s_catalogueSink;
    static inline std::unique_ptr<CRemedyCatalogue> s_catalogue;
};

TEST_F(SamplePracticeTest, EveryVisitOfEveryPatientLoadsWithoutAMessage)
{
    RecordingMessageSink sink;
    const auto index = LoadPatientIndex(*s_practice, sink);
    ASSERT_TRUE(index.has_value());
    int severalVisits = 0;
    for (const auto& row : index->rows) {
        CCaseStore store(*s_practice, sink);
        store.m_strPatientFile = row.regNo;
        ASSERT_TRUE(store.LoadVisitIndex()) << row.regNo;
        severalVisits += store.VisitCount() > 1 ? 1 : 0;
        EXPECT_EQ(store.m_arrVisitDates.back(), row.visitDate) << row.regNo; // the list shows the latest visit
        for (int visit = 0; visit < store.VisitCount(); ++visit) {
            ASSERT_TRUE(store.LoadVisitSymptoms(visit)) << row.regNo << " visit " << visit;
            for (const auto& record : store.m_mapSymptoms)
                for (int entry = 0; entry < record->m_nRemedyCount; ++entry)
                    EXPECT_NE(s_catalogue->Entry(record->RemedyCode(entry)), nullptr) << record->m_pszText;
        }
    }
    EXPECT_GE(severalVisits, 4);
    EXPECT_TRUE(sink.Messages().empty());
}

TEST_F(SamplePracticeTest, CatalogueFilesAgreeAndCodesEqualPropertyIndexes)
{
    EXPECT_TRUE(s_catalogueSink.Messages().empty()) << s_catalogueSink.Texts().front();
    const int count = s_catalogue->GetCount();
    ASSERT_GT(count, 100);
    for (int code = 0; code < count; ++code) {
        const auto* entry = s_catalogue->Entry(code);
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(s_catalogue->GetPropertyIndex(code), code) << entry->abbreviation;
        EXPECT_FALSE(entry->fullName.empty()) << entry->abbreviation;
    }
    // Kingdom bits come from the remedies' kingdoms.
    using fixtures::kAnimalBit, fixtures::kMineralBit, fixtures::kNosodeBit, fixtures::kPlantBit;
    for (const auto& [remedy, bit, set] : {std::tuple{"Puls", kPlantBit, 1u}, {"Nat-m", kMineralBit, 1u},
             {"Lach", kAnimalBit, 1u}, {"Lach", kPlantBit, 0u}, {"Psor", kNosodeBit, 1u}})
        EXPECT_EQ((s_catalogue->GetPropertyMask(CodeOf(remedy)) >> bit) & 1u, set) << remedy << " bit " << bit;
}

TEST_F(SamplePracticeTest, CaseRecordsAndFollowupsOfTwoPatientsLoad)
{
    const auto bytes = [](const std::string& name) {
        std::vector<std::uint8_t> data;
        EXPECT_EQ(s_practice->ReadFile(name, data), ReadStatus::Ok) << name;
        return data;
    };
    for (const std::string regNo : {"1002", "1003"}) {
        SCOPED_TRACE(regNo);
        std::vector<std::string> fields;
        EXPECT_EQ(ReadCaseRecord(bytes(regNo + ".cas"), fields), kCaseRecordFieldCount);
        EXPECT_FALSE(fields[0].empty()); // chief complaints
        EXPECT_GE(std::count(fields.begin() + kFirstThermalFlag, fields.end(), "TRUE"), 1);

        const auto followups = ReadFollowups(bytes(regNo + ".flw"));
        ASSERT_GE(followups.size(), 2u);
        for (const auto& visit : followups)
            EXPECT_TRUE(visit.size() >= 6 && FormatFollowupDate(visit[0]) != visit[0]) << visit[0];
    }
}

TEST(SampleGeneratorTest, TwoRunsWriteTheSameBytes)
{
    TempFolder first;
    TempFolder second;
    sample::WritePractice(sample::BuildPractice(kSource), first.Path());
    sample::WritePractice(sample::BuildPractice(kSource), second.Path());
    std::size_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(first.Path())) {
        const auto name = entry.path().filename();
        EXPECT_EQ(ReadBytes(entry.path()), ReadBytes(second.Path() / name)) << name;
        ++files;
    }
    EXPECT_EQ(files,
        static_cast<std::size_t>(
            std::distance(std::filesystem::directory_iterator(second.Path()), std::filesystem::directory_iterator())));
}

TEST(SampleGeneratorTest, FaultsInTheSourceTablesNameTheTableAndLine)
{
    const auto expectFault
        = [](const char* table, const std::string& from, const std::string& to, const std::string& expected) {
              TempFolder copy;
              for (const auto& entry : std::filesystem::directory_iterator(kSource))
                  std::filesystem::copy_file(entry.path(), copy.Path() / entry.path().filename());
              std::string text = ReadBytes(copy.Path() / table);
              const std::size_t at = text.find(from);
              ASSERT_NE(at, std::string::npos) << from;
              text.replace(at, from.size(), to);
              copy.Write(table, text);
              try {
                  sample::BuildPractice(copy.Path());
                  ADD_FAILURE() << "no fault reported for " << to;
              } catch (const std::runtime_error& error) {
                  EXPECT_NE(std::string(error.what()).find(expected), std::string::npos) << error.what();
              }
          };
    expectFault("rubrics.tsv", "Nat-m.:1", "Nat-mx.:1", "rubrics.tsv line");
    expectFault("rubrics.tsv", "Nat-m.:1", "Nat-m.:0", "no grade 1 to 9");
    expectFault("visit_symptoms.tsv", "R001", "R999", "R999 is not in rubrics.tsv");
    expectFault("remedy_properties.tsv", "Acute", "Accute", "unknown name \"Accute\"");
    expectFault("mineral_words.tsv", "Na\tNatrum salts", "Nx\tNatrum salts", "unknown element Nx");
}

// Every family of a sample chart, applied through the kingdom filter path, leaves exactly its remedies: the
// count, the sum and the first three the list showed.
TEST_F(SamplePracticeTest, EachAppliedFamilyLeavesExactlyItsRemedies)
{
    RecordingMessageSink sink;
    CQuillonState state{*s_practice, sink};
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

// Remedies 0 Acon, 1 Bell, 2 Calc, 3 Sulph. Patient 5 has two visits sharing "FEAR" and "HEAD"; patient 6 has an
// empty visit 0, then "FEAR" alone and "COLD" alone; patient 7 has patient 5's visits stored later first.
const TempFolder& Practice()
{
    static const TempFolder folder;
    static const bool written = [] {
        using namespace fixtures;
        folder.WriteCatalogue({{"Acon.", "Aconitum napellus", 0}, {"Bell.", "Belladonna", 0},
            {"Calc.", "Calcarea carbonica", 0}, {"Sulph.", "Sulphur", 0}});
        folder.Write("PatDet.txt",
            EncodePatientIndex("Dr. A. Iyer",
                {{"5", "Two Visits", "40", "02/02/2003"}, {"6", "Empty", "1", "x"}, {"7", "Later First", "40", "x"}}));
        const SymptomSpec fear{"MIND - FEAR", 'M', 1, 2, {{0, 3}, {1, 1}}};
        const SymptomSpec cold{"GENERALITIES - COLD", 'G', 1, 2, {{2, 2}, {3, 1}}};
        const SymptomSpec head{"HEAD - PAIN", 'F', 1, 2, {{1, 2}, {2, 1}, {0, 1}}};
        const SymptomSpec back{"BACK - PAIN", 'F', 1, 2, {{1, 3}, {3, 3}}};
        folder.Write("5.rsy", EncodeRsy({{1, 2, 2003, {fear, cold, head}}, {2, 3, 2003, {head, back, fear}}}));
        folder.Write("6.rsy", EncodeRsy({{1, 2, 2003, {}}, {2, 3, 2003, {fear}}, {3, 4, 2003, {cold}}}));
        folder.Write("7.rsy", EncodeRsy({{2, 3, 2003, {head, back, fear}}, {1, 2, 2003, {fear, cold, head}}}));
        return true;
    }();
    (void)written;
    return folder;
}

TEST(FollowUp, ReportsExactCases)
{
    struct Case
    {
        std::vector<std::string> args;
        int status;
        std::string output;
    };
    const std::string kFiveForward = "visits\t01/02/2003\t02/03/2003\n"
                                     "symptoms\t3\t3\t2\n"
                                     "R\tBell\t2\t1\t3\t6\t2\t3\n"
                                     "R\tAcon\t1\t2\t4\t4\t2\t2\n"
                                     "R\tSulph\t4\t3\t1\t3\t1\t1\n"
                                     "R\tCalc\t3\t4\t3\t1\t2\t1\n";
    const Case cases[] = {
        // Visit 0: Acon 4/2, Bell 3/2, Calc 3/2 (Bell first by name), Sulph 1/1. Without FEAR Acon falls to 3rd
        // and Calc leads; without COLD Sulph is gone; without HEAD Bell falls to 3rd; Calc never falls below 3rd.
        {{"stability", "5", "--top", "5"}, 0,
            "symptoms\t3\n"
            "R\t1\tAcon\t4\t2\t3\t0\t1\n"
            "R\t2\tBell\t3\t2\t3\t2\t1\n"
            "R\t3\tCalc\t3\t2\t3\t-\t2\n"
            "R\t4\tSulph\t1\t1\t-\t1\t1\n"},
        {{"compare", "5", "0", "1", "--top", "5"}, 0, kFiveForward},
        // Named the other way round, or stored the other way round, the visits still read from the earlier date.
        {{"compare", "5", "1", "0", "--top", "5"}, 0, kFiveForward},
        {{"compare", "7", "0", "1", "--top", "5"}, 0, kFiveForward},
        {{"stability", "6"}, 1, "message\tNo symptoms for Repertorisation\n"},
        // No remedy in common: the later visit's remedies by their ranks, then those gone from it by theirs.
        {{"compare", "6", "1", "2"}, 0,
            "visits\t02/03/2003\t03/04/2003\nsymptoms\t1\t1\t0\nR\tCalc\t-\t1\t-\t2\t-\t1\nR\tSulph\t-\t2\t-\t1\t-\t1\n"
            "R\tAcon\t1\t-\t3\t-\t1\t-\nR\tBell\t2\t-\t1\t-\t1\t-\n"},
        {{"stability", "5", "--top", "51"}, 2, ""},
    };
    for (const Case& c : cases) {
        const auto run = RunReport(Practice().Path(), c.args);
        EXPECT_EQ(run.status, c.status) << c.args[0] << ' ' << c.args[1];
        if (c.status != 2) {
            EXPECT_EQ(run.out + run.err, c.output) << c.args[0] << ' ' << c.args[1];
        }
    }
}

// Visits are ordered by their dates as day/month/year, and by their place in the file where the dates tie or
// either is not a date.
TEST(FollowUp, VisitsComeInTimeOrder)
{
    struct Case
    {
        const char* dateX;
        int visitX;
        const char* dateY;
        int visitY;
        bool xFirst;
    };
    const Case cases[] = {
        {"02/01/2003", 1, "01/02/2003", 0, true}, // the second of January before the first of February
        {"31/12/2002", 1, "01/01/2003", 0, true},
        {"01/01/2003", 0, "31/12/2002", 1, false},
        {"05/11/2002", 3, "05/11/2002", 1, false}, // the same day: by place
        {"05/11/2002", 1, "05/11/2002", 3, true},
        {"xx", 3, "01/01/2003", 1, false}, // not a date: by place
        {"00/01/2003", 0, "01/01/2002", 1, true}, // day 0 is no day: by place
        {"01/13/2003", 0, "01/01/2002", 1, true}, // month 13 is no month: by place
        {"01/01/10000", 1, "31/12/9999", 0, false},
        {"1/2/2003/4", 0, "01/01/2003", 1, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(VisitBefore(c.dateX, c.visitX, c.dateY, c.visitY), c.xFirst) << c.dateX << " / " << c.dateY;

    // The chart's visit is first compared with the latest visit before it by date, else the earliest after it.
    const std::vector<std::string> dates{"03/04/2002", "09/01/2002", "xx", "01/03/2002", "20/02/2002"};
    EXPECT_EQ(DefaultOtherVisit(dates, 0), 3); // not 1, the earlier place, nor 4, the next
    EXPECT_EQ(DefaultOtherVisit(dates, 1), 4); // nothing before 9 January: the earliest after it
    EXPECT_EQ(DefaultOtherVisit(dates, 2), 0); // no date: of the visits placed before it, the latest
    EXPECT_EQ(DefaultOtherVisit({"01/01/2002"}, 0), -1);
}

// The fast leave-one-out of the first `top` remedies must give exactly what a full rebuild without each symptom
// gives.
void ExpectLeaveOneOutOfRebuilds(const std::vector<const CSymptomRecord*>& all,
    const std::vector<RankedRemedy>& ranking, int top, const CPracticeFolder& practice,
    const CRemedyCatalogue* catalogue, const std::string& where)
{
    NullMessageSink sink;
    const auto rows = RankStability(all, ranking, top);
    const auto expected = RankStabilityByRebuilds(all, ranking, top, practice, catalogue, sink);
    ASSERT_TRUE(expected) << where;
    ASSERT_EQ(rows.size(), expected->size()) << where;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        EXPECT_TRUE(rows[r] == (*expected)[r]) << where << " row " << r << ": rank " << rows[r].rank;
    }
}

// Generated visits over 300 remedies spread over the whole code range, a few carried by most rubrics: short visits
// where one removal moves a shown remedy far down, long ones where it moves a few places, and files with grades under
// zero ('/' = -1), which raise a remedy when left out, and codes named twice in a rubric.
TEST(FollowUp, LeaveOneOutMatchesFullRebuildsOnGeneratedVisits)
{
    std::mt19937 random(20261207);
    const CPracticeFolder practice(std::filesystem::temp_directory_path());
    NullMessageSink sink;
    for (int round = 0; round < 24; ++round) {
        const bool hostile = round % 3 == 2;
        fixtures::VisitSpec visit;
        const int symptoms = round % 2 == 0 ? 4 + round : 40;
        for (int s = 0; s < symptoms; ++s) {
            fixtures::SymptomSpec symptom{"RUBRIC " + std::to_string(s), 'F', 1, 2, {}};
            const int size = 1 + static_cast<int>(random() % 150);
            for (int e = 0; e < size; ++e) {
                const double u = std::generate_canonical<double, 32>(random);
                const int grade = hostile && random() % 20 == 0 ? -1 : 1 + static_cast<int>(random() % 4);
                symptom.remedies.push_back({163 * static_cast<int>(300 * u * u), grade});
            }
            visit.symptoms.push_back(symptom);
        }
        const std::string image = fixtures::EncodeRsy({visit});
        CCaseStore store(practice, sink);
        ASSERT_TRUE(store.IndexVisits(AsBytes(image)) && store.LoadVisitFromImage(AsBytes(image), 0));
        const auto all = Borrow(store.m_mapSymptoms);
        const auto ranking = NormalRanking(all, practice, nullptr, sink);
        ASSERT_TRUE(ranking);
        for (const int top : {5, 25, 50})
            ExpectLeaveOneOutOfRebuilds(all, *ranking, top, practice, nullptr,
                "round " + std::to_string(round) + " top " + std::to_string(top));
    }
}

} // namespace
} // namespace quillon
