#include "memo_test_support.h"

#include "controls/memo/word_wrap.h"
#include "support/utf8.h"

#include <random>

namespace {

std::vector<std::string> Rows(const std::string& line, int width)
{
    std::vector<std::string> rows;
    for (const TLineText& row : WrapPieces(Utf8ToUtf32(line), width))
        rows.push_back(Utf32ToUtf8(row));
    return rows;
}

class MemoWordWrap : public MemoFixture
{
protected:
    // Wraps at a fixed number of characters, whatever the memo's size.
    void WrapAt(int width)
    {
        memo->SetRightMargin(width);
        memo->SetWordWrap(wwRightMargin);
    }
    std::vector<bool> WrapMarks() const
    {
        std::vector<bool> marks;
        for (int i = 0; i < memo->Lines()->Count(); ++i)
            marks.push_back(memo->IsWrappedLine(i));
        return marks;
    }
};

// A second memo that wraps the same author's lines in one go, to compare with.
std::vector<std::string> FullyWrapped(TForm* form, const std::vector<std::string>& authorLines, int width)
{
    TVezMemo reference(form);
    reference.SetRightMargin(width);
    std::string text;
    for (const std::string& line : authorLines)
        text += line + "\r\n";
    reference.Lines()->SetText(text);
    reference.SetWordWrap(wwRightMargin);
    return LinesOf(*reference.Lines());
}

} // namespace

TEST(WordWrapPieces, BreaksAfterBreakCharactersOrHardAtTheWidth)
{
    struct Case
    {
        std::string line;
        int width;
        std::vector<std::string> rows;
    };
    const Case cases[] = {
        {"aaa bbb ccc ddd", 10, {"aaa bbb ", "ccc ddd"}},
        {std::string(25, 'x'), 10, {std::string(10, 'x'), std::string(10, 'x'), std::string(5, 'x')}},
        {"a-b-c-d-e-f-g", 10, {"a-b-c-d-e-", "f-g"}},
        {"2*3/4+5", 4, {"2*3/", "4+5"}},
        {"exactly10!", 10, {"exactly10!"}},
        {"short", 0, {"short"}},
        {"ab verylongwordthatbreaks", 6, {"ab ", "verylo", "ngword", "thatbr", "eaks"}},
        {"\xC3\xA4\xC3\xA4\xC3\xA4 \xC3\xA4\xC3\xA4", 4, {"\xC3\xA4\xC3\xA4\xC3\xA4 ", "\xC3\xA4\xC3\xA4"}},
        {"abc defgh", 4, {"abc ", "defg", "h"}},       // a break character in the last column
        {"aaaa bbbbb", 4, {"aaaa", " ", "bbbb", "b"}}, // one just beyond it
        {"ab    cd", 4, {"ab  ", "  cd"}},             // blanks in a row split between rows
        {"   abcdefgh ij", 5, {"   ", "abcde", "fgh ", "ij"}},
        {"x+y*z/w-v u", 3, {"x+", "y*", "z/", "w-", "v u"}}, // the rest is wrapped again and again
        {"a b", 1, {"a", " ", "b"}},
        {"------", 4, {"----", "--"}},
        {"", 10, {""}},
        {"short", -3, {"short"}},
    };
    for (const Case& c : cases) {
        const std::vector<std::string> rows = Rows(c.line, c.width);
        EXPECT_EQ(rows, c.rows) << c.line << " at " << c.width;
        std::string joined;
        for (const std::string& row : rows)
            joined += row;
        EXPECT_EQ(joined, c.line);
    }
}

TEST_F(MemoWordWrap, RowsAreMarkedAndUnwrappingGivesTheAuthorsLinesBack)
{
    SetLines({"aaa bbb ccc ddd", "short", std::string(25, 'x')});
    WrapAt(10);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"aaa bbb ", "ccc ddd", "short", std::string(10, 'x'),
                                                 std::string(10, 'x'), std::string(5, 'x')}));
    EXPECT_EQ(WrapMarks(), (std::vector<bool>{false, true, false, false, true, true}));
    EXPECT_EQ(memo->GetWrappedLineIndex(1), 0);
    EXPECT_EQ(memo->GetWrappedLineIndex(2), 1);
    EXPECT_EQ(memo->GetWrappedLineIndex(5), 2);
    EXPECT_EQ(memo->WrappedText(), "aaa bbb ccc ddd\r\nshort\r\n" + std::string(25, 'x') + "\r\n");
    memo->SetWordWrap(wwNone);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"aaa bbb ccc ddd", "short", std::string(25, 'x')}));
    EXPECT_EQ(WrapMarks(), (std::vector<bool>{false, false, false}));
    ExpectStoreConsistent(*memo->Lines());
}

