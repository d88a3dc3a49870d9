// The remedy catalogue.
#include "casedata/RemedyCatalogue.h"
#include "fixtures/CaseWriters.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <array>
#include <tuple>

using namespace quillon;
using namespace quillon::fixtures;
using quillon::testing::TempFolder;

namespace {

std::string Record(std::string text)
{
    text.resize(10, ' ');
    return text;
}

std::string Words(std::initializer_list<std::uint32_t> words)
{
    std::string out;
    for (auto w : words)
        PutU32(out, w);
    return out;
}

} // namespace

TEST(RemedyCatalogue, CodesAreSortedPositionsWhilePropertyIndexesStay)
{
    RecordingMessageSink sink;
    auto catalogue = CRemedyCatalogue::FromImages(Record("Bell") + Record("acon") + Record("Calc"), Words({1, 2, 3}),
        "Bell.*Belladonna\r\nacon.*Aconitum\r\nCalc.*Calcarea\r\n", sink);
    ASSERT_EQ(catalogue->GetCount(), 3);
    for (const auto& [code, abbreviation] : {std::pair{0, "acon"}, {1, "Bell"}, {2, "Calc"}})
        EXPECT_EQ(catalogue->Entry(code)->abbreviation, abbreviation);
    EXPECT_EQ(catalogue->Entry(0)->fullName, "Aconitum");
    EXPECT_EQ((std::array{catalogue->GetPropertyIndex(0), catalogue->GetPropertyIndex(1),
                  catalogue->GetPropertyIndex(2), catalogue->GetPropertyIndex(99)}),
        (std::array{1, 0, 2, 0}));
    EXPECT_EQ(catalogue->GetPropertyMask(0), 1u);
    // Unknown codes: 0 and the buffer left alone.
    std::string buffer = "keep";
    EXPECT_EQ(catalogue->GetAbbreviation(3, buffer), 0);
    EXPECT_EQ(catalogue->GetAbbreviation(-1, buffer), 0);
    EXPECT_EQ(buffer, "keep");
    EXPECT_EQ(catalogue->GetPropertyMask(99), 0u);
}

TEST(RemedyCatalogue, MismatchesAreCountedInOneMessageAndLoadingGoesOn)
{
    // Lines that differ from their record, among lines that match (the neighbours that must not be counted).
    const std::tuple<std::string, std::string, std::vector<std::string>> cases[] = {
        {Record("Acon") + Record("Bell") + Record("Calc"), "Acon.*A\r\nBell.*B\r\nCalc.*C\r\n", {}},
        {Record("Acon") + Record("Bryo") + Record("Calc"), "Acon.*A\r\nBell.*B\r\nCalc.*C\r\n",
            {"Mismatch: 1 line of fulldrug.txt differs from drug.dat"}},
        {Record("Arn") + Record("Bryo") + Record("Calc"), "Acon.*A\r\nBell.*B\r\nCalc.*C\r\n",
            {"Mismatch: 2 lines of fulldrug.txt differ from drug.dat"}},
    };
    for (const auto& [drug, fulldrug, messages] : cases) {
        RecordingMessageSink sink;
        auto catalogue = CRemedyCatalogue::FromImages(drug, Words({0, 0, 0}), fulldrug, sink);
        EXPECT_EQ(catalogue->GetCount(), 3);
        EXPECT_EQ(sink.Texts(), messages) << drug;
    }
}

