#include "controls/toolbars/floating_frame.h"
#include "dock_test_support.h"
#include "loop_script.h"
#include "platform/gui/standard/edits.h"
#include "platform/gui/windows/cursors.h"
#include "platform/gui/windows/message_loop.h"
#include "platform/gui/windows/overlay_window.h"
#include "platform/gui/windows/window_enumeration.h"
#include "platform/gui/windows/window_functions.h"

// Dragging docked windows by their grips with the mouse: along a row, into other rows and docks, out into a
// floating frame, and what Ctrl, Escape, a refusing dock and a window that cannot float change.

namespace {

class DockDrag : public DockFixture
{
protected:
    void SetUp() override
    {
        DockFixture::SetUp();
        form->SetClientSize({400, 300});
        bottom = AddDock(dpBottom, "BottomDock");
        // Keys go to the edit, which has the focus.
        edit = new TEdit(form);
        edit->SetParent(form);
        edit->SetBounds(300, 100, 80, 22);
        edit->SetFocus();
    }
    // Presses the grip of bar, takes the steps inside the drag, and lets go at release, a point of target's
    // client area (without a target the steps end the drag).
    void Drag(TFakeBar* bar, std::vector<TLoopStep> steps, TWinControl* target = nullptr, TPoint release = {})
    {
        if (target)
            steps.push_back({[=] { MouseUp(target, release); }});
        TLoopScript script(std::move(steps));
        FrameMouseDown(bar, Grip);
        Pump();
    }
    // A step that moves the pointer with the left button held to a point of target's client area.
    static TLoopStep MoveTo(TWinControl* target, TPoint p)
    {
        return {[=] { MouseMove(target, p, ssLeft); }};
    }

