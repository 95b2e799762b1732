#include "memo_test_support.h"

#include "platform/gui/services/clipboard.h"
#include "platform/gui/standard/stdctrls_buttons.h"

namespace {

class MemoKeys : public MemoFixture
{
protected:
    void SetUp() override
    {
        MemoFixture::SetUp();
        memo->SetFocus();
        Pump();
    }
    void At(int x, int y)
    {
        memo->SetCurY(y);
        memo->SetCurX(x);
        memo->ClearSelection();
    }
};

} // namespace

TEST_F(MemoKeys, AReadOnlyMemoMovesSelectsCopiesAndUndoesOnly)
{
    SetLines({"abc", "def"});
    At(3, 0);
    Press(memo, "=x"); // an edit to undo later
    memo->SetReadOnly(true);
    int presses = 0;
    memo->OnKeyPress = [&presses](TObject*, char32_t&) { ++presses; };
    At(0, 0);
    PressAll(memo, {"S-Right", "S-Right"});
    EXPECT_EQ(memo->Selection(), "ab");
    Clipboard()->SetAsText("");
    Press(memo, "C-c");
    EXPECT_EQ(Clipboard()->AsText(), "ab");
    Clipboard()->SetAsText("");
    Press(memo, "C-Ins");
    EXPECT_EQ(Clipboard()->AsText(), "ab");
    Press(memo, "C-a");
    EXPECT_EQ(memo->Selection(), "ab");
    PressAll(memo, {"=typed", "Enter", "BS", "Del", "C-v", "C-x", "S-Ins", "S-Del", "Tab", "C-y"});
    EXPECT_EQ(Lines(), (std::vector<std::string>{"abcx", "def"}));
    EXPECT_EQ(presses, 0);
    Press(memo, "C-z");
    EXPECT_EQ(Lines(), (std::vector<std::string>{"abc", "def"}));
    Press(memo, "C-y"); // redo needs an editable memo
    EXPECT_EQ(Lines(), (std::vector<std::string>{"abc", "def"}));
    memo->SetReadOnly(false);
    Press(memo, "AS-BS");
    EXPECT_EQ(Lines(), (std::vector<std::string>{"abcx", "def"}));
    memo->SetReadOnly(true);
    Press(memo, "A-BS");
    EXPECT_EQ(Lines(), (std::vector<std::string>{"abc", "def"}));
}

TEST_F(MemoKeys, TypingEnterBackspaceAndDelete)
{
    SetLines({"zero", "one", "two", "three", "four", "five"});
    At(0, 5);
    Press(memo, "BS"); // column 0 joins the line to the one above
    EXPECT_EQ(memo->Lines()->Get(4), "fourfive");
    EXPECT_EQ(Caret(), std::make_pair(4, 4));
    At(2, 0);
    PressAll(memo, {"=AB", "Enter", "Del"});
    EXPECT_EQ(Lines()[0], "zeAB");
    EXPECT_EQ(Lines()[1], "o");
    // Beyond the end of a line Backspace fills the gap and takes the last blank.
    memo->SetCurY(2);
    memo->SetCurX(6);
    memo->ClearSelection();
    Press(memo, "BS");
    EXPECT_EQ(Lines()[2], "one  ");
    memo->SetCurX(3);
    Press(memo, "C-BS"); // the word left of the caret
    EXPECT_EQ(Lines()[2], "  ");
}

// Column 0 of a continuation row is the place right after the row above: Backspace takes one character.
TEST_F(MemoKeys, BackspaceAtTheStartOfAContinuationTakesOneCharacter)
{
    SetLines({"aaaa bbbb cccc"});
    memo->SetRightMargin(5);
    memo->SetWordWrap(wwRightMargin);
    ASSERT_EQ(Lines(), (std::vector<std::string>{"aaaa ", "bbbb ", "cccc"}));
    At(0, 1);
    Press(memo, "BS");
    EXPECT_EQ(AuthorLines(*memo), (std::vector<std::string>{"aaaabbbb cccc"}));
}

