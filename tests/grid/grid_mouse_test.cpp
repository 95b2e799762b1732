#include "controls/grid/check_box_column.h"
#include "controls/grid/grid_cursors.h"
#include "input_grid.h"
#include "theme_switch.h"

#include "platform/gui/forms/screen.h"
#include "platform/gui/windows/window_functions.h"

using Log = std::vector<std::string>;
using Rows = std::vector<int>;

namespace {

class FileListMouse : public FileListInput
{
protected:
    void LogClicks()
    {
        grid->OnHeaderClick = [this](TObject*, int col) { log.push_back("header " + std::to_string(col)); };
        grid->OnCellClick = [this](TObject*, int col, int row) {
            log.push_back("click " + std::to_string(col) + "," + std::to_string(row));
        };
        grid->OnCellDblClick = [this](TObject*, int col, int row) {
            log.push_back("double " + std::to_string(col) + "," + std::to_string(row));
        };
        grid->OnSelectCell = [this](TObject*, int col, int row) {
            log.push_back("select " + std::to_string(col) + "," + std::to_string(row));
        };
    }
};

} // namespace

TEST_F(FileListMouse, HeaderClicksSortAscendingThenDescendingThenAscending)
{
    LogClicks();
    const TPoint header = HeaderPoint(kNameColumn);
    std::vector<std::string> orders;
    for (int i = 0; i < 3; ++i) {
        Click(grid, header);
        orders.push_back(Names());
    }
    EXPECT_EQ(orders,
              (std::vector<std::string>{"a.avi b.avi c.avi d.avi e.avi", "e.avi d.avi c.avi b.avi a.avi",
                                        "a.avi b.avi c.avi d.avi e.avi"}));
    EXPECT_EQ(log, (Log{"header 2", "header 2", "header 2"}));
    EXPECT_TRUE(Column(kNameColumn)->Sorted());
}

// The media list cannot move its columns: a press on one header released over the other is a click of the
// pressed header and no sort.
TEST(MediaListMouse, AHeaderReleasedOverAnotherColumnIsReportedButDoesNotSort)
{
    TForm* form = ShowTestForm(340, 200);
    TRecordingGrid* grid = ShowMediaList(form, {10, 10, 330, 190}, {{"Width", "640"}, {"Codec", "AVC"}});
    std::vector<int> clicked;
    grid->OnHeaderClick = [&](TObject*, int col) { clicked.push_back(col); };
    const TPoint first{40, 10};
    const TPoint second{grid->Columns()->GetItem(1)->AbsoluteLeft() + 40, 10};
    MouseDown(grid, first);
    MouseMove(grid, second, {ssLeft});
    MouseUp(grid, second);
    EXPECT_EQ(clicked, std::vector<int>{0});
    EXPECT_FALSE(grid->Columns()->GetItem(0)->Sorted());
    EXPECT_FALSE(grid->Columns()->GetItem(1)->Sorted());
    EXPECT_EQ(grid->GetCells(0, 0), "Width");
    form->Free();
}

TEST_F(FileListMouse, AHeaderDraggedThreePixelsStaysAClickFourStartAColumnMove)
{
    const TPoint header = HeaderPoint(kNameColumn);
    MouseDown(grid, header);
    MouseMove(grid, {header.X + 3, header.Y}, {ssLeft});
    MouseMove(grid, {header.X, header.Y + 3}, {ssLeft});
    EXPECT_FALSE(grid->GridState().Contains(gtColumnMoving));
    MouseMove(grid, {header.X + 4, header.Y}, {ssLeft});
    EXPECT_TRUE(grid->GridState().Contains(gtColumnMoving));
    EXPECT_NE(GetCapture(), grid->Handle()); // the drag box holds the mouse now
    MouseUp(grid, {header.X + 4, header.Y});
    EXPECT_FALSE(grid->GridState().Contains(gtColumnMoving));
    EXPECT_EQ(Column(kNameColumn)->Position(), kNameColumn); // dropped where it was
    EXPECT_FALSE(Column(kNameColumn)->Sorted());
}

