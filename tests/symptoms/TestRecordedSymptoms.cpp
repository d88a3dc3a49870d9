// The Recorded Symptoms dialog's model: visit choice, drug lists, Delete, Rep_Table and the text export.
#include "symptoms/RecordedSymptoms.h"

#include "SymptomsFixture.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

using namespace quillon;
using namespace quillon::testing;

namespace {

std::string ReadAll(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

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

TEST_F(RecordedSymptomsTest, ExportOfTwoSymptomsIsExactlySevenCrLfLines)
{
    LoadFirstVisit();
    state.DeleteSymptom(2);
    EXPECT_EQ(RecordedSymptomsExportText(state),
        "       VANTREL CLASSIC 8.0 \r\n"
        "       ------------------- \r\n"
        "Patient Name :B  Date: 05/11/2002\r\n"
        "Physician Name: A\r\n"
        "\r\n"
        "MIND - FEAR\r\n"
        "HEAD - PAIN\r\n");
}

TEST_F(RecordedSymptomsTest, ExportWritesLiveSymptomsInStoreOrderAndNoRemedies)
{
    LoadFirstVisit();
    state.DeleteSymptom(0);
    state.RestoreDeletedSymptom(0);
    const std::string text = RecordedSymptomsExportText(state);
    EXPECT_NE(text.find("\r\n\r\nHEAD - PAIN\r\nCOLD AGG\r\nMIND - FEAR\r\n"), std::string::npos);
    EXPECT_EQ(text.find("R238"), std::string::npos);
    // The visit date keeps at most 14 characters, as its buffer does.
    state.m_szVisitDate = "0123456789ABCDEFG";
    EXPECT_NE(RecordedSymptomsExportText(state).find("Date: 0123456789ABCD\r\n"), std::string::npos);
}

TEST_F(RecordedSymptomsTest, ExportOfAVisitLoadsItFirst)
{
    ASSERT_TRUE(state.LoadVisitIndex());
    const auto second = ExportVisitText(state, 1);
    ASSERT_TRUE(second);
    EXPECT_EQ(*second,
        "       VANTREL CLASSIC 8.0 \r\n       ------------------- \r\nPatient Name :B  Date: 06/12/2003\r\n"
        "Physician Name: A\r\n\r\nGENERALITIES - HEAT\r\n");
    EXPECT_EQ(state.m_szVisitDate, "06/12/2003");
    EXPECT_FALSE(ExportVisitText(state, 2));
    EXPECT_FALSE(ExportVisitText(state, -1));
}

TEST_F(RecordedSymptomsTest, DrugListNamesKnownCodesAndLeavesUnknownOnesBlank)
{
    CRecordedSymptoms model(state, kModeRecordedSymptoms);
    ASSERT_TRUE(model.Open());
    ASSERT_EQ(model.Selection(), 0);
    EXPECT_EQ(model.DrugListLines(), (std::vector<std::string>{"R238 (2)", " (1)"}));
    EXPECT_EQ(model.Caption(), "Drug List (2)");
    model.SelectSymptom(2);
    EXPECT_EQ(model.DrugListLines(), (std::vector<std::string>{"R001 (1)", "R002 (2)", "R004 (4)"}));
    model.SelectSymptom(7);
    EXPECT_EQ(model.Selection(), -1);
    EXPECT_EQ(model.Caption(), "Drug List (0)");
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

TEST_F(RecordedSymptomsTest, OpeningLoadsTheFirstVisitOfTheCurrentPatient)
{
    // An index left from another patient is replaced by the current patient's.
    state.m_arrVisitDates = {"01/01/1999"};
    state.m_arrVisitOffsets = {4000};
    CRecordedSymptoms model(state, kModeRecordedSymptoms);
    ASSERT_TRUE(model.Open());
    EXPECT_EQ(model.VisitDates(), (std::vector<std::string>{"05/11/2002", "06/12/2003"}));
    EXPECT_EQ(model.CurrentVisit(), 0);
    EXPECT_EQ(model.SymptomTexts(), (std::vector<std::string>{"MIND - FEAR", "HEAD - PAIN", "COLD AGG"}));
    EXPECT_EQ(state.m_szVisitDate, "05/11/2002");
    EXPECT_EQ(state.m_nSymptomCount, 3);
    EXPECT_TRUE(sink.Messages().empty());
}

TEST_F(RecordedSymptomsTest, ChoosingAVisitReloadsAndBringsDeletedSymptomsBack)
{
    CRecordedSymptoms model(state, kModeRecordedSymptoms);
    ASSERT_TRUE(model.Open());
    model.ChooseVisit(1);
    EXPECT_EQ(model.SymptomTexts(), std::vector<std::string>{"GENERALITIES - HEAT"});
    EXPECT_EQ(state.m_szVisitDate, "06/12/2003");
    EXPECT_EQ(model.DrugListLines(), std::vector<std::string>{"R007 (1)"});
    state.DeleteSymptom(0);
    model.ChooseVisit(1);
    EXPECT_EQ(state.LiveCount(), 1);
    EXPECT_EQ(state.DeletedCount(), 0);
    model.ChooseVisit(5); // no such visit: nothing changes
    EXPECT_EQ(model.CurrentVisit(), 1);
}

TEST_F(RecordedSymptomsTest, OpeningWithoutAReadableFileClosesWithTheStoreMessageOnly)
{
    state.m_strPatientFile = "999";
    CRecordedSymptoms model(state, kModeRecordedSymptoms);
    EXPECT_FALSE(model.Open());
    EXPECT_EQ(sink.Texts(), std::vector<std::string>{"Cannot read recorded symptom File"});
}

TEST_F(RecordedSymptomsTest, SymptomListModeShowsTheStoreWithoutLoading)
{
    LoadFirstVisit();
    state.DeleteSymptom(1);
    CRecordedSymptoms model(state, kModeSymptomList);
    ASSERT_TRUE(model.Open());
    EXPECT_EQ(model.SymptomTexts(), (std::vector<std::string>{"MIND - FEAR", "COLD AGG"}));
    EXPECT_EQ(state.DeletedCount(), 1);
    EXPECT_TRUE(model.DeleteEnabled());
    EXPECT_EQ(model.Selection(), 0);
}

TEST_F(RecordedSymptomsTest, DeleteRemovesTheSelectedSymptomAndRebuildsKindIndexes)
{
    LoadFirstVisit();
    EXPECT_EQ(state.RestCount(), 1); // COLD AGG (kind X) enters no index at load
    CRecordedSymptoms model(state, kModeSymptomList);
    ASSERT_TRUE(model.Open());
    model.SelectSymptom(1);
    model.Delete();
    EXPECT_EQ(model.SymptomTexts(), (std::vector<std::string>{"MIND - FEAR", "COLD AGG"}));
    EXPECT_EQ(state.m_mapDeletedText, std::vector<std::string>{"HEAD - PAIN"});
    EXPECT_EQ(model.Selection(), 0);
    // The drug list follows the selection, not the deleted symptom.
    EXPECT_EQ(model.DrugListLines(), (std::vector<std::string>{"R238 (2)", " (1)"}));
    EXPECT_EQ(state.RestCount(), 1); // now COLD AGG, after the rebuild
    EXPECT_EQ(state.m_mapRestSymptoms.front()->m_pszText, "COLD AGG");
    EXPECT_EQ(state.m_nSymptomCount, 3); // deleting does not change the loaded count
}

TEST_F(RecordedSymptomsTest, DeleteWithoutSelectionOnlyRebuildsTheKindIndexes)
{
    LoadFirstVisit();
    CRecordedSymptoms model(state, kModeSymptomList);
    ASSERT_TRUE(model.Open());
    model.SelectSymptom(-1);
    model.Delete();
    EXPECT_EQ(state.LiveCount(), 3);
    EXPECT_EQ(state.DeletedCount(), 0);
    EXPECT_EQ(state.RestCount(), 2); // HEAD - PAIN and COLD AGG
}

TEST_F(RecordedSymptomsTest, DeletingTheLastSymptomDisablesDeleteAndUndeleteEnablesIt)
{
    LoadFirstVisit();
    CRecordedSymptoms model(state, kModeSymptomList);
    ASSERT_TRUE(model.Open());
    for (int i = 0; i < 3; ++i)
        model.Delete();
    EXPECT_TRUE(model.SymptomTexts().empty());
    EXPECT_FALSE(model.DeleteEnabled());
    EXPECT_EQ(model.Selection(), -1);
    EXPECT_EQ(model.Caption(), "Drug List (0)");
    EXPECT_EQ(state.m_mapDeletedText, (std::vector<std::string>{"MIND - FEAR", "HEAD - PAIN", "COLD AGG"}));

    state.RestoreDeletedSymptom(1);
    model.RefreshAfterUndelete();
    EXPECT_TRUE(model.DeleteEnabled());
    EXPECT_EQ(model.SymptomTexts(), std::vector<std::string>{"HEAD - PAIN"});
    EXPECT_EQ(model.Selection(), 0);
    EXPECT_EQ(state.RestCount(), 1);
}

TEST_F(RecordedSymptomsTest, DeletedSymptomLeavesTheClipboardsThatHoldItsText)
{
    LoadFirstVisit();
    CSymptomRecord other;
    other.m_pszText = "head - pain";
    state.m_mapClipboard2 = {state.m_mapSymptoms[0].get(), &other, state.m_mapSymptoms[2].get()};
    CRecordedSymptoms model(state, kModeSymptomList);
    ASSERT_TRUE(model.Open());
    model.SelectSymptom(1);
    model.Delete();
    ASSERT_EQ(state.m_mapClipboard2.size(), 2u);
    EXPECT_EQ(state.m_mapClipboard2[1]->m_pszText, "COLD AGG");
}

TEST_F(RecordedSymptomsTest, RepTableNeedsALoadedSymptom)
{
    CRecordedSymptoms model(state, kModeRecordedSymptoms);
    ASSERT_TRUE(model.Open());
    EXPECT_TRUE(model.RepTable());
    EXPECT_TRUE(sink.Messages().empty());
    state.ClearCaseStore();
    EXPECT_FALSE(model.RepTable());
    EXPECT_EQ(sink.Texts(), std::vector<std::string>{"No symptoms for Repertorisation"});
}

TEST_F(RecordedSymptomsTest, RepTableAfterAFailedLoadSaysThereIsNothingToRepertorise)
{
    // The second visit's record has a remedy count of 0.
    auto visits = TwoVisits();
    std::string rsy = fixtures::EncodeRsy(visits);
    const std::size_t secondRecord = 8 + fixtures::EncodeVisitBlock(visits[0]).size() + 10;
    rsy[secondRecord + 6] = 0;
    rsy[secondRecord + 7] = 0;
    folder.Write("201.rsy", rsy);
    CRecordedSymptoms model(state, kModeRecordedSymptoms);
    ASSERT_TRUE(model.Open());
    model.ChooseVisit(1);
    EXPECT_TRUE(model.SymptomTexts().empty());
    EXPECT_FALSE(model.RepTable());
    EXPECT_EQ(sink.Texts(), (std::vector<std::string>{"Error in Remedy Count", "No symptoms for Repertorisation"}));
}

TEST_F(RecordedSymptomsTest, SaveAsWritesTheExportBytes)
{
    CRecordedSymptoms model(state, kModeRecordedSymptoms);
    ASSERT_TRUE(model.Open());
    const auto target = folder.Path() / "Visit Export.TXT";
    ASSERT_TRUE(model.SaveAs(target));
    EXPECT_EQ(ReadAll(target), RecordedSymptomsExportText(state));
    EXPECT_TRUE(sink.Messages().empty());
}

TEST_F(RecordedSymptomsTest, SaveAsThatCannotCreateTheFileWritesNothing)
{
    CRecordedSymptoms model(state, kModeRecordedSymptoms);
    ASSERT_TRUE(model.Open());
    EXPECT_FALSE(model.SaveAs(folder.Path() / "missing" / "out.txt"));
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "missing"));
    // A folder in the way of the new file leaves it and its content untouched.
    std::filesystem::create_directory(folder.Path() / "taken.txt");
    folder.Write("taken.txt/keep", "x");
    EXPECT_FALSE(model.SaveAs(folder.Path() / "taken.txt"));
    EXPECT_EQ(ReadAll(folder.Path() / "taken.txt" / "keep"), "x");
    EXPECT_EQ(sink.Texts(),
        (std::vector<std::string>{"Error creating file, aborting saving", "Error creating file, aborting saving"}));
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path()))
        EXPECT_EQ(entry.path().filename().string().find("tmp"), std::string::npos) << entry.path();
}

} // namespace
