// The shared state of a run: the layout table it builds and the catalogue it loads.
#include "fixtures/CaseWriters.h"
#include "state/QuillonState.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace quillon;

TEST(RowLayout, RowsAndCellsOfTheMateriaMedicaTable)
{
    const RowLayout layout = RowLayout::Build();
    EXPECT_EQ(layout.rows[0].rect, (CLayoutRect{10, 50, 360, 63}));
    EXPECT_EQ(layout.rows[16].rect, (CLayoutRect{10, 290, 360, 303}));
    EXPECT_FALSE(layout.rows[5].highlighted);
    EXPECT_EQ(layout.cells[0].rect, (CLayoutRect{360, 50, 440, 63}));
    EXPECT_EQ(layout.cells[2].rect, (CLayoutRect{520, 50, 600, 63}));
    // Row 1: column 0 one unit higher than columns 1 and 2.
    EXPECT_EQ(layout.cells[3].rect, (CLayoutRect{360, 65, 440, 78}));
    EXPECT_EQ(layout.cells[4].rect, (CLayoutRect{440, 66, 520, 79}));
    EXPECT_EQ(layout.cells[6].rect, (CLayoutRect{360, 81, 440, 94}));
    EXPECT_EQ(layout.cells[50].rect, (CLayoutRect{520, 291, 600, 304}));
}

TEST(QuillonState, LoadsTheCatalogueAndClearsTheCaseOnDestruction)
{
    quillon::testing::TempFolder temp;
    const auto images = fixtures::EncodeCatalogue({{"Acon.", "Aconitum napellus", 3}, {"Bell.", "Belladonna", 4}});
    temp.Write("drug.dat", images.drugDat);
    temp.Write("drugl.dat", images.druglDat);
    temp.Write("fulldrug.txt", images.fulldrugTxt);
    RecordingMessageSink sink;
    CQuillonState state(CPracticeFolder(temp.Path()), sink);
    state.LoadCatalogue();
    ASSERT_TRUE(state.m_pRemedyCatalogue);
    EXPECT_EQ(state.m_pRemedyCatalogue->GetCount(), 2);
    EXPECT_EQ(state.m_pRemedyCatalogue->GetPropertyMask(1), 4u);
    EXPECT_TRUE(sink.Messages().empty());
    EXPECT_FALSE(state.m_bCaseRecordMode);
    EXPECT_FALSE(state.m_bClosingAllViews);
    EXPECT_EQ(state.m_nSymptomCount, 0);
}
