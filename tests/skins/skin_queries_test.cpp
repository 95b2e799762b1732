#include "platform/gui/graphics/bitmap.h"
#include "platform/gui/graphics/graphics.h"
#include "platform/gui/graphics/theme.h"
#include "skin_test_support.h"
#include "support/errors.h"

#include <gtest/gtest.h>

namespace {

// Queries under a text skin ("Queried"), under the platform theme and in the classic look.
class SkinQueries : public SkinManagerFixture
{
protected:
    void SetUp() override
    {
        SkinManagerFixture::SetUp();
        ASSERT_GE(AddTextSkin({"[Skin]", "Name = Queried", "FloatingWindowBorderSize = 9", "CompactMenu = 1",
                               "[WindowTitleBar]", "Normal.TextColor = clWhite", "[MenuItem]",
                               "HotTrack.TextColor = clRed", "[ToolbarItem]", "Disabled.TextColor = clBlue"}),
                  0);
    }
    void TearDown() override
    {
        SetThemesEnabled(true);
        SkinManagerFixture::TearDown();
    }
    // Selects a skin type: sknSkin (the "Queried" skin), sknWindows or sknNone (the default skin with the
    // theme painter on or off).
    void Use(TQvSkinType type)
    {
        Manager().SetSkin(type == sknSkin ? "Queried" : "");
        SetThemesEnabled(type == sknWindows);
        ASSERT_EQ(Manager().GetSkinType(), type);
    }
};

} // namespace

TEST(SkinModel, NormalOnlyComponentsAnswerTheirNormalCategoryInEveryState)
{
    TQvSkinOptions skin;
    EXPECT_EQ(&skin.Options(skncDock, sknsHotTrack), &skin.Options(skncDock));
    EXPECT_EQ(&skin.Options(skncWindowTitleBar, sknsDisabled), &skin.Options(skncWindowTitleBar));
    EXPECT_NE(&skin.Options(skncMenuItem, sknsHotTrack), &skin.Options(skncMenuItem));
    // Partial components keep a category per state, whether they use it or not.
    EXPECT_NE(&skin.Options(skncEditFrame, sknsPushed), &skin.Options(skncEditFrame));

    skin.Options(skncDock).Body.Fill(0, clRed);
    TQvSkinOptions copy;
    copy.Assign(&skin);
    for (int s = 0; s < SkinStateCount; ++s) {
        // Assign spreads a Normal-only component's category over all six of the copy's.
        EXPECT_EQ(copy.Options(skncDock, static_cast<TQvSkinStatesType>(s)).Body.Color1, clRed);
    }
    TQvSkinOptionEntry entry;
    EXPECT_THROW(copy.Assign(&entry), EConvertError);
}

TEST(SkinModel, StatesFollowTheFirstMatchingFlag)
{
    const struct
    {
        bool enabled, pushed, hotTrack, checked;
        TQvSkinStatesType state;
    } cases[] = {
        {false, true, true, true, sknsDisabled},           {true, true, true, true, sknsPushed},
        {true, false, true, true, sknsCheckedAndHotTrack}, {true, false, true, false, sknsHotTrack},
        {true, false, false, true, sknsChecked},           {true, false, false, false, sknsNormal},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(SkinStateNames[c.state]);
        EXPECT_EQ(TQvSkinOptions::GetState(c.enabled, c.pushed, c.hotTrack, c.checked), c.state);
        bool enabled, pushed, hotTrack, checked;
        TQvSkinOptions::GetState(c.state, enabled, pushed, hotTrack, checked);
        EXPECT_EQ(TQvSkinOptions::GetState(enabled, pushed, hotTrack, checked), c.state);
    }
}

TEST_F(SkinQueries, TextColoursFollowTheSkinTypeInForce)
{
    const struct
    {
        TQvSkinType type;
        TQvSkinComponentsType component;
        TQvSkinStatesType state;
        TColor color;
    } cases[] = {
        {sknSkin, skncMenuItem, sknsHotTrack, clRed},
        {sknSkin, skncMenuItem, sknsDisabled, clGrayText},
        {sknSkin, skncMenuItem, sknsPushed, clMenuText},
        {sknSkin, skncMenuBarItem, sknsHotTrack, clMenuText},
        {sknSkin, skncButton, sknsNormal, clBtnText},
        // A Normal-only component asked for a state it lacks takes its Normal colour...
        {sknSkin, skncWindowTitleBar, sknsDisabled, clWhite},
        // ...and without one, the toolbar item's colour for that state.
        {sknSkin, skncStatusBar, sknsDisabled, clBlue},
        {sknSkin, skncDockablePanelTitleBar, sknsNormal, clMenuText},
        {sknNone, skncMenuItem, sknsHotTrack, clHighlightText},
        {sknNone, skncMenuItem, sknsChecked, clMenuText},
        {sknNone, skncMenuBarItem, sknsHotTrack, clMenuText},
        {sknNone, skncListItem, sknsChecked, clHighlightText},
        {sknNone, skncWindowTitleBar, sknsDisabled, clGrayText},
        {sknNone, skncDock, sknsNormal, clBtnText},
        {sknSkin, skncListItem, sknsChecked, clBtnText},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(SkinComponentTable[c.component].Section) + " " +
                     std::string(SkinStateNames[c.state]) + " type " + std::to_string(c.type));
        Use(c.type);
        EXPECT_EQ(GetCurrentSkin()->GetTextColor(c.component, c.state), c.color);
    }
}

