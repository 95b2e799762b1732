#include "grid_fixture.h"
#include "platform/gui/windows/scroll_bars.h"
#include "platform/gui/windows/system_metrics.h"
#include "platform/gui/windows/window_functions.h"

namespace {

class GridGeometry : public GridFixture
{
protected:
    void SetUp() override
    {
        GridFixture::SetUp();
        a = AddColumn("A", 100);
        b = AddColumn("B", 120);
        Pump();
    }
    TGxCustomColumn* a = nullptr;
    TGxCustomColumn* b = nullptr;
};

} // namespace

TEST_F(GridGeometry, GridLineSpacesFollowTheLineStyle)
{
    const struct
    {
        TGridOptions options;
        TGridLinesStyle style;
        TAppearanceOptions appearance;
        int left, top, right, bottom;
    } cases[] = {
        {{goHeader}, lsNormal, {}, 0, 0, 0, 0},
        {{goGrid}, lsNormal, {}, 0, 0, 1, 1},
        {{goGrid}, lsNormal, {ao3DGridLines}, 1, 1, 1, 1},
        {{goGrid}, lsHorizontalOnly, {ao3DGridLines}, 0, 1, 0, 1},
        {{goGrid}, lsActiveHorzOnly, {}, 0, 0, 0, 1},
        {{goGrid}, lsVerticalOnly, {ao3DGridLines}, 1, 0, 1, 0},
    };
    for (const auto& c : cases) {
        grid->SetOptions(c.options);
        grid->SetGridLinesStyle(c.style);
        grid->SetAppearanceOptions(c.appearance);
        EXPECT_EQ(grid->GetGridSpace(lpLeft), c.left) << c.style;
        EXPECT_EQ(grid->GetGridSpace(lpTop), c.top) << c.style;
        EXPECT_EQ(grid->GetGridSpace(lpRight), c.right) << c.style;
        EXPECT_EQ(grid->GetGridSpace(lpBottom), c.bottom) << c.style;
        EXPECT_EQ(grid->GetGridSpace(lpTopBottom), c.top + c.bottom) << c.style;
    }
}

TEST_F(GridGeometry, AreasRowsAndCells)
{
    grid->SetOptions({goHeader, goGrid, goIndicator, goFooter});
    grid->SetHeaderSize(22);
    grid->SetRowSize(20);
    AddRows(3);
    const int height = grid->ClientHeight();
    EXPECT_EQ(grid->GetBodyRect(), (TRect{12, 22, 12 + 220, height - 18 - 4 - 1}));
    EXPECT_EQ(grid->GetHeaderRect(), (TRect{12, 0, 232, 22}));
    EXPECT_EQ(grid->GetFooterRect(), (TRect{12, height - 23, 232, height}));
    EXPECT_EQ(grid->GetIndicatorRect(), (TRect{0, 0, 12, height}));
    // Rows are RowSize + 1 apart; past the last row each missing row still counts RowSize.
    EXPECT_EQ(grid->GetRowTop(0), 22);
    EXPECT_EQ(grid->GetRowTop(2), 22 + 2 * 21);
    EXPECT_EQ(grid->GetRowTop(5), 22 + 5 * 21);
    EXPECT_EQ(grid->GetCellRect(1, 1), (TRect{112, 43, 232, 63}));
    TRect paintable = grid->GetCellRect(1, 1);
    grid->ExcludeGrid(paintable);
    EXPECT_EQ(paintable.Right, 231); // one pixel less at the right
    EXPECT_TRUE(grid->CellBounds(1, 2));
    EXPECT_FALSE(grid->CellBounds(2, 0));
    EXPECT_FALSE(grid->CellBounds(0, 3));
    grid->SetRowVisible(1, false);
    EXPECT_EQ(grid->GetRowTop(2), 22 + 21); // hidden rows take no space
}

TEST_F(GridGeometry, FixedColumnsIgnoreTheHorizontalPosition)
{
    b->SetWidth(900);
    grid->SetFixedCols(1);
    grid->UpdateHorzScrollBar();
    grid->HorzScrollBar()->SetPosition(50);
    AddRows(1);
    EXPECT_EQ(grid->GetCellRect(0, 0).Left, 0);
    EXPECT_EQ(grid->GetCellRect(1, 0).Left, 100 - 50);
    EXPECT_EQ(grid->GetScrollRect().Left, 100);
}

TEST_F(GridGeometry, VerticalRangeCountsVisibleRowsAndOneRowHasNone)
{
    AddRows(1);
    EXPECT_EQ(grid->VertScrollBar()->Max(), 0);
    AddRows(99);
    const int fitting = (grid->GetBodyRect().Height()) / 16;
    EXPECT_EQ(grid->VertScrollBar()->Max(), 100);
    EXPECT_EQ(grid->VertScrollBar()->PageSize(), fitting + 1);
    EXPECT_EQ(grid->VertScrollBar()->LargeChange(), fitting + 1);
    // A page down moves FirstRow by the page, walking only the rows it passes.
    SendMessage(grid->Handle(), WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_EQ(grid->FirstRow(), fitting + 1);
    SendMessage(grid->Handle(), WM_VSCROLL, SB_PAGEUP, 0);
    EXPECT_EQ(grid->FirstRow(), 0);
    SendMessage(grid->Handle(), WM_VSCROLL, SB_BOTTOM, 0);
    EXPECT_EQ(grid->FirstRow(), 100 - fitting);
    EXPECT_EQ(grid->LastRowInView(), 99);
}

// The page step of the horizontal bar comes from the page it gets now, also on the very first update.
TEST_F(GridGeometry, HorizontalPageStepFollowsTheNewPage)
{
    b->SetWidth(1000);
    grid->UpdateHorzScrollBar();
    TGxScrollBar* bar = grid->HorzScrollBar();
    EXPECT_TRUE(bar->Visible());
    EXPECT_EQ(bar->Max(), 1100);
    EXPECT_EQ(bar->PageSize(), grid->ClientWidth() + 1);
    EXPECT_EQ(bar->LargeChange(), grid->ClientWidth() + 1 - 10);
    grid->SetWidth(300);
    grid->UpdateHorzScrollBar();
    EXPECT_EQ(bar->LargeChange(), grid->ClientWidth() + 1 - 10);
    // Narrower than the arrow of a scroll bar: hidden although the columns are wider.
    grid->SetWidth(GetSystemMetrics(SM_CXHSCROLL) + 2);
    grid->UpdateHorzScrollBar();
    EXPECT_FALSE(bar->Visible());
    EXPECT_GE(bar->LargeChange(), 1);
}
