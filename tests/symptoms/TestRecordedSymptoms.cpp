// The Recorded Symptoms dialog's model: visit choice, drug lists, Delete, Rep_Table and the text export; the
// Undelete Recorded Symptom dialog's model.
#include "symptoms/RecordedSymptoms.h"
#include "symptoms/Undelete.h"

#include "SymptomsFixture.h"

#include <gtest/gtest.h>

#include <csignal>

#include <sys/resource.h>

using namespace quillon;
using namespace quillon::testing;

namespace {

class RecordedSymptomsTest : public ::testing::Test
{
protected:
    RecordedSymptomsTest() : state(CPracticeFolder(folder.Path()), sink)
    {
        WriteNumberedCatalogue(folder, 239);
        folder.Write("201.rsy", fixtures::EncodeRsy(TwoVisits()));
        state.LoadCatalogue();
        sink.Clear();
        state.m_strPatientFile = "201";
        state.m_strPatientName = "B";
        state.m_strPhysicianName = "A";
    }

    // The symptom-list mode works on what is loaded, as the chart leaves it.
    void LoadFirstVisit()
    {
        ASSERT_TRUE(state.LoadVisitIndex());
        ASSERT_TRUE(state.LoadVisitSymptoms(0));
        state.m_szVisitDate = "05/11/2002";
    }

    TempFolder folder;
    RecordingMessageSink sink;
    CQuillonState state;
};

TEST_F(RecordedSymptomsTest, ExportWritesLiveSymptomsInStoreOrderAndAShortDate)
{
    LoadFirstVisit();
    state.DeleteSymptom(0);
    state.RestoreDeletedSymptom(0);
    // The visit date keeps at most 14 characters, as its buffer does.
    state.m_szVisitDate = "0123456789ABCDEFG";
    const std::string text = RecordedSymptomsExportText(state);
    EXPECT_NE(text.find("Date: 0123456789ABCD\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\n\r\nHEAD - PAIN\r\nCOLD AGG\r\nMIND - FEAR\r\n"), std::string::npos);
}

TEST_F(RecordedSymptomsTest, ExportOfAVisitLoadsItFirst)
{
    ASSERT_TRUE(state.LoadVisitIndex());
    const auto second = ExportVisitText(state, 1);
    ASSERT_TRUE(second);
    EXPECT_TRUE(second->ends_with("Date: 06/12/2003\r\nPhysician Name: A\r\n\r\nGENERALITIES - HEAT\r\n"));
    EXPECT_EQ(state.m_szVisitDate, "06/12/2003");
    EXPECT_FALSE(ExportVisitText(state, 2));
    EXPECT_FALSE(ExportVisitText(state, -1));
}

TEST_F(RecordedSymptomsTest, DrugListNeverReadsPastTheRemedyEntries)
{
    CSymptomRecord record;
    record.m_nRemedyCount = 5; // more than the buffer holds
    record.m_pRemedies = {'3', 34, 50, 0};
    const auto items = BuildDrugList(record, nullptr);
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0], (DrugListItem{"", 3}));
}

TEST_F(RecordedSymptomsTest, SaveAsWritesTheWholeExportOrLeavesTheOldFile)
{
    CRecordedSymptoms model(state, kModeRecordedSymptoms);
    ASSERT_TRUE(model.Open());
    const auto target = folder.Path() / "Visit Export.TXT";
    ASSERT_TRUE(model.SaveAs(target));
    EXPECT_EQ(ReadBytes(target), RecordedSymptomsExportText(state));
    EXPECT_TRUE(sink.Messages().empty());

    // A folder that does not exist is not made.
    EXPECT_FALSE(model.SaveAs(folder.Path() / "missing" / "out.txt"));
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "missing"));

    // The writer fails part way (the file size limit stops it after 64 bytes): the old export stays whole.
    folder.Write("Visit Export.TXT", "the old export");
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 64;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved = model.SaveAs(target);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    ASSERT_GT(RecordedSymptomsExportText(state).size(), 64u);
    EXPECT_FALSE(saved);
    EXPECT_EQ(ReadBytes(target), "the old export");
    EXPECT_EQ(sink.Texts(), std::vector<std::string>(2, "Error creating file, aborting saving"));
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path()))
        EXPECT_EQ(entry.path().filename().string().find("tmp"), std::string::npos) << entry.path();
}

TEST_F(RecordedSymptomsTest, UndeleteRestoresOnlyASelectedLineAndKeepsTheDeletedListsParallel)
{
    auto visits = TwoVisits();
    visits[0].symptoms.push_back(MakeSymptom("SLEEP - LATE", 'G', {{9, 2}}));
    folder.Write("201.rsy", fixtures::EncodeRsy(visits));
    LoadFirstVisit();
    EXPECT_FALSE(CUndelete(state).Undelete()); // nothing deleted: no selection
    for (int i = 0; i < 3; ++i) // MIND - FEAR, HEAD - PAIN, COLD AGG
        state.DeleteSymptom(0);
    CUndelete model(state);
    model.Select(3);
    EXPECT_FALSE(model.Undelete());
    model.Select(1);
    ASSERT_TRUE(model.Undelete());
    EXPECT_EQ(model.Texts(), (std::vector<std::string>{"MIND - FEAR", "COLD AGG"}));
    EXPECT_EQ(model.Caption(), "Deleted Symptoms (2)");
    std::vector<std::string> live;
    for (const auto& record : state.m_mapSymptoms)
        live.push_back(record->m_pszText);
    EXPECT_EQ(live, (std::vector<std::string>{"SLEEP - LATE", "HEAD - PAIN"}));
    EXPECT_EQ(state.m_mapDeletedCountText, (std::vector<std::string>{"2", "3"}));
    EXPECT_EQ(state.m_mapDeletedSymptoms[1]->m_pszText, "COLD AGG");
    EXPECT_EQ(state.m_mapRemedyCountText, (std::vector<std::string>{"1", "1"}));
}

} // namespace
