// The case-record and follow-up pages, byte for byte, and the page built from a practice folder.
#include "caserecord/CaseRecordPage.h"

#include "casedata/ByteReader.h"
#include "casedata/MessageSink.h"
#include "casedata/PracticeFolder.h"
#include "fixtures/CaseRecordWriters.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

// The page's fragments, written out as the page must hold them.
const std::string kHead
    = "<HTML><HEAD><TITLE>Full Case Record</TITLE></HEAD><BODY><TABLE BORDER=0 WIDTH=100%><TR>"
      "<TD colspan=\"3\" VALIGN=\"MIDDLE\" ALIGN=\"CENTER\"><BR><B><U><I><FONT SIZE=\"5\">Full Case Record</FONT>"
      "</I></U><FONT SIZE=\"5\"></FONT></B><TR><TD WIDTH=\"100%\" VALIGN=\"MIDDLE\" ALIGN=\"CENTER\" COLSPAN=\"3\">"
      "&nbsp<P>&nbsp</TD></TR>";

std::string Header(const std::string& title)
{
    return "<TR><TD WIDTH=\"100%\" BGCOLOR=\"#C8C8C8\" VALIGN=\"MIDDLE\" ALIGN=\"CENTER\" COLSPAN=\"3\">"
           "<FONT name=subheading SIZE=\"4\" FACE=\"Arial\"><P ALIGN=\"CENTER\"><B><FONT SIZE=\"4\"><I>"
        + title + "</I></FONT></B></P></TD></TR>";
}

std::string Subtitle(const std::string& subtitle)
{
    return "<TR><TD WIDTH=\"100%\" COLSPAN=\"4\"><B><U>" + subtitle + "</U> :</B></TD></TR>";
}

std::string Text(const std::string& text)
{
    return "<TR><TD WIDTH=\"100%\" COLSPAN=\"4\"><FONT COLOR=\"MAROON\" FACE=\"Arial\" SIZE=\"3\" name=\"bodytxt\">"
        + text + "<BR></FONT><BR></TD></TR>";
}

std::string Label(const std::string& label)
{
    return "<TR><TD WIDTH=\"20%\" VALIGN=\"TOP\"><B>" + label
        + "</B></TD><TD WIDTH=\"5%\" VALIGN=\"TOP\"><B>:</B></TD>";
}

const std::string kValueStart
    = "<TD WIDTH=\"75%\" COLSPAN=\"2\"><FONT COLOR=\"MAROON\" FACE=\"Arial\" name=\"bodytxt\" SIZE=\"3\">";
const std::string kValueEnd = "</FONT></TD></TR>";

std::string Row(const std::string& label, const std::string& value)
{
    return Label(label) + kValueStart + value + kValueEnd;
}

const std::string kSpacer = "<TR><TD WIDTH=\"100%\" COLSPAN=\"4\"><BR></TD></TR>";

// The page of a ".cas" file written with the given fields (a full record unless told otherwise).
std::string PageOf(
    const std::vector<std::pair<std::size_t, std::string>>& set, std::size_t fieldCount = fixtures::kCaseRecordFields)
{
    std::vector<std::string> written = fixtures::EmptyCaseRecordFields();
    for (const auto& [index, text] : set)
        written[index] = text;
    written.resize(fieldCount);
    std::vector<std::string> fields;
    ReadCaseRecord(AsBytes(fixtures::EncodeCaseRecord(written)), fields);
    return BuildCaseRecordPage(fields);
}

