#include "controls/edits/progress_bar.h"
#include "gui_driver.h"
#include "manual_clock.h"
#include "platform/gui/graphics/gdi.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

// Colours and lengths of the runs of equal pixels along a row.
using TRuns = std::vector<std::pair<TColor, int>>;

class CountingBar : public TVezProgressBar
{
public:
    using TVezProgressBar::TVezProgressBar;
    int paints = 0;

protected:
    void Paint() override
    {
        ++paints;
        TVezProgressBar::Paint();
    }
};

// A parent in a colour no bar uses, that notes the paints that reached any of its pixels.
class ProbedPanel : public TCustomControl
{
public:
    using TCustomControl::TCustomControl;
    int visiblePaints = 0;

protected:
    void Paint() override
    {
        TRect clip;
        if (GetClipBox(*Canvas(), clip) != NULLREGION)
            ++visiblePaints;
        Canvas()->Brush()->SetColor(clFuchsia);
        Canvas()->FillRect(ClientRect());
    }
};

constexpr TColor L0 = 0x00C000, L1 = 0x00C0C0, L2 = 0x0080FF, L3 = 0x0000C0, Back = clWhite, Border = clGray;

// A bar 102 x 20 pixels at (10, 10), its inner length 100, in solid colours and without text.
class ProgressBars : public testing::Test
{
protected:
    void SetUp() override
    {
        form = ShowTestForm(300, 200);
        form->SetColor(clBtnFace);
        bar = NewBar(10, 10);
    }
    void TearDown() override { form->Free(); }
    CountingBar* NewBar(int left, int top, int width = 102, int height = 20)
    {
        auto* b = new CountingBar(form);
        b->SetBounds(left, top, width, height);
        b->SetRounded(false);
        b->SetShowGradient(false);
        b->SetShowPosition(false);
        b->SetLevel0Color(L0);
        b->SetLevel1Color(L1);
        b->SetLevel2Color(L2);
        b->SetLevel3Color(L3);
        b->SetParent(form);
        return b;
    }
    std::unique_ptr<TBitmap> Shot()
    {
        Pump();
        return Render(form);
    }
    TRuns Row(TBitmap& bitmap, int y, int from, int to)
    {
        TRuns runs;
        for (int x = from; x < to; ++x) {
            const TColor c = bitmap.Canvas()->Pixels(x, y);
            if (runs.empty() || runs.back().first != c)
                runs.push_back({c, 0});
            ++runs.back().second;
        }
        return runs;
    }

    TForm* form = nullptr;
    CountingBar* bar = nullptr;
};

TEST_F(ProgressBars, StackedSegmentsTakeTheColoursOfTheLevelsPassed)
{
    bar->SetStacked(true);
    const struct
    {
        int position;
        TRuns runs; // from the left border through the right border
    } cases[] = {
        {50, {{Border, 1}, {L0, 50}, {Back, 50}, {Border, 1}}},
        {80, {{Border, 1}, {L0, 70}, {L1, 10}, {Back, 20}, {Border, 1}}},
        {100, {{Border, 1}, {L0, 70}, {L1, 20}, {L2, 10}, {Border, 1}}},
    };
    for (const auto& c : cases) {
        bar->SetPosition(c.position);
        auto shot = Shot();
        EXPECT_EQ(Row(*shot, 20, 10, 112), c.runs) << c.position;
    }
}

TEST_F(ProgressBars, OneLevelColourByThePercentage)
{
    bar->SetCompletionSmooth(true);
    const struct
    {
        int position;
        TColor color;
    } cases[] = {{69, L0}, {70, L1}, {89, L1}, {90, L2}, {99, L2}, {100, L3}};
    for (const auto& c : cases) {
        bar->SetPosition(c.position);
        auto shot = Shot();
        EXPECT_EQ(shot->Canvas()->Pixels(15, 20), c.color) << c.position;
        EXPECT_EQ(Row(*shot, 20, 12, 112)[0], std::make_pair(c.color, c.position - 2)) << c.position;
    }
}

TEST_F(ProgressBars, BlocksOfSevenPixelsWithTwoPixelGaps)
{
    const struct
    {
        int position;
        TRuns runs; // from the first inner column on
    } cases[] = {
        {1, {{Back, 99}}},
        {9, {{L0, 8}, {Back, 91}}},
        {10, {{L0, 7}, {Back, 92}}},
        {22, {{L0, 7}, {Back, 2}, {L0, 7}, {Back, 2}, {L0, 2}, {Back, 79}}},
    };
    for (const auto& c : cases) {
        bar->SetPosition(c.position);
        auto shot = Shot();
        EXPECT_EQ(Row(*shot, 20, 12, 111), c.runs) << c.position;
    }
}

