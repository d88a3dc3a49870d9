// The repertorisation methods without a window: subsets, clipboards, Sorted, Weightage, the drug property and
// kingdom filters, their captions and every message of their failures.
#include "MethodsFixture.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

using namespace quillon::testing;
using Strings = std::vector<std::string>;

class RepMethodsTest : public ::testing::Test
{
protected:
    MethodsCase c;
    CRepMethods& m = *c.methods;

    Strings Messages() const { return c.sink.Texts(); }
};

TEST_F(RepMethodsTest, StartsAsNormalRepertorisationOfEverySymptom)
{
    EXPECT_TRUE(m.Flags().m_bNormal);
    EXPECT_EQ(c.state.m_mapRepSymptoms.size(), 6u);
    EXPECT_EQ(
        c.Rows(), (Strings{"Acon 8 3", "Calc 7 4", "Bell 5 2", "Nat-m 3 2", "Sulph 3 2", "Apis 1 1", "Lach 1 1"}));
    EXPECT_EQ(m.BuildCaption(), "Repertorisation: Normal");
    EXPECT_TRUE(Messages().empty());
}

TEST_F(RepMethodsTest, MindWithARepeatedTextRepertorisesItOnce)
{
    EXPECT_EQ(m.OnMind(), MethodOutcome::Refreshed);
    EXPECT_EQ(c.ActiveTexts(), (Strings{"MIND - ANXIETY", "MIND - FEAR - death, of"}));
    // The first "MIND - ANXIETY" counts; the repeat (Acon 2, Calc 1) does not.
    EXPECT_EQ(c.Rows(), (Strings{"Acon 6 2", "Calc 2 1", "Apis 1 1", "Lach 1 1"}));
    EXPECT_TRUE(m.Flags().m_bMind);
    EXPECT_FALSE(m.Flags().m_bNormal);
    EXPECT_EQ(m.BuildCaption(), "Repertorisation: Mind Symptoms");

    EXPECT_EQ(m.OnRest(), MethodOutcome::Refreshed);
    EXPECT_FALSE(m.Flags().m_bMind);
    EXPECT_EQ(c.ActiveTexts(), (Strings{"HEAD - PAIN - morning", "STOMACH - NAUSEA"}));
    EXPECT_EQ(m.OnGeneral(), MethodOutcome::Refreshed);
    EXPECT_EQ(c.Names(), (Strings{"Calc", "Nat-m", "Sulph"}));
    EXPECT_EQ(m.BuildCaption(), "Repertorisation: General Symptoms");
    EXPECT_TRUE(Messages().empty());
}

TEST(RepMethodsEmptyKinds, SubsetAndClipboardButtonsWithNothingToShowChangeNothing)
{
    fixtures::VisitSpec visit{1, 1, 2002, {{"HEAD - PAIN", 'F', 1, 2, {{kBell, 3}}}}};
    MethodsCase c(visit);
    CRepMethods& m = *c.methods;
    const int refreshes = m.RefreshCount();
    EXPECT_EQ(m.OnMind(), MethodOutcome::Unchanged);
    EXPECT_EQ(m.OnGeneral(), MethodOutcome::Unchanged);
    EXPECT_EQ(m.OnClipboard(0), MethodOutcome::Unchanged);
    EXPECT_EQ(m.OnClipboard(1), MethodOutcome::Unchanged);
    EXPECT_EQ(m.OnClipboard(2), MethodOutcome::Unchanged);
    EXPECT_EQ(m.OnResetClipboard(), MethodOutcome::Unchanged);
    EXPECT_EQ(c.sink.Texts(),
        (Strings{"Mind symptoms are not recorded", "General symptoms are not recorded",
            "ClipBoard#1 does not have any Symptoms", "ClipBoard#2 does not have any Symptoms",
            "ClipBoard#3 does not have any Symptoms", "Clipboards not selected , click to select"}));
    EXPECT_TRUE(m.Flags().m_bNormal);
    EXPECT_EQ(m.RefreshCount(), refreshes);
    EXPECT_EQ(m.OnRest(), MethodOutcome::Refreshed);
    EXPECT_EQ(c.Names(), (Strings{"Bell"}));
}

TEST(RepMethodsEmptyKinds, RestWithoutRestSymptomsSaysSo)
{
    fixtures::VisitSpec visit{1, 1, 2002, {{"MIND - SADNESS", 'M', 1, 2, {{kBell, 3}}}}};
    MethodsCase c(visit);
    EXPECT_EQ(c.methods->OnRest(), MethodOutcome::Unchanged);
    EXPECT_EQ(c.sink.Texts(), (Strings{"Rest symptoms are not recorded"}));
}

