#include "support/math_routines.h"
#include "support/rect_routines.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

TEST(RoundHalfEven, TiesGoToTheEvenNeighbour)
{
    const struct
    {
        double value;
        int64_t rounded;
    } cases[] = {
        {0.5, 0},           {1.5, 2},
        {2.5, 2},           {3.5, 4},
        {-0.5, 0},          {-1.5, -2},
        {-2.5, -2},         {2.4, 2},
        {2.6, 3},           {-2.6, -3},
        {0.0, 0},           {4503599627370497.0, 4503599627370497},
        {1e300, INT64_MAX}, {-1e300, INT64_MIN},
        {NAN, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RoundHalfEven(c.value), c.rounded) << c.value;
    }
}

TEST(MathRoutines, PercentAndMultiples)
{
    EXPECT_EQ(PercentOfValue(200, 50), 100);
    EXPECT_EQ(PercentOfValue(5, 50), 2); // 2.5
    EXPECT_EQ(PercentOfValue(7, 50), 4); // 3.5
    EXPECT_EQ(PercentOfValue(INT32_MAX, 200), INT32_MAX);
    EXPECT_DOUBLE_EQ(PercentOf(1, 4), 25.0);
    EXPECT_EQ(PercentOf(1, 0), 0.0);

    const struct
    {
        int32_t value;
        int32_t step;
        int32_t multiple;
    } cases[] = {
        {7, 2, 8},
        {5, 2, 4},
        {6, 3, 6},
        {7, 0, 0},
        {-7, 2, -8},
        {16, 16, 16},
        {23, 16, 16},
        {24, 16, 32},
        {7, -2, 8},
        {INT32_MAX, 1 << 30, 1 << 30},
        {INT32_MIN, -1, INT32_MIN},
        {INT32_MAX - 1, INT32_MAX, INT32_MAX},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RoundToMultiple(c.value, c.step), c.multiple) << c.value << " step " << c.step;
    }
    EXPECT_TRUE(IsInRange(5, 5, 5));
    EXPECT_FALSE(IsInRange(6, 0, 5));
    EXPECT_DOUBLE_EQ(DegreesToRadians(180), M_PI);
}

TEST(RectRoutines, SizeAndInsideTest)
{
    const TRect rect = Rect(10, 20, 30, 60);
    EXPECT_EQ(RectWidth(rect), 20);
    EXPECT_EQ(RectHeight(rect), 40);
    EXPECT_TRUE(PointInRect({10, 20}, rect, false));
    EXPECT_FALSE(PointInRect({30, 40}, rect, false));
    EXPECT_TRUE(PointInRect({30, 40}, rect, true));
    EXPECT_FALSE(PointInRect({20, 60}, rect, false));
    EXPECT_TRUE(PointInRect({20, 60}, rect, true));
    EXPECT_FALSE(PointInRect({9, 40}, rect, true));
}
