// The kingdom filters' file readers: list lines, code words and mineral records at and past the end of a file.
#include "filters/FilterFiles.h"

#include "casedata/ByteReader.h"
#include "fixtures/FilterWriters.h"

#include <gtest/gtest.h>

#include <array>
#include <tuple>

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
    // At the file's length a word of 0, beyond it refused; a word cut short by the end keeps the bytes there.
    const std::tuple<std::string, int, bool, std::uint32_t> cases[] = {{file, 1, true, 0x00030009u},
        {file, 2, true, 0u}, {file, 3, false, 0u}, {file, -1, false, 0u}, {file.substr(0, 6), 1, true, 0x0009u}};
    for (const auto& [bytes, code, read, expected] : cases) {
        std::uint32_t word = 7;
        EXPECT_EQ(ReadCodeWord(AsBytes(bytes), code, word), read) << code;
        if (read) {
            EXPECT_EQ(word, expected) << code;
        }
    }
}

TEST(ReadMineralCode, ReadsSixByteRecordsAndZeroFillsPastTheEnd)
{
    const std::string file = fixtures::EncodeMineralCodes({{}, {0x0102, {16, 26, 0, 255}}});
    using Elements = std::array<std::uint8_t, 4>;
    const std::tuple<std::string_view, int, std::uint32_t, Elements> cases[]
        = {{file, 1, 0x0102u, {16, 26, 0, 255}}, {file, 2, 0u, {}},
            {std::string_view(file).substr(0, 9), 1, 0x0102u, {16, 0, 0, 0}}, {file, 1'000'000'000, 0u, {}}};
    for (const auto& [bytes, code, group, elements] : cases) {
        const MineralCode read = ReadMineralCode(AsBytes(bytes), code);
        EXPECT_EQ(read.group, group) << code;
        EXPECT_EQ(read.elements, elements) << code;
    }
}
