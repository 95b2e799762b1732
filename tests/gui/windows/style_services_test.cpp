#include "gui_driver.h"
#include "platform/gui/graphics/colors.h"
#include "platform/gui/graphics/platform_answers.h"
#include "platform/gui/graphics/theme.h"
#include "platform/gui/windows/style_manager.h"
#include "std_controls_test_support.h"
#include "test_style.h"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<TBitmap> Blank(int width, int height)
{
    auto bitmap = std::make_unique<TBitmap>(width, height, pf24bit);
    bitmap->Canvas()->Brush()->SetColor(Ground);
    bitmap->Canvas()->FillRect({0, 0, width, height});
    return bitmap;
}

} // namespace

TEST(StyleElements, DetailsNameThePainterPartAndState)
{
    const struct
    {
        TThemedElementDetails details, expected;
    } cases[] = {
        {GetElementDetails(tbButtonDontCare), {teButton, 0, 0}},
        {GetElementDetails(tbPushButtonHot), {teButton, BP_PUSHBUTTON, PBS_HOT}},
        {GetElementDetails(tbPushButtonDefaulted), {teButton, BP_PUSHBUTTON, PBS_DEFAULTED}},
        {GetElementDetails(tbCheckBoxCheckedPressed), {teButton, BP_CHECKBOX, 7}},
        {GetElementDetails(tbGroupBoxDisabled), {teButton, BP_GROUPBOX, 2}},
        {GetElementDetails(TThemedToolBar(ttbDropDownButtonNormal + 2)), {teToolBar, TP_DROPDOWNBUTTON, 3}},
        {GetElementDetails(ttbSplitButtonDropDownCheckedHot), {teToolBar, TP_SPLITBUTTONDROPDOWN, 6}},
        {GetElementDetails(ttbSeparatorVertNormal), {teToolBar, TP_SEPARATORVERT, 1}},
        {GetElementDetails(tmMenuBarItem), {teMenu, MENU_MENUBARITEM, 0}},
        {GetElementDetails(tmPopupItemDisabledHot), {teMenu, MENU_POPUPITEM, 4}},
        {GetElementDetails(tmPopupBulletDisabled), {teMenu, MENU_POPUPCHECK, 4}},
        {GetElementDetails(tmPopupCheckBackgroundBitmap), {teMenu, MENU_POPUPCHECKBACKGROUND, 3}},
        {GetElementDetails(tmPopupSeparator), {teMenu, MENU_POPUPSEPARATOR, 0}},
        {GetElementDetails(thHeaderItemRightPressed), {teHeader, HP_HEADERITEMRIGHT, 3}},
        {GetElementDetails(tsDownDisabled), {teSpin, SPNP_DOWN, 4}},
        {GetElementDetails(ttbThumbBottomFocused), {teTrackBar, TKP_THUMBBOTTOM, 4}},
        {GetElementDetails(twSmallCaptionInactive), {teWindow, WP_SMALLCAPTION, 2}},
        {GetElementDetails(ttTabItemSelected), {teTab, TABP_TABITEM, 3}},
        {GetElementDetails(trGripperVert), {teRebar, RP_GRIPPERVERT, 0}},
        {GetElementDetails(tsGripper), {teStatus, SP_GRIPPER, 0}},
        {GetElementDetails(teEditTextSelected), {teEdit, EP_EDITTEXT, 3}},
        {GetElementDetails(tcDropDownButtonDisabled), {teComboBox, CP_DROPDOWNBUTTON, 4}},
        {GetElementDetails(tpPanelBevel), {tePanel, 2, 1}},
        {GetElementDetails(tgFixedCellNormal), {teGrid, 2, 1}},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        const TThemedElementDetails& d = cases[i].details;
        EXPECT_EQ(d, cases[i].expected)
            << "case " << i << ": " << d.Element << " " << d.Part << " " << d.State;
    }
    EXPECT_STREQ(ThemeClassName(teToolBar), "Toolbar");
    EXPECT_STREQ(ThemeClassName(tePanel), "") << "panels are painted by custom styles only";
}

