#include "controls/edits/scroll_box.h"
#include "gui_driver.h"
#include "platform/gui/standard/edits.h"
#include "platform/gui/standard/stdctrls_labels.h"
#include "platform/gui/windows/scroll_bars.h"
#include "platform/gui/windows/system_metrics.h"
#include "platform/gui/windows/window_functions.h"

#include <gtest/gtest.h>

namespace {

class ScrollBoxes : public testing::Test
{
protected:
    void SetUp() override
    {
        form = ShowTestForm(400, 300);
        form->SetColor(clYellow);
        box = new TVezScrollBox(form);
        box->SetBounds(10, 10, 200, 100);
        box->SetColor(clRed);
        box->SetParent(form);
        box->OnVScroll = [this](TObject*) { ++steps; };
        box->OnVScrollEnd = [this](TObject*) { ++ends; };
    }
    void TearDown() override { form->Free(); }
    TEdit* Child(int left, int top)
    {
        auto* child = new TEdit(form);
        child->SetBounds(left, top, 60, 20);
        child->SetParent(box);
        return child;
    }

    TForm* form = nullptr;
    TVezScrollBox* box = nullptr;
    int steps = 0;
    int ends = 0;
};

TEST_F(ScrollBoxes, DraggingTheThumbGivesStepsThenOneEnd)
{
    box->SetBorderStyle(bsNone);
    auto* low = Child(10, 400);
    Pump();
    ASSERT_TRUE(box->VertScrollBar()->IsScrollBarVisible());
    const int x = box->Width() - GetSystemMetrics(SM_CXVSCROLL) / 2;
    const int thumb = GetSystemMetrics(SM_CYVSCROLL) + 3;
    FrameMouseDown(box, {x, thumb});
    for (int y = thumb + 5; y <= thumb + 20; y += 5)
        FrameMouseMove(box, {x, y}, {ssLeft});
    EXPECT_EQ(ends, 0);
    FrameMouseUp(box, {x, thumb + 20});
    EXPECT_GE(steps, 4);
    EXPECT_EQ(ends, 1);
    EXPECT_GT(box->VertScrollBar()->Position(), 0);
    EXPECT_EQ(low->Top(), 400 - box->VertScrollBar()->Position());
    // A line step by message: one step and one end, as the bar's arrow sends them.
    steps = ends = 0;
    SendMessage(box->Handle(), WM_VSCROLL, SB_LINEDOWN, 0);
    SendMessage(box->Handle(), WM_VSCROLL, SB_ENDSCROLL, 0);
    EXPECT_EQ(steps, 1);
    EXPECT_EQ(ends, 1);
}

TEST_F(ScrollBoxes, TheClientShowsTheParentsBackgroundAlsoAfterScrolling)
{
    box->SetBorderStyle(bsNone);
    Child(10, 400);
    Pump();
    EXPECT_EQ(Render(box)->Canvas()->Pixels(100, 50), clYellow);
    SendMessage(box->Handle(), WM_VSCROLL, SB_PAGEDOWN, 0);
    Pump();
    EXPECT_EQ(Render(box)->Canvas()->Pixels(100, 50), clYellow);
    EXPECT_EQ(box->Version(), "1.1.0.3");
}

TEST_F(ScrollBoxes, TheBorderColourOnlyOnAFlatSingleBorder)
{
    const struct
    {
        TBorderStyle style;
        bool ctl3D;
        bool drawn;
    } cases[] = {{bsSingle, false, true}, {bsNone, false, false}, {bsSingle, true, false}};
    for (const auto& c : cases) {
        box->SetBorderStyle(c.style);
        box->SetCtl3D(c.ctl3D);
        box->SetBorderColor(clBlue);
        Pump();
        auto shot = Render(box);
        for (const TPoint p : {TPoint{0, 0}, TPoint{199, 0}, TPoint{199, 99}, TPoint{0, 99}, TPoint{100, 99}})
            EXPECT_EQ(shot->Canvas()->Pixels(p.X, p.Y) == clBlue, c.drawn)
                << c.style << c.ctl3D << " at " << p.X << "," << p.Y;
        box->SetBorderColor(clSilver);
    }
}

TEST_F(ScrollBoxes, FocusScrollsAChildIntoViewOnlyWithAutoScroll)
{
    box->SetBorderStyle(bsNone);
    auto* top = Child(10, 10);
    auto* low = Child(10, 400);
    box->SetAutoScroll(false);
    box->VertScrollBar()->SetRange(500);
    low->SetFocus();
    EXPECT_EQ(box->VertScrollBar()->Position(), 0);
    box->SetAutoScroll(true);
    top->SetFocus();
    low->SetFocus();
    EXPECT_GT(box->VertScrollBar()->Position(), 0);
    EXPECT_LE(low->Top() + low->Height(), box->ClientHeight());
}

TEST_F(ScrollBoxes, Looks)
{
    form->SetColor(0xF0E0D0);
    box->SetBounds(10, 10, 240, 120);
    box->SetCtl3D(false);
    box->SetBorderColor(0x808080);
    std::vector<TEdit*> edits;
    for (int i = 0; i < 8; ++i) {
        auto* label = new TLabel(form);
        label->SetCaption("Advanced setting " + std::to_string(i + 1));
        label->SetTransparent(true);
        label->SetBounds(8, 8 + 30 * i, 130, 20);
        label->SetParent(box);
        edits.push_back(Child(140, 6 + 30 * i));
        edits.back()->SetText(std::to_string(100 * (i + 1)));
    }
    SendMessage(box->Handle(), WM_VSCROLL, SB_LINEDOWN, 0);
    Pump();
    const auto shot = Render(form);
    SaveScreenshot(*shot, "scroll_box", 2);
    EXPECT_EQ(CountPixels(*shot, {10, 10, 250, 11}, 0x808080), 240) << "the border's top";
    EXPECT_EQ(CountPixels(*shot, {10, 10, 11, 130}, 0x808080), 120) << "its left";
    EXPECT_EQ(CountPixels(*shot, {249, 10, 250, 130}, 0x808080), 120) << "its right";
    EXPECT_EQ(CountPixels(*shot, {10, 129, 250, 130}, 0x808080), 240) << "its bottom";
    EXPECT_EQ(shot->Canvas()->Pixels(225, 70), 0xF0E0D0u) << "the form shows between the children";
    EXPECT_NE(shot->Canvas()->Pixels(240, 70), 0xF0E0D0u) << "the vertical bar";
    // The edits stand where the scrolling moved them, inside the one-pixel border.
    ASSERT_GT(box->VertScrollBar()->Position(), 0);
    const TEdit* second = edits[1];
    EXPECT_EQ(second->Top(), 36 - box->VertScrollBar()->Position());
    EXPECT_EQ(shot->Canvas()->Pixels(11 + second->Left() + 50, 11 + second->Top() + 10), clWhite);
    EXPECT_EQ(shot->Canvas()->Pixels(11 + second->Left() + 50, 11 + second->Top() - 2), 0xF0E0D0u);
}

} // namespace
