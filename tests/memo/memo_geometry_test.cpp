#include "memo_test_support.h"

#include "platform/gui/graphics/canvas.h"
#include "platform/gui/windows/scroll_bars.h"
#include "platform/gui/windows/window_functions.h"

namespace {

class MemoGeometry : public MemoFixture
{
protected:
    void Numbered(int count)
    {
        std::vector<std::string> lines;
        for (int i = 0; i < count; ++i)
            lines.push_back("line " + std::to_string(i));
        SetLines(lines);
    }
    int W() const { return memo->CellSize().W; }
    int H() const { return memo->CellSize().H; }
};

} // namespace

TEST_F(MemoGeometry, TheCellIsMeasuredInAFixedPitchFont)
{
    TCanvas canvas;
    canvas.Font()->Assign(memo->Font());
    EXPECT_EQ(W(), canvas.TextWidth("W"));
    EXPECT_EQ(H(), canvas.TextHeight("W_") + 1);
    EXPECT_EQ(canvas.TextWidth("i"), W());
}

TEST_F(MemoGeometry, AProportionalFontGivesWayToAFixedPitchFace)
{
    TFont proportional;
    proportional.SetName("DejaVu Sans");
    proportional.SetHeight(-15);
    memo->SetFont(&proportional);
    EXPECT_EQ(proportional.Name(), "DejaVu Sans"); // the caller's font stays as it was
    EXPECT_NE(memo->Font()->Name(), "DejaVu Sans");
    EXPECT_EQ(memo->Font()->Height(), -15);
    TCanvas canvas;
    canvas.Font()->Assign(memo->Font());
    EXPECT_TRUE(canvas.TextMetrics().tmFixedPitch);
    EXPECT_EQ(canvas.TextWidth("W"), canvas.TextWidth("i"));
    EXPECT_EQ(W(), canvas.TextWidth("W"));
}

TEST_F(MemoGeometry, TheTextAreaFollowsTheBorderAndTheGutter)
{
    struct Case
    {
        TBorderStyle border;
        bool ctl3D;
        bool gutter;
        TRect area;
    };
    const int w = memo->Width(), h = memo->Height();
    const Case cases[] = {
        {bsSingle, false, true, Rect(45 + 2 + 2 - 1, 1, w - 1, h - 1)},
        {bsSingle, true, true, Rect(45 + 2 + 2, 2, w - 2, h - 2)},
        {bsNone, false, true, Rect(45 + 2 + 2 - 2, 0, w, h)},
        {bsSingle, false, false, Rect(2 + 2 - 1, 1, w - 1, h - 1)},
    };
    for (const Case& c : cases) {
        memo->SetBorderStyle(c.border);
        memo->SetCtl3D(c.ctl3D);
        memo->Gutter()->SetVisible(c.gutter);
        EXPECT_EQ(memo->GetTextAreaRect(), c.area) << c.border << c.ctl3D << c.gutter;
        const TRect& a = c.area;
        EXPECT_EQ(memo->VisiblePosCount(), (a.Right - 1 - a.Left + W() / 2) / W());
        EXPECT_EQ(memo->VisibleLineCount(), (a.Bottom - 1 - a.Top) / H());
    }
}

TEST_F(MemoGeometry, PixelsBecomeColumnsAndLines)
{
    Numbered(50);
    const TRect text = memo->GetTextAreaRect();
    int x = 0, y = 0;
    // The right half of a cell counts as the boundary after it; CharFromPos takes the cell under the point.
    memo->MouseToCursor(text.Left + 2 * W() + W() / 2 + 1, text.Top + 3 * H() + 1, x, y);
    EXPECT_EQ(std::make_pair(x, y), std::make_pair(3, 3));
    memo->MouseToCursor(text.Left + 2 * W() + 1, text.Top + 3 * H() + 1, x, y);
    EXPECT_EQ(x, 2);
    memo->SetTopLine(10);
    const TFullPos pos = memo->CharFromPos(text.Left + 2 * W() + W() - 1, text.Top + 3 * H() + 1);
    EXPECT_EQ(pos.Pos, 2);
    EXPECT_EQ(pos.LineNo, 13);
}

TEST_F(MemoGeometry, TopLineAndLeftColumnRules)
{
    Numbered(3);
    memo->SetCurY(2);
    memo->SetCurX(3);
    memo->SetTopLine(1); // a short document does not scroll: the cursor goes home instead
    EXPECT_EQ(memo->TopLine(), 0);
    EXPECT_EQ(Caret(), std::make_pair(0, 0));
    EXPECT_FALSE(memo->VertScrollBar()->Visible());

    Numbered(100);
    memo->SetTopLine(500);
    EXPECT_EQ(memo->TopLine(), 99);
    EXPECT_EQ(memo->VertScrollBar()->Position(), 99);
    memo->SetTopLine(-3);
    EXPECT_EQ(memo->TopLine(), 99);
    memo->SetLeftCol(-1);
    EXPECT_EQ(memo->LeftCol(), 0);
}

TEST_F(MemoGeometry, TheVerticalBarLetsTheLastLineReachTheTop)
{
    Numbered(100);
    TScrollBar& bar = *memo->VertScrollBar();
    ASSERT_TRUE(bar.Visible());
    const int visible = memo->VisibleLineCount();
    EXPECT_EQ(bar.Max(), 99 + visible - 1);
    EXPECT_EQ(bar.PageSize(), visible);
    EXPECT_FALSE(memo->HorzScrollBar()->Visible());
    // A page on the bar is a page and one more row.
    memo->SetTopLine(10);
    ClickWindow(&bar, {bar.Width() / 2, bar.Height() - 20});
    EXPECT_EQ(memo->TopLine(), 10 + visible + 1);
    EXPECT_EQ(bar.Position(), memo->TopLine());
    EXPECT_FALSE(bar.Focused());
}

