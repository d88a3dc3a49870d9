// The plant and animal filters' rules: opening, the search, and what OK excludes and describes.
#include "filters/ClassFilter.h"

#include "casedata/ByteReader.h"
#include "fixtures/FilterWriters.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace quillon;
using quillon::testing::TempFolder;

namespace {

using fixtures::MakeClassCode;

const std::vector<std::string> kFamilies
    = {"Anacardiaceae", "Apocynaceae", "Compositae", "Ranunculaceae", "", "rubiaceae"};

struct Opened
{
    RecordingMessageSink sink;
    std::unique_ptr<CClassFilterModel> model;
    bool loaded = false;
};

// Codes 1..n carry the given words; code 0 is a word of 0.
std::unique_ptr<Opened> Open(
    const ClassFilterKind& kind, const std::vector<std::uint32_t>& words, const std::vector<int>& codes)
{
    auto opened = std::make_unique<Opened>();
    std::vector<std::uint32_t> file{0};
    file.insert(file.end(), words.begin(), words.end());
    const std::string classes = fixtures::EncodeLineList(kFamilies);
    const std::string codeFile = fixtures::EncodeCodeWords(file);
    opened->model = std::make_unique<CClassFilterModel>(kind, opened->sink);
    opened->loaded = opened->model->LoadImages(AsBytes(classes), AsBytes(codeFile), FilterRemediesFromCodes(codes));
    return opened;
}

constexpr std::uint32_t Bit(int k)
{
    return 1u << (k - 1);
}

} // namespace

TEST(ClassFilter, OkWithNothingChosenExcludesNothing)
{
    auto opened = Open(
        kPlantFilterKind, {MakeClassCode(1, Bit(1)), MakeClassCode(0, 0), MakeClassCode(3, 0xFFF)}, {1, 2, 3, 0});
    ASSERT_TRUE(opened->loaded);
    const ClassFilterResult result = opened->model->Ok();
    EXPECT_TRUE(result.m_arrExcluded.empty());
    EXPECT_EQ(result.m_strClass, "");
    EXPECT_EQ(result.m_strTypes, "");
    EXPECT_TRUE(opened->sink.Messages().empty());
}

TEST(ClassFilter, ClassOnlyExcludesOtherClassesAndNoneAndHandsBackKeys)
{
    // Code 3 carries class 2 in the upper half, plus type bits that must not matter.
    auto opened = Open(kPlantFilterKind,
        {MakeClassCode(2, 0), MakeClassCode(3, 0), MakeClassCode(2, Bit(4)), MakeClassCode(0, 0)}, {1, 2, 3, 4});
    opened->model->SelectClass(1);
    const ClassFilterResult result = opened->model->Ok();
    EXPECT_EQ(result.m_strClass, "Apocynaceae");
    EXPECT_EQ(result.m_strTypes, "");
    EXPECT_EQ(result.m_arrExcluded, (std::vector<RemedyKey>{20, 40}));
}

TEST(ClassFilter, ClassNumberMustBeEqualNotMerelyContained)
{
    // Class 3 (binary 11) contains the bits of class 1 but is not class 1.
    auto opened = Open(kPlantFilterKind, {MakeClassCode(3, 0), MakeClassCode(1, 0)}, {1, 2});
    opened->model->SelectClass(0);
    EXPECT_EQ(opened->model->Ok().m_arrExcluded, (std::vector<RemedyKey>{10}));
}

TEST(ClassFilter, RootsAndBarkNeedBothBits)
{
    auto opened = Open(kPlantFilterKind,
        {MakeClassCode(1, Bit(1) | Bit(3)), MakeClassCode(2, Bit(1)), MakeClassCode(0, Bit(3)),
            MakeClassCode(5, Bit(1) | Bit(2) | Bit(3))},
        {1, 2, 3, 4});
    opened->model->SetTypeChecked(3, true);
    opened->model->SetTypeChecked(1, true);
    const ClassFilterResult result = opened->model->Ok();
    EXPECT_EQ(result.m_strTypes, "Roots, Bark, ");
    EXPECT_EQ(result.m_strClass, "");
    EXPECT_EQ(result.m_arrExcluded, (std::vector<RemedyKey>{20, 30}));
}

TEST(ClassFilter, WordAtTheEndOfTheCodeFileReadsZero)
{
    // The file holds codes 0..2; code 3 starts exactly at its end.
    auto opened = Open(kPlantFilterKind, {MakeClassCode(1, Bit(1)), MakeClassCode(1, Bit(1))}, {3, 1});
    ASSERT_TRUE(opened->loaded);
    EXPECT_EQ(opened->model->Codes().at(0).word, 0u);
    EXPECT_TRUE(opened->model->Ok().m_arrExcluded.empty());
    opened->model->SetTypeChecked(1, true);
    EXPECT_EQ(opened->model->Ok().m_arrExcluded, (std::vector<RemedyKey>{30}));
    opened->model->SetTypeChecked(1, false);
    opened->model->SelectClass(0);
    EXPECT_EQ(opened->model->Ok().m_arrExcluded, (std::vector<RemedyKey>{30}));
}

