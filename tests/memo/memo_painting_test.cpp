#include "memo_test_support.h"

#include "platform/gui/windows/window_functions.h"
#include "support/color_routines.h"

#include <functional>

namespace {

class MemoPainting : public MemoFixture
{
protected:
    void SetUp() override
    {
        MemoFixture::SetUp();
        memo->Gutter()->SetVisible(false);
        memo->SetShowRightMargin(false);
        Pump();
    }
    TColor PixelAt(TBitmap& picture, int x, int y) const { return picture.Canvas()->Pixels(x, y); }
    static int DifferentPixels(TBitmap& a, TBitmap& b)
    {
        int different = 0;
        for (int y = 0; y < a.Height(); ++y)
            for (int x = 0; x < a.Width(); ++x)
                different += a.Canvas()->Pixels(x, y) != b.Canvas()->Pixels(x, y);
        return different;
    }
    // The pixels of a cell that are not the background.
    int InkIn(TBitmap& picture, int col, int row, TColor background) const
    {
        const TRect cell = memo->CellRect(col, row);
        return cell.Width() * cell.Height() - CountPixels(picture, cell, background);
    }
};

} // namespace

TEST_F(MemoPainting, TheBorderAndTheColumnBesideTheText)
{
    memo->SetBkColor(RGBToColor(250, 250, 200));
    SetLines({"text"});
    std::unique_ptr<TBitmap> picture = Render(memo);
    const int w = memo->Width(), h = memo->Height();
    EXPECT_EQ(PixelAt(*picture, 0, h / 2), clGray); // BorderColor, one pixel
    EXPECT_EQ(PixelAt(*picture, w / 2, 0), clGray);
    EXPECT_EQ(PixelAt(*picture, 1, 5), RGBToColor(250, 250, 200));
    EXPECT_EQ(PixelAt(*picture, 2, 5), RGBToColor(250, 250, 200));
    // The sunken 3-D frame instead.
    memo->SetCtl3D(true);
    picture = Render(memo);
    EXPECT_EQ(PixelAt(*picture, 0, h / 2), 0x808080u); // outer top-left: grey
    EXPECT_EQ(PixelAt(*picture, 1, h / 2), 0x000000u); // inner top-left: black
    EXPECT_EQ(PixelAt(*picture, w / 2, 1), 0x000000u);
    EXPECT_EQ(PixelAt(*picture, w - 1, h / 2), 0xFFFFFFu); // outer bottom-right: white
    EXPECT_EQ(PixelAt(*picture, w - 2, h / 2), 0xD0D0D0u); // inner bottom-right: light grey
    EXPECT_EQ(PixelAt(*picture, w / 2, h - 1), 0xFFFFFFu);
}

TEST_F(MemoPainting, RowsBelowTheTextAndAnEmptyMemoAreBackground)
{
    memo->SetBkColor(RGBToColor(200, 250, 250));
    memo->Lines()->Clear();
    std::unique_ptr<TBitmap> picture = Render(memo);
    const TRect text = memo->GetTextAreaRect();
    EXPECT_EQ(CountPixels(*picture, text, RGBToColor(200, 250, 250)), text.Width() * text.Height());
    SetLines({"one"});
    picture = Render(memo);
    const TRect below = Rect(text.Left, memo->CellRect(0, 1).Top, text.Right, text.Bottom);
    EXPECT_EQ(CountPixels(*picture, below, RGBToColor(200, 250, 250)), below.Width() * below.Height());
}

// Each character stands in its cell, however long the run: the last of 200 too.
TEST_F(MemoPainting, CharactersStayOnTheCellGrid)
{
    memo->SetUseStyler(false);
    SetLines({std::string(199, '.') + "W"});
    memo->SetLeftCol(185);
    std::unique_ptr<TBitmap> picture = Render(memo);
    SaveScreenshot(*picture, "memo_cell_grid");
    const int w = 199 - memo->LeftCol();
    ASSERT_GT(w, 0);
    EXPECT_GT(InkIn(*picture, w, 0, clWhite), 10);    // the W in its cell
    EXPECT_EQ(InkIn(*picture, w + 1, 0, clWhite), 0); // nothing spills into the next one
    EXPECT_LT(InkIn(*picture, w - 1, 0, clWhite), InkIn(*picture, w, 0, clWhite)); // a full stop
}

