#include "controls/skins/skin_bar_painting.h"

#include "controls/skins/skin_dock.h"
#include "controls/skins/skin_items.h"
#include "controls/skins/skin_toolbar.h"
#include "gui_driver.h"
#include "platform/gui/graphics/canvas.h"
#include "platform/gui/graphics/theme.h"
#include "skin_test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The backgrounds of popups, bars, docks and frames in a skin whose every part has a colour of its own,
// and in the classic look.

namespace {

constexpr TColor PopupBody = 0xF0F0F0, PopupBorder = 0x800000, Gutter = 0x00C000, DockTop = 0xFF0000,
                 DockBottom = 0x0000FF, ToolbarBody = 0x00FFFF, ToolbarLight = 0xFFFFFF,
                 ToolbarDark = 0x404040, GripDot = 0x008080, StatusBody = 0xA0A0A0, TitleBody = 0x600060,
                 FrameOuter = 0x006000;

class BarPainting : public SkinManagerFixture
{
protected:
    void SetUp() override
    {
        SkinManagerFixture::SetUp();
        AddTextSkin({"[Skin]",
                     "Name = Bars",
                     "FloatingWindowBorderSize = 2",
                     "[Popup]",
                     "Normal.Body = 0, $00F0F0F0",
                     "Normal.Borders = 0, $00800000, $00800000",
                     "[Gutter]",
                     "Normal.Body = 0, $0000C000",
                     "[Dock]",
                     "Normal.Body = 1, $00FF0000, $000000FF",
                     "[Toolbar]",
                     "Normal.Body = 0, $0000FFFF",
                     "Normal.Borders = 0, $00FFFFFF, $00404040",
                     "[ToolbarGrip]",
                     "Normal.Body = 0, $00008080, $00FFFFFF",
                     "[StatusBar]",
                     "Normal.Body = 0, $00A0A0A0",
                     "[StatusBarGrip]",
                     "Normal.Body = 0, $00008080, $00FFFFFF",
                     "[WindowTitleBar]",
                     "Normal.Body = 0, $00600060",
                     "[Window]",
                     "Normal.Body = 0, $00F0F0F0",
                     "Normal.Borders = 0, $00006000, $00006000, $00006000"});
        // The same bars with nothing of their own: the dock shows through.
        AddTextSkin({"[Skin]", "Name = Hollow", "[Dock]", "Normal.Body = 1, $00FF0000, $000000FF"});
    }
    void TearDown() override
    {
        SetThemesEnabled(true);
        SkinManagerFixture::TearDown();
    }
};

// --- popups ---

class PopupPicture : public BarPainting, public TPaintingPicture
{
protected:
    PopupPicture() : TPaintingPicture(60, Marker) {}
};

TEST_F(PopupPicture, ASkinnedPopupOpensItsTopBorderTowardsTheButtonAbove)
{
    Manager().SetSkin("Bars");
    const TRect popup{0, 0, 50, 40};
    // The button lies above the popup, from x 10 to 30.
    PaintPopupBackground(canvas(), popup, {10, -20, 30, 0}, false, 0);
    EXPECT_EQ(At(9, 0), PopupBorder);
    EXPECT_EQ(At(10, 0), PopupBorder) << "the gap is a pixel narrower at either end";
    for (int x = 11; x < 29; ++x)
        EXPECT_EQ(At(x, 0), PopupBody) << "x " << x;
    EXPECT_EQ(At(29, 0), PopupBorder);
    EXPECT_EQ(At(0, 20), PopupBorder);
    EXPECT_EQ(At(25, 39), PopupBorder);
    ExpectToolsKept();

    // Without an opener above, the border is closed all round.
    for (const TRect& opener : {TRect{}, TRect{10, 0, 30, 20}}) {
        Clear();
        PaintPopupBackground(canvas(), popup, opener, false, 0);
        EXPECT_EQ(At(20, 0), PopupBorder);
    }
}

TEST_F(PopupPicture, AMenuPopupHasItsImageColumn)
{
    Manager().SetSkin("Bars");
    PaintPopupBackground(canvas(), {0, 0, 50, 40}, {}, true, 16);
    EXPECT_EQ(At(0, 20), PopupBorder);
    EXPECT_EQ(At(2, 20), Gutter);
    EXPECT_EQ(At(45, 20), PopupBody);
    Clear();
    PaintPopupBackground(canvas(), {0, 0, 50, 40}, {}, false, 16);
    EXPECT_EQ(At(2, 20), PopupBody) << "no column for a tool-box popup";
}

TEST_F(PopupPicture, AClassicPopupIsARaisedFaceInEveryCase)
{
    SetThemesEnabled(false);
    PaintPopupBackground(canvas(), {0, 0, 50, 40}, {10, -20, 30, 0}, true, 16);
    EXPECT_EQ(At(25, 20), ColorToRGB(clBtnFace));
    EXPECT_EQ(At(20, 0), ColorToRGB(cl3DLight)) << "the edge is closed above the opener";
    EXPECT_EQ(At(49, 39), ColorToRGB(cl3DDkShadow));
    ExpectToolsKept();
}

// --- status bars, caption bars and frames ---

TEST_F(PopupPicture, StatusBarsCaptionBarsAndFramesTakeTheSkinsColours)
{
    Manager().SetSkin("Bars");
    PaintStatusBarBackground(canvas(), {0, 0, 50, 20}, {30, 0, 50, 20});
    EXPECT_EQ(At(5, 10), StatusBody);
    // Three rows of grip dots, each a dot shorter towards the top.
    EXPECT_EQ(At(38, 16), GripDot) << "bottom row, first dot";
    EXPECT_NE(At(38, 12), GripDot) << "the middle row starts a dot further right";
    EXPECT_EQ(At(42, 12), GripDot);
    EXPECT_EQ(At(46, 8), GripDot);

    Clear();
    PaintTitleBarBackground(canvas(), {0, 0, 50, 16}, true, false);
    EXPECT_EQ(At(25, 8), TitleBody);

    Clear();
    PaintSkinnedWindowFrame(canvas(), {0, 0, 50, 50}, true, {2, 2}, false);
    EXPECT_EQ(At(0, 25), FrameOuter);
    EXPECT_EQ(At(1, 25), FrameOuter);
    EXPECT_EQ(At(25, 25), Marker) << "the inside is left alone";
    ExpectToolsKept();

    SetThemesEnabled(false);
    Manager().SetSkin("");
    Clear();
    PaintTitleBarBackground(canvas(), {0, 0, 50, 16}, false, false);
    EXPECT_EQ(At(25, 8), ColorToRGB(clInactiveCaption));
    PaintSkinnedWindowFrame(canvas(), {0, 0, 50, 50}, true, {3, 3}, true);
    EXPECT_EQ(At(25, 25), canvas().Brush()->Color()) << "filled with the canvas's brush";
}

// --- docks and toolbars ---

// A dock across a form with one toolbar on it, not full-size.
class DockedToolbar : public BarPainting
{
protected:
    void SetUp() override
    {
        BarPainting::SetUp();
        form = ShowTestForm(300, 80);
        dock = new TQvDock(form);
        dock->SetParent(form);
        toolbar = new TQvToolbar(form);
        toolbar->SetDockPos(40);
        for (const char* caption : {"One", "Two"}) {
            auto* item = new TQvItem(form);
            item->SetCaption(caption);
            toolbar->Items()->Add(item);
        }
        toolbar->SetParent(dock);
        Pump();
    }
    void TearDown() override
    {
        form->Free();
        Pump();
        BarPainting::TearDown();
    }
    TColor DockPixel(TBitmap& picture, TPoint toolbarPoint)
    {
        return picture.Canvas()->Pixels(toolbar->Left() + toolbarPoint.X, toolbar->Top() + toolbarPoint.Y);
    }

