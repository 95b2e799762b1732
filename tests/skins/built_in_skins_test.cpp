#include "controls/skins/built_in_skins.h"
#include "controls/skins/skin_colors.h"
#include "controls/skins/skin_table_writing.h"
#include "platform/gui/graphics/bitmap.h"
#include "skin_test_support.h"

#include <gtest/gtest.h>

namespace {

const std::vector<std::string> BuiltInNames = {"Aluminum", "Athen",       "Dream",        "Eos",
                                               "Amber",    "Graphite",    "Xito",         "Flat",
                                               "Gradient", "Glossy Blue", "Glossy Black", "Glossy Silver"};

class BuiltInSkins : public SkinManagerFixture
{
protected:
    void SetUp() override
    {
        SkinManagerFixture::SetUp();
        RegisterBuiltInSkins();
    }
};

bool SameCategory(const TQvSkinOptionCategory& a, const TQvSkinOptionCategory& b)
{
    return a.Body.IsEqual(b.Body) && a.Borders.IsEqual(b.Borders) && a.TextColor == b.TextColor;
}

bool SameComponent(const TQvSkinOptions& skin, TQvSkinComponentsType a, TQvSkinComponentsType b)
{
    for (int s = 0; s < SkinStateCount; ++s) {
        const auto state = static_cast<TQvSkinStatesType>(s);
        if (!SameCategory(skin.Options(a, state), skin.Options(b, state))) {
            return false;
        }
    }
    return true;
}

// Whether entry is source with every set colour lightened by amount.
bool IsLightened(const TQvSkinOptionEntry& entry, const TQvSkinOptionEntry& source, int amount)
{
    TQvSkinOptionEntry expected;
    expected.Assign(&source);
    expected.Lighten(amount);
    return entry.IsEqual(expected);
}

} // namespace

TEST_F(BuiltInSkins, AreRegisteredOnceInTheirOrder)
{
    RegisterBuiltInSkins();
    TQvSkinsList& list = Manager().SkinsList();
    const int first = list.IndexOf("Aluminum");
    ASSERT_GE(first, 0);
    for (size_t i = 0; i < BuiltInNames.size(); ++i) {
        EXPECT_EQ(list.Strings(first + static_cast<int>(i)), BuiltInNames[i]);
        EXPECT_TRUE(list.GetSkinOption(first + static_cast<int>(i))->SkinClass);
    }
    EXPECT_EQ(list.AddSkin("Eos", TQvSkinOptionsClass::Of<TQvEosSkin>()), -1);
}

TEST_F(BuiltInSkins, NameFlagsAndDerivationsOfEverySkin)
{
    const struct
    {
        const char* name;
        bool iconShadow, compactMenu, statusSeparators;
        int lighter, darker;
    } cases[] = {
        {"Aluminum", false, false, false, 20, 20},    {"Athen", false, false, false, 30, 30},
        {"Dream", false, false, false, 20, 20},       {"Eos", false, false, false, 30, 30},
        {"Amber", false, false, false, 20, 20},       {"Graphite", false, false, false, 30, 20},
        {"Xito", false, false, false, 20, 20},        {"Flat", true, true, true, 20, 20},
        {"Gradient", false, true, false, 20, 20},     {"Glossy Blue", false, true, false, 10, 10},
        {"Glossy Black", false, true, false, 10, 10}, {"Glossy Silver", false, true, false, 10, 10},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TSkinListener listener;
        Manager().SetSkin(c.name);
        EXPECT_EQ(listener.Received, 1);
        const auto skin = GetCurrentSkin();
        EXPECT_EQ(skin->SkinName(), c.name);
        EXPECT_EQ(skin->StoredIconShadow(), c.iconShadow);
        EXPECT_EQ(skin->StoredCompactMenu(), c.compactMenu);
        EXPECT_EQ(skin->StoredStatusSeparators(), c.statusSeparators);
        EXPECT_EQ(skin->StoredFloatingWindowBorderSize(), 4);
        EXPECT_EQ(skin->ColorBtnFace(), clBtnFace);
        EXPECT_TRUE(skin->SkinAuthor().empty());

        EXPECT_TRUE(SameComponent(*skin, skncRadioButton, skncCheckBox));
        EXPECT_TRUE(SameComponent(*skin, skncTrackBar, skncProgressBar) || std::string(c.name) == "Eos");
        const TQvSkinOptionCategory& checked = skin->Options(skncListItem, sknsChecked);
        const TQvSkinOptionCategory& hot = skin->Options(skncListItem, sknsHotTrack);
        const TQvSkinOptionCategory& checkedHot = skin->Options(skncListItem, sknsCheckedAndHotTrack);
        EXPECT_FALSE(checked.Body.IsEmpty());
        EXPECT_TRUE(IsLightened(hot.Body, checked.Body, c.lighter));
        EXPECT_TRUE(IsLightened(hot.Borders, checked.Borders, c.lighter));
        EXPECT_TRUE(IsLightened(checkedHot.Body, checked.Body, -c.darker));
        EXPECT_TRUE(IsLightened(checkedHot.Borders, checked.Borders, -c.darker));
        // Every skin paints the parts a main window shows.
        EXPECT_FALSE(skin->Options(skncPopup).Body.IsEmpty());
        EXPECT_FALSE(skin->Options(skncToolbarItem, sknsHotTrack).Body.IsEmpty());
        EXPECT_FALSE(skin->Options(skncMenuItem, sknsHotTrack).Body.IsEmpty());
    }
}

