// The generated sample practice loads through the program's own readers and holds the cases it promises.
#include "casedata/CaseStore.h"
#include "casedata/MessageSink.h"
#include "casedata/PatientIndex.h"
#include "casedata/PracticeFolder.h"
#include "casedata/RemedyCatalogue.h"
#include "caserecord/CaseRecordFile.h"
#include "caserecord/CaseRecordPage.h"
#include "fixtures/FilterWriters.h"
#include "sample/SampleGenerator.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <memory>
#include <stdexcept>

namespace {

using quillon::CCaseStore;
using quillon::CPracticeFolder;
using quillon::CRemedyCatalogue;
using quillon::RecordingMessageSink;
using quillon::testing::TempFolder;

const std::filesystem::path kSource = QUILLON_SAMPLE_SOURCE;

class SamplePracticeTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_folder = std::make_unique<TempFolder>();
        quillon::sample::WritePractice(quillon::sample::BuildPractice(kSource), s_folder->Path());
        s_practice = std::make_unique<CPracticeFolder>(s_folder->Path());
        s_catalogue = std::make_unique<CRemedyCatalogue>(*s_practice, s_catalogueSink);
    }
    static void TearDownTestSuite()
    {
        s_catalogue.reset();
        s_practice.reset();
        s_folder.reset();
    }

    static int CodeOf(std::string abbreviation)
    {
        int index = -1;
        EXPECT_TRUE(s_catalogue->FindByAbbreviation(index, abbreviation)) << abbreviation;
        return index; // equal to the code, which the catalogue test checks
    }

    static inline std::unique_ptr<TempFolder> s_folder;
    static inline std::unique_ptr<CPracticeFolder> s_practice;
    static inline RecordingMessageSink s_catalogueSink;
    static inline std::unique_ptr<CRemedyCatalogue> s_catalogue;
};

TEST_F(SamplePracticeTest, EveryVisitOfEveryPatientLoadsWithoutAMessage)
{
    RecordingMessageSink sink;
    const auto index = quillon::LoadPatientIndex(*s_practice, sink);
    ASSERT_TRUE(index.has_value());
    int severalVisits = 0;
    for (const auto& row : index->rows) {
        CCaseStore store(*s_practice, sink);
        store.m_strPatientFile = row.regNo;
        ASSERT_TRUE(store.LoadVisitIndex()) << row.regNo;
        severalVisits += store.VisitCount() > 1 ? 1 : 0;
        EXPECT_EQ(store.m_arrVisitDates.back(), row.visitDate) << row.regNo; // the list shows the latest visit
        for (int visit = 0; visit < store.VisitCount(); ++visit) {
            ASSERT_TRUE(store.LoadVisitSymptoms(visit)) << row.regNo << " visit " << visit;
            for (const auto& record : store.m_mapSymptoms)
                for (int entry = 0; entry < record->m_nRemedyCount; ++entry)
                    EXPECT_NE(s_catalogue->Entry(record->RemedyCode(entry)), nullptr) << record->m_pszText;
        }
    }
    EXPECT_GE(severalVisits, 4);
    EXPECT_TRUE(sink.Messages().empty());
}

TEST_F(SamplePracticeTest, CatalogueFilesAgreeAndCodesEqualPropertyIndexes)
{
    EXPECT_TRUE(s_catalogueSink.Messages().empty()) << s_catalogueSink.Texts().front();
    const int count = s_catalogue->GetCount();
    ASSERT_GT(count, 100);
    for (int code = 0; code < count; ++code) {
        const auto* entry = s_catalogue->Entry(code);
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(s_catalogue->GetPropertyIndex(code), code) << entry->abbreviation;
        EXPECT_FALSE(entry->fullName.empty()) << entry->abbreviation;
    }
    // Kingdom bits come from the remedies' kingdoms.
    using namespace quillon::fixtures;
    for (const auto& [remedy, bit, set] : {std::tuple{"Puls", kPlantBit, 1u}, {"Nat-m", kMineralBit, 1u},
             {"Lach", kAnimalBit, 1u}, {"Lach", kPlantBit, 0u}, {"Psor", kNosodeBit, 1u}})
        EXPECT_EQ((s_catalogue->GetPropertyMask(CodeOf(remedy)) >> bit) & 1u, set) << remedy << " bit " << bit;
}

