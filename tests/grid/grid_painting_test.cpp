#include "controls/grid/gradients.h"
#include "grid_fixture.h"
#include "platform/gui/windows/win_control.h"
#include "program_grids.h"
#include "theme_switch.h"

#include <stdexcept>

namespace {

using namespace program_grids;

// The file list of the main window on a form, with a few rows selected and a sorted column.
class FileListPainting : public testing::Test
{
protected:
    void SetUp() override
    {
        form = ShowTestForm(900, 420);
        grid = new TRecordingGrid(form);
        grid->SetParent(form);
        grid->SetBounds(4, 4, 890, 410);
        SetUpFileList(grid, form);
        FillFileList(grid, MakeFileRecords(12));
        grid->CalculateFooter(false);
        grid->SelectCell(kFirstTextColumn, 2, {}, true, false);
        grid->SelectCell(kFirstTextColumn, 5, {ssCtrl}, true, false);
        grid->SelectCell(kFirstTextColumn, 6, {ssCtrl}, true, false);
        sorted = grid->Columns()->GetItem(kFirstTextColumn + 2);
        sorted->SetOptions(sorted->Options() - coCanSort); // shaded as sorted, rows left in their order
        sorted->SetSorted(true);
        Pump();
    }
    void TearDown() override { form->Free(); }

    TColor At(TBitmap& picture, TPoint client)
    {
        const TPoint offset = ClientOffset(*grid);
        return ColorToRGB(picture.Canvas()->Pixels(client.X + offset.X, client.Y + offset.Y));
    }
    // A point inside a cell, right of its text.
    TPoint InCell(int ACol, int ARow)
    {
        const TRect r = grid->GetCellRect(ACol, ARow);
        return {r.Right - 4, r.Top + 2};
    }

    TForm* form = nullptr;
    TRecordingGrid* grid = nullptr;
    TGxCustomColumn* sorted = nullptr;
};

} // namespace

TEST_F(FileListPainting, SelectionSortedShadingIndicatorEmptyRowsAndFooter)
{
    TThemeSwitch themes(false);
    grid->SetFocus();
    Pump();
    auto focused = Render(grid);
    SaveScreenshot(*focused, "grid_file_list_focused");
    EXPECT_EQ(At(*focused, InCell(kFirstTextColumn + 1, 5)), 10021624u);
    EXPECT_EQ(At(*focused, InCell(kFirstTextColumn + 1, 4)), 0xFFFFFFu);
    EXPECT_EQ(At(*focused, InCell(kFirstTextColumn + 2, 4)),
              ColorToRGB(clBtnFace));                                    // soDarker: KV_SortDarker
    EXPECT_EQ(At(*focused, InCell(kFirstTextColumn + 2, 5)), 10021624u); // the selection wins
    // The indicator of the selected row: the hot background with the triangle; the others plain.
    const int rowTop = grid->GetRowTop(6);
    EXPECT_EQ(At(*focused, {1, rowTop + 1}), 4741224u);
    EXPECT_GT(CountPixels(*focused, {2, rowTop + 2, 14, rowTop + 22}, 377314), 10);
    EXPECT_EQ(At(*focused, {1, grid->GetRowTop(4) + 1}), ColorToRGB(clBtnFace));
    // Rows past the last one are empty cells in the grid's colour with the grid lines.
    const TRect empty = grid->GetCellRect(kFirstTextColumn, 14);
    EXPECT_EQ(At(*focused, {empty.Left + 5, empty.Top + 5}), 0xFFFFFFu);
    EXPECT_EQ(At(*focused, {empty.Left + 5, empty.Bottom}), ColorToRGB(clBtnFace));
    // The footer: its border in KV_FooterBorder and the count of files.
    const TRect footer = grid->Columns()->GetItem(kFirstTextColumn)->GetMemberRect(ckFooter);
    EXPECT_EQ(At(*focused, {footer.Left + 5, footer.Bottom - 1}), 0xC0C0C0u);
    EXPECT_EQ(grid->Columns()->GetItem(kFirstTextColumn)->Footer()->Caption(), "12");

    auto* other = new TDataGrid(form); // takes the focus away
    other->SetParent(form);
    other->SetBounds(0, 0, 4, 4);
    other->SetFocus();
    Pump();
    EXPECT_FALSE(grid->Focused());
    auto unfocused = Render(grid);
    SaveScreenshot(*unfocused, "grid_file_list_unfocused");
    EXPECT_EQ(At(*unfocused, InCell(kFirstTextColumn + 1, 5)), 15066597u);
}