TEST_F(RepMethodsTest, ClipboardThenSortedListsByNameWithWeightOne)
{
    // Intensities in force do not reach a clipboard method.
    c.weightage.answer = [](CWeightageModel& model) {
        for (int i = 0; i < model.SymptomCount(); ++i)
            model.SetIntensity(i, 3);
        return true;
    };
    c.PutOnClipboard(0, {3, 4});
    EXPECT_EQ(m.ClipCount(0), 2);
    EXPECT_TRUE(m.ClipboardFull(0));
    EXPECT_FALSE(m.ClipboardFull(1));
    ASSERT_EQ(m.OnWeightage(), MethodOutcome::Refreshed);
    EXPECT_EQ(c.Rows().front(), "Acon 24 3");

    ASSERT_EQ(m.OnClipboard(0), MethodOutcome::Refreshed);
    EXPECT_EQ(c.Rows(), (Strings{"Calc 4 2", "Sulph 3 2", "Bell 3 1", "Nat-m 2 1"}));
    EXPECT_EQ(m.BuildCaption(), "Repertorisation: ClipBoard #1");

    ASSERT_EQ(m.OnSorted(), MethodOutcome::Refreshed);
    EXPECT_EQ(c.Rows(), (Strings{"Bell 3 1", "Calc 4 2", "Nat-m 2 1", "Sulph 3 2"}));
    EXPECT_EQ(c.ActiveTexts(), (Strings{"GENERALS - COLD - agg.", "HEAD - PAIN - morning"}));
    EXPECT_EQ(m.BuildCaption(), "Repertorisation: Sorted List of Remedies+ClipBoard #1");
    EXPECT_TRUE(Messages().empty());
}

TEST_F(RepMethodsTest, DrugFilterAfterAClipboardFiltersTheChartShown)
{
    c.PutOnClipboard(0, {3, 4});
    ASSERT_EQ(m.OnClipboard(0), MethodOutcome::Refreshed);
    c.drugFilter.boxes = {kPsoric};
    ASSERT_EQ(m.OnDrugFilter(), MethodOutcome::Refreshed);
    EXPECT_EQ(c.Names(), (Strings{"Calc", "Sulph", "Nat-m"}));
    EXPECT_EQ(m.Flags().m_bClipboard, (std::array<bool, 3>{}));
    EXPECT_EQ(m.BuildCaption(), "Repertorisation: Drug Filter     Psoric");
    EXPECT_EQ(c.state.m_nDrugPropertyMask, 0x1u);
    EXPECT_EQ(c.state.m_mapDrugProperties, (std::vector<int>{kPsoric}));
}

TEST_F(RepMethodsTest, TwoDrugFiltersInARowNarrowTheChart)
{
    c.drugFilter.boxes = {kPsoric};
    ASSERT_EQ(m.OnDrugFilter(), MethodOutcome::Refreshed);
    EXPECT_EQ(c.Names(), (Strings{"Acon", "Calc", "Nat-m", "Sulph", "Apis"}));
    c.drugFilter.boxes = {kHot};
    ASSERT_EQ(m.OnDrugFilter(), MethodOutcome::Refreshed);
    // Hot alone would bring Bell and Lach back; the second filter works on the first one's result.
    EXPECT_EQ(c.Names(), (Strings{"Acon", "Calc", "Sulph"}));
    EXPECT_EQ(c.state.m_nDrugPropertyMask, 0x20u);
    EXPECT_EQ(m.BuildCaption(), "Repertorisation: Drug Filter     Hot");
    // The dialog opened the second time with the first OK's boxes.
    EXPECT_EQ(c.drugFilter.opened, (std::vector<int>{kPsoric}));

    EXPECT_EQ(m.OnNormal(), MethodOutcome::Refreshed);
    EXPECT_EQ(c.engine->RemedyCount(), 7);
    EXPECT_TRUE(c.state.m_mapDrugProperties.empty());
    EXPECT_EQ(c.state.m_arrDrugFilterChoice, (std::vector<int>{kHot}));
}

