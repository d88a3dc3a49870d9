// The kingdom filters' file readers: list lines, code words and mineral records at and past the end of a file.
#include "filters/FilterFiles.h"

#include "casedata/ByteReader.h"
#include "fixtures/FilterWriters.h"

#include <gtest/gtest.h>

using namespace quillon;

namespace {

std::vector<std::string> Lines(std::string_view text)
{
    return ReadLineList(AsBytes(text));
}

} // namespace

TEST(ReadLineList, SplitsAtCarriageReturnAndKeepsEmptyEntries)
{
    EXPECT_EQ(Lines(fixtures::EncodeLineList({"Acanthaceae", "", "Zygophyllaceae"})),
        (std::vector<std::string>{"Acanthaceae", "", "Zygophyllaceae"}));
    EXPECT_TRUE(Lines("").empty());
    EXPECT_EQ(Lines("\r\n"), (std::vector<std::string>{""}));
}

TEST(ReadLineList, ReadsOverlongAndUnterminatedLinesUpToTheEnd)
{
    const std::string longLine(300, 'x');
    EXPECT_EQ(Lines(longLine + "\r\nLast"), (std::vector<std::string>{longLine, "Last"}));
    EXPECT_EQ(Lines("Only"), (std::vector<std::string>{"Only"}));
    // A carriage return as the very last byte ends its line; no empty entry follows.
    EXPECT_EQ(Lines("A\r"), (std::vector<std::string>{"A"}));
}

TEST(ReadCodeWord, ReadsAtFourTimesTheCodeAndZeroFillsPastTheEnd)
{
    const std::string file = fixtures::EncodeCodeWords({0x11111111u, 0x00030009u});
    std::uint32_t word = 7;
    ASSERT_TRUE(ReadCodeWord(AsBytes(file), 1, word));
    EXPECT_EQ(word, 0x00030009u);
    // Offset equal to the file length: a word of 0.
    ASSERT_TRUE(ReadCodeWord(AsBytes(file), 2, word));
    EXPECT_EQ(word, 0u);
    // Beyond it: refused.
    EXPECT_FALSE(ReadCodeWord(AsBytes(file), 3, word));
    EXPECT_FALSE(ReadCodeWord(AsBytes(file), -1, word));
    // A word cut short by the end keeps the bytes that are there.
    const std::string cut = file.substr(0, 6);
    ASSERT_TRUE(ReadCodeWord(AsBytes(cut), 1, word));
    EXPECT_EQ(word, 0x0009u);
}

TEST(ReadMineralCode, ReadsSixByteRecordsAndZeroFillsPastTheEnd)
{
    const std::string file = fixtures::EncodeMineralCodes({{}, {0x0102, {16, 26, 0, 255}}});
    MineralCode code = ReadMineralCode(AsBytes(file), 1);
    EXPECT_EQ(code.group, 0x0102u);
    EXPECT_EQ(code.elements, (std::array<std::uint8_t, 4>{16, 26, 0, 255}));
    code = ReadMineralCode(AsBytes(file), 2);
    EXPECT_EQ(code.group, 0u);
    EXPECT_EQ(code.elements, (std::array<std::uint8_t, 4>{}));
    code = ReadMineralCode(AsBytes(std::string_view(file).substr(0, 9)), 1);
    EXPECT_EQ(code.group, 0x0102u);
    EXPECT_EQ(code.elements, (std::array<std::uint8_t, 4>{16, 0, 0, 0}));
    EXPECT_EQ(ReadMineralCode(AsBytes(file), 1'000'000'000).group, 0u);
}