TEST_F(FileListPainting, FramedLinesAndTheLastRowsOwnLineColour)
{
    TThemeSwitch themes(false);
    grid->SetGridLinesStyle(lsFramed);
    Pump();
    auto framed = Render(grid);
    const TRect last = grid->GetCellRect(kFirstTextColumn, 11);
    EXPECT_EQ(At(*framed, {last.Left + 5, last.Bottom}), 0u); // the last row's bottom line
    EXPECT_EQ(At(*framed, {last.Left + 5, last.Top - 1}), ColorToRGB(clBtnFace));
    const TRect rightmost = grid->GetCellRect(kColumnCount - 1, 3);
    if (rightmost.Right <= grid->ClientWidth()) {
        EXPECT_EQ(At(*framed, {rightmost.Right - 1, rightmost.Top + 5}), 0u);
    }
    grid->SetGridLinesStyle(lsNormal);
    grid->SetKV_LastRowHorizontalGridColor(0x0000FF);
    Pump();
    auto coloured = Render(grid);
    EXPECT_EQ(At(*coloured, {last.Left + 5, last.Bottom}), 0x0000FFu);
    const TRect pastEnd = grid->GetCellRect(kFirstTextColumn, 12);
    EXPECT_EQ(At(*coloured, {pastEnd.Left + 5, pastEnd.Bottom}), ColorToRGB(clBtnFace)); // the normal rule
}

// One cell's events in the order the painting raises them.
TEST_F(FileListPainting, OneCellsEventsComeInOrder)
{
    std::vector<std::string> spy;
    const int col = kFirstTextColumn + 3;
    auto mine = [&](int ACol, int ARow) { return ACol == col && ARow == 5; };
    grid->OnCellColoring = [&](TObject*, int ACol, int ARow, TColor&, TColor&, TCellState state) {
        if (mine(ACol, ARow))
            spy.push_back(state.Contains(csSelected) ? "coloring selected" : "coloring");
    };
    grid->OnDrawCellBackground = [&](TObject*, int ACol, int ARow, const TRect&, TCellState, bool&) {
        if (mine(ACol, ARow))
            spy.push_back("background");
    };
    grid->Columns()->GetItem(col)->OnSetCell = [&](TObject*, int ACol, int ARow, TRect, TCellState) {
        if (mine(ACol, ARow))
            spy.push_back(grid->UpdateCount() > 0 ? "set cell (held)" : "set cell");
    };
    grid->OnCellFormating = [&](TObject*, int ACol, int ARow, TColor&, TFontStyles&, TCellState) {
        if (mine(ACol, ARow))
            spy.push_back("formating");
    };
    grid->Columns()->GetItem(col)->OnGetDrawText = [&](TObject*, std::string&) {
        if (grid->PaintingCell() == TPoint{col, 5})
            spy.push_back("draw text");
    };
    grid->OnCustomDrawCell = [&](TObject*, int ACol, int ARow, TRect, TCellState) {
        if (mine(ACol, ARow))
            spy.push_back("custom draw");
    };
    grid->KV_AfterDrawCell = [&](TObject*, int ACol, int ARow, const TRect&, TCellState) {
        if (mine(ACol, ARow))
            spy.push_back(grid->PaintingCell() == TPoint{-1, -1} ? "after draw"
                                                                 : "after draw while painting");
    };
    grid->Columns()->GetItem(col)->SetDrawingOptions(doCustom);
    grid->SetFocus();
    grid->Invalidate();
    grid->Update();
    EXPECT_EQ(spy, (std::vector<std::string>{"coloring selected", "background", "set cell (held)",
                                             "formating", "draw text", "custom draw", "after draw"}));
}

// A handler that raises leaves the canvas clip and the painting cell as they were.
TEST_F(FileListPainting, TheCellClipIsRestoredWhenAHandlerRaises)
{
    TBitmap target(grid->ClientWidth(), grid->ClientHeight(), pf24bit);
    TCanvasBinding binding(*grid->Canvas(), target.Canvas());
    const TRect before = grid->Canvas()->ClipRect();
    grid->OnDrawCellBackground = [](TObject*, int, int, const TRect&, TCellState, bool&) {
        throw std::runtime_error("handler failed");
    };
    EXPECT_THROW(grid->PaintCell(kFirstTextColumn, 3, grid->GetCellRect(kFirstTextColumn, 3)),
                 std::runtime_error);
    EXPECT_EQ(grid->Canvas()->ClipRect(), before);
    EXPECT_EQ(grid->PaintingCell(), (TPoint{-1, -1}));
    grid->OnDrawCellBackground = nullptr;
    grid->Columns()->GetItem(kFirstTextColumn)->OnSetCell = [](TObject*, int, int, TRect, TCellState) {
        throw std::runtime_error("set cell failed");
    };
    EXPECT_THROW(grid->PaintCell(kFirstTextColumn, 3, grid->GetCellRect(kFirstTextColumn, 3)),
                 std::runtime_error);
    EXPECT_EQ(grid->Canvas()->ClipRect(), before);
    EXPECT_EQ(grid->UpdateCount(), 0);
}

