#pragma once

// A data grid on a shown form, with columns made in code, rows filled with texts and numbers, a log of its
// events in order, and the rectangles each paint was asked for.

#include "controls/grid/column.h"
#include "controls/grid/column_parts.h"
#include "controls/grid/columns.h"
#include "controls/grid/data_grid.h"
#include "gui_driver.h"
#include "platform/gui/graphics/gdi.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

// The bounds of the update region each paint covers, in order; Probe, when set, looks at the canvas while
// the paint begins (RectVisible tells which parts the paint covers).
class TRecordingGrid : public TDataGrid
{
public:
    using TDataGrid::GetScrollRowIndex;
    using TDataGrid::PaintCell;
    using TDataGrid::PrepareCell;
    using TDataGrid::TDataGrid;

    std::vector<TRect> Painted;
    int PaintCount = 0;
    std::function<void(TCanvas&)> Probe;

protected:
    void Paint() override
    {
        Painted.push_back(Canvas()->ClipRect());
        if (Probe)
            Probe(*Canvas());
        ++PaintCount;
        TDataGrid::Paint();
    }
};

// The bounds of what the grid's next paint covers; empty when nothing was invalid.
inline TRect NextPaintOf(TRecordingGrid& grid)
{
    grid.Painted.clear();
    grid.Update();
    return grid.Painted.empty() ? TRect{} : grid.Painted.front();
}

// The rows whose selection flag is set, from the top.
inline std::vector<int> SelectedRowsOf(const TDataGrid& grid)
{
    std::vector<int> rows;
    for (int row = 0; row < grid.RowCount(); ++row)
        if (grid.GetSelected(row))
            rows.push_back(row);
    return rows;
}

// Where the client area starts in a picture of the whole window (after the border).
inline TPoint ClientOffset(TWinControl& control)
{
    const TPoint client = control.ClientToScreen({0, 0});
    const TPoint window = control.Parent()->ClientToScreen({control.Left(), control.Top()});
    return {client.X - window.X, client.Y - window.Y};
}

class GridFixture : public testing::Test
{
protected:
    void SetUp() override
    {
        form = ShowTestForm(420, 300);
        grid = new TRecordingGrid(form);
        grid->SetParent(form);
        grid->SetBounds(10, 10, 400, 280);
        grid->Font()->SetName("DejaVu Sans");
        grid->Font()->SetSize(8);
    }
    void TearDown() override { form->Free(); }

    TGxCustomColumn* AddColumn(const std::string& name, int width = 60, TColumnType type = ctString)
    {
        auto* column = new TGxCustomColumn(form);
        column->SetName(name);
        column->Header()->SetCaption(name);
        column->SetColumnType(type);
        column->SetWidth(width);
        grid->Columns()->AddColumn(column);
        return column;
    }
    // Rows whose first column holds "r0", "r1", ...
    void AddRows(int count)
    {
        grid->BeginUpdate();
        for (int i = 0; i < count; ++i) {
            const int row = grid->AddRow(1);
            grid->Cell(0, row)->SetAsString("r" + std::to_string(row));
        }
        grid->EndUpdate(true);
    }
    // Events in the order raised, each as "name col,row".
    void LogEvents()
    {
        auto cell = [this](const char* name) {
            return [this, name](TObject*, int ACol, int ARow) {
                log.push_back(std::string(name) + " " + std::to_string(ACol) + "," + std::to_string(ARow));
            };
        };
        grid->OnSelectCell = cell("select");
        grid->OnDeselectCell = cell("deselect");
        grid->OnBeforeSelect = [this](TObject*, int ACol, int ARow, bool&) {
            log.push_back("before " + std::to_string(ACol) + "," + std::to_string(ARow));
        };
    }
    std::vector<int> SelectedRows() const { return SelectedRowsOf(*grid); }
    TRect NextPaint() { return NextPaintOf(*grid); }

    TForm* form = nullptr;
    TRecordingGrid* grid = nullptr;
    std::vector<std::string> log;
};
