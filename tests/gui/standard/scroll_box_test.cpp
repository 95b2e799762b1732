#include "platform/gui/standard/scroll_box.h"
#include "platform/gui/windows/scroll_bars.h"
#include "platform/gui/windows/system_metrics.h"
#include "std_controls_test_support.h"

#include <gtest/gtest.h>

namespace {

class ScrollBoxes : public testing::Test
{
protected:
    void SetUp() override
    {
        form = ShowTestForm(400, 300);
        box = new TScrollBox(form);
        box->SetBorderStyle(bsNone);
        box->SetBounds(0, 0, 200, 100);
        box->SetParent(form);
    }
    void TearDown() override { form->Free(); }
    TRecorder* Child(int left, int top, int width = 50, int height = 20)
    {
        auto* child = new TRecorder(form, nullptr, "child");
        child->SetBounds(left, top, width, height);
        child->SetParent(box);
        return child;
    }
    TForm* form = nullptr;
    TScrollBox* box = nullptr;
};

TEST_F(ScrollBoxes, RangesFollowTheChildrenAndBarsShowWhenTheyDoNotFit)
{
    Child(10, 10);
    EXPECT_FALSE(box->VertScrollBar()->IsScrollBarVisible());
    EXPECT_FALSE(box->HorzScrollBar()->IsScrollBarVisible());
    auto* low = Child(10, 250);
    EXPECT_EQ(box->VertScrollBar()->Range(), 270);
    EXPECT_TRUE(box->VertScrollBar()->IsScrollBarVisible());
    EXPECT_FALSE(box->HorzScrollBar()->IsScrollBarVisible());
    EXPECT_EQ(box->ClientWidth(), 200 - GetSystemMetrics(SM_CXVSCROLL));
    // A child just fitting the width needs the horizontal bar once the vertical one takes room.
    Child(0, 0, 195, 10);
    EXPECT_TRUE(box->HorzScrollBar()->IsScrollBarVisible());
    low->SetTop(20);
    EXPECT_EQ(box->VertScrollBar()->Range(), 40);
    EXPECT_FALSE(box->VertScrollBar()->IsScrollBarVisible());
    EXPECT_FALSE(box->HorzScrollBar()->IsScrollBarVisible());
}

TEST_F(ScrollBoxes, PositionMovesTheChildrenAndStaysInRange)
{
    auto* child = Child(10, 250);
    auto* aligned = new TRecorder(form, nullptr, "top");
    aligned->SetHeight(15);
    aligned->SetAlign(alTop);
    aligned->SetParent(box);
    const int page = box->ClientHeight();
    box->VertScrollBar()->SetPosition(100);
    EXPECT_EQ(child->Top(), 150);
    EXPECT_EQ(aligned->Top(), -100);
    EXPECT_EQ(GetScrollPos(box->Handle(), SB_VERT), 100);
    box->VertScrollBar()->SetPosition(1000);
    EXPECT_EQ(box->VertScrollBar()->Position(), 270 - page);
    EXPECT_EQ(child->Top() + child->Height(), page);
    // The range does not change while scrolled.
    EXPECT_EQ(box->VertScrollBar()->Range(), 270);
}

TEST_F(ScrollBoxes, ScrollMessagesWheelAndScrollInView)
{
    auto* low = Child(10, 250);
    auto* high = Child(10, 0);
    const int page = box->ClientHeight();
    struct Case
    {
        unsigned code;
        int expected;
    };
    const Case cases[] = {
        {SB_LINEDOWN, 8}, {SB_PAGEDOWN, 8 + page}, {SB_LINEUP, page}, {SB_TOP, 0}, {SB_BOTTOM, 270 - page}};
    for (const Case& c : cases) {
        SendMessage(box->Handle(), WM_VSCROLL, c.code, 0);
        EXPECT_EQ(box->VertScrollBar()->Position(), c.expected) << "code " << c.code;
    }
    box->ScrollInView(high);
    EXPECT_EQ(box->VertScrollBar()->Position(), 0);
    box->ScrollInView(low);
    EXPECT_EQ(low->Top() + low->Height(), page);
    // The wheel: one notch down is three lines.
    box->VertScrollBar()->SetPosition(0);
    SendMessage(box->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
    EXPECT_EQ(box->VertScrollBar()->Position(), 24);
    // The focus going to a child scrolls it into view.
    low->SetFocus();
    EXPECT_EQ(low->Top() + low->Height(), page);
    high->SetFocus();
    EXPECT_EQ(high->Top(), 0);
    box->SetAutoScroll(false);
    low->SetFocus();
    EXPECT_EQ(high->Top(), 0);
}

} // namespace
