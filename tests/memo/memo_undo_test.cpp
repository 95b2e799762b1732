#include "memo_test_support.h"

#include <functional>
#include <random>

namespace {

// Steps through the history while can() answers true, at most once per record: each step takes at least
// one record out of its zone, so a step that leaves the history where it was fails instead of hanging.
void StepThrough(TVezCustomMemo& memo, bool (TVezCustomMemo::*can)() const, void (TVezCustomMemo::*step)(),
                 const char* what)
{
    for (int left = memo.UndoList()->Count(); (memo.*can)(); --left) {
        if (left == 0) {
            ADD_FAILURE() << what << " goes on after every record was stepped through";
            return;
        }
        (memo.*step)();
    }
}

void UndoAll(TVezCustomMemo& memo)
{
    StepThrough(memo, &TVezCustomMemo::CanUndo, &TVezCustomMemo::Undo, "undo");
}

void RedoAll(TVezCustomMemo& memo)
{
    StepThrough(memo, &TVezCustomMemo::CanRedo, &TVezCustomMemo::Redo, "redo");
}

class MemoUndo : public MemoFixture
{
protected:
    void Start(const std::vector<std::string>& lines, int x, int y)
    {
        SetLines(lines);
        memo->SetCurY(y);
        memo->SetCurX(x);
        memo->ClearSelection();
        memo->ClearUndoList();
    }
    // Undoes everything, checks the text, redoes everything and checks again.
    void ExpectRoundTrip(const std::vector<std::string>& original, const std::vector<std::string>& edited)
    {
        UndoAll(*memo);
        EXPECT_EQ(Lines(), original);
        RedoAll(*memo);
        EXPECT_EQ(Lines(), edited);
        ExpectStoreConsistent(*memo->Lines());
    }
};

} // namespace

TEST_F(MemoUndo, TypingMergesIntoOneRecord)
{
    memo->Lines()->Clear();
    memo->InsertChar(U'a');
    memo->InsertChar(U'b');
    memo->InsertChar(U'c');
    EXPECT_EQ(memo->UndoList()->Count(), 1);
    memo->Undo();
    EXPECT_EQ(Lines(), (std::vector<std::string>{""}));
    EXPECT_EQ(Caret(), std::make_pair(0, 0));
    memo->Redo();
    EXPECT_EQ(Lines(), (std::vector<std::string>{"abc"}));

    memo->SetCurX(0);
    memo->InsertChar(U'x');
    EXPECT_EQ(memo->UndoList()->Count(), 2); // typing elsewhere starts a new record
}

TEST_F(MemoUndo, DeletionsMergeNewestFirstAndComeBackInOrder)
{
    Start({"abcdef"}, 1, 0);
    memo->DeleteChar(-1, -1);
    memo->DeleteChar(-1, -1);
    memo->DeleteChar(-1, -1);
    ASSERT_EQ(memo->UndoList()->Count(), 1);
    EXPECT_EQ(memo->UndoList()->Get(0)->UndoText(), "dcb");
    memo->Undo();
    EXPECT_EQ(Lines(), (std::vector<std::string>{"abcdef"}));
    EXPECT_EQ(Caret(), std::make_pair(1, 0));
}

TEST_F(MemoUndo, ANewEditDropsWhatWasUndone)
{
    Start({"abc"}, 3, 0);
    memo->InsertChar(U'd');
    memo->Undo();
    EXPECT_TRUE(memo->CanRedo());
    memo->InsertChar(U'e');
    EXPECT_FALSE(memo->CanRedo());
    EXPECT_EQ(memo->UndoList()->Count(), 1);
}

TEST_F(MemoUndo, TheLimitDropsTheOldestRecordAndANewLimitEmptiesTheHistory)
{
    Start({""}, 0, 0);
    for (int i = 0; i < 101; ++i) {
        memo->SetCurX(0); // each typed character a record of its own
        memo->InsertChar(U'a');
    }
    EXPECT_EQ(memo->UndoList()->Count(), 100);
    memo->UndoList()->SetLimit(0);
    EXPECT_EQ(memo->UndoList()->Limit(), 10);
    EXPECT_EQ(memo->UndoList()->Count(), 0);
    memo->UndoList()->SetLimit(500);
    EXPECT_EQ(memo->UndoList()->Limit(), 100);
    memo->SetUndoLimit(0);
    EXPECT_EQ(memo->UndoLimit(), 1);
    memo->SetUndoLimit(150);
    EXPECT_EQ(memo->UndoLimit(), 100);
}

