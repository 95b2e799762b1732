#include "controls/grid/check_box_column.h"
#include "controls/grid/check_box_play.h"
#include "grid_fixture.h"

#include <stdexcept>

namespace {

using Rows = std::vector<int>;

class DataGrid : public GridFixture
{
protected:
    void SetUp() override
    {
        GridFixture::SetUp();
        AddColumn("Name");
        AddColumn("Size", 60, ctInteger);
        grid->OnDataChange = [this](TObject*, TDataChange change, int index) {
            changes.push_back({change, index});
        };
    }
    // Rows holding the numbers in the Size column.
    void FillNumbers(const std::vector<int>& numbers)
    {
        for (int number : numbers) {
            const int row = grid->AddRow(1);
            grid->Cell(1, row)->SetAsInteger(number);
            grid->Cell(0, row)->SetAsString("n" + std::to_string(number));
        }
        changes.clear();
    }
    std::vector<std::string> Names()
    {
        std::vector<std::string> names;
        for (int row = 0; row < grid->RowCount(); ++row)
            names.push_back(grid->GetCells(0, row));
        return names;
    }

    std::vector<std::pair<TDataChange, int>> changes;
};

} // namespace

TEST_F(DataGrid, AddingRowsAndTheirDefaultValues)
{
    EXPECT_EQ(grid->AddRow(0), 0);
    EXPECT_EQ(grid->AddRow(-1), 0);
    EXPECT_TRUE(changes.empty());
    EXPECT_EQ(grid->AddRow(3), 2);
    EXPECT_EQ(changes, (std::vector<std::pair<TDataChange, int>>{{dcAddRow, 2}}));
    EXPECT_EQ(grid->LastVisibleRow(), 2);
    grid->Columns()->GetItem(0)->SetDefaultValue("new");
    grid->SetOptions(grid->Options() + TGridOptions{goUseDefaultValues});
    grid->AddRow(1);
    grid->InsertRow(0, 1);
    grid->ReserveRows(1);
    EXPECT_EQ(Names(), (std::vector<std::string>{"", "", "", "", "new", ""}));
}

TEST_F(DataGrid, CellsOutsideTheGridRaiseAndChangeNothing)
{
    grid->AddRow(2);
    const struct
    {
        int col, row;
        const char* message;
    } cases[] = {{2, 0, "Cell out of bounds (2, 0)"},
                 {0, 2, "Cell out of bounds (0, 2)"},
                 {-1, 0, "Cell out of bounds (-1, 0)"},
                 {0, -1, "Cell out of bounds (0, -1)"}};
    for (const auto& c : cases) {
        try {
            grid->SetCells(c.col, c.row, "x");
            ADD_FAILURE() << c.message;
        } catch (const std::runtime_error& error) {
            EXPECT_STREQ(error.what(), c.message);
        }
        EXPECT_THROW(grid->GetCells(c.col, c.row), std::runtime_error);
    }
    EXPECT_EQ(Names(), (std::vector<std::string>{"", ""}));
}

TEST_F(DataGrid, ClearingAndDeletingKeepTheSelectionOnRows)
{
    FillNumbers({1, 2, 3, 4});
    grid->SetSelectedRow(3);
    LogEvents();
    grid->DeleteRow(3);
    EXPECT_EQ(log, (std::vector<std::string>{"deselect 0,3"}));
    EXPECT_EQ(grid->SelectedRow(), 2); // the new last visible row, without further events
    grid->SetSelectedRow(0);
    grid->DeleteRow(2);
    EXPECT_EQ(grid->SelectedRow(), 0);
    EXPECT_EQ(changes.back(), (std::pair<TDataChange, int>{dcDeleteRow, 2}));
    grid->ClearRows();
    EXPECT_EQ(grid->RowCount(), 0);
    EXPECT_EQ(grid->SelectedRow(), -1);
    EXPECT_EQ(changes.back(), (std::pair<TDataChange, int>{dcClearRows, -1}));
}

// The selected row moves with an insertion only when it lies at or below the place of the insertion.
TEST_F(DataGrid, InsertingRowsMovesTheSelectionOnlyFromThePlaceOn)
{
    FillNumbers({1, 2, 3, 4, 5});
    const struct
    {
        int selected, pos, count, expected;
    } cases[] = {{1, 3, 2, 1}, {3, 3, 2, 5}, {4, 0, 1, 5}, {0, 5, 1, 0}};
    for (const auto& c : cases) {
        grid->SetSelectedRow(c.selected);
        grid->InsertRow(c.pos, c.count);
        EXPECT_EQ(grid->SelectedRow(), c.expected) << c.selected << " insert at " << c.pos;
        EXPECT_EQ(grid->LastAddedRow(), c.pos);
        EXPECT_EQ(grid->LastVisibleRow(), grid->RowCount() - 1);
        for (int i = 0; i < c.count; ++i)
            grid->DeleteRow(c.pos);
    }
    EXPECT_EQ(changes.front(), (std::pair<TDataChange, int>{dcInsertRow, 3}));
}

