#include "controls/toolbars/dock_helpers.h"
#include "controls/toolbars/floating_frame.h"
#include "dock_test_support.h"
#include "loop_script.h"
#include "platform/gui/forms/screen.h"
#include "platform/gui/standard/edits.h"
#include "platform/gui/windows/message_loop.h"
#include "platform/gui/windows/window_functions.h"

// A window floating in its frame: the frame's hit codes, its keys, how it follows its form, and its place on
// the screen.

namespace {

class Floating : public DockFixture
{
protected:
    TFakeBar* FloatingBar()
    {
        TFakeBar* bar = AddBar(top, 0, 0);
        bar->SetFloatingPosition({60, 80});
        bar->SetFloating(true);
        Pump();
        return bar;
    }
    static int FrameHit(TBarFloatingWindowParent* frame, TPoint p)
    {
        return static_cast<int>(
            frame->Perform(WM_NCHITTEST, 0, MAKELPARAM(frame->Left() + p.X, frame->Top() + p.Y)));
    }
};

TEST_F(Floating, TheFrameHoldsTheWindowAndBelongsToItsForm)
{
    TFakeBar* bar = FloatingBar();
    TBarFloatingWindowParent* frame = bar->FloatParent();
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(bar->Floating());
    EXPECT_FALSE(bar->Docked());
    EXPECT_EQ(bar->Parent(), frame);
    EXPECT_EQ(FindOwningForm(bar), form) << "the form, never the frame";
    EXPECT_EQ(frame->BoundsRect(), Bounds(60, 80, 50 + 8, 20 + 17 + 8))
        << "a sizing border and a small caption";
    EXPECT_EQ(bar->BoundsRect(), Bounds(0, 0, 50, 20));
    EXPECT_TRUE(IsWindowVisible(frame->Handle()));
    EXPECT_EQ(TBarCustomDockableWindow::FloatingWindows(), (std::vector<TBarCustomDockableWindow*>{bar}));
    // The frame follows its form's showing (whatever becomes of the activation meanwhile).
    bar->SetHideWhenInactive(false);
    form->Hide();
    EXPECT_FALSE(IsWindowVisible(frame->Handle()));
    form->Show();
    Pump();
    EXPECT_TRUE(IsWindowVisible(frame->Handle()));
    // Back into its dock with a double click on the caption.
    const HWND handle = bar->Handle();
    frame->Perform(WM_NCLBUTTONDBLCLK, HTBARCAPTION, MAKELPARAM(frame->Left() + 20, frame->Top() + 10));
    EXPECT_EQ(bar->CurrentDock(), top);
    EXPECT_EQ(bar->Handle(), handle);
    EXPECT_EQ(bar->FloatParent(), nullptr) << "the frame goes";
    EXPECT_TRUE(TBarCustomDockableWindow::FloatingWindows().empty());
}

TEST_F(Floating, FrameHitCodes)
{
    // The frame of a 50 x 20 window: 58 x 45, borders of 4 (3 when it cannot be sized), a caption of 17.
    const struct
    {
        const char* name;
        bool resizable;
        bool eightCorners;
        bool caption;
        std::vector<std::pair<TPoint, int>> hits;
    } table[] = {
        {"sized from eight places",
         true,
         true,
         true,
         {{{25, 10}, HTBARCAPTION},
          {{45, 10}, HTBARCLOSE},
          {{25, 30}, HTCLIENT},
          {{1, 5}, HTTOPLEFT},
          {{1, 22}, HTLEFT},
          {{1, 42}, HTBOTTOMLEFT},
          {{10, 1}, HTTOPLEFT},
          {{30, 1}, HTTOP},
          {{45, 1}, HTTOPRIGHT},
          {{56, 22}, HTRIGHT},
          {{56, 42}, HTBOTTOMRIGHT},
          {{30, 43}, HTBOTTOM}}},
        {"sized by the edges only",
         true,
         false,
         true,
         {{{1, 5}, HTLEFT}, {{30, 1}, HTTOP}, {{56, 42}, HTBOTTOM}, {{56, 22}, HTRIGHT}}},
        {"not resizable", false, true, true, {{{1, 22}, HTNOWHERE}, {{25, 10}, HTBARCAPTION}}},
        {"no caption", true, true, false, {{{30, 1}, HTTOP}, {{25, 10}, HTCLIENT}}},
    };
    for (const auto& row : table) {
        TFakeBar* bar = AddBar(top, 0, 0);
        bar->SetResizable(row.resizable);
        bar->SetShowCaption(row.caption);
        bar->SetDockableWindowStyles(row.eightCorners ? TBarDockableWindowStyles{tbdsResizeEightCorner}
                                                      : TBarDockableWindowStyles{});
        bar->SetFloating(true);
        for (const auto& [point, hit] : row.hits)
            EXPECT_EQ(FrameHit(bar->FloatParent(), point), hit)
                << row.name << " at " << point.X << "," << point.Y;
        bar->Free();
    }
}

TEST_F(Floating, KeysOnThePaletteGoToItsForm)
{
    TFakeBar* bar = FloatingBar();
    int asked = 0;
    form->OnCloseQuery = [&asked](TObject*, bool& canClose) {
        ++asked;
        canClose = false;
    };
    auto* edit = new TEdit(form);
    edit->SetParent(form);
    EXPECT_EQ(bar->FloatParent()->Perform(CM_DIALOGKEY, VK_ESCAPE, 0), 1);
    EXPECT_EQ(GetActiveWindow(), form->Handle()) << "Escape gives the form back its focus";
    SetFocus(bar->FloatParent()->Handle());
    Pump();
    EXPECT_EQ(GetActiveWindow(), form->Handle()) << "activated anyway, the palette hands the activation back";
    Press(bar, "A-F4");
    EXPECT_EQ(asked, 1) << "Alt+F4 closes the form, not the palette";
    EXPECT_TRUE(bar->Visible());
}

TEST_F(Floating, ThePaletteHandsBackAFormThatKeepsItsFocusedControl)
{
    TFakeBar* bar = FloatingBar();
    auto* edit = new TEdit(form);
    edit->SetParent(form);
    const struct
    {
        const char* what;
        std::function<void()> act;
    } table[] = {
        {"Escape on the palette", [&] { Press(bar, "Esc"); }},
        {"a click on the palette",
         [&] {
             // The press starts a move of the window, which its release ends.
             TLoopScript script({{[&] { MouseUp(bar, {10, 10}); }}});
             MouseDown(bar, {10, 10});
         }},
        {"the palette activated", [&] { SetFocus(bar->FloatParent()->Handle()); }},
    };
    for (const auto& row : table) {
        edit->SetFocus();
        Pump();
        row.act();
        Pump();
        EXPECT_EQ(GetActiveWindow(), form->Handle()) << row.what;
        EXPECT_EQ(GetFocus(), edit->Handle()) << row.what;
    }
}

TEST_F(Floating, TheCloseButtonClosesOnlyWhenReleasedOverIt)
{
    TFakeBar* bar = FloatingBar();
    TBarFloatingWindowParent* frame = bar->FloatParent();
    const TPoint button{45, 10};
    {
        TLoopScript script({{[&] {
                                FrameMouseMove(frame, {20, 30}, ssLeft);
                            }},
                            {[&] {
                                FrameMouseUp(frame, {20, 30});
                            }}});
        FrameMouseDown(frame, button);
    }
    EXPECT_TRUE(bar->Visible());
    {
        TLoopScript script({{[&] { FrameMouseUp(frame, button); }}});
        FrameMouseDown(frame, button);
    }
    EXPECT_FALSE(bar->Visible());
    EXPECT_FALSE(IsWindowVisible(frame->Handle())) << "the frame hides with its window";
}

TEST_F(Floating, AQuitRequestDuringAPressOnTheCloseButtonEndsItAndIsPostedAgain)
{
    TFakeBar* bar = FloatingBar();
    TBarFloatingWindowParent* frame = bar->FloatParent();
    {
        TLoopScript script({{[] { PostQuitMessage(7); }}});
        FrameMouseDown(frame, {45, 10});
    }
    EXPECT_TRUE(bar->Visible()) << "the press ends without closing";
    EXPECT_EQ(GetCapture(), nullptr);
    TMsg msg;
    ASSERT_TRUE(PeekMessage(msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the program still ends";
    EXPECT_EQ(msg.wParam, 7u);
}

TEST_F(Floating, MovedOnScreenOnlyWhenWhollyOffIt)
{
    TFakeBar* bar = FloatingBar();
    TBarFloatingWindowParent* frame = bar->FloatParent();
    const TRect work = Screen->MonitorFromPoint({0, 0})->WorkareaRect();
    frame->SetBounds(work.Right - 20, 100, frame->Width(), frame->Height());
    bar->MoveOnScreen(true);
    EXPECT_EQ(frame->Left(), work.Right - 20) << "partly on the work area: left alone";
    frame->SetBounds(work.Right + 50, work.Bottom + 50, frame->Width(), frame->Height());
    bar->MoveOnScreen(true);
    EXPECT_EQ(frame->BoundsRect().BottomRight(), work.BottomRight());
}

} // namespace
