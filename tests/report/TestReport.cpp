// quillon-report, run as a library on the sample practice and on small exact cases.
#include "fixtures/CaseWriters.h"
#include "report/Report.h"
#include "sample/SampleGenerator.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace quillon;
using quillon::testing::TempFolder;

namespace {

struct Result
{
    int status = -1;
    std::string out;
    std::string err;
};

Result RunReport(const std::vector<std::string>& args)
{
    std::ostringstream out, err;
    Result result;
    result.status = report::Run(args, out, err);
    result.out = out.str();
    result.err = err.str();
    return result;
}

const TempFolder& SamplePractice()
{
    static const TempFolder folder;
    static const bool written = [] {
        sample::WritePractice(sample::BuildPractice(QUILLON_SAMPLE_SOURCE), folder.Path());
        return true;
    }();
    (void)written;
    return folder;
}

std::string Dir()
{
    return SamplePractice().Path().string();
}

} // namespace

TEST(Report, PatientsListsThePhysicianAndTheRowsInUtf8)
{
    const Result r = RunReport({"--dir", Dir(), "patients"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out,
        "physician\tHelen Marsh\n"
        "1001\tAnna Berger\t34\t12/03/2002\n"
        "1002\tRahul Mehta\t45\t18/03/2002\n"
        "1003\tRen\xC3\xA9"
        "e Dubois\t52\t03/04/2002\n"
        "1004\tThomas Keller\t8\t22/05/2002\n"
        "1005\tMaria Lopez\t61\t17/04/2002\n"
        "1006\tPeter Novak\t29\t25/06/2002\n"
        "1007\tSara Lindqvist\t40\t05/11/2002\n");
}

TEST(Report, VisitsOfAPatient)
{
    const Result r = RunReport({"--dir", Dir(), "visits", "1003"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "0\t09/01/2002\n1\t20/02/2002\n2\t03/04/2002\n");
}

TEST(Report, PagesAreTheBytesOfTheCaseRecordView)
{
    const Result page = RunReport({"--dir", Dir(), "case-record", "1002"});
    EXPECT_EQ(page.status, 0);
    EXPECT_EQ(page.out.rfind("<HTML><HEAD><TITLE>Full Case Record</TITLE>", 0), 0u);
    EXPECT_FALSE(std::filesystem::exists(SamplePractice().Path() / "template.html"));
    const Result missing = RunReport({"--dir", Dir(), "followup", "1001"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.out, "");
    EXPECT_EQ(missing.err, "message\tFollowup data does not exist for this Patient.\n");
}

// Four remedies, one visit of three symptoms (one of each kind), and a second patient of two visits.
const TempFolder& SmallPractice()
{
    static const TempFolder folder;
    static const bool written = [] {
        using namespace fixtures;
        const auto images
            = EncodeCatalogue({{"Acon.", "Aconitum napellus", 1u << 19}, {"Bell.", "Belladonna", (1u << 19) | 1u},
                {"Calc.", "Calcarea carbonica", 1u << 21}, {"Sulph.", "Sulphur", (1u << 20) | 1u}});
        folder.Write("drug.dat", images.drugDat);
        folder.Write("drugl.dat", images.druglDat);
        folder.Write("fulldrug.txt", images.fulldrugTxt);
        folder.Write("PatDet.txt",
            EncodePatientIndex(
                "Dr. A. Iyer", {{"7", "Zo\xEB Rao", "30", "01/02/2003"}, {"8", "Two Visits", "40", "02/02/2003"}}));
        SymptomSpec fear{"MIND - FEAR", 'M', 1, 2, {{0, 3}, {1, 1}}};
        SymptomSpec cold{"GENERALITIES - COLD", 'G', 1, 2, {{2, 2}, {0, 1}}};
        SymptomSpec pain{"HEAD - PAIN", 'F', 6, 2, {{1, 2}, {3, 1}}};
        folder.Write("7.rsy", EncodeRsy({{1, 2, 2003, {fear, cold, pain}}}));
        folder.Write("8.rsy", EncodeRsy({{1, 2, 2003, {fear}}, {2, 2, 2003, {}}}));
        return true;
    }();
    (void)written;
    return folder;
}

TEST(ReportChart, OpensTheChartSortedByTotality)
{
    const Result r = RunReport({"--dir", SmallPractice().Path().string(), "chart", "7"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
        "caption\tRepertorisation: Normal\n"
        "counters\t1\t1\t1\t0\t0\t0\n"
        "symptoms\t3\n"
        "S\t0\t[KT] MIND - FEAR\n"
        "S\t1\t[KT] GENERALITIES - COLD\n"
        "S\t2\t[CL] HEAD - PAIN\n"
        "remedies\t4\n"
        "R\t1\tAcon\t4\t2\t3 1 0\n"
        "R\t2\tBell\t3\t2\t1 0 2\n"
        "R\t3\tCalc\t2\t1\t0 2 0\n"
        "R\t4\tSulph\t1\t1\t0 0 1\n");
}

TEST(ReportChart, VisitsWithoutSymptomsAndBadActions)
{
    const std::string dir = SmallPractice().Path().string();
    const Result empty = RunReport({"--dir", dir, "chart", "8", "--visit", "1"});
    EXPECT_EQ(empty.status, 1);
    EXPECT_EQ(empty.out.rfind("message\t", 0), 0u) << empty.out;
    EXPECT_EQ(RunReport({"--dir", dir, "chart", "8", "--visit", "5"}).status, 1);
    EXPECT_EQ(RunReport({"--dir", dir, "chart", "7", "--do", "fly"}).status, 2);
    EXPECT_EQ(RunReport({"--dir", dir, "chart", "7", "--do", "drug-filter:40"}).status, 2);
    EXPECT_EQ(RunReport({"--dir", dir, "chart", "7", "--do", "drop:9:1"}).status, 2);
    EXPECT_EQ(RunReport({"--dir", dir, "chart", "7", "--visit"}).status, 2);
    const Result second = RunReport({"--dir", dir, "chart", "8", "--visit", "0"});
    EXPECT_EQ(second.status, 0);
    EXPECT_NE(second.out.find("symptoms\t1\n"), std::string::npos);
}

TEST(ReportSymptoms, PrintsTheSaveAsText)
{
    const Result r = RunReport({"--dir", SmallPractice().Path().string(), "symptoms", "7"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\r\nMIND - FEAR\r\nGENERALITIES - COLD\r\nHEAD - PAIN\r\n"), std::string::npos) << r.out;
    EXPECT_EQ(RunReport({"--dir", SmallPractice().Path().string(), "symptoms", "7", "--visit", "3"}).status, 1);
}

TEST(Report, UsageErrorsAndMissingCases)
{
    EXPECT_EQ(RunReport({}).status, 2);
    EXPECT_EQ(RunReport({"bogus"}).status, 2);
    EXPECT_EQ(RunReport({"--dir"}).status, 2);
    EXPECT_EQ(RunReport({"--dir", Dir(), "visits"}).status, 2);
    const Result help = RunReport({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("usage: quillon-report"), std::string::npos);
    const Result unknown = RunReport({"--dir", Dir(), "visits", "9999"});
    EXPECT_EQ(unknown.status, 1);
    EXPECT_NE(unknown.err.find("no patient 9999"), std::string::npos);
    TempFolder empty;
    const Result noIndex = RunReport({"--dir", empty.Path().string(), "patients"});
    EXPECT_EQ(noIndex.status, 1);
    EXPECT_EQ(noIndex.err, "message\tCould load Patient Information\n");
}