TEST_F(MemoKeys, TabIndentsTheLinesOfASelectionAndShiftTabTakesItBack)
{
    SetLines({"l0", "l1", "line2", "l3", "l4", "l5"});
    memo->SetSelectionEnds(3, 2, 0, 5);
    Press(memo, "Tab");
    EXPECT_EQ(Lines(), (std::vector<std::string>{"l0", "l1", "    line2", "    l3", "    l4", "l5"}));
    memo->SetSelectionEnds(3, 2, 0, 5);
    Press(memo, "S-Tab");
    EXPECT_EQ(Lines(), (std::vector<std::string>{"l0", "l1", "line2", "l3", "l4", "l5"}));
    At(0, 0);
    Press(memo, "Tab");
    EXPECT_EQ(Lines()[0], "    l0");
}

TEST_F(MemoKeys, InsertTogglesOverwriteWhenAllowedAndAlwaysTellsTheStatus)
{
    SetLines({"abc"});
    int statusChanges = 0;
    bool allow = false;
    memo->OnStatusChange = [&statusChanges](TObject*) { ++statusChanges; };
    memo->OnOverwriteToggle = [&allow](TObject*, bool& allowed) { allowed = allow; };
    Press(memo, "Ins");
    EXPECT_FALSE(memo->Overwrite());
    EXPECT_GE(statusChanges, 1);
    allow = true;
    statusChanges = 0;
    Press(memo, "Ins");
    EXPECT_TRUE(memo->Overwrite());
    EXPECT_GE(statusChanges, 1);
    At(0, 0);
    Press(memo, "=X");
    EXPECT_EQ(Lines()[0], "Xbc");
}

TEST_F(MemoKeys, CtrlShiftEndSelectsFromTheAnchorToTheEnd)
{
    SetLines({"a", "b", "c", "d", "last"});
    At(0, 3);
    Press(memo, "CS-End");
    EXPECT_EQ(memo->Selection(), "d\r\nlast");
    At(0, 2);
    Press(memo, "CS-Home");
    EXPECT_EQ(memo->Selection(), "a\r\nb\r\n");
}

TEST_F(MemoKeys, OnKeyDownCanTakeTheKey)
{
    SetLines({"abc"});
    At(1, 0);
    memo->OnKeyDown = [](TObject*, uint16_t& key, TShiftState) {
        if (key == VK_DELETE)
            key = 0;
    };
    Press(memo, "Del");
    EXPECT_EQ(Lines()[0], "abc");
    Press(memo, "Right");
    EXPECT_EQ(Caret(), std::make_pair(2, 0));
}

// Enter and Tab are the memo's, not the form's; Ctrl+Tab types nothing.
TEST_F(MemoKeys, TheMemoKeepsEnterFromTheDefaultButtonAndTabUnlessCtrl)
{
    auto* button = new TButton(form);
    button->SetParent(form);
    button->SetBounds(320, 10, 80, 25);
    button->SetDefault(true);
    int clicks = 0;
    button->OnClick = [&clicks](TObject*) { ++clicks; };
    Pump();
    SetLines({"ab"});
    At(1, 0);
    memo->SetFocus();
    Pump();
    Press(memo, "Enter");
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"a", "b"}));
    Press(memo, "Tab");
    EXPECT_TRUE(memo->Focused());
    EXPECT_EQ(Lines(), (std::vector<std::string>{"a", "    b"}));
    Press(memo, "C-Tab");
    EXPECT_EQ(Lines(), (std::vector<std::string>{"a", "    b"}));
    EXPECT_EQ(memo->Perform(WM_GETDLGCODE, 0, 0) & (DLGC_WANTARROWS | DLGC_WANTCHARS),
              DLGC_WANTARROWS | DLGC_WANTCHARS);
}
