#include "controls/grid/column_drag_box.h"
#include "controls/grid/drag_arrow.h"
#include "controls/grid/grid_cursors.h"
#include "input_grid.h"

#include "platform/gui/forms/application.h"
#include "platform/gui/forms/screen.h"
#include "platform/gui/windows/window_functions.h"

namespace {

// The grid's drag box and arrows are its top-level windows of those classes.
template <typename Flyout> std::vector<Flyout*> FlyoutsOf(TComponent* grid)
{
    std::vector<Flyout*> found;
    for (int i = 0; i < grid->ComponentCount(); ++i)
        if (auto* flyout = dynamic_cast<Flyout*>(grid->Components(i)))
            found.push_back(flyout);
    return found;
}

TRect ScreenRect(TWinControl& window)
{
    TRect rect;
    GetWindowRect(window.Handle(), rect);
    return rect;
}

class FileListColumnMove : public FileListInput
{
protected:
    static constexpr int kDirectory = kNameColumn + 1;
    static constexpr int kFormat = kNameColumn + 3;

    void SetUp() override
    {
        FileListInput::SetUp();
        box = FlyoutsOf<TColumnDragBox>(grid).at(0);
        const auto arrows = FlyoutsOf<TDragArrow>(grid);
        down = arrows.at(0);
        up = arrows.at(1);
    }
    // Presses the header and drags it past the threshold: the box takes the mouse from there.
    void StartDrag(int col)
    {
        start = HeaderPoint(col);
        MouseDown(grid, start);
        MouseMove(grid, {start.X + 10, start.Y}, {ssLeft});
    }

    TColumnDragBox* box = nullptr;
    TDragArrow* down = nullptr;
    TDragArrow* up = nullptr;
    TPoint start;
};

} // namespace

TEST_F(FileListColumnMove, TheBoxFollowsThePointerAndTheArrowsMarkTheGap)
{
    StartDrag(kDirectory);
    ASSERT_EQ(GetCapture(), box->Handle());
    EXPECT_TRUE(IsWindowVisible(box->Handle()));
    EXPECT_EQ(box->Width(), Column(kDirectory)->Width());
    EXPECT_EQ(box->Height(), grid->HeaderSize());

    // Over the right half of Format the column would land after it.
    const int formatRight = RightEdge(kFormat);
    const TPoint over{formatRight - 10, 12};
    MouseMove(grid, over, {ssLeft});
    const TPoint pointer = grid->ClientToScreen(over);
    EXPECT_EQ(ScreenRect(*box).TopLeft(),
              (TPoint{pointer.X - box->ClientWidth() / 2, pointer.Y - box->ClientHeight() + 4}));
    EXPECT_EQ(box->Width(), Column(kDirectory)->Width());
    const TPoint gap = grid->ClientToScreen({formatRight, 0});
    EXPECT_TRUE(IsWindowVisible(down->Handle()));
    EXPECT_TRUE(IsWindowVisible(up->Handle()));
    EXPECT_EQ(ScreenRect(*down), (TRect{gap.X - 4, gap.Y - 12, gap.X + 5, gap.Y - 3}));
    EXPECT_EQ(ScreenRect(*up).TopLeft(), (TPoint{gap.X - 4, gap.Y + grid->HeaderSize() - 1}));
    EXPECT_EQ(Screen->Cursor(), crDefault);

    // A picture of the drag as a user sees it: the grid with the box and the arrows over it, 14 pixels of
    // the form above it for the down arrow.
    const int above = 14;
    const auto gridPicture = Render(grid);
    TBitmap framed(gridPicture->Width(), gridPicture->Height() + above, pf24bit);
    framed.Canvas()->Brush()->SetColor(clBtnFace);
    framed.Canvas()->FillRect({0, 0, framed.Width(), framed.Height()});
    framed.Canvas()->Draw(0, above, gridPicture.get());
    const TPoint origin = WindowOrigin(*grid);
    for (TWinControl* flyout : std::initializer_list<TWinControl*>{box, down, up})
        PasteWindow(framed, {origin.X, origin.Y - above}, *flyout);
    SaveScreenshot(framed, "grid_column_drag", 2);
    // The red arrows above and below the gap, and the box with the column's caption under the pointer.
    auto inPicture = [&](TWinControl& window) {
        TRect r = ScreenRect(window);
        OffsetRect(r, -origin.X, above - origin.Y);
        return r;
    };
    EXPECT_GT(CountPixels(framed, inPicture(*down), clRed), 0);
    EXPECT_GT(CountPixels(framed, inPicture(*up), clRed), 0);
    EXPECT_GT(CountPixels(framed, inPicture(*box), ColorToRGB(clWindowText)), 0);

    MouseUp(grid, over);
    EXPECT_EQ(Column(kDirectory)->Position(), kFormat);
    EXPECT_FALSE(IsWindowVisible(box->Handle()));
    EXPECT_FALSE(IsWindowVisible(down->Handle()));
    EXPECT_FALSE(grid->GridState().Contains(gtColumnMoving));
    EXPECT_NE(GetCapture(), box->Handle());
}

TEST_F(FileListColumnMove, ADropOutsideTheHeaderHidesTheColumnWhereTheGridAllowsIt)
{
    const TPoint below = CellPoint(kDirectory, 3);
    StartDrag(kDirectory);
    MouseMove(grid, below, {ssLeft});
    EXPECT_EQ(Screen->Cursor(), crColumnNoDrag);
    EXPECT_FALSE(IsWindowVisible(down->Handle()));
    MouseUp(grid, below);
    EXPECT_TRUE(Column(kDirectory)->Visible());
    EXPECT_EQ(Column(kDirectory)->Position(), kDirectory);
    EXPECT_EQ(Screen->Cursor(), crDefault);

    grid->SetOptions(grid->Options() + goCanHideColumn);
    StartDrag(kDirectory);
    MouseMove(grid, below, {ssLeft});
    MouseUp(grid, below);
    EXPECT_FALSE(Column(kDirectory)->Visible());
}

TEST_F(FileListColumnMove, OnlyTheLeftButtonEndsTheDrag)
{
    StartDrag(kDirectory);
    MouseDown(grid, {start.X + 20, start.Y}, mbRight, {ssLeft});
    MouseUp(grid, {start.X + 20, start.Y}, mbRight, {ssLeft});
    EXPECT_TRUE(grid->GridState().Contains(gtColumnMoving));
    EXPECT_EQ(GetCapture(), box->Handle());
    MouseUp(grid, {start.X + 20, start.Y});
    EXPECT_FALSE(grid->GridState().Contains(gtColumnMoving));
}

TEST_F(FileListColumnMove, GoingToTheBackgroundEndsTheDrag)
{
    StartDrag(kDirectory);
    MouseMove(grid, HeaderPoint(kFormat), {ssLeft});
    Application->ActivationChanged(false);
    EXPECT_FALSE(grid->GridState().Contains(gtColumnMoving));
    EXPECT_FALSE(IsWindowVisible(box->Handle()));
    EXPECT_FALSE(IsWindowVisible(up->Handle()));
    EXPECT_EQ(GetCapture(), nullptr);
    Application->ActivationChanged(true);
    EXPECT_EQ(Column(kDirectory)->Position(), kDirectory);
}