TEST(CaseRecordPage, SectionsLayoutsAndFieldTexts)
{
    struct Case
    {
        const char* name;
        std::vector<std::pair<std::size_t, std::string>> set;
        std::string expected;
        std::size_t fieldCount = fixtures::kCaseRecordFields;
    };
    const Case cases[] = {
        {"empty", {}, kHead},
        {"chief complaints", {{0, "Headache since 2 years"}},
            kHead + Header("Complaints") + Subtitle("Chief Complaints") + Text("Headache since 2 years")},
        {"thermal flags", {{85, "TRUE"}, {89, "TRUE"}},
            kHead + Header("Thermal") + Label("Thermal State") + kValueStart + "C<SUB>5</SUB>H<SUB>0</SUB>, CH"
                + kValueEnd + kSpacer},
        // Second-run fields follow the first run; a text "FALSE" is left out; a flag neither "TRUE" nor "FALSE"
        // neither shows the section nor adds a code.
        {"thermal texts", {{77, "likes"}, {40, "worse"}, {41, "FALSE"}, {93, "TRUE"}, {86, "yes"}},
            kHead + Header("Thermal") + Row("Sun", "worse") + Row("Ice Cream", "likes") + Label("Thermal State")
                + kValueStart + "C<SUB>0</SUB>H<SUB>5</SUB>" + kValueEnd + kSpacer},
        {"odd flag alone", {{86, "yes"}}, kHead},
        {"markup shown literally", {{24, "pain < 5 & > 2 <script>alert(1)</script><a href=\"x\">"}},
            kHead + Header("Systemic")
                + Row("Head", "pain &lt; 5 &amp; &gt; 2 &lt;script&gt;alert(1)&lt;/script&gt;&lt;a href=\"x\"&gt;")
                + kSpacer},
        {"line feeds", {{36, "anxious\nweepy"}},
            kHead + Header("Mind") + Subtitle("Emotional") + Text("anxious<BR>weepy")},
        {"rows then a closing field", {{2, "170 cm"}, {8, "lean"}},
            kHead + Header("Appearance") + Row("Height", "170 cm") + kSpacer + Subtitle("Comments") + Text("lean")},
        {"closing field alone", {{23, "other"}}, kHead + Header("General") + Subtitle("Others") + Text("other")},
        {"rows alone", {{9, "good"}, {10, "thirstless"}},
            kHead + Header("General") + Row("Appetite", "good") + Row("Thirst", "thirstless") + kSpacer},
        {"every section in display order",
            {{75, "notes"}, {61, "x-ray"}, {59, "pale"}, {62, "measles"}, {58, "job"}, {45, "12 yrs"}, {52, "chill"},
                {39, "winter"}, {24, "head"}, {9, "appetite"}, {64, "anger"}, {37, "dull"}, {3, "60 kg"}, {1, "assoc"}},
            kHead + Header("Complaints") + Subtitle("Associated Complaints") + Text("assoc") + Header("Appearance")
                + Row("Weight", "60 kg") + kSpacer + Header("Mind") + Subtitle("Intellectual") + Text("dull")
                + Header("Mental State") + Row("Anger", "anger") + kSpacer + Header("General")
                + Row("Appetite", "appetite") + kSpacer + Header("Systemic") + Row("Head", "head") + kSpacer
                + Header("Thermal") + Row("Weather/Season", "winter") + kSpacer + Header("Fever")
                + Row("Chill", "chill") + kSpacer + Header("Female") + Subtitle("Menses: Menarche/LMP/Menopause/Cycle")
                + Text("12 yrs") + Header("Life Space") + Subtitle("Life Situation") + Text("job") + Header("History")
                + Subtitle("Past History") + Text("measles") + Header("Examination") + Subtitle("General")
                + Text("pale") + Header("Investigation") + Text("x-ray") + Header("Notes/Observations")
                + Text("notes")},
        {"short record of 76 fields", {{0, "cough"}, {75, "seen"}},
            kHead + Header("Complaints") + Subtitle("Chief Complaints") + Text("cough") + Header("Notes/Observations")
                + Text("seen"),
            fixtures::kShortCaseRecordFields},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PageOf(c.set, c.fieldCount), c.expected) << c.name;
}

// ---- Follow-up -------------------------------------------------------------------------------

