#include "memo_test_support.h"

namespace {

class MemoBlockMarks : public MemoFixture
{
protected:
    void SetUp() override
    {
        MemoFixture::SetUp();
        memo->SetSyntaxStyles(new TVezPascalMemoStyler(form));
        memo->Gutter()->SetVisible(false);
    }
    // Both marks as (line, column) pairs: the block end below and the block start above.
    std::pair<std::pair<int, int>, std::pair<int, int>> MarksAt(int line)
    {
        memo->SetCurY(line);
        memo->SetCurX(1); // a caret move, also on the line it stands on
        memo->SetCurX(0);
        return {{memo->BSMarkLine(), memo->BSMarkStart()}, {memo->BEMarkLine(), memo->BEMarkStart()}};
    }
    static std::pair<std::pair<int, int>, std::pair<int, int>> None() { return {{-1, -1}, {-1, -1}}; }
};

} // namespace

TEST_F(MemoBlockMarks, TheBlockAroundTheCaretIsMarkedAtBothEnds)
{
    SetLines({"x := 1; begin", "  begin", "    a;", "  end;", "  b;", "end."});
    memo->SetCurY(5);
    using Marks = std::pair<std::pair<int, int>, std::pair<int, int>>;
    EXPECT_EQ(MarksAt(0), (Marks{{5, 0}, {0, 8}})); // columns of the whole line
    EXPECT_EQ(MarksAt(1), (Marks{{3, 2}, {1, 2}}));
    EXPECT_EQ(MarksAt(2), (Marks{{3, 2}, {1, 2}}));
    EXPECT_EQ(MarksAt(4), (Marks{{5, 0}, {0, 8}}));
}

TEST_F(MemoBlockMarks, NoMarkForAnEndOutOfViewInACommentOrInsideAWord)
{
    std::vector<std::string> lines = {"begin"};
    for (int i = 0; i < 40; ++i)
        lines.push_back("  a;");
    lines.push_back("end;");
    SetLines(lines);
    EXPECT_EQ(MarksAt(0), None()); // the end lies below the visible rows
    SetLines({"begin", "  a;", "end; // done"});
    EXPECT_EQ(MarksAt(0), None());
    SetLines({"beginning", "end;"});
    EXPECT_EQ(MarksAt(0), None());
}

// The marks stay on their words when the view is scrolled sideways.
TEST_F(MemoBlockMarks, TheUnderlinesFollowTheScrolledColumns)
{
    memo->SetBlockLineColor(clRed);
    SetLines({"xxxxxxxx begin", "end"});
    MarksAt(0);
    ASSERT_EQ(memo->BEMarkStart(), 9);
    memo->SetLeftCol(4);
    std::unique_ptr<TBitmap> picture = Render(memo);
    const TRect word = memo->CellRect(9 - 4, 0);
    const TRect under = Rect(word.Left, word.Bottom - 4, word.Left + 5 * word.Width(), word.Bottom);
    EXPECT_GT(CountPixels(*picture, under, clRed), 4 * word.Width());
    const TRect unscrolled = Rect(memo->CellRect(9, 0).Left + 5 * word.Width(), under.Top,
                                  memo->CellRect(9, 0).Left + 6 * word.Width(), under.Bottom);
    EXPECT_EQ(CountPixels(*picture, unscrolled, clRed), 0);
}
