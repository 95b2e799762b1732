#include "controls/grid/grid_cursors.h"
#include "controls/grid/scroll_control.h"
#include "gui_driver.h"
#include "manual_clock.h"
#include "paint_test_support.h"

#include "platform/gui/forms/screen.h"
#include "platform/gui/windows/scroll_bars.h"
#include "platform/gui/windows/window_functions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Rows 10 pixels high; writes down the scrolling and the scroll events in order.
class TRowView : public TGxScrollControl
{
public:
    explicit TRowView(TComponent* owner) : TGxScrollControl(owner)
    {
        OnVerticalScroll = [this](TObject*, int position) { log.push_back("v" + std::to_string(position)); };
        OnHorizontalScroll = [this](TObject*, int position) {
            log.push_back("h" + std::to_string(position));
        };
    }
    int GetVertScrollDelta(int oldPos, int newPos) override { return (oldPos - newPos) * 10; }
    int GetHorzScrollDelta(int oldPos, int newPos) override { return oldPos - newPos; }
    std::vector<std::string> log;

protected:
    void BeforeScroll(TGxScrollBarKind kind, int dx, int dy) override
    {
        log.push_back(std::string("before ") + (kind == skVertical ? "v " : "h ") + std::to_string(dx) + "," +
                      std::to_string(dy));
    }
    void AfterScroll(TGxScrollBarKind) override { log.push_back("after"); }
    void Paint() override
    {
        paintedClips.push_back(Canvas()->ClipRect());
        Canvas()->Brush()->SetColor(clWhite);
        Canvas()->FillRect(ClientRect());
    }

public:
    std::vector<TRect> paintedClips;
};

class ScrollControl : public testing::Test
{
protected:
    void SetUp() override
    {
        form = ShowTestForm(300, 260);
        view = new TRowView(form);
        view->SetParent(form);
        view->SetBounds(10, 10, 200, 200);
        bar = view->VertScrollBar();
        bar->SetValues(100, 10, 10);
        Pump();
        view->log.clear();
    }
    void TearDown() override { form->Free(); }

    void Scroll(unsigned code) { SendMessage(view->Handle(), WM_VSCROLL, code, 0); }

    TManualClock clock;
    TForm* form = nullptr;
    TRowView* view = nullptr;
    TGxScrollBar* bar = nullptr;
};

} // namespace

TEST_F(ScrollControl, ScrollCodesMoveThePositionWithinTheRange)
{
    const struct
    {
        int from;
        unsigned code;
        int expected;
    } cases[] = {
        {0, SB_LINEDOWN, 1},    {5, SB_LINEUP, 4},     {0, SB_LINEUP, 0},     {50, SB_PAGEDOWN, 60},
        {5, SB_PAGEUP, 0},      {90, SB_PAGEDOWN, 91}, {91, SB_LINEDOWN, 91}, {40, SB_TOP, 0},
        {40, SB_BOTTOM, 91}, // Max is corrected to the last full page
        {40, SB_ENDSCROLL, 40},
    };
    for (const auto& c : cases) {
        bar->SetPosition(c.from);
        view->log.clear();
        Scroll(c.code);
        EXPECT_EQ(bar->Position(), c.expected) << c.from << " code " << c.code;
        // The event tells of the position also when nothing moved.
        EXPECT_EQ(view->log.back(), "v" + std::to_string(c.expected)) << c.code;
    }
    bar->SetPosition(40);
    Scroll(SB_PAGEDOWN);
    EXPECT_EQ(bar->ScrollKind(), rkPage);
    Scroll(SB_ENDSCROLL);
    EXPECT_EQ(bar->ScrollKind(), rkPage);
    bar->Last();
    EXPECT_EQ(bar->Position(), 91);
    EXPECT_TRUE(bar->IsLast());
    bar->SetPosition(500);
    EXPECT_EQ(bar->Position(), 100); // the setter clamps to Max itself
    bar->SetPosition(-5);
    EXPECT_TRUE(bar->IsFirst());
}

