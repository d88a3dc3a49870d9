// Reading ".cas" and ".flw" files (field splitting, padding and escaping), the case-record and follow-up pages as a
// reader sees them, and the page built from a practice folder.
#include "caserecord/CaseRecordPage.h"

#include "casedata/ByteReader.h"
#include "casedata/MessageSink.h"
#include "casedata/PracticeFolder.h"
#include "fixtures/CaseRecordWriters.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

using fixtures::EncodeCaseRecord;
using fixtures::EncodeFollowupRecords;

std::vector<std::string> Read(const std::string& bytes, std::size_t* count = nullptr)
{
    std::vector<std::string> fields{"stale"};
    const std::size_t n = ReadCaseRecord(AsBytes(bytes), fields);
    if (count)
        *count = n;
    return fields;
}

TEST(CaseRecordFile, ShortLongAndBrokenFilesArePaddedToEveryField)
{
    std::vector<std::string> seventySix(76);
    seventySix[75] = "notes";
    std::vector<std::string> long96 = fixtures::EmptyCaseRecordFields();
    long96.push_back("extra");
    long96.push_back("more");
    struct Case
    {
        const char* name;
        std::string bytes;
        std::size_t count;
        std::vector<std::pair<std::size_t, std::string>> fields;
    };
    const Case cases[] = {
        {"76 fields", EncodeCaseRecord(seventySix), 76,
            {{75, "notes"}, {76, ""}, {84, ""}, {85, "FALSE"}, {93, "FALSE"}}},
        {"2 fields", EncodeCaseRecord({"chief", "associated"}), 2, {{0, "chief"}, {2, ""}, {93, "FALSE"}}},
        {"fields past the last", EncodeCaseRecord(long96), 94, {{93, "FALSE"}}},
        // The two bytes after 0x1F are skipped whatever they are; text after the last 0x1F is ignored.
        {"any line end", std::string("one\x1FXYtwo\x1F\r\ntrailing text"), 2, {{0, "one"}, {1, "two"}, {2, ""}}},
        {"cut inside the line end", std::string("one\x1F\r\ntwo\x1F"), 2, {{1, "two"}}},
        {"no field end", "no field end", 0, {{0, ""}}},
        {"empty", "", 0, {{93, "FALSE"}}},
    };
    for (const Case& c : cases) {
        std::size_t count = 0;
        const std::vector<std::string> fields = Read(c.bytes, &count);
        EXPECT_EQ(count, c.count) << c.name;
        ASSERT_EQ(fields.size(), 94u) << c.name;
        for (const auto& [index, text] : c.fields)
            EXPECT_EQ(fields[index], text) << c.name << " field " << index;
    }
}

TEST(FollowupFile, SplitsRecordsAndFieldsIgnoringUnendedOnes)
{
    const std::string bytes = EncodeFollowupRecords(
        {{"5/11/2002", "headache", "Bell.", "30", "TDS", "better", "ignored"}, {"  12/1/2003 \r\n", "\tnone\n"}});
    EXPECT_EQ(ReadFollowups(AsBytes(bytes)),
        (std::vector<FollowupRecord>{
            {"5/11/2002", "headache", "Bell.", "30", "TDS", "better", "ignored"}, {"12/1/2003", "none"}}));
    // "tail" has no field end; "loose" lies after the last record end.
    EXPECT_EQ(ReadFollowups(AsBytes(std::string("1/1/2001\x8Dtail\x8E\x8E"
                                                "loose\x8D"))),
        (std::vector<FollowupRecord>{{"1/1/2001"}, {}}));
    EXPECT_TRUE(ReadFollowups({}).empty());
}

// ---- Case record page -------------------------------------------------------------------------

// What a reader sees of a page: its text runs between tags, trimmed, without blanks, joined by '|'. Markup
// that should have been escaped would vanish from these runs; layout (fonts, colours, widths) is left out.
std::string Seen(const std::string& page)
{
    std::string out;
    std::string run;
    const auto flush = [&] {
        const auto first = run.find_first_not_of(" :");
        if (first != std::string::npos && run != "&nbsp")
            out += (out.empty() ? "" : "|") + run.substr(first, run.find_last_not_of(" :") - first + 1);
        run.clear();
    };
    bool inTag = false;
    for (const char c : page) {
        if (c == '<' || c == '>') {
            flush();
            inTag = c == '<';
        } else if (!inTag) {
            run += c;
        }
    }
    flush();
    return out;
}

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