const std::string kFollowupHead
    = "<html><head><title>Patient Followup</title></head><body><table border=\"0\" width=\"100%\">"
      "<tr><td width=\"100%\"><p align=\"center\"><b><u><i><font size=\"5\">Patient Followup</font></i></u></b>"
      "</td></tr><tr><td width=\"100%\">&nbsp</td></tr>";
const std::string kFollowupTail = "</table></body></html>";

std::string Visit(const std::string& date, const std::string& complaints, const std::string& rx,
    const std::string& potency, const std::string& repetition, const std::string& evaluation)
{
    const std::string cell = " valign=\"top\" align=\"left\"><font face=\"Times New Roman\" color=\"#800000\">";
    return "<tr><td width=\"100%\" bgcolor=\"#C8C8C8\" align=\"CENTER\" valign=\"MIDDLE\"><p ALIGN=\"left\">"
           "<font size=\"4\" name=\"subheading\" face=\"Arial\"><b><i>"
        + date
        + "</i></b></font></td></tr><tr><td><table border=\"1\" width=\"100%\" bordercolor=\"#C0C0C0\" "
          "cellspacing=\"0\"><tr><td width=\"15%\" valign=\"top\" align=\"left\"><b>Complaints :</b></td>"
          "<td width=\"85%\" colspan=\"3\"><font color=\"#800000\" face=\"Times New Roman\">"
        + complaints
        + "<br><br></font></td></tr><tr><td width=\"15%\"><b>Rx</b></td><td width=\"15%\"><b>Potency</b></td>"
          "<td width=\"30%\"><b>Repetition</b></td><td width=\"40%\"><b>Evaluation</b></td></tr><tr>"
          "<td width=\"15%\""
        + cell + rx + "</font></td><td width=\"15%\"" + cell + potency + "</font></td><td width=\"30%\"" + cell
        + repetition + "</font></td><td width=\"40%\"" + cell + evaluation
        + "</font></td></tr></table></td></tr><tr><td width=\"100%\" valign=\"top\" align=\"left\">&nbsp</td></tr>";
}

std::string FollowupPageOf(const std::vector<std::vector<std::string>>& records)
{
    return BuildFollowupPage(ReadFollowups(AsBytes(fixtures::EncodeFollowupRecords(records))));
}

TEST(FollowupPage, VisitsPlaceholdersAndTexts)
{
    using Records = std::vector<std::vector<std::string>>;
    const std::pair<Records, std::string> cases[] = {
        {{}, ""},
        {{{"5/11/2002", "headache", "Bell.", "30", "TDS", "better"}},
            Visit("5 Nov, 2002", "headache", "Bell.", "30", "TDS", "better")},
        // Visits in file order; fields past the sixth are ignored.
        {{{"01/02/2003", "a", "b", "c", "d", "e", "extra", "more"}, {"28/2/2003", "f", "g", "h", "i", "j"}},
            Visit("1 Feb, 2003", "a", "b", "c", "d", "e") + Visit("28 Feb, 2003", "f", "g", "h", "i", "j")},
        {{{"", "", "", "", "", ""}}, Visit("&nbsp", "--", "--", "--", "--", "--")},
        // A short record still closes its table; an empty one shows nothing.
        {{{"5/11/2002", "cough"}, {}}, Visit("5 Nov, 2002", "cough", "--", "--", "--", "--")},
        // A spaced colon and a line feed become breaks.
        {{{"5/11/2002", "head : better\nsleep : good", "Nux", "200", "OD", "a:b"}},
            Visit("5 Nov, 2002", "head<BR>better<BR>sleep<BR>good", "Nux", "200", "OD", "a:b")},
        // Markup and bad dates are shown as text.
        {{{"<b>soon</b>", "<img src=\"http://x/y.png\">", "R&D", "1", "2", "3"}},
            Visit("&lt;b&gt;soon&lt;/b&gt;", "&lt;img src=\"http://x/y.png\"&gt;", "R&amp;D", "1", "2", "3")},
    };
    for (const auto& [records, visits] : cases)
        EXPECT_EQ(FollowupPageOf(records), kFollowupHead + visits + kFollowupTail) << visits;
}