TEST_F(ProgressBars, GradientHalvesAndNoStepsAtAll)
{
    bar->SetStacked(true);
    bar->SetShowGradient(true);
    bar->SetLevel0ColorTo(clWhite);
    bar->SetSteps(0);
    bar->SetPosition(50);
    auto shot = Shot();
    // The upper half in the partner colour, the lower half in the level colour, one band each.
    for (int y = 11; y < 20; ++y)
        EXPECT_EQ(shot->Canvas()->Pixels(30, y), clWhite) << y;
    for (int y = 20; y < 29; ++y)
        EXPECT_EQ(shot->Canvas()->Pixels(30, y), L0) << y;
    bar->SetSteps(8);
    shot = Shot();
    EXPECT_EQ(shot->Canvas()->Pixels(30, 11), clWhite);
    EXPECT_EQ(shot->Canvas()->Pixels(30, 20), L0);
    EXPECT_NE(shot->Canvas()->Pixels(30, 15), clWhite);
    EXPECT_NE(shot->Canvas()->Pixels(30, 15), L0);
}

TEST_F(ProgressBars, APercentageAboveAHundredKeepsItsTextAndTheFillInsideTheBar)
{
    for (bool stacked : {true, false}) {
        bar->SetStacked(stacked);
        bar->SetMin(10);
        bar->SetMax(110);
        bar->SetPosition(110);
        EXPECT_EQ(bar->Percentage(), 110);
        auto shot = Shot();
        EXPECT_EQ(shot->Canvas()->Pixels(111, 20), Border) << stacked;
        EXPECT_EQ(Row(*shot, 20, 112, 200), (TRuns{{ColorToRGB(clBtnFace), 88}})) << stacked;
    }
    // The text reads 110%: as a bar at 100 % whose format writes "110%".
    bar->SetShowPosition(true);
    auto* same = NewBar(10, 60);
    same->SetStacked(false);
    same->SetShowPosition(true);
    same->SetPosition(100);
    same->SetFormat("110%%");
    auto* other = NewBar(10, 100);
    other->SetStacked(false);
    other->SetShowPosition(true);
    other->SetPosition(100);
    auto shot = Shot();
    int differentFromSame = 0, differentFromOther = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 102; ++x) {
            differentFromSame +=
                shot->Canvas()->Pixels(10 + x, 10 + y) != shot->Canvas()->Pixels(10 + x, 60 + y);
            differentFromOther +=
                shot->Canvas()->Pixels(10 + x, 10 + y) != shot->Canvas()->Pixels(10 + x, 100 + y);
        }
    EXPECT_EQ(differentFromSame, 0);
    EXPECT_GT(differentFromOther, 0);
}

TEST_F(ProgressBars, PositionPaintsAtOnceUnlessNeitherBlockNorPercentMoved)
{
    bar->SetMax(1000);
    bar->SetPosition(10);
    Pump();
    bar->paints = 0;
    for (int position = 11; position <= 14; ++position)
        bar->SetPosition(position);
    EXPECT_EQ(bar->paints, 0);
    bar->SetPosition(15);
    EXPECT_EQ(bar->paints, 1);
    bar->SetPosition(20);
    EXPECT_EQ(bar->paints, 2);
    // Out of range: the nearer end, unpainted.
    bar->SetPosition(5000);
    EXPECT_EQ(bar->Position(), 1000);
    bar->SetPosition(-5);
    EXPECT_EQ(bar->Position(), 0);
    EXPECT_EQ(bar->paints, 2);
    // A small range paints every position.
    bar->SetMax(100);
    Pump();
    bar->paints = 0;
    bar->SetPosition(50);
    bar->SetPosition(50);
    EXPECT_EQ(bar->paints, 2);
}

// A square bar covers its whole rectangle, so that a new position paints the bar alone and nothing of the
// parent behind it; a rounded bar's parent shows in its corners and is painted there.
TEST_F(ProgressBars, ASquareBarPaintsNothingOfItsParent)
{
    auto* panel = new ProbedPanel(form);
    panel->SetBounds(0, 0, 200, 100);
    panel->SetParent(form);
    for (const bool rounded : {false, true}) {
        SCOPED_TRACE(rounded ? "rounded" : "square");
        CountingBar* probed = NewBar(10, 10);
        probed->SetParent(panel);
        probed->SetRounded(rounded);
        probed->SetPosition(30);
        Pump();
        panel->visiblePaints = 0;
        probed->paints = 0;
        probed->SetPosition(40);
        Pump();
        EXPECT_GT(probed->paints, 0);
        EXPECT_EQ(panel->visiblePaints > 0, rounded);
        EXPECT_EQ(CountPixels(*Shot(), probed->BoundsRect(), clFuchsia) > 0, rounded);
        probed->Free();
    }
}

