#include "controls/grid/geometry.h"
#include "controls/grid/providers.h"

#include <gtest/gtest.h>

TEST(Geometry, RectanglesThatShareAnEdgeCountAsOverlapping)
{
    const TRect host{10, 10, 20, 20};
    EXPECT_TRUE(IsRectInRect({20, 12, 30, 15}, host)); // touches the right edge
    EXPECT_TRUE(IsRectInRect({0, 0, 10, 10}, host));   // touches a corner
    EXPECT_TRUE(IsRectInRect({12, 12, 14, 14}, host));
    EXPECT_FALSE(IsRectInRect({21, 12, 30, 15}, host));
    EXPECT_FALSE(TCalcProvider::IsRectInRect({12, 0, 14, 9}, host));
}

TEST(Geometry, PositionsInARectangle)
{
    const TRect r{10, 20, 110, 70}; // centre (60, 45)
    const struct
    {
        TAlignment alignment;
        TVerticalAlignment vertical;
        TPoint expected;
    } cases[] = {
        {taLeftJustify, taAlignTop, {12, 22}},
        {taRightJustify, taAlignBottom, {110 - 16 - 2, 70 - 8 - 2}},
        {taCenter, taVerticalCenter, {60 - 8, 45 - 4}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TCalcProvider::PosInRect(16, 8, 2, r, c.alignment, c.vertical), c.expected)
            << c.alignment << "/" << c.vertical;
    EXPECT_EQ(CenterRect({0, 0, 101, 51}, {0, 0, 20, 10}), (TRect{40, 20, 60, 30}));
    EXPECT_EQ(TCalcProvider::ResizeRect({10, 10, 20, 20}, -1, 2, 3, -4), (TRect{9, 12, 23, 16}));
    TPadding padding;
    padding.SetBounds(1, 2, 3, 4);
    EXPECT_EQ(ApplyPadding({0, 0, 50, 50}, padding), (TRect{1, 2, 47, 46}));
}

TEST(Geometry, IntegerHelpers)
{
    EXPECT_TRUE(IsNoCell({-1, 5}));
    EXPECT_TRUE(IsNoCell({3, -1}));
    EXPECT_FALSE(IsNoCell({0, 0}));
    EXPECT_FALSE(IsPointFarFrom({14, 10}, {10, 10}, 4));
    EXPECT_TRUE(IsPointFarFrom({10, 5}, {10, 10}, 4));
    int value = 5;
    ClampInteger(value, 10, 0); // the minimum is tested first, the maximum wins
    EXPECT_EQ(value, 0);
    value = -3;
    ClampInteger(value, 0, 10);
    EXPECT_EQ(value, 0);
    int a = 1, b = 2;
    SwapIntegers(a, b);
    EXPECT_EQ(a * 10 + b, 21);
}

TEST(Geometry, DpiScalingUsesWholeFactorsOf72)
{
    EXPECT_EQ(ScaleToDpi(10, 96), 10);
    EXPECT_EQ(ScaleToDpi(10, 120), 10);
    EXPECT_EQ(ScaleToDpi(10, 144), 20);
    EXPECT_EQ(ScalePointToDpi({3, 4}), (TPoint{3, 4}));
}