TEST(FollowupDate, ThreeNumbersOfACalendarDateAreFormatted)
{
    EXPECT_EQ(FormatFollowupDate("5/11/2002"), "5 Nov, 2002");
    EXPECT_EQ(FormatFollowupDate("05/01/1999"), "5 Jan, 1999");
    EXPECT_EQ(FormatFollowupDate("31/12/2010"), "31 Dec, 2010");
    EXPECT_EQ(FormatFollowupDate("29/2/2000"), "29 Feb, 2000");
    for (const char* text : {"29/2/2001", "31/4/2002", "0/1/2002", "5/13/2002", "5/0/2002", "5/11/99", "5/11/10000",
             "5-11-2002", "5/11", "5/11/2002/1", "a/b/c", "/11/2002", "5//2002", "5/11/ 2002", "+5/11/2002",
             "99999999999/1/2002", "next week"})
        EXPECT_EQ(FormatFollowupDate(text), text); // anything else stays as it stands
}

// ---- From the practice folder ------------------------------------------------------------------

TEST(PatientPage, MissingOrEmptyFilesGiveNoPage)
{
    testing::TempFolder temp;
    CPracticeFolder folder(temp.Path());
    RecordingMessageSink sink;
    EXPECT_FALSE(BuildPatientPage(folder, "P001", true, sink));
    EXPECT_FALSE(BuildPatientPage(folder, "P001", false, sink));
    EXPECT_EQ(sink.Messages(),
        (std::vector<Message>{
            {kMsgNoCaseRecordData, "", MessageIcon::Warning}, {kMsgNoFollowupData, "", MessageIcon::Error}}));
    // An empty case record, or no patient at all: no page and no message.
    sink.Clear();
    temp.Write("P001.cas", "");
    EXPECT_FALSE(BuildPatientPage(folder, "P001", true, sink));
    EXPECT_FALSE(BuildPatientPage(folder, "", true, sink));
    EXPECT_TRUE(sink.Messages().empty());
}

TEST(PatientPage, BuildsFromTheFileOfEitherLetterCase)
{
    testing::TempFolder temp;
    temp.Write("p001.CAS", fixtures::EncodeCaseRecord({"fever"}));
    temp.Write("P001.flw", fixtures::EncodeFollowups({{"5/11/2002", "better", "Ars.", "30", "BD", "good", {}}}));
    CPracticeFolder folder(temp.Path());
    RecordingMessageSink sink;

    const std::optional<std::string> casePage = BuildPatientPage(folder, "P001", true, sink);
    ASSERT_TRUE(casePage);
    EXPECT_EQ(*casePage, kHead + Header("Complaints") + Subtitle("Chief Complaints") + Text("fever"));

    const std::optional<std::string> followupPage = BuildPatientPage(folder, "P001", false, sink);
    ASSERT_TRUE(followupPage);
    EXPECT_EQ(
        *followupPage, kFollowupHead + Visit("5 Nov, 2002", "better", "Ars.", "30", "BD", "good") + kFollowupTail);
    EXPECT_TRUE(sink.Messages().empty());
}

TEST(PatientPage, PageFileIsReplacedWholeOrNotWritten)
{
    testing::TempFolder temp;
    temp.Write("template.html", "an older, longer page than the new one");
    const std::optional<std::filesystem::path> path = WritePageFile(CPracticeFolder(temp.Path()), "<HTML>new");
    ASSERT_TRUE(path);
    EXPECT_TRUE(path->is_absolute());
    EXPECT_EQ(testing::ReadBytes(*path), "<HTML>new");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(temp.Path()), {}), 1);
    EXPECT_FALSE(WritePageFile(CPracticeFolder(temp.Path() / "no such folder"), "<HTML>"));
}

} // namespace
} // namespace quillon
