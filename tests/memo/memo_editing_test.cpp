#include "memo_test_support.h"

#include <functional>

namespace {

using Caret = std::pair<int, int>;

struct EditCase
{
    const char* name;
    std::vector<std::string> before;
    Caret caret;
    std::function<void(TVezMemo&)> edit;
    std::vector<std::string> after;
    Caret caretAfter;
};

class MemoEditing : public MemoFixture
{
protected:
    void Run(const EditCase& c)
    {
        SCOPED_TRACE(c.name);
        SetLines(c.before);
        memo->SetCurY(c.caret.second);
        memo->SetCurX(c.caret.first);
        memo->ClearSelection();
        c.edit(*memo);
        EXPECT_EQ(Lines(), c.after);
        EXPECT_EQ(MemoFixture::Caret(), c.caretAfter);
        ExpectStoreConsistent(*memo->Lines());
    }
    void ResetOptions()
    {
        memo->SetAutoExpand(true);
        memo->SetAutoIndent(true);
        memo->SetSmartTabs(false);
        memo->SetOverwrite(false);
        memo->SetTrimTrailingSpaces(false);
        memo->SetReadOnly(false);
    }
};

const auto noAutoExpand = [](TVezMemo& m) { m.SetAutoExpand(false); };

} // namespace

TEST_F(MemoEditing, CaretSettersKeepTheCaretInsideTheText)
{
    const EditCase cases[] = {
        {"line past the end",
         {"a", "b", "c"},
         {0, 0},
         [](TVezMemo& m) { m.SetCurY(10); },
         {"a", "b", "c"},
         {0, 2}},
        {"line before the start", {"a", "b"}, {0, 1}, [](TVezMemo& m) { m.SetCurY(-5); }, {"a", "b"}, {0, 0}},
        {"column before the start goes up",
         {"ab", "cde", "f", "g"},
         {0, 3},
         [](TVezMemo& m) { m.SetCurX(-1); },
         {"ab", "cde", "f", "g"},
         {1, 2}},
        {"column before the first line's start",
         {"ab"},
         {1, 0},
         [](TVezMemo& m) { m.SetCurX(-1); },
         {"ab"},
         {0, 0}},
        {"column past the end pads",
         {"abcd"},
         {0, 0},
         [](TVezMemo& m) { m.SetCurX(10); },
         {"abcd      "},
         {10, 0}},
        {"column past the end stops there without AutoExpand",
         {"abcd"},
         {0, 0},
         [](TVezMemo& m) {
             noAutoExpand(m);
             m.SetCurX(10);
         },
         {"abcd"},
         {4, 0}},
        {"a read-only memo is not padded",
         {"abcd"},
         {0, 0},
         [](TVezMemo& m) {
             m.SetReadOnly(true);
             m.SetCurX(10);
         },
         {"abcd"},
         {10, 0}},
        {"leaving a line trims it when asked",
         {"ab  ", "c"},
         {2, 0},
         [](TVezMemo& m) {
             m.SetTrimTrailingSpaces(true);
             m.SetCurY(1);
         },
         {"ab", "c"},
         {2, 1}},
        {"leaving a line keeps it otherwise",
         {"ab  ", "c"},
         {2, 0},
         [](TVezMemo& m) { m.SetCurY(1); },
         {"ab  ", "c"},
         {2, 1}},
        {"a read-only memo is not trimmed",
         {"ab  ", "c"},
         {2, 0},
         [](TVezMemo& m) {
             m.SetTrimTrailingSpaces(true);
             m.SetReadOnly(true);
             m.SetCurY(1);
         },
         {"ab  ", "c"},
         {2, 1}},
    };
    for (const EditCase& c : cases) {
        ResetOptions();
        Run(c);
    }
    memo->Lines()->Clear();
    memo->SetCurY(0);
    EXPECT_EQ(memo->Lines()->Count(), 1);
}

TEST_F(MemoEditing, TrimmingTheLineLeftIsRecordedForUndo)
{
    memo->SetTrimTrailingSpaces(true);
    SetLines({"ab  ", "c"});
    memo->SetCurX(2);
    memo->SetCurY(1);
    ASSERT_TRUE(memo->CanUndo());
    memo->Undo();
    EXPECT_EQ(Lines(), (std::vector<std::string>{"ab  ", "c"}));
}