TEST_F(ProgressBars, TheInfiniteWindowSlidesOnTheTimer)
{
    TManualClock clock;
    bar->SetCompletionSmooth(true);
    bar->SetInfinite(true);
    auto shot = Shot();
    // At the start, the window covers the first columns.
    EXPECT_EQ(shot->Canvas()->Pixels(15, 20), L0);
    EXPECT_EQ(shot->Canvas()->Pixels(40, 20), Back);
    clock.Advance(500);
    EXPECT_EQ(Shot()->Canvas()->Pixels(15, 20), L0);
    bar->SetAnimated(true);
    clock.Advance(50); // the first tick turns forward
    clock.Advance(5 * 50);
    shot = Shot();
    // Position 20: d = 20, the window from 10 to 32 pixels into the bar.
    EXPECT_EQ(Row(*shot, 20, 12, 111), (TRuns{{Back, 8}, {L0, 22}, {Back, 69}}));
    bar->SetAnimated(false);
    clock.Advance(500);
    EXPECT_EQ(Row(*Shot(), 20, 12, 111), (TRuns{{Back, 8}, {L0, 22}, {Back, 69}}));
}

TEST(GaugeText, FormatOfTheTwoIntegers)
{
    const struct
    {
        std::string format;
        std::optional<std::string> text;
    } cases[] = {
        {"%d of %d", "50 of 100"}, {"%1:d/%0:d", "100/50"},
        {"%5d|", "   50|"},        {"%-5d|", "50   |"},
        {"%.3d", "050"},           {"%x", "32"},
        {"%d%%", "50%"},           {"%*d|", std::string(47, ' ') + "100|"},
        {"%s", std::nullopt},      {"%d %d %d", std::nullopt},
        {"%f", std::nullopt},      {"%2:d", std::nullopt},
        {"50%", std::nullopt},     {"plain", "plain"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatTwoIntegers(c.format, 50, 100), c.text) << c.format;
}

TEST_F(ProgressBars, Looks)
{
    form->SetBounds(10, 10, 420, 250);
    bar->Free();
    const int positions[] = {35, 80, 100};
    for (int i = 0; i < 3; ++i) {
        auto* stacked = new TVezProgressBar(form);
        stacked->SetBounds(10, 10 + 26 * i, 250, 20);
        stacked->SetStacked(true);
        stacked->SetSteps(4);
        stacked->SetRounded(false);
        stacked->SetBorderColor(0x808080);
        stacked->Font()->SetStyle({fsBold});
        stacked->SetParent(form);
        stacked->SetPosition(positions[i]);
    }
    const int levels[] = {50, 75, 95, 100};
    for (int i = 0; i < 4; ++i) {
        auto* level = new TVezProgressBar(form);
        level->SetBounds(10, 90 + 26 * i, 250, 20);
        level->SetCompletionSmooth(i % 2 == 1);
        level->SetParent(form);
        level->SetPosition(levels[i]);
    }
    auto* vertical = new TVezProgressBar(form);
    vertical->SetBounds(280, 10, 30, 200);
    vertical->SetOrientation(goVertical);
    vertical->SetCompletionSmooth(true);
    vertical->SetParent(form);
    vertical->SetPosition(60);
    auto* blocks = new TVezProgressBar(form);
    blocks->SetBounds(330, 10, 30, 200);
    blocks->SetOrientation(goVertical);
    blocks->SetParent(form);
    blocks->SetPosition(45);
    auto* infinite = new TVezProgressBar(form);
    infinite->SetBounds(10, 200, 250, 20);
    infinite->SetCompletionSmooth(true);
    infinite->SetInfinite(true);
    infinite->SetShowPosition(false);
    infinite->SetParent(form);
    auto shot = Shot();
    SaveScreenshot(*shot, "progress_bars", 2);

    // How far a horizontal bar's fill reaches from its left edge, read along a row below the text and short
    // of the rounded corners; and how far a position reaches, to a block's width.
    const auto filled = [&](int left, int top) {
        int last = left;
        for (int x = left + 1; x < left + 246; ++x)
            if (shot->Canvas()->Pixels(x, top + 17) != clWhite)
                last = x;
        return last + 1 - left;
    };
    const auto reach = [](int position) { return std::min(248 * position / 100 + 1, 246); };
    for (int i = 0; i < 3; ++i)
        EXPECT_NEAR(filled(10, 10 + 26 * i), reach(positions[i]), 6) << positions[i];
    for (int i = 0; i < 4; ++i)
        EXPECT_NEAR(filled(10, 90 + 26 * i), reach(levels[i]), 6) << levels[i];
    // Each level fills in a colour of its own.
    std::set<TColor> levelColours;
    for (int i = 0; i < 4; ++i)
        levelColours.insert(shot->Canvas()->Pixels(14, 90 + 26 * i + 10));
    EXPECT_EQ(levelColours.size(), 4u);
    // The vertical bars fill from the bottom up.
    for (const auto* upright : {vertical, blocks}) {
        const TRect r = upright->BoundsRect();
        int top = r.Top + 6; // below the rounded corners
        while (top < r.Bottom && shot->Canvas()->Pixels(r.Left + 4, top) == clWhite)
            ++top;
        EXPECT_NEAR(r.Bottom - 1 - top, (r.Height() - 2) * upright->Position() / 100, 3)
            << upright->Position();
    }
    EXPECT_LT(filled(10, 200), 30) << "the moving block of the bar without an end, at its start";
}

} // namespace
