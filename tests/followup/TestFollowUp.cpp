// The follow-up analysis: exact small cases through quillon-report, and the fast leave-one-out checked against
// full rebuilds of the engine on generated visits.
#include "casedata/ByteReader.h"
#include "casedata/CaseStore.h"
#include "casedata/RemedyCatalogue.h"
#include "fixtures/CaseWriters.h"
#include "followup/FollowUpAnalysis.h"
#include "support/ReportRun.h"
#include "support/StabilityByRebuilds.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <random>

using namespace quillon;
using quillon::testing::TempFolder;

namespace {

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

} // namespace

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
        const auto run = quillon::testing::RunReport(Practice().Path(), c.args);
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

namespace {

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

} // namespace

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
