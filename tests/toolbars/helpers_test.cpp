#include "controls/toolbars/accel_text.h"
#include "controls/toolbars/caption_drawing.h"
#include "controls/toolbars/dpi_scaling.h"
#include "controls/toolbars/frame_outlines.h"
#include "controls/toolbars/message_helpers.h"
#include "controls/toolbars/system_queries.h"
#include "platform/gui/graphics/gdi.h"
#include "platform/gui/windows/message_loop.h"

#include <gtest/gtest.h>

TEST(AccelText, CaptionTexts)
{
    const struct
    {
        std::string text;
        std::string trimmed;
        char32_t accel;
        std::string unmarked;
    } cases[] = {
        {"Options...", "Options", U'\0', "Options..."},
        {"Name:", "Name", U'\0', "Name:"},
        {"Wait...:", "Wait...", U'\0', "Wait...:"},
        {":", ":", U'\0', ":"},
        {"...", "...", U'\0', "..."},
        {"Save &As", "Save &As", U'A', "Save As"},
        {"Fish && Chips", "Fish && Chips", U'\0', "Fish & Chips"},
        {"&File &Edit", "&File &Edit", U'E', "File Edit"},
        {"&Open &", "&Open &", U'O', "Open "},
        {"Close &", "Close &", U'\0', "Close "},
        {"a&&b&c", "a&&b&c", U'c', "a&bc"},
        {"&Übersicht", "&Übersicht", U'Ü', "Übersicht"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TrimCaptionPunctuation(c.text), c.trimmed) << c.text;
        EXPECT_EQ(GetAccelChar(c.text), c.accel) << c.text;
        EXPECT_EQ(RemoveAccelAmpersands(c.text), c.unmarked) << c.text;
    }
    EXPECT_EQ(DoubleAmpersands("a&b"), "a&&b");
    EXPECT_EQ(CharToLower(U'Ü'), U'ü');
}

TEST(SystemQueries, LinuxAnswers)
{
    EXPECT_EQ(MenuShowDelayFrom(std::nullopt), 400);
    EXPECT_EQ(MenuShowDelayFrom(250), 250);
    EXPECT_EQ(MenuShowDelayFrom(-5), 0);
    EXPECT_GT(QueryMenuShowDelay(), 0);
    EXPECT_FALSE(AreFlatMenusEnabled());
    EXPECT_TRUE(AreKeyboardCuesEnabled());
    EXPECT_FALSE(IsSoundEventSet("MenuPopup"));
    EXPECT_EQ(QuerySystemParameter(0x7777, 42), 42);
}

TEST(DpiScaling, ScalesAsMulDivRounds)
{
    EXPECT_EQ(ScaleForDPI(6), 6);
    SetScalingPixelsPerInch(120);
    EXPECT_EQ(ScaleForDPI(6), 8);   // 7.5 rounds up
    EXPECT_EQ(ScaleForDPI(19), 24); // 23.75
    SetScalingPixelsPerInch(144);
    EXPECT_EQ(ScaleForDPI(3), 5); // 4.5
    SetScalingPixelsPerInch(std::nullopt);
    EXPECT_EQ(ScaleForDPI(23), 23);
}

TEST(FrameOutlines, InvertingTwiceRestoresAndEqualOutlinesInvertNothing)
{
    const TRegion frame = CreateFrameRegion({10, 10, 30, 20}, {2, 3});
    EXPECT_TRUE(frame.Contains(10, 10));
    EXPECT_TRUE(frame.Contains(29, 19));
    EXPECT_FALSE(frame.Contains(15, 15));
    EXPECT_TRUE(CreateFrameRegion({5, 5, 5, 9}, {1, 1}).Empty());
    EXPECT_TRUE(CreateFrameRegion({0, 0, 4, 4}, {2, 2}).Contains(1, 1)); // nothing left inside: all of it

    TBitmap picture(40, 30);
    picture.Canvas()->Brush()->SetColor(clWhite);
    picture.Canvas()->FillRect({0, 0, 40, 30});
    TBrush black;
    black.SetColor(clWhite); // inverting with white turns white to black
    InvertFrameOutline(*picture.Canvas(), {10, 10, 30, 20}, {10, 10, 30, 20}, {2, 2}, {2, 2}, black);
    EXPECT_EQ(picture.Canvas()->Pixels(10, 10), clWhite);
    InvertFrameOutline(*picture.Canvas(), {10, 10, 30, 20}, {}, {2, 2}, {}, black);
    EXPECT_EQ(picture.Canvas()->Pixels(10, 10), clBlack);
    EXPECT_EQ(picture.Canvas()->Pixels(15, 15), clWhite);
    InvertFrameOutline(*picture.Canvas(), {}, {10, 10, 30, 20}, {}, {2, 2}, black);
    EXPECT_EQ(picture.Canvas()->Pixels(10, 10), clWhite);
}

TEST(FrameOutlines, MonoBitmapRowsStartOnWords)
{
    const uint8_t bits[] = {0x80, 0x00, 0x40, 0x00}; // row 0: first pixel; row 1: second pixel
    const auto glyph = CreateMonoBitmap(3, 2, bits);
    EXPECT_EQ(glyph->Canvas()->Pixels(0, 0), clWhite);
    EXPECT_EQ(glyph->Canvas()->Pixels(1, 0), clBlack);
    EXPECT_EQ(glyph->Canvas()->Pixels(1, 1), clWhite);
    EXPECT_EQ(glyph->Canvas()->Pixels(0, 1), clBlack);
}

TEST(VerticalText, RunsDownTheMiddleWithItsAcceleratorUnderlined)
{
    TBitmap picture(30, 100);
    TCanvas& canvas = *picture.Canvas();
    canvas.Brush()->SetColor(clWhite);
    canvas.FillRect({0, 0, 30, 100});
    canvas.Font()->SetName("DejaVu Sans");
    canvas.Font()->SetHeight(-12);
    SetBkMode(canvas, TRANSPARENT);
    SetTextColor(canvas, clBlack);
    DrawVerticalText(canvas, "&Wide", {0, 0, 30, 100}, 0);
    TRect inked{30, 100, 0, 0};
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 30; ++x)
            if (canvas.Pixels(x, y) != clWhite)
                inked = {std::min(inked.Left, x), std::min(inked.Top, y), std::max(inked.Right, x + 1),
                         std::max(inked.Bottom, y + 1)};
    EXPECT_GT(inked.Height(), inked.Width() * 2) << "taller than wide: the text runs down";
    EXPECT_NEAR((inked.Top + inked.Bottom) / 2, 50, 3);
    EXPECT_EQ(canvas.Font()->Orientation(), 0) << "the canvas keeps its own font";
}

TEST(MessageHelpers, DiscardingKeepsAQuitRequest)
{
    PostMessage(nullptr, WM_CHAR, 'a', 0);
    PostQuitMessage(3);
    PostMessage(nullptr, WM_CHAR, 'b', 0);
    DiscardMessages(WM_CHAR, WM_DEADCHAR);
    TMsg msg;
    ASSERT_TRUE(PeekMessage(msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, WM_CHAR);
    EXPECT_EQ(msg.wParam, WPARAM('b'));
    ASSERT_TRUE(PeekMessage(msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, WM_QUIT);
    EXPECT_EQ(msg.wParam, 3u);
    EXPECT_FALSE(PeekMessage(msg, nullptr, 0, 0, PM_REMOVE));
}
