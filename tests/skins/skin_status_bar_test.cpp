#include "controls/skins/built_in_skins.h"
#include "controls/skins/skin_dock.h"
#include "controls/skins/skin_items.h"
#include "controls/skins/skin_label_items.h"
#include "controls/skins/skin_status_bar.h"
#include "controls/toolbars/dock_helpers.h"
#include "gui_driver.h"
#include "platform/gui/graphics/canvas.h"
#include "platform/gui/graphics/theme.h"
#include "platform/gui/windows/system_metrics.h"
#include "skin_test_support.h"

#include <gtest/gtest.h>

#include <vector>

// The skinned status bar: its size grip (where it shows, what a press on it does, how it looks) and the
// lines beside its separators in the classic look and in skins that ask for them.

namespace {

class SkinnedStatusBar : public SkinManagerFixture
{
protected:
    void SetUp() override
    {
        SkinManagerFixture::SetUp();
        RegisterBuiltInSkins();
        form = ShowTestForm(360, 120);
        bar = new TQvStatusBar(form);
        bar->SetName("Status");
        for (const char* caption :
             std::initializer_list<const char*>{"Ready", nullptr, "12 files", nullptr, "00:42"}) {
            if (caption) {
                auto* item = new TQvItem(form);
                item->SetCaption(caption);
                bar->Items()->Add(item);
            } else {
                separators.push_back(new TQvSeparatorItem(form));
                bar->Items()->Add(separators.back());
            }
        }
        bar->SetParent(form);
        Pump();
    }
    void TearDown() override
    {
        SetThemesEnabled(true);
        form->Free();
        Pump();
        SkinManagerFixture::TearDown();
    }
    TQvDock* Dock() { return static_cast<TQvDock*>(bar->Toolbar()->CurrentDock()); }
    // The bar as the form shows it.
    std::unique_ptr<TBitmap> RenderBar()
    {
        Pump();
        return Render(bar);
    }
    // The x of a separator's middle in the bar's coordinates, as the separator lines are placed.
    int SeparatorMiddle(TBarCustomItem* separator)
    {
        const TRect bounds = bar->View()->Find(separator)->BoundsRect();
        return (bounds.Left + bounds.Right) / 2 + 2;
    }

    TForm* form = nullptr;
    TQvStatusBar* bar = nullptr;
    std::vector<TQvSeparatorItem*> separators;
};

TEST_F(SkinnedStatusBar, SitsAtTheBottomAsHighAsItsDock)
{
    EXPECT_EQ(bar->Align(), alBottom);
    EXPECT_EQ(bar->Height(), Dock()->Height());
    EXPECT_EQ(bar->Top() + bar->Height(), form->ClientHeight());
    EXPECT_EQ(bar->Toolbar()->Name(), "StatusToolbar");
    bar->SetHeight(bar->Height() + 10);
    EXPECT_EQ(bar->Height(), Dock()->Height()) << "no other height";
    bar->SetName("Footer");
    EXPECT_EQ(bar->Toolbar()->Name(), "FooterToolbar");
}

TEST_F(SkinnedStatusBar, TheGripShowsOnlyWhereTheFormCanBeSized)
{
    const TRect dock = Dock()->ClientRect();
    const TRect grip = bar->Toolbar()->GetGripRect();
    EXPECT_EQ(grip, (TRect{dock.Right - GetSystemMetrics(SM_CXVSCROLL), dock.Top, dock.Right, dock.Bottom}));

    bar->SetSizeGrip(false);
    EXPECT_TRUE(IsRectEmpty(bar->Toolbar()->GetGripRect())) << "switched off";
    bar->SetSizeGrip(true);

    form->SetWindowState(wsMaximized);
    Pump();
    EXPECT_TRUE(IsRectEmpty(bar->Toolbar()->GetGripRect())) << "maximized";
    form->SetWindowState(wsNormal);
    Pump();

    form->SetBorderStyle(bsSingle);
    Pump();
    EXPECT_TRUE(IsRectEmpty(bar->Toolbar()->GetGripRect())) << "no sizing border";
}

// The items behind a right-align spacer keep the grip's width free at the bar's end (4 pixels without a
// grip).
TEST_F(SkinnedStatusBar, ItemsStayClearOfTheGrip)
{
    auto* spacer = new TQvRightAlignSpacerItem(form);
    bar->Items()->Insert(1, spacer);
    Pump();
    TBarCustomItem* last = bar->Items()->Items(bar->Items()->Count() - 1);
    EXPECT_EQ(bar->View()->Find(last)->BoundsRect().Right, bar->Width() - GetSystemMetrics(SM_CXVSCROLL));
    form->SetBorderStyle(bsSingle);
    bar->Toolbar()->UpdateRightAlignment();
    Pump();
    EXPECT_EQ(bar->View()->Find(last)->BoundsRect().Right, bar->Width() - 4);
}

TEST_F(SkinnedStatusBar, APressOnTheGripSizesTheFormFromItsCorner)
{
    TSystemCommandRecorder recorder(*form);
    const std::vector<unsigned>& commands = recorder.Commands;
    const TRect grip = bar->Toolbar()->GetGripRect();
    const TPoint inGrip =
        bar->Toolbar()->ScreenToClient(Dock()->ClientToScreen({grip.Left + 3, grip.Bottom - 3}));
    MouseDown(bar->Toolbar(), inGrip);
    MouseUp(bar->Toolbar(), inGrip);
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0], 0xF008u);
}

