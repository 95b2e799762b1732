#pragma once

// The program's file list on a shown form, driven by real mouse and key input: points of its cells and
// headers, a log of its events, and its rows' texts in order.

#include "grid_fixture.h"
#include "program_grids.h"

#include "platform/gui/graphics/region.h"
#include "platform/gui/windows/window_functions.h"

#include <string>
#include <vector>

inline TPoint CenterOf(const TRect& r)
{
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
}

// Paints a window that floats over the grid onto a picture whose top-left pixel is at pictureOrigin on the
// screen, within the window's region when it has one: what a user sees of both.
inline void PasteWindow(TBitmap& picture, TPoint pictureOrigin, TWinControl& window)
{
    TRegion shape;
    const bool shaped = GetWindowRgn(window.Handle(), shape) != RGN_ERROR;
    const auto image = Render(&window);
    TRect where;
    GetWindowRect(window.Handle(), where);
    for (int y = 0; y < window.Height(); ++y)
        for (int x = 0; x < window.Width(); ++x)
            if (!shaped || PtInRegion(shape, x, y))
                picture.Canvas()->SetPixels(where.Left - pictureOrigin.X + x, where.Top - pictureOrigin.Y + y,
                                            image->Canvas()->Pixels(x, y));
}

// Where a picture of the whole window (Render) starts on the screen.
inline TPoint WindowOrigin(TWinControl& window)
{
    TRect rect;
    GetWindowRect(window.Handle(), rect);
    return rect.TopLeft();
}

// The media list at bounds on a shown form, a property and its value in each row.
inline TRecordingGrid* ShowMediaList(TForm* form, const TRect& bounds,
                                     std::initializer_list<std::pair<const char*, const char*>> facts)
{
    auto* grid = new TRecordingGrid(form);
    grid->SetParent(form);
    grid->SetBoundsRect(bounds);
    program_grids::SetUpMediaList(grid, form);
    for (const auto& [property, value] : facts) {
        const int row = grid->AddRow(1);
        grid->Cell(0, row)->SetAsString(property);
        grid->Cell(1, row)->SetAsString(value);
    }
    Pump();
    return grid;
}

// The file list at bounds on a shown form, without rows.
inline TRecordingGrid* ShowFileList(TForm* form, const TRect& bounds)
{
    auto* grid = new TRecordingGrid(form);
    grid->SetParent(form);
    grid->SetBoundsRect(bounds);
    program_grids::SetUpFileList(grid, form);
    return grid;
}

class FileListInput : public testing::Test
{
protected:
    static constexpr int kNameColumn = program_grids::kFirstTextColumn;
    static constexpr int kCheckColumn = program_grids::kCheckColumn;

    void SetUp() override
    {
        form = ShowTestForm(620, 330);
        grid = ShowFileList(form, Bounds(10, 10, 600, 300));
        Fill({"c.avi", "a.avi", "e.avi", "b.avi", "d.avi"});
        Pump();
    }
    void TearDown() override { form->Free(); }

    // One row per name, in this order, all checked.
    void Fill(const std::vector<std::string>& names)
    {
        std::vector<program_grids::TFileRecord> records = program_grids::MakeFileRecords(int(names.size()));
        for (size_t i = 0; i < names.size(); ++i) {
            records[i].texts[0] = names[i];
            records[i].active = true;
        }
        grid->ClearRows();
        program_grids::FillFileList(grid, records);
    }
    TGxCustomColumn* Column(int index) const { return grid->Columns()->GetItem(index); }
    TPoint CellPoint(int col, int row) const { return CenterOf(grid->GetCellRect(col, row)); }
    TPoint HeaderPoint(int col) const
    {
        const TGxCustomColumn* column = Column(col);
        return {column->AbsoluteLeft() + column->Width() / 2, grid->HeaderSize() / 2};
    }
    // The right edge of a column's header, where its size grip is.
    int RightEdge(int col) const { return Column(col)->AbsoluteLeft() + Column(col)->Width(); }
    // The file names from the first row down, separated by blanks.
    std::string Names() const
    {
        std::string names;
        for (int row = 0; row < grid->RowCount(); ++row)
            names += (row ? " " : "") + grid->GetCells(kNameColumn, row);
        return names;
    }
    std::vector<int> SelectedRows() const { return SelectedRowsOf(*grid); }
    // A press, moves to each point with the left button held, and a release at the last one.
    void Drag(TPoint from, std::initializer_list<TPoint> path, TShiftState shift = {})
    {
        MouseDown(grid, from, mbLeft, shift);
        TPoint last = from;
        for (TPoint p : path) {
            MouseMove(grid, p, shift + ssLeft);
            last = p;
        }
        MouseUp(grid, last, mbLeft, shift);
    }

    TForm* form = nullptr;
    TRecordingGrid* grid = nullptr;
    std::vector<std::string> log;
};