TEST(ClassFilter, WordBeyondTheEndOfTheCodeFileFailsTheOpening)
{
    auto opened = Open(kPlantFilterKind, {MakeClassCode(1, 0)}, {1, 3});
    EXPECT_FALSE(opened->loaded);
    EXPECT_EQ(opened->sink.Texts(), (std::vector<std::string>{"Error in file plcode.dat"}));

    auto animal = Open(kAnimalFilterKind, {MakeClassCode(1, 0)}, {7});
    EXPECT_FALSE(animal->loaded);
    EXPECT_EQ(animal->sink.Texts(), (std::vector<std::string>{"Error in file anmlcode.dat"}));
}

TEST(ClassFilter, AnimalTypeTextDropsOnlyTheFirstAmpersand)
{
    EXPECT_EQ(TypeLabelText("Sna&kes"), "Snakes");
    EXPECT_EQ(TypeLabelText("&A&B"), "A&B");
    auto opened = Open(kAnimalFilterKind, {MakeClassCode(1, Bit(10))}, {1});
    opened->model->SetTypeChecked(10, true);
    EXPECT_EQ(opened->model->Ok().m_strTypes, "Snakes, ");
}

TEST(ClassFilter, AnimalClassThreeWithMilk)
{
    auto opened = Open(kAnimalFilterKind,
        {MakeClassCode(3, Bit(4)), MakeClassCode(3, Bit(3)), MakeClassCode(2, Bit(4)),
            MakeClassCode(3, Bit(4) | Bit(9))},
        {1, 2, 3, 4});
    opened->model->SelectClass(2);
    opened->model->SetTypeChecked(4, true);
    const ClassFilterResult result = opened->model->Ok();
    EXPECT_EQ(result.m_strClass, "Compositae");
    EXPECT_EQ(result.m_strTypes, "Milk, ");
    EXPECT_EQ(result.m_arrExcluded, (std::vector<RemedyKey>{20, 30}));
}

TEST(ClassFilter, SearchUsesSevenCharactersWithoutRegardToCase)
{
    EXPECT_EQ(FindClassByPrefix(kFamilies, ""), 0);
    EXPECT_EQ(FindClassByPrefix(kFamilies, "apo"), 1);
    // Only "Anacard" counts; the rest of the text is ignored.
    EXPECT_EQ(FindClassByPrefix(kFamilies, "AnacardXYZ"), 0);
    EXPECT_EQ(FindClassByPrefix(kFamilies, "RUBIA"), 5);
    EXPECT_EQ(FindClassByPrefix(kFamilies, "Zz"), -1);

    auto opened = Open(kPlantFilterKind, {}, {});
    EXPECT_EQ(opened->model->Search("Comp"), 2);
    EXPECT_EQ(opened->model->Search("Zz"), -1);
    EXPECT_EQ(opened->model->SelectedClass(), 2);
    EXPECT_EQ(opened->model->Search(""), 0);
}

TEST(ClassFilter, MissingOrEmptyFilesFailTheOpening)
{
    TempFolder folder;
    RecordingMessageSink sink;
    CClassFilterModel model(kPlantFilterKind, sink);
    EXPECT_FALSE(model.Load(CPracticeFolder(folder.Path()), FilterRemediesFromCodes({1})));
    EXPECT_EQ(sink.Messages(),
        (std::vector<Message>{{"Error reading File", "plants.dat", MessageIcon::Error},
            {"Error reading File", "plcode.dat", MessageIcon::Error}}));

    sink.Clear();
    folder.Write("PLANTS.DAT", fixtures::EncodeLineList(kFamilies));
    folder.Write("plcode.dat", "");
    EXPECT_FALSE(model.Load(CPracticeFolder(folder.Path()), FilterRemediesFromCodes({1})));
    ASSERT_EQ(sink.Messages().size(), 1u);
    EXPECT_EQ(sink.Messages()[0].caption, "plcode.dat");

    sink.Clear();
    folder.Write("plcode.dat", fixtures::EncodeCodeWords({0, MakeClassCode(4, 0)}));
    EXPECT_TRUE(model.Load(CPracticeFolder(folder.Path()), FilterRemediesFromCodes({1})));
    EXPECT_EQ(model.Classes(), kFamilies);
    EXPECT_TRUE(sink.Messages().empty());
}
