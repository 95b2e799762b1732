#include "grid_fixture.h"
#include "manual_clock.h"

#include "platform/gui/windows/actions.h"

#include <functional>

using Rows = std::vector<int>;

namespace {

// Three columns and 60 rows of 16 pixels, 16 of which fit the body; full-row multi-selection. Time moves
// only when a test moves it.
class GridKeys : public GridFixture
{
protected:
    void SetUp() override
    {
        GridFixture::SetUp();
        for (const char* name : {"A", "B", "C"})
            AddColumn(name);
        grid->SetOptions({goHeader, goSelectFullRow, goMultiSelect});
        AddRows(60);
        Pump();
        grid->SetFocus();
    }
    void Names(const std::vector<std::string>& names)
    {
        grid->ClearRows();
        for (const std::string& name : names)
            grid->Cell(0, grid->AddRow(1))->SetAsString(name);
    }
    // Starts from a plain selection of row in a view whose top is at firstRow.
    void StartAt(int row, int firstRow = 0)
    {
        grid->VertScrollBar()->SetPosition(firstRow);
        grid->SetSelectedRow(row);
    }

    TManualClock clock; // outlives the grid's search timer
};

} // namespace

TEST_F(GridKeys, TheKeyMapMovesAndMarksRows)
{
    const struct
    {
        const char* what;
        int start, firstRow;
        std::vector<std::string> keys;
        Rows selected;
        int selectedRow, firstRowAfter;
    } cases[] = {
        {"Down", 2, 0, {"Down"}, {3}, 3, 0},
        {"Up", 2, 0, {"Up"}, {1}, 1, 0},
        {"Shift+Down extends", 2, 0, {"S-Down", "S-Down"}, {2, 3, 4}, 4, 0},
        {"Page Down from the first row in view: the last in view", 0, 0, {"PgDn"}, {15}, 15, 0},
        {"Page Down again: a page", 0, 0, {"PgDn", "PgDn"}, {31}, 31, 16},
        {"Page Down near the end: the last row", 40, 30, {"PgDn", "PgDn"}, {59}, 59, 44},
        {"Page Up at the top: the first row", 5, 0, {"PgUp"}, {0}, 0, 0},
        {"Page Up below the first row in view: that row", 14, 10, {"PgUp"}, {10}, 10, 10},
        {"Page Up on the first row in view: a page", 20, 20, {"PgUp"}, {4}, 4, 4},
        {"Home marks the rows, then the plain move clears them", 3, 0, {"Home"}, {0}, 0, 0},
        {"Shift+Home keeps them", 3, 0, {"S-Home"}, {0, 1, 2, 3}, 0, 0},
        {"Shift+End keeps the rows to the end", 57, 44, {"S-End"}, {57, 58, 59}, 59, 44},
        {"Ctrl+A", 3, 0, {"C-a"}, {}, 3, 0},
    };
    for (const auto& c : cases) {
        StartAt(c.start, c.firstRow);
        PressAll(grid, c.keys);
        Rows expected = c.selected;
        if (expected.empty())
            for (int row = 0; row < 60; ++row)
                expected.push_back(row);
        EXPECT_EQ(SelectedRows(), expected) << c.what;
        EXPECT_EQ(grid->SelectedRow(), c.selectedRow) << c.what;
        EXPECT_EQ(grid->FirstRow(), c.firstRowAfter) << c.what;
    }
}

// In full-row mode Left and Right scroll the view; in cell mode, or where the selected cell stands out in
// its row, they change the column.
TEST_F(GridKeys, LeftAndRightScrollInRowModeAndMoveInCellMode)
{
    for (int col = 0; col < 3; ++col)
        grid->Columns()->GetItem(col)->SetWidth(200);
    StartAt(4);
    Press(grid, "Right");
    EXPECT_EQ(grid->HorzScrollBar()->Position(), 5);
    EXPECT_EQ(grid->SelectedColumn(), 0);
    Press(grid, "Left");
    EXPECT_EQ(grid->HorzScrollBar()->Position(), 0);
    grid->SetAppearanceOptions(grid->AppearanceOptions() + aoIndicateSelectedCell);
    Press(grid, "Right");
    EXPECT_EQ(grid->SelectedColumn(), 1);
    grid->SetAppearanceOptions(grid->AppearanceOptions() - aoIndicateSelectedCell);
    grid->SetOptions(grid->Options() - goSelectFullRow);
    Press(grid, "Right");
    EXPECT_EQ(grid->SelectedColumn(), 2);
    EXPECT_EQ(grid->SelectedRow(), 4);
}

TEST_F(GridKeys, TabMovesToTheNextCellOnlyWithWantTabs)
{
    grid->SetOptions(grid->Options() - goSelectFullRow);
    StartAt(4);
    Press(grid, "Tab");
    EXPECT_EQ(grid->SelectedColumn(), 0);
    grid->SetWantTabs(true);
    Press(grid, "Tab");
    EXPECT_EQ(grid->SelectedColumn(), 1);
    Press(grid, "S-Tab");
    EXPECT_EQ(grid->SelectedColumn(), 0);
}

