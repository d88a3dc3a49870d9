// Tests of the repertorisation engine: building, weighting, the three orders and the grade matrix.
#include "casedata/CaseStore.h"
#include "casedata/PracticeFolder.h"
#include "casedata/RemedyCatalogue.h"
#include "fixtures/CaseWriters.h"
#include "repertory/RepEngine.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <vector>

namespace quillon {
namespace {

struct Entry
{
    char digit; // grade as written in the file, '1' for grade 1
    int code;
};

std::unique_ptr<CSymptomRecord> MakeSymptom(
    const std::string& text, const std::vector<Entry>& entries, int kind = kKindRest)
{
    auto record = std::make_unique<CSymptomRecord>();
    record->m_pszText = text;
    record->m_nKind = kind;
    record->m_nType = 1;
    record->m_nRemedyCount = static_cast<int>(entries.size());
    for (const Entry& entry : entries) {
        const auto [high, low] = fixtures::EncodeRemedyCode(entry.code);
        record->m_pRemedies.push_back(static_cast<std::uint8_t>(entry.digit));
        record->m_pRemedies.push_back(high);
        record->m_pRemedies.push_back(low);
    }
    record->m_pRemedies.push_back(0);
    return record;
}

// Codes follow the case-insensitive order of the abbreviations: acon 0, Apis 1, bell 2, Bry 3, calc 4,
// Carb-v 5, Nux-v 6, Puls 7, Sep 8, Sulph 9.
std::unique_ptr<CRemedyCatalogue> SmallCatalogue(IMessageSink& sink)
{
    const auto images = fixtures::EncodeCatalogue(
        {{"acon.", "Aconitum napellus"}, {"Apis.", "Apis mellifica"}, {"bell.", "Belladonna"}, {"Bry.", "Bryonia alba"},
            {"calc.", "Calcarea carbonica"}, {"Carb-v.", "Carbo vegetabilis"}, {"Nux-v.", "Nux vomica"},
            {"Puls.", "Pulsatilla"}, {"Sep.", "Sepia"}, {"Sulph.", "Sulphur"}});
    return CRemedyCatalogue::FromImages(images.drugDat, images.druglDat, images.fulldrugTxt, sink);
}

enum Code { kAcon = 0, kApis, kBell, kBry, kCalc, kCarbV, kNuxV, kPuls, kSep, kSulph };

class RepEngineTest : public ::testing::Test
{
protected:
    RepEngineTest() : catalogue(SmallCatalogue(sink)), store(folder, sink), engine(store, catalogue.get(), sink) {}

    void Add(const std::vector<Entry>& entries, int kind = kKindRest)
    {
        store.m_mapSymptoms.push_back(
            MakeSymptom("symptom " + std::to_string(store.m_mapSymptoms.size()), entries, kind));
    }

    // The active set with the weights the Weightage dialog's intensities give.
    ActiveSymptoms Weighted(const std::vector<IntensityEntry>& intensities) const
    {
        return {store.m_mapRepSymptoms, WeightsFromIntensities(intensities, store.m_mapRepSymptoms.size())};
    }

    std::vector<std::string> SortedNames() const
    {
        std::vector<std::string> names;
        for (int r = 0; r < engine.RemedyCount(); ++r)
            names.emplace_back(engine.RemedyName(r));
        return names;
    }