TEST_F(MemoPainting, TheSelectionIsHiddenWithoutTheFocusWhenAsked)
{
    auto* other = new TVezMemo(form);
    other->SetParent(form);
    other->SetBounds(320, 10, 100, 100);
    SetLines({"abcdefgh"});
    memo->SetSelectionEnds(2, 0, 5, 0);
    const TRect row = memo->CellRect(0, 0);
    const TRect line = Rect(row.Left, row.Top, row.Left + 8 * row.Width(), row.Bottom);
    std::unique_ptr<TBitmap> picture = Render(memo);
    EXPECT_GT(CountPixels(*picture, line, clNavy), 0);
    other->SetFocus();
    memo->SetHideSelection(true);
    picture = Render(memo);
    EXPECT_EQ(CountPixels(*picture, line, clNavy), 0);
    memo->SetFocus();
    Pump();
    picture = Render(memo);
    EXPECT_GT(CountPixels(*picture, line, clNavy), 0);
}

TEST_F(MemoPainting, ErrorSpansAreUnderlinedByAZigZag)
{
    SetLines({"an error here"});
    TLineProp* prop = memo->Lines()->LineProp(0);
    prop->FErrStart = std::make_unique<TIntList>();
    prop->FErrLen = std::make_unique<TIntList>();
    prop->FErrStart->Add(3);
    prop->FErrLen->Add(5);
    std::unique_ptr<TBitmap> picture = Render(memo);
    const TRect first = memo->CellRect(3, 0);
    const TRect marked = Rect(first.Left, first.Bottom - 5, first.Left + 5 * first.Width(), first.Bottom);
    const TRect before = Rect(memo->CellRect(0, 0).Left, marked.Top, first.Left - 1, marked.Bottom);
    EXPECT_GT(CountPixels(*picture, marked, clRed), 5 * first.Width() / 2);
    EXPECT_EQ(CountPixels(*picture, before, clRed), 0);
}

// The line bitmap is painted only when the store is not being updated.
TEST_F(MemoPainting, NothingIsPaintedWhileTheLinesAreLocked)
{
    SetLines({"visible"});
    std::unique_ptr<TBitmap> before = Render(memo);
    memo->Lines()->BeginUpdate();
    memo->Lines()->Put(0, "changed");
    std::unique_ptr<TBitmap> during = Render(memo);
    memo->Lines()->EndUpdate();
    const TRect text = memo->GetTextAreaRect();
    // Nothing drawn: the picture keeps the bitmap's own white where the rows would be.
    EXPECT_EQ(CountPixels(*during, text, clWhite), text.Width() * text.Height());
    EXPECT_LT(CountPixels(*before, text, clWhite), text.Width() * text.Height());
}

// The print modes draw into the given rectangle, a line number first; a run wider than a single text call
// may draw goes in pieces without a gap.
TEST_F(MemoPainting, PrintModesDrawIntoTheRectangle)
{
    memo->SetUseStyler(false);
    memo->PrintOptions()->PrintLineNumbers = true;
    SetLines({"first", std::string(4999, '.') + "W"});
    TBitmap page(40000, 40);
    TCanvas& canvas = *page.Canvas();
    canvas.Font()->Assign(memo->Font());
    const int w = canvas.TextWidth("w");
    TStyle style;
    memo->RenderLine(&canvas, 0, style, 2, Rect(10, 0, 40000, 20), -1);
    memo->RenderLine(&canvas, 1, style, 3, Rect(10, 20, 40000, 40), -1);
    // "1" and "2" stand in the number column, the text after them.
    const int textLeft = 10 + w;
    EXPECT_GT(CountPixels(page, Rect(10, 0, textLeft, 20), clBlack), 0);
    EXPECT_GT(100 * w - CountPixels(page, Rect(textLeft, 0, textLeft + 5 * w, 20), clWhite), 0);
    const TRect lastCell = Rect(textLeft + 4999 * w, 20, textLeft + 5000 * w, 40);
    EXPECT_GT(lastCell.Width() * lastCell.Height() - CountPixels(page, lastCell, clWhite), 10);
}

