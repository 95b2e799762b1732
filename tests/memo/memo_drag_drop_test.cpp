#include "controls/memo/memo_drop_target.h"
#include "memo_test_support.h"

#include "block_data_object.h"
#include "platform/gui/core/exception_reporting.h"
#include "platform/gui/services/drop_targets.h"

#include <filesystem>
#include <fstream>

namespace {

class MemoDragDrop : public MemoFixture
{
protected:
    void SetUp() override
    {
        MemoFixture::SetUp();
        memo->Gutter()->SetVisible(false);
        memo->SetOleDropTarget({odtText, odtFile});
        Pump();
    }
    void TearDown() override
    {
        SetDesktopDragRunner(nullptr);
        for (const std::string& file : files_)
            std::filesystem::remove(file);
        MemoFixture::TearDown();
    }
    // A point in the middle of a cell of the view.
    TPoint In(int col, int row) const
    {
        const TRect cell = memo->CellRect(col, row);
        return {cell.Left + 1, cell.Top + cell.Height() / 2};
    }
    std::string TextFile(const std::string& name, const std::string& text)
    {
        const std::string path = (std::filesystem::temp_directory_path() / name).string();
        std::ofstream(path, std::ios::binary) << text;
        files_.push_back(path);
        return path;
    }
    // Presses inside the selection and moves: the memo drags the selection out by OLE.
    void DragSelectionOut(int col)
    {
        MouseDown(memo, In(col, 0));
        MouseMove(memo, {In(col, 0).X + 4, In(col, 0).Y}, {ssLeft});
        MouseUp(memo, {In(col, 0).X + 4, In(col, 0).Y});
        Pump();
    }

private:
    std::vector<std::string> files_;
};

} // namespace

TEST_F(MemoDragDrop, DroppedTextGoesInAtTheDropCellOfTheScrolledView)
{
    std::vector<std::string> lines;
    for (int i = 0; i < 40; ++i)
        lines.push_back("line" + std::to_string(i));
    SetLines(lines);
    memo->SetTopLine(10);
    memo->SetOleDropTarget({odtText});
    // Without Ctrl the drop moves, with it the drop copies.
    EXPECT_EQ(DropData(memo, In(2, 1), {{"text/plain", "AB"}}), DROPEFFECT_MOVE);
    EXPECT_EQ(memo->Lines()->Get(11), "liABne11");
    EXPECT_EQ(DropData(memo, In(0, 2), {{"text/plain", "C"}}, {ssCtrl}), DROPEFFECT_COPY);
    EXPECT_EQ(memo->Lines()->Get(12), "Cline12");
    // A read-only memo takes drops as its OleDropTarget says.
    memo->SetReadOnly(true);
    EXPECT_EQ(DropData(memo, In(0, 0), {{"text/plain", "R"}}), DROPEFFECT_MOVE);
    EXPECT_EQ(memo->Lines()->Get(10), "Rline10");
    // Files are not wanted here: dragging one over the memo offers nothing.
    const std::string file = TextFile("qm_memo_drop_unwanted.txt", "unwanted");
    EXPECT_EQ(DropData(memo, In(0, 0), {{"text/uri-list", "file://" + file + "\r\n"}}), DROPEFFECT_NONE);
    EXPECT_EQ(memo->Lines()->Count(), 40);
    // Not wanted at all any more: text is refused too.
    memo->SetOleDropTarget({});
    EXPECT_EQ(DropData(memo, In(0, 0), {{"text/plain", "X"}}), DROPEFFECT_NONE);
    EXPECT_EQ(memo->Lines()->Get(10), "Rline10");
}