TEST_F(GridKeys, WithDisableKeysNoKeyMovesTheSelection)
{
    grid->Columns()->GetItem(0)->SetOptions(grid->Columns()->GetItem(0)->Options() + coSearchColumn);
    grid->SetOptions(grid->Options() + goDisableKeys);
    StartAt(4);
    PressAll(grid, {"Down", "PgDn", "End", "C-a", "r", "1"});
    EXPECT_EQ(SelectedRows(), Rows{4});
}

// A form's action that holds Ctrl+A takes the key before the grid sees it.
TEST_F(GridKeys, AFormActionOnCtrlAWinsOverSelectAll)
{
    int executed = 0;
    auto* actions = new TActionList(form);
    auto* checkAll = new TAction(form);
    checkAll->SetActionList(actions);
    checkAll->SetShortCut(ShortCut('A', {ssCtrl}));
    checkAll->OnExecute = [&](TObject*) { ++executed; };
    StartAt(4);
    Press(grid, "C-a");
    EXPECT_EQ(executed, 1);
    EXPECT_EQ(SelectedRows(), Rows{4});
}

TEST_F(GridKeys, TypeAheadFindsRowsByTheirFirstLettersAndSkipsTheSelectedRow)
{
    Names({"apple", "apricot", "banana", "avocado", "blueberry", "cherry"});
    grid->Columns()->GetItem(0)->SetOptions(grid->Columns()->GetItem(0)->Options() + coSearchColumn);
    grid->SetRowVisible(5, false);
    StartAt(0);
    const struct
    {
        const char* key;
        int pause; // ms before the key
        int row;
    } steps[] = {
        {"a", 0, 1},   // the selected apple is looked at last
        {"v", 300, 3}, // "av" within 700 ms
        {"b", 700, 4}, // a pause of 700 ms starts over: "b" alone
        {"B", 700, 2}, // letter case does not count; the search wraps round
        {"c", 700, 2}, // the hidden cherry is not found: the selection stays
    };
    for (const auto& step : steps) {
        clock.Advance(step.pause);
        Press(grid, step.key == std::string("B") ? "S-b" : step.key);
        EXPECT_EQ(grid->SelectedRow(), step.row) << step.key;
    }
    EXPECT_EQ(grid->LastFoundRow(), 2);
}

TEST_F(GridKeys, EnterWithWantReturnsMovesDownAndIsNoPartOfTheSearch)
{
    Names({"apple", "apricot", "banana", "avocado"});
    grid->Columns()->GetItem(0)->SetOptions(grid->Columns()->GetItem(0)->Options() + coSearchColumn);
    grid->SetWantReturns(true);
    StartAt(0);
    Press(grid, "a");
    EXPECT_EQ(grid->SelectedRow(), 1);
    Press(grid, "Enter");
    EXPECT_EQ(grid->SelectedRow(), 2);
    Press(grid, "v");
    EXPECT_EQ(grid->SelectedRow(), 3);
    grid->SetSelectionMoveDirection(mdUp);
    Press(grid, "Enter");
    EXPECT_EQ(grid->SelectedRow(), 2);
}

// The two events come after the grid's own handling: when KV_OnAfterKillFocus runs, a resize that was
// going on has ended.
TEST_F(GridKeys, FocusEventsComeAfterTheStateIsReset)
{
    auto* other = new TDataGrid(form);
    other->SetParent(form);
    other->SetBounds(10, 292, 100, 6);
    other->SetFocus();
    std::vector<std::string> events;
    grid->OnEnter = [&](TObject*) { events.push_back("enter"); };
    grid->OnExit = [&](TObject*) { events.push_back("exit"); };
    grid->KV_OnAfterSetFocus = [&](TObject* sender) {
        EXPECT_EQ(sender, grid);
        events.push_back("after set");
    };
    grid->KV_OnAfterKillFocus = [&](TObject*) {
        events.push_back(grid->GridState().Contains(gtColumnResizing) ? "after kill resizing" : "after kill");
    };
    grid->SetFocus();
    MouseDown(grid, {59, 8}); // the first column's size grip
    ASSERT_TRUE(grid->GridState().Contains(gtColumnResizing));
    MouseMove(grid, {90, 8}, {ssLeft});
    bool guideRepainted = false;
    grid->Probe = [&](TCanvas& canvas) { guideRepainted = RectVisible(canvas, {89, 40, 90, 41}); };
    other->SetFocus();
    EXPECT_EQ(events, (std::vector<std::string>{"enter", "after set", "after kill", "exit"}));
    EXPECT_FALSE(grid->GridState().Contains(gtColumnResizing));
    grid->Update();
    EXPECT_TRUE(guideRepainted); // the guide line at 89 goes
    MouseUp(grid, {90, 8});
    EXPECT_EQ(grid->Columns()->GetItem(0)->Width(), 60);
}
