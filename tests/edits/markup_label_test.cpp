#include "controls/edits/markup_label.h"
#include "engine/progress_markup.h"
#include "gui_driver.h"
#include "platform/gui/forms/hints.h"
#include "platform/gui/graphics/gdi.h"
#include "platform/gui/standard/edits.h"
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

TEST_F(MarkupLabels, HintsShowTheLinkOrTheWholeText)
{
    label->HTMLText()->SetText(
        "see <a href=\"https://example.org\" title=\"Example site\">this</a> <b>page</b>");
    const int onLink = TextWidth("see ") + 3;
    const auto hint = [&](TPoint at) {
        THintInfo info;
        info.CursorPos = at;
        label->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info));
        return info.HintStr;
    };
    EXPECT_EQ(hint({onLink, 8}), "");
    label->SetAnchorHint(true);
    EXPECT_EQ(hint({onLink, 8}), "Example site");
    label->OnAnchorHint = [](TObject*, std::string& text) { text = "[" + text + "]"; };
    EXPECT_EQ(hint({onLink, 8}), "[Example site]");
    label->SetHintShowFull(true);
    EXPECT_EQ(hint({2, 8}), "see this page");
    label->SetHTMLHint(true);
    EXPECT_EQ(hint({2, 8}), label->JoinedMarkup());
}

TEST_F(MarkupLabels, TheAcceleratorFocusesTheFocusControl)
{
    auto* edit = new TEdit(form);
    edit->SetBounds(10, 40, 100, 22);
    edit->SetParent(form);
    label->HTMLText()->SetText("<b>&Name</b>");
    label->SetFocusControl(edit);
    EXPECT_EQ(label->Perform(CM_DIALOGCHAR, 'x', 0), 0);
    EXPECT_EQ(label->Perform(CM_DIALOGCHAR, 'n', 0), 1);
    EXPECT_TRUE(edit->Focused());
}

TEST_F(MarkupLabels, AHoveredLinkTakesTheHoverColours)
{
    label->SetHover(true);
    label->SetHoverColor(clYellow);
    label->SetHoverFontColor(clRed);
    label->HTMLText()->SetText("<a href=\"https://example.org\">link</a> text");
    const TRect link = Bounds(10, 10, TextWidth("link"), LineHeight());
    EXPECT_EQ(CountPixels(*Shot(), link, clYellow), 0);
    MouseMove(form, At(5, 8));
    EXPECT_GT(CountPixels(*Shot(), link, clYellow), 0);
    MouseMove(form, At(TextWidth("link te"), 8));
    EXPECT_EQ(CountPixels(*Shot(), link, clYellow), 0);
}

TEST_F(MarkupLabels, VerticalAlignmentPlacesTheTextBlock)
{
    label->SetHeight(60);
    label->HTMLText()->SetText("<b>Word</b>");
    const int line = LineHeight({fsBold});
    const auto darkRows = [&] {
        auto shot = Shot();
        std::pair<int, int> rows{-1, -1};
        for (int y = 10; y < 70; ++y)
            if (Dark(*shot, {10, y, 60, y + 1}) > 0)
                rows = {rows.first < 0 ? y - 10 : rows.first, y - 10};
        return rows;
    };
    EXPECT_LT(darkRows().second, line);
    label->SetVAlignment(tvaCenter);
    EXPECT_GE(darkRows().first, (60 - line) / 2);
    EXPECT_LT(darkRows().second, (60 - line) / 2 + line);
    label->SetVAlignment(tvaBottom);
    EXPECT_GE(darkRows().first, 60 - line);
}

TEST_F(MarkupLabels, LooksWithBevelsBorderAndGradients)
{
    label->Free();
    form->SetColor(clBtnFace);
    struct
    {
        TBevelCut outer, inner;
        TBorderStyle border;
        TGradientType gradient;
        TColor color, colorTo;
        TVAlignment alignment;
    } looks[] = {
        {bvRaised, bvNone, bsNone, gtFullHorizontal, 0xF0F0F0, clNone, tvaTop},
        {bvLowered, bvRaised, bsNone, gtFullHorizontal, 0xFFE0C0, 0xFFFFFF, tvaCenter},
        {bvNone, bvNone, bsSingle, gtFullVertical, 0xE0FFE0, 0x80C080, tvaBottom},
        {bvNone, bvNone, bsNone, gtBottomLine, 0x4080FF, clNone, tvaCenter},
    };
    int top = 8;
    for (const auto& look : looks) {
        auto* l = new TMarkupLabel(form);
        l->SetBounds(8, top, 330, 40);
        l->SetParent(form);
        l->SetTransparent(look.gradient == gtBottomLine);
        l->SetBevelOuter(look.outer);
        l->SetBevelInner(look.inner);
        l->SetBevelWidth(2);
        l->SetBorderStyle(look.border);
        l->SetBorderWidth(look.border == bsSingle ? 2 : 0);
        l->SetBorderColor(0x408040);
        l->SetGradientType(look.gradient);
        l->SetColor(look.color);
        l->SetColorTo(look.colorTo);
        l->SetVAlignment(look.alignment);
        l->HTMLText()->SetText("<b>Markup</b> label with <font color=\"#C00000\">colour</font> and a "
                               "<a href=\"https://example.org\">link</a>");
        top += 46;
    }
    SaveScreenshot(*Shot(), "markup_label_looks", 2);
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