TEST_F(MemoDragDrop, OnlyTheFirstDroppedFileIsLoadedAndFilesAreOnlyEverCopied)
{
    SetLines({"old text"});
    memo->SetOleDropTarget({odtFile});
    const std::string first = TextFile("qm_memo_drop_first.txt", "first\r\nfile\r\n");
    const std::string second = TextFile("qm_memo_drop_second.txt", "second\r\n");
    const std::string uris = "file://" + first + "\r\nfile://" + second + "\r\n";
    std::vector<std::string> offered;
    bool allow = false;
    memo->OnOleDropFile = [&](TObject*, int, int, const std::string& name, bool& allowed) {
        offered.push_back(name);
        allowed = allow;
    };
    // Refused by the event: nothing is loaded, and the text that came along is not wanted. A file drag is
    // offered a copy even without Ctrl, so that its source does not delete the files the memo only read.
    EXPECT_EQ(DropData(memo, In(0, 0), {{"text/uri-list", uris}, {"text/plain", "text"}}), DROPEFFECT_COPY);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"old text"}));
    allow = true;
    EXPECT_EQ(DropData(memo, In(0, 0), {{"text/uri-list", uris}}), DROPEFFECT_COPY);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"first", "file"}));
    EXPECT_EQ(offered, (std::vector<std::string>{first, first}));
}

TEST_F(MemoDragDrop, AFileThatCannotBeLoadedIsReportedAndTheTextAndItsUndoStay)
{
    SetLines({"kept"});
    memo->InsertTextAtXY("!", 4, 0);
    memo->SetOleDropTarget({odtFile});
    std::vector<std::string> reported;
    SetExceptionReporter(
        [&](TObject*, const std::exception_ptr& e) { reported.push_back(ExceptionMessage(e)); });
    for (const char* uri : {"file:///nonexistent/x.txt", "file:///tmp/"}) {
        SCOPED_TRACE(uri);
        reported.clear();
        EXPECT_EQ(DropData(memo, In(0, 0), {{"text/uri-list", std::string(uri) + "\r\n"}}), DROPEFFECT_NONE);
        EXPECT_EQ(reported.size(), 1u);
        EXPECT_EQ(Lines(), (std::vector<std::string>{"kept!"}));
        EXPECT_TRUE(memo->CanUndo());
        EXPECT_EQ(memo->DropMarkCell().Y, -1);
    }
    SetExceptionReporter(nullptr);
}

TEST_F(MemoDragDrop, DataWithTextAndFilesGivesTheTextFirstThenTheFile)
{
    SetLines({""});
    const std::string file = TextFile("qm_memo_drop_both.txt", "loaded");
    std::vector<std::string> events;
    memo->OnOleDropText = [&](TObject*, int, int, std::string& text, bool&) {
        events.push_back("text " + text);
    };
    memo->OnOleDropFile = [&](TObject*, int, int, const std::string&, bool&) { events.push_back("file"); };
    EXPECT_EQ(
        DropData(memo, In(0, 0), {{"text/plain", "words"}, {"text/uri-list", "file://" + file + "\r\n"}}),
        DROPEFFECT_COPY);
    EXPECT_EQ(events, (std::vector<std::string>{"text words", "file"}));
    EXPECT_EQ(Lines(), (std::vector<std::string>{"loaded"}));
}

TEST_F(MemoDragDrop, TheSourceRemovesTheSelectionOnlyWhenTheDropMovedIt)
{
    memo->SetOleDropSource(true);
    struct Case
    {
        uint32_t performed; // the effect the foreign target reports
        bool readOnly;
        std::string left; // what stays in the memo
        bool copyText;    // what OnOleTextDragged hears
    };
    const Case cases[] = {
        {DROPEFFECT_MOVE, false, "one  three", false},
        {DROPEFFECT_COPY, false, "one two three", true},
        {DROPEFFECT_NONE, false, "one two three", false}, // cancelled: no event
        {DROPEFFECT_MOVE, true, "one two three", true},   // a read-only memo keeps its text
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "effect " << c.performed << (c.readOnly ? " read-only" : ""));
        memo->SetReadOnly(c.readOnly);
        SetLines({"one two three"});
        memo->SetSelectionEnds(4, 0, 7, 0);
        std::vector<std::pair<std::string, bool>> dragged;
        memo->OnOleTextDragged = [&](TObject*, const std::string& text, bool copy) {
            dragged.emplace_back(text, copy);
        };
        std::vector<uint32_t> okEffects;
        SetDesktopDragRunner(
            [&](QMimeData&, uint32_t allowed, const std::function<void(uint32_t)>& feedback) {
                okEffects.push_back(allowed);
                EXPECT_TRUE(memo->IsDragSource());
                feedback(c.performed);
                return c.performed;
            });
        DragSelectionOut(5);
        EXPECT_EQ(okEffects, (std::vector<uint32_t>{DROPEFFECT_COPY | DROPEFFECT_MOVE}));
        EXPECT_FALSE(memo->IsDragSource());
        EXPECT_EQ(Lines(), (std::vector<std::string>{c.left}));
        if (c.performed == DROPEFFECT_NONE)
            EXPECT_TRUE(dragged.empty());
        else
            EXPECT_EQ(dragged, (std::vector<std::pair<std::string, bool>>{{"two", c.copyText}}));
    }
}