TEST_F(ScrollControl, PositionChangesMoveTheContentUnlessHeld)
{
    bar->SetPosition(3);
    EXPECT_EQ(view->log, (std::vector<std::string>{"v3", "before v 0,-30", "after"}));
    EXPECT_EQ(GetScrollPos(view->Handle(), SB_VERT), 3);

    view->log.clear();
    bar->BeginUpdate();
    bar->SetPosition(5);
    bar->EndUpdate();
    bar->SetManualScroll(true);
    bar->SetPosition(7);
    EXPECT_EQ(view->log,
              (std::vector<std::string>{"v5", "v7"})); // the window's bar followed, the content not
    EXPECT_EQ(GetScrollPos(view->Handle(), SB_VERT), 7);
    bar->SetManualScroll(false);

    view->log.clear();
    bar->SetMax(4); // below the position: the position follows, and so does the content
    EXPECT_EQ(bar->Position(), 4);
    EXPECT_EQ(view->log.back(), "after");
    EXPECT_EQ(bar->OldPosition(), 7);

    view->log.clear();
    view->HorzScrollBar()->SetValues(500, 100, 100);
    view->HorzScrollBar()->MoveBy(20);
    EXPECT_EQ(view->log, (std::vector<std::string>{"h20", "before h -20,0", "after"}));
}

TEST_F(ScrollControl, ContentMovesWithinItsClipRectangleAndOnlyTheUncoveredStripIsPainted)
{
    view->HorzScrollBar()->SetValues(500, 100, 100);
    Pump();
    const int width = view->ClientWidth();
    const int height = view->ClientHeight();
    view->SetVertScrollClipRect({0, 40, width, height}); // the rows below a 40-pixel header
    view->SetHorzScrollClipRect({30, 0, width, height}); // right of a 30-pixel indicator
    const struct
    {
        TGxScrollBar* bar;
        int dx, dy;
        TRect uncovered;
    } cases[] = {
        {bar, 0, -20, {0, height - 20, width, height}},
        {bar, 0, 20, {0, 40, width, 60}},
        {view->HorzScrollBar(), -15, 0, {width - 15, 0, width, height}},
        {view->HorzScrollBar(), 15, 0, {30, 0, 45, height}},
    };
    for (const auto& c : cases) {
        view->paintedClips.clear();
        view->ScrollContent(c.bar, c.dx, c.dy);
        view->Update();
        EXPECT_EQ(view->paintedClips, std::vector<TRect>{c.uncovered}) << c.dx << "," << c.dy;
    }
}

TEST_F(ScrollControl, StepsGoTheWayOfTheScrollMessages)
{
    bar->SetPosition(0);
    view->log.clear();
    bar->Prior(); // at 0: nothing is sent
    bar->Next();
    bar->PageDown();
    bar->PageUp();
    EXPECT_EQ(view->log,
              (std::vector<std::string>{"v1", "before v 0,-10", "after", "v1", "v11", "before v 0,-100",
                                        "after", "v11", "v1", "before v 0,100", "after", "v1"}));
    EXPECT_EQ(bar->ScrollKind(), rkPage);
    view->log.clear();
    bar->SetValues(0, 10, 10);
    bar->Next();
    bar->PageDown();
    EXPECT_TRUE(view->log.empty()); // Max 0: nothing is sent
}

TEST_F(ScrollControl, AutoHideHidesTheWindowsBarAndOtherwiseDisablesIt)
{
    const int withBar = view->ClientWidth();
    bar->SetPageSize(200);
    bar->SetMax(150); // the page covers the range
    EXPECT_FALSE(bar->Visible());
    EXPECT_GT(view->ClientWidth(), withBar);

    bar->SetAutoHide(false);
    EXPECT_TRUE(bar->Visible());
    bar->SetMax(120);
    EXPECT_EQ(view->ClientWidth(), withBar); // kept, drawn disabled
    auto disabled = Render(view);
    SaveScreenshot(*disabled, "scroll_control_disabled_bar");
    // The bar's strip beside the client area, its arrows unlike those of a bar that scrolls.
    const TRect strip{withBar, 0, view->Width(), view->Height()};
    EXPECT_EQ(CountPixels(*disabled, strip, clWhite), 0);
    bar->SetMax(500);
    auto enabled = Render(view);
    const TRect topArrow{strip.Left, strip.Top, strip.Right, strip.Top + strip.Width()};
    EXPECT_GT(DifferingPixels(*disabled, *enabled, topArrow), 0);

    bar->SetMax(-4);
    EXPECT_EQ(bar->Max(), 0);
    bar->SetMin(-1);
    EXPECT_EQ(bar->Min(), 0);
    bar->SetPageSize(0);
    EXPECT_EQ(bar->PageSize(), 1);
}

