#include "grid_fixture.h"

#include <functional>

namespace {

using Log = std::vector<std::string>;
using Rows = std::vector<int>;

class GridSelection : public GridFixture
{
protected:
    void SetUp() override
    {
        GridFixture::SetUp();
        AddColumn("A");
        AddColumn("B");
        AddColumn("C");
        grid->SetOptions({goHeader, goSelectFullRow, goMultiSelect});
        AddRows(30);
        Pump();
        LogEvents();
    }
    void Click(int row, TShiftState shift = {}) { grid->SelectCell(0, row, shift, true, false); }
};

} // namespace

TEST_F(GridSelection, EventsComeInOrderAndAPlainSelectionAfterAMarkedOneStartsOver)
{
    Click(2);
    EXPECT_EQ(log, (Log{"before 0,2", "select 0,2"}));
    EXPECT_EQ(SelectedRows(), Rows{2});
    log.clear();
    // Marking row 2 selected put the grid in its multi-selection state: the next plain selection first
    // resets everything, so the earlier cell is not reported as deselected.
    Click(5);
    EXPECT_EQ(log, (Log{"before 0,5", "select 0,5"}));
    EXPECT_EQ(SelectedRows(), Rows{5});
    log.clear();
    grid->SelectCell(0, 6, {}, false, false); // without Deselect the old row is reported and kept
    EXPECT_EQ(log, (Log{"before 0,6", "deselect 0,5", "select 0,6"}));
    EXPECT_EQ(SelectedRows(), (Rows{5, 6}));
    log.clear();
    grid->OnBeforeSelect = [](TObject*, int, int, bool& accept) { accept = false; };
    Click(9);
    EXPECT_EQ(grid->SelectedRow(), 6);
    EXPECT_EQ(SelectedRows(), (Rows{5, 6}));
}

TEST_F(GridSelection, CtrlTogglesAndShiftExtendsFromTheAnchor)
{
    const struct
    {
        const char* what;
        std::function<void()> steps;
        Rows selected;
        int selectedRow;
    } cases[] = {
        {"Ctrl adds", [&] { Click(1), Click(4, {ssCtrl}); }, {1, 4}, 4},
        {"Ctrl on a selected row deselects it",
         [&] { Click(1), Click(4, {ssCtrl}), Click(1, {ssCtrl}); },
         {4},
         1},
        {"Shift below the anchor", [&] { Click(3), Click(6, {ssShift}); }, {3, 4, 5, 6}, 6},
        {"Shift above the anchor", [&] { Click(6), Click(3, {ssShift}); }, {3, 4, 5, 6}, 3},
        {"Shift again from the same anchor",
         [&] { Click(3), Click(6, {ssShift}), Click(4, {ssShift}); },
         {3, 4},
         4},
        {"Ctrl+Shift adds the range",
         [&] {
             Click(1), Click(5, {ssCtrl}), Click(7, {ssCtrl, ssShift});
         },
         {1, 5, 6, 7},
         7},
        {"plain selection clears the rest", [&] { Click(1), Click(5, {ssCtrl}), Click(9); }, {9}, 9},
    };
    for (const auto& c : cases) {
        grid->NoSelection();
        c.steps();
        EXPECT_EQ(SelectedRows(), c.selected) << c.what;
        EXPECT_EQ(grid->SelectedRow(), c.selectedRow) << c.what;
    }
}

// A Shift selection whose anchor names no row (rows were cleared or deleted under it) takes the row it
// selects as the anchor and selects it alone.
TEST_F(GridSelection, ShiftWithAnAnchorOutsideTheRowsSelectsTheRowAlone)
{
    Click(25);
    grid->BeginUpdate();
    for (int i = 0; i < 10; ++i)
        grid->DeleteRow(grid->RowCount() - 1);
    grid->EndUpdate(true);
    Click(15, {ssShift}); // the anchor went down with the rows
    EXPECT_EQ(SelectedRows(), (Rows{15, 16, 17, 18, 19}));
    grid->ClearRows();
    AddRows(10);
    grid->SelectCell(0, 4, {ssShift}, true, false);
    EXPECT_EQ(SelectedRows(), Rows{4});
    Click(7, {ssShift});
    EXPECT_EQ(SelectedRows(), (Rows{4, 5, 6, 7})); // the row became the anchor
}

TEST_F(GridSelection, SelectedRowSetterAndSelectAll)
{
    grid->SetSelectedRow(3);
    EXPECT_EQ(grid->SelectedRow(), 3);
    grid->SetSelectedRow(30); // at the row count: ignored
    grid->SetSelectedRow(-2);
    EXPECT_EQ(grid->SelectedRow(), 3);
    grid->SetSelectedColumn(2);
    grid->SetSelectedRow(-1); // no row, the column stays
    EXPECT_EQ(grid->SelectedCell(), (TPoint{2, -1}));
    grid->SelectAll();
    EXPECT_EQ(grid->SelectedCount(), 30);
    grid->NoSelection();
    grid->SetOptions({goHeader, goSelectFullRow});
    grid->SelectAll();
    EXPECT_EQ(grid->SelectedCount(), 0);
}

TEST_F(GridSelection, CellModeRefreshesTheTwoCellsAndCanStartEditing)
{
    grid->SetOptions({goHeader, goGrid});
    Pump();
    grid->SelectCell(1, 2, {}, true, false);
    Pump();
    log.clear();
    grid->SelectCell(2, 2, {}, true, false);
    EXPECT_EQ(log, (Log{"before 2,2", "deselect 1,2", "select 2,2"}));
    const TRect oldCell = grid->GetCellRect(1, 2);
    const TRect newCell = grid->GetCellRect(2, 2);
    EXPECT_EQ(NextPaint(), (TRect{oldCell.Left, oldCell.Top, newCell.Right + 1, newCell.Bottom + 1}));
    EXPECT_TRUE(SelectedRows().empty()); // cell mode keeps no row flags
}

TEST_F(GridSelection, MovingAndScrollingIntoView)
{
    const int lastFull = grid->LastRowInView();
    grid->SetSelectedRow(lastFull);
    grid->MoveSelectionDown({}, false, false);
    EXPECT_EQ(grid->SelectedRow(), lastFull + 1);
    EXPECT_EQ(grid->LastRowInView(), lastFull + 1); // scrolled one row so that it is the last one shown
    EXPECT_EQ(grid->FirstRow(), 1);
    grid->ScrollToRow(lastFull); // already shown: the view stays
    EXPECT_EQ(grid->FirstRow(), 1);
    grid->ScrollToRow(0);
    EXPECT_EQ(grid->FirstRow(), 0);
    grid->ScrollToRow(29);
    EXPECT_EQ(grid->LastRowInView(), 29);
    grid->SelectFirstRow({});
    EXPECT_EQ(grid->SelectedRow(), 0);
    EXPECT_EQ(grid->FirstRow(), 0);
    grid->MoveSelectionBy(5);
    EXPECT_EQ(grid->SelectedRow(), 5);
    grid->MoveSelectionUp({});
    EXPECT_EQ(grid->SelectedRow(), 4);
    grid->SetSelectedColumn(0);
    grid->MoveToNextCell(false);
    EXPECT_EQ(grid->SelectedColumn(), 1);
    grid->SelectLastColumn();
    grid->MoveToNextCell(false); // the last column wraps to the first column of the next row
    EXPECT_EQ(grid->SelectedCell(), (TPoint{0, 5}));
}