TEST_F(MemoDragDrop, AnOleDragWithinOneMemoCopies)
{
    memo->SetOleDropSource(true);
    for (const TShiftState shift : {TShiftState{}, TShiftState{ssCtrl}}) {
        SetLines({"one two three"});
        memo->SetSelectionEnds(4, 0, 7, 0);
        {
            TScriptedDrag drag(memo, In(13, 0), shift);
            DragSelectionOut(5);
            EXPECT_EQ(drag.Drags, 1);
            EXPECT_EQ(drag.Carried["text/plain"], "two");
        }
        EXPECT_EQ(Lines(), (std::vector<std::string>{"one two threetwo"}));
        EXPECT_EQ(memo->DropMarkCell().Y, -1);
    }
}

TEST_F(MemoDragDrop, UnterminatedDataIsReadToTheEndOfItsBlock)
{
    SetLines({"[]"});
    TVezMemoDropTarget target(*memo);
    TBlockData data({{CF_UNICODETEXT, "unterminated"}});
    const TPoint at = memo->ClientToScreen(In(1, 0));
    uint32_t effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    target.DragEnter(&data, 0, at, effect);
    EXPECT_EQ(effect, DROPEFFECT_MOVE);
    effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    target.Drop(&data, 0, at, effect);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"[unterminated]"}));
}

TEST_F(MemoDragDrop, DataWithoutAFormatEnumeratorIsRefusedQuietly)
{
    SetLines({"kept"});
    TVezMemoDropTarget target(*memo);
    TBlockData data({{CF_UNICODETEXT, std::string("text\0", 5)}}, false);
    const TPoint at = memo->ClientToScreen(In(0, 0));
    uint32_t effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    EXPECT_NO_THROW(target.DragEnter(&data, 0, at, effect));
    EXPECT_EQ(effect, DROPEFFECT_NONE);
    effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    EXPECT_NO_THROW(target.DragOver(0, at, effect));
    EXPECT_EQ(effect, DROPEFFECT_NONE);
    effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    EXPECT_NO_THROW(target.Drop(&data, 0, at, effect));
    EXPECT_EQ(effect, DROPEFFECT_NONE);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"kept"}));
}

TEST_F(MemoDragDrop, TheDropMarkIsPaintedWhileDataIsOverTheMemoAndGoneWhenItLeaves)
{
    SetLines({"alpha", "beta"});
    TVezMemoDropTarget target(*memo);
    TBlockData data({{CF_UNICODETEXT, std::string("x\0", 2)}});
    // Past the line's end, where the row shows only the background.
    const TPoint at = memo->ClientToScreen(In(8, 1));
    uint32_t effect = DROPEFFECT_MOVE;
    target.DragEnter(&data, 0, at, effect);
    effect = DROPEFFECT_MOVE;
    target.DragOver(0, at, effect);
    ASSERT_EQ(memo->DropMarkCell().X, 8);
    ASSERT_EQ(memo->DropMarkCell().Y, 1);
    const TRect cell = memo->CellRect(8, 1);
    const TRect mark = Rect(cell.Left, cell.Top, cell.Left + 2, cell.Bottom);
    std::unique_ptr<TBitmap> shown = Render(memo);
    SaveScreenshot(*shown, "memo_ole_drop_mark", 3);
    const int marked = CountPixels(*shown, mark, clBlack);
    EXPECT_GE(marked, cell.Height() / 2);
    // The rest of the row beside the mark keeps the background.
    EXPECT_EQ(CountPixels(*shown, Rect(mark.Right, cell.Top, mark.Right + 1, cell.Bottom), clBlack), 0);

    target.DragLeave();
    EXPECT_EQ(memo->DropMarkCell().Y, -1);
    EXPECT_EQ(CountPixels(*Render(memo), mark, clBlack), 0);
}