TEST_F(FileListMouse, AColumnIsResizedByItsGripButNeverBelowItsMinWidth)
{
    TGxCustomColumn* column = Column(kNameColumn);
    column->SetMinWidth(40);
    const int edge = RightEdge(kNameColumn);
    std::vector<int> resized;
    grid->OnColumnResize = [&](TObject*, int col) { resized.push_back(col); };
    MouseDown(grid, {edge - 3, 8});
    MouseMove(grid, {edge + 30, 8}, {ssLeft});
    // The picture of the two guide lines at the column's left edge and at the pointer.
    const auto picture = Render(grid);
    SaveScreenshot(*picture, "grid_column_resize_guides", 2);
    const TPoint origin = ClientOffset(*grid);
    EXPECT_NE(picture->Canvas()->Pixels(origin.X + edge + 29, origin.Y + 100), clWhite);
    EXPECT_EQ(picture->Canvas()->Pixels(origin.X + edge + 28, origin.Y + 100), clWhite);
    MouseUp(grid, {edge + 30, 8});
    EXPECT_EQ(column->Width(), 210);
    Drag({RightEdge(kNameColumn) + 2, 8}, {{0, 8}});
    EXPECT_EQ(column->Width(), 40);
    EXPECT_EQ(resized, (std::vector<int>{kNameColumn, kNameColumn}));
    // A press 4 pixels left of the edge is no grip: it presses the header instead.
    MouseDown(grid, {RightEdge(kNameColumn) - 4, 8});
    EXPECT_FALSE(grid->GridState().Contains(gtColumnResizing));
    EXPECT_TRUE(grid->GridState().Contains(gtColumnHeaderDown));
    MouseUp(grid, {RightEdge(kNameColumn) - 4, 8});
}

TEST_F(FileListMouse, ARowDroppedInTheLowerHalfOfAnotherGoesAfterIt)
{
    std::vector<std::string> moves;
    grid->OnRowMove = [&](TObject*, int from, int to, bool&) {
        moves.push_back("move " + std::to_string(from) + ">" + std::to_string(to));
    };
    grid->OnAfterRowMove = [&](TObject*, int from, int to) {
        moves.push_back("after " + std::to_string(from) + ">" + std::to_string(to));
    };
    const TRect target = grid->GetCellRect(kNameColumn, 3);
    Drag(CellPoint(kNameColumn, 0), {{60, target.Top + 2}, {60, target.Bottom - 2}});
    EXPECT_EQ(Names(), "a.avi e.avi b.avi c.avi d.avi");
    EXPECT_EQ(moves, (std::vector<std::string>{"move 0>3", "after 0>3"}));
    EXPECT_EQ(grid->SelectedRow(), 3);
    EXPECT_EQ(SelectedRows(), Rows{3});
    EXPECT_FALSE(grid->GridState().Contains(gtRowMoving));
}

TEST_F(FileListMouse, ARefusedRowDropChangesNothing)
{
    int after = 0;
    grid->OnRowMove = [](TObject*, int, int, bool& accept) { accept = false; };
    grid->OnAfterRowMove = [&](TObject*, int, int) { ++after; };
    Drag(CellPoint(kNameColumn, 4), {{60, grid->GetCellRect(0, 1).Top + 3}});
    EXPECT_EQ(Names(), "c.avi a.avi e.avi b.avi d.avi");
    EXPECT_EQ(after, 0);
    EXPECT_EQ(grid->SelectedRow(), 4);
}

// The selection stays while a selected row of it is dragged; only that row moves, and it alone is selected
// afterwards.
TEST_F(FileListMouse, DraggingARowOfAMultiSelectionMovesOnlyThatRow)
{
    Click(grid, CellPoint(kNameColumn, 1));
    Click(grid, CellPoint(kNameColumn, 3), mbLeft, {ssCtrl});
    const TPoint top{60, grid->GetCellRect(0, 0).Top + 3};
    MouseDown(grid, CellPoint(kNameColumn, 3));
    MouseMove(grid, top, {ssLeft});
    EXPECT_TRUE(grid->GridState().Contains(gtRowMoving));
    EXPECT_EQ(SelectedRows(), (Rows{1, 3}));
    MouseUp(grid, top);
    EXPECT_EQ(Names(), "b.avi c.avi a.avi e.avi d.avi");
    EXPECT_EQ(SelectedRows(), Rows{0});
}

