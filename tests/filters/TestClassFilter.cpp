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

// A class and type boxes chosen, then OK: the class and type texts and the result keys to drop.
struct ChoiceCase
{
    const char* name;
    const ClassFilterKind* kind;
    std::vector<std::uint32_t> words; // the code words of codes 1..n
    std::vector<int> codes; // the chart's remedies
    int classLine; // -1: none chosen
    std::vector<int> types;
    std::string className;
    std::string typeNames;
    std::vector<RemedyKey> excluded;
};

const ChoiceCase kChoices[] = {
    {"NothingChosen", &kPlantFilterKind, {MakeClassCode(1, Bit(1)), MakeClassCode(0, 0), MakeClassCode(3, 0xFFF)},
        {1, 2, 3, 0}, -1, {}, "", "", {}},
    // Code 3 carries class 2 with type bits that must not matter; code 4 has no class.
    {"ClassOnly", &kPlantFilterKind,
        {MakeClassCode(2, 0), MakeClassCode(3, 0), MakeClassCode(2, Bit(4)), MakeClassCode(0, 0)}, {1, 2, 3, 4}, 1, {},
        "Apocynaceae", "", {20, 40}},
    // Class 3 (binary 11) contains the bits of class 1 but is not class 1, nor is 32769 (its top bit set).
    {"ClassMustBeEqual", &kPlantFilterKind, {MakeClassCode(3, 0), MakeClassCode(1, 0), MakeClassCode(0x8001, 0)},
        {1, 2, 3}, 0, {}, "Anacardiaceae", "", {10, 30}},
    {"TypesNeedEveryBit", &kPlantFilterKind,
        {MakeClassCode(1, Bit(1) | Bit(3)), MakeClassCode(2, Bit(1)), MakeClassCode(0, Bit(3)),
            MakeClassCode(5, Bit(1) | Bit(2) | Bit(3))},
        {1, 2, 3, 4}, -1, {3, 1}, "", "Roots, Bark, ", {20, 30}},
    // Code 3 starts exactly at the end of the code file: its word reads 0.
    {"WordAtTheEndByType", &kPlantFilterKind, {MakeClassCode(1, Bit(1)), MakeClassCode(1, Bit(1))}, {3, 1}, -1, {1}, "",
        "Roots, ", {30}},
    // The animal type texts drop only their first '&'; the last box counts like the others.
    {"AnimalLastTypes", &kAnimalFilterKind, {MakeClassCode(1, Bit(10) | Bit(12)), MakeClassCode(1, Bit(10) | Bit(11))},
        {1, 2}, -1, {10, 12}, "", "Snakes, Birds, ", {20}},
};

TEST(ClassChoice, OkDescribesAndExcludes)
{
    for (const ChoiceCase& c : kChoices) {
        auto opened = Open(*c.kind, c.words, c.codes);
        ASSERT_TRUE(opened->loaded) << c.name;
        if (c.classLine >= 0)
            opened->model->SelectClass(c.classLine);
        for (const int k : c.types)
            opened->model->SetTypeChecked(k, true);
        const ClassFilterResult result = opened->model->Ok();
        EXPECT_EQ(result.m_strClass, c.className) << c.name;
        EXPECT_EQ(result.m_strTypes, c.typeNames) << c.name;
        EXPECT_EQ(result.m_arrExcluded, c.excluded) << c.name;
        EXPECT_TRUE(opened->sink.Messages().empty()) << c.name;
    }
}

TEST(ClassFilter, WordBeyondTheEndOfTheCodeFileFailsTheOpening)
{
    // The plant dialog's failed opening is driven in test_filter_dialogs.
    auto animal = Open(kAnimalFilterKind, {MakeClassCode(1, 0)}, {7});
    EXPECT_FALSE(animal->loaded);
    EXPECT_EQ(animal->sink.Texts(), (std::vector<std::string>{"Error in file anmlcode.dat"}));
}

TEST(ClassFilter, SearchUsesSevenCharactersWithoutRegardToCase)
{
    // Of "AnacardXYZ" only "Anacard" counts.
    for (const auto& [text, line] :
        {std::pair{"", 0}, {"apo", 1}, {"AnacardXYZ", 0}, {"Anacardx", 0}, {"RUBIA", 5}, {"Zz", -1}})
        EXPECT_EQ(FindClassByPrefix(kFamilies, text), line) << text;
    // A search without a match keeps the chosen class.
    auto opened = Open(kPlantFilterKind, {}, {});
    EXPECT_EQ(opened->model->Search("Comp") * 10 + opened->model->Search("Zz"), 19);
    EXPECT_EQ(opened->model->SelectedClass(), 2);
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
