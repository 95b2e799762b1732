#include "controls/edits/markup_label.h"
#include "engine/progress_markup.h"
#include "gui_driver.h"
#include "platform/gui/graphics/gdi.h"
#include "recording_shell.h"

#include <gtest/gtest.h>

namespace {

class MarkupLabels : public testing::Test
{
protected:
    void SetUp() override
    {
        form = ShowTestForm(700, 200);
        form->Font()->SetName("DejaVu Sans");
        form->Font()->SetSize(9);
        form->SetColor(clWhite);
        label = new TMarkupLabel(form);
        label->SetBounds(10, 10, 637, 17);
        label->SetParent(form);
    }
    void TearDown() override { form->Free(); }

    int LineHeight(TFontStyles style = {})
    {
        TBitmap scratch(1, 1);
        scratch.Canvas()->SetFont(label->Font());
        scratch.Canvas()->Font()->SetStyle(style);
        return scratch.Canvas()->TextHeight("gh");
    }
    int TextWidth(const std::string& text, TFontStyles style = {})
    {
        TBitmap scratch(1, 1);
        scratch.Canvas()->SetFont(label->Font());
        scratch.Canvas()->Font()->SetStyle(style);
        TRect rect{0, 0, 4000, 100};
        DrawText(*scratch.Canvas(), text, rect, DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT);
        return rect.Width();
    }
    std::unique_ptr<TBitmap> Shot()
    {
        Pump();
        return Render(form);
    }
    int Dark(TBitmap& bitmap, const TRect& rect)
    {
        int dark = 0;
        for (int y = rect.Top; y < rect.Bottom; ++y)
            for (int x = rect.Left; x < rect.Right; ++x)
                dark += (bitmap.Canvas()->Pixels(x, y) & 0xFF) < 0x80 ? 1 : 0;
        return dark;
    }
    TPoint At(int x, int y) const { return {label->Left() + x, label->Top() + y}; }

