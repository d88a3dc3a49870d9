// What the case book holds, as it travels with the practice: a practice found under another folder, the bounds and
// checks of every field, the version 3 upgrade and the export written record by record.
#include "CaseBookFixture.h"
#include "casebook/CaseBook.h"
#include "casebook/CaseBookJson.h"
#include "casebook/CaseBookVisit.h"
#include "casedata/ByteReader.h"
#include "casedata/CaseStore.h"
#include "casedata/PracticeFolder.h"
#include "fixtures/CaseWriters.h"
#include "support/TempFolder.h"

#include <SQLiteCpp/SQLiteCpp.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <functional>
#include <set>

using namespace quillon;
using namespace quillon::fixtures;
using namespace quillon::testing;
using Json = nlohmann::json;

namespace {

const std::string kPhysician = "Helen Marsh";

VisitSpec Visit(const std::string& text)
{
    return {12, 3, 2002, {{text, 'M', 1, 2, {{4, 3}, {7, 1}}}, {"GENERALS - cold", 'G', 1, 1, {{4, 2}}}}};
}

// A practice folder of patient 1001 with one visit (12/03/2002), written under `root`.
std::filesystem::path WritePractice(const std::filesystem::path& root, const std::string& physician,
    const std::string& regNo = "1001", const std::string& symptom = "MIND - fear")
{
    std::filesystem::create_directories(root);
    WriteBytes(root / "PatDet.txt", EncodePatientIndex(physician, {{regNo, "Anna Berger", "34", "12/03/2002"}}));
    WriteBytes(root / (regNo + ".rsy"), EncodeRsy({Visit(symptom)}));
    return root;
}

// The visit of the folder's patient as the case book identifies it.
VisitIdentity VisitOf(const std::filesystem::path& root, const std::string& regNo = "1001")
{
    NullMessageSink quiet;
    const CPracticeFolder folder(root);
    CCaseStore store(folder, quiet);
    store.m_strPatientFile = regNo;
    EXPECT_TRUE(store.LoadVisitIndex() && store.LoadVisitSymptoms(0));
    std::vector<const CSymptomRecord*> records;
    for (const auto& r : store.m_mapSymptoms)
        records.push_back(r.get());
    return {"12/03/2002", SymptomFingerprint(records)};
}

PracticeIdentity Here(const std::filesystem::path& root, const std::string& physician = kPhysician)
{
    return {root.string(), physician};
}

PatientIdentity AnnaIn(const std::filesystem::path& root)
{
    return {Here(root), "1001", "Anna Berger"};
}

std::vector<std::string> AnalysisNames(CCaseBook& book, const PracticeIdentity& practice)
{
    std::vector<std::string> names;
    for (const AnalysisListing& row : book.ListAnalyses(practice, "1001"))
        names.push_back(row.analysis.name);
    return names;
}

std::optional<ImportSummary> Import(CCaseBook& book, const std::string& json)
{
    return ImportCaseBookJson(book, AsBytes(json));
}

// Anna's analysis "Acute" with these prescriptions, recorded in this order at one time, as the book exports it.
Json ExportedWith(std::vector<PrescriptionRecord> prescriptions)
{
    RecordingMessageSink sink;
    auto source = CCaseBook::Open(":memory:", sink, FixedClock("2026-01-01T09:00:00Z"));
    const auto id = source->SaveAnalysis(kAnna, Analysis("Acute"));
    EXPECT_TRUE(id);
    for (PrescriptionRecord& p : prescriptions) {
        p.analysisId = id.value_or(0);
        EXPECT_TRUE(source->RecordPrescription(p)) << p.potency;
    }
    return Json::parse(ExportCaseBookJson(*source));
}

} // namespace