TEST_F(MemoGeometry, TheWheelMovesFourRowsANotch)
{
    Numbered(100);
    const TPoint middle{memo->Width() / 2, memo->Height() / 2};
    Wheel(memo, middle, -120);
    EXPECT_EQ(memo->TopLine(), 4);
    Wheel(memo, middle, -240);
    EXPECT_EQ(memo->TopLine(), 12);
    memo->SetTopLine(3);
    Wheel(memo, middle, 120);
    EXPECT_EQ(memo->TopLine(), 0);
    memo->SetTopLine(99);
    Wheel(memo, middle, -120);
    EXPECT_EQ(memo->TopLine(), 99);
    EXPECT_EQ(Caret(), std::make_pair(0, 0));

    Numbered(3); // too short to scroll: the wheel leaves the cursor alone
    memo->SetCurY(2);
    Wheel(memo, middle, -120);
    EXPECT_EQ(memo->CurY(), 2);
}

TEST_F(MemoGeometry, TheCursorIsBroughtIntoView)
{
    Numbered(100);
    memo->SetCurY(60);
    EXPECT_EQ(memo->TopLine(), 60 - (memo->VisibleLineCount() - 1));
    memo->SetCurY(5);
    EXPECT_EQ(memo->TopLine(), 5);
    SetLines({std::string(200, 'x')});
    memo->SetCurX(150);
    EXPECT_GT(memo->LeftCol(), 0);
    EXPECT_TRUE(memo->HorzScrollBar()->Visible());
    EXPECT_EQ(memo->HorzScrollBar()->Max(), 200);
    EXPECT_EQ(memo->HorzScrollBar()->PageSize(), memo->VisiblePosCount() + 1);
    memo->SetCurX(10);
    EXPECT_EQ(memo->LeftCol(), 8);
}

TEST_F(MemoGeometry, StrictScrollingKeepsTheCursorInsideTheView)
{
    Numbered(100);
    memo->SetScrollBars(ssNone);
    memo->SetScrollMode(smStrict);
    memo->SetCurY(80);
    EXPECT_EQ(memo->TopLine(), 0);
    EXPECT_EQ(memo->CurY(), memo->VisibleLineCount() - 1);
    EXPECT_FALSE(memo->VertScrollBar()->Visible());
}

TEST_F(MemoGeometry, WrappingToTheWidthNeverShowsTheHorizontalBar)
{
    SetLines({std::string(300, 'x'), "short"});
    memo->SetWordWrap(wwClientWidth);
    EXPECT_FALSE(memo->HorzScrollBar()->Visible());
    EXPECT_EQ(memo->Lines()->Get(0).size(), static_cast<size_t>(memo->VisiblePosCount() - 1));
    memo->SetCurX(5);
    EXPECT_FALSE(memo->HorzScrollBar()->Visible());
}

TEST_F(MemoGeometry, ResizingKeepsTheCursorOnItsCharacter)
{
    std::string text;
    for (int i = 0; i < 40; ++i)
        text += "word" + std::to_string(i) + " ";
    SetLines({text, "tail"});
    memo->SetWordWrap(wwClientWidth);
    memo->SetCurY(3);
    memo->SetCurX(4);
    int before = 0;
    memo->TextFromPos(memo->CurX(), memo->CurY(), before);
    const char ch = memo->Lines()->Get(3)[4];
    for (const int width : {180, 420, 250}) {
        memo->SetWidth(width);
        int after = 0;
        memo->TextFromPos(memo->CurX(), memo->CurY(), after);
        EXPECT_EQ(after, before) << width;
        EXPECT_EQ(memo->Lines()->Get(memo->CurY())[static_cast<size_t>(memo->CurX())], ch) << width;
    }
}

TEST_F(MemoGeometry, TheWrapFollowsTheVerticalBarComingAndGoing)
{
    memo->SetWordWrap(wwClientWidth);
    memo->Lines()->Clear();
    const int wide = memo->VisiblePosCount() - 1;
    std::string line;
    for (int i = 0; i < 4; ++i)
        line += std::string(static_cast<size_t>(wide / 4 - 1), 'a') + " ";
    while (memo->Lines()->Count() <= memo->VisibleLineCount())
        memo->Lines()->Add(line);
    ASSERT_TRUE(memo->VertScrollBar()->Visible());
    const int narrow = memo->VisiblePosCount() - 1;
    ASSERT_LT(narrow, wide);
    for (int i = 0; i < memo->Lines()->Count(); ++i)
        EXPECT_LE(static_cast<int>(memo->Lines()->Get(i).size()), narrow) << i;
}

TEST_F(MemoGeometry, DraggingTheThumbShowsTheRowInAHint)
{
    Numbered(100);
    memo->SetScrollHint(true);
    std::vector<std::string> hints;
    memo->OnScrollHint = [&](TObject*, int row, std::string& text) {
        hints.push_back(std::to_string(row) + " " + text);
    };
    memo->SetTopLine(41);
    SendMessage(memo->VertScrollBar()->Handle(), WM_VSCROLL, SB_THUMBTRACK, 0);
    EXPECT_EQ(hints, (std::vector<std::string>{"42 Row: 42"}));
    SendMessage(memo->VertScrollBar()->Handle(), WM_VSCROLL, SB_ENDSCROLL, 0);
    EXPECT_EQ(hints.size(), 1u);
}