    TForm* form = nullptr;
    TQvDock* dock = nullptr;
    TQvToolbar* toolbar = nullptr;
};

TEST_F(DockedToolbar, TheDocksGradientRunsOnUnderABarWithoutABodyOfItsOwn)
{
    Manager().SetSkin("Hollow");
    Pump();
    const auto picture = Render(dock);
    EXPECT_EQ(picture->Canvas()->Pixels(5, 0), DockTop);
    EXPECT_EQ(picture->Canvas()->Pixels(5, dock->ClientHeight() - 1), DockBottom);
    for (int y = 0; y < toolbar->Height(); ++y) {
        const TColor dockColor = DockPixel(*picture, {-1, y});
        EXPECT_EQ(DockPixel(*picture, {0, y}), dockColor) << "frame, row " << y;
        EXPECT_EQ(DockPixel(*picture, {toolbar->Width() - 1, y}), dockColor) << "frame, row " << y;
    }
    // Between the items, in the client area.
    const TRect two = toolbar->View()->Viewers(1)->BoundsRect();
    const int between = 2 + two.Right + 1;
    if (between < toolbar->Width() - 2) {
        for (int y = 2; y < toolbar->Height() - 2; ++y)
            EXPECT_EQ(DockPixel(*picture, {between, y}), DockPixel(*picture, {-1, y})) << "client, row " << y;
    }
}

TEST_F(DockedToolbar, ASingleBorderedBarHasATwoPixelFrameOfTheSkinsBorders)
{
    Manager().SetSkin("Bars");
    Pump();
    const auto picture = Render(toolbar);
    const int middle = toolbar->Height() / 2;
    EXPECT_EQ(picture->Canvas()->Pixels(0, middle), ToolbarLight);
    EXPECT_EQ(picture->Canvas()->Pixels(toolbar->Width() - 1, middle), ToolbarDark);
    EXPECT_EQ(picture->Canvas()->Pixels(1, middle), ToolbarBody) << "the frame's inner ring is body";
    EXPECT_EQ(picture->Canvas()->Pixels(toolbar->Width() - 3, middle), ToolbarBody) << "client area";

    toolbar->SetBorderStyle(bsNone);
    Pump();
    const auto plain = Render(toolbar);
    EXPECT_EQ(plain->Canvas()->Pixels(0, middle), ToolbarBody);
}

TEST_F(DockedToolbar, DrawEventsComeBeforeAndAfterAndMayTakeThePaintingOver)
{
    Manager().SetSkin("Bars");
    std::vector<std::string> seen;
    const auto record = [&seen](const std::string& who, bool suppress) {
        return [&seen, who, suppress](TObject*, TCanvas&, const TRect&, TQvPaintStage stage,
                                      bool& paintDefault) {
            EXPECT_TRUE(paintDefault);
            seen.push_back(who + (stage == pstPrePaint ? " pre" : " post"));
            if (suppress && stage == pstPrePaint)
                paintDefault = false;
        };
    };
    toolbar->OnDrawBackground = record("toolbar", true);
    dock->OnDrawBackground = record("dock", false);
    const auto picture = Render(toolbar);
    ASSERT_GE(seen.size(), 4u);
    // The dock paints behind the toolbar first, then the toolbar's own event wraps its body.
    EXPECT_EQ(std::vector(seen.begin(), seen.begin() + 4),
              (std::vector<std::string>{"dock pre", "dock post", "toolbar pre", "toolbar post"}));
    EXPECT_NE(picture->Canvas()->Pixels(toolbar->Width() - 3, toolbar->Height() / 2), ToolbarBody)
        << "the toolbar's body was left to the handler";
}

// A grip shows in every look once the dock lets the bar be dragged; with a close button the band is wider.
TEST_F(DockedToolbar, AGripShowsOnlyWhereTheDockAllowsDragging)
{
    struct TLook
    {
        std::string skin;
        bool themes;
    };
    toolbar->SetDragHandleStyle(dhDouble);
    for (const TLook& look : {TLook{"", false}, TLook{"", true}, TLook{"Bars", true}}) {
        SCOPED_TRACE(look.skin + (look.themes ? " themed" : " classic"));
        SetThemesEnabled(look.themes);
        Manager().SetSkin(look.skin);
        dock->SetAllowDrag(true);
        Pump();
        const auto picture = Render(toolbar);
        const TColor face = picture->Canvas()->Pixels(toolbar->Width() - 3, toolbar->Height() - 3);
        const TRect band{2, 4, 11, toolbar->Height() - 4};
        EXPECT_GT(band.Width() * band.Height() - CountPixels(*picture, band, face), 4);
        SaveScreenshot(*picture,
                       "skin_toolbar_grip_" + (look.skin.empty() ? "default" : look.skin) +
                           (look.themes ? "_themed" : "_classic"),
                       4);
        dock->SetAllowDrag(false);
        Pump();
        EXPECT_EQ(toolbar->NonClientWidth(), 4) << "no band for a grip";
    }
}

} // namespace