TEST(CaseBookPractice, FoundUnderAnotherFolderByPhysicianAndVisitsOnly)
{
    quillon::testing::TempFolder scratch;
    const auto original = WritePractice(scratch.Path() / "practice", kPhysician);
    const VisitIdentity visit = VisitOf(original);
    struct Case
    {
        const char* what;
        std::function<void(const std::filesystem::path&)> write;
        std::string physician;
        bool found;
    };
    const Case cases[] = {
        {"a copy", [](const auto& root) { WritePractice(root, kPhysician); }, kPhysician, true},
        {"another physician", [](const auto& root) { WritePractice(root, "Ivo Brandt"); }, "Ivo Brandt", false},
        {"the patient's visit holds other symptoms",
            [](const auto& root) { WritePractice(root, kPhysician, "1001", "MIND - fear of dark"); }, kPhysician,
            false},
        {"the visit under another registration number",
            [](const auto& root) { WritePractice(root, kPhysician, "1002"); }, kPhysician, false},
    };
    for (const Case& c : cases) {
        RecordingMessageSink sink;
        auto book = CCaseBook::Open(":memory:", sink);
        ASSERT_TRUE(book->SaveAnalysis(AnnaIn(original), Analysis("Saved there", {"mind"}, visit)));
        const auto elsewhere = scratch.Path() / (std::string("elsewhere ") + c.what);
        c.write(elsewhere);
        const PracticeIdentity here = Here(elsewhere, c.physician);
        int asked = 0;
        const PracticeFound found
            = FindPracticeOfFolder(*book, CPracticeFolder(elsewhere), here, [&asked](const auto&) {
                  ++asked;
                  return std::optional<std::size_t>(0);
              });
        EXPECT_EQ(found, c.found ? PracticeFound::Known : PracticeFound::NotFound) << c.what;
        EXPECT_EQ(asked, 0) << c.what;
        EXPECT_EQ(
            AnalysisNames(*book, here), c.found ? std::vector<std::string>{"Saved there"} : std::vector<std::string>{})
            << c.what;
        if (c.found) {
            // What is saved in the found folder joins the same practice, where it was first saved.
            ASSERT_TRUE(book->SaveAnalysis(
                PatientIdentity{here, "1001", "Anna Berger"}, Analysis("Saved here", {"mind"}, visit)));
            EXPECT_EQ(AnalysisNames(*book, Here(original)), (std::vector<std::string>{"Saved there", "Saved here"}));
        }
    }
}

// The visits a practice is looked for by are its most recently changed ones: with room for one, the visit whose
// analysis was renamed last, though it was analysed first and its date sorts after the other's.
TEST(CaseBookPractice, CandidatesOfferTheirLatestChangedVisitsFirst)
{
    RecordingMessageSink sink;
    std::string now = "2026-01-01T09:00:00Z";
    CaseBookOptions options;
    options.now = [&now] { return now; };
    auto book = CCaseBook::Open(":memory:", sink, options);
    const PatientIdentity annaOld{{"/old", kPhysician}, "1001", "Anna Berger"};
    const VisitIdentity renamed{"15/03/2002", "00000000000000bb"}, other{"12/03/2002", "00000000000000aa"};
    const auto first = book->SaveAnalysis(annaOld, Analysis("First", {"mind"}, renamed));
    ASSERT_TRUE(first);
    now = "2026-01-02T09:00:00Z";
    ASSERT_TRUE(book->SaveAnalysis(annaOld, Analysis("Second", {"mind"}, other)));
    now = "2026-01-03T09:00:00Z";
    ASSERT_TRUE(book->RenameAnalysis(*first, "First, renamed"));

    const auto candidates = book->PracticesLike({"/new", kPhysician}, 1);
    ASSERT_EQ(candidates.size(), 1u);
    ASSERT_EQ(candidates[0].visits.size(), 1u);
    const auto& [regNo, visit] = candidates[0].visits[0];
    EXPECT_EQ(regNo + ' ' + visit.date + ' ' + visit.fingerprint, "1001 15/03/2002 00000000000000bb");
}