TEST_F(BuiltInSkins, TheColourSchemeChoosesTheAluminumHighlights)
{
    Manager().SetSkin("Aluminum");
    auto* aluminum = dynamic_cast<TQvAluminumSkin*>(GetCurrentSkin().get());
    ASSERT_TRUE(aluminum);
    // This desktop shows no scheme of its own: the metallic row.
    EXPECT_EQ(aluminum->Options(skncToolbarItem, sknsHotTrack).Body.Color1, Hex(0xE8E9EC));
    EXPECT_EQ(aluminum->Options(skncToolbarItem, sknsHotTrack).Borders.Color1, Hex(0xB2B4BF));
    EXPECT_EQ(aluminum->Options(skncMenuItem, sknsChecked).Body.Color1, Hex(0xDCDCDD));

    TSkinListener listener;
    aluminum->SetDefaultColorScheme(lusGreen);
    EXPECT_EQ(aluminum->Options(skncToolbarItem, sknsHotTrack).Body.Color1, Hex(0xDFE3D4));
    EXPECT_EQ(aluminum->Options(skncToolbarItem, sknsPushed).Body.Color1, Hex(0xC9D0B8));
    EXPECT_EQ(aluminum->SkinName(), "Aluminum");
    EXPECT_EQ(listener.Received, 0);
    EXPECT_EQ(aluminum->GetMetalColor(skncToolbar, sknsNormal), Hex(0xDFDFDF));
    EXPECT_EQ(aluminum->GetMetalColor(skncDock, sknsNormal), Hex(0xC7C7C7));
    EXPECT_EQ(aluminum->GetMetalColor(skncPopup, sknsNormal), clNone);
}

TEST_F(BuiltInSkins, GradientFallsBackToSystemColoursWithoutAScheme)
{
    Manager().SetSkin("Gradient");
    auto* gradient = dynamic_cast<TQvGradientSkin*>(GetCurrentSkin().get());
    ASSERT_TRUE(gradient);
    EXPECT_EQ(gradient->Options(skncDock).Body.Color1, clBtnFace);
    EXPECT_EQ(gradient->Options(skncWindowTitleBar).TextColor, clBtnHighlight);
    EXPECT_EQ(gradient->Options(skncToolbarItem, sknsHotTrack).Borders.Color1, clHighlight);
    EXPECT_TRUE(gradient->Options(skncMenuBar).IsEmpty());

    gradient->SetDefaultColorScheme(lusBlue);
    EXPECT_EQ(gradient->Options(skncDock).Body.Color1, Hex(0x9EBEF5));
    EXPECT_EQ(gradient->Options(skncToolbarItem, sknsChecked).Body.Color1, Hex(0xFFD58C));
    EXPECT_EQ(gradient->Options(skncWindowTitleBar).TextColor, clNone);
    EXPECT_EQ(gradient->Options(skncMenuItem, sknsChecked).Borders.Color3, Hex(0x000080));
    EXPECT_EQ(gradient->Options(skncMenuItem, sknsChecked).Borders.Color1, clNone);
}

