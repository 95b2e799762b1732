#include "platform/gui/core/exceptions.h"
#include "platform/gui/standard/memo.h"
#include "platform/gui/windows/scroll_bars.h"
#include "text_input_support.h"
#include "window_test_support.h"

#include "support/utf8.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

class MemoTest : public testing::Test
{
protected:
    void SetUp() override
    {
        form = ShowTestForm(400, 300);
        memo = new TMemo(form);
        memo->SetBounds(10, 10, 200, 120);
        memo->SetParent(form);
        memo->SetFocus();
        Pump();
    }
    void TearDown() override { form->Free(); }

    TForm* form = nullptr;
    TMemo* memo = nullptr;
};

struct LinesCase
{
    std::string text;
    std::function<void(TStrings&)> change;
    std::string expected;
};

} // namespace

TEST_F(MemoTest, LinesReadAndWriteTheText)
{
    const LinesCase cases[] = {
        {"", [](TStrings& l) { l.Add("a"); }, "a"},
        {"a", [](TStrings& l) { l.Add("b"); }, "a\r\nb"},
        {"a\r\n", [](TStrings& l) { l.Add("b"); }, "a\r\nb\r\n"},
        {"a\r\nc", [](TStrings& l) { l.Insert(1, "b"); }, "a\r\nb\r\nc"},
        {"a\r\nb\r\nc", [](TStrings& l) { l.Delete(1); }, "a\r\nc"},
        {"a\r\nb", [](TStrings& l) { l.Delete(1); }, "a"},
        {"a\r\nb\r\n", [](TStrings& l) { l.Delete(1); }, "a\r\n"},
        {"a\r\nb", [](TStrings& l) { l.Put(0, "xy"); }, "xy\r\nb"},
        {"a", [](TStrings& l) { l.SetText("one\ntwo\rthree"); }, "one\r\ntwo\r\nthree"},
        {"a\r\nb", [](TStrings& l) { l.Clear(); }, ""},
    };
    for (const LinesCase& c : cases) {
        memo->SetText(c.text);
        c.change(*memo->Lines());
        EXPECT_EQ(memo->Text(), c.expected) << c.text;
    }
    memo->SetText("one\r\n\r\nthree\r\n");
    EXPECT_EQ(memo->Lines()->Count(), 3);
    EXPECT_EQ(memo->Lines()->Strings(1), "");
    EXPECT_EQ(memo->Lines()->Strings(2), "three");
    EXPECT_EQ(memo->Lines()->Text(), "one\r\n\r\nthree\r\n");
    EXPECT_THROW(memo->Lines()->Strings(3), EListError);
}

TEST_F(MemoTest, KeyboardMovesOverLinesAndTypesBreaks)
{
    struct Case
    {
        std::string text;
        int caret;
        std::vector<std::string> keys;
        std::string expected;
        int expectedCaret;
    };
    const Case cases[] = {
        {"ab", 1, {"Enter"}, "a\r\nb", 3},
        {"a\r\nb", 3, {"BS"}, "ab", 1},
        {"a\r\nb", 1, {"Del"}, "ab", 1},
        {"a\r\nb", 1, {"Right"}, "a\r\nb", 3},
        {"abcd\r\nxy\r\nabcd", 3, {"Down", "Down"}, "abcd\r\nxy\r\nabcd", 13},
        {"abcd\r\nabcd", 8, {"Up", "End"}, "abcd\r\nabcd", 4},
        {"ab\r\ncd", 5, {"Home"}, "ab\r\ncd", 4},
        {"ab\r\ncd", 5, {"C-Home"}, "ab\r\ncd", 0},
        {"ab\r\ncd", 0, {"C-End"}, "ab\r\ncd", 6},
        {"ab\r\ncd", 0, {"S-Down", "=x"}, "xcd", 1},
        {"ab", 2, {"Tab"}, "ab", 2},
    };
    for (const Case& c : cases) {
        memo->SetText(c.text);
        memo->SetSelStart(c.caret);
        PressAll(memo, c.keys);
        EXPECT_EQ(memo->Text(), c.expected) << testing::PrintToString(c.keys);
        EXPECT_EQ(memo->SelStart(), c.expectedCaret) << testing::PrintToString(c.keys);
    }

    memo->SetWantTabs(true);
    memo->SetText("ab");
    memo->SetSelStart(1);
    Press(memo, "Tab");
    EXPECT_EQ(memo->Text(), "a\tb");
    memo->SetWantReturns(false);
    Press(memo, "Enter");
    EXPECT_EQ(memo->Text(), "a\tb");
}

