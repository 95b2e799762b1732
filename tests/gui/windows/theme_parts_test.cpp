#include "gui_driver.h"
#include "platform/gui/graphics/colors.h"
#include "platform/gui/graphics/theme.h"
#include "platform/gui/qt/theme_painting.h"
#include "platform/gui/windows/style_services.h"

#include <gtest/gtest.h>

#include <memory>

// The themed parts of bars and windows as the system style paints them: menus, rebars, status bars,
// tooltips, window captions and frames, and the explorer bar's category panels. Each class is drawn into
// a small picture (saved under build/screenshots) whose pixels are then probed.

namespace {

using namespace ThemePainting;

class ThemeParts : public testing::Test
{
protected:
    void Start(int width, int height)
    {
        bitmap = std::make_unique<TBitmap>(width, height, pf24bit);
        canvas().Brush()->SetColor(Ground);
        canvas().FillRect({0, 0, width, height});
    }
    TCanvas& canvas() { return *bitmap->Canvas(); }
    template <typename TElement> void Draw(TElement element, const TRect& rect, const TRect* clip = nullptr)
    {
        EXPECT_TRUE(StyleServices().DrawElement(canvas(), GetElementDetails(element), rect, clip));
    }
    template <typename TElement> TSize Size(TElement element)
    {
        TSize size;
        EXPECT_TRUE(StyleServices().GetElementSize(&canvas(), GetElementDetails(element), esActual, size));
        return size;
    }
    template <typename TElement> bool Transparent(TElement element)
    {
        return StyleServices().HasTransparentParts(GetElementDetails(element));
    }
    TColor At(int x, int y) { return canvas().Pixels(x, y); }
    int Count(const TRect& rect, TColor color) { return CountPixels(*bitmap, rect, color); }
    void Save(const std::string& name) { SaveScreenshot(*bitmap, "theme_parts_" + name, 3); }

