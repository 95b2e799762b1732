#include "input_grid.h"
#include "program_grids.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <set>

namespace {

using namespace program_grids;

// The main window's Remove checked: one batch, deleting the checked rows from the last one up, or clearing
// the list when every row is checked.
void RemoveChecked(TDataGrid& grid)
{
    grid.BeginUpdate();
    bool all = true;
    for (int row = 0; row < grid.RowCount(); ++row)
        all = all && grid.Cell(kCheckColumn, row)->AsBoolean();
    if (all) {
        grid.ClearRows();
    } else {
        for (int row = grid.RowCount() - 1; row >= 0; --row)
            if (grid.Cell(kCheckColumn, row)->AsBoolean())
                grid.DeleteRow(row);
    }
    grid.EndUpdate(true);
}

// Where the view stands after a change: on the first row it showed before that is still there, at the end
// with the last row at its bottom (its first row as far up as a full body allows), or at the top.
enum class View
{
    Kept,
    AtEnd,
    Top,
};

std::string FileName(TDataGrid& grid, int row)
{
    return grid.GetCells(kFirstTextColumn, row);
}

void DeleteRows(TDataGrid& grid, int from, int count)
{
    for (int i = 0; i < count; ++i)
        grid.DeleteRow(from);
}

// The main window's file list with a few hundred rows on a form, scrolled to the bottom or into the middle
// before its rows change; keys reach it as a user types them.
class ScrolledFileList : public testing::Test
{
protected:
    void SetUp() override
    {
        form = ShowTestForm(900, 420);
        grid = ShowFileList(form, Bounds(4, 4, 890, 410));
        FillFileList(grid, MakeFileRecords(kRows));
        Pump();
        grid->SetFocus();
    }
    void TearDown() override { form->Free(); }

    // The bar stands on the first row shown (every row is visible here), never past its last position.
    void ExpectBarOnTheFirstRow(const std::string& when)
    {
        const TGxScrollBar* bar = grid->VertScrollBar();
        EXPECT_EQ(bar->Position(), grid->FirstRow()) << when;
        if (bar->Max() > 0) {
            EXPECT_LE(bar->Position(), bar->Max() - bar->PageSize() + 1) << when;
        }
    }
    // What the screen shows of the body is what a full paint draws: content moved on the screen landed
    // where the view says its rows are.
    void ExpectScreenShowsTheView(const std::string& when)
    {
        Pump();
        const auto screen = ScreenBitmap(grid);
        const auto painted = Render(grid);
        const TPoint offset = ClientOffset(*grid);
        const TRect body = grid->GetBodyRect();
        int different = 0;
        for (int y = body.Top; y < body.Bottom; ++y)
            for (int x = body.Left; x < body.Right; ++x)
                different +=
                    screen->Canvas()->Pixels(x, y) != painted->Canvas()->Pixels(x + offset.X, y + offset.Y);
        EXPECT_EQ(different, 0) << when;
    }
    // The view after a change, shown before as the file names of its rows.
    void ExpectView(View view, const std::vector<std::string>& shownBefore, const std::string& when)
    {
        if (view == View::Top) {
            EXPECT_EQ(grid->FirstRow(), 0) << when;
        } else if (view == View::AtEnd) {
            EXPECT_EQ(grid->LastRowInView(), grid->RowCount() - 1) << when;
            EXPECT_EQ(grid->FirstRow(), std::max(grid->RowCount() - rowsInView, 0)) << when;
        } else {
            std::set<std::string> names;
            for (int row = 0; row < grid->RowCount(); ++row)
                names.insert(FileName(*grid, row));
            const auto kept =
                std::ranges::find_if(shownBefore, [&](const auto& n) { return names.contains(n); });
            ASSERT_NE(kept, shownBefore.end()) << when;
            EXPECT_EQ(FileName(*grid, grid->FirstRow()), *kept) << when;
        }
    }
    // The selected row lies completely in the body.
    void ExpectSelectedRowShown(const std::string& when)
    {
        EXPECT_GE(grid->SelectedRow(), grid->FirstRow()) << when;
        EXPECT_LE(grid->SelectedRow(), grid->LastRowInView()) << when;
    }
    static constexpr int kRows = 300;
    int rowsInView = 0; // whole rows the body shows
    TForm* form = nullptr;
    TRecordingGrid* grid = nullptr;
};

} // namespace

