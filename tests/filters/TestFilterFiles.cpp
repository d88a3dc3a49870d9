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

TEST(ReadLineList, SplitsAtCarriageReturnUpToTheEnd)
{
    const std::string longLine(300, 'x');
    // Empty entries are kept, overlong and unterminated lines read to the end, and a carriage return as the very
    // last byte ends its line with no empty entry after it.
    const std::pair<std::string, std::vector<std::string>> cases[]
        = {{fixtures::EncodeLineList({"Acanthaceae", "", "Zygophyllaceae"}), {"Acanthaceae", "", "Zygophyllaceae"}},
            {"", {}}, {"\r\n", {""}}, {longLine + "\r\nLast", {longLine, "Last"}}, {"Only", {"Only"}}, {"A\r", {"A"}}};
    for (const auto& [text, lines] : cases)
        EXPECT_EQ(Lines(text), lines) << text;
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