// Classic look: the bar is button face with the platform's size grip at its right end, and each separator
// gets a light line at its left beside the separator's own line.
TEST_F(SkinnedStatusBar, ClassicGripAndSeparatorsInPixels)
{
    SetThemesEnabled(false);
    GetSkinManager().BroadcastSkinNotification();
    const auto picture = RenderBar();
    TCanvas& c = *picture->Canvas();
    const int middleRow = bar->Height() / 2;
    for (TQvSeparatorItem* separator : separators) {
        const int x = SeparatorMiddle(separator);
        EXPECT_EQ(c.Pixels(x - 2, middleRow), clWhite) << "left line at " << x - 2;
        EXPECT_EQ(c.Pixels(x - 3, middleRow), static_cast<TColor>(0x00F0F0F0)) << "button face before it";
    }
    const TRect grip = bar->Toolbar()->GetGripRect();
    EXPECT_GT(CountPixels(*picture, grip, static_cast<TColor>(0x00A0A0A0)), 4) << "the grip's ridges";
    const TRect beforeGrip{grip.Left - 20, grip.Top + 3, grip.Left - 10, grip.Bottom - 3};
    EXPECT_EQ(CountPixels(*picture, beforeGrip, static_cast<TColor>(0x00F0F0F0)),
              beforeGrip.Width() * beforeGrip.Height())
        << "plain button face before it";
    SaveScreenshot(*picture, "skin_status_bar_classic_lines", 3);
}

// A skin paints white lines beside the separators only when it asks for status separators; the grip is
// its dots.
TEST_F(SkinnedStatusBar, SkinsDrawSeparatorLinesWhenTheyAskForThem)
{
    for (const auto& [skin, lines] : {std::pair{"Flat", true}, std::pair{"Aluminum", false}}) {
        SCOPED_TRACE(skin);
        Manager().SetSkin(skin);
        const auto picture = RenderBar();
        const int middleRow = bar->Height() / 2;
        for (TQvSeparatorItem* separator : separators) {
            const int x = SeparatorMiddle(separator);
            EXPECT_EQ(picture->Canvas()->Pixels(x - 2, middleRow) == clWhite, lines) << "at " << x - 2;
        }
        const TRect grip = bar->Toolbar()->GetGripRect();
        const TColor body = picture->Canvas()->Pixels(grip.Left - 15, middleRow);
        EXPECT_LT(CountPixels(*picture, grip, body), grip.Width() * grip.Height()) << "the grip dots";
    }
}

// In every look the captions stand out from the bar and the grip shows at the end: their pixels differ from
// the bar's ground in the same row, read where nothing stands.
TEST_F(SkinnedStatusBar, Pictures)
{
    ForEachCompoundBarLook("skin_status_bar_", [&](const std::string& name) {
        const auto picture = RenderBar();
        SaveScreenshot(*picture, name, 2);
        TCanvas& c = *picture->Canvas();
        const TRect grip = bar->Toolbar()->GetGripRect();
        const int empty = grip.Left - 15;
        const auto marked = [&](const TRect& r) {
            int count = 0;
            for (int y = r.Top; y < r.Bottom; ++y)
                for (int x = r.Left; x < r.Right; ++x)
                    count += c.Pixels(x, y) != c.Pixels(empty, y) ? 1 : 0;
            return count;
        };
        for (int i = 0; i < bar->Items()->Count(); ++i) {
            TBarCustomItem* item = bar->Items()->Items(i);
            const TRect bounds = bar->View()->Find(item)->BoundsRect();
            ASSERT_LT(bounds.Right, empty);
            const bool separator = dynamic_cast<TQvSeparatorItem*>(item) != nullptr;
            EXPECT_GT(marked(bounds), separator ? 4 : 20) << (separator ? "a separator" : item->Caption());
        }
        EXPECT_GT(marked(grip), 4) << "the grip";
    });
}

} // namespace
