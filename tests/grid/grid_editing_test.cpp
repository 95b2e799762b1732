#include "controls/grid/cell_edit.h"
#include "controls/grid/text_column.h"
#include "grid_fixture.h"

#include "platform/gui/windows/scroll_bars.h"

#include <functional>

using Log = std::vector<std::string>;

namespace {

// A text column whose cells keep Enter for themselves.
class TReturnsColumn : public TGxTextColumn
{
public:
    using TGxTextColumn::TGxTextColumn;
    TColumnStyle GetColumnStyle() const override { return TGxTextColumn::GetColumnStyle() + csWantReturns; }
};

// Two editable text columns (the program's grids have none: these paths are tested with them) in cell
// mode, and every editing event in a log.
class GridEditing : public GridFixture
{
protected:
    void SetUp() override
    {
        GridFixture::SetUp();
        grid->SetOptions({goHeader, goGrid});
        AddEditableColumn<TGxTextColumn>("Name");
        AddEditableColumn<TReturnsColumn>("Notes");
        for (int row = 0; row < 4; ++row) {
            grid->AddRow(1);
            grid->Cell(0, row)->SetAsString("name" + std::to_string(row));
            grid->Cell(1, row)->SetAsString("note" + std::to_string(row));
        }
        Pump();
        grid->SetFocus();
        LogEditing();
    }
    template <typename Column> void AddEditableColumn(const std::string& caption)
    {
        auto* column = new Column(form);
        column->Header()->SetCaption(caption);
        column->SetWidth(120);
        column->SetOptions(column->Options() + coEditing);
        grid->Columns()->AddColumn(column);
    }
    void LogEditing()
    {
        auto cell = [](int col, int row) { return " " + std::to_string(col) + "," + std::to_string(row); };
        grid->OnBeforeEdit = [=, this](TObject*, int col, int row, bool&) {
            log.push_back("before" + cell(col, row));
        };
        grid->OnApplyEditText = [=, this](TObject*, int col, int row, std::string&) {
            log.push_back("apply text" + cell(col, row));
        };
        grid->OnEditEnter = [this](TObject*) { log.push_back("enter"); };
        grid->OnEdit = [=, this](TObject*, int col, int row, const std::string& text) {
            log.push_back("edit" + cell(col, row) + " " + text);
        };
        grid->OnEditAccept = [=, this](TObject*, int col, int row, const std::string& value, bool&) {
            log.push_back("accept" + cell(col, row) + " " + value);
        };
        grid->OnAfterEdit = [=, this](TObject*, int col, int row, const std::string& value) {
            log.push_back("after" + cell(col, row) + " " + value);
        };
        grid->OnEndEditing = [=, this](TObject*, int col, int row, std::string&, bool&) {
            log.push_back("end" + cell(col, row));
        };
        grid->OnEditExit = [this](TObject*) { log.push_back("exit"); };
    }
    TGxCustomEdit* Editor() const { return grid->InplaceEdit(); }
    bool EditorShown() const { return Editor() && Editor()->Showing(); }
};

} // namespace

TEST_F(GridEditing, OpeningWritesBackAndClosesTheOpenEditorFirst)
{
    grid->EditCell(0, 1, "");
    EXPECT_EQ(log, (Log{"before 0,1", "apply text 0,1", "enter"})); // the cell's own text is no edit
    ASSERT_TRUE(EditorShown());
    EXPECT_EQ(Editor()->Text(), "name1");
    EXPECT_EQ(Editor()->SelStart(), 5);
    EXPECT_TRUE(Editor()->Focused());
    TRect cell = grid->GetCellRect(0, 1);
    grid->ExcludeGrid(cell);
    InflateRect(cell, -1, -1);
    EXPECT_EQ(Editor()->BoundsRect(), cell);

    // The picture of a cell being edited, its text selected.
    Press(Editor(), "x");
    Editor()->SelectAll();
    const auto picture = Render(grid);
    SaveScreenshot(*picture, "grid_cell_editing", 2);
    // The selected text is highlighted over its cell, and nowhere else.
    TRect editor = Editor()->BoundsRect();
    const TPoint offset = ClientOffset(*grid);
    OffsetRect(editor, offset.X, offset.Y);
    const int highlighted = CountPixels(*picture, editor, ColorToRGB(clHighlight));
    EXPECT_GT(highlighted, 0);
    EXPECT_EQ(CountPixels(*picture, {0, 0, picture->Width(), picture->Height()}, ColorToRGB(clHighlight)),
              highlighted);
    Editor()->SetSelStart(6);
    log.clear();
    grid->EditCell(0, 1, "");
    EXPECT_TRUE(log.empty()); // already the editing cell

    grid->EditCell(1, 2, "");
    EXPECT_EQ(log, (Log{"before 1,2", "accept 0,1 name1x", "after 0,1 name1x", "end 0,1", "exit",
                        "apply text 1,2", "enter"}));
    EXPECT_EQ(grid->GetCells(0, 1), "name1x");
    EXPECT_EQ(grid->EditingCell(), (TPoint{1, 2}));
}