    std::unique_ptr<TBitmap> bitmap;
};

TEST_F(ThemeParts, NewElementsNameTheirPartsAndStates)
{
    const struct
    {
        TThemedElementDetails details, expected;
    } cases[] = {
        {GetElementDetails(tmMenuBarBackgroundInactive), {teMenu, MENU_BARBACKGROUND, 2}},
        {GetElementDetails(tmPopupSubMenuDisabled), {teMenu, MENU_POPUPSUBMENU, 2}},
        {GetElementDetails(tmMenuBarItemHot), {teMenu, MENU_BARITEM, 2}},
        {GetElementDetails(tsPane), {teStatus, SP_PANE, 0}},
        {GetElementDetails(tsGripperPane), {teStatus, SP_GRIPPERPANE, 0}},
        {GetElementDetails(tsStatusRoot), {teStatus, 0, 0}},
        {GetElementDetails(tttStandardLink), {teToolTip, TTP_STANDARD, TTSS_LINK}},
        {GetElementDetails(TThemedWindow(twSmallFrameLeftActive + 1)),
         {teWindow, WP_SMALLFRAMELEFT, FS_INACTIVE}},
        {GetElementDetails(twSmallFrameBottomActive), {teWindow, WP_SMALLFRAMEBOTTOM, FS_ACTIVE}},
        {GetElementDetails(twFrameRightInactive), {teWindow, WP_FRAMERIGHT, FS_INACTIVE}},
        {GetElementDetails(tcpThemedHeader), {teCategoryPanelGroup, EBP_HEADERBACKGROUND, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "part " << c.expected.Part << " state " << c.expected.State);
        EXPECT_EQ(c.details, c.expected);
    }
    EXPECT_STREQ(ThemeClassName(teToolTip), "ToolTip");
}

TEST_F(ThemeParts, MenuBarAndPopup)
{
    Start(140, 110);
    // The bar: background, a normal, a hot and a pushed item.
    Draw(tmMenuBarBackgroundActive, {0, 0, 140, 20});
    Draw(tmMenuBarItemNormal, {4, 2, 34, 18});
    Draw(tmMenuBarItemHot, {38, 2, 68, 18});
    Draw(tmMenuBarItemPushed, {72, 2, 102, 18});
    Draw(tmMenuBarBackgroundInactive, {110, 0, 140, 20});
    // The popup: background, borders, gutter, a checked entry, a hot entry with a submenu, a separator
    // and a disabled entry with a submenu.
    const TRect popup{0, 24, 120, 110};
    Draw(tmPopupBackground, popup);
    Draw(tmPopupBorders, popup);
    Draw(tmPopupGutter, {1, 25, 25, 109});
    Draw(tmPopupCheckBackgroundNormal, {3, 28, 23, 48});
    Draw(tmPopupCheckNormal, Centred({3, 28, 23, 48}, 16, 16));
    Draw(tmPopupItemHot, {3, 50, 117, 70});
    Draw(tmPopupSubMenuNormal, {99, 52, 115, 68});
    const int separatorHeight = Size(tmPopupSeparator).cy;
    Draw(tmPopupSeparator, Bounds(28, 72, 89, separatorHeight));
    Draw(tmPopupItemDisabled, {3, 86, 117, 106});
    Draw(tmPopupSubMenuDisabled, {99, 88, 115, 104});
    Save("menu");

    EXPECT_EQ(At(2, 10), White) << "bar background";
    EXPECT_EQ(At(120, 10), DisabledFace) << "inactive bar background";
    EXPECT_EQ(At(20, 10), White) << "a normal bar item has no face";
    EXPECT_EQ(At(38, 10), Accent);
    EXPECT_EQ(At(50, 10), HotFace);
    EXPECT_EQ(At(72, 10), AccentDark);
    EXPECT_EQ(At(85, 10), PressedFace);

    EXPECT_EQ(At(0, 60), Border) << "popup border";
    EXPECT_EQ(At(10, 100), Track) << "gutter";
    EXPECT_EQ(At(24, 100), HeaderLine) << "the gutter's edge";
    EXPECT_EQ(At(3, 38), AccentDark) << "check background";
    EXPECT_GT(Count({5, 30, 21, 46}, Glyph), 10) << "the check mark";
    EXPECT_EQ(At(3, 60), Accent) << "hot entry";
    EXPECT_GT(Count({99, 52, 115, 68}, Glyph), 8) << "submenu arrow";
    EXPECT_GT(Count({99, 88, 115, 104}, DisabledGlyph), 8) << "disabled submenu arrow";
    EXPECT_EQ(Count({99, 88, 115, 104}, Glyph), 0);
    EXPECT_EQ(At(60, 95), White) << "a disabled entry that is not hot has no face";

    EXPECT_EQ(separatorHeight, 7);
    EXPECT_EQ(Count({28, 72 + 3, 117, 72 + 4}, HeaderLine), 89) << "the line in the middle of its height";
    EXPECT_EQ(Count({28, 72, 117, 72 + 3}, White), 3 * 89) << "room above the line";
    EXPECT_EQ(Size(tmPopupSubMenuNormal), (TSize{16, 16}));

    EXPECT_TRUE(Transparent(tmPopupItemNormal));
    EXPECT_TRUE(Transparent(tmPopupSubMenuNormal));
    EXPECT_FALSE(Transparent(tmMenuBarBackgroundActive));
    EXPECT_FALSE(Transparent(tmPopupGutter));
}

TEST_F(ThemeParts, RebarBackgroundBandAndGrippers)
{
    Start(120, 60);
    Draw(trRebarDontCare, {0, 0, 120, 60});
    Draw(trBand, {0, 0, 120, 28});
    Draw(trGripper, {2, 2, 8, 26});
    Draw(trBand, {0, 28, 120, 56});
    Draw(trGripperVert, {10, 30, 60, 36});
    Save("rebar");

    const TColor face = ColorToRGB(clBtnFace);
    EXPECT_EQ(At(60, 10), face) << "the band lets the bar show through";
    EXPECT_EQ(Count({0, 26, 120, 27}, HeaderLine), 120) << "the band's etched line";
    EXPECT_EQ(Count({0, 27, 120, 28}, White), 120);
    EXPECT_EQ(At(60, 58), face) << "below the last band";
    EXPECT_GE(Count({2, 2, 8, 26}, ThumbHot), 4 * 5) << "a column of grip dots";
    EXPECT_GE(Count({10, 30, 60, 36}, ThumbHot), 4 * 11) << "a row of grip dots";
    EXPECT_TRUE(Transparent(trBand));
    EXPECT_FALSE(Transparent(trRebarDontCare));
}

TEST_F(ThemeParts, StatusBarPanesAndGrip)
{
    Start(160, 24);
    Draw(tsStatusRoot, {0, 0, 160, 24});
    Draw(tsPane, {0, 2, 60, 24});
    Draw(tsPane, {60, 2, 120, 24});
    Draw(tsGripperPane, {120, 2, 160, 24});
    Draw(tsGripper, {144, 8, 160, 24});
    Save("status");

    const TColor face = ColorToRGB(clBtnFace);
    EXPECT_EQ(Count({0, 0, 160, 1}, HeaderLine), 160) << "the bar's top line";
    EXPECT_EQ(At(30, 12), face);
    EXPECT_EQ(At(59, 12), DisabledBorder) << "a pane's right end";
    EXPECT_EQ(At(119, 12), DisabledBorder);
    EXPECT_EQ(At(59, 2), face) << "the line stops short of the pane's ends";
    EXPECT_EQ(Count({120, 2, 144, 24}, face), 24 * 22) << "the grip's pane has no line";
    EXPECT_EQ(Count({144, 8, 160, 24}, ThumbHot), 6 * 4) << "a triangle of six grip dots";
    EXPECT_TRUE(Transparent(tsPane));
}

TEST_F(ThemeParts, ToolTipStandard)
{
    Start(100, 50);
    HTHEME theme = OpenThemeData("tooltip");
    ASSERT_NE(theme, nullptr);
    EXPECT_TRUE(DrawThemeBackground(theme, canvas(), TTP_STANDARD, TTSS_NORMAL, {4, 4, 96, 22}));
    // As a hint paints its face alone: the part over a larger rectangle, clipped to its own.
    const TRect face{4, 28, 96, 46};
    const TRect larger{0, 24, 100, 50};
    EXPECT_TRUE(DrawThemeBackground(theme, canvas(), TTP_STANDARD, TTSS_NORMAL, larger, &face));
    CloseThemeData(theme);
    Save("tooltip");

    EXPECT_EQ(At(4, 10), ToolTipBorder);
    EXPECT_EQ(At(95, 21), ToolTipBorder);
    EXPECT_EQ(At(50, 12), White);
    EXPECT_EQ(Count(face, White), face.Width() * face.Height()) << "the face without its border";
    EXPECT_EQ(At(2, 30), Ground) << "nothing outside the clip";
}

TEST_F(ThemeParts, WindowSmallCaptionAndFrames)
{
    // A small window: caption, then the left, right and bottom frames around its body, active on the left
    // and inactive on the right.
    Start(130, 60);
    const int border = Size(twSmallFrameLeftActive).cx;
    const int bottom = Size(twSmallFrameBottomActive).cy;
    for (int window = 0; window < 2; ++window) {
        const int left = window * 66;
        const int step = window; // 0 active, 1 inactive
        const TRect r{left, 0, left + 62, 60};
        Draw(TThemedWindow(twSmallCaptionActive + step), {r.Left, r.Top, r.Right, r.Top + 17});
        Draw(TThemedWindow(twSmallFrameLeftActive + step),
             {r.Left, r.Top + 17, r.Left + border, r.Bottom - bottom});
        Draw(TThemedWindow(twSmallFrameRightActive + step),
             {r.Right - border, r.Top + 17, r.Right, r.Bottom - bottom});
        Draw(TThemedWindow(twSmallFrameBottomActive + step), {r.Left, r.Bottom - bottom, r.Right, r.Bottom});
    }
    Save("window");

    EXPECT_EQ(border, 3);
    EXPECT_EQ(bottom, 3);
    EXPECT_EQ(Size(twFrameLeftActive), (TSize{4, 4}));
    EXPECT_EQ(Size(twSmallCaptionActive).cy, 17);

    EXPECT_EQ(At(30, 8), Accent) << "active caption";
    EXPECT_EQ(At(96, 8), Thumb) << "inactive caption";
    EXPECT_EQ(Count({0, 17, 1, 57}, Accent), 40) << "the left frame's outer edge";
    EXPECT_EQ(Count({1, 17, 3, 57}, White), 80) << "inside the outline";
    EXPECT_EQ(Count({61, 17, 62, 57}, Accent), 40) << "the right frame's outer edge";
    EXPECT_EQ(Count({0, 59, 62, 60}, Accent), 62) << "the bottom frame's outer edge";
    EXPECT_EQ(At(30, 40), Ground) << "the body is not the frame's";
    EXPECT_EQ(Count({66, 59, 128, 60}, Thumb), 62) << "an inactive frame's outline";
    EXPECT_FALSE(Transparent(twSmallFrameLeftActive));
}

TEST_F(ThemeParts, CategoryPanelHeaderAndBackground)
{
    Start(100, 70);
    Draw(tcpThemedHeader, {0, 0, 100, 22});
    Draw(tcpBackground, {0, 22, 100, 70});
    Save("category_panel");

    EXPECT_EQ(At(50, 10), HotFace) << "header";
    EXPECT_EQ(Count({0, 21, 100, 22}, Border), 100) << "the header's bottom line";
    EXPECT_EQ(At(0, 40), HeaderLine) << "the group's border";
    EXPECT_EQ(At(50, 40), White) << "the group's face";
}

} // namespace
