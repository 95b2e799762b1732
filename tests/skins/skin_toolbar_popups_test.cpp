#include "controls/skins/skin_bar_painting.h"
#include "controls/skins/skin_chevron.h"
#include "controls/skins/skin_floating_frame.h"
#include "controls/toolbars/dock.h"
#include "controls/toolbars/dock_types.h"
#include "controls/toolbars/toolbar.h"
#include "controls/toolbars/view.h"
#include "platform/gui/graphics/canvas.h"
#include "platform/gui/graphics/theme.h"
#include "platform/gui/windows/window_functions.h"
#include "skin_menu_fixture.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>

// What a skinned toolbar opens: the chevron with its popup of the hidden items, a drop-down joined with its
// button, and the frame it floats in.

namespace {

// A frame that counts its frame paintings.
class TCountingFrame : public TQvFloatingWindowParent
{
public:
    using TQvFloatingWindowParent::TQvFloatingWindowParent;
    int Paintings = 0;

protected:
    void DrawNCArea(bool drawToDC, HDC dc, TBarFrameParts redrawWhat) override
    {
        ++Paintings;
        TQvFloatingWindowParent::DrawNCArea(drawToDC, dc, redrawWhat);
    }
};

// A toolbar with the skinned chevron and floating frame, standing in for the skinned toolbar.
class TSkinnedTestToolbar : public TBarCustomToolbar,
                            public IQvChevronToolbar,
                            public IQvSkinnedDockableWindow
{
public:
    explicit TSkinnedTestToolbar(TComponent* owner) : TBarCustomToolbar(owner) { UseClassChoices(); }

    bool ChevronVertical() const override { return ChevronAsMenu; }
    int DefaultToolbarBorderSize() const override { return 2; }
    void DrawBackground(TCanvas&, const TRect&, bool, bool) override {}
    void DoDrawBackground(TCanvas&, const TRect&, TQvPaintStage, bool&) override {}
    bool ChevronAsMenu = false;

protected:
    TBarChevronItemClass ChevronItemClass() override { return TBarChevronItemClass::Of<TQvChevronItem>(); }
    TBarFloatingWindowParentClass FloatingFrameClass() override
    {
        return TBarFloatingWindowParentClass::Of<TCountingFrame>();
    }
};

class SkinnedToolbarPopups : public SkinnedMenuFixture
{
protected:
    void SetUp() override
    {
        SkinnedMenuFixture::SetUp();
        form->SetClientSize({200, 150});
        dock = new TBarDock(form);
        dock->SetParent(form);
        dock->SetAllowDrag(false);
        toolbar = new TSkinnedTestToolbar(form);
        toolbar->SetCaption("Tools");
        toolbar->SetImages(MakeTestImages(form));
        for (const char* caption : {"Open", "Add", "Remove", "Save", "Start", "Film"}) {
            auto* item = new TQvItem(form);
            item->SetCaption(caption);
            item->SetImageIndex(toolbar->Items()->Count() % 5);
            item->SetDisplayMode(nbdmImageAndText);
            toolbar->Items()->Add(item);
        }
        toolbar->SetParent(dock);
        Pump();
        toolbar->View()->ValidatePositions();
    }
    TPoint CentreOf(TBarCustomItem* item)
    {
        const TRect r = toolbar->View()->Find(item)->BoundsRect();
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    // Presses the item's button and runs check while its popup is open.
    void WithPopupOf(TBarCustomItem* item, const std::function<void()>& check)
    {
        const TPoint p = CentreOf(item);
        // The first Escape closes the popup, the second leaves the toolbar's menu loop.
        TLoopScript script({{[&] { MouseUp(toolbar, p); }}, {[&] {
                                check();
                                Key("Esc");
                                Key("Esc");
                            }}});
        MouseDown(toolbar, p);
        Pump();
    }
    TCountingFrame* Float()
    {
        toolbar->SetFloatingPosition({60, 260});
        toolbar->SetFloating(true);
        Pump();
        return dynamic_cast<TCountingFrame*>(toolbar->FloatParent());
    }

    // The first pixel of the colour, row by row from the top; {-1, -1} without one.
    static TPoint FirstPixel(TBitmap& picture, TColor colour)
    {
        for (int y = 0; y < picture.Height(); ++y)
            for (int x = 0; x < picture.Width(); ++x)
                if (picture.Canvas()->Pixels(x, y) == colour)
                    return {x, y};
        return {-1, -1};
    }

    TBarDock* dock = nullptr;
    TSkinnedTestToolbar* toolbar = nullptr;
};

TEST_F(SkinnedToolbarPopups, TheChevronShowsTheHiddenItemsAsButtonsOrAsAMenu)
{
    auto* chevron = dynamic_cast<TQvChevronItemViewer*>(toolbar->View()->Find(toolbar->ChevronItem()));
    ASSERT_NE(chevron, nullptr);
    ASSERT_TRUE(chevron->Show()) << "the toolbar is too long for its row";
    for (const bool asMenu : {false, true}) {
        SCOPED_TRACE(asMenu ? "as a menu" : "as buttons");
        toolbar->ChevronAsMenu = asMenu;
        WithPopupOf(toolbar->ChevronItem(), [&] {
            ASSERT_EQ(OpenPopups().size(), 1u);
            auto* popup = dynamic_cast<TQvChevronPopupWindow*>(Popup());
            ASSERT_NE(popup, nullptr);
            EXPECT_EQ(popup->View()->IsToolbar(), !asMenu);
            EXPECT_EQ(popup->Color(), asMenu ? clMenu : clBtnFace);
            const auto picture = RenderPopups();
            SaveScreenshot(*picture, asMenu ? "skin_chevron_popup_menu" : "skin_chevron_popup_buttons");
            // The hidden Open and Remove by their images, the folder and the cross: side by side as buttons,
            // one under the other as a menu.
            const TPoint folder = FirstPixel(*picture, 0x40C0F0), cross = FirstPixel(*picture, 0x2020C0);
            ASSERT_GE(folder.X, 0);
            ASSERT_GE(cross.X, 0);
            if (asMenu) {
                EXPECT_GT(cross.Y, folder.Y + 20);
                EXPECT_NEAR(cross.X, folder.X, 4);
            } else {
                EXPECT_NEAR(cross.Y, folder.Y, 4);
                EXPECT_GT(cross.X, folder.X + 40);
            }
        });
    }
}

TEST_F(SkinnedToolbarPopups, TheChevronGlyphTakesTheToolbarItemsTextColour)
{
    const struct
    {
        const char* look;
        bool themes;
        TColor expected; // clNone: the skin's toolbar item colour
    } cases[] = {{"Default", false, clBtnText}, {"Graphite", true, clNone}};
    const TRect r = toolbar->View()->Find(toolbar->ChevronItem())->BoundsRect();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.look);
        SetThemesEnabled(c.themes);
        Manager().SetSkin(c.look);
        const TColor colour = ColorToRGB(
            c.expected == clNone ? GetCurrentSkin()->GetTextColor(skncToolbarItem, sknsNormal) : c.expected);
        const auto picture = Render(toolbar);
        const int frame = (picture->Width() - toolbar->ClientWidth()) / 2;
        const TRect glyph{frame + r.Left, frame + r.Top + 4, frame + r.Right, frame + r.Top + 9};
        // Two arrows of 5 rows, 4 pixels each.
        EXPECT_EQ(CountPixels(*picture, glyph, colour), 20);
        SaveScreenshot(*picture, "skin_chevron_" + PictureName(c.look), 2);
    }
}

