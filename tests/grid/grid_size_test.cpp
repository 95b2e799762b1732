#include "controls/grid/text_column.h"
#include "input_grid.h"

// The media list's two columns share whatever width the window gives the grid.
TEST(GridSize, TheMediaListsColumnsShareTheNewWidth)
{
    TForm* form = ShowTestForm(500, 240);
    TRecordingGrid* grid = ShowMediaList(form, {10, 10, 310, 210}, {{"Format", "AVI"}});
    auto widths = [&] { return grid->Columns()->GetItem(0)->Width() + grid->Columns()->GetItem(1)->Width(); };
    EXPECT_EQ(widths(), grid->ClientWidth());
    grid->SetBounds(10, 10, 460, 200);
    EXPECT_EQ(widths(), grid->ClientWidth());
    grid->SetBounds(10, 10, 200, 200);
    EXPECT_EQ(widths(), grid->ClientWidth());
    form->Free();
}

// A grid scrolled to its end that grows takes rows from above the view back into it while they fit.
TEST_F(GridFixture, AGrowingGridTakesRowsBackIntoView)
{
    AddColumn("A");
    AddRows(30);
    Pump();
    grid->VertScrollBar()->Last();
    const int firstRow = grid->FirstRow();
    ASSERT_GT(firstRow, 10);
    grid->SetBounds(10, 10, 400, 280 + 5 * 16);
    EXPECT_EQ(grid->FirstRow(), firstRow - 5);
    // The last row stays at the bottom of the body.
    EXPECT_EQ(grid->LastRowInView(), 29);
    grid->SetBounds(10, 10, 400, 200);
    EXPECT_EQ(grid->FirstRow(), firstRow - 5);
}

TEST_F(GridFixture, ColumnsFollowingTheGridsFontTakeItsChanges)
{
    TGxCustomColumn* following = AddColumn("A");
    TGxCustomColumn* own = AddColumn("B");
    TFont bold;
    bold.Assign(grid->Font());
    bold.SetStyle({fsBold});
    own->SetFont(&bold);
    grid->Font()->SetSize(12);
    EXPECT_EQ(following->Font()->Size(), 12);
    EXPECT_EQ(own->Font()->Size(), 8);
    EXPECT_TRUE(own->Font()->Style().Contains(fsBold));
}
