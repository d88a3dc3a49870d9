// The case book's store, its migration from version 1, fingerprints, replay and the JSON import's merging.
#include "CaseBookFixture.h"
#include "casebook/AnalysisReplay.h"
#include "casebook/CaseBook.h"
#include "casebook/CaseBookChecks.h"
#include "casebook/CaseBookJson.h"
#include "casebook/CaseBookVisit.h"
#include "casedata/ByteReader.h"
#include "support/AllocationCounter.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <map>
#include <tuple>

using namespace quillon;
using quillon::testing::Analysis;
using quillon::testing::Clock;
using quillon::testing::kAnna;

namespace {

// Anna's neighbour: the same registration number in another practice must never show among her analyses.
const PatientIdentity kOtherPractice{{"/practice2", "Helen Marsh"}, "1001", "Anna Berger"};

} // namespace

TEST(CaseBook, SavesListsUpdatesAndKeepsPrescriptionsOfDeletedAnalyses)
{
    RecordingMessageSink sink;
    Clock clock;
    auto book = CCaseBook::Open(":memory:", sink, clock.Options());
    ASSERT_TRUE(book);
    const auto first = book->SaveAnalysis(kAnna, Analysis("First", {"mind", "drop:0:1"}));
    const auto other = book->SaveAnalysis(kOtherPractice, Analysis("First", {"rest"}));
    const auto second = book->SaveAnalysis(kAnna, Analysis("Second", {}, {"19/03/2002", "00000000000000aa"}));
    ASSERT_TRUE(first && second && other);
    // Saving again under the same visit and name updates it; with its id, it may be renamed.
    EXPECT_EQ(book->SaveAnalysis(kAnna, Analysis("First", {"general"})), first);
    AnalysisRecord renamed = Analysis("First, revised", {"general", "sorted"});
    renamed.id = *first;
    renamed.topRemedies = {"Acon", "Sulph", "Nux-v"};
    EXPECT_EQ(book->SaveAnalysis(kAnna, renamed), first);
    const auto prescription
        = book->RecordPrescription({0, *second, 4, "Aconitum napellus", "30C", "TDS", "", "n", "", ""});
    ASSERT_TRUE(prescription);

    const auto list = book->ListAnalyses(kAnna.practice, "1001");
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(std::tie(list[0].analysis.name, list[0].stepCount, list[0].analysis.created, list[0].analysis.changed),
        std::tuple("First, revised", 2, "2026-01-01T00:00:00Z", "2026-01-01T00:00:04Z"));
    EXPECT_EQ(list[0].analysis.topRemedies, (std::vector<std::string>{"Acon", "Sulph", "Nux-v"}));
    EXPECT_FALSE(list[0].prescription);
    ASSERT_TRUE(list[1].prescription);
    EXPECT_EQ(PrescriptionText(*list[1].prescription), "Aconitum napellus 30C TDS");
    EXPECT_EQ(book->LoadAnalysis(*first)->steps, (std::vector<std::string>{"general", "sorted"}));

    // A rename onto another analysis's name of the same visit is refused with a message; nothing changes.
    ASSERT_TRUE(book->SaveAnalysis(kAnna, Analysis("Third", {})));
    EXPECT_FALSE(book->RenameAnalysis(*first, "Third"));
    EXPECT_EQ(book->LoadAnalysis(*first)->name, "First, revised");
    EXPECT_EQ(sink.Messages().size(), 1u);

    EXPECT_TRUE(book->DeleteAnalysis(*second));
    EXPECT_FALSE(book->LoadAnalysis(*second));
    const auto kept = book->ListPrescriptions(kAnna.practice, "1001");
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(kept[0].analysisId, 0);
    EXPECT_EQ(book->ListAnalyses(kOtherPractice.practice, "1001").size(), 1u);
}

