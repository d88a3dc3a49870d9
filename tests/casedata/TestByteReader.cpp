// The bounds-checked reader and the folder's file rules.
#include "casedata/ByteReader.h"
#include "casedata/PracticeFolder.h"

#include <gtest/gtest.h>

using namespace quillon;

TEST(ByteReader, ReadsLittleEndianAndRefusesToPassTheEnd)
{
    const std::uint8_t data[] = {0x01, 0x02, 0x03, 0x04, 0x05};
    ByteReader in(data);
    std::uint16_t w = 0;
    std::uint32_t d = 0;
    EXPECT_TRUE(in.ReadU16(w));
    EXPECT_EQ(w, 0x0201);
    EXPECT_FALSE(in.ReadU32(d)); // only 3 bytes left
    EXPECT_EQ(in.Position(), 2u); // a failed read does not move
    std::span<const std::uint8_t> bytes;
    EXPECT_FALSE(in.ReadBytes(4, bytes));
    EXPECT_TRUE(in.ReadBytes(3, bytes));
    EXPECT_TRUE(in.AtEnd());
    std::uint8_t b = 0;
    EXPECT_FALSE(in.ReadU8(b));
    EXPECT_TRUE(in.Seek(5));
    EXPECT_FALSE(in.Seek(6));
    EXPECT_FALSE(in.Skip(1));
    EXPECT_TRUE(in.Seek(0));
    EXPECT_TRUE(in.ReadU32(d));
    EXPECT_EQ(d, 0x04030201u);
    EXPECT_EQ(in.Find(0x05), 0u);
    EXPECT_EQ(in.Find(0x05, 0), ByteReader::npos);
    EXPECT_EQ(in.Find(0x01), ByteReader::npos);
}

TEST(PracticeFolder, PlainNamesOnly)
{
    EXPECT_TRUE(IsPlainFileName("101.rsy"));
    for (const char* bad : {"", ".", "..", "a/b", "a\\b", "c:x", "../x"})
        EXPECT_FALSE(IsPlainFileName(bad)) << bad;
    EXPECT_FALSE(IsPlainFileName(std::string(100, 'a')));
    EXPECT_TRUE(IsPlainFileName(std::string(99, 'a')));
}
