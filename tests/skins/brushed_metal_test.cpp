#include "controls/skins/brushed_metal.h"

#include "platform/gui/graphics/bitmap.h"
#include "platform/gui/graphics/gdi.h"
#include "support/color_routines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

namespace {

namespace Tables = BrushedMetalTables;

constexpr TColor Metal = 0xC0C0C0;
constexpr TColor Unpainted = 0x0000FF; // pure red: never a colour of a grey texture

// A picture filled with red to paint the texture on; it is tall enough to show the texture repeat.
class BrushedMetal : public testing::Test
{
protected:
    BrushedMetal() : bitmap(260, 1030, pf24bit), other(260, 1030, pf24bit)
    {
        FreeThreads();
        SeedBrushedMetal(20261211);
        for (TBitmap* b : {&bitmap, &other}) {
            b->Canvas()->Brush()->SetColor(Unpainted);
            b->Canvas()->FillRect({0, 0, b->Width(), b->Height()});
        }
    }
    ~BrushedMetal() override { FreeThreads(); }

    TCanvas& canvas() { return *bitmap.Canvas(); }
    static const uint8_t* Row(const TBitmap& b, int y) { return b.ScanLine(y); }
    static bool SameRow(const TBitmap& a, int ya, const TBitmap& b, int yb)
    {
        return std::memcmp(Row(a, ya), Row(b, yb), static_cast<size_t>(3 * a.Width())) == 0;
    }
    // The smallest and largest channel value inside r.
    std::pair<int, int> ChannelRange(const TRect& r) const
    {
        int low = 255, high = 0;
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int i = 3 * r.Left; i < 3 * r.Right; ++i) {
                low = std::min<int>(low, Row(bitmap, y)[i]);
                high = std::max<int>(high, Row(bitmap, y)[i]);
            }
        return {low, high};
    }
    int CountUnpainted(const TBitmap& b, const TRect& r) const
    {
        int count = 0;
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x) {
                const uint8_t* bgr = Row(b, y) + 3 * x;
                count += bgr[0] == 0 && bgr[1] == 0 && bgr[2] == 0xFF;
            }
        return count;
    }

    TBitmap bitmap;
    TBitmap other;
};

} // namespace

TEST_F(BrushedMetal, GeneratedTablesKeepTheirInvariants)
{
    DrawBrushedMetal(canvas(), std::nullopt, {0, 0, 10, 10}, Metal, 12);
    ASSERT_EQ(Tables::Threads().size(), 8u);
    for (const std::vector<int>& profile : Tables::Threads()) {
        EXPECT_EQ(profile.size() % 2, 0u);
        EXPECT_GE(profile.size(), 100u);
        EXPECT_LE(profile.size(), 200u);
        for (size_t j = 0; j < profile.size(); j += 2) {
            EXPECT_GE(profile[j], -255);
            EXPECT_LE(profile[j + 1], 255);
            EXPECT_LE(profile[j], profile[j + 1]);
            EXPECT_LE(profile[j + 1] - profile[j], 300);
        }
    }
    ASSERT_EQ(Tables::ThreadRowIndex().size(), 1024u);
    ASSERT_EQ(Tables::ThreadRowOffset().size(), 1024u);
    for (size_t k = 0; k < 1024; ++k) {
        const int t = Tables::ThreadRowIndex()[k];
        ASSERT_TRUE(t >= 0 && t < 8) << k;
        const int offset = Tables::ThreadRowOffset()[k];
        EXPECT_TRUE(offset >= 0 &&
                    offset < static_cast<int>(Tables::Threads()[static_cast<size_t>(t)].size()))
            << k;
        EXPECT_EQ(offset % 2, static_cast<int>(k % 2)) << k;
    }

    // The same seed makes the same texture again; another seed another one.
    const auto threads = Tables::Threads();
    const auto rows = Tables::ThreadRowIndex();
    FreeThreads();
    SeedBrushedMetal(20261211);
    DrawBrushedMetal(canvas(), std::nullopt, {0, 0, 10, 10}, Metal, 12);
    EXPECT_EQ(Tables::Threads(), threads);
    EXPECT_EQ(Tables::ThreadRowIndex(), rows);
    FreeThreads();
    SeedBrushedMetal(7);
    DrawBrushedMetal(canvas(), std::nullopt, {0, 0, 10, 10}, Metal, 12);
    EXPECT_NE(Tables::Threads(), threads);
}

