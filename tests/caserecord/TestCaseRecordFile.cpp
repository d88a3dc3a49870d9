// Reading ".cas" and ".flw" files: field splitting, padding and escaping.
#include "caserecord/CaseRecordFile.h"

#include "casedata/ByteReader.h"
#include "fixtures/CaseRecordWriters.h"

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

TEST(CaseRecordFile, FullRecordKeepsEveryFieldInFileOrder)
{
    std::vector<std::string> written = fixtures::EmptyCaseRecordFields();
    for (std::size_t i = 0; i < fixtures::kFirstThermalFlag; ++i)
        written[i] = "field " + std::to_string(i);
    written[89] = "TRUE";
    std::size_t count = 0;
    const std::vector<std::string> fields = Read(EncodeCaseRecord(written), &count);
    EXPECT_EQ(count, 94u);
    EXPECT_EQ(fields, written);
}

TEST(CaseRecordFile, MissingFieldsAreEmptyAndMissingFlagsFalse)
{
    std::vector<std::string> written(76);
    written[75] = "notes";
    std::size_t count = 0;
    std::vector<std::string> fields = Read(EncodeCaseRecord(written), &count);
    EXPECT_EQ(count, 76u);
    ASSERT_EQ(fields.size(), 94u);
    EXPECT_EQ(fields[75], "notes");
    for (std::size_t i = 76; i < 85; ++i)
        EXPECT_EQ(fields[i], "") << i;
    for (std::size_t i = 85; i < 94; ++i)
        EXPECT_EQ(fields[i], "FALSE") << i;

    // Any other count is padded the same way.
    fields = Read(EncodeCaseRecord({"chief", "associated"}), &count);
    EXPECT_EQ(count, 2u);
    EXPECT_EQ(fields[0], "chief");
    EXPECT_EQ(fields[2], "");
    EXPECT_EQ(fields[93], "FALSE");
}

TEST(CaseRecordFile, SplitsOnFieldEndAndSkipsTheLineEnd)
{
    // The two bytes after 0x1F are skipped whatever they are; text after the last 0x1F is ignored.
    std::size_t count = 0;
    std::vector<std::string> fields = Read(std::string("one\x1FXYtwo\x1F\r\ntrailing text"), &count);
    EXPECT_EQ(count, 2u);
    EXPECT_EQ(fields[0], "one");
    EXPECT_EQ(fields[1], "two");
    EXPECT_EQ(fields[2], "");

    // A file that stops inside the line end still keeps its last field.
    fields = Read(std::string("one\x1F\r\ntwo\x1F"), &count);
    EXPECT_EQ(count, 2u);
    EXPECT_EQ(fields[1], "two");

    // No field end at all: nothing is read.
    fields = Read("no field end", &count);
    EXPECT_EQ(count, 0u);
    EXPECT_EQ(fields[0], "");

    fields = Read("", &count);
    EXPECT_EQ(count, 0u);
    EXPECT_EQ(fields.size(), 94u);
}

TEST(CaseRecordFile, FieldsPastTheLastAreIgnored)
{
    std::vector<std::string> written = fixtures::EmptyCaseRecordFields();
    written.push_back("extra");
    written.push_back("more");
    std::size_t count = 0;
    const std::vector<std::string> fields = Read(EncodeCaseRecord(written), &count);
    EXPECT_EQ(count, 94u);
    EXPECT_EQ(fields.size(), 94u);
    EXPECT_EQ(fields[93], "FALSE");
}

TEST(CaseRecordFile, FieldsAreEscaped)
{
    std::vector<std::string> fields = Read(EncodeCaseRecord({"a<b>c", "x & y", "line1\nline2", "&lt;", "<BR>\n"}));
    EXPECT_EQ(fields[0], "a&lt;b&gt;c");
    EXPECT_EQ(fields[1], "x &amp; y");
    EXPECT_EQ(fields[2], "line1<BR>line2");
    EXPECT_EQ(fields[3], "&amp;lt;");
    EXPECT_EQ(fields[4], "&lt;BR&gt;<BR>");

    EXPECT_EQ(EscapeField("<script>alert(1)</script>"), "&lt;script&gt;alert(1)&lt;/script&gt;");
    EXPECT_EQ(EscapeField("a\r\nb"), "a\r<BR>b");
}

TEST(FollowupFile, SplitsRecordsAndFields)
{
    const std::string bytes = EncodeFollowupRecords(
        {{"5/11/2002", "headache", "Bell.", "30", "TDS", "better", "ignored"}, {"  12/1/2003 \r\n", "\tnone\n"}});
    const std::vector<FollowupRecord> records = ReadFollowups(AsBytes(bytes));
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0], (FollowupRecord{"5/11/2002", "headache", "Bell.", "30", "TDS", "better", "ignored"}));
    EXPECT_EQ(records[1], (FollowupRecord{"12/1/2003", "none"}));
}

TEST(FollowupFile, IgnoresUnendedFieldsAndRecords)
{
    // "tail" has no field end; "loose" lies after the last record end.
    const std::vector<FollowupRecord> records = ReadFollowups(AsBytes(std::string("1/1/2001\x8Dtail\x8E\x8E"
                                                                                  "loose\x8D")));
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0], (FollowupRecord{"1/1/2001"}));
    EXPECT_TRUE(records[1].empty());

    EXPECT_TRUE(ReadFollowups({}).empty());
}

TEST(FollowupFile, FieldsAreTrimmedThenEscaped)
{
    const std::vector<FollowupRecord> records
        = ReadFollowups(AsBytes(EncodeFollowupRecords({{" <b>bold</b> & co \n", "a\nb"}})));
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0][0], "&lt;b&gt;bold&lt;/b&gt; &amp; co");
    EXPECT_EQ(records[0][1], "a<BR>b");
}

} // namespace
} // namespace quillon