TEST_F(MemoTest, WordWrapLaysLongLinesOutInRows)
{
    memo->SetText("alpha beta gamma delta epsilon zeta eta theta iota kappa lambda\r\nmu");
    const int rows = static_cast<int>(memo->Perform(EM_GETLINECOUNT, 0, 0));
    EXPECT_GT(rows, 2);
    EXPECT_EQ(memo->Lines()->Count(), 2);
    TRect format;
    memo->Perform(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    const std::string text = memo->Text();
    std::string joined;
    for (int row = 0; row < rows; ++row) {
        const int start = static_cast<int>(memo->Perform(EM_LINEINDEX, static_cast<WPARAM>(row), 0));
        const int length = static_cast<int>(memo->Perform(EM_LINELENGTH, static_cast<WPARAM>(start), 0));
        EXPECT_EQ(memo->Perform(EM_LINEFROMCHAR, static_cast<WPARAM>(start), 0), row);
        const TPoint end =
            PointFromLParam(memo->Perform(EM_POSFROMCHAR, static_cast<WPARAM>(start + length), 0));
        if (static_cast<size_t>(start + length) < text.size() &&
            text[static_cast<size_t>(start + length)] != '\r') {
            EXPECT_EQ(text[static_cast<size_t>(start + length) - 1], ' ') << "rows break after a space";
        }
        EXPECT_LE(end.X, format.Right) << row;
        joined += text.substr(static_cast<size_t>(start), static_cast<size_t>(length));
    }
    EXPECT_EQ(joined, "alpha beta gamma delta epsilon zeta eta theta iota kappa lambdamu");
    EXPECT_EQ(memo->Perform(EM_LINEINDEX, static_cast<WPARAM>(rows), 0), -1);

    memo->SetWordWrap(false);
    EXPECT_EQ(memo->Perform(EM_GETLINECOUNT, 0, 0), 2);
}

TEST_F(MemoTest, ScrollsByLinesByBarsAndToTheEnd)
{
    memo->SetScrollBars(ssVertical);
    memo->SetWordWrap(false);
    for (int i = 0; i < 50; ++i)
        memo->Lines()->Add("line " + std::to_string(i));
    memo->SetSelStart(0);
    memo->Perform(EM_SCROLLCARET, 0, 0);
    EXPECT_EQ(memo->Perform(EM_GETFIRSTVISIBLELINE, 0, 0), 0);

    memo->Perform(EM_LINESCROLL, 0, 10);
    EXPECT_EQ(memo->Perform(EM_GETFIRSTVISIBLELINE, 0, 0), 10);
    EXPECT_EQ(GetScrollPos(memo->Handle(), SB_VERT), 10);
    memo->Perform(WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(memo->Perform(EM_GETFIRSTVISIBLELINE, 0, 0), 11);
    memo->Perform(WM_VSCROLL, SB_TOP, 0);
    EXPECT_EQ(memo->Perform(EM_GETFIRSTVISIBLELINE, 0, 0), 0);

    // The last line scrolled into view: it is the bottom row of the view.
    memo->SetSelStart(static_cast<int>(Utf8Length(memo->Text())));
    memo->Perform(EM_SCROLLCARET, 0, 0);
    const int first = static_cast<int>(memo->Perform(EM_GETFIRSTVISIBLELINE, 0, 0));
    TRect format;
    memo->Perform(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    const TPoint last = PointFromLParam(memo->Perform(EM_POSFROMCHAR, memo->Perform(EM_LINEINDEX, 49, 0), 0));
    EXPECT_GT(first, 30);
    EXPECT_GE(last.Y, format.Top);
    EXPECT_LE(last.Y + 10, format.Bottom);
    memo->Perform(EM_LINESCROLL, 0, 100);
    EXPECT_EQ(memo->Perform(EM_GETFIRSTVISIBLELINE, 0, 0), first) << "no scrolling past the last line";

    Press(memo, "C-Home");
    EXPECT_EQ(memo->Perform(EM_GETFIRSTVISIBLELINE, 0, 0), 0);
    EXPECT_EQ(memo->CaretPos(), (TPoint{0, 0}));
    memo->SetCaretPos({2, 5});
    EXPECT_EQ(memo->CaretPos(), (TPoint{2, 5}));
}
