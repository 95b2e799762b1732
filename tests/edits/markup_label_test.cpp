#include "controls/edits/markup_label.h"
#include "engine/progress_markup.h"
#include "gui_driver.h"
#include "platform/gui/forms/hints.h"
#include "platform/gui/graphics/colors.h"
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
    const auto shot = Shot();
    SaveScreenshot(*shot, "markup_label_looks", 2);
    const auto at = [&](int look, int x, int y) { return shot->Canvas()->Pixels(8 + x, 8 + 46 * look + y); };
    // Dark pixels inside the frames, the text's.
    const auto darkIn = [&](int look, int top, int bottom) {
        return Dark(*shot, {8 + 4, 8 + 46 * look + top, 8 + 326, 8 + 46 * look + bottom});
    };
    const TColor light = ColorToRGB(clBtnHighlight), shadow = ColorToRGB(clBtnShadow);
    // Raised on a plain ground, the text at the top.
    EXPECT_EQ(at(0, 0, 20), light);
    EXPECT_EQ(at(0, 329, 20), shadow);
    EXPECT_EQ(at(0, 300, 30), 0xF0F0F0u);
    EXPECT_GT(darkIn(0, 4, 20), 30);
    EXPECT_EQ(darkIn(0, 20, 36), 0);
    // Lowered outside, raised inside, over a gradient from the colour at the left to ColorTo at the right.
    EXPECT_EQ(at(1, 0, 20), shadow);
    EXPECT_EQ(at(1, 2, 20), light);
    EXPECT_LT(GetRValue(at(1, 4, 33)), 0xD0);
    EXPECT_GT(GetRValue(at(1, 325, 33)), 0xF0);
    // A border of two pixels around a gradient from the top down, the text at the bottom.
    EXPECT_GE(CountPixels(*shot, Bounds(8, 8 + 46 * 2, 2, 40), 0x408040), 70);
    EXPECT_GT(GetGValue(at(2, 300, 4)), GetGValue(at(2, 300, 36)));
    EXPECT_EQ(darkIn(2, 4, 20), 0);
    EXPECT_GT(darkIn(2, 20, 36), 30);
    // See-through, with a gradient line along the bottom.
    EXPECT_EQ(at(3, 300, 30), ColorToRGB(clBtnFace));
    EXPECT_EQ(at(3, 0, 39), 0x4080FFu);
    EXPECT_GT(GetBValue(at(3, 320, 39)), 0xF0);
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
    std::vector<TRect> rows;
    for (const std::string& markup : lines) {
        auto* line = new TMarkupLabel(form);
        line->SetBounds(8, top, 680, 17);
        line->SetParent(form);
        if (&markup >= &lines[2]) {
            line->Font()->SetSize(12);
            line->SetHeight(22);
        }
        line->HTMLText()->SetText(markup);
        rows.push_back(line->BoundsRect());
        top += line->Height() + 4;
    }
    auto shot = Shot();
    SaveScreenshot(*shot, "markup_label_progress_window", 2);

    const TColor passBadge = 0x163DD6, folderBadge = 0x696969, skippedFolder = 0xC0C0C0;
    EXPECT_GT(CountPixels(*shot, rows[0], passBadge), 100) << "the first of two passes";
    EXPECT_EQ(CountPixels(*shot, rows[1], passBadge), 0) << "one pass only";
    // The first and last columns of a run background, read along its first row, above the glyphs; and the
    // last column of a line holding dark ink.
    const auto columns = [&](const TRect& row, TColor color) {
        int y = row.Top;
        while (y < row.Bottom && CountPixels(*shot, {row.Left, y, row.Right, y + 1}, color) < 50)
            ++y;
        std::pair<int, int> found{-1, -1};
        for (int x = row.Left; x < row.Right; ++x)
            if (shot->Canvas()->Pixels(x, y) == color)
                found = {found.first < 0 ? x : found.first, x};
        return found;
    };
    const auto lastInk = [&](const TRect& row) {
        int last = -1;
        for (int x = row.Left; x < row.Right; ++x)
            if (Dark(*shot, {x, row.Top, x + 1, row.Bottom}) > 0)
                last = x;
        return last;
    };
    const auto width = [&](const std::string& text, TFontStyles style) {
        TBitmap scratch(1, 1);
        scratch.Canvas()->Font()->SetName("DejaVu Sans");
        scratch.Canvas()->Font()->SetSize(12);
        scratch.Canvas()->Font()->SetStyle(style);
        TRect rect{0, 0, 4000, 100};
        DrawText(*scratch.Canvas(), text, rect, DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT);
        return rect.Width();
    };
    // The folder stands on its badge and the name after it, each as it is written.
    const auto [badgeLeft, badgeRight] = columns(rows[2], folderBadge);
    EXPECT_NEAR(badgeRight + 1 - badgeLeft, width(" /home/user/Rock&Roll <live> ", {fsBold}), 2);
    EXPECT_GT(CountPixels(*shot, {badgeLeft, rows[2].Top, badgeRight, rows[2].Bottom}, clWhite), 50);
    EXPECT_NEAR(lastInk(rows[2]), badgeRight + width(" Tom&Jerry <i>x.avi", {fsBold}), 3);
    const auto [greyLeft, greyRight] = columns(rows[3], skippedFolder);
    EXPECT_NEAR(greyRight + 1 - greyLeft, width("/home/user/videos/", {}), 2);
    EXPECT_NEAR(lastInk(rows[3]), greyRight + width("skipped & kept.mkv", {fsBold}), 3);
}

} // namespace