TEST_F(BuiltInSkins, GlossyVariantsShareTheirHighlightsButNotTheirBars)
{
    std::vector<std::shared_ptr<TQvSkinOptions>> variants;
    for (const char* name : {"Glossy Blue", "Glossy Black", "Glossy Silver"}) {
        Manager().SetSkin(name);
        variants.push_back(GetCurrentSkin());
    }
    for (const auto& variant : variants) {
        for (const TQvSkinStatesType state : HighlightStates) {
            EXPECT_TRUE(SameCategory(variant->Options(skncToolbarItem, state),
                                     variants[0]->Options(skncToolbarItem, state)));
        }
        EXPECT_TRUE(SameComponent(*variant, skncMenuItem, skncToolbarItem));
        EXPECT_TRUE(variant->Options(skncToolbar).IsEmpty());
    }
    EXPECT_FALSE(variants[0]->Options(skncDock).Body.IsEqual(variants[1]->Options(skncDock).Body));
    EXPECT_EQ(variants[1]->Options(skncStatusBar).TextColor, Hex(0xFFFFFF));
    EXPECT_EQ(variants[0]->Options(skncStatusBar).TextColor, clNone);
    EXPECT_TRUE(SameCategory(variants[0]->Options(skncTrackBarButton),
                             variants[0]->Options(skncToolbarItem, sknsChecked)));
}

TEST_F(BuiltInSkins, ThreeSkinsPaintSomeBackgroundsTheirOwnWay)
{
    TBitmap bitmap;
    bitmap.SetSize(40, 20);
    TCanvas& canvas = *bitmap.Canvas();
    const TRect rect = Rect(0, 0, 40, 20);
    const auto clear = [&] {
        canvas.Brush()->SetColor(clWhite);
        canvas.FillRect(rect);
    };

    TQvAluminumSkin aluminum;
    aluminum.FillOptions();
    clear();
    EXPECT_FALSE(aluminum.PaintOwnBackground(canvas, rect, skncPopup, sknsNormal, true, true, 0));
    EXPECT_EQ(canvas.Pixels(10, 10), clWhite);
    EXPECT_TRUE(aluminum.PaintOwnBackground(canvas, rect, skncToolbar, sknsNormal, true, true, 0));
    EXPECT_NE(canvas.Pixels(10, 10), clWhite); // metal, not the entry's white
    EXPECT_EQ(canvas.Pixels(10, 0), clWhite);  // the borders' light top line

    TQvAmberSkin amber;
    clear();
    amber.PaintBackgroundExtras(canvas, rect, skncTab, sknsNormal);
    EXPECT_EQ(canvas.Pixels(5, 0), clWhite);
    amber.PaintBackgroundExtras(canvas, rect, skncTab, sknsHotTrack);
    EXPECT_EQ(canvas.Pixels(2, 0), Hex(0x8F4B1E));
    EXPECT_EQ(canvas.Pixels(1, 0), clWhite);
    EXPECT_EQ(canvas.Pixels(1, 1), Hex(0xFF7519));
    EXPECT_EQ(canvas.Pixels(0, 2), Hex(0xFF7519));

    TQvGraphiteSkin graphite;
    clear();
    graphite.PaintBackgroundExtras(canvas, rect, skncTabBackground, sknsDisabled);
    EXPECT_EQ(canvas.Pixels(0, 0), Hex(0x799DDB));
    EXPECT_EQ(canvas.Pixels(39, 1), Hex(0xAFEEFA));
    EXPECT_EQ(canvas.Pixels(0, 2), clWhite);
}