TEST_F(MemoEditing, MovesAndShiftSelection)
{
    const auto shift = TShiftState{ssShift};
    const EditCase cases[] = {
        {"right", {"abc"}, {1, 0}, [](TVezMemo& m) { m.MoveCursor(1, 0, {}); }, {"abc"}, {2, 0}},
        {"right at a line's end goes on below without AutoExpand",
         {"ab", "cd"},
         {2, 0},
         [](TVezMemo& m) {
             noAutoExpand(m);
             m.MoveCursor(1, 0, {});
         },
         {"ab", "cd"},
         {0, 1}},
        {"right at the last line's end stays",
         {"ab", "cd"},
         {2, 1},
         [](TVezMemo& m) {
             noAutoExpand(m);
             m.MoveCursor(1, 0, {});
         },
         {"ab", "cd"},
         {2, 1}},
        {"down clamps the column without AutoExpand",
         {"abcdef", "ab"},
         {5, 0},
         [](TVezMemo& m) {
             noAutoExpand(m);
             m.MoveCursor(0, 1, {});
         },
         {"abcdef", "ab"},
         {2, 1}},
        {"word right",
         {"one two three"},
         {0, 0},
         [](TVezMemo& m) { m.MoveCursor(1, 0, {ssCtrl}); },
         {"one two three"},
         {4, 0}},
        {"word left",
         {"one two three"},
         {9, 0},
         [](TVezMemo& m) { m.MoveCursor(-1, 0, {ssCtrl}); },
         {"one two three"},
         {8, 0}},
        {"home", {"   abc"}, {5, 0}, [](TVezMemo& m) { m.MoveHome({}); }, {"   abc"}, {0, 0}},
        {"enhanced home stops at word starts",
         {"one two"},
         {6, 0},
         [](TVezMemo& m) {
             m.SetEnhancedHomeKey(true);
             m.MoveHome({});
         },
         {"one two"},
         {4, 0}},
        {"enhanced home at column 0 stays",
         {"a", "one"},
         {0, 1},
         [](TVezMemo& m) {
             m.SetEnhancedHomeKey(true);
             m.MoveHome({});
         },
         {"a", "one"},
         {0, 1}},
        {"end stops before trailing blanks",
         {"abc  "},
         {0, 0},
         [](TVezMemo& m) { m.MoveEnd({}); },
         {"abc  "},
         {3, 0}},
        {"ctrl end", {"a", "bcd"}, {0, 0}, [](TVezMemo& m) { m.MoveEnd({ssCtrl}); }, {"a", "bcd"}, {3, 1}},
        {"ctrl home", {"a", "bcd"}, {2, 1}, [](TVezMemo& m) { m.MoveHome({ssCtrl}); }, {"a", "bcd"}, {0, 0}},
    };
    for (const EditCase& c : cases) {
        ResetOptions();
        memo->SetEnhancedHomeKey(false);
        Run(c);
    }
    SetLines({"abc", "def"});
    memo->SetCurX(1);
    memo->ClearSelection();
    memo->MoveCursor(1, 0, shift);
    memo->MoveCursor(0, 1, shift);
    EXPECT_EQ(memo->Selection(), "bc\r\nde");
    memo->MoveCursor(1, 0, {});
    EXPECT_EQ(memo->Selection(), "");
}

TEST_F(MemoEditing, PagesMoveTheCursorAndTheView)
{
    std::vector<std::string> lines;
    for (int i = 0; i < 100; ++i)
        lines.push_back("line " + std::to_string(i));
    SetLines(lines);
    const int rows = memo->GetTextAreaRect().Height() / memo->CellSize().H;
    memo->ClearSelection();
    memo->MovePage(1, {ssShift});
    EXPECT_EQ(memo->CurY(), rows);
    EXPECT_EQ(memo->TopLine(), rows);
    EXPECT_EQ(memo->SelEndY(), rows);
    EXPECT_EQ(memo->SelStartY(), 0);
    memo->MovePage(-1, {});
    EXPECT_EQ(memo->CurY(), 0);
    EXPECT_EQ(memo->TopLine(), 0);
    memo->MovePage(1, {ssCtrl});
    EXPECT_EQ(Caret(), std::make_pair(7, 99));
    SetLines({"a", "b"});
    memo->MovePage(1, {});
    EXPECT_EQ(memo->CurY(), 1);
}

