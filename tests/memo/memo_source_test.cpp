#include "memo_test_support.h"

#include "controls/memo/memo_source.h"
#include "controls/memo/memo_source_checker.h"
#include "controls/memo/pascal_styler.h"

// Documents kept apart from the memo (memo sources), and the checker the memo calls while the user types.

namespace {

class MemoSource : public MemoFixture
{
protected:
    void SetUp() override
    {
        MemoFixture::SetUp();
        memo->SetFocus();
        Pump();
    }
    TVezMemoSource* SourceWith(const std::vector<std::string>& lines)
    {
        auto* source = new TVezMemoSource(form);
        for (const std::string& line : lines)
            source->Lines()->Add(line);
        return source;
    }
    static std::vector<std::string> Numbered(int count, const std::string& prefix)
    {
        std::vector<std::string> lines;
        for (int i = 0; i < count; ++i)
            lines.push_back(prefix + std::to_string(i));
        return lines;
    }
};

} // namespace

TEST_F(MemoSource, SwitchingDocumentsKeepsEachOnesCaretUndoAndBookmarks)
{
    SetLines({"own text"});
    TVezMemoSource* a = SourceWith(Numbered(30, "a"));
    TVezMemoSource* b = SourceWith(Numbered(5, "b"));
    memo->SetMemoSource(a);
    EXPECT_EQ(memo->ActiveLines(), a->Lines());
    memo->SetCursor(2, 10);
    Press(memo, "=X");
    memo->BookmarkList()->SetInteger(3, 7);
    EXPECT_TRUE(a->Modified());

    memo->SetMemoSource(b);
    EXPECT_EQ(memo->ActiveLines()->Get(0), "b0");
    EXPECT_EQ(Caret(), (std::pair<int, int>{0, 0}));
    EXPECT_FALSE(memo->CanUndo());
    memo->BookmarkList()->SetInteger(3, 1);

    memo->SetMemoSource(a);
    EXPECT_EQ(Caret(), (std::pair<int, int>{3, 10}));
    EXPECT_EQ(memo->BookmarkList()->GetInteger(3), 7);
    EXPECT_EQ(a->Lines()->Get(10), "a1X0");
    memo->Undo();
    EXPECT_EQ(a->Lines()->Get(10), "a10");
    EXPECT_EQ(b->Lines()->Get(0), "b0");

    memo->SetMemoSource(nullptr);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"own text"})); // the memo's own lines stayed as they were
    EXPECT_EQ(memo->CurY(), 0);
}

TEST_F(MemoSource, AttachingExpandsTabsAndStartsAtTheTopOfAShortDocument)
{
    SetLines(Numbered(50, "own"));
    memo->SetTopLine(5);
    memo->SetCursor(4, 8);
    memo->SetTabSize(3);
    TVezMemoSource* source = SourceWith({"\tx", "a\tb\t", "plain"});
    memo->SetMemoSource(source);
    EXPECT_EQ(LinesOf(*source->Lines()), (std::vector<std::string>{"   x", "a   b   ", "plain"}));
    EXPECT_EQ(memo->TopLine(), 0);
    EXPECT_EQ(Caret(), (std::pair<int, int>{0, 0}));
}

TEST_F(MemoSource, ADetachedDocumentKeepsItsReadOnlyAndModifiedState)
{
    TVezMemoSource* source = SourceWith({"text"});
    source->SetReadOnly(true);
    memo->SetMemoSource(source);
    EXPECT_TRUE(memo->ReadOnly());
    memo->SetReadOnly(false);
    memo->SetCursor(4, 0);
    Press(memo, "=!");
    memo->SetMemoSource(nullptr);
    EXPECT_FALSE(source->ReadOnly());
    EXPECT_TRUE(source->Modified()); // its history holds a step
    source->SetModified(false);      // saved: nothing left to undo
    EXPECT_FALSE(source->Modified());
    EXPECT_EQ(source->UndoList()->Count(), 0);
}

TEST_F(MemoSource, SettingTheUndoListMovesTheRecordsSoThatOneListOwnsThem)
{
    SetLines({""});
    Press(memo, "=abc");
    TVezUndoList& own = *memo->UndoList();
    const int steps = own.Count();
    ASSERT_GT(steps, 0);
    TVezMemoSource* source = SourceWith({"abc"});
    source->SetUndoList(&own);
    EXPECT_EQ(own.Count(), 0);
    EXPECT_EQ(source->UndoList()->Count(), steps);
    memo->SetMemoSource(source);
    memo->SetCursor(3, 0);
    memo->Undo();
    EXPECT_EQ(source->Lines()->Get(0), "");
    EXPECT_EQ(Lines(), (std::vector<std::string>{"abc"})); // the memo's own text is not touched
}

TEST_F(MemoSource, TheDocumentsStylerColoursTheMemoAndALostSourceLeavesTheMemoWhole)
{
    auto* styler = new TVezPascalMemoStyler(form);
    TVezMemoSource* source = SourceWith({"begin end"});
    source->SetSyntaxStyler(styler);
    memo->SetMemoSource(source);
    EXPECT_EQ(memo->ActiveStyler(), styler);
    styler->Free();
    EXPECT_EQ(source->SyntaxStyler(), nullptr);
    source->Free();
    EXPECT_EQ(memo->MemoSource(), nullptr);
    EXPECT_EQ(memo->ActiveLines(), memo->Lines());
    Render(memo); // paints without the lost document
}

// --- the checker