TEST_F(MemoWordWrap, AppendedLinesAreWrappedAsTheyArrive)
{
    WrapAt(10);
    memo->Lines()->Clear();
    memo->Lines()->Add("first line that is long");
    memo->Lines()->Add("second\nthird is also long");
    EXPECT_EQ(AuthorLines(*memo),
              (std::vector<std::string>{"first line that is long", "second", "third is also long"}));
    EXPECT_EQ(Lines(), FullyWrapped(form, AuthorLines(*memo), 10));
}

TEST_F(MemoWordWrap, ARewrapKeepsTheLinePropertiesAndBookmarksOfTheAuthorsLine)
{
    SetLines({"one", "two words that wrap", "three"});
    WrapAt(10);
    const int three = 3;
    ASSERT_EQ(memo->Lines()->Get(three), "three");
    memo->SetModifiedStateInt(three, lmModified);
    memo->Lines()->LineProp(three)->BreakPoint = true;
    memo->BookmarkList()->SetInteger(0, three);
    memo->SetCurY(0);
    memo->SetCurX(1);
    memo->Lines()->Put(1, "two words that wrap and wrap again"); // a row of the second line grows
    memo->UpdateWrap();
    const int moved = memo->BookmarkList()->GetInteger(0);
    EXPECT_EQ(memo->Lines()->Get(moved), "three");
    EXPECT_EQ(memo->GetModifiedStateInt(moved), lmModified);
    EXPECT_TRUE(memo->Lines()->GetLineProp(moved)->BreakPoint);
    memo->SetWordWrap(wwNone);
    EXPECT_EQ(memo->Lines()->Get(2), "three");
    EXPECT_EQ(memo->BookmarkList()->GetInteger(0), 2);
    EXPECT_TRUE(memo->Lines()->GetLineProp(2)->BreakPoint);
}

TEST_F(MemoWordWrap, IncrementalWrapEqualsAFullWrap)
{
    std::mt19937 random(21);
    const auto word = [&] {
        std::string w(1 + random() % 9, 'a' + static_cast<char>(random() % 26));
        const char* breaks[] = {" ", " ", "-", "/", ""};
        return w + breaks[random() % 5];
    };
    const auto line = [&] {
        std::string l;
        for (int n = random() % 8; n > 0; --n)
            l += word();
        return l;
    };
    int width = 12;
    WrapAt(width);
    memo->Lines()->Clear();
    for (int step = 0; step < 300; ++step) {
        const int rows = memo->Lines()->Count();
        switch (random() % 6) {
        case 0:
        case 1:
            memo->Lines()->Add(line());
            break;
        case 2:
            if (rows > 0)
                memo->Lines()->Put(random() % rows, line());
            break;
        case 3:
            if (rows > 0)
                memo->Lines()->Delete(random() % rows);
            break;
        case 4:
            memo->Lines()->Insert(rows > 0 ? random() % rows : 0, line());
            break;
        case 5:
            width = 6 + random() % 20;
            memo->SetRightMargin(width);
            break;
        }
        memo->UpdateWrap();
        ASSERT_EQ(Lines(), FullyWrapped(form, AuthorLines(*memo), width)) << "step " << step;
        ExpectStoreConsistent(*memo->Lines());
    }
}

TEST_F(MemoWordWrap, TheCaretStaysOnItsCharacterWhenRowsChange)
{
    SetLines({"alpha beta gamma delta"});
    WrapAt(12);
    memo->SetCurY(1);
    memo->SetCurX(2); // on the "m" of "gamma"
    ASSERT_EQ(memo->Lines()->Get(1), "gamma delta");
    memo->SetRightMargin(8);
    memo->UpdateWrap();
    int offset = 0;
    memo->TextFromPos(memo->CurX(), memo->CurY(), offset);
    EXPECT_EQ(offset, 13);
    EXPECT_EQ(memo->Lines()->Get(memo->CurY())[static_cast<size_t>(memo->CurX())], 'm');
}

// Text loaded into a memo wrapped to its width that brings up the vertical bar: the rows are wrapped to the
// width the bar leaves, at once, not only after the first edit.
TEST_F(MemoWordWrap, LoadedTextIsWrappedToTheWidthTheScrollBarLeaves)
{
    memo->SetWordWrap(wwClientWidth);
    const int widthWithoutBar = memo->WrapWidth();
    ASSERT_GT(widthWithoutBar, 10);
    std::string text;
    for (int i = 0; i < 200; ++i)
        text += std::string(static_cast<size_t>(widthWithoutBar), 'x') + "\r\n";
    memo->Lines()->SetText(text);
    Pump();
    const int width = memo->WrapWidth();
    ASSERT_LT(width, widthWithoutBar) << "the vertical bar takes room";
    for (int row = 0; row < memo->Lines()->Count(); ++row)
        ASSERT_LE(memo->Lines()->ListLengths().GetInteger(row), width) << "row " << row;
}
