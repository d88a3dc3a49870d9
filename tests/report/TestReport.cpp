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
