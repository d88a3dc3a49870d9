// The Drug Filter and Weightage dialogs' models: what OK hands back and writes, and the intensity rows with their
// scroll rules.
#include "MethodsFixture.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

using namespace quillon::testing;

TEST(DrugFilterModel, MaskDescriptionAndKingdomOfTheBoxes)
{
    struct Case
    {
        std::vector<int> boxes;
        std::uint32_t mask;
        std::string description;
        int kingdom;
    };
    const Case cases[] = {
        {{}, 0u, "", kKingdomNone}, {{kHot, kPsoric}, 0x21u, "Psoric, Hot", kKingdomNone},
        {{4}, 0x8u, "S&yphilitic", kKingdomNone},
        {{kAnimal, kPlant}, (1u << 19) | (1u << 21), "Plant, Animal", kKingdomAnimal},
        {{kPlant, 0, 40}, 1u << 19, "Plant", kKingdomPlant}, // numbers out of range are ignored
    };
    for (const Case& c : cases) {
        CDrugFilterModel model;
        for (const int k : c.boxes)
            model.SetChecked(k, true);
        const DrugFilterResult result = model.Result();
        EXPECT_EQ(result.m_nMask, c.mask) << c.description;
        EXPECT_EQ(result.m_strDescription, c.description);
        EXPECT_EQ(result.m_nKingdom, c.kingdom) << c.description;
    }
}

TEST(DrugFilterModel, ReopensWithTheChoiceOfItsOk)
{
    CDrugFilterModel model;
    model.SetChecked(15, true);
    model.SetChecked(31, true);
    const CDrugFilterModel reopened(model.Result().m_arrChosen);
    for (int k = 1; k <= kDrugPropertyCount; ++k)
        EXPECT_EQ(reopened.IsChecked(k), k == 15 || k == 31) << k;
    EXPECT_EQ(CDrugFilterModel({0, 2, 99}).Result().m_arrChosen, (std::vector<int>{2}));
}

TEST(WeightageModel, StoredIntensitiesBeyondTheSetAreNotCopied)
{
    const Symptoms three(3);
    // Stored when the set had five symptoms; keys 3 and 4 have no symptom now.
    CWeightageModel model(three.set, {{0, 4}, {1, 0}, {2, 9}, {3, 7}, {4, 7}});
    EXPECT_EQ(model.Ok(), (std::vector<IntensityEntry>{{0, 4}, {1, 0}, {2, 9}}));
    model.SetIntensity(1, 10); // not an intensity
    model.SetIntensity(5, 2); // no such symptom
    EXPECT_EQ(model.Intensity(1), 0);
    EXPECT_EQ(CWeightageModel(three.set, {}).Ok(), (std::vector<IntensityEntry>{{0, 1}, {1, 1}, {2, 1}}));
}

TEST(WeightageModel, ScrollingStepsAndTheThumb)
{
    const Symptoms twenty(20);
    CWeightageModel model(twenty.set, {});
    model.RowSelectionChanged(7, 5); // no such row: symptom 7 is not shown
    EXPECT_EQ(model.Intensity(7), 1);
    // Pages of five rows up to the last seven symptoms (the steps themselves are the scroll bar's, tested there).
    model.PageDown();
    EXPECT_EQ(model.Position(), 5);
    model.PageDown();
    model.PageDown();
    model.LineDown();
    EXPECT_EQ(model.Position(), 13);
    EXPECT_EQ(model.SymptomOfRow(6), 19);
    // A list's choice belongs to the symptom shown in its row.
    model.RowSelectionChanged(2, 0);
    EXPECT_EQ(model.Intensity(15), 0);
}

} // namespace
} // namespace quillon
