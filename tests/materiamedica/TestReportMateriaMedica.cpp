// quillon-report materia-medica on the materia medica practice: the view's lines, refusals and failures.
#include "MateriaMedicaFixture.h"
#include "support/ReportRun.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace quillon::testing {
namespace {

struct ReportRow
{
    const char* name;
    std::vector<std::string> args;
    int status;
    std::string out; // standard output when the run succeeds, standard error when it fails
};

TEST(ReportMateriaMedica, PrintsTheViewOrWhyItDidNotOpen)
{
    const TempFolder folder;
    practice::WritePractice(folder);
    // Chart ranks: 1 Acon, 2 Bell, 3 bell, 4 Calc, 5 Lach.
    const std::vector<ReportRow> rows{
        {"compare with marks Two and Three", {"compare", "23", "2", "3"}, 0,
            "title\tCompare Materia Medica for Recorded Symptoms\ncolumns\tBell\tbell\nlines\t4\n"
            "L\t2\tRUBRIC 100\t3:Bell\t2:bell\nL\t2\tRUBRIC 106\t3:Bell\t2:bell\n"
            "L\t2\tRUBRIC 112\t3:Bell\t2:bell\nL\t2\tRUBRIC 118\t3:Bell\t2:bell\n"
            "summary\tSymptom Count/Total Weightage:\t4/12\t4/8\n"},
        {"create takes the first listed entry; a repeated rank is refused", {"create", "all", "5", "5", "1"}, 0,
            "message\tThis drug is already selected\ntitle\tCreate Materia Medica for Recorded Symptoms\n"
            "columns\tLach\nlines\t1\nL\t3\tRUBRIC 107\t4:Lach\nsummary\tSymptom Count:\t1\n"},
        {"differentiate with one remedy: OK disabled", {"differentiate", "all", "4"}, 1,
            "quillon-report: the conversion's OK stays disabled for these choices\n"},
        {"grade 1 only of Bell: nothing", {"one", "1", "2"}, 1, "message\tNo match found\n"},
        {"unknown option", {"all", "all", "1"}, 2, ""},
        {"rank beyond the list", {"complete", "all", "9"}, 2, ""},
    };
    for (const ReportRow& row : rows) {
        std::vector<std::string> command{"materia-medica", "1001"};
        command.insert(command.end(), row.args.begin(), row.args.end());
        const ReportResult r = RunReport(folder.Path(), command);
        EXPECT_EQ(r.status, row.status) << row.name << r.err;
        EXPECT_EQ(row.status == 0 ? r.out : row.status == 1 ? r.err : "", row.out) << row.name;
        EXPECT_EQ(row.status == 0 ? "" : r.out, "") << row.name;
    }
}

} // namespace
} // namespace quillon::testing