// A short drag is a click; without goRowMoving a long one only selects.
TEST_F(FileListMouse, RowsMoveOnlyFarEnoughAndWithRowMoving)
{
    const TPoint start = CellPoint(kNameColumn, 1);
    Drag(start, {{start.X + 5, start.Y + 5}});
    EXPECT_EQ(Names(), "c.avi a.avi e.avi b.avi d.avi");
    grid->SetOptions(grid->Options() - goRowMoving);
    Drag(start, {CellPoint(kNameColumn, 4)});
    EXPECT_EQ(Names(), "c.avi a.avi e.avi b.avi d.avi");
}

TEST_F(FileListMouse, RightClickSelectsAnUnselectedRowAloneAndKeepsASelectedOnesSelection)
{
    Click(grid, CellPoint(kNameColumn, 1));
    Click(grid, CellPoint(kNameColumn, 3), mbLeft, {ssCtrl});
    EXPECT_EQ(SelectedRows(), (Rows{1, 3}));
    Click(grid, CellPoint(kNameColumn, 1), mbRight);
    EXPECT_EQ(SelectedRows(), (Rows{1, 3}));
    Click(grid, CellPoint(kNameColumn, 4), mbRight);
    EXPECT_EQ(SelectedRows(), Rows{4});
    EXPECT_EQ(grid->SelectedRow(), 4);
}

// Shift extends from the anchor, Ctrl toggles; a plain click on a row of the selection keeps it for a row
// move until the release, which leaves that row alone.
TEST_F(FileListMouse, ShiftAndCtrlClicksAndAPlainClickInsideTheSelection)
{
    Click(grid, CellPoint(kNameColumn, 1));
    Click(grid, CellPoint(kNameColumn, 3), mbLeft, {ssShift});
    EXPECT_EQ(SelectedRows(), (Rows{1, 2, 3}));
    Click(grid, CellPoint(kNameColumn, 2), mbLeft, {ssCtrl});
    EXPECT_EQ(SelectedRows(), (Rows{1, 3}));
    MouseDown(grid, CellPoint(kNameColumn, 3));
    EXPECT_EQ(SelectedRows(), (Rows{1, 3}));
    MouseUp(grid, CellPoint(kNameColumn, 3));
    EXPECT_EQ(SelectedRows(), Rows{3});
    // Ctrl on a click below the rows clears the selection.
    Click(grid, {100, grid->GetCellRect(0, 4).Bottom + 20}, mbLeft, {ssCtrl});
    EXPECT_TRUE(SelectedRows().empty());
}

TEST_F(FileListMouse, ADoubleClickIsReportedOnceAndKeepsTheSelection)
{
    Click(grid, CellPoint(kNameColumn, 1));
    Click(grid, CellPoint(kNameColumn, 3), mbLeft, {ssCtrl});
    LogClicks();
    DoubleClick(grid, CellPoint(kNameColumn, 3));
    EXPECT_EQ(std::count(log.begin(), log.end(), "double 2,3"), 1);
    EXPECT_EQ(SelectedRows(), Rows{3}); // the first click of the two selected the row alone
    log.clear();
    DoubleClick(grid, CellPoint(kNameColumn, 3));
    EXPECT_EQ(log, (Log{"select 2,3", "click 2,3", "double 2,3", "click 2,3"}));
    EXPECT_EQ(SelectedRows(), Rows{3});
}