    TForm* form = nullptr;
    TMarkupLabel* label = nullptr;
};

TEST_F(MarkupLabels, PaintsTheBoldWordTopLeftAndKeepsTheCaptionEmpty)
{
    EXPECT_TRUE(label->Transparent());
    EXPECT_EQ(label->Version(), "1.9.4.0");
    label->SetVersion("2.0.0.0");
    EXPECT_EQ(label->Version(), "1.9.4.0");
    label->HTMLText()->SetText("<b>Word</b>");
    label->SetCaption("stray caption");
    auto shot = Shot();
    EXPECT_EQ(label->Caption(), "");
    const int width = TextWidth("Word", {fsBold});
    EXPECT_GT(Dark(*shot, Bounds(10, 10, width, 17)), 20);
    EXPECT_EQ(Dark(*shot, Bounds(10 + width + 2, 10, 100, 17)), 0);
    EXPECT_EQ(label->PlainText(), "Word");
    EXPECT_EQ(label->HTMLSize(), (TSize{width + 2, LineHeight()}));
    label->HTMLText()->Clear();
    EXPECT_EQ(label->HTMLSize(), (TSize{0, LineHeight()}));
}

TEST_F(MarkupLabels, SizesItselfToTwoLinesWithOneNewSize)
{
    int newSizes = 0;
    label->OnNewSize = [&](TObject*, int, int) { ++newSizes; };
    label->SetAutoSizing(true);
    newSizes = 0;
    label->HTMLText()->SetText("first line<br>second line");
    EXPECT_EQ(label->Height(), 2 * LineHeight() + 6);
    EXPECT_EQ(label->Width(), 637);
    EXPECT_EQ(newSizes, 1);
    Shot();
    EXPECT_EQ(newSizes, 1);
    EXPECT_EQ(label->Height(), 2 * LineHeight() + 6);
}

TEST_F(MarkupLabels, JoinsItsLinesAndTakesAWholeListAsOneLine)
{
    label->HTMLText()->SetText("<b>a</b>\n<i>b</i>\nc");
    EXPECT_EQ(label->JoinedMarkup(), "<b>a</b><i>b</i> c");
    TStringList lines;
    lines.SetText("one\ntwo");
    label->SetHTMLText(&lines);
    EXPECT_EQ(label->HTMLText()->Count(), 1);
    EXPECT_EQ(label->JoinedMarkup(), "onetwo");
}

TEST_F(MarkupLabels, ALinkClickTellsTheProgramFirstAndOpensOnlyWebAndMailAddresses)
{
    TRecordingShell shell;
    label->OnAnchorClick = [&](TObject*, const std::string& anchor) {
        shell.Calls.push_back("click " + anchor);
    };
    const struct
    {
        std::string target;
        std::vector<std::string> calls;
    } cases[] = {
        {"https://example.org/a", {"click https://example.org/a", "open https://example.org/a"}},
        {"mailto:me@example.org", {"click mailto:me@example.org", "open mailto:me@example.org"}},
        {"file:///etc/passwd", {"click file:///etc/passwd"}},
        {"/usr/bin/env", {"click /usr/bin/env"}},
        {"ftp://example.org", {"click ftp://example.org"}},
    };
    for (const auto& c : cases) {
        label->HTMLText()->SetText("<a href=\"" + c.target + "\">link</a> text");
        shell.Calls.clear();
        Click(form, At(5, 8), mbRight);
        EXPECT_TRUE(shell.Calls.empty()) << c.target;
        Click(form, At(5, 8));
        EXPECT_EQ(shell.Calls, c.calls) << c.target;
    }
    shell.Calls.clear();
    Click(form, At(TextWidth("link ") + 5, 8));
    EXPECT_TRUE(shell.Calls.empty());
}

TEST_F(MarkupLabels, TheCursorAndEventsFollowThePointerOverLinks)
{
    std::vector<std::string> events;
    label->OnAnchorEnter = [&](TObject*, const std::string& a) { events.push_back("enter " + a); };
    label->OnAnchorExit = [&](TObject*, const std::string& a) { events.push_back("exit '" + a + "'"); };
    label->HTMLText()->SetText("<a href=\"https://example.org\">link</a> plain text");
    MouseMove(form, At(5, 8));
    EXPECT_EQ(label->Cursor(), crHandPoint);
    MouseMove(form, At(8, 8));
    MouseMove(form, At(TextWidth("link plain ") + 3, 8));
    EXPECT_EQ(label->Cursor(), crDefault);
    const std::vector<std::string> expected = {"enter https://example.org", "exit ''"};
    EXPECT_EQ(events, expected);
}

TEST_F(MarkupLabels, NamesInTheProgressLinesShowAsTheyAreWritten)
{
    const std::string folder = "/home/user/Rock&Roll <live>";
    const std::string name = "Tom&Jerry <b>x</b> <img src=\"FILE:///etc/hostname\">.avi";
    label->HTMLText()->SetText(OutputFileMarkup(folder + "/" + name));
    const TSize size = label->HTMLSize();
    const int expected = TextWidth(" " + folder + " ", {fsBold}) + TextWidth(" " + name, {fsBold}) + 2;
    EXPECT_NEAR(size.cx, expected, 6);
    Shot();
    EXPECT_EQ(label->ImageCache()->Count(), 0);
}

// The progress window's two labels with what the conversion writes into them, to look at.
TEST_F(MarkupLabels, ProgressWindowLines)
{
    label->Free();
    form->SetBounds(10, 10, 700, 110);
    form->SetColor(clBtnFace);
    TProgressModuleStrings strings;
    strings.ConvertingFile = "Converting file:";
    strings.Conversion_Pass = "pass";
    strings.Conversion_Speed = "Speed:";
    strings.Conversion_FramesPerSecond = "frames/sec";
    strings.Conversion_Frame = "Frame:";
    TEncoderProgress progress;
    ReadProgressLine(
        "frame=  500 fps= 25 q=2.0 size=    1024kB time=00:00:20.00 bitrate= 419.4kbits/s speed=1.01x",
        progress);
    TProgressContext context{2, 5, false, true, 1, 1000, true};
    const std::string lines[] = {
        ProgressStatusText(progress, context, strings),
        ProgressStatusText(progress, TProgressContext{3, 5, false, false, 0, 1000, true}, strings),
        OutputFileMarkup("/home/user/Rock&Roll <live>/Tom&Jerry <i>x.avi"),
        SkippedOutputMarkup("/home/user/videos/skipped & kept.mkv"),
    };
    int top = 8;
    for (const std::string& markup : lines) {
        auto* line = new TMarkupLabel(form);
        line->SetBounds(8, top, 680, 17);
        line->SetParent(form);
        if (&markup >= &lines[2]) {
            line->Font()->SetSize(12);
            line->SetHeight(22);
        }
        line->HTMLText()->SetText(markup);
        top += line->Height() + 4;
    }
    auto shot = Shot();
    SaveScreenshot(*shot, "markup_label_progress_window", 2);
}

} // namespace