TEST(SystemStyle, DrawsTheElementsThroughTheThemePainter)
{
    TCustomStyleServices& style = TStyleManager::SystemStyle();
    EXPECT_EQ(style.Name(), "Windows");
    EXPECT_TRUE(style.IsSystemStyle());
    EXPECT_TRUE(style.Enabled());
    EXPECT_FALSE(TStyleManager::IsCustomStyleActive());

    const TThemedElementDetails gallery[] = {
        GetElementDetails(tbPushButtonNormal),
        GetElementDetails(tbPushButtonHot),
        GetElementDetails(tbPushButtonDefaulted),
        GetElementDetails(tbCheckBoxCheckedNormal),
        GetElementDetails(thHeaderItemPressed),
        GetElementDetails(ttbButtonChecked),
        GetElementDetails(tmPopupItemHot),
        GetElementDetails(tmPopupCheckNormal),
        GetElementDetails(tmPopupSeparator),
        GetElementDetails(trGripper),
        GetElementDetails(tsGripper),
        GetElementDetails(ttbThumbBottomHot),
        GetElementDetails(twCaptionActive),
        GetElementDetails(tsUpNormal),
    };
    const int cell = 24, size = cell - 4;
    auto picture = Blank(cell * static_cast<int>(std::size(gallery)), cell);
    auto empty = Blank(size, size);
    for (size_t i = 0; i < std::size(gallery); ++i) {
        const TThemedElementDetails& d = gallery[i];
        auto byStyle = Blank(size, size), byTheme = Blank(size, size);
        const TRect r{0, 0, size, size};
        ASSERT_TRUE(style.DrawElement(*byStyle->Canvas(), d, r)) << "gallery " << i;
        HTHEME theme = OpenThemeData(ThemeClassName(d.Element));
        DrawThemeBackground(theme, *byTheme->Canvas(), d.Part, d.State, r);
        CloseThemeData(theme);
        EXPECT_EQ(PixelsThatDiffer(*byStyle, *byTheme), 0) << "gallery " << i;
        EXPECT_GT(PixelsThatDiffer(*byStyle, *empty), 0) << "gallery " << i << " draws something";
        picture->Canvas()->Draw(static_cast<int>(i) * cell + 2, 2, byStyle.get());
    }
    SaveScreenshot(*picture, "style_system_elements", 4);

    TRect content;
    ASSERT_TRUE(
        style.GetElementContentRect(nullptr, GetElementDetails(tbPushButtonNormal), {0, 0, 80, 24}, content));
    EXPECT_EQ(content, (TRect{2, 2, 78, 22}));
    TColor color = clNone;
    ASSERT_TRUE(style.GetElementColor(GetElementDetails(tbPushButtonDisabled), ecTextColor, color));
    EXPECT_EQ(color, ColorToRGB(clGrayText));
    EXPECT_FALSE(style.GetElementColor(GetElementDetails(tpPanelBackground), ecFillColor, color));
    EXPECT_FALSE(style.DrawElement(*picture->Canvas(), GetElementDetails(tpPanelBackground), {0, 0, 4, 4}));
    TSize boxSize;
    ASSERT_TRUE(
        style.GetElementSize(nullptr, GetElementDetails(tbCheckBoxUncheckedNormal), esActual, boxSize));
    EXPECT_EQ(boxSize, (TSize{13, 13}));
    EXPECT_EQ(style.GetStyleFontColor(sfListItemTextSelected), clHighlightText);
}

TEST(SystemStyle, IsDisabledWhileVisualStylesAreOff)
{
    TCustomStyleServices& style = TStyleManager::SystemStyle();
    SetThemesEnabled(false);
    auto picture = Blank(20, 20), untouched = Blank(20, 20);
    EXPECT_FALSE(style.Enabled());
    EXPECT_FALSE(
        style.DrawElement(*picture->Canvas(), GetElementDetails(tbPushButtonNormal), {0, 0, 20, 20}));
    SetThemesEnabled(true);
    EXPECT_EQ(PixelsThatDiffer(*picture, *untouched), 0);

    TPlatformAnswers withoutStyles;
    withoutStyles.VisualStyles = false;
    SetPlatformAnswers(withoutStyles);
    EXPECT_FALSE(style.Enabled()) << "the platform's answer decides";
    SetPlatformAnswers(std::nullopt);
    EXPECT_TRUE(style.Enabled());
}

TEST(StyleManager, ACustomStyleReplacesTheSystemStyleWhileEnabled)
{
    EXPECT_EQ(&StyleServices(), &TStyleManager::SystemStyle());
    {
        TTestStyleInUse custom;
        EXPECT_EQ(&StyleServices(), &custom.style);
        EXPECT_FALSE(StyleServices().IsSystemStyle());
        EXPECT_TRUE(TStyleManager::IsCustomStyleActive());
        custom.style.enabled = false;
        EXPECT_FALSE(TStyleManager::IsCustomStyleActive()) << "a disabled style paints nothing of its own";
    }
    EXPECT_EQ(&StyleServices(), &TStyleManager::SystemStyle());
    EXPECT_FALSE(TStyleManager::IsCustomStyleActive());
}

TEST(StyleManager, ParentBackgroundOnlyBehindTransparentElements)
{
    TForm* form = ShowTestForm(120, 80);
    form->SetColor(clYellow);
    auto* child = new TCustomControl(form);
    child->SetBounds(20, 20, 30, 20);
    child->SetParent(form);
    Pump();
    TCustomStyleServices& style = StyleServices();
    auto picture = Blank(30, 20);
    const TThemedElementDetails button = GetElementDetails(tbPushButtonNormal);
    const TThemedElementDetails check = GetElementDetails(tbCheckBoxUncheckedNormal);
    EXPECT_FALSE(style.DrawParentBackground(child->Handle(), *picture->Canvas(), &button, true));
    EXPECT_EQ(picture->Canvas()->Pixels(5, 5), Ground) << "a push button covers its rectangle";
    EXPECT_TRUE(style.DrawParentBackground(child->Handle(), *picture->Canvas(), &check, true));
    EXPECT_EQ(picture->Canvas()->Pixels(5, 5), clYellow) << "a check box shows the form around its box";
    form->Free();
}
