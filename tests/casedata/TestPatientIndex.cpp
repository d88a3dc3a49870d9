// The patient index "PatDet.txt" and choosing a patient.
#include "casedata/ByteReader.h"
#include "casedata/PatientIndex.h"
#include "fixtures/CaseWriters.h"
#include "state/PatientSelection.h"
#include "state/QuillonState.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace quillon;
using namespace quillon::fixtures;
using quillon::testing::TempFolder;

namespace {

PatientIndex Parse(std::string_view text)
{
    return ParsePatientIndex(AsBytes(text));
}

std::vector<std::string> RegNos(const PatientIndex& index)
{
    std::vector<std::string> out;
    for (const auto& row : index.rows)
        out.push_back(row.regNo);
    return out;
}

} // namespace

TEST(PatientIndex, ReadsPhysicianAndRowsWithCrlfEnds)
{
    const PatientIndex index = Parse("Dr. S. Rao  \r\n101:A Patient:34:05/11/2002\r\n102:B Patient:7:06/11/2002  \r\n");
    EXPECT_EQ(index.physician, "Dr. S. Rao");
    EXPECT_EQ(index.rows,
        (std::vector<PatientRow>{{"101", "A Patient", "34", "05/11/2002"}, {"102", "B Patient", "7", "06/11/2002"}}));
}

TEST(PatientIndex, PrefixDuplicatesAreDropped)
{
    // The patient lines and the numbers listed: a number that begins an earlier one is dropped, letter case ignored;
    // a near miss in the last character is another patient, in either order.
    const std::pair<const char*, std::vector<std::string>> cases[]
        = {{"1015:X:1:d\n101:Y:2:d\n", {"1015"}}, {"101:Y:2:d\n1015:X:1:d\n", {"101", "1015"}},
            {"102:X:1:d\n101:Y:2:d\n", {"102", "101"}}, {"101:Y:2:d\n102:X:1:d\n", {"101", "102"}},
            {"b2:X:1:d\nA10:Y:1:d\nA1:Z:1:d\na:W:1:d\nA2:V:1:d\n", {"b2", "A10", "A2"}}};
    for (const auto& [lines, regNos] : cases)
        EXPECT_EQ(RegNos(Parse(std::string("Dr\n") + lines)), regNos) << lines;
    // A repeated number keeps the first line's fields.
    EXPECT_EQ(Parse("Dr\n7:First:1:a\n7:Second:2:b\n").rows, (std::vector<PatientRow>{{"7", "First", "1", "a"}}));
}

TEST(PatientIndex, UnsettledInputStaysInsideTheText)
{
    // Last line without a line end, a zero byte ending the text, short lines and over-long fields.
    EXPECT_EQ(Parse("Dr\n101:A:3:01/01/2001").rows.at(0).visitDate, "01/01/2001");
    EXPECT_EQ(RegNos(Parse(std::string("Dr\n101:A:3:d\n") + '\0' + "102:B:4:d\n")), std::vector<std::string>{"101"});
    EXPECT_EQ(Parse("Dr\n103:OnlyName\n104:N:5:d\n").rows,
        (std::vector<PatientRow>{{"103", "OnlyName", "", ""}, {"104", "N", "5", "d"}}));
    const PatientIndex longField = Parse("Dr\n1:" + std::string(800, 'n') + ":2:d\n");
    EXPECT_EQ(longField.rows.at(0).name.size(), 499u);
    EXPECT_EQ(Parse("").rows.size(), 0u);
    EXPECT_EQ(Parse("Dr only").physician, "Dr only");
    // Blank lines are no patients; fields are not trimmed on the left.
    EXPECT_EQ(Parse("Dr\r\n\r\n 12: Name:3:d\r\n").rows, (std::vector<PatientRow>{{" 12", " Name", "3", "d"}}));
}

// Opening the chart, asking for a visit and staying open are driven through the window in TestAppShell and
// TestRecordedSymptomsDialogs; a lone visit without symptoms opens nothing.
TEST(PatientSelection, AVisitWithoutSymptomsOpensNothing)
{
    TempFolder temp;
    temp.Write("4.rsy", EncodeRsy({{1, 1, 2001, {}}}));
    RecordingMessageSink sink;
    CQuillonState state(CPracticeFolder(temp.Path()), sink);
    SetCurrentPatient(state, {"4", "Di", "1", ""}, "Dr");
    EXPECT_EQ(ChooseCurrentPatient(state), PatientChoice::NothingToOpen);
}