TEST(CaseBookPractice, TwoCandidatesAskOnceAndTheAnswerIsKept)
{
    quillon::testing::TempFolder scratch;
    const auto first = WritePractice(scratch.Path() / "first", kPhysician);
    const auto second = WritePractice(scratch.Path() / "second", kPhysician);
    const VisitIdentity visit = VisitOf(first);
    RecordingMessageSink sink;
    auto book = CCaseBook::Open(":memory:", sink);
    ASSERT_TRUE(book->SaveAnalysis(AnnaIn(first), Analysis("Of the first", {"mind"}, visit)));
    ASSERT_TRUE(book->SaveAnalysis(AnnaIn(second), Analysis("Of the second", {"mind"}, visit)));
    const auto third = WritePractice(scratch.Path() / "third", kPhysician);

    // Without anyone to ask (the command line) nothing is decided or remembered.
    EXPECT_EQ(FindPracticeOfFolder(*book, CPracticeFolder(third), Here(third), {}), PracticeFound::Undecided);
    EXPECT_FALSE(book->KnowsPractice(Here(third)));

    std::vector<std::vector<std::string>> questions;
    const auto answer = [&questions](std::optional<std::size_t> choice) {
        return [&questions, choice](const std::vector<std::string>& folders) {
            questions.push_back(folders);
            return choice;
        };
    };
    for (int round = 0; round < 2; ++round)
        EXPECT_EQ(FindPracticeOfFolder(*book, CPracticeFolder(third), Here(third), answer(1)), PracticeFound::Known);
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0], (std::vector<std::string>{first.string(), second.string()}));
    EXPECT_EQ(AnalysisNames(*book, Here(third)), std::vector<std::string>{"Of the second"});

    // "None of them" is an answer too: the folder becomes a practice of its own, and is not asked again.
    const auto fourth = WritePractice(scratch.Path() / "fourth", kPhysician);
    for (int round = 0; round < 2; ++round)
        EXPECT_EQ(FindPracticeOfFolder(*book, CPracticeFolder(fourth), Here(fourth), answer(std::nullopt)),
            PracticeFound::Known);
    EXPECT_EQ(questions.size(), 2u);
    EXPECT_TRUE(AnalysisNames(*book, Here(fourth)).empty());
}

// Imported prescriptions keep the times they were recorded at, whatever order the file lists them in: of two on
// the same day, the one recorded later is the analysis's latest and comes last, though it was imported first. The
// third, of an earlier day but recorded latest of all, stays first.
TEST(CaseBookImport, PrescriptionsOfOneDayGoByTheTimeTheyWereRecordedNotByTheirOrderInTheFile)
{
    Json doc = ExportedWith({{0, 0, 4, "Aconitum napellus", "30C", "", "2026-03-10", "", "", ""},
        {0, 0, 7, "Sulphur", "200", "", "2026-03-10", "", "", ""},
        {0, 0, 9, "Pulsatilla", "6C", "", "2026-03-09", "", "", ""}});
    Json& prescriptions = doc["practices"][0]["patients"][0]["analyses"][0]["prescriptions"];
    ASSERT_EQ(prescriptions.size(), 3u);
    for (Json& p : prescriptions) {
        const std::string potency = p["potency"];
        p["created"] = potency == "30C" ? "2026-03-10T11:00:00Z"
            : potency == "200"          ? "2026-03-10T10:00:00Z"
                                        : "2026-03-10T12:00:00Z";
    }

    RecordingMessageSink sink;
    auto target = CCaseBook::Open(":memory:", sink, FixedClock("2026-06-01T00:00:00Z"));
    const PracticeIdentity practice{"/practice", kPhysician};
    ASSERT_TRUE(Import(*target, doc.dump()));
    std::string order;
    for (const PrescriptionRecord& p : target->ListPrescriptions(practice, "1001"))
        order += p.potency + ' ';
    EXPECT_EQ(order, "6C 200 30C ");
    const auto listing = target->ListAnalyses(practice, "1001");
    ASSERT_EQ(listing.size(), 1u);
    ASSERT_TRUE(listing[0].prescription);
    EXPECT_EQ(listing[0].prescription->potency, "30C");
    EXPECT_TRUE(sink.Messages().empty());
}

