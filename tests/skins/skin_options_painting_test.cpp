#include "controls/skins/built_in_skins.h"
#include "controls/skins/skin_table_writing.h"

#include "platform/gui/graphics/bitmap.h"

#include "skin_test_support.h"

#include <gtest/gtest.h>

namespace {

constexpr TColor C1 = 0x0000C0, C2 = 0x00C000, C4 = 0xC0C000;

class SkinOptionsPainting : public testing::Test, public TPaintingPicture
{
protected:
    SkinOptionsPainting() : TPaintingPicture(40, Marker) {}
};

} // namespace

TEST_F(SkinOptionsPainting, BuiltInSkinsPaintTheirListedColours)
{
    const auto amber = NewSkin<TQvAmberSkin>();
    const TRect rect{0, 0, 20, 20};
    // The popup: a solid body inside square borders.
    amber->PaintBackground(canvas(), rect, skncPopup, sknsNormal, true, true);
    EXPECT_EQ(At(0, 0), Hex(0xB6A391));
    EXPECT_EQ(At(19, 19), Hex(0xB6A391));
    EXPECT_EQ(At(1, 1), Hex(0xF8F5F2));
    EXPECT_EQ(At(20, 20), Marker);
    // Without borders the body takes the whole rectangle; without a body the inside stays.
    amber->PaintBackground(canvas(), rect, skncPopup, sknsNormal, true, false);
    EXPECT_EQ(At(0, 0), Hex(0xF8F5F2));
    Clear();
    amber->PaintBackground(canvas(), rect, skncPopup, sknsNormal, false, true);
    EXPECT_EQ(At(0, 0), Hex(0xB6A391));
    EXPECT_EQ(At(1, 1), Marker);

    // A highlighted tab gets the skin's lines along its top after its entries.
    Clear();
    amber->PaintBackground(canvas(), rect, skncTab, sknsHotTrack, true, true);
    EXPECT_EQ(At(2, 0), Hex(0x8F4B1E));
    EXPECT_EQ(At(1, 1), Hex(0xFF7519));

    // Brushed metal in place of the toolbar's white body; its popup paints from the table.
    const auto aluminum = NewSkin<TQvAluminumSkin>();
    Clear();
    aluminum->PaintBackground(canvas(), rect, skncToolbar, sknsNormal, true, true);
    EXPECT_NE(At(10, 10), clWhite);
    EXPECT_NE(At(10, 10), Marker);
    aluminum->PaintBackground(canvas(), rect, skncPopup, sknsNormal, true, true);
    EXPECT_EQ(At(10, 10), Hex(0xF9F9F9));
    EXPECT_EQ(At(0, 0), Hex(0x7F7F7F));
    ExpectToolsKept();
}

TEST_F(SkinOptionsPainting, BackgroundTurnsForVerticalBarsAndKeepsForcedCornersSquare)
{
    TQvSkinOptions skin;
    skin.Options(skncToolbar).Body.Fill(1, clBlack, clWhite);
    skin.Options(skncToolbar).Borders.Fill(2, C1, C2);
    // Vertical: the gradient runs left to right inside the borders; the right corners stay square.
    skin.PaintBackground(canvas(), {0, 0, 12, 20}, skncToolbar, sknsNormal, true, true, true, BF_RIGHT);
    EXPECT_EQ(At(1, 5), clBlack);
    EXPECT_EQ(At(1, 15), clBlack);
    EXPECT_EQ(At(10, 5), clWhite);
    EXPECT_EQ(At(0, 0), Marker);
    EXPECT_EQ(At(11, 19), C2);
    EXPECT_EQ(At(11, 0), C2);
    // Across a horizontal bar the gradient runs downwards.
    skin.PaintBackground(canvas(), {20, 0, 32, 20}, skncToolbar, sknsNormal, true, false);
    EXPECT_EQ(At(25, 0), clBlack);
    EXPECT_EQ(At(25, 19), clWhite);
    ExpectToolsKept();
}

TEST_F(SkinOptionsPainting, WindowFrameRingsFromTheOutsideIn)
{
    TQvSkinOptions skin;
    skin.Options(skncWindow).Body.Fill(0, clYellow);
    skin.Options(skncWindow).Borders.Fill(0, C1, C2, clNone, C4);
    skin.PaintWindowFrame(canvas(), {0, 0, 20, 20}, false, true, 5);
    const TColor across[] = {C1, C2, clYellow, C4, C4, clYellow};
    for (int x = 0; x < 6; ++x) {
        EXPECT_EQ(At(x, 10), across[x]) << x;
    }
    EXPECT_EQ(At(19, 19), C1);

    // Without the body only the rings; more rings than the window has stop at its middle.
    Clear();
    skin.PaintWindowFrame(canvas(), {0, 0, 6, 6}, true, false, 1000000);
    EXPECT_EQ(At(2, 3), Marker); // the third ring has no colour
    EXPECT_EQ(At(0, 3), C1);
    EXPECT_EQ(At(6, 3), Marker);
    ExpectToolsKept();
}
