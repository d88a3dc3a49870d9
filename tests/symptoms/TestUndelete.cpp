// The Undelete Recorded Symptom dialog's model: restoring one or all deleted symptoms.
#include "symptoms/Undelete.h"

#include "state/QuillonState.h"
#include "symptoms/RecordedSymptoms.h"

#include "SymptomsFixture.h"

#include <gtest/gtest.h>

using namespace quillon;
using namespace quillon::testing;

namespace {

class UndeleteTest : public ::testing::Test
{
protected:
    UndeleteTest() : state(CPracticeFolder(folder.Path()), sink)
    {
        auto visits = TwoVisits();
        visits[0].symptoms.push_back(MakeSymptom("SLEEP - LATE", 'G', {{9, 2}}));
        folder.Write("201.rsy", fixtures::EncodeRsy(visits));
        state.m_strPatientFile = "201";
        EXPECT_TRUE(state.LoadVisitIndex());
        EXPECT_TRUE(state.LoadVisitSymptoms(0));
    }

    std::vector<std::string> LiveTexts() const
    {
        std::vector<std::string> texts;
        for (const auto& record : state.m_mapSymptoms)
            texts.push_back(record->m_pszText);
        return texts;
    }

    TempFolder folder;
    RecordingMessageSink sink;
    CQuillonState state;
};

TEST_F(UndeleteTest, RestoresOnlyASelectedLineAndKeepsTheDeletedListsParallel)
{
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
    EXPECT_EQ(LiveTexts(), (std::vector<std::string>{"SLEEP - LATE", "HEAD - PAIN"}));
    EXPECT_EQ(state.m_mapDeletedCountText, (std::vector<std::string>{"2", "3"}));
    EXPECT_EQ(state.m_mapDeletedSymptoms[1]->m_pszText, "COLD AGG");
    EXPECT_EQ(state.m_mapRemedyCountText, (std::vector<std::string>{"1", "1"}));
}

} // namespace