TEST(CaseRecordPage, SectionsAndFieldTextsInDisplayOrder)
{
    struct Case
    {
        const char* name;
        std::vector<std::pair<std::size_t, std::string>> set;
        std::string seen; // after the title
        std::size_t fieldCount = fixtures::kCaseRecordFields;
    };
    const Case cases[] = {
        {"empty", {}, ""},
        {"chief complaints", {{0, "Headache since 2 years"}}, "Complaints|Chief Complaints|Headache since 2 years"},
        {"thermal flags", {{85, "TRUE"}, {89, "TRUE"}}, "Thermal|Thermal State|C|5|H|0|, CH"},
        // Second-run fields follow the first run; a text "FALSE" is left out; a flag neither "TRUE" nor "FALSE"
        // neither shows the section nor adds a code.
        {"thermal texts", {{77, "likes"}, {40, "worse"}, {41, "FALSE"}, {93, "TRUE"}, {86, "yes"}},
            "Thermal|Sun|worse|Ice Cream|likes|Thermal State|C|0|H|5"},
        {"odd flag alone", {{86, "yes"}}, ""},
        {"markup shown literally", {{24, "pain < 5 & > 2 <script>alert(1)</script><a href=\"x\">"}},
            "Systemic|Head|pain &lt; 5 &amp; &gt; 2 &lt;script&gt;alert(1)&lt;/script&gt;&lt;a href=\"x\"&gt;"},
        {"line feeds", {{36, "anxious\nweepy"}}, "Mind|Emotional|anxious|weepy"},
        {"rows then a closing field", {{2, "170 cm"}, {8, "lean"}}, "Appearance|Height|170 cm|Comments|lean"},
        {"closing field alone", {{23, "other"}}, "General|Others|other"},
        {"rows alone", {{9, "good"}, {10, "thirstless"}}, "General|Appetite|good|Thirst|thirstless"},
        {"every section in display order",
            {{75, "notes"}, {61, "x-ray"}, {59, "pale"}, {62, "measles"}, {58, "job"}, {45, "12 yrs"}, {52, "chill"},
                {39, "winter"}, {24, "head"}, {9, "appetite"}, {64, "anger"}, {37, "dull"}, {3, "60 kg"}, {1, "assoc"}},
            "Complaints|Associated Complaints|assoc|Appearance|Weight|60 kg|Mind|Intellectual|dull|Mental State|Anger|"
            "anger|General|Appetite|appetite|Systemic|Head|head|Thermal|Weather/Season|winter|Fever|Chill|chill|Female|"
            "Menses: Menarche/LMP/Menopause/Cycle|12 yrs|Life Space|Life Situation|job|History|Past History|measles|"
            "Examination|General|pale|Investigation|x-ray|Notes/Observations|notes"},
        {"short record of 76 fields", {{0, "cough"}, {75, "seen"}},
            "Complaints|Chief Complaints|cough|Notes/Observations|seen", fixtures::kShortCaseRecordFields},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Seen(PageOf(c.set, c.fieldCount)),
            "Full Case Record|Full Case Record" + (c.seen.empty() ? "" : "|" + c.seen))
            << c.name;
}

// ---- Follow-up -------------------------------------------------------------------------------

std::string Visit(const std::string& date, const std::string& complaints, const std::string& rx,
    const std::string& potency, const std::string& repetition, const std::string& evaluation)
{
    return "|" + date + (date.empty() ? "" : "|") + "Complaints|" + complaints + "|Rx|Potency|Repetition|Evaluation|"
        + rx + "|" + potency + "|" + repetition + "|" + evaluation;
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
        {{{"", "", "", "", "", ""}}, Visit("", "--", "--", "--", "--", "--")},
        // A short record still closes its table; an empty one shows nothing.
        {{{"5/11/2002", "cough"}, {}}, Visit("5 Nov, 2002", "cough", "--", "--", "--", "--")},
        // A spaced colon and a line feed become breaks.
        {{{"5/11/2002", "head : better\nsleep : good", "Nux", "200", "OD", "a:b"}},
            Visit("5 Nov, 2002", "head|better|sleep|good", "Nux", "200", "OD", "a:b")},
        // Markup and bad dates are shown as text.
        {{{"<b>soon</b>", "<img src=\"http://x/y.png\">", "R&D", "1", "2", "3"}},
            Visit("&lt;b&gt;soon&lt;/b&gt;", "&lt;img src=\"http://x/y.png\"&gt;", "R&amp;D", "1", "2", "3")},
    };
    for (const auto& [records, visits] : cases) {
        const std::string page = FollowupPageOf(records);
        EXPECT_EQ(Seen(page), "Patient Followup|Patient Followup" + visits);
        const auto count = [&](const char* tag) {
            std::size_t n = 0;
            for (auto at = page.find(tag); at != std::string::npos; at = page.find(tag, at + 1))
                ++n;
            return n;
        };
        EXPECT_EQ(count("<table"), count("</table>")) << visits;
    }
}