TEST(RemedyCatalogue, FindByAbbreviationNormalisesAndSkipsLongerRecords)
{
    RecordingMessageSink sink;
    auto catalogue = CRemedyCatalogue::FromImages(
        Record("Acon") + Record("Bella") + Record("Bell"), Words({0, 0, 0}), "Acon*A\r\nBella*X\r\nBell*B\r\n", sink);
    std::string text = "BELL";
    int result = -1;
    EXPECT_TRUE(catalogue->FindByAbbreviation(result, text));
    EXPECT_EQ(text, "Bell");
    // Record 2 (offset 20): the entry under key 2 is "Bella"... after sorting: Acon, Bell, Bella.
    EXPECT_EQ(result, catalogue->GetPropertyIndex(2));
    std::string missing = "nux-v";
    EXPECT_FALSE(catalogue->FindByAbbreviation(result, missing));
    EXPECT_EQ(missing, "Nux-v");
    std::string empty;
    EXPECT_FALSE(catalogue->FindByAbbreviation(result, empty));
    // A hit inside a record ("ABell") names no record: the search goes on to "Bell".
    auto mid
        = CRemedyCatalogue::FromImages(Record("ABell") + Record("Bell"), Words({0, 0}), "ABell*X\r\nBell*B\r\n", sink);
    std::string bell = "bell";
    EXPECT_TRUE(mid->FindByAbbreviation(result, bell) && result == 1);
}

TEST(RemedyCatalogue, UnevenFilesStayInsideTheirData)
{
    // drug.dat, drugl.dat, fulldrug.txt, then "abbreviation:full name:mask" of every remedy read.
    const std::tuple<std::string, std::string, std::string, std::string> cases[] = {
        // More lines than records and a short property file.
        {Record("Acon"), "", "Acon*Aconitum\r\nBell*B\r\nCalc*C", "Acon:Aconitum:0 "},
        // A last line without its line end; a line without a '*'; no records at all.
        {Record("Acon") + Record("Bell"), Words({1, 2}), "Acon*Aconitum\r\nBell*Belladonna",
            "Acon:Aconitum:1 Bell:Belladonna:2 "},
        {Record("Acon"), Words({1}), "Acon\r\n", "Acon::1 "},
        {"", "", "Acon*A\r\n", ""},
        // The walk stops at the line that reaches the last byte but one: a last line of one byte is no remedy.
        {Record("Acon") + Record("Bell"), Words({1, 2}), "Acon*A\r\nB", "Acon:A:1 "},
        // The '*' is looked for in the first 200 characters of a line.
        {Record(std::string(10, 'a')) + Record(std::string(10, 'b')), Words({0, 0}),
            std::string(199, 'a') + "*Near\r\n" + std::string(200, 'b') + "*Far\r\n",
            std::string(10, 'a') + ":Near:0 " + std::string(10, 'b') + "::0 "},
    };
    for (const auto& [drug, drugl, fulldrug, expected] : cases) {
        RecordingMessageSink sink;
        const auto catalogue = CRemedyCatalogue::FromImages(drug, drugl, fulldrug, sink);
        std::string read;
        for (int code = 0; code < catalogue->GetCount(); ++code)
            read += catalogue->Entry(code)->abbreviation + ':' + catalogue->Entry(code)->fullName + ':'
                + std::to_string(catalogue->GetPropertyMask(code)) + ' ';
        EXPECT_EQ(read, expected) << fulldrug.substr(0, 40);
    }
}

// Each file written in turn: the first one missing is named as the caption; the mask is read once all are there.
TEST(RemedyCatalogue, MissingFilesGiveTheirMessagesWithTheFileAsCaption)
{
    TempFolder temp;
    const CPracticeFolder folder(temp.Path());
    const std::tuple<const char*, std::string, std::vector<Message>> steps[] = {
        {nullptr, "", {{"Error opening file", "drug.dat", MessageIcon::None}}},
        {"DRUG.DAT", Record("Acon"), {{"Error opening file", "drugl.dat", MessageIcon::None}}},
        {"drugl.dat", Words({5}), {{"Error reading File", "fulldrug.txt", MessageIcon::None}}},
        {"Fulldrug.txt", "Acon.*Aconitum napellus\r\n", {}},
    };
    for (const auto& [name, bytes, messages] : steps) {
        if (name)
            temp.Write(name, bytes);
        RecordingMessageSink sink;
        CRemedyCatalogue catalogue(folder, sink);
        EXPECT_EQ(sink.Messages(), messages) << (name ? name : "");
        EXPECT_EQ(catalogue.GetCount(), messages.empty() ? 1 : 0) << (name ? name : "");
        if (messages.empty()) {
            EXPECT_EQ(catalogue.GetPropertyMask(0), 5u);
        }
    }
}