// A long list is read a page at a time: each page starts after the last row of the one before, in the order of the
// created times and, among equal times, of the ids; the other practice's analysis of the same number never shows.
TEST(CaseBook, ListsAPatientsAnalysesAPageAtATime)
{
    RecordingMessageSink sink;
    CaseBookOptions sameSecond;
    int tick = 0;
    // Times 0, 1, 1, 1, 2: three analyses saved in the same second.
    sameSecond.now = [&tick] {
        const int n = tick++;
        return "2026-01-01T00:00:0" + std::to_string(n == 0 ? 0 : n < 4 ? 1 : 2) + "Z";
    };
    auto book = CCaseBook::Open(":memory:", sink, sameSecond);
    ASSERT_TRUE(book);
    for (const char* name : {"a", "b", "c", "d", "e"}) {
        ASSERT_TRUE(book->SaveAnalysis(kAnna, Analysis(name, {})));
        if (*name == 'c') {
            ASSERT_TRUE(book->SaveAnalysis(kOtherPractice, Analysis("other", {})));
        }
    }
    const auto names = [](const std::vector<AnalysisListing>& rows) {
        std::string text;
        for (const AnalysisListing& row : rows)
            text += row.analysis.name;
        return text;
    };
    const auto all = book->ListAnalyses(kAnna.practice, "1001");
    ASSERT_EQ(names(all), "abcde");
    const auto key = [&](std::size_t at) { return ListingKey{all[at].analysis.created, all[at].analysis.id}; };
    const std::tuple<std::size_t, std::optional<ListingKey>, std::string> pages[] = {
        {2, std::nullopt, "ab"},
        {2, key(1), "cd"}, // after b, of the same second as c and d
        {2, key(3), "e"},
        {2, key(4), ""},
        {0, key(0), "bcde"},
    };
    for (const auto& [limit, after, expected] : pages)
        EXPECT_EQ(names(book->ListAnalyses(kAnna.practice, "1001", limit, after)), expected) << expected;
    EXPECT_TRUE(sink.Messages().empty());
}

// The listing does not read the notes: a page of analyses with notes as long as the book keeps takes no more memory
// than one without, counted as bytes allocated; the note of one analysis is read when asked for.
TEST(CaseBook, TheListingLeavesTheNotesUnread)
{
    RecordingMessageSink sink;
    auto book = CCaseBook::Open(":memory:", sink);
    ASSERT_TRUE(book);
    const std::string longNote(kMaxCaseBookNote, 'n');
    std::int64_t withNote = 0;
    for (int n = 0; n < 8; ++n) {
        AnalysisRecord a = Analysis("Analysis " + std::to_string(n), {"mind"});
        // Every note but the fifth's is one shorter, so that the one read back is told from its neighbours.
        a.notes = n == 5 ? longNote : std::string(kMaxCaseBookNote - 1, 'm');
        const auto id = book->SaveAnalysis(kAnna, a);
        ASSERT_TRUE(id);
        if (n == 5)
            withNote = *id;
    }
    const quillon::testing::AllocationCounter counter;
    const auto list = book->ListAnalyses(kAnna.practice, "1001");
    EXPECT_LT(counter.Bytes(), std::size_t{64} << 10);
    ASSERT_EQ(list.size(), 8u);
    EXPECT_EQ(list[5].analysis.name, "Analysis 5");
    EXPECT_EQ(list[5].analysis.notes, "");
    EXPECT_EQ(book->AnalysisNotes(withNote), longNote);
    EXPECT_EQ(book->AnalysisNotes(list[4].analysis.id), std::string(kMaxCaseBookNote - 1, 'm'));
    EXPECT_FALSE(book->AnalysisNotes(withNote + 100));
}

// Prescriptions are kept in time order (their date, then the time they were recorded), whatever order they were
// entered in; the listing shows an analysis's latest by that order. A date that is not one of the calendar is
// refused; 29 February is one in a leap year only (every fourth year, but of the centuries only every fourth).
TEST(CaseBook, PrescriptionsInTimeOrderAndOnlyOnRealDates)
{
    RecordingMessageSink sink;
    Clock clock;
    auto book = CCaseBook::Open(":memory:", sink, clock.Options());
    ASSERT_TRUE(book);
    const auto analysis = book->SaveAnalysis(kAnna, Analysis("First", {}));
    ASSERT_TRUE(analysis);
    const auto prescribe = [&](const char* potency, const char* date) {
        return book->RecordPrescription({0, *analysis, 4, "Aconitum napellus", potency, "", date, "", "", ""});
    };
    ASSERT_TRUE(prescribe("200C", "2026-03-10"));
    ASSERT_TRUE(prescribe("30C", "2026-02-01"));
    ASSERT_TRUE(prescribe("1M", "2026-03-10")); // the same day, recorded later
    ASSERT_TRUE(prescribe("LM1", "2024-02-29"));
    ASSERT_TRUE(prescribe("LM2", "2000-02-29"));
    std::string order;
    for (const PrescriptionRecord& p : book->ListPrescriptions(kAnna.practice, "1001"))
        order += p.potency + ' ';
    EXPECT_EQ(order, "LM2 LM1 30C 200C 1M ");
    EXPECT_EQ(PrescriptionText(*book->ListAnalyses(kAnna.practice, "1001")[0].prescription), "Aconitum napellus 1M");
    EXPECT_TRUE(sink.Messages().empty());

    for (const char* date : {"2026-4-01", "2026-02-29", "1900-02-29", "2026-13-01", "2026-04-31"}) {
        sink.Clear();
        EXPECT_FALSE(prescribe("6C", date)) << date;
        EXPECT_EQ(sink.Messages().size(), 1u) << date;
    }
    EXPECT_EQ(book->ListPrescriptions(kAnna.practice, "1001").size(), 5u);
}