// A prescription carried without its identity (an older export) is the same record as one alike in remedy,
// potency, date and the time it was recorded: imported twice it is kept once. Its neighbour, alike but recorded an
// hour later, is a record of its own.
TEST(CaseBookImport, PrescriptionsWithoutIdentityAreMergedByTheirFieldsTimeIncluded)
{
    // The export as a book of the first version wrote it: no record carries its identity.
    Json doc = ExportedWith({{0, 0, 4, "Aconitum napellus", "30C", "", "2026-03-10", "", "", ""},
        {0, 0, 4, "Aconitum napellus", "30C", "", "2026-03-10", "", "", ""}});
    doc["version"] = 1;
    Json& analysis = doc["practices"][0]["patients"][0]["analyses"][0];
    analysis.erase("uid");
    Json& prescriptions = analysis["prescriptions"];
    ASSERT_EQ(prescriptions.size(), 2u);
    prescriptions[0].erase("uid");
    prescriptions[1].erase("uid");
    prescriptions[0]["created"] = "2026-03-10T10:00:00Z";
    prescriptions[1]["created"] = "2026-03-10T11:00:00Z";

    RecordingMessageSink sink;
    auto target = CCaseBook::Open(":memory:", sink, FixedClock("2026-06-01T00:00:00Z"));
    ASSERT_TRUE(Import(*target, doc.dump()));
    ASSERT_TRUE(Import(*target, doc.dump()));
    const auto kept = target->ListPrescriptions({"/practice", kPhysician}, "1001");
    ASSERT_EQ(kept.size(), 2u);
    EXPECT_EQ(kept[0].created, "2026-03-10T10:00:00Z");
    EXPECT_EQ(kept[1].created, "2026-03-10T11:00:00Z");
    EXPECT_TRUE(sink.Messages().empty());
}

TEST(CaseBookImport, RefusesTheWholeDocumentAtTheFirstBadFieldAndNamesIt)
{
    RecordingMessageSink sink;
    const Json base = ExportedWith({{0, 0, 4, "Aconitum napellus", "30C", "", "2026-01-01", "", "", ""},
        {0, 0, 7, "Sulphur", "200", "", "2026-01-01", "", "", ""}});
    const auto analysis = [](Json& doc) -> Json& { return doc["practices"][0]["patients"][0]["analyses"][0]; };

    struct Case
    {
        const char* what;
        std::function<void(Json&)> edit;
        std::string reason; // empty: accepted
    };
    std::string accented;
    for (int i = 0; i < 200; ++i)
        accented += "\xc3\xa9"; // 200 characters in 400 bytes
    const Case cases[] = {
        {"a time that is no date", [&](Json& d) { analysis(d)["changed"] = "9999-99-99T99:99:99Z"; },
            "analysis 1 of patient 1001: \"changed\" is not a real time"},
        {"the hour 24", [&](Json& d) { analysis(d)["created"] = "2024-02-28T24:00:00Z"; },
            "analysis 1 of patient 1001: \"created\" is not a real time"},
        {"a second after the present", [&](Json& d) { analysis(d)["changed"] = "2026-06-01T00:00:01Z"; },
            "analysis 1 of patient 1001: \"changed\" is later than the present"},
        {"the present itself", [&](Json& d) { analysis(d)["changed"] = "2026-06-01T00:00:00Z"; }, ""},
        {"a step that is no action",
            [&](Json& d) {
                analysis(d)["steps"] = {"mind", "fly:3"};
            },
            "analysis 1 of patient 1001: step 2 of \"steps\" is not an action of the chart (unknown action"},
        {"an empty registration number", [](Json& d) { d["practices"][0]["patients"][0]["regNo"] = ""; },
            "patient 1 of practice 1: \"regNo\" is empty"},
        {"an empty folder", [](Json& d) { d["practices"][0]["folder"] = ""; }, "practice 1: \"folder\" is empty"},
        {"a name of 201 characters", [&](Json& d) { analysis(d)["name"] = std::string(201, 'n'); },
            "analysis 1 of patient 1001: \"name\" is longer than 200 characters"},
        {"a name of 200 characters in 400 bytes", [&](Json& d) { analysis(d)["name"] = accented; }, ""},
        {"11 top remedies", [&](Json& d) { analysis(d)["topRemedies"] = std::vector<std::string>(11, "Acon"); },
            "analysis 1 of patient 1001: \"topRemedies\" holds more than 10 entries"},
        {"10 top remedies", [&](Json& d) { analysis(d)["topRemedies"] = std::vector<std::string>(10, "Acon"); }, ""},
        {"one identity twice",
            [&](Json& d) { analysis(d)["prescriptions"][1]["uid"] = analysis(d)["prescriptions"][0]["uid"]; },
            "prescription 2 of patient 1001: \"uid\" is the same as another record's"},
    };
    for (const Case& c : cases) {
        // The target holds an analysis of its own that a refused document must leave as it is.
        auto target = CCaseBook::Open(":memory:", sink, FixedClock("2026-06-01T00:00:00Z"));
        ASSERT_TRUE(target->SaveAnalysis(kAnna, Analysis("Own")));
        const std::string before = ExportCaseBookJson(*target);
        Json doc = base;
        c.edit(doc);
        sink.Clear();
        const auto summary = Import(*target, doc.dump());
        if (c.reason.empty()) {
            EXPECT_TRUE(summary) << c.what;
            EXPECT_TRUE(sink.Messages().empty()) << c.what;
            continue;
        }
        EXPECT_FALSE(summary) << c.what;
        ASSERT_EQ(sink.Texts().size(), 1u) << c.what;
        const std::string expected = "The file cannot be imported: " + c.reason;
        EXPECT_EQ(sink.Texts()[0].substr(0, expected.size()), expected) << c.what;
        EXPECT_EQ(ExportCaseBookJson(*target), before) << c.what;
    }
}

