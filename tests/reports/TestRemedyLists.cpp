// The Drug List's search and the Full Remedy List's records, orders, search and saved file.
#include "casedata/RemedyCatalogue.h"
#include "casedata/SymptomRecord.h"
#include "fixtures/CaseWriters.h"
#include "reports/DrugList.h"
#include "reports/FullRemedyList.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace quillon;

TEST(DrugList, SearchSplitAndClamp)
{
    const CDrugListModel list(
        {{4, "Bell", 9, 3}, {0, "acon", 7, 3}, {7, "Calc-phos", 5, 2}, {8, "Calc-p", 5, 2}, {1, "Alum", 1, 1}});
    struct Case
    {
        const char* text;
        int selected, sent;
    } const cases[] = {
        {"", 1, 1}, // an empty box searches "A", letter case ignored
        {"CALC", 2, 2}, {"calc-phoX", 2, 2}, // only the first 8 characters count
        {"calc-p:", 3, 3}, // the row text, colons included
        {"Zinc", 0, -1}, // no match: the first row is selected and -1 sent
    };
    for (const Case& c : cases) {
        const DrugSearchResult r = list.Search(c.text);
        EXPECT_EQ(r.selected, c.selected) << c.text;
        EXPECT_EQ(r.sent, c.sent) << c.text;
    }
    EXPECT_EQ(CDrugListModel({}).Search("A").selected, -1);

    EXPECT_EQ(list.Lines()[2], "Calc-phos:5:2:");
    const DrugListFields f = SplitDrugListRow(std::string(35, 'x') + ":1234567890123:42");
    // The covered count lies past the 47 characters read.
    EXPECT_EQ(f.abbreviation + '|' + f.totality + '|' + f.covered, std::string(29, 'x') + "|123456789|");
    EXPECT_EQ(SplitDrugListRow(std::string(29, 'x') + ":123456789:12345678:").covered, "1234567");

    for (const auto& [index, maximum, expected] :
        std::vector<std::tuple<int, int, int>>{{-1, 17, 0}, {29, 17, 17}, {5, 17, 5}, {3, 0, 0}})
        EXPECT_EQ(ClampRemedyPosition(index, maximum), expected) << index;
}

class FullRemedyListTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const auto images = fixtures::EncodeCatalogue({{"Acon.", "Aconitum napellus"}, {"Bell.", "Belladonna"},
            {"bry.", "Bryonia alba"}, {"Calc.", "Calcarea carbonica"}});
        catalogue = CRemedyCatalogue::FromImages(images.drugDat, images.druglDat, images.fulldrugTxt, sink);
        symptom.m_pszText = "MIND - ANXIETY";
        // Bell twice (grade 1, then 3), Calc twice at grade 1; codes 41 and 40 are not in the catalogue.
        const std::pair<int, int> entries[] = {{1, 1}, {3, 1}, {2, 3}, {41, 1}, {0, 1}, {1, 3}, {40, 1}, {3, 1}};
        for (const auto& [code, grade] : entries) {
            const auto [high, low] = fixtures::EncodeRemedyCode(code);
            symptom.m_pRemedies.insert(symptom.m_pRemedies.end(), {std::uint8_t('0' + grade), high, low});
        }
        symptom.m_pRemedies.push_back(0);
        symptom.m_nRemedyCount = 8;
    }

    static std::vector<int> Codes(const CFullRemedyList& list)
    {
        std::vector<int> codes;
        for (const RemedyResult& item : list.Items())
            codes.push_back(item.code);
        return codes;
    }

    RecordingMessageSink sink;
    std::unique_ptr<CRemedyCatalogue> catalogue;
    CSymptomRecord symptom;
};

TEST_F(FullRemedyListTest, RecordsOrdersAndSearch)
{
    CFullRemedyList list(symptom, catalogue.get());
    EXPECT_EQ(list.CountText(), "Remedies (8)");
    // 60 x grade + entries: Bell 182, bry 181, Calc 62, then three of 61 by name and equal names by code.
    EXPECT_EQ(Codes(list), (std::vector<int>{1, 2, 3, 40, 41, 0}));
    EXPECT_EQ(list.ItemText(0), "3: Bell");
    EXPECT_EQ(list.Items()[0].covered, 2);
    EXPECT_EQ(list.FullName(0), "Belladonna");
    EXPECT_EQ(list.FullName(3), "");
    list.Sort(RemedyListOrder::Remedy);
    EXPECT_EQ(Codes(list), (std::vector<int>{40, 41, 0, 1, 2, 3})); // "bry" between "Bell" and "Calc"
    for (const auto& [text, current, expected] : std::vector<std::tuple<const char*, int, int>>{
             {"BR", 0, 4}, {"c", 0, 5}, {"", 3, 0}, {"Zinc", 3, 3}, {"Bella", 1, 1}})
        EXPECT_EQ(list.Search(text, current), expected) << text;
}

TEST_F(FullRemedyListTest, SavesTheListAsShownWholeOrNotAtAll)
{
    const quillon::testing::TempFolder folder;
    const CFullRemedyList list(symptom, catalogue.get());
    const std::string expected = "MIND - ANXIETY\nTotal Drugs\t:8\n\n"
                                 "3 Bell      :Belladonna\n3 bry       :Bryonia alba\n1 Calc      :Calcarea carbonica\n"
                                 "1           :\n1           :\n1 Acon      :Aconitum napellus\n";
    ASSERT_TRUE(list.Save(folder.Path() / "list.txt", sink));
    EXPECT_EQ(quillon::testing::ReadBytes(folder.Path() / "list.txt"), expected);
    EXPECT_FALSE(list.Save(folder.Path() / "missing" / "list.txt", sink));
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "missing"));
    EXPECT_EQ(sink.Texts(), (std::vector<std::string>{"File is Succesfully Created", "Error Creating File"}));
}