// Every formula walks the rows that take part in the same way; the average divides by their number.
TEST_F(DataGrid, FooterFormulasOverTheRowsThatTakePart)
{
    TColumnFooter& footer = *grid->Columns()->GetItem(1)->Footer();
    auto calculate = [&](TFormulaKind kind) {
        footer.SetFormulaKind(kind);
        grid->CalculateFooter(false);
        return footer.Caption();
    };
    footer.SetFormulaKind(fkSum);
    grid->CalculateFooter(false);
    EXPECT_EQ(footer.Caption(), "0");
    // The first row holds the largest number, so a maximum that started from it unasked would show.
    FillNumbers({5, 1, 3});
    const struct
    {
        TFormulaKind kind;
        const char* all;
        const char* withoutFirst;
    } cases[] = {{fkSum, "9", "4"},     {fkAverage, "3", "2"}, {fkMaximum, "5", "3"},
                 {fkMinimum, "1", "1"}, {fkCount, "3", "2"},   {fkDistinct, "3", "2"}};
    for (const auto& c : cases) {
        grid->OnCalculateRow = nullptr;
        EXPECT_EQ(calculate(c.kind), c.all) << c.kind;
        grid->OnCalculateRow = [](TObject*, int index, bool& accept) { accept = index != 0; };
        EXPECT_EQ(calculate(c.kind), c.withoutFirst) << c.kind;
    }
    grid->Cell(1, 0)->SetAsInteger(0); // now the smallest, and still left out
    EXPECT_EQ(calculate(fkMinimum), "1");
    grid->Cell(1, 0)->SetAsInteger(2);
    grid->OnCalculateRow = nullptr;
    grid->SetRowVisible(2, false); // only visible rows: 2 and 1
    footer.SetFormulaKind(fkMaximum);
    grid->CalculateFooter(true);
    EXPECT_EQ(footer.Caption(), "2");
    EXPECT_EQ(footer.FormulaValue(), 2);
    grid->ClearRows();
    grid->AddRow(3);
    const char* texts[] = {"a", "A", "b"};
    for (int row = 0; row < 3; ++row)
        grid->SetCells(0, row, texts[row]);
    TColumnFooter& names = *grid->Columns()->GetItem(0)->Footer();
    names.SetFormulaKind(fkDistinct);
    grid->OnFooterCalculate = [](TObject*, int, double& value) { value *= 10; };
    grid->CalculateFooter(false);
    EXPECT_EQ(names.Caption(), "20");
}

TEST_F(DataGrid, SortingKeepsTheSelectedRowAndItsFlags)
{
    FillNumbers({5, 3, 9, 1, 7});
    TGxCustomColumn* size = grid->Columns()->GetItem(1);
    size->SetSortType(stNumeric);
    grid->SetOptions(grid->Options() + TGridOptions{goSelectFullRow, goMultiSelect});
    grid->SelectCell(0, 2, {}, true, false);       // n9
    grid->SelectCell(0, 0, {ssCtrl}, true, false); // n5
    grid->SelectCell(0, 4, {ssCtrl}, true, false); // n7, the selected row
    int sorted = -1;
    grid->OnAfterSort = [&](TObject*, int ACol) { sorted = ACol; };
    grid->SortColumn(size, true);
    EXPECT_EQ(Names(), (std::vector<std::string>{"n1", "n3", "n5", "n7", "n9"}));
    EXPECT_EQ(grid->SelectedRow(), 3);
    EXPECT_EQ(SelectedRows(), (Rows{2, 3, 4}));
    EXPECT_EQ(grid->SortedColumn(), size);
    EXPECT_EQ(sorted, 1);
    // A column that may not sort: nothing at all.
    sorted = -1;
    TGxCustomColumn* name = grid->Columns()->GetItem(0);
    name->SetOptions(name->Options() - TColumnOptions{coCanSort});
    grid->SortColumn(name, false);
    EXPECT_EQ(sorted, -1);
    EXPECT_EQ(grid->SortedColumn(), size);
}

TEST_F(DataGrid, LoweringStartRowCountDeletesFromTheTop)
{
    grid->SetStartRowCount(4);
    EXPECT_EQ(grid->RowCount(), 4);
    for (int row = 0; row < 4; ++row)
        grid->SetCells(0, row, "s" + std::to_string(row));
    grid->SetStartRowCount(1);
    EXPECT_EQ(Names(), (std::vector<std::string>{"s3"}));
    grid->SetStartRowCount(-1);
    EXPECT_EQ(grid->StartRowCount(), 1);
}

