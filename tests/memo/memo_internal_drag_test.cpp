#include "memo_test_support.h"

namespace {

class MemoInternalDrag : public MemoFixture
{
protected:
    void SetUp() override
    {
        MemoFixture::SetUp();
        memo->Gutter()->SetVisible(false);
        Pump();
    }
    // A point just right of a cell's left edge: the position before that column.
    TPoint In(int col, int row) const
    {
        const TRect cell = memo->CellRect(col, row);
        return {cell.Left + 1, cell.Top + cell.Height() / 2};
    }
    // Presses on the selection and moves far enough for the drag to start, with keys held (ssCtrl).
    void StartDrag(TPoint from, TShiftState keys = {})
    {
        MouseDown(memo, from);
        MouseMove(memo, {from.X + 3, from.Y}, TShiftState{ssLeft} + keys);
    }
    void DragTo(TPoint from, TPoint to, TShiftState keys = {})
    {
        StartDrag(from, keys);
        MouseMove(memo, to, {ssLeft});
        MouseUp(memo, to);
        Pump();
    }
    // Types a character on a line of its own: an older edit that undoing the drag must not touch.
    void OlderEdit()
    {
        memo->SetCursor(0, static_cast<int>(Lines().size()) - 1);
        Press(memo, "=z");
    }
    int MarkPixels(int col, int row)
    {
        const TRect cell = memo->CellRect(col, row);
        return CountPixels(*Render(memo), Rect(cell.Left, cell.Top, cell.Left + 2, cell.Bottom), clBlack);
    }
};

} // namespace

TEST_F(MemoInternalDrag, TheSelectionMovesOrIsCopiedToTheDropPointAndOneUndoTakesItBack)
{
    struct Case
    {
        const char* name;
        std::vector<std::string> lines;
        int startX, startY, endX, endY; // the selection, from its start to where the caret stands
        TPoint dropCell;
        bool ctrl;
        std::vector<std::string> after;
        std::string selected;
    };
    const Case cases[] = {
        {"forward move", {"one two three"}, 4, 0, 7, 0, {13, 0}, false, {"one  threetwo"}, "two"},
        {"move before its start", {"one two three"}, 8, 0, 13, 0, {0, 0}, false, {"threeone two "}, "three"},
        {"copy with Ctrl", {"one two three"}, 4, 0, 7, 0, {13, 0}, true, {"one two threetwo"}, "two"},
        {"copy before its start",
         {"one two three"},
         8,
         0,
         13,
         0,
         {0, 0},
         true,
         {"threeone two three"},
         "three"},
        {"lines moved forward", {"ab", "cd", "ef"}, 1, 0, 1, 1, {2, 2}, false, {"ad", "efb", "c"}, "b\r\nc"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> lines = c.lines;
        lines.push_back("");
        SetLines(lines);
        memo->ClearUndoList();
        OlderEdit();
        lines.back() = "z";
        memo->SetSelectionEnds(c.startX, c.startY, c.endX, c.endY);
        DragTo(In(c.startX + 1, c.startY), In(c.dropCell.X, c.dropCell.Y),
               c.ctrl ? TShiftState{ssCtrl} : TShiftState{});
        std::vector<std::string> after = c.after;
        after.push_back("z");
        EXPECT_EQ(Lines(), after);
        EXPECT_EQ(memo->Selection(), c.selected);
        EXPECT_EQ(memo->DropMarkCell().Y, -1);
        memo->Undo();
        EXPECT_EQ(Lines(), lines);
        memo->Redo();
        EXPECT_EQ(Lines(), after);
        ExpectStoreConsistent(*memo->Lines());
    }
}

TEST_F(MemoInternalDrag, AForwardMoveLeavesTheCaretAfterTheMovedText)
{
    SetLines({"ab", "cd", "ef"});
    memo->SetSelectionEnds(1, 0, 1, 1);
    DragTo(In(2, 0), In(2, 2));
    EXPECT_EQ(Lines(), (std::vector<std::string>{"ad", "efb", "c"}));
    EXPECT_EQ(Caret(), std::make_pair(1, 2));
}

TEST_F(MemoInternalDrag, ADropOntoTheDraggedTextChangesNothing)
{
    // The caret at the selection's start: a drop inside it lies after the caret, yet on the text itself.
    for (const auto& [startX, endX] : {std::pair{9, 4}, std::pair{4, 9}}) {
        SetLines({"one two three"});
        memo->ClearUndoList();
        memo->SetSelectionEnds(startX, 0, endX, 0);
        DragTo(In(5, 0), In(7, 0));
        EXPECT_EQ(Lines(), (std::vector<std::string>{"one two three"}));
        EXPECT_FALSE(memo->CanUndo());
    }
}

TEST_F(MemoInternalDrag, AReadOnlyMemoNeitherDragsNorTakesDrops)
{
    SetLines({"one two three"});
    memo->SetReadOnly(true);
    memo->SetSelectionEnds(4, 0, 7, 0);
    int dropped = 0;
    memo->OnDragDrop = [&dropped](TObject*, TObject*, int, int) { ++dropped; };
    DragTo(In(5, 0), In(13, 0));
    EXPECT_EQ(Lines(), (std::vector<std::string>{"one two three"}));
    EXPECT_FALSE(memo->Dragging());
    memo->SetSelectionEnds(4, 0, 7, 0);
    memo->DragDrop(memo, In(13, 0).X, In(13, 0).Y);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"one two three"}));
    EXPECT_EQ(dropped, 0);
}