TEST(CaseBookImport, SavesAndPrescriptionsRefuseTooLongTexts)
{
    RecordingMessageSink sink;
    auto book = CCaseBook::Open(":memory:", sink);
    const auto id = book->SaveAnalysis(kAnna, Analysis(std::string(200, 'n')));
    ASSERT_TRUE(id);
    struct Case
    {
        const char* what;
        std::function<bool()> run;
        std::string message; // empty: done
    };
    const Case cases[] = {
        {"a name of 201", [&] { return bool(book->SaveAnalysis(kAnna, Analysis(std::string(201, 'n')))); },
            "The analysis was not saved: \"name\" is longer than 200 characters."},
        {"10,001 steps",
            [&] { return bool(book->SaveAnalysis(kAnna, Analysis("Long", std::vector<std::string>(10001, "mind")))); },
            "The analysis was not saved: \"steps\" holds more than 10000 entries."},
        {"a rename to 201", [&] { return book->RenameAnalysis(*id, std::string(201, 'r')); },
            "The analysis was not renamed: \"name\" is longer than 200 characters."},
        {"a note of 20,001",
            [&] {
                return bool(
                    book->RecordPrescription({0, *id, 4, "Acon", "30C", "", "", std::string(20001, 'x'), "", ""}));
            },
            "The prescription was not recorded: \"note\" is longer than 20000 characters."},
    };
    for (const Case& c : cases) {
        sink.Clear();
        EXPECT_EQ(c.run(), c.message.empty()) << c.what;
        EXPECT_EQ(sink.Texts(), c.message.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.message})
            << c.what;
    }
    EXPECT_EQ(book->ListAnalyses(kAnna.practice, "1001").size(), 1u);
}

TEST(CaseBookImport, ReadsTheChosenFileAsChosen)
{
    quillon::testing::TempFolder scratch;
    RecordingMessageSink sink;
    auto source = CCaseBook::Open(":memory:", sink);
    ASSERT_TRUE(source->SaveAnalysis({{"/practice", kPhysician}, "1001", "Anna Berger"}, Analysis("Acute")));
    const std::string json = ExportCaseBookJson(*source);
    const auto exported = scratch.Write("OTHER.JSON", json);
    std::filesystem::create_symlink(exported, scratch.Path() / "link.json");
    const auto tooBig = scratch.Write("big.json", "");
    std::filesystem::resize_file(tooBig, kMaxCaseBookImportSize + 1);
    struct Case
    {
        std::string name;
        std::string message; // empty: imported
    };
    const Case cases[] = {
        {"other.json", "The file " + (scratch.Path() / "other.json").string() + " cannot be read."},
        {"OTHER.JSON", ""},
        {"link.json", ""},
        {"big.json", "The file " + tooBig.string() + " is larger than 256 MB and is not read."},
    };
    for (const Case& c : cases) {
        auto target = CCaseBook::Open(":memory:", sink);
        sink.Clear();
        const auto summary = ImportCaseBookFile(*target, scratch.Path() / c.name);
        EXPECT_EQ(summary.has_value(), c.message.empty()) << c.name;
        if (c.message.empty())
            EXPECT_EQ(summary->added, 1) << c.name;
        else
            EXPECT_EQ(sink.Texts().at(0).substr(0, c.message.size()), c.message) << c.name;
    }
}