TEST(CaseBook, UpgradesAVersion1File)
{
    quillon::testing::TempFolder folder;
    const auto path = folder.Path() / "casebook.sqlite";
    quillon::testing::WriteEarlierBook(path, 1,
        "INSERT INTO practices VALUES(1, '/practice', 'Helen Marsh');"
        "INSERT INTO patients VALUES(1, 1, '1001', 'Anna Berger');"
        "INSERT INTO analyses VALUES(7, 1, '12/03/2002', 'ff', 'Old', 'note', 't0', 't1', "
        "'mind\ndrop:0:1\n\nsorted\n');"
        "INSERT INTO analyses VALUES(8, 1, '12/03/2002', 'ff', 'Empty', '', 't0', 't1', '');");
    RecordingMessageSink sink;
    auto book = CCaseBook::Open(path, sink);
    ASSERT_TRUE(book);
    EXPECT_TRUE(sink.Messages().empty());
    const auto old = book->LoadAnalysis(7);
    ASSERT_TRUE(old);
    EXPECT_EQ(old->steps, (std::vector<std::string>{"mind", "drop:0:1", "sorted"}));
    EXPECT_EQ(old->notes, "note");
    EXPECT_TRUE(book->LoadAnalysis(8)->steps.empty());
    const auto list = book->ListAnalyses(kAnna.practice, "1001");
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(std::pair(list[0].stepCount, list[1].stepCount), std::pair(3, 0));
}

TEST(CaseBook, FingerprintTellsEveryFieldAndTheOrder)
{
    const CSymptomRecord base{10, 2, 1, {'3', 40, 50, 0}, "MIND - fear", 1, 'M', 26, -1};
    const auto changed = [&base](auto edit) {
        CSymptomRecord r = base;
        edit(r);
        return r;
    };
    const CSymptomRecord variants[] = {
        changed([](CSymptomRecord& r) { r.m_pRemedies[0] = '2'; }), // a grade
        changed([](CSymptomRecord& r) { r.m_pszText += ' '; }), // the text
        changed([](CSymptomRecord& r) { r.m_nKind = 'G'; }),
        changed([](CSymptomRecord& r) { r.m_nType = 2; }),
        changed([](CSymptomRecord& r) { r.m_nLevel = 3; }),
    };
    const CSymptomRecord* one[] = {&base};
    const std::string print = SymptomFingerprint(one);
    EXPECT_EQ(print.size(), 16u);
    // What the fingerprint leaves out: the record length and the kept tail words.
    const CSymptomRecord sameFields = changed([](CSymptomRecord& r) { r.m_nLength = 99, r.m_nTailWord2 = 5; });
    const CSymptomRecord* same[] = {&sameFields};
    EXPECT_EQ(SymptomFingerprint(same), print);
    for (const CSymptomRecord& v : variants) {
        const CSymptomRecord* list[] = {&v};
        EXPECT_NE(SymptomFingerprint(list), print) << v.m_pszText;
    }
    const CSymptomRecord* ab[] = {&base, &variants[0]};
    const CSymptomRecord* ba[] = {&variants[0], &base};
    EXPECT_NE(SymptomFingerprint(ab), SymptomFingerprint(ba));
    // A text split differently between two records is another list.
    CSymptomRecord left = base, right = base;
    left.m_pszText = "ab", right.m_pszText = "c";
    CSymptomRecord left2 = base, right2 = base;
    left2.m_pszText = "a", right2.m_pszText = "bc";
    const CSymptomRecord* split1[] = {&left, &right};
    const CSymptomRecord* split2[] = {&left2, &right2};
    EXPECT_NE(SymptomFingerprint(split1), SymptomFingerprint(split2));
}