TEST(FollowupDate, ThreeNumbersOfACalendarDateAreFormatted)
{
    for (const auto& [text, formatted] : {std::pair{"5/11/2002", "5 Nov, 2002"}, {"05/01/1999", "5 Jan, 1999"},
             {"31/12/2010", "31 Dec, 2010"}, {"29/2/2000", "29 Feb, 2000"}})
        EXPECT_EQ(FormatFollowupDate(text), formatted);
    for (const char* text : {"29/2/2001", "31/4/2002", "0/1/2002", "5/13/2002", "5/0/2002", "5/11/99", "5/11/10000",
             "5-11-2002", "5/11", "5/11/2002/1", "a/b/c", "/11/2002", "5//2002", "5/11/ 2002", "+5/11/2002",
             "99999999999/1/2002", "next week"})
        EXPECT_EQ(FormatFollowupDate(text), text); // anything else stays as it stands
}

// ---- From the practice folder ------------------------------------------------------------------

// Missing files give no page and their messages, an empty case record or no patient neither; the pages are built
// from the files of either letter case.
TEST(PatientPage, BuiltFromTheFilesOfEitherLetterCaseOrNotAtAll)
{
    testing::TempFolder temp;
    CPracticeFolder folder(temp.Path());
    RecordingMessageSink sink;
    EXPECT_FALSE(BuildPatientPage(folder, "P001", true, sink));
    EXPECT_FALSE(BuildPatientPage(folder, "P001", false, sink));
    EXPECT_EQ(sink.Messages(),
        (std::vector<Message>{
            {kMsgNoCaseRecordData, "", MessageIcon::Warning}, {kMsgNoFollowupData, "", MessageIcon::Error}}));
    sink.Clear();
    const auto empty = temp.Write("P001.cas", "");
    EXPECT_FALSE(BuildPatientPage(folder, "P001", true, sink));
    EXPECT_FALSE(BuildPatientPage(folder, "", true, sink));
    EXPECT_TRUE(sink.Messages().empty());

    std::filesystem::remove(empty);
    temp.Write("p001.CAS", fixtures::EncodeCaseRecord({"fever"}));
    temp.Write("P001.flw", fixtures::EncodeFollowups({{"5/11/2002", "better", "Ars.", "30", "BD", "good", {}}}));
    const std::optional<std::string> casePage = BuildPatientPage(folder, "P001", true, sink);
    ASSERT_TRUE(casePage);
    EXPECT_EQ(Seen(*casePage), "Full Case Record|Full Case Record|Complaints|Chief Complaints|fever");
    EXPECT_EQ(BuildPatientPage(folder, "P001", false, sink),
        FollowupPageOf({{"5/11/2002", "better", "Ars.", "30", "BD", "good"}}));
    EXPECT_TRUE(sink.Messages().empty());
}

TEST(PatientPage, PageFileIsWrittenInThePracticeOrNotAtAll)
{
    // What the writer does with an older page, a link or a folder in its place is FolderFiles' to check.
    testing::TempFolder temp;
    const std::optional<std::filesystem::path> path = WritePageFile(CPracticeFolder(temp.Path()), "<HTML>new");
    ASSERT_TRUE(path);
    EXPECT_TRUE(path->is_absolute());
    EXPECT_EQ(testing::ReadBytes(*path), "<HTML>new");
    EXPECT_FALSE(WritePageFile(CPracticeFolder(temp.Path() / "no such folder"), "<HTML>"));
}

} // namespace
} // namespace quillon