TEST_F(SamplePracticeTest, CaseRecordsAndFollowupsOfTwoPatientsLoad)
{
    const auto bytes = [](const std::string& name) {
        std::vector<std::uint8_t> data;
        EXPECT_EQ(s_practice->ReadFile(name, data), quillon::ReadStatus::Ok) << name;
        return data;
    };
    for (const std::string regNo : {"1002", "1003"}) {
        SCOPED_TRACE(regNo);
        std::vector<std::string> fields;
        EXPECT_EQ(quillon::ReadCaseRecord(bytes(regNo + ".cas"), fields), quillon::kCaseRecordFieldCount);
        EXPECT_FALSE(fields[0].empty()); // chief complaints
        EXPECT_GE(std::count(fields.begin() + quillon::kFirstThermalFlag, fields.end(), "TRUE"), 1);

        const auto followups = quillon::ReadFollowups(bytes(regNo + ".flw"));
        ASSERT_GE(followups.size(), 2u);
        for (const auto& visit : followups)
            EXPECT_TRUE(visit.size() >= 6 && quillon::FormatFollowupDate(visit[0]) != visit[0]) << visit[0];
    }
}

TEST(SampleGeneratorTest, TwoRunsWriteTheSameBytes)
{
    TempFolder first;
    TempFolder second;
    quillon::sample::WritePractice(quillon::sample::BuildPractice(kSource), first.Path());
    quillon::sample::WritePractice(quillon::sample::BuildPractice(kSource), second.Path());
    std::size_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(first.Path())) {
        const auto name = entry.path().filename();
        EXPECT_EQ(quillon::testing::ReadBytes(entry.path()), quillon::testing::ReadBytes(second.Path() / name)) << name;
        ++files;
    }
    EXPECT_EQ(files,
        static_cast<std::size_t>(
            std::distance(std::filesystem::directory_iterator(second.Path()), std::filesystem::directory_iterator())));
}

TEST(SampleGeneratorTest, FaultsInTheSourceTablesNameTheTableAndLine)
{
    const auto expectFault
        = [](const char* table, const std::string& from, const std::string& to, const std::string& expected) {
              TempFolder copy;
              for (const auto& entry : std::filesystem::directory_iterator(kSource))
                  std::filesystem::copy_file(entry.path(), copy.Path() / entry.path().filename());
              std::string text = quillon::testing::ReadBytes(copy.Path() / table);
              const std::size_t at = text.find(from);
              ASSERT_NE(at, std::string::npos) << from;
              text.replace(at, from.size(), to);
              copy.Write(table, text);
              try {
                  quillon::sample::BuildPractice(copy.Path());
                  ADD_FAILURE() << "no fault reported for " << to;
              } catch (const std::runtime_error& error) {
                  EXPECT_NE(std::string(error.what()).find(expected), std::string::npos) << error.what();
              }
          };
    expectFault("rubrics.tsv", "Nat-m.:1", "Nat-mx.:1", "rubrics.tsv line");
    expectFault("rubrics.tsv", "Nat-m.:1", "Nat-m.:0", "no grade 1 to 9");
    expectFault("visit_symptoms.tsv", "R001", "R999", "R999 is not in rubrics.tsv");
    expectFault("remedy_properties.tsv", "Acute", "Accute", "unknown name \"Accute\"");
    expectFault("mineral_words.tsv", "Na\tNatrum salts", "Nx\tNatrum salts", "unknown element Nx");
}

} // namespace