    RecordingMessageSink sink;
    CPracticeFolder folder;
    std::unique_ptr<CRemedyCatalogue> catalogue;
    CCaseStore store;
    CRepEngine engine;
};

TEST(Comparators, CompositeKeysNotTotalityFirst)
{
    RemedyResult a{"Zinc", 1, 4, 70}; // 60 x 4 + 70 = 310
    RemedyResult b{"Acon", 2, 5, 2}; // 60 x 5 + 2 = 302
    EXPECT_LT(CompareByTotality(a, b), 0);
    EXPECT_GT(CompareByTotality(b, a), 0);

    RemedyResult c{"Bell", 3, 4, 62}; // 302 as well: the name decides
    EXPECT_LT(CompareByTotality(b, c), 0);
    EXPECT_GT(CompareByTotality(c, b), 0);

    // 60 x C + T: 60 x 2 + 70 = 190 against 60 x 3 + 1 = 181.
    RemedyResult d{"Zinc", 4, 70, 2};
    RemedyResult e{"Acon", 5, 1, 3};
    EXPECT_LT(CompareBySymptomsCovered(d, e), 0);
}

TEST(Comparators, NamesIgnoreLetterCase)
{
    const RemedyResult lower{"acon", 0, 1, 1};
    const RemedyResult upper{"Apis", 1, 1, 1};
    const RemedyResult same{"ACON", 2, 1, 1};
    EXPECT_LT(CompareByName(lower, upper), 0);
    EXPECT_LT(CompareByTotality(lower, upper), 0);
    EXPECT_LT(CompareBySymptomsCovered(lower, upper), 0);
    EXPECT_EQ(CompareByName(lower, same), 0);
}

TEST_F(RepEngineTest, EmptySetGivesEmptyResult)
{
    ASSERT_TRUE(engine.Start());
    EXPECT_EQ(engine.SymptomCount(), 0);
    EXPECT_EQ(engine.ResultCount(), 0);
    EXPECT_TRUE(engine.HasSortedOrder());
    EXPECT_EQ(engine.RemedyCount(), 0);
    ASSERT_TRUE(engine.HasGradeMatrix());
    EXPECT_EQ(engine.Grade(0, 0), 0);
    EXPECT_EQ(engine.SortedRemedy(0), nullptr);
    EXPECT_TRUE(sink.Messages().empty());
}

TEST_F(RepEngineTest, RemedyTwiceInOneSymptomCountsTwice)
{
    Add({{'2', kBell}, {'3', kSep}, {'1', kBell}});
    Add({{'1', kSep}});
    ASSERT_TRUE(engine.Start());

    const RemedyResult* bell = engine.FindResult(MakeRemedyKey(kBell));
    ASSERT_NE(bell, nullptr);
    EXPECT_EQ(bell->covered, 2);
    EXPECT_EQ(bell->totality, 3);
    EXPECT_EQ(engine.Levels(MakeRemedyKey(bell->code)), (std::vector<LevelEntry>{{1, 2}, {1, 1}}));

    const RemedyResult* sep = engine.FindResult(MakeRemedyKey(kSep));
    ASSERT_NE(sep, nullptr);
    EXPECT_EQ(sep->covered, 2);
    EXPECT_EQ(sep->totality, 4);
    EXPECT_EQ(engine.Levels(MakeRemedyKey(sep->code)), (std::vector<LevelEntry>{{1, 3}, {2, 1}}));
    EXPECT_EQ(sep->name, "Sep");
}

// Remedy `code` in `covered` symptoms with grades adding up to `totality` (grade-0 entries fill the rest).
void AddRemedySpread(std::vector<std::vector<Entry>>& symptoms, int code, int totality, int covered)
{
    if (symptoms.size() < static_cast<std::size_t>(covered))
        symptoms.resize(static_cast<std::size_t>(covered));
    for (int s = 0; s < covered; ++s) {
        const int grade = totality > 3 ? 3 : totality;
        totality -= grade;
        symptoms[static_cast<std::size_t>(s)].push_back({static_cast<char>('0' + grade), code});
    }
}

TEST_F(RepEngineTest, TotalityOrderUsesCompositeKey)
{
    std::vector<std::vector<Entry>> symptoms;
    AddRemedySpread(symptoms, kSulph, 4, 70); // key 310
    AddRemedySpread(symptoms, kAcon, 5, 2); // key 302
    AddRemedySpread(symptoms, kBell, 6, 2); // key 362
    for (const auto& entries : symptoms)
        Add(entries);
    ASSERT_TRUE(engine.Start());
    ASSERT_EQ(engine.RemedyCount(), 3);
    EXPECT_EQ(SortedNames(), (std::vector<std::string>{"bell", "Sulph", "acon"}));
    EXPECT_EQ(engine.RemedyTotality(1), 4);
    EXPECT_EQ(engine.RemedyCovered(1), 70);

    // 60 x C + T: Sulph 4,270, Acon 125, Bell 126.
    engine.SetSortMode(SortBySymptomsCovered);
    ASSERT_TRUE(engine.RefreshResults());
    EXPECT_EQ(SortedNames(), (std::vector<std::string>{"Sulph", "bell", "acon"}));
}

TEST_F(RepEngineTest, EqualCompositeKeysFallToNameOrder)
{
    std::vector<std::vector<Entry>> symptoms;
    AddRemedySpread(symptoms, kSulph, 4, 62); // 302
    AddRemedySpread(symptoms, kPuls, 5, 2); // 302
    for (const auto& entries : symptoms)
        Add(entries);
    ASSERT_TRUE(engine.Start());
    EXPECT_EQ(SortedNames(), (std::vector<std::string>{"Puls", "Sulph"}));
}

TEST_F(RepEngineTest, EqualKeysInterleaveUpperAndLowerCaseNames)
{
    // Symptom order puts the remedies in neither name nor code order.
    Add({{'1', kCalc}, {'1', kBry}});
    Add({{'1', kApis}, {'1', kBell}, {'1', kAcon}});
    ASSERT_TRUE(engine.Start());
    const std::vector<std::string> expected{"acon", "Apis", "bell", "Bry", "calc"};
    EXPECT_EQ(SortedNames(), expected);
    engine.SetSortMode(SortBySymptomsCovered);
    ASSERT_TRUE(engine.RefreshResults());
    EXPECT_EQ(SortedNames(), expected);
    engine.SetSortMode(SortByName);
    ASSERT_TRUE(engine.RefreshResults());
    EXPECT_EQ(SortedNames(), expected);
}

TEST_F(RepEngineTest, IntensityMultipliesTheSymptomsGrades)
{
    Add({{'2', kNuxV}, {'1', kPuls}});
    Add({{'3', kNuxV}});
    Add({{'1', kPuls}});
    ASSERT_TRUE(engine.Start());
    ASSERT_TRUE(engine.BuildResults(Weighted({{0, 3}, {1, 0}, {2, 1}})));
    ASSERT_TRUE(engine.RefreshResults());

    const RemedyResult* nux = engine.FindResult(MakeRemedyKey(kNuxV));
    ASSERT_NE(nux, nullptr);
    EXPECT_EQ(nux->totality, 6); // grade 2 x intensity 3, grade 3 x intensity 0
    EXPECT_EQ(nux->covered, 2); // an intensity of 0 keeps the remedy and its count
    const RemedyResult* puls = engine.FindResult(MakeRemedyKey(kPuls));
    ASSERT_NE(puls, nullptr);
    EXPECT_EQ(puls->totality, 4);
    EXPECT_EQ(engine.Grade(0, 1), 3) << "the matrix shows grades, not weighted grades";
}

TEST_F(RepEngineTest, IntensitiesBeyondTheActiveSetAreIgnored)
{
    Add({{'2', kSep}});
    Add({{'1', kSep}});
    ASSERT_TRUE(engine.Start());
    // Entries left from a larger set: a key past the set and a symptom index past it change nothing.
    ASSERT_TRUE(engine.BuildResults(Weighted({{7, 5}, {-1, 4}, {0, 9}})));
    EXPECT_EQ(engine.FindResult(MakeRemedyKey(kSep))->totality, 3);
}

TEST_F(RepEngineTest, UnknownCodeHasEmptyNameAndSortsFirstByName)
{
    Add({{'3', kAcon}, {'1', 777}});
    ASSERT_TRUE(engine.Start());
    ASSERT_EQ(engine.RemedyCount(), 2);
    EXPECT_EQ(SortedNames(), (std::vector<std::string>{"acon", ""}));
    engine.SetSortMode(SortByName);
    ASSERT_TRUE(engine.RefreshResults());
    EXPECT_EQ(SortedNames(), (std::vector<std::string>{"", "acon"}));
    EXPECT_EQ(engine.SortedRemedy(0)->code, 777);
    EXPECT_EQ(engine.Grade(0, 0), 1);
}

TEST_F(RepEngineTest, GradeZeroEmptiesOnlyItsOwnCell)
{
    Add({{'2', kCarbV}});
    Add({{'0', kCarbV}});
    Add({{'3', kCarbV}});
    ASSERT_TRUE(engine.Start());
    const RemedyResult* carbv = engine.SortedRemedy(0);
    ASSERT_NE(carbv, nullptr);
    EXPECT_EQ(carbv->covered, 3);
    EXPECT_EQ(carbv->totality, 5);
    EXPECT_EQ(engine.Grade(0, 0), 2);
    EXPECT_EQ(engine.Grade(0, 1), 0);
    EXPECT_EQ(engine.Grade(0, 2), 3) << "a grade after a grade-0 entry must still show";
}

TEST_F(RepEngineTest, MoreSymptomsThanASignedByteCanNumber)
{
    for (int s = 0; s < 300; ++s)
        Add(s == 199 ? std::vector<Entry>{{'2', kSep}, {'1', kApis}} : std::vector<Entry>{{'1', kApis}});
    ASSERT_TRUE(engine.Start());
    EXPECT_EQ(engine.SymptomCount(), 300);
    ASSERT_EQ(SortedNames(), (std::vector<std::string>{"Apis", "Sep"}));
    EXPECT_EQ(engine.Grade(1, 199), 2);
    EXPECT_EQ(engine.Grade(1, 198), 0);
    EXPECT_EQ(engine.Grade(0, 299), 1);
    EXPECT_EQ(engine.Levels(MakeRemedyKey(kSep)), (std::vector<LevelEntry>{{200, 2}}));
}

TEST_F(RepEngineTest, MoreCoveringSymptomsThanTheOldLevelBuffer)
{
    for (int s = 0; s < 640; ++s)
        Add({{static_cast<char>('1' + s % 3), kBry}});
    ASSERT_TRUE(engine.Start());
    const RemedyResult* bry = engine.SortedRemedy(0);
    ASSERT_NE(bry, nullptr);
    EXPECT_EQ(bry->covered, 640);
    EXPECT_EQ(engine.Levels(MakeRemedyKey(bry->code)).size(), 640u);
    for (int s = 0; s < 640; ++s)
        ASSERT_EQ(engine.Grade(0, s), 1 + s % 3) << "symptom " << s;
}

TEST_F(RepEngineTest, CodesBeyondSixteenBitKeysStayApart)
{
    // 10 x 6554 = 65540 would wrap to 4 in sixteen bits, the key of code 0 + 4/10; codes 1 and 6555
    // would share 10 and 65550.
    Add({{'1', 1}, {'2', 6555}, {'3', 0}, {'1', 6554}});
    // The largest code two digits can carry: 222 x 255 + 255 - 7360.
    store.m_mapSymptoms[0]->m_pRemedies[7] = 255;
    store.m_mapSymptoms[0]->m_pRemedies[8] = 255;
    ASSERT_EQ(store.m_mapSymptoms[0]->RemedyCode(2), 49505);
    ASSERT_TRUE(engine.Start());
    EXPECT_EQ(engine.ResultCount(), 4);
    ASSERT_NE(engine.FindResult(MakeRemedyKey(6555)), nullptr);
    EXPECT_EQ(engine.FindResult(MakeRemedyKey(6555))->code, 6555);
    EXPECT_EQ(engine.FindResult(MakeRemedyKey(6555))->totality, 2);
    EXPECT_EQ(engine.FindResult(MakeRemedyKey(1))->totality, 1);
    EXPECT_EQ(engine.FindResult(MakeRemedyKey(49505))->code, 49505);
    EXPECT_EQ(RemedyCodeOfKey(MakeRemedyKey(49505)), 49505);
    EXPECT_EQ(engine.FindResult(MakeRemedyKey(1))->name, "Apis");
}

TEST_F(RepEngineTest, EntryCountBeyondTheEntryBytesIsCut)
{
    Add({{'2', kSep}, {'1', kPuls}});
    store.m_mapSymptoms[0]->m_nRemedyCount = 40;
    Add({{'1', kSep}});
    store.m_mapSymptoms[1]->m_nRemedyCount = -3;
    ASSERT_TRUE(engine.Start());
    EXPECT_EQ(engine.ResultCount(), 2);
    EXPECT_EQ(engine.FindResult(MakeRemedyKey(kSep))->covered, 1);
}

TEST_F(RepEngineTest, ChangingTheResultsDropsTheOrderAndMatrix)
{
    Add({{'2', kSep}, {'3', kPuls}, {'1', kAcon}});
    ASSERT_TRUE(engine.Start());
    ASSERT_EQ(engine.RemedyCount(), 3);

    EXPECT_TRUE(engine.RemoveRemedy(MakeRemedyKey(kPuls)));
    EXPECT_FALSE(engine.RemoveRemedy(MakeRemedyKey(kPuls)));
    EXPECT_FALSE(engine.HasSortedOrder());
    EXPECT_EQ(engine.RemedyCount(), 0) << "no row may point at a removed remedy";
    EXPECT_EQ(engine.Grade(0, 0), 0);

    ASSERT_TRUE(engine.RefreshResults());
    EXPECT_EQ(SortedNames(), (std::vector<std::string>{"Sep", "acon"}));
    EXPECT_EQ(engine.RemoveRemedies([](const RemedyResult& r) { return r.totality < 2; }), 1);
    ASSERT_TRUE(engine.RefreshResults());
    EXPECT_EQ(SortedNames(), (std::vector<std::string>{"Sep"}));
    EXPECT_TRUE(sink.Messages().empty());
}

TEST_F(RepEngineTest, MatrixFollowsAShrunkActiveSet)
{
    Add({{'2', kSep}});
    Add({{'1', kSep}});
    Add({{'3', kSep}});
    ASSERT_TRUE(engine.Start());
    store.m_mapRepSymptoms.pop_back();
    ASSERT_TRUE(engine.RefreshResults());
    EXPECT_EQ(engine.Grade(0, 1), 1);
    EXPECT_EQ(engine.Grade(0, 2), 0);
}

// Results keep their records, names and name order from one build to the next; each of these steps must
// still give the order a first build would.
TEST_F(RepEngineTest, RebuildsFollowRemediesComingAndGoingAndNewNames)
{
    Add({{'1', kNuxV}, {'1', kBry}, {'1', kCalc}});
    ASSERT_TRUE(engine.Start());
    EXPECT_EQ(SortedNames(), (std::vector<std::string>{"Bry", "calc", "Nux-v"}));

    // A remedy tying with the others joins the results.
    Add({{'1', kSulph}});
    store.m_mapRepSymptoms.push_back(store.m_mapSymptoms.back().get());
    ASSERT_TRUE(engine.BuildResults());
    ASSERT_TRUE(engine.RefreshResults());
    EXPECT_EQ(SortedNames(), (std::vector<std::string>{"Bry", "calc", "Nux-v", "Sulph"}));

    // Dropped by a filter, then back with the next build.
    EXPECT_TRUE(engine.RemoveRemedy(MakeRemedyKey(kCalc)));
    ASSERT_TRUE(engine.RefreshResults());
    EXPECT_EQ(SortedNames(), (std::vector<std::string>{"Bry", "Nux-v", "Sulph"}));
    ASSERT_TRUE(engine.BuildResults());
    ASSERT_TRUE(engine.RefreshResults());
    EXPECT_EQ(SortedNames(), (std::vector<std::string>{"Bry", "calc", "Nux-v", "Sulph"}));

    // Symptom 0 leaves the active set: its remedies go, the others keep their places.
    store.m_mapRepSymptoms.erase(store.m_mapRepSymptoms.begin());
    ASSERT_TRUE(engine.BuildResults());
    engine.SetSortMode(SortByName);
    ASSERT_TRUE(engine.RefreshResults());
    EXPECT_EQ(SortedNames(), (std::vector<std::string>{"Sulph"}));
    EXPECT_EQ(engine.Grade(0, 0), 1);
    store.m_mapRepSymptoms = {store.m_mapSymptoms[0].get(), store.m_mapSymptoms[1].get()};
    ASSERT_TRUE(engine.BuildResults());
    ASSERT_TRUE(engine.RefreshResults());
    EXPECT_EQ(SortedNames(), (std::vector<std::string>{"Bry", "calc", "Nux-v", "Sulph"}));

    // A shorter catalogue leaves codes 5 and up without a name, which puts them first by name: the present
    // results take its names at once, and sort by them.
    const auto images
        = fixtures::EncodeCatalogue({{"a0.", "A0"}, {"a1.", "A1"}, {"a2.", "A2"}, {"a3.", "A3"}, {"a4.", "A4"}});
    const auto shorter = CRemedyCatalogue::FromImages(images.drugDat, images.druglDat, images.fulldrugTxt, sink);
    engine.SetCatalogue(shorter.get());
    EXPECT_EQ(engine.FindResult(MakeRemedyKey(kCalc))->name, "a4");
    ASSERT_TRUE(engine.RefreshResults());
    EXPECT_EQ(SortedNames(), (std::vector<std::string>{"", "", "a3", "a4"}));
    EXPECT_EQ(engine.SortedRemedy(0)->code, kNuxV);
    ASSERT_TRUE(engine.BuildResults());
    ASSERT_TRUE(engine.RefreshResults());
    EXPECT_EQ(SortedNames(), (std::vector<std::string>{"", "", "a3", "a4"}));
    EXPECT_TRUE(sink.Messages().empty());
}

TEST_F(RepEngineTest, GradeDigitsBelowZeroCountTheirEntries)
{
    // '/' reads as grade -1 and ' ' as -16: the counts of symptoms covered must not be touched by them.
    Add({{'/', kApis}, {'2', kBell}});
    Add({{' ', kApis}, {'/', kBell}});
    Add({{'3', kApis}});
    ASSERT_TRUE(engine.Start());
    const RemedyResult* apis = engine.FindResult(MakeRemedyKey(kApis));
    const RemedyResult* bell = engine.FindResult(MakeRemedyKey(kBell));
    ASSERT_NE(apis, nullptr);
    ASSERT_NE(bell, nullptr);
    EXPECT_EQ(apis->totality, -14);
    EXPECT_EQ(apis->covered, 3);
    EXPECT_EQ(bell->totality, 1);
    EXPECT_EQ(bell->covered, 2);
    EXPECT_EQ(SortedNames(), (std::vector<std::string>{"bell", "Apis"}));
}

TEST_F(RepEngineTest, ResetRestoresEverySymptomWithWeightOne)
{
    Add({{'2', kSep}}, kKindMind);
    Add({{'1', kSep}, {'3', kCalc}}, kKindGeneral);
    Add({{'1', kCalc}});
    ASSERT_TRUE(engine.Start());

    // A subset with intensities, then the full rebuild.
    store.m_mapRepSymptoms = {store.m_mapSymptoms[1].get()};
    ASSERT_TRUE(engine.BuildResults(Weighted({{0, 4}})));
    ASSERT_TRUE(engine.RefreshResults());
    EXPECT_EQ(engine.FindResult(MakeRemedyKey(kCalc))->totality, 12);

    ASSERT_TRUE(engine.BuildResults(EveryRecordedSymptom(store)));
    EXPECT_EQ(engine.SymptomCount(), 3);
    EXPECT_FALSE(engine.HasSortedOrder());
    EXPECT_EQ(engine.RemedyCount(), 0);
    EXPECT_EQ(engine.FindResult(MakeRemedyKey(kCalc))->totality, 4);
    EXPECT_EQ(engine.FindResult(MakeRemedyKey(kSep))->totality, 3);

    ASSERT_TRUE(engine.RefreshResults());
    EXPECT_EQ(SortedNames(), (std::vector<std::string>{"calc", "Sep"}));
    EXPECT_TRUE(sink.Messages().empty());
}

TEST_F(RepEngineTest, ClearingTheStoreDropsWhatTheEngineBorrowed)
{
    Add({{'2', kSep}});
    ASSERT_TRUE(engine.Start());
    store.ClearCaseStore();
    EXPECT_EQ(engine.ResultCount(), 0);
    EXPECT_EQ(engine.RemedyCount(), 0);
    EXPECT_EQ(engine.SymptomCount(), 0);
}

// A realistic visit written as a ".rsy" file and loaded through the case store, checked against a
// straightforward recomputation from the file's own symptom list.
TEST(RepEngineVisit, TotalsCountsOrderAndMatrixAgreeWithRecomputation)
{
    std::mt19937 random(20240611u);
    std::vector<fixtures::CatalogueRemedy> remedies;
    for (int i = 0; i < 400; ++i) {
        std::string abbreviation = (i % 2 ? "R" : "r") + std::to_string(1000 + i) + ".";
        remedies.push_back({abbreviation, "Remedy " + std::to_string(i)});
    }
    fixtures::VisitSpec visit{5, 11, 2002, {}};
    const char kinds[] = {'M', 'G', 'F'};
    for (int s = 0; s < 90; ++s) {
        fixtures::SymptomSpec symptom;
        symptom.text = "RUBRIC " + std::to_string(s);
        symptom.kind = kinds[s % 3];
        symptom.type = 1 + s % 17;
        const int count = 1 + static_cast<int>(random() % (s % 10 == 0 ? 250 : 30));
        for (int i = 0; i < count; ++i) {
            // Codes 380..419 include some beyond the catalogue's 400 remedies.
            const int code = static_cast<int>(random() % (i % 7 == 0 ? 40 : 420));
            symptom.remedies.push_back({i % 7 == 0 ? 380 + code : code, 1 + static_cast<int>(random() % 3)});
        }
        visit.symptoms.push_back(symptom);
    }

    testing::TempFolder temp;
    temp.Write("visit.rsy", fixtures::EncodeRsy({visit}));
    RecordingMessageSink sink;
    CPracticeFolder folder(temp.Path());
    const auto images = fixtures::EncodeCatalogue(remedies);
    const auto catalogue = CRemedyCatalogue::FromImages(images.drugDat, images.druglDat, images.fulldrugTxt, sink);
    CCaseStore store(folder, sink);
    store.m_strPatientFile = "visit";
    ASSERT_TRUE(store.LoadVisitIndex());
    ASSERT_TRUE(store.LoadVisitSymptoms(0));
    ASSERT_EQ(store.LiveCount(), 90);

    CRepEngine engine(store, catalogue.get(), sink);
    ASSERT_TRUE(engine.Start());
    // Intensity s % 4; with every multiplier 1 the weight is the intensity, 0 included.
    std::vector<int> weights;
    for (int s = 0; s < 90; ++s)
        weights.push_back(s % 4);
    ASSERT_TRUE(engine.BuildResults({store.m_mapRepSymptoms, weights}));

    for (const SortMode mode : {SortByTotality, SortBySymptomsCovered, SortByName}) {
        engine.SetSortMode(mode);
        ASSERT_TRUE(engine.RefreshResults());

        std::map<int, std::pair<int, int>> expected; // code -> totality, covered
        std::map<std::pair<int, int>, int> cells; // (code, symptom) -> grade of its last entry
        for (int s = 0; s < 90; ++s) {
            for (const auto& entry : visit.symptoms[static_cast<std::size_t>(s)].remedies) {
                expected[entry.code].first += entry.grade * (s % 4);
                expected[entry.code].second += 1;
                cells[{entry.code, s}] = entry.grade;
            }
        }
        ASSERT_EQ(engine.RemedyCount(), static_cast<int>(expected.size()));
        for (int r = 0; r < engine.RemedyCount(); ++r) {
            const RemedyResult& result = *engine.SortedRemedy(r);
            ASSERT_TRUE(expected.count(result.code));
            EXPECT_EQ(result.totality, expected[result.code].first) << result.code;
            EXPECT_EQ(result.covered, expected[result.code].second) << result.code;
            std::string name;
            catalogue->GetAbbreviation(result.code, name);
            EXPECT_EQ(result.name, name);
            if (r > 0) {
                const RemedyResult& before = *engine.SortedRemedy(r - 1);
                const int order = mode == SortByTotality ? CompareByTotality(before, result)
                    : mode == SortBySymptomsCovered      ? CompareBySymptomsCovered(before, result)
                                                         : CompareByName(before, result);
                EXPECT_LE(order, 0) << "rows " << r - 1 << " and " << r;
            }
            for (int s = 0; s < 90; ++s) {
                const auto cell = cells.find({result.code, s});
                ASSERT_EQ(engine.Grade(r, s), cell == cells.end() ? 0 : cell->second)
                    << "remedy " << result.code << " symptom " << s;
            }
        }
    }
    EXPECT_TRUE(sink.Messages().empty());
}

} // namespace
} // namespace quillon