// A click on a cell opens its editor; with goSecondClickEdit only a click on the cell already selected does.
TEST_F(GridEditing, AClickOpensTheEditorOrWithSecondClickEditOnlyOnTheSelectedCell)
{
    for (const bool secondClick : {false, true}) {
        SCOPED_TRACE(secondClick ? "goSecondClickEdit" : "without goSecondClickEdit");
        grid->SetOptions(secondClick ? TGridOptions{goHeader, goGrid, goSecondClickEdit}
                                     : TGridOptions{goHeader, goGrid});
        grid->SetSelectedColumn(0);
        grid->SetSelectedRow(0);
        const TRect cell = grid->GetCellRect(1, 2);
        const TPoint middle{(cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2};
        Click(grid, middle);
        EXPECT_EQ(grid->SelectedCell(), (TPoint{1, 2}));
        EXPECT_EQ(EditorShown(), !secondClick);
        grid->EndEditing();
        Click(grid, middle);
        EXPECT_TRUE(EditorShown());
        EXPECT_EQ(grid->EditingCell(), (TPoint{1, 2}));
        grid->EndEditing();
    }
}

// An editor whose row went up out of the view is hidden when it is placed again, never laid over another row.
TEST_F(GridEditing, AnEditorWhoseRowScrolledAboveTheBodyIsHidden)
{
    grid->AddRow(40);
    grid->EditCell(0, 1, "");
    ASSERT_TRUE(EditorShown());
    grid->VertScrollBar()->SetPosition(5);
    grid->SetHeaderSize(grid->HeaderSize() + 2);
    EXPECT_TRUE(grid->Editing());
    EXPECT_FALSE(Editor()->Visible());
    grid->VertScrollBar()->SetPosition(1); // back in view: placed over its cell again
    grid->SetHeaderSize(grid->HeaderSize() - 2);
    EXPECT_TRUE(EditorShown());
    TRect cell = grid->GetCellRect(0, 1);
    grid->ExcludeGrid(cell);
    InflateRect(cell, -1, -1);
    EXPECT_EQ(Editor()->BoundsRect(), cell);
}

TEST_F(GridEditing, ATypedCharacterStartsTheEditorWithIt)
{
    grid->SetSelectedColumn(1);
    grid->SetSelectedRow(3);
    Press(grid, "q");
    ASSERT_TRUE(EditorShown());
    EXPECT_EQ(Editor()->Text(), "q");
    EXPECT_EQ(log, (Log{"before 1,3", "edit 1,3 q", "enter"}));
    // Text given to start with is an edit; the grid's own is not.
    log.clear();
    grid->EndEditing();
    grid->EditCell(0, 0, "start");
    EXPECT_EQ(log, (Log{"end 1,3", "exit", "before 0,0", "apply text 0,0", "edit 0,0 start", "enter"}));
}

TEST_F(GridEditing, EnterAndEscapeInTheEditor)
{
    const struct
    {
        const char* what;
        TGridOptions extra;
        int col;
        std::string key;
        bool open;           // the editor is open afterwards
        std::string written; // the edited cell's text afterwards
        TPoint selected;
    } cases[] = {
        {"Enter writes and closes", {}, 0, "Enter", false, "name0z", {0, 0}},
        {"Enter stays in a column that wants it", {}, 1, "Enter", true, "note0", {1, 0}},
        {"Esc closes without writing", {}, 0, "Esc", false, "name0", {0, 0}},
        {"Esc empties the editor with goEscClearEdit", {goEscClearEdit}, 0, "Esc", true, "name0", {0, 0}},
    };
    for (const auto& c : cases) {
        grid->SetOptions(TGridOptions{goHeader, goGrid} + c.extra);
        grid->Cell(0, 0)->SetAsString("name0");
        grid->Cell(1, 0)->SetAsString("note0");
        grid->SetSelectedColumn(c.col);
        grid->SetSelectedRow(0);
        grid->EditCell(c.col, 0, "");
        Press(Editor(), "z");
        Press(Editor(), c.key);
        EXPECT_EQ(EditorShown(), c.open) << c.what;
        EXPECT_EQ(grid->GetCells(c.col, 0), c.written) << c.what;
        EXPECT_EQ(grid->SelectedCell(), c.selected) << c.what;
        if (c.open)
            EXPECT_TRUE(c.extra.Empty() || Editor()->Text().empty()) << c.what;
        else
            EXPECT_TRUE(grid->Focused() && !Editor()) << c.what;
        grid->EndEditing();
    }
}

TEST_F(GridEditing, TabWritesAndMovesOnWithWantTabs)
{
    grid->SetWantTabs(true);
    grid->SetSelectedRow(1);
    grid->EditCell(0, 1, "");
    Press(Editor(), "t");
    Press(Editor(), "Tab");
    EXPECT_EQ(grid->GetCells(0, 1), "name1t");
    EXPECT_EQ(grid->SelectedCell(), (TPoint{1, 1}));
    EXPECT_FALSE(grid->Editing());
}

// With goArrowKeyExitEditing an arrow key writes the value, closes the editor and moves the selection;
// without it the key stays in the editor.
TEST_F(GridEditing, ArrowKeysLeaveTheEditorOnlyWhenTheGridSaysSo)
{
    grid->SetSelectedRow(1);
    grid->EditCell(0, 1, "");
    Press(Editor(), "Down");
    EXPECT_TRUE(EditorShown());
    EXPECT_EQ(grid->SelectedRow(), 1);
    grid->SetOptions(grid->Options() + goArrowKeyExitEditing);
    Press(Editor(), "a");
    Press(Editor(), "Down");
    EXPECT_FALSE(grid->Editing());
    EXPECT_EQ(grid->GetCells(0, 1), "name1a");
    EXPECT_EQ(grid->SelectedRow(), 2);
}

TEST_F(GridEditing, ARefusedEndKeepsTheEditorOpen)
{
    bool allow = false;
    grid->OnEndEditing = [&](TObject*, int, int, std::string& value, bool& accept) {
        value += "!";
        accept = allow;
    };
    grid->EditCell(0, 2, "");
    grid->EndEditing();
    EXPECT_TRUE(grid->Editing());
    EXPECT_TRUE(EditorShown());
    EXPECT_EQ(Editor()->Text(), "name2!");
    allow = true;
    grid->EndEditing();
    EXPECT_FALSE(grid->Editing());
}

// A size or scroll message closes an open editor after writing its value, as leaving the grid does.
TEST_F(GridEditing, SizeAndScrollMessagesWriteTheValueBeforeClosing)
{
    auto* other = new TDataGrid(form);
    other->SetParent(form);
    other->SetBounds(10, 292, 100, 6);
    const struct
    {
        const char* what;
        std::function<void()> message;
    } cases[] = {
        {"focus leaving", [&] { other->SetFocus(); }},
        {"size", [&] { grid->SetBounds(10, 10, 380, 260); }},
        {"vertical scroll", [&] { grid->Perform(WM_VSCROLL, SB_LINEDOWN, 0); }},
        {"horizontal scroll", [&] { grid->Perform(WM_HSCROLL, SB_LINEDOWN, 0); }},
    };
    int row = 0;
    for (const auto& c : cases) {
        grid->EditCell(0, row, "");
        Press(Editor(), "s");
        c.message();
        EXPECT_FALSE(grid->Editing()) << c.what;
        EXPECT_EQ(grid->GetCells(0, row), "name" + std::to_string(row) + "s") << c.what;
        ++row;
    }
}

TEST_F(GridEditing, TheInputRowAddsTypedRowsWithTheColumnsDefaults)
{
    grid->SetOptions(grid->Options() + goInput);
    grid->Columns()->GetItem(0)->SetOptions(grid->Columns()->GetItem(0)->Options() + coCanInput);
    grid->Columns()->GetItem(1)->SetDefaultValue("none");
    int added = 0;
    grid->OnInputAdded = [&](TObject*) { ++added; };
    const TRect input = grid->GetInputCellRect(0);
    Click(grid, {input.Left + 10, input.Top + 5});
    ASSERT_TRUE(EditorShown());
    EXPECT_TRUE(grid->InputSelected());
    EXPECT_EQ(grid->InputingColumn(), 0);
    PressAll(Editor(), {"n", "e", "w"});
    Press(Editor(), "Enter");
    ASSERT_EQ(grid->RowCount(), 5);
    EXPECT_EQ(grid->GetCells(0, 4), "new");
    EXPECT_EQ(grid->GetCells(1, 4), "none");
    EXPECT_TRUE(Editor() && Editor()->Text().empty()); // the input cell starts over
    grid->EndEditing();
    grid->AddRowFromInput();
    EXPECT_EQ(grid->RowCount(), 6);
    EXPECT_EQ(grid->GetCells(0, 5), "");
    EXPECT_EQ(grid->GetCells(1, 5), "none");
    EXPECT_EQ(added, 2);
}