TEST_F(SkinnedToolbarPopups, ADropDownJoinsItsButtonOnlyInASkinThatJoinsThem)
{
    auto* dropDown = new TQvSubmenuItem(form);
    dropDown->SetCaption("Go");
    for (const char* caption : {"A much longer first entry", "Second"}) {
        auto* entry = new TQvItem(form);
        entry->SetCaption(caption);
        dropDown->Add(entry);
    }
    toolbar->Items()->Insert(0, dropDown);
    Pump();
    toolbar->View()->ValidatePositions();
    for (const char* skin : {"Aluminum", "Athen"}) {
        SCOPED_TRACE(skin);
        Manager().SetSkin(skin);
        const bool joined = GetCurrentSkin()->JoinedPopup();
        WithPopupOf(dropDown, [&] {
            TBarPopupWindow* popup = Popup();
            ASSERT_NE(popup, nullptr);
            const auto picture = Render(popup);
            const TRect button = toolbar->View()->Find(dropDown)->BoundsRect();
            const int underButton =
                toolbar->ClientToScreen({(button.Left + button.Right) / 2, 0}).X - popup->Left();
            const int pastButton = toolbar->ClientToScreen({button.Right, 0}).X - popup->Left() + 10;
            ASSERT_LT(pastButton, popup->Width());
            const TColor border = picture->Canvas()->Pixels(pastButton, 0);
            EXPECT_EQ(picture->Canvas()->Pixels(underButton, 0) != border, joined)
                << "the top border is open under the button";
            SaveScreenshot(*picture, std::string("skin_dropdown_") + PictureName(skin), 2);
        });
    }
}