TEST_F(MemoUndo, AModifiedMarkIsUndoneWithItsEdit)
{
    memo->Gutter()->SetShowModified(true);
    Start({"abc"}, 3, 0);
    EXPECT_FALSE(memo->Modified());
    memo->InsertChar(U'd');
    memo->SetModifiedStateInt(0, lmModified);
    ASSERT_EQ(memo->UndoList()->Count(), 2);
    EXPECT_TRUE(memo->Modified());
    EXPECT_TRUE(memo->LinesModified());
    memo->Undo();
    EXPECT_EQ(Lines(), (std::vector<std::string>{"abc"}));
    EXPECT_EQ(memo->GetModifiedStateInt(0), lmUnmodified);
    EXPECT_FALSE(memo->Modified());
    memo->Redo();
    EXPECT_EQ(Lines(), (std::vector<std::string>{"abcd"}));
    EXPECT_EQ(memo->GetModifiedStateInt(0), lmModified);
    memo->SetModified(false);
    EXPECT_FALSE(memo->CanUndo());
    EXPECT_FALSE(memo->LinesModified());
}

TEST_F(MemoUndo, APasteOverASelectionIsUndoneWithTheDeletion)
{
    Start({"one two three"}, 0, 0);
    memo->SetSelectionEnds(4, 0, 7, 0);
    memo->SetSelection("2\nlines");
    EXPECT_EQ(Lines(), (std::vector<std::string>{"one 2", "lines three"}));
    memo->Undo();
    EXPECT_EQ(Lines(), (std::vector<std::string>{"one two three"}));
    memo->Redo();
    EXPECT_EQ(Lines(), (std::vector<std::string>{"one 2", "lines three"}));
}