// A typed character paints again only the rows of its author's line, unless it changes more than them: a
// comment it opens, a row it adds, a selection it replaces. Whatever it paints, the screen then shows what
// a paint of the whole memo shows.
TEST_F(MemoPainting, TypingPaintsTheRowsItChangesAndTheScreenShowsTheWholeText)
{
    struct Case
    {
        const char* name;
        bool wrap;
        int x, y; // the caret, in rows
        bool select;
        bool overwrite;
        char32_t key;
        int rowsPainted; // 0: every row in view
    };
    const Case cases[] = {
        {"a letter in a line", false, 4, 1, false, false, U'x', 1},
        {"a letter in a wrapped line", true, 2, 3, false, false, U'x', 3},
        {"a blank that splits a keyword", false, 2, 0, false, false, U' ', 1},
        {"a letter over another", false, 0, 0, false, true, U'x', 1},
        {"a brace opens a comment over the lines below", false, 0, 2, false, false, U'{', 0},
        {"a letter that adds a row", true, 12, 6, false, false, U'x', 0},
        {"a letter over a selection", false, 1, 1, true, false, U'x', 0},
    };
    auto* styler = new TVezPascalMemoStyler(form);
    SetUpEncoderLogStyler(*styler);
    memo->SetSyntaxStyles(styler);
    memo->SetHiddenCaret(true);
    memo->SetRightMargin(12);
    std::vector<std::string> lines = {"Error stream", "audio: two", "#0:1 three",
                                      "alpha beta gamma delta epsilon", "twelve chars"};
    for (int i = 0; i < 20; ++i)
        lines.push_back("line " + std::to_string(i));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        memo->SetWordWrap(c.wrap ? wwRightMargin : wwNone);
        SetLines(lines);
        memo->SetCurY(c.y);
        memo->SetCurX(c.x);
        memo->ClearSelection();
        if (c.select)
            memo->SetSelectionEnds(c.x, c.y, 2, c.y + 2);
        Pump();
        int rendered = 0;
        memo->OnLineBkColor = [&rendered](TObject*, int, TColor&) { ++rendered; };
        memo->SetOverwrite(c.overwrite);
        SendMessage(memo->Handle(), WM_CHAR, c.key, 0);
        Pump();
        memo->SetOverwrite(false);
        memo->OnLineBkColor = nullptr;
        if (c.rowsPainted > 0)
            EXPECT_EQ(rendered, c.rowsPainted);
        else
            EXPECT_GE(rendered, memo->VisibleLineCount());
        const std::unique_ptr<TBitmap> typed = ScreenBitmap(memo);
        memo->Invalidate();
        Pump();
        EXPECT_EQ(DifferentPixels(*ScreenBitmap(memo), *typed), 0);
    }
}

