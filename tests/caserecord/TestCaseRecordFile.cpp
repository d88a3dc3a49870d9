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

} // namespace
} // namespace quillon