// Invalidation names the smallest area: one cell, one row, or only the four strips of a row's border.
TEST_F(FileListPainting, RefreshesInvalidateTheSmallestArea)
{
    Pump();
    const TRect cell = grid->GetCellRect(kFirstTextColumn, 3);
    grid->RefreshCell(kFirstTextColumn, 3);
    EXPECT_EQ(NextPaintOf(*grid), (TRect{cell.Left, cell.Top, cell.Right + 1, cell.Bottom + 1}));
    const TRect row = grid->GetRowRect(4);
    grid->RefreshRow(4, false);
    EXPECT_EQ(NextPaintOf(*grid), row);
    std::vector<bool> covered;
    grid->Probe = [&](TCanvas& canvas) {
        for (TRect probe : {TRect{row.Left, row.Top, row.Left + 1, row.Top + 1},
                            TRect{row.Right - 1, row.Top + 5, row.Right, row.Top + 6},
                            TRect{row.Left + 40, row.Bottom - 1, row.Left + 41, row.Bottom},
                            TRect{row.Left + 40, row.Top + 5, row.Left + 41, row.Top + 6}})
            covered.push_back(RectVisible(canvas, probe));
    };
    grid->RefreshRow(4, true);
    EXPECT_EQ(NextPaintOf(*grid), row);
    EXPECT_EQ(covered, (std::vector<bool>{true, true, true, false})); // the inside is not painted
    grid->Probe = nullptr;
    grid->RefreshRowIndicator(4);
    EXPECT_EQ(NextPaintOf(*grid), (TRect{0, row.Top, 12, row.Bottom}));
    grid->RefreshCell(kFirstTextColumn, 500); // no such row: nothing
    EXPECT_EQ(NextPaintOf(*grid), TRect{});
}

TEST_F(FileListPainting, AnEmptyGridShowsItsCaptionHeaderAndFooter)
{
    grid->ClearRows();
    grid->SetCaption("Drop video files here");
    Pump();
    auto picture = Render(grid);
    SaveScreenshot(*picture, "grid_empty_with_caption");
    const TRect body = grid->GetBodyRect();
    const int captionInk = CountPixels(*picture, {body.Left, body.Top + 2, body.Right, body.Top + 20},
                                       ColorToRGB(grid->Font()->Color()));
    EXPECT_GT(captionInk, 20);
    EXPECT_EQ(grid->Columns()->GetItem(kFirstTextColumn)->Footer()->Caption(),
              "12"); // footers stay until counted
}

// The media list paints a gradient behind its values, kept inside each cell; the text is still drawn.
TEST(MediaListPainting, GradientBackgroundClippedToTheCellWithTheTextOnTop)
{
    TForm* form = ShowTestForm(420, 200);
    auto* grid = new TRecordingGrid(form);
    grid->SetParent(form);
    grid->SetBounds(4, 4, 410, 190);
    program_grids::SetUpMediaList(grid, form);
    grid->Columns()->ResizeColumns(nullptr, false);
    const char* facts[][2] = {{"Format", "Matroska"},
                              {"Duration", "1 h 32 min"},
                              {"Video", "AVC, 1920x1080"},
                              {"Audio", "AAC LC, 2 channels"}};
    for (const auto& fact : facts) {
        const int row = grid->AddRow(1);
        grid->Cell(0, row)->SetAsString(fact[0]);
        grid->Cell(1, row)->SetAsString(fact[1]);
    }
    grid->OnDrawCellBackground = [grid](TObject*, int ACol, int, const TRect& rect, TCellState state,
                                        bool& defaultDrawing) {
        if (ACol != 1 || state.Contains(csEmpty))
            return;
        // Deliberately wider than the cell: the clip keeps it off the column on the left.
        DrawGradient(*grid->Canvas(), {rect.Left - 30, rect.Top, rect.Right, rect.Bottom}, 0xFFE0C0,
                     0xC08040);
        defaultDrawing = false;
    };
    Pump();
    auto picture = Render(grid);
    SaveScreenshot(*picture, "grid_media_list_gradient");
    const TRect cell = grid->GetCellRect(1, 1);
    const TPoint offset = ClientOffset(*grid);
    auto at = [&](int x, int y) { return ColorToRGB(picture->Canvas()->Pixels(x + offset.X, y + offset.Y)); };
    EXPECT_NE(at(cell.Right - 3, cell.Top), 0xFFFFFFu);                           // the gradient
    EXPECT_NE(at(cell.Right - 3, cell.Top), at(cell.Right - 3, cell.Bottom - 1)); // ... running down
    EXPECT_EQ(at(cell.Left - 10, cell.Top + 2), 0xFFFFFFu); // the cell on the left is not painted over
    const TRect text{cell.Left + offset.X, cell.Top + offset.Y, cell.Left + 80 + offset.X,
                     cell.Bottom + offset.Y};
    EXPECT_GT(CountPixels(*picture, text, 0), 5); // black text over the gradient
    form->Free();
}