TEST_F(MemoUndo, EachEditComesBackExactly)
{
    struct Case
    {
        const char* name;
        std::vector<std::string> before;
        std::pair<int, int> caret;
        std::function<void(TVezMemo&)> edit;
    };
    const Case cases[] = {
        {"block unindent gives back what each line lost",
         {"  two", "      six", "none"},
         {0, 0},
         [](TVezMemo& m) { m.BlockIndent(0, 2, -4, true); }},
        {"a deleted last line comes back last", {"a", "b", "c"}, {0, 2}, [](TVezMemo& m) { m.DeleteLine(); }},
        {"a deleted middle line", {"a", "b", "c"}, {0, 1}, [](TVezMemo& m) { m.DeleteLine(); }},
        {"a redone overwrite writes the typed character",
         {"abc"},
         {1, 0},
         [](TVezMemo& m) {
             m.SetOverwrite(true);
             m.InsertChar(U'X');
             m.SetOverwrite(false);
         }},
        {"a redone smart backspace removes the blanks again",
         {"    words", "        x"},
         {8, 1},
         [](TVezMemo& m) {
             m.SetSmartTabs(true);
             m.DeleteCharLeft();
             m.SetSmartTabs(false);
         }},
        {"a block paste past the last line",
         {"ab", "cd"},
         {1, 1},
         [](TVezMemo& m) {
             m.SetSelectionMode(smBlock);
             m.SetSelection("12\r\n34\r\n56");
             m.SetSelectionMode(smText);
         }},
        {"a block deletion",
         {"abcdef", "ghijkl"},
         {0, 0},
         [](TVezMemo& m) {
             m.SetSelectionMode(smBlock);
             m.SetBlockSelection(Rect(1, 0, 3, 1));
             m.SetSelectionEnds(1, 0, 3, 1);
             m.DeleteSelectedText(true);
             m.SetSelectionMode(smText);
         }},
        {"a multi-line deletion",
         {"one", "two", "three"},
         {0, 0},
         [](TVezMemo& m) {
             m.SetSelectionEnds(1, 0, 0, 2);
             m.DeleteSelectedText(true);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Start(c.before, c.caret.first, c.caret.second);
        c.edit(*memo);
        const std::vector<std::string> edited = Lines();
        EXPECT_NE(edited, c.before);
        ExpectRoundTrip(c.before, edited);
    }
}

TEST_F(MemoUndo, ABlockPastePastTheLastLineAppendsLinesAndKeepsTheLastRow)
{
    Start({"ab", "cd"}, 1, 1);
    memo->SetSelectionMode(smBlock);
    memo->SetSelection("12\r\n34\r\n56");
    EXPECT_EQ(Lines(), (std::vector<std::string>{"ab", "c12d", " 34", " 56"}));
    Start({"one", "two"}, 0, 0);
    memo->SetSelectionMode(smBlock);
    memo->SetBlockSelection(Rect(0, 0, 3, 0));
    memo->SetSelectionEnds(0, 0, 3, 0);
    memo->SetSelection("word"); // one word over a block replaces it
    EXPECT_EQ(Lines(), (std::vector<std::string>{"word", "two"}));
}

TEST_F(MemoUndo, AReadOnlyMemoRefusesStepsThatWouldDeleteAndDoesNotCountThem)
{
    Start({"abc"}, 3, 0);
    memo->SetSelection("def");
    ASSERT_EQ(Lines(), (std::vector<std::string>{"abcdef"}));
    memo->SetReadOnly(true);
    memo->Undo(); // undoing the paste would delete text
    EXPECT_EQ(Lines(), (std::vector<std::string>{"abcdef"}));
    EXPECT_TRUE(memo->CanUndo());
    EXPECT_FALSE(memo->CanRedo());
    memo->SetReadOnly(false);
    memo->Undo();
    EXPECT_EQ(Lines(), (std::vector<std::string>{"abc"}));
}

namespace {

// One random edit of the kinds the keys and the clipboard make, at a random place of the text.
void RandomEdit(TVezMemo& memo, std::mt19937& random)
{
    const int lines = memo.Lines()->Count();
    const int y = static_cast<int>(random() % static_cast<unsigned>(lines));
    const int length = LineLength(memo.Lines()->Get(y));
    memo.SetCurY(y);
    memo.SetCurX(static_cast<int>(random() % static_cast<unsigned>(length + 1)));
    memo.ClearSelection();
    switch (random() % 11) {
    case 0:
        memo.InsertChar(U'a' + static_cast<char32_t>(random() % 26));
        break;
    case 1:
        memo.SetOverwrite(true);
        memo.InsertChar(U'Z');
        memo.SetOverwrite(false);
        break;
    case 2:
        memo.DeleteChar(-1, -1);
        break;
    case 3:
        memo.DeleteCharLeft();
        break;
    case 4:
        memo.NewLine();
        break;
    case 5:
        if (lines > 1)
            memo.DeleteLine();
        break;
    case 6:
        memo.BlockIndent(y, std::min(y + 2, lines - 1), random() % 2 ? 2 : -3, true);
        break;
    case 7:
        memo.SetSelection(random() % 2 ? "pasted words" : "two\nlines");
        break;
    case 8:
        memo.SetSelectionMode(smBlock);
        memo.SetSelection("b1\r\nb2");
        memo.SetSelectionMode(smText);
        break;
    case 9:
        memo.SetSelectionEnds(0, y, 0, std::min(y + 1, lines - 1));
        memo.DeleteSelectedText(true);
        break;
    case 10:
        memo.InsertChar(U' ');
        break;
    }
}

} // namespace

TEST_F(MemoUndo, RandomEditsUndoToTheOriginalAndRedoToTheEnd)
{
    std::mt19937 random(7);
    const std::vector<std::string> original = {"first line", "  second line", "third", "", "    fifth"};
    for (int round = 0; round < 20; ++round) {
        Start(original, 0, 0);
        memo->SetUndoLimit(100);
        for (int step = 0; step < 25; ++step)
            RandomEdit(*memo, random);
        const std::vector<std::string> edited = Lines();
        ExpectRoundTrip(original, edited);
        if (HasFailure()) {
            ADD_FAILURE() << "round " << round;
            return;
        }
    }
}

// Word wrap breaks the rows after each edit again: undo and redo still give back the author's text exactly.
TEST_F(MemoUndo, WrappedRandomEditsUndoToTheOriginalAndRedoToTheEnd)
{
    std::mt19937 random(11);
    const std::vector<std::string> original = {"first line of some words", "  second line goes on and on",
                                               "third", "", "    fifth line-with-breaks/and*more"};
    for (int round = 0; round < 60; ++round) {
        memo->SetWordWrap(wwNone);
        Start(original, 0, 0);
        memo->SetRightMargin(8);
        memo->SetWordWrap(wwRightMargin);
        memo->ClearUndoList();
        for (int step = 0; step < 25; ++step)
            RandomEdit(*memo, random);
        const std::vector<std::string> edited = AuthorLines(*memo);
        UndoAll(*memo);
        EXPECT_EQ(AuthorLines(*memo), original);
        RedoAll(*memo);
        EXPECT_EQ(AuthorLines(*memo), edited);
        ExpectStoreConsistent(*memo->Lines());
        if (HasFailure()) {
            ADD_FAILURE() << "round " << round;
            return;
        }
    }
}

// The caret's row padded with blanks, then a selection up to it replaced under word wrap: undo gives the
// text back without the row's blanks counted twice.
TEST_F(MemoUndo, AWrappedSelectionEndingInBlanksComesBackOnce)
{
    memo->SetRightMargin(1);
    memo->SetWordWrap(wwRightMargin);
    SetLines({"abcdefghi", "jk"});
    memo->SetCurY(8);
    memo->SetCurX(47); // pads the row
    memo->SetSelectionEnds(47, 8, 13, 0);
    const std::vector<std::string> before = AuthorLines(*memo);
    memo->ClearUndoList();
    memo->SetSelection("xy\nzz");
    const std::vector<std::string> edited = AuthorLines(*memo);
    EXPECT_EQ(edited, (std::vector<std::string>{"axy", "zz", "jk"}));
    UndoAll(*memo);
    EXPECT_EQ(AuthorLines(*memo), before);
    RedoAll(*memo);
    EXPECT_EQ(AuthorLines(*memo), edited);
}