TEST_F(RepMethodsTest, DrugFilterAfterMindRebuildsTheMindSymptomsFirst)
{
    ASSERT_EQ(m.OnMind(), MethodOutcome::Refreshed);
    c.drugFilter.boxes = {kAnimal};
    ASSERT_EQ(m.OnDrugFilter(), MethodOutcome::Refreshed);
    EXPECT_EQ(c.Names(), (Strings{"Apis", "Lach"}));
    EXPECT_EQ(m.KingdomFilter(), kKingdomAnimal);
    EXPECT_EQ(m.BuildCaption(), "Repertorisation: Drug Filter+Mind Symptoms     Animal");
}

TEST_F(RepMethodsTest, CaptionAfterNormalThenOneDrugFilterBox)
{
    m.OnNormal();
    c.drugFilter.boxes = {kHot};
    m.OnDrugFilter();
    EXPECT_EQ(m.BuildCaption(), "Repertorisation: Drug Filter     Hot");
    // A click in the chart clears every flag: the caption then names nothing.
    m.ResetMethodFlags();
    EXPECT_EQ(m.BuildCaption(), "Repertorisation:");
}

TEST_F(RepMethodsTest, DrugFilterFailuresFallBackToNormal)
{
    c.drugFilter.boxes = {kChilly, kAnimal};
    ASSERT_EQ(m.OnDrugFilter(), MethodOutcome::Refreshed);
    EXPECT_TRUE(m.Flags().m_bNormal);
    EXPECT_EQ(c.engine->RemedyCount(), 7);
    ASSERT_EQ(c.sink.Messages().size(), 1u);
    EXPECT_EQ(c.sink.Messages()[0].text, "Remedy For the Combination not found !!!");
    EXPECT_EQ(c.sink.Messages()[0].icon, MessageIcon::Information);

    c.sink.Clear();
    c.drugFilter.boxes = {kHot};
    c.drugFilter.ok = false;
    ASSERT_EQ(m.OnDrugFilter(), MethodOutcome::Refreshed);
    EXPECT_TRUE(m.Flags().m_bNormal);
    EXPECT_EQ(m.BuildCaption(), "Repertorisation: Normal");
    // Cancel keeps the last OK's choice for the next opening.
    EXPECT_EQ(c.state.m_arrDrugFilterChoice, (std::vector<int>{kChilly, kAnimal}));

    c.drugFilter.ok = true;
    c.drugFilter.boxes = {};
    ASSERT_EQ(m.OnDrugFilter(), MethodOutcome::Refreshed);
    EXPECT_TRUE(m.Flags().m_bNormal);
    EXPECT_EQ(c.state.m_nDrugPropertyMask, 0u);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(RepMethodsTest, MineralOkWithNothingSelectedKeepsEveryMineralRemedy)
{
    m.OnNormal();
    c.kingdom.mineralNoSelection = true;
    c.kingdom.answer = KingdomDialogResult{{MakeRemedyKey(kCalc), MakeRemedyKey(kSulph)}, "", ""};
    ASSERT_EQ(m.OnMineralFilter(), MethodOutcome::Refreshed);
    EXPECT_EQ(c.kingdom.kind, kKingdomMineral);
    EXPECT_EQ(c.kingdom.offered.size(), 3u);
    EXPECT_EQ(c.Names(), (Strings{"Calc", "Nat-m", "Sulph"}));
    EXPECT_FALSE(c.state.m_kingdomFilterState.m_bMineralNoSelection);
    EXPECT_EQ(c.state.m_nDrugPropertyMask, 1u << 20);
    EXPECT_EQ(m.BuildCaption(), "Repertorisation: Drug Filter     Mineral->");
}

TEST_F(RepMethodsTest, MineralSelectionDropsTheExcludedAndNamesElementsAndGroup)
{
    c.kingdom.answer = KingdomDialogResult{{MakeRemedyKey(kSulph)}, "Ca Na", "Alkali"};
    ASSERT_EQ(m.OnMineralFilter(), MethodOutcome::Refreshed);
    EXPECT_EQ(c.Names(), (Strings{"Calc", "Nat-m"}));
    EXPECT_EQ(m.BuildCaption(), "Repertorisation: Drug Filter     Mineral-> Elements: Ca Na Group: Alkali");

    // The next re-evaluation drops the kingdom filter: Sorted lists every remedy again.
    ASSERT_EQ(m.OnSorted(), MethodOutcome::Refreshed);
    EXPECT_EQ(m.KingdomFilter(), kKingdomNone);
    EXPECT_FALSE(m.Flags().m_bDrugFilter);
    EXPECT_EQ(c.engine->RemedyCount(), 7);
    EXPECT_EQ(m.BuildCaption(), "Repertorisation: Sorted List of Remedies");
}

TEST_F(RepMethodsTest, PlantSourceThenAnimalButtonIsIgnoredAndPlantWorks)
{
    c.drugFilter.boxes = {kPlant};
    ASSERT_EQ(m.OnDrugFilter(), MethodOutcome::Refreshed);
    EXPECT_EQ(m.KingdomFilter(), kKingdomPlant);
    const auto before = c.Rows();
    const int refreshes = m.RefreshCount();
    EXPECT_EQ(m.OnAnimalFilter(), MethodOutcome::Unchanged);
    EXPECT_EQ(m.OnMineralFilter(), MethodOutcome::Unchanged);
    EXPECT_EQ(c.kingdom.calls, 0);
    EXPECT_EQ(c.Rows(), before);
    EXPECT_EQ(m.RefreshCount(), refreshes);

    c.kingdom.answer = KingdomDialogResult{{MakeRemedyKey(kBell)}, "Ranunculaceae", "Root, "};
    ASSERT_EQ(m.OnPlantFilter(), MethodOutcome::Refreshed);
    EXPECT_EQ(c.kingdom.kind, kKingdomPlant);
    ASSERT_EQ(c.kingdom.offered.size(), 2u);
    EXPECT_EQ(c.kingdom.offered[0].abbreviation, "Acon");
    EXPECT_EQ(c.kingdom.offered[0].key, MakeRemedyKey(kAcon));
    EXPECT_EQ(c.Names(), (Strings{"Acon"}));
    // The kingdom part, then the drug-property part of the Drug Filter dialog.
    EXPECT_EQ(m.BuildCaption(), "Repertorisation: Drug Filter     Plant-> Class: Ranunculaceae Type: Root, Plant");
    EXPECT_TRUE(Messages().empty());
}

TEST_F(RepMethodsTest, KingdomDialogCancelledOrEmptyFallsBackToNormal)
{
    c.kingdom.answer = std::nullopt;
    ASSERT_EQ(m.OnAnimalFilter(), MethodOutcome::Refreshed);
    EXPECT_EQ(m.KingdomFilter(), kKingdomNone);
    EXPECT_TRUE(m.Flags().m_bNormal);
    EXPECT_EQ(c.engine->RemedyCount(), 7);
    EXPECT_TRUE(Messages().empty());

    c.kingdom.answer = KingdomDialogResult{{MakeRemedyKey(kApis), MakeRemedyKey(kLach)}, "Ophidia", ""};
    ASSERT_EQ(m.OnAnimalFilter(), MethodOutcome::Refreshed);
    EXPECT_TRUE(m.Flags().m_bNormal);
    EXPECT_EQ(c.engine->RemedyCount(), 7);
    EXPECT_EQ(Messages(), (Strings{"Selected combination does not have any drug"}));
}

TEST_F(RepMethodsTest, ResetOnClipboardTwoEmptiesBothCopies)
{
    c.PutOnClipboard(1, {0, 5});
    c.PutOnClipboard(0, {3});
    ASSERT_EQ(m.OnClipboard(1), MethodOutcome::Refreshed);
    EXPECT_EQ(m.BuildCaption(), "Repertorisation: ClipBoard #2");
    EXPECT_EQ(m.OnResetClipboard(), MethodOutcome::Refreshed);
    EXPECT_TRUE(m.Clipboards().m_mapClip[1].empty());
    EXPECT_TRUE(c.state.m_mapClipboard2.empty());
    EXPECT_EQ(m.ClipCount(1), 0);
    EXPECT_EQ(m.Clipboards().m_nClipNextKey[1], 0);
    EXPECT_FALSE(m.ClipboardFull(1));
    EXPECT_TRUE(m.Flags().m_bNormal);
    EXPECT_EQ(c.engine->RemedyCount(), 7);
    // Clipboard 1 is untouched.
    EXPECT_EQ(m.ClipCount(0), 1);
    EXPECT_EQ(c.state.m_mapClipboard1.size(), 1u);
    EXPECT_EQ(m.OnClipboard(1), MethodOutcome::Unchanged);
    EXPECT_EQ(Messages(), (Strings{"ClipBoard#2 does not have any Symptoms"}));
}

TEST_F(RepMethodsTest, ClipboardWithARepeatedTextAndAStoreGap)
{
    // The copy closes up a missing record; a text on the clipboard twice counts once.
    c.state.m_mapClipboard3 = {c.state.m_mapSymptoms[0].get(), nullptr, c.state.m_mapSymptoms[2].get()};
    m.OnSymptomListClosed();
    EXPECT_EQ(m.ClipCount(2), 3);
    EXPECT_EQ(m.Clipboards().m_mapClip[2].size(), 2u);
    EXPECT_EQ(m.Clipboards().m_nClipNextKey[2], 2);
    ASSERT_EQ(m.OnClipboard(2), MethodOutcome::Refreshed);
    EXPECT_EQ(c.Rows(), (Strings{"Acon 3 1", "Calc 2 1", "Lach 1 1"}));
}

TEST_F(RepMethodsTest, WeightageZeroKeepsRemediesButDropsTheirTotality)
{
    c.weightage.answer = [](CWeightageModel& model) {
        model.SetIntensity(0, 0);
        return true;
    };
    ASSERT_EQ(m.OnWeightage(), MethodOutcome::Refreshed);
    EXPECT_TRUE(m.Flags().m_bWeightage);
    EXPECT_EQ(
        c.Rows(), (Strings{"Calc 5 4", "Acon 5 3", "Bell 5 2", "Nat-m 3 2", "Sulph 3 2", "Apis 1 1", "Lach 0 1"}));
    EXPECT_EQ(m.BuildCaption(), "Repertorisation: Weightage");

    // Opened again, the dialog shows the intensities of the first OK.
    c.weightage.answer = [](CWeightageModel&) { return false; };
    EXPECT_EQ(m.OnWeightage(), MethodOutcome::Unchanged);
    EXPECT_EQ(c.weightage.seen, (std::vector<int>{0, 1, 1, 1, 1, 1}));
    // Normal forgets them.
    m.OnNormal();
    m.OnWeightage();
    EXPECT_EQ(c.weightage.seen, (std::vector<int>(6, 1)));
}

TEST_F(RepMethodsTest, WeightageAfterMindOffersOnlyTheMindSymptomsAndKeepsTheMethod)
{
    m.OnMind();
    c.weightage.answer = [](CWeightageModel& model) {
        EXPECT_EQ(model.SymptomCount(), 2);
        model.SetIntensity(1, 3);
        return true;
    };
    ASSERT_EQ(m.OnWeightage(), MethodOutcome::Refreshed);
    EXPECT_EQ(c.Rows(), (Strings{"Acon 12 2", "Apis 3 1", "Calc 2 1", "Lach 1 1"}));
    EXPECT_EQ(m.BuildCaption(), "Repertorisation: Weightage+Mind Symptoms");

    // Sorted then keeps weightage and mind, ordered by name.
    ASSERT_EQ(m.OnSorted(), MethodOutcome::Refreshed);
    EXPECT_EQ(c.Names(), (Strings{"Acon", "Apis", "Calc", "Lach"}));
    EXPECT_EQ(c.engine->RemedyTotality(0), 12);
    EXPECT_EQ(m.BuildCaption(), "Repertorisation: Weightage+Mind Symptoms+Sorted List of Remedies");
}

TEST_F(RepMethodsTest, SortLabelsAndTheSymptomsCoveredCaption)
{
    m.ResetMethodFlags();
    m.OnSortLabel(SortBySymptomsCovered);
    EXPECT_EQ(c.Names().front(), "Calc");
    EXPECT_EQ(m.BuildCaption(), "Repertorisation: Symptoms Covered");
    m.ResetMethodFlags();
    m.OnSortLabel(SortByName);
    EXPECT_EQ(c.Names().front(), "Acon");
    EXPECT_EQ(m.BuildCaption(), "Repertorisation: Sorted List of Remedies");
    m.ResetMethodFlags();
    m.OnSortLabel(SortByTotality);
    EXPECT_EQ(m.BuildCaption(), "Repertorisation: Normal");
}

TEST_F(RepMethodsTest, ARememberedRemedyRowBeyondTheChartCountsAsNone)
{
    EXPECT_FALSE(m.RemedyForReport().has_value());
    m.Pick(6, m.PickedSymptom()); // Lach, the last of seven
    EXPECT_EQ(m.RemedyForReport(), std::optional<std::string>("Lach"));
    m.OnMind(); // four remedies now
    EXPECT_EQ(m.SelectedRemedyRow(), -1);
    EXPECT_FALSE(m.RemedyForReport().has_value());
    EXPECT_EQ(Messages(), (Strings{"Remedy not selected", "Remedy not selected"}));
}

TEST_F(RepMethodsTest, RemedyRowsAndTheMateriaMedicaList)
{
    ASSERT_TRUE(m.PrepareDrugList());
    EXPECT_EQ(c.state.m_mapRemedyRows,
        (Strings{"Acon:8:3:", "Calc:7:4:", "Bell:5:2:", "Nat-m:3:2:", "Sulph:3:2:", "Apis:1:1:", "Lach:1:1:"}));
    m.Pick(0, m.PickedSymptom());
    EXPECT_TRUE(m.PrepareConversion());
    EXPECT_TRUE(m.PrepareConversion());
    EXPECT_EQ(c.state.m_arrMMRemedies, (Strings{"Acon"}));
    EXPECT_EQ(Messages(), (Strings{"Acon  this drug already selectd"}));
    EXPECT_TRUE(m.PrepareDrugList());
    m.OnNormal();
    EXPECT_TRUE(c.state.m_mapRemedyRows.empty());
}

TEST_F(RepMethodsTest, FullSymptomOfThePickedRow)
{
    m.Pick(m.PickedRemedy(), 4);
    const CSymptomRecord* record = m.SymptomForFullList();
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->m_pszText, "HEAD - PAIN - morning");
    m.Pick(m.PickedRemedy(), 40);
    EXPECT_EQ(m.SymptomForFullList(), nullptr);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(RepMethodsTest, LoadingAnotherVisitEmptiesEveryClipboardCopy)
{
    c.PutOnClipboard(0, {0});
    c.PutOnClipboard(2, {1, 2});
    m.Pick(2, m.PickedSymptom());
    c.Load(MethodsVisit());
    for (int k = 0; k < kClipboardCount; ++k) {
        EXPECT_TRUE(m.Clipboards().m_mapClip[static_cast<std::size_t>(k)].empty());
        EXPECT_EQ(m.ClipCount(k), 0);
    }
    EXPECT_TRUE(c.state.m_mapClipboard1.empty());
    EXPECT_TRUE(c.state.m_mapClipboard3.empty());
    EXPECT_EQ(m.PickedRemedy(), -1);
    // The chart restarts from the new visit.
    EXPECT_EQ(m.OnNormal(), MethodOutcome::Refreshed);
    EXPECT_EQ(c.engine->RemedyCount(), 7);
    EXPECT_EQ(m.OnClipboard(0), MethodOutcome::Unchanged);
}

TEST_F(RepMethodsTest, LongDescriptionsAreKeptWhole)
{
    c.drugFilter.boxes.clear();
    for (int k = 1; k <= kDrugPropertyCount; ++k)
        c.drugFilter.boxes.push_back(k);
    m.OnDrugFilter(); // no remedy has every property: back to Normal
    const std::string longClass(700, 'x');
    c.kingdom.answer = KingdomDialogResult{{}, longClass, ""};
    ASSERT_EQ(m.OnPlantFilter(), MethodOutcome::Refreshed);
    const std::string caption = m.BuildCaption();
    EXPECT_GT(caption.size(), 700u);
    EXPECT_EQ(caption, "Repertorisation: Drug Filter     Plant-> Class: " + longClass);
}

} // namespace
} // namespace quillon

namespace quillon {
namespace {

using namespace quillon::testing;

TEST(RepMethodsDrop, DroppedSymptomsFeedTheClipboardMethod)
{
    MethodsCase c;
    CRepMethods& m = *c.methods;
    m.Pick(m.PickedRemedy(), 3);
    EXPECT_EQ(m.DropOnClipboard(1), DropOutcome::Dropped);
    m.Pick(m.PickedRemedy(), 5);
    EXPECT_EQ(m.DropOnClipboard(1, true), DropOutcome::Dropped);
    EXPECT_EQ(m.DropOnClipboard(1), DropOutcome::AlreadyThere);
    EXPECT_EQ(m.ClipCount(1), 2);
    EXPECT_EQ(c.state.m_mapClipboard2.size(), 2u);
    ASSERT_EQ(m.OnClipboard(1), MethodOutcome::Refreshed);
    EXPECT_EQ(c.Rows(), (std::vector<std::string>{"Nat-m 3 2", "Calc 3 1", "Bell 2 1", "Sulph 1 1"}));
}

} // namespace
} // namespace quillon