TEST_F(BrushedMetal, NoColourOrNothingVisibleMakesNoTables)
{
    DrawBrushedMetal(canvas(), std::nullopt, {0, 0, 100, 100}, clNone, 12);
    DrawBrushedMetal(canvas(), std::nullopt, {300, 0, 400, 100}, Metal, 12);
    const int saved = SaveDC(canvas());
    IntersectClipRect(canvas(), 0, 0, 50, 50);
    DrawBrushedMetal(canvas(), std::nullopt, {60, 60, 100, 100}, Metal, 12);
    EXPECT_TRUE(Tables::Threads().empty());

    // Drawn under a clip, the texture stays inside it and the clip is given back.
    DrawBrushedMetal(canvas(), std::nullopt, {0, 0, 100, 100}, Metal, 12);
    EXPECT_EQ(CountUnpainted(bitmap, {0, 0, 50, 50}), 0);
    EXPECT_EQ(CountUnpainted(bitmap, {0, 0, 100, 100}), 100 * 100 - 50 * 50);
    TRect box;
    GetClipBox(canvas(), box);
    EXPECT_EQ(box, (TRect{0, 0, 50, 50}));
    RestoreDC(canvas(), saved);
}

TEST_F(BrushedMetal, RowsRepeatEvery1024AndFollowTheOrigin)
{
    DrawBrushedMetal(canvas(), std::nullopt, {0, 0, 260, 1030}, Metal, 12);
    EXPECT_EQ(CountUnpainted(bitmap, {0, 0, 260, 1030}), 0);
    EXPECT_TRUE(SameRow(bitmap, 1024, bitmap, 0));
    EXPECT_TRUE(SameRow(bitmap, 1029, bitmap, 5));

    // Far above the picture: row y shows texture row (y + 70000) mod 1024 = (y + 368) mod 1024.
    DrawBrushedMetal(*other.Canvas(), TPoint{0, -70000}, {0, 0, 260, 1030}, Metal, 12);
    for (int y : {0, 1, 655, 656, 1000})
        EXPECT_TRUE(SameRow(other, y, bitmap, (y + 368) % 1024)) << y;

    // An origin right of the rectangle and far below it (beyond the texture's 64 repeats) still covers it,
    // shifted by the origin: row y shows texture row (y - 70000) mod 1024 = (y + 656) mod 1024.
    DrawBrushedMetal(*other.Canvas(), TPoint{37, 70000}, {0, 0, 260, 1030}, Metal, 12);
    EXPECT_EQ(CountUnpainted(other, {0, 0, 260, 1030}), 0);
    for (int y : {0, 10, 367, 368, 1029})
        EXPECT_EQ(std::memcmp(Row(other, y) + 3 * 37, Row(bitmap, (y + 656) % 1024), 3 * (260 - 37)), 0) << y;
}

TEST_F(BrushedMetal, ChannelsStayWithinTheRoughnessOfTheBase)
{
    DrawBrushedMetal(canvas(), std::nullopt, {0, 0, 260, 40}, clWhite, 12);
    EXPECT_EQ(ChannelRange({0, 0, 260, 40}).second, 239);
    DrawBrushedMetal(canvas(), std::nullopt, {0, 40, 260, 80}, clBlack, 12);
    const auto [low, high] = ChannelRange({0, 40, 260, 80});
    EXPECT_EQ(low, 0);
    EXPECT_GT(high, 0);
    EXPECT_LE(high, 11);
}

TEST_F(BrushedMetal, CacheIsARingOfSixteenColours)
{
    const int first = Tables::CacheNext();
    const auto slot = [first](int n) { return static_cast<size_t>((first + n) % 16); };
    const auto key = [](TColor rgb, int roughness) {
        const uint32_t pixel = 0xFF000000u | ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
        return Tables::TCacheKey{pixel, roughness};
    };
    const TRect r{0, 0, 20, 20};

    // A system colour and its value now are one colour; another roughness is another item.
    DrawBrushedMetal(canvas(), std::nullopt, r, clBtnFace, 12);
    DrawBrushedMetal(canvas(), std::nullopt, r, ColorToRGB(clBtnFace), 12);
    EXPECT_EQ(Tables::CacheNext(), (first + 1) % 16);
    DrawBrushedMetal(canvas(), std::nullopt, r, clBtnFace, 13);
    EXPECT_EQ(Tables::CacheNext(), (first + 2) % 16);
    EXPECT_EQ(Tables::CacheKeys()[slot(1)], key(ColorToRGB(clBtnFace), 13));

    // Seventeen colours: the seventeenth takes the item of the first, which then comes back one further,
    // rendered anew.
    FreeThreads();
    const TRect firstRect{0, 20, 20, 40};
    for (int n = 0; n < 17; ++n)
        DrawBrushedMetal(canvas(), std::nullopt, n == 0 ? firstRect : r, GrayColor(10 * n), 12);
    ASSERT_EQ(Tables::CacheKeys().size(), 16u);
    EXPECT_EQ(Tables::CacheKeys()[slot(2)], key(GrayColor(160), 12));
    DrawBrushedMetal(*other.Canvas(), std::nullopt, firstRect, GrayColor(0), 12);
    EXPECT_EQ(Tables::CacheKeys()[slot(3)], key(GrayColor(0), 12));
    for (int y = firstRect.Top; y < firstRect.Bottom; ++y)
        EXPECT_EQ(std::memcmp(Row(other, y), Row(bitmap, y), 3 * 20), 0) << y;
}