    // The grip of a window in a top or bottom dock, in window coordinates.
    static constexpr TPoint Grip{4, 10};
    TBarDock* bottom = nullptr;
    TEdit* edit = nullptr;
};

TEST_F(DockDrag, IntoAnotherDockAndOutIntoAFrame)
{
    TFakeBar* bar = AddBar(top, 0, 0);
    const HWND handle = bar->Handle();
    Drag(bar, {MoveTo(form, {200, 150}), MoveTo(form, {200, 295})}, form, {200, 295});
    EXPECT_EQ(bar->CurrentDock(), bottom);
    EXPECT_EQ(bar->Handle(), handle);
    EXPECT_EQ(top->Height(), 0);
    EXPECT_EQ(bottom->Height(), 24);

    Drag(bar, {MoveTo(form, {150, 120})}, form, {150, 120});
    ASSERT_TRUE(bar->Floating());
    const TPoint cursor = form->ClientToScreen({150, 120});
    TBarFloatingWindowParent* frame = bar->FloatParent();
    EXPECT_TRUE(PtInRect(frame->BoundsRect(), cursor)) << "the frame lies under the pointer";
    EXPECT_EQ(bottom->Height(), 0);
    EXPECT_EQ(bar->DockRow(), 0) << "a window out of its docks keeps the row it had";
}

TEST_F(DockDrag, CtrlARefusingDockAndAWindowThatCannotFloat)
{
    TFakeBar* bar = AddBar(top, 0, 0);
    // Ctrl held: no dock takes the window, however near.
    Drag(bar, {MoveTo(form, {200, 295}), {[this] { KeyDown(edit, "C-Ctrl"); }}}, form, {200, 295});
    KeyUp(edit, "Ctrl");
    EXPECT_TRUE(bar->Floating());

    bar->SetCurrentDock(top);
    bool asked = false;
    bottom->OnRequestDock = [&asked](TObject*, TBarCustomDockableWindow*, bool& accept) {
        asked = true;
        accept = false;
    };
    Drag(bar, {MoveTo(form, {200, 295})}, form, {200, 295});
    EXPECT_TRUE(asked);
    EXPECT_TRUE(bar->Floating()) << "the refusing dock is passed over";
    bottom->OnRequestDock = nullptr;

    bar->SetCurrentDock(top);
    bar->SetDockMode(dmCannotFloat);
    HCURSOR shown = nullptr;
    Drag(bar, {MoveTo(form, {200, 150}), {[&shown] { shown = GetCursor(); }}}, form, {200, 150});
    EXPECT_EQ(shown, CursorShape(crNo)) << "outside every dock the pointer says no";
    EXPECT_EQ(bar->CurrentDock(), top) << "and letting go there changes nothing";
    EXPECT_FALSE(bar->Floating());
}

TEST_F(DockDrag, EscapeCancelsAnOutlineDrag)
{
    TFakeBar* bar = AddBar(top, 0, 0);
    bar->SetSmoothDrag(false);
    bool outlined = false;
    Drag(bar, {MoveTo(form, {180, 140}),
               {[&] {
                   // The outline shows where the window would float; the window has not moved.
                   std::vector<TOverlayWindow*> overlays;
                   EnumWindows(
                       [&overlays](HWND window, LPARAM) {
                           if (auto* overlay = dynamic_cast<TOverlayWindow*>(FindControl(window));
                               overlay && IsWindowVisible(window))
                               overlays.push_back(overlay);
                           return true;
                       },
                       0);
                   ASSERT_EQ(overlays.size(), 1u);
                   outlined = true;
                   EXPECT_EQ(bar->CurrentDock(), top);
               }},
               {[this] { Press(edit, "Esc"); }}});
    EXPECT_TRUE(outlined);
    EXPECT_EQ(bar->CurrentDock(), top) << "cancelled: nothing moved";
    EXPECT_FALSE(bar->InDragMode());
}

TEST_F(DockDrag, AQuitRequestCancelsTheDragAndIsPostedAgain)
{
    TFakeBar* bar = AddBar(top, 0, 0);
    bar->SetSmoothDrag(false);
    {
        TLoopScript script({MoveTo(form, {200, 295}), {[] { PostQuitMessage(4); }}});
        FrameMouseDown(bar, Grip);
    }
    EXPECT_EQ(bar->CurrentDock(), top) << "cancelled: nothing moved";
    EXPECT_FALSE(bar->InDragMode());
    TMsg msg;
    ASSERT_TRUE(PeekMessage(msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the program still ends";
    EXPECT_EQ(msg.wParam, 4u);
}

TEST_F(DockDrag, ARowSharedAndTooShortSplitsAfterTenPixels)
{
    top->SetLimitToOneRow(true);
    form->SetClientSize({304, 300});
    TFakeBar* a = AddBar(top, 0, 0, {200, 20});
    TFakeBar* b = AddBar(top, 0, 0, {200, 20});
    for (TFakeBar* bar : {a, b}) {
        bar->Shrink = tbsmChevron;
        bar->MinShrink = 50;
    }
    top->ArrangeToolbars();
    const TPoint start = top->ScreenToClient(b->ClientToScreen({-6, 10}));
    std::vector<bool> splitting;
    auto note = [&] { splitting.push_back(b->DragSplitting()); };
    Drag(b,
         {MoveTo(top, {start.X - 5, start.Y}),
          {note},
          MoveTo(top, {start.X - 12, start.Y}),
          {note},
          MoveTo(top, {start.X - 40, start.Y}),
          {note}},
         top, {start.X - 40, start.Y});
    EXPECT_EQ(splitting, (std::vector<bool>{false, true, true}));
    EXPECT_EQ(a->EffectiveDockRow(), 0);
    EXPECT_EQ(b->EffectiveDockRow(), 0) << "moved along its row, never out of it";
}

TEST_F(DockDrag, WhereInARowTheWindowIsDroppedDecidesItsRow)
{
    // Two rows of 24 pixels; a third window from the bottom dock dropped at a height over the top dock,
    // its grip 10 pixels below its top: the middle of its outline 2 pixels below the pointer.
    const struct
    {
        int pointerY;
        bool fullSize;
        int row;       // of the dropped window
        int rowsAfter; // rows of the dock afterwards
    } table[] = {
        {1, false, 0, 3},  // the top quarter of row 0: a new row before it
        {10, false, 0, 2}, // its middle half: joins it
        {24, false, 1, 3}, // the top quarter of row 1
        {33, false, 1, 2}, // the middle of row 1
        {46, false, 2, 3}, // below the rows: a new row after them
        {5, true, 0, 3},   // a full-size window in the upper half of a row opens a new row
    };
    for (const auto& row : table) {
        TFakeBar* a = AddBar(top, 0, 0);
        TFakeBar* b = AddBar(top, 1, 0);
        TFakeBar* c = AddBar(bottom, 0, 0);
        c->SetFullSize(row.fullSize);
        c->SetSmoothDrag(false);
        Drag(c, {MoveTo(top, {200, row.pointerY}), MoveTo(top, {200, row.pointerY})}, top,
             {200, row.pointerY});
        EXPECT_EQ(c->CurrentDock(), top) << "pointer at " << row.pointerY;
        EXPECT_EQ(c->EffectiveDockRow(), row.row) << "pointer at " << row.pointerY;
        EXPECT_EQ(top->Height(), 24 * row.rowsAfter) << "pointer at " << row.pointerY;
        for (TFakeBar* bar : {a, b, c})
            bar->Free();
    }
}

} // namespace