TEST_F(SkinQueries, AnInactiveCaptionWithoutColoursIsGrey)
{
    ASSERT_GE(AddTextSkin({"[Skin]", "Name = Bare"}), 0);
    Manager().SetSkin("Bare");
    EXPECT_EQ(GetCurrentSkin()->GetTextColor(skncWindowTitleBar, sknsDisabled), clGrayText);
    EXPECT_EQ(GetCurrentSkin()->GetTextColor(skncWindowTitleBar, sknsNormal), clMenuText);
}

TEST_F(SkinQueries, ThemedComponentsTakeTheirElementsTextColour)
{
    Use(sknWindows);
    const auto skin = GetCurrentSkin();
    TThemedElementDetails details;
    ASSERT_TRUE(skin->GetThemedElementDetails(skncButton, sknsDisabled, details));
    EXPECT_EQ(details, GetElementDetails(tbPushButtonDisabled));
    TColor expected = clGrayText;
    skin->GetThemedElementTextColor(details, expected);
    EXPECT_EQ(skin->GetTextColor(skncButton, sknsDisabled), expected);
    EXPECT_FALSE(skin->GetThemedElementDetails(skncHeader, sknsNormal, details));
}

TEST_F(SkinQueries, SkinWideValuesCountOnlyUnderASkin)
{
    Use(sknSkin);
    const auto skin = GetCurrentSkin();
    EXPECT_EQ(skin->FloatingWindowBorderSize(), 9);
    EXPECT_TRUE(skin->CompactMenu());
    EXPECT_FALSE(skin->StatusSeparators());
    EXPECT_FALSE(skin->JoinedPopup());
    int arrow = 0, margin = 0, split = 0;
    skin->GetDropDownArrowSize(arrow, margin, split);
    EXPECT_EQ(split, 12);

    Use(sknNone);
    const auto plain = GetCurrentSkin();
    plain->LoadFromStrings(
        *Lines({"[Skin]", "Name = Default", "FloatingWindowBorderSize = 9", "CompactMenu = 1"}));
    EXPECT_EQ(plain->FloatingWindowBorderSize(), 4);
    EXPECT_FALSE(plain->CompactMenu());
    EXPECT_TRUE(plain->StatusSeparators());
    Use(sknWindows);
    EXPECT_FALSE(plain->StatusSeparators());
    plain->GetDropDownArrowSize(arrow, margin, split);
    EXPECT_EQ((std::vector<int>{arrow, margin, split}), (std::vector<int>{8, 3, 13}));
}

TEST_F(SkinQueries, MenuMarginsCountAMissingImageAsSixteenPixels)
{
    TBitmap bitmap;
    bitmap.SetSize(10, 10);
    TCanvas& canvas = *bitmap.Canvas();
    canvas.Font()->SetHeight(-8);
    const TTextMetric metric = canvas.TextMetrics();
    ASSERT_LT(metric.tmHeight + metric.tmExternalLeading, 16);

    Use(sknSkin);
    TQvMenuItemMarginsInfo info;
    GetCurrentSkin()->GetMenuItemMargins(canvas, 0, info);
    EXPECT_EQ(info.Margins, Rect(1, 3, 1, 3));
    EXPECT_EQ(info.GutterSize, 22);
    EXPECT_EQ(info.ImageTextSpace, 5);
    GetCurrentSkin()->GetMenuItemMargins(canvas, 30, info);
    EXPECT_EQ(info.GutterSize, 36);

    Use(sknNone);
    GetCurrentSkin()->GetMenuItemMargins(canvas, 0, info);
    EXPECT_EQ(info.Margins, Rect(0, 2, 0, 2));
    EXPECT_EQ(info.GutterSize, 20);
    EXPECT_EQ((std::vector<int>{info.LeftCaptionMargin, info.RightCaptionMargin, info.ImageTextSpace}),
              (std::vector<int>{2, 2, 1}));
    Use(sknWindows);
    GetCurrentSkin()->GetMenuItemMargins(canvas, 0, info);
    EXPECT_EQ(info.ImageTextSpace, 6);
}