TEST_F(SkinnedToolbarPopups, TheFloatingFramePaintsInTheSkinAndFollowsIt)
{
    TCountingFrame* frame = Float();
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(frame->ScreenSnap());
    // No look here sizes the frame through the window system: the frame's own border does.
    Manager().SetSkin("Aluminum");
    EXPECT_EQ(GetWindowLong(frame->Handle(), GWL_STYLE) & WS_THICKFRAME, 0);
    const struct
    {
        const char* look;
        bool themes;
        bool repaints;
    } cases[] = {{"Default", false, false}, {"Default", true, true}, {"Aluminum", true, true}};
    std::set<TColor> grounds;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.look);
        SetThemesEnabled(c.themes);
        Manager().SetSkin(c.look);
        const int before = frame->Paintings;
        frame->RedrawFrame();
        EXPECT_EQ(frame->Paintings - before, c.repaints ? 1 : 0) << "the classic frame is not painted again";
        const auto picture = Render(frame);
        SaveScreenshot(*picture, "skin_floating_" + PictureName(c.look) + (c.themes ? "_themed" : "_classic"),
                       2);
        // The caption's ground in this look, the toolbar's name on it and the items below.
        const TColor ground = picture->Canvas()->Pixels(picture->Width() / 2, 4);
        EXPECT_LT(CountPixels(*picture, {4, 2, 40, 16}, ground), 36 * 14 - 20) << "the caption Tools";
        EXPECT_GT(CountPixels(*picture, {0, 16, picture->Width(), picture->Height()}, 0x40C0F0), 20);
        grounds.insert(ground);
    }
    EXPECT_EQ(grounds.size(), std::size(cases)) << "each look its own caption";
}

TEST_F(SkinnedToolbarPopups, TheCloseButtonLightsUnderThePointer)
{
    Manager().SetSkin("Aluminum");
    TCountingFrame* frame = Float();
    ASSERT_NE(frame, nullptr);
    const auto moveOver = [&](int hitCode) {
        frame->Perform(WM_NCMOUSEMOVE, static_cast<WPARAM>(hitCode), MAKELPARAM(frame->Left(), frame->Top()));
    };
    const auto cold = Render(frame);
    const int before = frame->Paintings;
    moveOver(HTBARCLOSE);
    EXPECT_TRUE(frame->CloseButtonHover());
    moveOver(HTBARCLOSE);
    moveOver(HTBARCAPTION);
    EXPECT_FALSE(frame->CloseButtonHover());
    EXPECT_EQ(frame->Paintings - before, 2) << "a repaint for each change only";
    moveOver(HTBARCLOSE);
    const auto hot = Render(frame);
    SaveScreenshot(*hot, "skin_floating_close_hot", 2);
    // Only the close button at the caption's right end lights.
    EXPECT_GT(PixelsThatDiffer(*cold, *hot), 10);
    int elsewhere = 0;
    for (int y = 0; y < hot->Height(); ++y)
        for (int x = 0; x < hot->Width() - 20; ++x)
            elsewhere += cold->Canvas()->Pixels(x, y) != hot->Canvas()->Pixels(x, y) ? 1 : 0;
    EXPECT_EQ(elsewhere, 0);
    frame->Perform(CM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(frame->CloseButtonHover());
}

TEST_F(SkinnedToolbarPopups, AltF4OnTheFrameClosesTheToolbarWhenAsked)
{
    TCountingFrame* frame = Float();
    ASSERT_NE(frame, nullptr);
    frame->SetCloseOnAltF4(true);
    frame->Perform(WM_CLOSE, 0, 0);
    EXPECT_FALSE(toolbar->Visible());
    EXPECT_TRUE(form->Visible()) << "the form stays";
}

} // namespace