namespace {

class TRecordingChecker : public TVezMemoChecker
{
public:
    using TVezMemoChecker::TVezMemoChecker;
    void CheckLine(int lineNo) override { Calls.push_back("CheckLine " + std::to_string(lineNo)); }
    void CheckWord(int lineNo, int linePos, const std::string& s) override
    {
        Calls.push_back("CheckWord " + std::to_string(lineNo) + " " + std::to_string(linePos) + " " + s);
    }
    void CorrectLine(int lineNo) override
    {
        Calls.push_back("CorrectLine " + std::to_string(lineNo));
        Memo->Lines()->Put(lineNo, Memo->Lines()->Get(lineNo) + ";");
    }
    void CorrectWord(int lineNo, int linePos, std::string& s) override
    {
        Calls.push_back("CorrectWord " + std::to_string(lineNo) + " " + std::to_string(linePos) + " " + s);
        if (s == "wrod")
            s = "word";
    }
    std::vector<std::string> Calls;
};

} // namespace

TEST_F(MemoSource, TheCheckerIsCalledWithTheLineOrTheWordBeforeTheCaret)
{
    struct Case
    {
        TAutoCorrectType Type;
        const char* Key;
        std::vector<std::string> Calls;
        std::vector<std::string> Lines;
    };
    const std::vector<Case> cases = {
        {acLineCheck, "Enter", {"CheckLine 1"}, {"first", "some wrod", ""}},
        {acWordCheck, "Space", {"CheckWord 1 9 wrod"}, {"first", "some wrod "}},
        {acWordCheck, "Enter", {"CheckWord 1 9 wrod"}, {"first", "some wrod", ""}},
        {acWordCorrect, "Space", {"CorrectWord 1 9 wrod"}, {"first", "some word "}},
        {acLineCorrect, "Space", {}, {"first", "some wrod "}},
        {acNone, "Enter", {}, {"first", "some wrod", ""}},
    };
    auto* checker = new TRecordingChecker(form);
    memo->SetMemoChecker(checker);
    EXPECT_EQ(checker->Memo, memo);
    for (const Case& c : cases) {
        SetLines({"first", "some wrod"});
        memo->SetCursor(9, 1);
        checker->AutoCorrectType = c.Type;
        checker->Calls.clear();
        Press(memo, c.Key);
        EXPECT_EQ(checker->Calls, c.Calls) << c.Type << " " << c.Key;
        EXPECT_EQ(Lines(), c.Lines) << c.Type << " " << c.Key;
    }
}

TEST_F(MemoSource, ALineCorrectedOnEnterIsSplitAtItsEnd)
{
    auto* checker = new TRecordingChecker(form);
    checker->AutoCorrectType = acLineCorrect;
    memo->SetMemoChecker(checker);
    SetLines({"x := 1", "next"});
    memo->SetCursor(2, 0);
    Press(memo, "Enter");
    EXPECT_EQ(Lines(), (std::vector<std::string>{"x := 1;", "", "next"}));
    EXPECT_EQ(Caret(), (std::pair<int, int>{0, 1}));
}

TEST_F(MemoSource, AWordCorrectionIsOneUndoStepAndAnUnchangedWordNone)
{
    auto* checker = new TRecordingChecker(form);
    checker->AutoCorrectType = acWordCorrect;
    memo->SetMemoChecker(checker);
    SetLines({"a wrod"});
    memo->SetCursor(6, 0);
    memo->ClearUndoList();
    Press(memo, "Space");
    EXPECT_EQ(Lines(), (std::vector<std::string>{"a word "}));
    memo->Undo(); // the space
    memo->Undo(); // the correction
    EXPECT_EQ(Lines(), (std::vector<std::string>{"a wrod"}));

    SetLines({"a fine"});
    memo->SetCursor(6, 0);
    memo->ClearUndoList();
    Press(memo, "Space");
    memo->Undo(); // the space is the only step
    EXPECT_EQ(Lines(), (std::vector<std::string>{"a fine"}));
    EXPECT_FALSE(memo->CanUndo());
}

// A checker whose memo is freed forgets it; the operations over the whole text then reach no line.
TEST_F(MemoSource, WithoutAMemoTheWholeTextOperationsDoNothing)
{
    auto* checker = new TRecordingChecker(form);
    auto* other = new TVezMemo(form);
    other->SetParent(form);
    other->Lines()->Add("a line");
    other->SetMemoChecker(checker);
    ASSERT_EQ(checker->Memo, other);
    other->Free();
    EXPECT_EQ(checker->Memo, nullptr);
    checker->CheckAllLines();
    checker->CorrectAllLines();
    checker->AddCorrectUndo(0, "text");
    EXPECT_EQ(checker->Calls, std::vector<std::string>{});
    TVezMemoChecker(nullptr).CheckLine(0); // the base's line check finds no marks to clear
}

TEST_F(MemoSource, TheBaseCheckerClearsTheErrorMarksOfTheLinesItChecks)
{
    auto* checker = new TVezMemoChecker(form);
    memo->SetMemoChecker(checker);
    SetLines({"one", "two"});
    TLineProp* prop = memo->Lines()->GetLineProp(1);
    ASSERT_NE(prop, nullptr);
    prop->FErrStart = std::make_unique<TIntList>();
    prop->FErrLen = std::make_unique<TIntList>();
    prop->FErrStart->Add(0);
    prop->FErrLen->Add(3);
    checker->CheckAllLines();
    EXPECT_EQ(prop->FErrStart->Count(), 0);
    EXPECT_EQ(prop->FErrLen->Count(), 0);
}
