// The remedy catalogue.
#include "casedata/RemedyCatalogue.h"
#include "fixtures/CaseWriters.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

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
    EXPECT_EQ(catalogue->GetPropertyIndex(0), 1);
    EXPECT_EQ(catalogue->GetPropertyIndex(1), 0);
    EXPECT_EQ(catalogue->GetPropertyIndex(2), 2);
    EXPECT_EQ(catalogue->GetPropertyMask(0), 1u);
    // Unknown codes: 0 and the buffer left alone.
    std::string buffer = "keep";
    EXPECT_EQ(catalogue->GetAbbreviation(3, buffer), 0);
    EXPECT_EQ(catalogue->GetAbbreviation(-1, buffer), 0);
    EXPECT_EQ(buffer, "keep");
    EXPECT_EQ(catalogue->GetPropertyIndex(99), 0);
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
    RecordingMessageSink sink;
    // More lines than records, a short property file and a last line without its line end.
    auto more = CRemedyCatalogue::FromImages(Record("Acon"), "", "Acon*Aconitum\r\nBell*B\r\nCalc*C", sink);
    EXPECT_EQ(more->GetCount(), 1);
    EXPECT_EQ(more->GetPropertyMask(0), 0u);
    auto last = CRemedyCatalogue::FromImages(
        Record("Acon") + Record("Bell"), Words({1, 2}), "Acon*Aconitum\r\nBell*Belladonna", sink);
    ASSERT_EQ(last->GetCount(), 2);
    EXPECT_EQ(last->Entry(1)->fullName, "Belladonna");
    auto noStar = CRemedyCatalogue::FromImages(Record("Acon"), Words({1}), "Acon\r\n", sink);
    ASSERT_EQ(noStar->GetCount(), 1);
    EXPECT_EQ(noStar->Entry(0)->abbreviation, "Acon");
    EXPECT_EQ(noStar->Entry(0)->fullName, "");
    auto none = CRemedyCatalogue::FromImages("", "", "Acon*A\r\n", sink);
    EXPECT_EQ(none->GetCount(), 0);
    // The walk stops at the line that reaches the last byte but one: a last line of one byte is no remedy.
    auto oneByte = CRemedyCatalogue::FromImages(Record("Acon") + Record("Bell"), Words({1, 2}), "Acon*A\r\nB", sink);
    EXPECT_EQ(oneByte->GetCount(), 1);
    // The '*' is looked for in the first 200 characters of a line.
    auto far = CRemedyCatalogue::FromImages(Record(std::string(10, 'a')) + Record(std::string(10, 'b')), Words({0, 0}),
        std::string(199, 'a') + "*Near\r\n" + std::string(200, 'b') + "*Far\r\n", sink);
    EXPECT_EQ(far->Entry(0)->fullName + "|" + far->Entry(1)->fullName, "Near|");
}

TEST(RemedyCatalogue, MissingFilesGiveTheirMessagesWithTheFileAsCaption)
{
    TempFolder temp;
    CPracticeFolder folder(temp.Path());
    RecordingMessageSink sink;
    CRemedyCatalogue noDrug(folder, sink);
    EXPECT_EQ(noDrug.GetCount(), 0);
    ASSERT_EQ(sink.Messages().size(), 1u);
    EXPECT_EQ(sink.Messages()[0], (Message{"Error opening file", "drug.dat", MessageIcon::None}));

    temp.Write("DRUG.DAT", Record("Acon"));
    sink.Clear();
    CRemedyCatalogue noDrugl(folder, sink);
    EXPECT_EQ(sink.Messages().at(0), (Message{"Error opening file", "drugl.dat", MessageIcon::None}));

    temp.Write("drugl.dat", Words({5}));
    sink.Clear();
    CRemedyCatalogue noFull(folder, sink);
    EXPECT_EQ(noFull.GetCount(), 0);
    EXPECT_EQ(sink.Messages().at(0), (Message{"Error reading File", "fulldrug.txt", MessageIcon::None}));

    temp.Write("Fulldrug.txt", "Acon.*Aconitum napellus\r\n");
    sink.Clear();
    CRemedyCatalogue full(folder, sink);
    EXPECT_TRUE(sink.Messages().empty());
    ASSERT_EQ(full.GetCount(), 1);
    EXPECT_EQ(full.GetPropertyMask(0), 5u);
}
