// The Drug Filter and Weightage dialogs' models: the property table, the mask and description OK writes, and the
// intensity rows with their scroll rules.
#include "MethodsFixture.h"

#include <gtest/gtest.h>

#include <set>

namespace quillon {
namespace {

using namespace quillon::testing;

TEST(DrugFilterModel, TableHasThirtyOnePropertiesEachInOneGroup)
{
    std::set<int> ids;
    for (int k = 1; k <= kDrugPropertyCount; ++k) {
        const DrugProperty* property = FindDrugProperty(k);
        ASSERT_NE(property, nullptr);
        EXPECT_EQ(property->k, k);
        ids.insert(property->controlId);
    }
    EXPECT_EQ(ids.size(), 31u);
    EXPECT_EQ(FindDrugProperty(0), nullptr);
    EXPECT_EQ(FindDrugProperty(32), nullptr);
    std::multiset<int> grouped;
    for (const DrugPropertyGroup& group : kDrugPropertyGroups)
        grouped.insert(group.properties.begin(), group.properties.end());
    EXPECT_EQ(grouped.size(), 31u);
    for (int k = 1; k <= kDrugPropertyCount; ++k)
        EXPECT_EQ(grouped.count(k), 1u) << k;
    EXPECT_STREQ(kDrugPropertyGroups[1].title, "Miasm");
    EXPECT_EQ(kDrugPropertyGroups[6].properties, (std::vector<int>{20, 21, 22, 8, 9, 23, 29, 30, 31}));
}

TEST(DrugFilterModel, MaskDescriptionAndKingdom)
{
    CDrugFilterModel model;
    EXPECT_EQ(model.Result().m_nMask, 0u);
    EXPECT_EQ(model.Result().m_strDescription, "");
    EXPECT_EQ(model.Result().m_nKingdom, kKingdomNone);

    model.SetChecked(kHot, true);
    model.SetChecked(kPsoric, true);
    DrugFilterResult result = model.Result();
    EXPECT_EQ(result.m_nMask, 0x21u);
    EXPECT_EQ(result.m_strDescription, "Psoric, Hot");
    EXPECT_EQ(result.m_arrChosen, (std::vector<int>{kPsoric, kHot}));

    CDrugFilterModel syphilitic;
    syphilitic.SetChecked(4, true);
    EXPECT_EQ(syphilitic.Result().m_strDescription, "S&yphilitic");
    EXPECT_EQ(syphilitic.Result().m_nMask, 0x8u);

    CDrugFilterModel kingdoms;
    kingdoms.SetChecked(kAnimal, true);
    kingdoms.SetChecked(kPlant, true);
    EXPECT_EQ(kingdoms.Result().m_nKingdom, kKingdomAnimal);
    EXPECT_EQ(kingdoms.Result().m_nMask, (1u << 19) | (1u << 21));
    kingdoms.SetChecked(kAnimal, false);
    EXPECT_EQ(kingdoms.Result().m_nKingdom, kKingdomPlant);

    // Out-of-range numbers are ignored.
    kingdoms.SetChecked(0, true);
    kingdoms.SetChecked(40, true);
    EXPECT_EQ(kingdoms.Result().m_arrChosen, (std::vector<int>{kPlant}));
}

TEST(DrugFilterModel, OkWritesTheStateAndReopensWithItsChoice)
{
    RecordingMessageSink sink;
    CQuillonState state(CPracticeFolder(), sink);
    state.m_mapDrugProperties = {3};
    CDrugFilterModel model(state.m_arrDrugFilterChoice);
    model.SetChecked(15, true);
    model.SetChecked(31, true);
    const DrugFilterResult result = model.Ok(state);
    EXPECT_EQ(state.m_nDrugPropertyMask, (1u << 14) | (1u << 30));
    EXPECT_EQ(state.m_mapDrugProperties, (std::vector<int>{15, 31}));
    EXPECT_EQ(result.m_strDescription, "Chronic, Imponderablia");

    const CDrugFilterModel reopened(state.m_arrDrugFilterChoice);
    for (int k = 1; k <= kDrugPropertyCount; ++k)
        EXPECT_EQ(reopened.IsChecked(k), k == 15 || k == 31) << k;
    const CDrugFilterModel ignoring({0, 2, 99});
    EXPECT_EQ(ignoring.Result().m_arrChosen, (std::vector<int>{2}));
}

TEST(WeightageModel, StoredIntensitiesBeyondTheSetAreNotCopied)
{
    const auto records = MakeSymptoms(3);
    const auto set = Borrow(records);
    // Stored when the set had five symptoms; keys 3 and 4 have no symptom now.
    const std::vector<IntensityEntry> stored{{0, 4}, {1, 0}, {2, 9}, {3, 7}, {4, 7}};
    CWeightageModel model(set, stored);
    EXPECT_EQ(model.SymptomCount(), 3);
    EXPECT_EQ(model.Intensity(0), 4);
    EXPECT_EQ(model.Intensity(1), 0);
    EXPECT_EQ(model.Intensity(2), 9);
    EXPECT_EQ(model.Ok(), (std::vector<IntensityEntry>{{0, 4}, {1, 0}, {2, 9}}));

    model.SetIntensity(1, 10); // not an intensity
    model.SetIntensity(5, 2); // no such symptom
    EXPECT_EQ(model.Intensity(1), 0);
    const CWeightageModel fresh(set, {});
    EXPECT_EQ(fresh.Ok(), (std::vector<IntensityEntry>{{0, 1}, {1, 1}, {2, 1}}));
}

TEST(WeightageModel, ListsAndScrollBarFollowTheSymptomCount)
{
    const std::vector<CSymptomRecord*> none;
    const CWeightageModel empty(none, {});
    EXPECT_TRUE(empty.RowListVisible(0));
    EXPECT_FALSE(empty.RowListVisible(1));
    EXPECT_FALSE(empty.ScrollBarVisible());
    EXPECT_EQ(empty.SymptomOfRow(0), -1);
    EXPECT_TRUE(empty.Ok().empty());

    const auto three = MakeSymptoms(3);
    const auto threeSet = Borrow(three);
    const CWeightageModel small(threeSet, {});
    for (int r = 0; r < kWeightageRows; ++r)
        EXPECT_EQ(small.RowListVisible(r), r < 3) << r;
    EXPECT_FALSE(small.ScrollBarVisible());
    EXPECT_EQ(small.ScrollMaximum(), 3);

    const auto seven = MakeSymptoms(7);
    const auto sevenSet = Borrow(seven);
    EXPECT_FALSE(CWeightageModel(sevenSet, {}).ScrollBarVisible());

    const auto eight = MakeSymptoms(8);
    const auto eightSet = Borrow(eight);
    const CWeightageModel scrolled(eightSet, {});
    EXPECT_TRUE(scrolled.ScrollBarVisible());
    EXPECT_EQ(scrolled.ScrollMaximum(), 1);
}

TEST(WeightageModel, ScrollingStepsAndTheThumb)
{
    const auto records = MakeSymptoms(20);
    const auto set = Borrow(records);
    CWeightageModel model(set, {});
    EXPECT_EQ(model.ScrollMaximum(), 13);
    EXPECT_TRUE(model.LineUp());
    EXPECT_EQ(model.Position(), 0);
    model.PageDown();
    EXPECT_EQ(model.Position(), 5);
    model.PageDown();
    model.PageDown();
    EXPECT_EQ(model.Position(), 13);
    model.LineDown();
    EXPECT_EQ(model.Position(), 13);
    EXPECT_EQ(model.SymptomOfRow(6), 19);
    model.PageUp();
    model.PageUp();
    EXPECT_EQ(model.Position(), 3);
    model.PageUp();
    EXPECT_EQ(model.Position(), 0);

    // A thumb drag moves the position but the rows stay until it is released.
    model.ThumbTrack(9);
    EXPECT_EQ(model.Position(), 9);
    EXPECT_EQ(model.ShownPosition(), 0);
    EXPECT_EQ(model.SymptomOfRow(0), 0);
    EXPECT_TRUE(model.ThumbReleased());
    EXPECT_EQ(model.SymptomOfRow(0), 9);
    EXPECT_FALSE(model.ThumbReleased());

    // A list's choice belongs to the symptom shown in its row.
    model.RowSelectionChanged(2, 0);
    EXPECT_EQ(model.Intensity(11), 0);
    model.RowSelectionChanged(7, 5); // no such row
    EXPECT_EQ(model.Ok()[16].intensity, 1);
}

} // namespace
} // namespace quillon
