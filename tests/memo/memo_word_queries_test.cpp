#include "memo_test_support.h"

namespace {

class MemoWordQueries : public MemoFixture
{
protected:
    void At(const std::string& line, int x)
    {
        SetLines({line});
        memo->SetCurX(x);
    }
};

} // namespace

TEST_F(MemoWordQueries, RunsOfNonDelimitersAroundAColumn)
{
    struct Case
    {
        std::string line;
        int x;
        std::string word, token, fullWord, tillCursor;
    };
    const Case cases[] = {
        {"x := Foo.Bar(1);", 9, "Bar(1)", "Bar", "Foo.Bar(1);", ""},
        {"x := Foo.Bar(1);", 12, "Bar(1)", "Bar", "Foo.Bar(1);", "Bar"},
        {"a  b", 2, "", "", "", ""},
        {"foo bar", 4, "bar", "bar", "bar", ""},
        {"foo bar", 7, "bar", "bar", "bar", "bar"},
        {"foo bar", 3, "foo", "foo", "foo", "foo"},
        {"foo bar", 9, "", "", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line + " at " + std::to_string(c.x));
        At(c.line, c.x);
        EXPECT_EQ(memo->WordAtXY(c.x, 0), c.word);
        EXPECT_EQ(memo->TokenAtXY(c.x, 0), c.token);
        EXPECT_EQ(memo->FullWordAtXY(c.x, 0), c.fullWord);
        EXPECT_EQ(memo->WordAtCursor(), c.x <= static_cast<int>(c.line.size()) ? c.word : "");
        EXPECT_EQ(memo->WordTillCursor(), c.tillCursor);
    }
}

TEST_F(MemoWordQueries, CursorQueriesAndLinesOutsideTheText)
{
    At("call(a, 'text').Go;", 6);
    EXPECT_EQ(memo->FullWordAtCursor(), "a,");
    EXPECT_EQ(memo->TokenAtCursor(), "call(a,");
    int pos = 0;
    EXPECT_EQ(memo->WordAtCursorPos(pos), "call(a");
    EXPECT_EQ(pos, 1);
    EXPECT_EQ(memo->WordAtXY(0, -1), "");
    EXPECT_EQ(memo->WordAtXY(0, 1), "");

    SetLines({"one", "two", "three"});
    memo->SetCurY(2);
    memo->Lines()->ClearStrings(); // the lines go, the cursor stays on line 2
    memo->Lines()->Add("only");
    EXPECT_EQ(memo->WordAtCursor(), "only");
    EXPECT_EQ(memo->CurY(), 0);
}
