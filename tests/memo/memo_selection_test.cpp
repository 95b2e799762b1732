#include "memo_test_support.h"

#include "platform/gui/standard/edits.h"

namespace {

class MemoSelection : public MemoFixture
{
protected:
    int Offset(int x, int y) const
    {
        int offset = 0;
        memo->TextFromPos(x, y, offset);
        return offset;
    }
    std::pair<int, int> Position(int offset) const
    {
        int x = 0, y = 0;
        memo->PosFromText(offset, x, y);
        return {x, y};
    }
};

} // namespace

TEST_F(MemoSelection, OffsetsCountABreakAsTwoAndNoneBeforeAContinuation)
{
    SetLines({"abc", "de"});
    EXPECT_EQ(Offset(0, 1), 5);
    EXPECT_EQ(Offset(9, 0), 3);
    EXPECT_EQ(Offset(0, 7), 9); // every line and its break
    EXPECT_EQ(Position(4), std::make_pair(4, 0));
    EXPECT_EQ(Position(5), std::make_pair(0, 1));
    EXPECT_EQ(Position(9), std::make_pair(2, 1)); // past the end: the end of the text
    EXPECT_EQ(Position(-3), std::make_pair(0, 0));

    memo->SetSelectionEnds(1, 0, 1, 1);
    EXPECT_EQ(memo->Selection(), "bc\r\nd");
    memo->SetLineWrapped(1, true);
    EXPECT_EQ(Offset(0, 1), 3);
    EXPECT_EQ(Position(3), std::make_pair(0, 1));
    EXPECT_EQ(memo->Selection(), "bcd");
    EXPECT_EQ(memo->SelLength(), 3);
}

TEST_F(MemoSelection, ABackwardSelectionReadsAsTheForwardOne)
{
    SetLines({"one", "two", "three"});
    memo->SetSelectionEnds(1, 0, 2, 2);
    const std::string forward = memo->Selection();
    const int start = memo->SelStart();
    memo->SetSelectionEnds(2, 2, 1, 0);
    EXPECT_EQ(memo->Selection(), forward);
    EXPECT_EQ(memo->SelStart(), start);
    EXPECT_EQ(forward, "ne\r\ntwo\r\nth");
    int from = -1, to = -1;
    memo->Perform(EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
    EXPECT_EQ(from, 1);
    EXPECT_EQ(to, 1 + memo->SelLength());
    memo->Perform(EM_GETSEL, 0, 0); // no pointers: nothing written, nothing fails
}

TEST_F(MemoSelection, ABlockSelectionReadsPaddedRows)
{
    SetLines({"abcdef", "ab"});
    memo->SetSelectionMode(smBlock);
    memo->SetBlockSelection(Rect(2, 0, 5, 1));
    EXPECT_EQ(memo->Selection(), "cde\r\n   \r\n");
    memo->SetBlockSelection(TRect());
    EXPECT_EQ(memo->Selection(), "\r\n");
    memo->SetSelectionEnds(1, 0, 2, 0);
    memo->SetSelectionMode(smBlock); // the same mode: nothing changes
    EXPECT_EQ(memo->SelEndX(), 2);
    memo->SetSelectionMode(smText);
    EXPECT_EQ(memo->SelEndX(), 0);
}

TEST_F(MemoSelection, WritingATextSplitsItAtAnyLineBreak)
{
    for (const std::string text : {"x\ny", "x\ry", "x\r\ny"}) {
        SetLines({"ab"});
        memo->SetCurX(1);
        memo->ClearSelection();
        memo->SetSelection(text);
        EXPECT_EQ(Lines(), (std::vector<std::string>{"ax", "yb"}));
        EXPECT_EQ(Caret(), std::make_pair(1, 1));
        ExpectStoreConsistent(*memo->Lines());
    }
    SetLines({"abc"});
    memo->SetSelStart(1);
    memo->SetSelLength(1);
    memo->SetSelection("XY");
    EXPECT_EQ(Lines(), (std::vector<std::string>{"aXYc"}));
    EXPECT_EQ(Caret(), std::make_pair(3, 0));
}

TEST_F(MemoSelection, DeletingASelectionRecordsExactlyWhatWent)
{
    for (const bool backwards : {false, true}) {
        SetLines({"one", "two", "three"});
        memo->ClearUndoList();
        if (backwards)
            memo->SetSelectionEnds(0, 2, 1, 0);
        else
            memo->SetSelectionEnds(1, 0, 0, 2);
        ASSERT_TRUE(memo->DeleteSelectedText(true));
        EXPECT_EQ(Lines(), (std::vector<std::string>{"othree"}));
        EXPECT_EQ(memo->UndoList()->Get(0)->UndoText(), "ne\r\ntwo\r\n");
        memo->Undo();
        EXPECT_EQ(Lines(), (std::vector<std::string>{"one", "two", "three"}));
    }
    SetLines({"abc"});
    memo->SetReadOnly(true);
    memo->SetSelectionEnds(0, 0, 2, 0);
    EXPECT_FALSE(memo->DeleteSelectedText(true));
    EXPECT_EQ(Lines(), (std::vector<std::string>{"abc"}));
}

TEST_F(MemoSelection, SelectAllAndSetCursor)
{
    SetLines({"one", "three"});
    memo->SelectAll();
    EXPECT_EQ(memo->Selection(), "one\r\nthree");
    EXPECT_EQ(Caret(), std::make_pair(0, 0));
    memo->SetCursor(2, 1);
    EXPECT_EQ(Caret(), std::make_pair(2, 1));
    EXPECT_EQ(memo->Selection(), "");
    memo->Lines()->Clear();
    memo->SetSelectionEnds(0, 0, 3, 1);
    memo->SelectAll();
    EXPECT_EQ(memo->SelEndX(), 3);
}

TEST_F(MemoSelection, AWrittenTextIsCountedAsTheLinesHoldIt)
{
    SetLines({"ab"});
    memo->SetCurX(1);
    memo->ClearSelection();
    memo->SetSelection("\tx"); // the tab becomes four spaces, and the caret stands after them and the x
    EXPECT_EQ(Lines(), (std::vector<std::string>{"a    xb"}));
    EXPECT_EQ(Caret(), std::make_pair(6, 0));
    memo->SetSelection("\xEF\r\n\xBB\xBFz"); // bytes that are no UTF-8 stay apart from their neighbours
    EXPECT_EQ(Lines(), (std::vector<std::string>{"a    x\xEF\xBF\xBD", "\xEF\xBF\xBD\xEF\xBF\xBDzb"}));
    EXPECT_EQ(Caret(), std::make_pair(3, 1));
    ExpectStoreConsistent(*memo->Lines());
}

TEST_F(MemoSelection, ASelectionStartingPastItsLinesEndJoinsAtTheTextsEnd)
{
    SetLines({"ab", "cdef"});
    memo->SetSelectionEnds(1, 1, 9, 0); // backwards, from past the end of line 0
    ASSERT_TRUE(memo->DeleteSelectedText(true));
    EXPECT_EQ(Lines(), (std::vector<std::string>{"abdef"}));
    memo->Undo();
    EXPECT_EQ(Lines(), (std::vector<std::string>{"ab", "cdef"}));
}