TEST(CaseBook, ReplayStopsAtTheFirstStepThatNoLongerApplies)
{
    struct Case
    {
        std::vector<std::string> steps;
        int replayed;
        std::string message;
    };
    const Case cases[] = {
        {{"mind", "sorted"}, 2, ""},
        {{"mind", "drop:9:1", "sorted"}, 1,
            "Step 2 of the analysis (drop:9:1) no longer applies: no active symptom 9. The chart shows the analysis up "
            "to the step before it."},
        {{"fly:3", "mind"}, 0, "Step 1 of the analysis (fly:3) no longer applies: unknown action"},
    };
    for (const Case& c : cases) {
        RecordingMessageSink sink;
        std::vector<ChartVerb> ran;
        const int replayed = ReplaySteps(
            c.steps,
            [&ran](const ChartCommand& command) {
                if (command.verb == ChartVerb::Drop && command.symptom > 2)
                    throw UsageError{"no active symptom " + std::to_string(command.symptom)};
                ran.push_back(command.verb);
            },
            sink);
        EXPECT_EQ(replayed, c.replayed);
        EXPECT_EQ(ran.size(), static_cast<std::size_t>(c.replayed));
        if (c.message.empty())
            EXPECT_TRUE(sink.Messages().empty());
        else
            EXPECT_EQ(sink.Texts().at(0).substr(0, c.message.size()), c.message);
    }
}

TEST(CaseBook, ImportMergesKeepingTheNewerAndRefusesWhatIsNoExport)
{
    RecordingMessageSink sink;
    Clock clock;
    auto source = CCaseBook::Open(":memory:", sink, clock.Options());
    auto target = CCaseBook::Open(":memory:", sink, clock.Options());
    ASSERT_TRUE(source && target);
    // In the target: "Kept" saved after the source's, "Replaced" before it; "Added" only in the source.
    ASSERT_TRUE(target->SaveAnalysis(kAnna, Analysis("Replaced", {"mind"})));
    const auto sourceKept = source->SaveAnalysis(kAnna, Analysis("Kept", {"rest"}));
    ASSERT_TRUE(source->SaveAnalysis(kAnna, Analysis("Replaced", {"general", "sorted"})));
    ASSERT_TRUE(source->SaveAnalysis(kAnna, Analysis("Added", {"normal"})));
    ASSERT_TRUE(target->SaveAnalysis(kAnna, Analysis("Kept", {"weightage:0=2"})));
    ASSERT_TRUE(source->RecordPrescription({0, *sourceKept, 4, "Aconitum napellus", "200", "", "", "", "", ""}));

    const std::string json = ExportCaseBookJson(*source);
    const auto bytes = AsBytes(json);
    const auto first = ImportCaseBookJson(*target, {bytes.begin(), bytes.end()});
    ASSERT_TRUE(first);
    EXPECT_EQ(std::tie(first->added, first->replaced, first->kept, first->prescriptions), std::tuple(1, 1, 1, 1));
    EXPECT_EQ(ImportSummaryMessage(*first),
        "Case book imported: 1 analysis added, 1 replaced by the newer imported one (\"Replaced\"), 1 kept because "
        "this case book's own was as new or newer (\"Kept\"), 1 prescription added.");
    const auto second = ImportCaseBookJson(*target, {bytes.begin(), bytes.end()});
    EXPECT_EQ(std::tie(second->added, second->replaced, second->kept, second->prescriptions), std::tuple(0, 0, 3, 0));
    std::map<std::string, std::vector<std::string>> steps;
    for (const AnalysisListing& row : target->ListAnalyses(kAnna.practice, "1001"))
        steps[row.analysis.name] = target->LoadAnalysis(row.analysis.id)->steps;
    EXPECT_EQ(steps,
        (std::map<std::string, std::vector<std::string>>{
            {"Added", {"normal"}}, {"Kept", {"weightage:0=2"}}, {"Replaced", {"general", "sorted"}}}));

    // Documents that are not an export, or one broken deep inside, change nothing.
    std::string deep = json;
    deep.replace(deep.find("\"steps\":["), 9, "\"steps\":[3,");
    const std::pair<std::string, std::string> refused[] = {
        {"", "it is not a JSON document"},
        {"{\"format\":\"other\"}", "it is not a Quillon case book export"},
        {"{\"format\":\"quillon-casebook\",\"version\":3,\"practices\":[]}", "it was written by a newer version"},
        {"{\"format\":\"quillon-casebook\",\"version\":1}", "\"practices\" is missing"},
        {deep, "an entry of \"steps\" is not a text"},
    };
    const std::string before = ExportCaseBookJson(*target);
    for (const auto& [doc, reason] : refused) {
        sink.Clear();
        EXPECT_FALSE(ImportCaseBookJson(*target, AsBytes(doc))) << doc.substr(0, 40);
        EXPECT_EQ(sink.Texts().at(0).substr(0, 29 + reason.size()), "The file cannot be imported: " + reason)
            << doc.substr(0, 40);
    }
    EXPECT_EQ(ExportCaseBookJson(*target), before);
}