// After rows come or go while the list is scrolled, the bar stands where the view stands, and the keys
// reach and show every row.
TEST_F(ScrolledFileList, TheBarFollowsTheViewThroughRowChangesAndTheKeysShowTheSelectedRow)
{
    const struct
    {
        const char* what;
        bool atBottom; // else scrolled to row 100 with row 110 selected
        std::function<void(TDataGrid&)> change;
        std::optional<View> view; // none: rows inserted into the view at its end step it back once
    } cases[] = {
        {"the last row deleted", true, [](TDataGrid& g) { g.DeleteRow(g.RowCount() - 1); }, View::AtEnd},
        {"five rows above the view deleted", true, [](TDataGrid& g) { DeleteRows(g, 0, 5); }, View::Kept},
        {"a row in the view deleted", true, [](TDataGrid& g) { g.DeleteRow(g.RowCount() - 4); }, View::AtEnd},
        {"the first row shown deleted", true, [](TDataGrid& g) { g.DeleteRow(g.FirstRow()); }, View::AtEnd},
        {"checked rows removed", true, [](TDataGrid& g) { RemoveChecked(g); }, View::AtEnd},
        {"every row checked and removed", true,
         [](TDataGrid& g) {
             for (int row = 0; row < g.RowCount(); ++row)
                 g.Cell(kCheckColumn, row)->SetAsBoolean(true);
             RemoveChecked(g);
             g.AddRow(40);
         },
         View::Top},
        {"cleared and filled again", true,
         [](TDataGrid& g) {
             g.ClearRows();
             g.AddRow(40);
         },
         View::Top},
        {"rows above the view deleted in a batch", true,
         [](TDataGrid& g) {
             g.BeginUpdate();
             DeleteRows(g, 10, 20);
             g.EndUpdate(true);
         },
         View::Kept},
        {"rows inserted above the view", true, [](TDataGrid& g) { g.InsertRow(3, 4); }, View::Kept},
        {"rows inserted in the view", true, [](TDataGrid& g) { g.InsertRow(g.RowCount() - 3, 2); },
         std::nullopt},
        {"five rows above the view deleted", false, [](TDataGrid& g) { DeleteRows(g, 0, 5); }, View::Kept},
        {"rows below the view deleted", false, [](TDataGrid& g) { DeleteRows(g, 200, 30); }, View::Kept},
        {"the row just above the view deleted", false, [](TDataGrid& g) { g.DeleteRow(g.FirstRow() - 1); },
         View::Kept},
        {"the row just above the view deleted", true, [](TDataGrid& g) { g.DeleteRow(g.FirstRow() - 1); },
         View::Kept},
        {"the first row shown deleted", false, [](TDataGrid& g) { g.DeleteRow(g.FirstRow()); }, View::Kept},
        {"rows inserted above the view", false, [](TDataGrid& g) { g.InsertRow(0, 3); }, View::Kept},
        {"checked rows removed", false, [](TDataGrid& g) { RemoveChecked(g); }, View::Kept},
    };
    for (const auto& c : cases) {
        const std::string what = std::string(c.what) + (c.atBottom ? " at the bottom" : " in the middle");
        grid->ClearRows();
        FillFileList(grid, MakeFileRecords(kRows));
        if (c.atBottom) {
            Press(grid, "End");
        } else {
            grid->VertScrollBar()->SetPosition(100);
            grid->SetSelectedRow(110);
        }
        ExpectBarOnTheFirstRow(what + ", before");
        if (c.atBottom)
            rowsInView = grid->RowCount() - grid->FirstRow();
        std::vector<std::string> shown;
        for (int row = grid->FirstRow(); row <= grid->LastRowInView(); ++row)
            shown.push_back(FileName(*grid, row));
        c.change(*grid);
        ExpectScreenShowsTheView(what);
        ExpectBarOnTheFirstRow(what);
        if (c.view)
            ExpectView(*c.view, shown, what);

        Press(grid, "End");
        EXPECT_EQ(grid->SelectedRow(), grid->RowCount() - 1) << what;
        EXPECT_EQ(grid->LastRowInView(), grid->RowCount() - 1) << what << ": End shows the last row";
        ExpectBarOnTheFirstRow(what + ", End");
        Press(grid, "Home");
        EXPECT_EQ(grid->SelectedRow(), 0) << what;
        EXPECT_EQ(grid->FirstRow(), 0) << what;
        ExpectBarOnTheFirstRow(what + ", Home");
        for (const char* key : {"PgDn", "PgDn", "Down", "End", "Up", "PgUp"}) {
            Press(grid, key);
            ExpectSelectedRowShown(what + ", " + key);
            ExpectBarOnTheFirstRow(what + ", " + key);
        }
    }
}