TEST_F(FileListMouse, ADoubleClickOnASizeGripFitsTheColumnToItsCells)
{
    Fill({"a", "a much longer file name.avi", "b"});
    TGxCustomColumn* column = Column(kNameColumn);
    const int edge = RightEdge(kNameColumn);
    DoubleClick(grid, {edge - 1, 8});
    TBitmap measure(1, 1);
    measure.Canvas()->SetFont(column->Font());
    EXPECT_EQ(column->Width(), measure.Canvas()->TextWidth("a much longer file name.avi") + 5);
}

TEST_F(FileListMouse, CheckMarksToggleByAClickInTheBoxAndBySpace)
{
    TThemeSwitch themes(false);
    std::vector<std::string> edits;
    grid->OnAfterEdit = [&](TObject*, int col, int row, const std::string& value) {
        edits.push_back(std::to_string(col) + "," + std::to_string(row) + " " + value);
    };
    Click(grid, CellPoint(kCheckColumn, 2));
    EXPECT_FALSE(grid->Cell(kCheckColumn, 2)->AsBoolean());
    Click(grid, CellPoint(kCheckColumn, 2));
    EXPECT_TRUE(grid->Cell(kCheckColumn, 2)->AsBoolean());
    // A click beside the box selects the row and leaves the mark.
    Click(grid, {grid->GetCellRect(kCheckColumn, 4).Right - 2, CellPoint(kCheckColumn, 4).Y});
    EXPECT_TRUE(grid->Cell(kCheckColumn, 4)->AsBoolean());
    EXPECT_EQ(grid->SelectedRow(), 4);
    Press(grid, "Space");
    EXPECT_FALSE(grid->Cell(kCheckColumn, 4)->AsBoolean());
    EXPECT_EQ(edits, (std::vector<std::string>{"0,2 False", "0,2 True", "0,4 False"}));
}

// A click on the indicator column selects the row, and the release there keeps it; a release on no part of
// the grid clears the selection.
TEST_F(FileListMouse, TheIndicatorSelectsRowsAndEmptySpaceClearsThem)
{
    Click(grid, {5, CellPoint(kNameColumn, 2).Y});
    EXPECT_EQ(grid->SelectedRow(), 2);
    EXPECT_EQ(SelectedRows(), Rows{2});
    for (int col = kNameColumn + 1; col < program_grids::kColumnCount; ++col)
        Column(col)->SetVisible(false); // room right of the columns
    Click(grid, {grid->ClientWidth() - 5, CellPoint(kNameColumn, 2).Y});
    EXPECT_TRUE(SelectedRows().empty());
}

// The drop indicator is drawn by the paint: moving it invalidates the arrow heads and the line at the old
// and the new row, and nothing between them.
TEST_F(FileListMouse, TheDropIndicatorRepaintsOnlyItsRectangles)
{
    const TPoint start = CellPoint(kNameColumn, 0);
    MouseDown(grid, start);
    MouseMove(grid, {start.X, start.Y + 8}, {ssLeft});
    MouseMove(grid, {start.X, grid->GetCellRect(0, 1).Top + 3}, {ssLeft});
    Pump();
    const int right = grid->GetRowRect(1).Right;
    const int oldY = grid->GetRowRect(1).Top - 1;
    const int newY = grid->GetRowRect(3).Top - 1;
    std::vector<TRect> covered;
    grid->Probe = [&](TCanvas& canvas) {
        const TRect probes[] = {
            {0, oldY - 5, 7, oldY + 6},
            {right - 7, oldY - 5, right + 1, oldY + 6},
            {7, oldY, right, oldY + 1},
            {0, newY - 5, 7, newY + 6},
            {right - 7, newY - 5, right + 1, newY + 6},
            {7, newY, right, newY + 1},
            {20, oldY + 8, 40, oldY + 12}, // inside a row between them
        };
        for (const TRect& r : probes)
            if (RectVisible(canvas, r))
                covered.push_back(r);
    };
    MouseMove(grid, {start.X, grid->GetCellRect(0, 3).Top + 3}, {ssLeft});
    grid->Update();
    EXPECT_EQ(covered.size(), 6u);
    const auto picture = Render(grid);
    const TPoint origin = ClientOffset(*grid);
    EXPECT_EQ(picture->Canvas()->Pixels(origin.X + 100, origin.Y + newY), clRed);
    EXPECT_NE(picture->Canvas()->Pixels(origin.X + 100, origin.Y + oldY), clRed);
    MouseUp(grid, {start.X, grid->GetCellRect(0, 3).Top + 3});
}