TEST_F(ScrollControl, WheelStopsHereWhileEnabled)
{
    int wheelEvents = 0;
    view->OnMouseWheelDown = [&](TObject*, TShiftState, TPoint, bool&) { ++wheelEvents; };
    Wheel(view, {50, 50}, -120);
    EXPECT_EQ(wheelEvents, 0);
    view->SetMouseWheelEnabled(false);
    Wheel(view, {50, 50}, -120);
    EXPECT_EQ(wheelEvents, 1);
    EXPECT_EQ(view->Perform(WM_GETDLGCODE, 0, 0), static_cast<LRESULT>(DLGC_WANTARROWS));
    EXPECT_EQ(view->Perform(WM_ERASEBKGND, 0, 0), 1);
}

TEST_F(ScrollControl, RollScrollingGoesFasterFartherFromItsStart)
{
    bar->SetPosition(50);
    MouseDown(view, {100, 100}, mbMiddle);
    EXPECT_TRUE(view->ViewState().Contains(vsRolling));
    EXPECT_EQ(GetCapture(), view->Handle());
    TRollShadow& marker = *view->RollShadow();
    EXPECT_TRUE(marker.Visible());
    const TPoint start = view->ClientToScreen({100, 100});
    EXPECT_EQ(marker.BoundsRect(), Bounds(start.X - 7, start.Y - 11, 32, 32));
    EXPECT_EQ(marker.Cursor(), crRoll);

    MouseUp(view, {100, 100}, mbMiddle);

    // Each roll starts with a step after 1 ms; then the pause is 100 ms less the pointer's distance.
    const struct
    {
        int y;
        TCursor cursor;
        int positionAfter100ms;
    } moves[] = {
        {95, crRoll, 50},      // within 5 pixels: no scrolling
        {105, crRoll, 50},     //
        {106, crRollDown, 52}, // steps at 1 and 95 ms
        {5, crRollUp, 30},     // 95 pixels above: steps at 1, 6, 11 ... 96 ms
    };
    for (const auto& move : moves) {
        bar->SetPosition(50);
        MouseDown(view, {100, 100}, mbMiddle);
        MouseMove(view, {100, move.y}, ssMiddle);
        EXPECT_EQ(Screen->Cursor(), move.cursor) << move.y;
        EXPECT_EQ(marker.Cursor(), move.cursor) << move.y;
        clock.Advance(100);
        EXPECT_EQ(bar->Position(), move.positionAfter100ms) << move.y;
        MouseUp(view, {100, move.y}, mbMiddle);
        EXPECT_FALSE(view->ViewState().Contains(vsRolling));
        EXPECT_FALSE(marker.Visible());
        EXPECT_EQ(Screen->Cursor(), crDefault);
        EXPECT_EQ(GetCapture(), nullptr);
        const int stopped = bar->Position();
        clock.Advance(500);
        EXPECT_EQ(bar->Position(), stopped);
    }
}

TEST_F(ScrollControl, RollingStopsWhenTheCaptureIsTaken)
{
    MouseDown(view, {100, 100}, mbMiddle);
    MouseMove(view, {100, 150}, ssMiddle);
    SetCapture(form->Handle());
    EXPECT_FALSE(view->ViewState().Contains(vsRolling));
    EXPECT_EQ(Screen->Cursor(), crDefault);
    const int position = bar->Position();
    clock.Advance(500);
    EXPECT_EQ(bar->Position(), position);
    ReleaseCapture();

    view->SetScrollStyle({});
    MouseDown(view, {100, 100}, mbMiddle);
    EXPECT_FALSE(view->ViewState().Contains(vsRolling));
    MouseUp(view, {100, 100}, mbMiddle);
}

TEST_F(ScrollControl, TabHelpersMoveTheFocusInTabOrder)
{
    auto* before = new TGxScrollControl(form);
    before->SetParent(form);
    view->SetTabStop(true);
    before->SetTabStop(true);
    before->SetTabOrder(0);
    auto* after = new TGxScrollControl(form);
    after->SetParent(form);
    after->SetTabStop(true);
    view->SetFocus();
    view->TabToNextControl();
    EXPECT_TRUE(after->Focused());
    view->SetFocus();
    view->TabToPrevControl();
    EXPECT_TRUE(before->Focused());
}
