#include "controls/skins/built_in_skins.h"
#include "controls/skins/skin_dock.h"
#include "controls/skins/skin_items.h"
#include "controls/skins/skin_label_items.h"
#include "controls/skins/skin_status_bar.h"
#include "controls/skins/skin_system_menu_item.h"
#include "controls/skins/skin_title_bar.h"
#include "controls/skins/skin_title_bar_options.h"
#include "controls/toolbars/dock_helpers.h"
#include "controls/toolbars/monitor_rects.h"
#include "gui_driver.h"
#include "platform/gui/forms/application.h"
#include "platform/gui/graphics/canvas.h"
#include "platform/gui/graphics/theme.h"
#include "platform/gui/windows/cursors.h"
#include "platform/gui/windows/window_functions.h"
#include "skin_test_support.h"

#include <gtest/gtest.h>

#include <vector>

// The custom title bar: the zones of its frame band, what it does to its form (border, window menu,
// maximized size), its caption buttons and presses, and pictures of it with a status bar below.

namespace {

class SkinnedTitleBar : public SkinManagerFixture
{
protected:
    void SetUp() override
    {
        SkinManagerFixture::SetUp();
        RegisterBuiltInSkins();
        form = new TForm(Application);
        form->BeginLoading();
        bar = new TQvTitleBar(form);
        bar->SetName("Title");
        bar->SetCaption("Quillmark");
        bar->SetParent(form);
        status = new TQvStatusBar(form);
        auto* ready = new TQvItem(form);
        ready->SetCaption("Ready");
        status->Items()->Add(ready);
        status->SetParent(bar);
        form->EndLoading();
        form->SetBounds(10, 10, 320, 140);
        form->Show();
        Pump();
    }
    void TearDown() override
    {
        SetThemesEnabled(true);
        if (form)
            form->Free();
        Pump();
        SkinManagerFixture::TearDown();
    }
    TRect Bounds(TBarCustomItem* item) { return bar->View()->Find(item)->BoundsRect(); }
    TPoint CentreOf(TBarCustomItem* item)
    {
        const TRect r = Bounds(item);
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }

    TForm* form = nullptr;
    TQvTitleBar* bar = nullptr;
    TQvStatusBar* status = nullptr;
};

TEST_F(SkinnedTitleBar, TheFrameBandHitTestTable)
{
    form->SetClientWidth(100);
    form->SetClientHeight(80);
    Pump();
    ASSERT_EQ(bar->Width(), 100);
    ASSERT_EQ(bar->FrameSize(), (TPoint{4, 4}));
    struct TCase
    {
        TPoint p;
        unsigned command;
        TCursor cursor;
    };
    const TCase cases[] = {
        {{9, 1}, 0xF004, crSizeNWSE},   {{10, 1}, 0xF003, crSizeNS},    {{90, 1}, 0xF003, crSizeNS},
        {{91, 1}, 0xF005, crSizeNESW},  {{1, 9}, 0xF004, crSizeNWSE},   {{1, 10}, 0xF001, crSizeWE},
        {{1, 70}, 0xF001, crSizeWE},    {{1, 71}, 0xF007, crSizeNESW},  {{99, 40}, 0xF002, crSizeWE},
        {{50, 79}, 0xF006, crSizeNS},   {{99, 79}, 0xF008, crSizeNWSE}, {{9, 79}, 0xF007, crSizeNESW},
        {{96, 76}, 0xF008, crSizeNWSE}, {{50, 40}, 0, crDefault},       {{5, 5}, 0, crDefault},
        {{95, 75}, 0, crDefault},
    };
    for (const TCase& c : cases) {
        const TQvSizingZone zone = bar->SizingHitTest(c.p);
        EXPECT_EQ(zone.Command, c.command) << "at " << c.p.X << ", " << c.p.Y;
        EXPECT_EQ(zone.Cursor, c.cursor) << "at " << c.p.X << ", " << c.p.Y;
    }
    // Every point of the band has a zone.
    for (int y = 0; y < 80; ++y) {
        for (int x = 0; x < 100; ++x) {
            const bool inBand = x < 4 || y < 4 || x >= 96 || y >= 76;
            EXPECT_EQ(bar->SizingHitTest({x, y}).Command != 0, inBand) << "at " << x << ", " << y;
        }
    }
    // Nothing is sized on a maximized form or through an inactive bar.
    bar->SetFixedSize(false);
    bar->SetMouseActive(false);
    EXPECT_EQ(bar->SizingHitTest({1, 1}).Command, 0u);
    bar->SetMouseActive(true);
    form->SetWindowState(wsMaximized);
    Pump();
    EXPECT_EQ(bar->SizingHitTest({1, 1}).Command, 0u);
}

TEST_F(SkinnedTitleBar, APressOnTheBandSizesTheForm)
{
    TSystemCommandRecorder recorder(*form);
    const std::vector<unsigned>& commands = recorder.Commands;
    MouseDown(bar, {1, 1});
    MouseUp(bar, {1, 1});
    MouseDown(bar, {bar->Width() - 2, bar->Height() / 2});
    MouseUp(bar, {bar->Width() - 2, bar->Height() / 2});
    EXPECT_EQ(commands, (std::vector<unsigned>{0xF004, 0xF002}));
    bar->SetFixedSize(true);
    Click(bar, {1, 1});
    EXPECT_EQ(commands.size(), 2u) << "a fixed-size form is not sized";
}

TEST_F(SkinnedTitleBar, TheFormLosesItsBorderAndKeepsItsWindowMenu)
{
    EXPECT_EQ(form->BorderStyle(), bsNone);
    EXPECT_NE(GetWindowLong(form->Handle(), GWL_STYLE) & WS_SYSMENU, 0);
    EXPECT_EQ(form->ClientWidth(), 320) << "the client area keeps its size";
    EXPECT_EQ(bar->BoundsRect(), form->ClientRect()) << "the bar fills the form";
    // The dock and the status bar lie inside the frame.
    const TPoint frame = bar->FrameSize();
    EXPECT_EQ(bar->GetClientAreaRect(), (TRect{frame.X, frame.Y, 320 - frame.X, 140 - frame.Y}));
    EXPECT_EQ(status->Top() + status->Height(), 140 - frame.Y);

    bar->SetActive(false);
    EXPECT_EQ(form->BorderStyle(), bsSizeable);
    EXPECT_FALSE(bar->Toolbar()->CurrentDock()->Visible());
    bar->SetActive(true);
    EXPECT_EQ(form->BorderStyle(), bsNone);

    // Alt alone opens no menu on a form whose caption is the bar.
    TMessage menuKey{WM_SYSCOMMAND, SC_KEYMENU, 0, 0};
    form->WindowProc(menuKey);
    EXPECT_EQ(menuKey.Result, 1);

    bar->Free();
    bar = nullptr;
    EXPECT_EQ(form->BorderStyle(), bsSizeable) << "the border comes back with the bar gone";
    TMessage message{WM_SYSCOMMAND, SC_KEYMENU, 0, 0};
    form->WindowProc(message);
    EXPECT_EQ(message.Result, 0) << "the form's messages no longer pass through the bar";
}

TEST_F(SkinnedTitleBar, TheCaptionButtonsActOnTheForm)
{
    TQvTitleBarButtonOptions& options = *bar->Options();
    EXPECT_EQ(options.RightAlignSpacer()->Caption(), "Quillmark");
    bar->SetCaption("Other");
    EXPECT_EQ(options.RightAlignSpacer()->Caption(), "Other");
    // Left to right: the window menu, the caption, then minimize, maximize and close at the far end.
    EXPECT_LT(Bounds(options.SystemButton()).Left, Bounds(options.RightAlignSpacer()).Left);
    EXPECT_LT(Bounds(options.MinimizeButton()).Left, Bounds(options.MaximizeButton()).Left);
    EXPECT_EQ(Bounds(options.CloseButton()).Left, Bounds(options.MaximizeButton()).Right);

    options.MaximizeButton()->Click();
    Pump();
    EXPECT_EQ(form->WindowState(), wsMaximized);
    EXPECT_EQ(options.MaximizeButton()->ImageIndex(), 3) << "the restore glyph";
    options.MaximizeButton()->Click();
    Pump();
    EXPECT_EQ(form->WindowState(), wsNormal) << "a maximized form is restored";
    EXPECT_EQ(options.MaximizeButton()->ImageIndex(), 1);

    TSystemCommandRecorder recorder(*form);
    const std::vector<unsigned>& commands = recorder.Commands;
    options.MinimizeButton()->Click();
    EXPECT_EQ(commands, (std::vector<unsigned>{SC_MINIMIZE})) << "through the window command";

    int closes = 0;
    form->OnClose = [&](TObject*, TCloseAction& action) {
        ++closes;
        action = caNone;
    };
    options.CloseButton()->Click();
    EXPECT_EQ(closes, 1);

    // The window menu is made from the form's at each click, without its Size entry on a fixed-size form;
    // its entries send their commands to the form.
    bar->SetFixedSize(true);
    TQvSystemMenuItem& menu = *options.SystemButton();
    menu.Click();
    EXPECT_FALSE(menu.ShowSize());
    auto entry = [&menu](unsigned command) -> TBarCustomItem* {
        for (int i = 0; i < menu.Count(); ++i)
            if (static_cast<unsigned>(menu.Items(i)->Tag()) == command)
                return menu.Items(i);
        return nullptr;
    };
    ASSERT_NE(entry(SC_CLOSE), nullptr);
    EXPECT_TRUE(entry(SC_CLOSE)->Visible());
    if (TBarCustomItem* size = entry(SC_SIZE)) {
        EXPECT_FALSE(size->Visible());
    }
    const int count = menu.Count();
    menu.Click();
    EXPECT_EQ(menu.Count(), count) << "made afresh, not added to";
    ASSERT_NE(entry(SC_MOVE), nullptr);
    entry(SC_MOVE)->Click();
    EXPECT_EQ(commands.back(), SC_MOVE);

    options.SetMaximize(false);
    EXPECT_FALSE(options.MaximizeButton()->Visible());
    options.SetCloseImageIndex(-5);
    EXPECT_EQ(options.CloseImageIndex(), -1);
    options.SetCloseImageIndex(4);
    EXPECT_EQ(options.CloseButton()->ImageIndex(), 4);
    EXPECT_EQ(options.CloseButton()->Images(), nullptr) << "the toolbar's images apply";
}

TEST_F(SkinnedTitleBar, ADoubleClickOnTheWindowMenuItemClosesTheForm)
{
    int closes = 0;
    form->OnClose = [&](TObject*, TCloseAction& action) {
        ++closes;
        action = caNone;
    };
    const TPoint menuItem = CentreOf(bar->Options()->SystemButton());
    MouseMove(bar->Toolbar(), menuItem);
    DoubleClickDown(bar->Toolbar(), menuItem);
    MouseUp(bar->Toolbar(), menuItem);
    EXPECT_EQ(closes, 1);
}

TEST_F(SkinnedTitleBar, TheCaptionMovesTheFormAndADoubleClickMaximizesIt)
{
    TSystemCommandRecorder recorder(*form);
    const std::vector<unsigned>& commands = recorder.Commands;
    const TPoint caption = CentreOf(bar->Options()->RightAlignSpacer());
    MouseMove(bar->Toolbar(), caption);
    MouseDown(bar->Toolbar(), caption);
    MouseUp(bar->Toolbar(), caption);
    EXPECT_EQ(commands, (std::vector<unsigned>{0xF012}));
    MouseMove(bar->Toolbar(), caption);
    DoubleClickDown(bar->Toolbar(), caption);
    MouseUp(bar->Toolbar(), caption);
    Pump();
    EXPECT_EQ(form->WindowState(), wsMaximized);
}

// On a form without its own border, the status bar's grip follows the title bar.
TEST_F(SkinnedTitleBar, TheStatusBarGripFollowsTheTitleBar)
{
    EXPECT_FALSE(IsRectEmpty(status->Toolbar()->GetGripRect())) << "the title bar sizes the form";
    bar->SetFixedSize(true);
    EXPECT_TRUE(IsRectEmpty(status->Toolbar()->GetGripRect())) << "nor does the form have a sizing border";
    bar->SetFixedSize(false);
    form->SetWindowState(wsMaximized);
    Pump();
    EXPECT_TRUE(IsRectEmpty(status->Toolbar()->GetGripRect())) << "maximized";
}

TEST_F(SkinnedTitleBar, AMaximizedFormCoversTheWorkArea)
{
    TMinMaxInfo info;
    TMessage message{WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info), 0};
    form->WindowProc(message);
    const TRect work = GetMonitorRectOfWindow(bar->Handle(), true);
    EXPECT_EQ(info.ptMaxSize, (TPoint{work.Width(), work.Height()}));
    EXPECT_EQ(form->Constraints()->MaxWidth(), 0) << "no limit while the form is not maximized";
}

TEST_F(SkinnedTitleBar, PicturesWithAStatusBar)
{
    ForEachCompoundBarLook("skin_title_bar_", [&](const std::string& name) {
        Pump();
        // What the screen shows: every window of the bars in its place.
        const auto picture = ScreenBitmap(form);
        // The caption bar differs from the form's body below it.
        EXPECT_NE(picture->Canvas()->Pixels(160, 8), picture->Canvas()->Pixels(160, 70));
        SaveScreenshot(*picture, name, 2);
    });
}

} // namespace