TEST_F(FileListMouse, TheWheelScrollsTheGridUnderThePointerALineOrWithCtrlAPage)
{
    Fill(std::vector<std::string>(40, "x.avi"));
    auto* other = new TDataGrid(form);
    other->SetParent(form);
    other->SetBounds(10, 312, 100, 16);
    other->SetFocus();
    const TPoint over = CellPoint(kNameColumn, 1);
    Wheel(grid, over, -120);
    EXPECT_EQ(grid->FirstRow(), 1);
    Wheel(grid, over, -120, {ssCtrl});
    EXPECT_EQ(grid->FirstRow(), 1 + grid->VertScrollBar()->PageSize());
    Wheel(grid, over, 120);
    EXPECT_EQ(grid->FirstRow(), grid->VertScrollBar()->PageSize());
    EXPECT_TRUE(other->Focused());
}

// A row's lower edge in the indicator column resizes it, never lower than 8 pixels; a double click there
// fits it to its cells.
TEST_F(FileListMouse, RowsAreResizedInTheIndicatorColumn)
{
    grid->SetOptions(grid->Options() + goRowResizing);
    const TRect row = grid->GetRowRect(1);
    const int bottom = row.Top + grid->GetRowHeight(1);
    Drag({5, bottom - 1}, {{5, bottom + 10}});
    EXPECT_EQ(grid->GetRowHeight(1), 30);
    Drag({5, row.Top + 30}, {{5, row.Top + 3}, {5, 0}});
    EXPECT_EQ(grid->GetRowHeight(1), 8);
    DoubleClick(grid, {5, row.Top + 7});
    EXPECT_EQ(grid->GetRowHeight(1), grid->RowSize());
}

// The pointer tells what a press would do: a size grip in the header, a row's grip or its selection in the
// indicator column, the column's own cursor over its cells.
TEST_F(FileListMouse, ThePointersShapeFollowsWhatAPressWouldDo)
{
    grid->SetOptions(grid->Options() + goRowResizing);
    Column(kNameColumn)->SetCursor(crHandPoint);
    const TRect row = grid->GetRowRect(1);
    const struct
    {
        TPoint at;
        TCursor cursor;
    } cases[] = {
        {{RightEdge(kNameColumn) - 1, 8}, crHorzSplit},
        {HeaderPoint(kNameColumn), crDefault},
        {{5, row.Top + grid->GetRowHeight(1) - 1}, crVertSplit},
        {{5, row.Top + 5}, crIndicatorSelect},
        {{5, grid->GetRowRect(4).Bottom + 30}, crDefault}, // below the last row
        {CellPoint(kNameColumn, 2), crHandPoint},
    };
    for (const auto& c : cases) {
        MouseMove(grid, c.at);
        EXPECT_EQ(grid->Cursor(), c.cursor) << c.at.X << "," << c.at.Y;
    }
    for (const TCursor own : {crHorzSplit, crColumnNoDrag, crVertSplit, crIndicatorSelect})
        EXPECT_NE(Screen->Cursors(own), Screen->Cursors(crDefault)) << own;
}

// Dragging a row onto the lower half of the last row in view scrolls the view down a row.
TEST_F(FileListMouse, ARowDraggedToTheEdgeOfTheViewScrollsIt)
{
    Fill(std::vector<std::string>(40, "x.avi"));
    const int last = grid->LastRowInView();
    const TRect lastRect = grid->GetCellRect(0, last);
    MouseDown(grid, CellPoint(kNameColumn, 0));
    MouseMove(grid, {60, lastRect.Bottom - 3}, {ssLeft});
    EXPECT_EQ(grid->FirstRow(), 1);
    MouseUp(grid, {60, lastRect.Bottom - 3});
}
