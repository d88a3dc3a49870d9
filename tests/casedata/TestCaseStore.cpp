// The ".rsy" reader, the case store's operations and the remedy catalogue.
#include "TestConfig.h"
#include "casedata/CaseStore.h"
#include "casedata/RemedyCatalogue.h"
#include "fixtures/CaseWriters.h"
#include "support/AllocationCounter.h"
#include "support/TempFolder.h"
#include "symptoms/SymptomsFixture.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <tuple>

using namespace quillon;
using namespace quillon::fixtures;
using quillon::testing::MakeSymptom;
using quillon::testing::TempFolder;

namespace {

struct Fixture
{
    TempFolder temp;
    CPracticeFolder folder{temp.Path()};
    RecordingMessageSink sink;
    CCaseStore store{folder, sink};

    explicit Fixture(std::string_view rsy, const std::string& file = "101.rsy")
    {
        temp.Write(file, rsy);
        store.m_strPatientFile = file.substr(0, file.find('.'));
    }

    bool Load(int visit = 0) { return store.LoadVisitIndex() && store.LoadVisitSymptoms(visit); }
};

VisitSpec ThreeKinds()
{
    VisitSpec v{5, 11, 2002, {}};
    v.symptoms = {MakeSymptom("MIND - ANXIETY", 'M', {{238, 3}, {0, 1}}), MakeSymptom("GENERALITIES - COLD", 'G'),
        MakeSymptom("HEAD - PAIN", 'F', {{4, 2}})};
    return v;
}

// A file of one visit (1/1/2004) whose block header gives `length` bytes of records.
std::string OneBlock(const std::string& records, std::size_t length)
{
    std::string file = "RSYFILE1";
    PutU32(file, static_cast<std::uint32_t>(length));
    PutU16(file, 1);
    PutU16(file, 1);
    PutU16(file, 2004);
    return file + records;
}

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

TEST(RemedyCode, DecodingFollowsTheBase222RuleWithAbsoluteValue)
{
    EXPECT_EQ(DecodeRemedyCode(34, 50), 238);
    EXPECT_EQ(DecodeRemedyCode(33, 34), 0);
    EXPECT_EQ(DecodeRemedyCode(33, 30), 4); // below the offset: the absolute value
    for (int code : {0, 1, 221, 222, 633, 6552, 6553, 20000}) {
        const auto [high, low] = EncodeRemedyCode(code);
        EXPECT_EQ(DecodeRemedyCode(high, low), code) << code;
    }
}

TEST(VisitIndex, FailuresGiveTheirMessages)
{
    struct Case
    {
        const char* name;
        std::string bytes, regNo, message;
        int visits; // an index is kept when an intact visit comes before the fault
    };
    const std::string intact = EncodeRsy({ThreeKinds()});
    const Case cases[] = {
        {"header only", "RSYFILE1", "101", "Symptoms not available", 0},
        {"no such file", intact, "999", "Cannot read recorded symptom File", 0},
        {"cut block header", intact + std::string("\x05\x00\x00", 3), "101", kMsgSymptomFileIncomplete, 1},
        {"zero-length block after a visit", intact + std::string(30, '\0'), "101", kMsgSymptomFileDamaged, 1},
        {"block shorter than its header", OneBlock(std::string(9, 'x'), 9), "101", kMsgSymptomFileDamaged, 0},
    };
    for (const Case& c : cases) {
        Fixture f(c.bytes);
        f.store.m_strPatientFile = c.regNo;
        EXPECT_EQ(f.store.LoadVisitIndex(), c.visits > 0) << c.name;
        EXPECT_EQ(f.sink.Texts(), std::vector<std::string>{c.message}) << c.name;
        EXPECT_EQ(f.store.VisitCount(), c.visits) << c.name;
        EXPECT_EQ(f.store.LoadVisitSymptoms(0), c.visits > 0) << c.name;
    }
}

// The work of indexing follows the visits the file really holds, not its size: counted as visits listed and bytes
// allocated. 10,000 visits are listed; one more and the patient is refused.
TEST(VisitIndex, WorkStaysInProportionToTheRealVisits)
{
    constexpr std::uintmax_t kZeros = 64u << 20;
    // Slack: the reading window and the stream's buffer; the file is read a window at a time.
    constexpr std::size_t kSlack = 512 * 1024, kPerVisit = 128;
    std::string manyVisits = "RSYFILE1";
    for (std::size_t v = 0; v < kMaxVisits; ++v)
        manyVisits += EncodeVisitBlock({1, 1, 2004, {}});
    const std::string oneMore = EncodeVisitBlock({2, 1, 2004, {}});
    struct Case
    {
        const char* name;
        std::string bytes;
        std::uintmax_t zeros; // zero bytes after the bytes
        int visits;
        std::size_t blocksRead;
        std::vector<std::string> messages;
    };
    const Case cases[] = {
        {"zero-filled", "", kZeros, 0, 0, {kMsgSymptomFileDamaged}},
        {"two visits, then zeros", EncodeRsy({ThreeKinds(), ThreeKinds()}), kZeros, 2, 2, {kMsgSymptomFileDamaged}},
        {"10,000 visits", manyVisits, 0, static_cast<int>(kMaxVisits), kMaxVisits, {}},
        {"10,001 visits", manyVisits + oneMore, 0, 0, kMaxVisits, {kMsgTooManyVisits}},
    };
    for (const Case& c : cases) {
        Fixture f(c.bytes);
        if (c.zeros > 0)
            std::filesystem::resize_file(f.temp.Path() / "101.rsy", c.bytes.size() + c.zeros);
        const quillon::testing::AllocationCounter counter;
        EXPECT_EQ(f.store.LoadVisitIndex(), c.visits > 0) << c.name;
        EXPECT_LE(counter.Bytes(), kSlack + kPerVisit * c.blocksRead) << c.name;
        EXPECT_EQ(f.store.VisitCount(), c.visits) << c.name;
        EXPECT_EQ(f.sink.Texts(), c.messages) << c.name;
    }
    // Loading the last visit before the zeros reads that visit, not the rest of the file.
    Fixture f(EncodeRsy({ThreeKinds(), ThreeKinds()}));
    std::filesystem::resize_file(f.temp.Path() / "101.rsy", kZeros);
    ASSERT_TRUE(f.store.LoadVisitIndex());
    const quillon::testing::AllocationCounter counter;
    EXPECT_TRUE(f.store.LoadVisitSymptoms(1));
    EXPECT_EQ(f.store.LiveCount(), 3);
    EXPECT_LE(counter.Bytes(), kSlack + (std::size_t{1} << 18));
}

// A file of 0xFF bytes is refused as the zero-filled one is, from its first block header; a visit of a real date
// whose block runs on in 0xFF bytes reads its records' worth of the file, not the block. Counted as bytes allocated.
// The date words' limits are the neighbours: 1, 31 and 9999 are a date; 0, 32 and 10000 are not.
TEST(VisitIndex, FilesOfOxFFBytesAreReadInProportionToWhatTheyHold)
{
    const std::string kMsgSymptomFileNoDate
        = "The recorded symptom file is damaged: a visit block holds no date a visit can have";
    constexpr std::size_t kFill = 16u << 20, kSlack = 512 * 1024;
    const std::string fear = EncodeSymptomRecord(MakeSymptom("MIND - FEAR", 'M'));
    const auto dated = [](int first, int second, int year) {
        return EncodeRsy({{first, second, year, {MakeSymptom("HEAD - PAIN", 'F')}}});
    };
    struct Case
    {
        const char* name;
        std::string bytes;
        int visits;
        std::vector<std::string> indexMessages, loadMessages;
        int loaded; // symptoms in the store after the load of visit 0
    };
    const Case cases[] = {
        {"0xFF bytes", std::string(kFill, '\xff'), 0, {kMsgSymptomFileNoDate}, {}, 0},
        {"a visit whose block runs on in 0xFF bytes", OneBlock(fear, 0xFFFFFFFFu) + std::string(kFill, '\xff'), 1, {},
            {kMsgErrorInSymptom}, 1},
        {"date words at their limits", dated(31, 31, 9999), 1, {}, {}, 1},
        {"date words at their lower limits", dated(1, 1, 1), 1, {}, {}, 1},
        {"day 32", dated(32, 1, 2004), 0, {kMsgSymptomFileNoDate}, {}, 0},
        {"day 0", dated(0, 1, 2004), 0, {kMsgSymptomFileNoDate}, {}, 0},
        {"month 0", dated(1, 0, 2004), 0, {kMsgSymptomFileNoDate}, {}, 0},
        {"month 32", dated(1, 32, 2004), 0, {kMsgSymptomFileNoDate}, {}, 0},
        {"year 0", dated(1, 1, 0), 0, {kMsgSymptomFileNoDate}, {}, 0},
        {"year 10000", dated(1, 1, 10000), 0, {kMsgSymptomFileNoDate}, {}, 0},
    };
    for (const Case& c : cases) {
        Fixture f(c.bytes);
        const quillon::testing::AllocationCounter indexing;
        EXPECT_EQ(f.store.LoadVisitIndex(), c.visits > 0) << c.name;
        EXPECT_LE(indexing.Bytes(), kSlack) << c.name;
        EXPECT_EQ(f.store.VisitCount(), c.visits) << c.name;
        EXPECT_EQ(f.sink.Texts(), c.indexMessages) << c.name;
        f.sink.Clear();
        const quillon::testing::AllocationCounter loading;
        f.store.LoadVisitSymptoms(0);
        EXPECT_LE(loading.Bytes(), kSlack) << c.name;
        EXPECT_EQ(f.sink.Texts(), c.loadMessages) << c.name;
        EXPECT_EQ(f.store.LiveCount(), c.loaded) << c.name;
    }
}

TEST(VisitIndex, RegistrationNumbersThatLeaveTheFolderAreRefused)
{
    Fixture f(EncodeRsy({ThreeKinds()}));
    std::filesystem::create_directories(f.temp.Path() / "sub");
    f.temp.Write("sub/7.rsy", EncodeRsy({ThreeKinds()}));
    f.temp.Write(".rsy", EncodeRsy({ThreeKinds()})); // what an empty number would name
    for (const char* regNo : {"sub/7", "../101", "/tmp/101", "sub\\7", "..", ""}) {
        f.sink.Clear();
        f.store.m_strPatientFile = regNo;
        EXPECT_FALSE(f.store.LoadVisitIndex()) << regNo;
        EXPECT_EQ(f.sink.Texts(), std::vector<std::string>{"Cannot read recorded symptom File"}) << regNo;
    }
}

TEST(VisitSymptoms, LoadsRecordsTextsCountsAndKindIndexes)
{
    Fixture f(EncodeRsy({ThreeKinds()}));
    ASSERT_TRUE(f.Load());
    EXPECT_EQ(
        f.store.m_mapSymptomText, (std::vector<std::string>{"MIND - ANXIETY", "GENERALITIES - COLD", "HEAD - PAIN"}));
    EXPECT_EQ(f.store.m_mapRemedyCountText, (std::vector<std::string>{"2", "1", "1"}));
    EXPECT_EQ(f.store.m_mapMindSymptoms, std::vector<CSymptomRecord*>{f.store.m_mapSymptoms[0].get()});
    const CSymptomRecord& first = *f.store.m_mapSymptoms[0];
    EXPECT_EQ((std::array{f.store.m_nSymptomCount, f.store.GeneralCount(), f.store.RestCount(), first.m_nRemedyCount,
                  first.Grade(0), first.RemedyCode(0), first.RemedyCode(1)}),
        (std::array{3, 1, 1, 2, 3, 238, 0}));
}

TEST(VisitSymptoms, RecordErrorsStopTheLoadKeepingEarlierRecords)
{
    struct Case
    {
        const char* name;
        std::string badRecord;
        std::vector<std::string> messages;
    };
    const std::string emptyText = EncodeSymptomRecord(MakeSymptom("", 'F')); // L = 14 + 3N
    std::string zeroCount = EncodeSymptomRecord(MakeSymptom("abc", 'F', {}));
    std::string zeroLength(16, '\0');
    const std::vector<Case> cases = {
        {"empty text", emptyText, {"Error in Symptom"}},
        {"remedy count 0", zeroCount, {"Error in Remedy Count"}},
        {"record length 0", zeroLength, {}},
    };
    for (const Case& c : cases) {
        std::string records = EncodeSymptomRecord(MakeSymptom("MIND - FEAR", 'M')) + c.badRecord
            + EncodeSymptomRecord(MakeSymptom("HEAD", 'F'));
        Fixture f(OneBlock(records, records.size()));
        ASSERT_TRUE(f.store.LoadVisitIndex()) << c.name;
        EXPECT_FALSE(f.store.LoadVisitSymptoms(0)) << c.name;
        EXPECT_EQ(f.sink.Texts(), c.messages) << c.name;
        EXPECT_EQ(f.store.LiveCount(), 1) << c.name;
        EXPECT_EQ(f.store.m_nSymptomCount, 0) << c.name;
    }
}

TEST(VisitSymptoms, OverrunOfTheBlockEndsAfterTheRecordThatReachesIt)
{
    // B is one byte short of two records: the second record passes B and is the last one loaded,
    // although a third record follows in the file.
    const std::string r1 = EncodeSymptomRecord(MakeSymptom("ONE", 'F'));
    const std::string r2 = EncodeSymptomRecord(MakeSymptom("TWO", 'F'));
    const std::string r3 = EncodeSymptomRecord(MakeSymptom("THREE", 'F'));
    Fixture f(OneBlock(r1 + r2 + r3, r1.size() + r2.size() - 1));
    ASSERT_TRUE(f.Load());
    EXPECT_EQ(f.store.m_mapSymptomText, (std::vector<std::string>{"ONE", "TWO"}));
}

TEST(VisitSymptoms, TruncatedFilesFailWithoutInventingData)
{
    const std::string whole = EncodeRsy({ThreeKinds()});
    // Every cut of the file after its visit was indexed: under the 8 header bytes no symptoms, then an incomplete
    // visit.
    for (std::size_t cut = 7; cut < whole.size(); ++cut) {
        Fixture f(whole);
        ASSERT_TRUE(f.store.LoadVisitIndex()) << cut;
        f.temp.Write("101.rsy", whole.substr(0, cut));
        EXPECT_FALSE(f.store.LoadVisitSymptoms(0)) << cut;
        const char* message = cut < 8 ? kMsgSymptomsNotAvailable : kMsgSymptomFileIncomplete;
        EXPECT_EQ(f.sink.Texts(), std::vector<std::string>{message}) << cut;
        EXPECT_EQ(f.store.m_nSymptomCount, 0);
        for (const auto& record : f.store.m_mapSymptoms)
            EXPECT_NE(record->m_pszText, "") << cut;
    }
}

// Every block is listed with its date, in the file's order; the smallest block a visit can have (its header's size)
// holds only the end marker and loads nothing.
TEST(VisitSymptoms, AVisitOfOnlyTheEndMarkerLoadsNothing)
{
    VisitSpec empty{1, 2, 2005, {}};
    Fixture f(EncodeRsy({empty, ThreeKinds()}));
    ASSERT_TRUE(f.store.LoadVisitIndex());
    EXPECT_EQ(f.store.m_arrVisitDates, (std::vector<std::string>{"01/02/2005", "05/11/2002"}));
    EXPECT_FALSE(f.store.LoadVisitSymptoms(0));
    EXPECT_TRUE(f.sink.Messages().empty());
    EXPECT_EQ(f.store.LiveCount(), 0);
    EXPECT_TRUE(f.store.LoadVisitSymptoms(1));
    EXPECT_EQ(f.store.LiveCount(), 3);
    EXPECT_FALSE(f.store.LoadVisitSymptoms(2));
    EXPECT_FALSE(f.store.LoadVisitSymptoms(-1));
}

TEST(VisitSymptoms, BrokenFilesOfTheTestData)
{
    // Each indexes, then fails to load its visit with a message.
    for (const char* name : {"BrokenTruncatedRecord.rsy", "BrokenHugeBlock.rsy", "BrokenHugeRemedyCount.rsy"}) {
        Fixture f(quillon::testing::ReadBytes(std::string(QUILLON_TEST_DATA) + "/" + name));
        ASSERT_TRUE(f.store.LoadVisitIndex()) << name;
        EXPECT_FALSE(f.store.LoadVisitSymptoms(0)) << name;
        EXPECT_EQ(f.store.m_nSymptomCount, 0) << name;
        EXPECT_FALSE(f.sink.Messages().empty()) << name;
    }
}

TEST(CaseStoreEdits, KindXEntersTheRestIndexOnlyAfterARebuild)
{
    VisitSpec v{1, 1, 2000, {MakeSymptom("ODD", 'X'), MakeSymptom("MIND", 'M')}};
    Fixture f(EncodeRsy({v}));
    ASSERT_TRUE(f.Load());
    EXPECT_EQ(f.store.RestCount(), 0);
    f.store.DeleteSymptom(1);
    f.store.RebuildKindIndexes();
    EXPECT_EQ(f.store.RestCount(), 1);
    EXPECT_EQ(f.store.MindCount(), 0);
}

// The deleted lists kept parallel are checked through the Undelete dialog's model (TestRecordedSymptoms).
TEST(CaseStoreEdits, DeleteMovesToTheDeletedListsAndClosesTheGap)
{
    Fixture f(EncodeRsy({ThreeKinds()}));
    ASSERT_TRUE(f.Load());
    CSymptomRecord* general = f.store.m_mapSymptoms[1].get();
    f.store.DeleteSymptom(1);
    EXPECT_EQ(f.store.m_mapSymptomText, (std::vector<std::string>{"MIND - ANXIETY", "HEAD - PAIN"}));
    EXPECT_EQ(f.store.m_mapDeletedSymptoms.at(0).get(), general);

    f.store.DeleteSymptom(0);
    f.store.DeleteSymptom(0);
    EXPECT_TRUE(f.store.m_mapRemedyCountText.empty());
    EXPECT_EQ(f.store.m_nSymptomCount, 3); // deleting does not change the loaded count
    f.store.DeleteSymptom(0); // nothing left: ignored
    f.store.RestoreDeletedSymptom(3); // past the deleted list: ignored
    EXPECT_EQ(f.store.DeletedCount(), 3);
}

TEST(CaseStoreEdits, DeleteRemovesTheFirstClipboardEntryOfTheSameTextIgnoringCase)
{
    VisitSpec v{
        1, 1, 2000, {MakeSymptom("Head - Pain", 'F'), MakeSymptom("HEAD - PAIN", 'F'), MakeSymptom("Other", 'F')}};
    Fixture f(EncodeRsy({v}));
    ASSERT_TRUE(f.Load());
    auto* a = f.store.m_mapSymptoms[0].get();
    auto* b = f.store.m_mapSymptoms[1].get();
    auto* c = f.store.m_mapSymptoms[2].get();
    f.store.m_arrClipboards[1] = {c, b, a};
    f.store.m_arrClipboards[0] = {c};
    f.store.DeleteSymptom(0); // "Head - Pain" matches b first on clipboard 2
    EXPECT_EQ(f.store.m_arrClipboards[1], (std::vector<CSymptomRecord*>{c, a}));
    EXPECT_EQ(f.store.m_arrClipboards[0], std::vector<CSymptomRecord*>{c});
}

TEST(CaseStoreEdits, ReloadEmptiesEveryBorrowerAndTellsTheListeners)
{
    Fixture f(EncodeRsy({ThreeKinds()}));
    ASSERT_TRUE(f.Load());
    f.store.DeleteSymptom(2);
    f.store.m_arrClipboards[0] = {f.store.m_mapSymptoms[0].get()};
    f.store.m_arrClipboards[2] = {f.store.m_mapSymptoms[1].get()};
    f.store.m_mapRepSymptoms = {f.store.m_mapSymptoms[0].get()};
    int cleared = 0;
    const int id = f.store.AddClearListener([&] { ++cleared; });
    ASSERT_TRUE(f.store.LoadVisitSymptoms(0));
    EXPECT_EQ(cleared, 1);
    EXPECT_TRUE(f.store.m_arrClipboards[0].empty());
    EXPECT_TRUE(f.store.m_arrClipboards[2].empty());
    EXPECT_TRUE(f.store.m_mapRepSymptoms.empty());
    EXPECT_EQ(f.store.LiveCount(), 3); // deleted symptoms come back
    EXPECT_EQ(f.store.DeletedCount(), 0);
    f.store.RemoveClearListener(id);
    f.store.ClearCaseStore();
    EXPECT_EQ(cleared, 1);
    EXPECT_EQ(f.store.m_nSymptomCount, 0);
    EXPECT_EQ(f.store.VisitCount(), 1); // the visit index stays
}

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