TEST_F(MemoInternalDrag, TheDropMarkFollowsTheMouseInsideTheTextArea)
{
    SetLines({"one two three", "four"});
    memo->SetSelectionEnds(4, 0, 7, 0);
    StartDrag(In(5, 0));
    MouseMove(memo, In(10, 1), {ssLeft});
    EXPECT_EQ(memo->DropMarkCell().X, 10);
    EXPECT_EQ(memo->DropMarkCell().Y, 1);
    std::unique_ptr<TBitmap> shown = Render(memo);
    SaveScreenshot(*shown, "memo_internal_drag_mark", 3);
    EXPECT_GE(MarkPixels(10, 1), memo->CellSize().H / 2);
    // Out of the text area (onto the border) the mark goes; back in, it stands at the new cell.
    MouseMove(memo, {0, In(2, 0).Y}, {ssLeft});
    EXPECT_EQ(memo->DropMarkCell().Y, -1);
    EXPECT_EQ(MarkPixels(10, 1), 0);
    MouseMove(memo, In(2, 0), {ssLeft});
    EXPECT_EQ(memo->DropMarkCell().X, 2);
    EXPECT_GE(MarkPixels(2, 0), memo->CellSize().H / 2);
    Press(memo, "Esc");
    EXPECT_EQ(memo->DropMarkCell().Y, -1);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"one two three", "four"}));
}

TEST_F(MemoInternalDrag, WithoutAutoExpandTheMarkStopsAtTheEndOfTheLinesText)
{
    struct Case
    {
        bool autoExpand;
        TPoint over;
        int markX;
    };
    // Row 0 ends in blanks, which do not count; below the last line the mark stays on the last row.
    const Case cases[] = {{false, {12, 0}, 2}, {false, {12, 3}, 6}, {true, {12, 0}, 12}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "auto expand " << c.autoExpand << " over " << c.over.X << "," << c.over.Y);
        SetLines({"ab   ", "abcdef"});
        memo->SetAutoExpand(c.autoExpand);
        memo->SetSelectionEnds(0, 1, 3, 1);
        StartDrag(In(1, 1));
        MouseMove(memo, In(c.over.X, c.over.Y), {ssLeft});
        EXPECT_EQ(memo->DropMarkCell().X, c.markX);
        EXPECT_EQ(memo->DropMarkCell().Y, std::min(c.over.Y, 1));
        EXPECT_GE(MarkPixels(c.markX, std::min(c.over.Y, 1)), memo->CellSize().H / 2);
        Press(memo, "Esc");
    }
}