TEST_F(MemoEditing, TypingTabsNewLinesAndDeleting)
{
    const EditCase cases[] = {
        {"a tab inserts spaces",
         {"abcd"},
         {1, 0},
         [](TVezMemo& m) { m.InsertChar(U'\t'); },
         {"a    bcd"},
         {5, 0}},
        {"a tab in overwrite mode moves",
         {"abcdefghij"},
         {1, 0},
         [](TVezMemo& m) {
             m.SetOverwrite(true);
             m.InsertChar(U'\t');
         },
         {"abcdefghij"},
         {5, 0}},
        {"overwrite replaces",
         {"abc"},
         {1, 0},
         [](TVezMemo& m) {
             m.SetOverwrite(true);
             m.InsertChar(U'X');
         },
         {"aXc"},
         {2, 0}},
        {"overwrite at the end appends",
         {"abc"},
         {3, 0},
         [](TVezMemo& m) {
             m.SetOverwrite(true);
             m.InsertChar(U'X');
         },
         {"abcX"},
         {4, 0}},
        {"a character past the end pads",
         {"ab"},
         {0, 0},
         [](TVezMemo& m) {
             m.SetReadOnly(true); // the caret may stand past the end unpadded
             m.SetCurX(4);
             m.SetReadOnly(false);
             m.InsertChar(U'x');
         },
         {"ab  x"},
         {5, 0}},
        {"delete at a line's end joins",
         {"ab", "cd"},
         {2, 0},
         [](TVezMemo& m) { m.DeleteChar(-1, -1); },
         {"abcd"},
         {2, 0}},
        {"delete at the text's end does nothing",
         {"ab"},
         {2, 0},
         [](TVezMemo& m) { m.DeleteChar(-1, -1); },
         {"ab"},
         {2, 0}},
        {"backspace joins", {"ab", "cd"}, {0, 1}, [](TVezMemo& m) { m.DeleteCharLeft(); }, {"abcd"}, {2, 0}},
        {"enter keeps the indentation",
         {"    word  second"},
         {10, 0},
         [](TVezMemo& m) { m.NewLine(); },
         {"    word  ", "    second"},
         {4, 1}},
        {"enter without auto-indent",
         {"    word  second"},
         {10, 0},
         [](TVezMemo& m) {
             m.SetAutoIndent(false);
             m.NewLine();
         },
         {"    word  ", "second"},
         {0, 1}},
        {"smart tab aligns with the word above",
         {"ab c dddd", ""},
         {0, 1},
         [](TVezMemo& m) {
             m.SetSmartTabs(true);
             m.InsertTab({});
         },
         {"ab c dddd", "   "},
         {3, 1}},
        {"smart backspace goes back to the indentation above",
         {"    words here", "        x"},
         {8, 1},
         [](TVezMemo& m) {
             m.SetSmartTabs(true);
             m.DeleteCharLeft();
         },
         {"    words here", "    x"},
         {4, 1}},
        {"shift tab moves back",
         {"abcdefgh"},
         {6, 0},
         [](TVezMemo& m) { m.InsertTab({ssShift}); },
         {"abcdefgh"},
         {2, 0}},
        {"word left deletes a word",
         {"one two"},
         {7, 0},
         [](TVezMemo& m) { m.DeleteWordLeft(); },
         {"one "},
         {4, 0}},
        {"word left again takes the space and the word",
         {"one "},
         {4, 0},
         [](TVezMemo& m) { m.DeleteWordLeft(); },
         {""},
         {0, 0}},
        {"deleting the only line empties it",
         {"only"},
         {2, 0},
         [](TVezMemo& m) { m.DeleteLine(); },
         {""},
         {0, 0}},
        {"deleting the last line", {"a", "b"}, {1, 1}, [](TVezMemo& m) { m.DeleteLine(); }, {"a"}, {0, 0}},
        {"block unindent",
         {"x", "y", "  two", "      six", "none"},
         {0, 0},
         [](TVezMemo& m) { m.BlockIndent(2, 4, -4, true); },
         {"x", "y", "two", "  six", "none"},
         {0, 0}},
    };
    for (const EditCase& c : cases) {
        ResetOptions();
        Run(c);
    }
}

TEST_F(MemoEditing, DeletingALineMovesTheBookmarksBelowIt)
{
    SetLines({"0", "1", "2", "3"});
    memo->BookmarkList()->SetInteger(0, 3);
    memo->BookmarkList()->SetInteger(1, 0);
    memo->SetCurY(1);
    memo->DeleteLine();
    EXPECT_EQ(memo->BookmarkList()->GetInteger(0), 2);
    EXPECT_EQ(memo->BookmarkList()->GetInteger(1), 0);
}

TEST_F(MemoEditing, ClearLeavesAnEmptyStore)
{
    SetLines({"a", "b"});
    memo->SetCurY(1);
    memo->InsertChar(U'x');
    memo->Clear();
    EXPECT_EQ(memo->Lines()->Count(), 0);
    EXPECT_EQ(Caret(), std::make_pair(0, 0));
    EXPECT_FALSE(memo->CanUndo());
    memo->InsertChar(U'z');
    EXPECT_EQ(Lines(), (std::vector<std::string>{"z"}));
}

TEST_F(MemoEditing, TextGoesInAtAPosition)
{
    SetLines({"ab", "cd"});
    memo->InsertTextAtXY("x\ny", 1, 1);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"ab", "cx", "yd"}));
    EXPECT_EQ(Caret(), std::make_pair(1, 2));
}