TEST_F(DataGrid, HidingARowTellsAndRowHeightsAreTheRowsOwn)
{
    FillNumbers({1, 2, 3});
    std::vector<std::string> shown;
    grid->KV_OnAfterRowShow = [&](int index, int height, bool show) {
        shown.push_back(std::to_string(index) + " " + std::to_string(height) + (show ? " shown" : " hidden"));
    };
    grid->SetRowVisible(1, false);
    grid->SetRowVisible(1, false);
    EXPECT_EQ(grid->VisibleRows(), 2);
    EXPECT_EQ(shown, (std::vector<std::string>{"1 16 hidden"}));
    grid->SetRowVisible(1, true);
    EXPECT_EQ(grid->VisibleRows(), 3);
    grid->SetRowSize(20);
    grid->AddRow(1);
    EXPECT_EQ(grid->GetRowHeight(0), 16); // existing rows keep their heights
    EXPECT_EQ(grid->GetRowHeight(3), 20);
    std::vector<int> heights;
    grid->OnChangeRowHeight = [&](TObject*, int index, int height) {
        heights.push_back(index * 100 + height);
    };
    grid->SetRowHeight(0, 30);
    grid->SetRowHeight(0, 30);
    EXPECT_EQ(heights, std::vector<int>{30});
    EXPECT_EQ(grid->GetRowTop(1), grid->GetRowTop(0) + 30);
    int expanded = 0;
    grid->OnExpand = [&](TObject*, int) { ++expanded; };
    grid->SetExpanded(0, true); // unchanged
    EXPECT_EQ(expanded, 0);
}

TEST_F(DataGrid, ChildRowsCollapseAndExpand)
{
    FillNumbers({1, 2});
    grid->AddChildRow(0, crLast);
    grid->AddChildRow(0, crLast);
    grid->AddChildRow(1, crFirst); // a child of the first child
    EXPECT_EQ(grid->RowCount(), 5);
    EXPECT_EQ(grid->GetParent(2), 1);
    EXPECT_EQ(grid->GetNextSibling(1), 3);
    EXPECT_EQ(grid->GetChildCount(0, true), 3);
    EXPECT_EQ(grid->GetChildCount(0, false), 2);
    grid->SetExpanded(1, false);
    EXPECT_EQ(grid->VisibleRows(), 4);
    grid->SetExpanded(0, false);
    EXPECT_EQ(grid->VisibleRows(), 2);
    EXPECT_EQ(grid->LastVisibleRow(), 4);
    grid->SetExpanded(0, true); // the collapsed child keeps its own child hidden
    EXPECT_EQ(grid->VisibleRows(), 4);
    EXPECT_FALSE(grid->GetRowVisible(2));
}

// A check-box cell toggled through its play: the grid asks OnEditAccept, writes the cell, then OnAfterEdit.
TEST_F(DataGrid, CheckBoxPlayWritesTheCellThroughTheEditEvents)
{
    auto* active = new TGxCheckBoxColumn(form);
    grid->Columns()->AddColumn(active);
    grid->AddRow(2);
    std::vector<std::string> events;
    grid->OnEditAccept = [&](TObject*, int ACol, int ARow, const std::string& value, bool&) {
        events.push_back("accept " + std::to_string(ACol) + "," + std::to_string(ARow) + " " + value);
    };
    grid->OnAfterEdit = [&](TObject*, int, int ARow, const std::string& value) {
        events.push_back("after " + std::to_string(ARow) + " " + value + " cell " + grid->GetCells(2, ARow));
    };
    char32_t space = U' ';
    grid->LoadPlay(2, 1)->KeyPress(space);
    EXPECT_TRUE(grid->Cell(2, 1)->AsBoolean());
    EXPECT_EQ(events, (std::vector<std::string>{"accept 2,1 True", "after 1 True cell True"}));
    // A release in the box counts only while the column allows clicks.
    TColumnPlay* play = grid->LoadPlay(2, 0);
    const TRect box = static_cast<TCheckBoxColumnPlay*>(play)->GetCheckBoxRect();
    active->SetOptions(active->Options() - coCanClick);
    play->MouseUp(mbLeft, {}, box.Left + 2, box.Top + 2);
    EXPECT_FALSE(grid->Cell(2, 0)->AsBoolean());
    active->SetOptions(active->Options() + coCanClick);
    grid->OnEditAccept = [](TObject*, int, int, const std::string&, bool& accept) { accept = false; };
    grid->LoadPlay(2, 0)->MouseUp(mbLeft, {}, box.Left + 2, box.Top + 2);
    EXPECT_FALSE(grid->Cell(2, 0)->AsBoolean()); // refused
    grid->OnEditAccept = nullptr;
    grid->LoadPlay(2, 0)->MouseUp(mbLeft, {}, box.Left + 2, box.Top + 2);
    EXPECT_TRUE(grid->Cell(2, 0)->AsBoolean());
    EXPECT_EQ(grid->LoadPlay(0, 0), nullptr); // a column without a play
}