TEST(CaseBookSchema, AVersion2BookKeepsItsAnalysesAndPrescriptions)
{
    quillon::testing::TempFolder folder;
    const auto path = folder.Path() / "casebook.sqlite";
    WriteEarlierBook(path, 2,
        "INSERT INTO practices VALUES(1, '/practice', 'Helen Marsh');"
        "INSERT INTO patients VALUES(1, 1, '1001', 'Anna Berger');"
        "INSERT INTO analyses(id, patient_id, visit_date, fingerprint, name, notes, created, changed, caption,"
        " top_remedies, step_count) VALUES(7, 1, '12/03/2002', 'ff', 'Old', 'note', '2025-01-01T00:00:00Z',"
        " '2025-01-02T00:00:00Z', 'Repertorisation:', 'Acon\nSulph', 2);"
        "INSERT INTO steps VALUES(7, 0, 'mind'), (7, 1, 'drop:0:1');"
        "INSERT INTO prescriptions(id, patient_id, analysis_id, remedy_code, remedy_name, potency, date,"
        " created) VALUES(3, 1, 7, 4, 'Aconitum napellus', '30C', '2025-01-02', '2025-01-02T00:00:00Z'),"
        " (4, 1, 7, 4, 'Aconitum napellus', '30C', '2025-01-02', '2025-01-02T00:00:00Z'),"
        " (5, 1, NULL, 7, 'Sulphur', '200', '2025-01-03', '2025-01-03T00:00:00Z');");
    RecordingMessageSink sink;
    auto book = CCaseBook::Open(path, sink);
    ASSERT_TRUE(book);
    EXPECT_TRUE(sink.Messages().empty());
    EXPECT_EQ(book->Database().execAndGet("PRAGMA user_version").getInt(), 3);
    const auto old = book->LoadAnalysis(7);
    ASSERT_TRUE(old);
    EXPECT_EQ(old->steps, (std::vector<std::string>{"mind", "drop:0:1"}));
    EXPECT_EQ(old->topRemedies, (std::vector<std::string>{"Acon", "Sulph"}));
    EXPECT_EQ(old->uid.size(), 36u);
    const auto prescriptions = book->ListPrescriptions({"/practice", "Helen Marsh"}, "1001");
    ASSERT_EQ(prescriptions.size(), 3u);
    EXPECT_EQ(std::tuple(prescriptions[0].analysisId, prescriptions[1].analysisId, prescriptions[2].analysisId),
        std::tuple(7, 7, 0));
    EXPECT_EQ(
        (std::set<std::string>{old->uid, prescriptions[0].uid, prescriptions[1].uid, prescriptions[2].uid}).size(), 4u);
    // The two prescriptions alike in every field stay two through an export and an import into an empty book.
    auto copy = CCaseBook::Open(":memory:", sink);
    ASSERT_TRUE(Import(*copy, ExportCaseBookJson(*book)));
    EXPECT_EQ(ExportCaseBookJson(*copy), ExportCaseBookJson(*book));
}

TEST(CaseBookExport, WritesRecordByRecord)
{
    RecordingMessageSink sink;
    auto book = CCaseBook::Open(":memory:", sink);
    std::vector<std::string> steps(40, "drop:0:1");
    ASSERT_TRUE(book->InTransaction(
        [&] {
            const std::int64_t patient = book->PatientId(kAnna);
            for (int n = 0; n < 2000; ++n)
                book->WriteAnalysis(patient, Analysis("Analysis " + std::to_string(n), steps), false);
        },
        "saved"));
    std::size_t total = 0, largest = 0, parts = 0;
    ASSERT_TRUE(WriteCaseBookJson(*book, [&](std::string_view part) {
        total += part.size();
        largest = std::max(largest, part.size());
        ++parts;
        return true;
    }));
    // The whole export is over a megabyte; no piece handed on holds more than about one analysis.
    EXPECT_GT(total, 1'000'000u);
    EXPECT_GE(parts, 2000u);
    EXPECT_LT(largest, 2000u);
    // A writer that fails stops the export and says so.
    int calls = 0;
    EXPECT_FALSE(WriteCaseBookJson(*book, [&calls](std::string_view) { return ++calls < 10; }));
}