// Lines put into the store or added to it paint their own rows again, and a view that moves scrolls the rows
// that stay in it, as the progress window's encoder log is kept: the progress line rewritten in place, new
// lines added, the view held at the end while the caret stays on the first line (each change scrolls the
// memo to the caret, and the caller scrolls it back). Whatever it paints, the screen then shows what a
// paint of the whole memo shows.
TEST_F(MemoPainting, ChangedLinesPaintTheirRowsAndAMovedViewScrollsTheRest)
{
    struct Case
    {
        const char* name;
        std::function<void(TVezMemoStrings&)> change;
        int fewestRows, mostRows; // rendered
    };
    const auto followEnd = [this] {
        memo->SetTopLine(std::max(0, memo->Lines()->Count() - memo->VisibleLineCount()));
    };
    const auto last = [](TVezMemoStrings& lines) { return lines.Count() - 1; };
    const Case cases[] = {
        {"the last line rewritten", [&](TVezMemoStrings& l) { l.Put(last(l), "frame= 99 fps=25"); }, 1, 1},
        {"a line added at the end, the view following it",
         [&](TVezMemoStrings& l) {
             l.Add("Output #0");
             followEnd();
         },
         1, 2},
        {"the last line rewritten and a line added",
         [&](TVezMemoStrings& l) {
             l.Put(last(l), "frame= 99 fps=25");
             l.Add("Output #0");
             followEnd();
         },
         2, 3},
        {"a line opening a comment over the lines below",
         [&](TVezMemoStrings& l) { l.Put(last(l) - 4, "{"); }, 5, 5},
        // Only a row cut by the bottom edge shows the new line's top.
        {"a line added below the view, the view staying", [&](TVezMemoStrings& l) { l.Add("Output #0"); }, 0,
         1},
    };
    auto* styler = new TVezPascalMemoStyler(form);
    SetUpEncoderLogStyler(*styler);
    memo->SetSyntaxStyles(styler);
    memo->SetHiddenCaret(true);
    memo->SetReadOnly(true);
    std::vector<std::string> lines;
    for (int i = 0; i < 40; ++i)
        lines.push_back("Stream #0:" + std::to_string(i) + " Video: mpeg4");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetLines(lines);
        memo->SetCurY(0);
        memo->SetCurX(0);
        followEnd();
        Pump();
        ASSERT_GT(memo->TopLine(), 0);
        int rendered = 0;
        memo->OnLineBkColor = [&rendered](TObject*, int, TColor&) { ++rendered; };
        const int top = memo->TopLine();
        c.change(*memo->Lines());
        memo->SetTopLine(std::max(top, memo->TopLine())); // back from the caret
        Pump();
        memo->OnLineBkColor = nullptr;
        EXPECT_GE(rendered, c.fewestRows);
        EXPECT_LE(rendered, c.mostRows);
        const std::unique_ptr<TBitmap> shown = ScreenBitmap(memo);
        memo->Invalidate();
        Pump();
        EXPECT_EQ(DifferentPixels(*ScreenBitmap(memo), *shown), 0);
    }
}

// The right margin's line runs through every row that reaches it, however many runs the row's text is cut
// into: through an empty row, through text of many runs left of it, through text that crosses it.
TEST_F(MemoPainting, TheRightMarginCrossesEveryRowWhateverItsRuns)
{
    auto* styler = new TVezPascalMemoStyler(form);
    SetUpEncoderLogStyler(*styler);
    memo->SetSyntaxStyles(styler);
    memo->SetHiddenCaret(true);
    memo->SetRightMargin(12);
    memo->SetShowRightMargin(true);
    const TColor margin = RGBToColor(3, 130, 7);
    memo->SetRightMarginColor(margin);
    // More lines than rows in view, so that no line over the whole height stands for the rows' own.
    std::vector<std::string> lines = {"", "a;b (1) c", "ab;cd;ef;gh", "audio: stream #0:1, error 12"};
    lines.resize(static_cast<size_t>(memo->VisibleLineCount() + 4), "x");
    SetLines(lines);
    Pump();
    const std::unique_ptr<TBitmap> picture = ScreenBitmap(memo);
    const auto marginPixels = [&](int row) {
        const TRect cell = memo->CellRect(0, row);
        return CountPixels(*picture, Rect(0, cell.Top, memo->ClientWidth(), cell.Bottom), margin);
    };
    const int empty = marginPixels(0);
    EXPECT_GE(empty, memo->CellRect(0, 0).Height());
    EXPECT_EQ(marginPixels(1), empty);
    EXPECT_EQ(marginPixels(2), empty);
    EXPECT_GT(marginPixels(3), 0);
}
