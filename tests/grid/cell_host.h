#pragma once

// A small grid for the tests of displays and plays in a window: rows of a cell store under a few columns,
// painted with the columns' displays, with presses selecting a cell and releases and typed keys handed to
// the columns' plays the way a grid does it (column_display.h, column_play.h). A play's change takes the
// grid's way into the cell: OnEditAccept (logged, refused while accept is false), the cell written, then
// OnAfterEdit (logged); an expand toggles the row.

#include "cell_painting.h"
#include "cells_fixture.h"
#include "controls/grid/column_play.h"
#include "platform/gui/graphics/gdi.h"
#include "platform/gui/windows/win_control.h"

#include <string>
#include <vector>

class TCellHost : public TCustomControl
{
public:
    static constexpr int RowHeight = 20;

    explicit TCellHost(TComponent* owner)
        : TCustomControl(owner), grid_(new FakeColumnsGrid(owner)), store_(&cellsGrid_, grid_->Columns())
    {
        SetTabStop(true);
        grid_->Columns()->OnChange = [this](TObject*, TColumnsOperation operation, int value1, int value2) {
            store_.ColumnsChange(operation, value1, value2);
        };
    }
    ~TCellHost() override { grid_->Columns()->OnChange = nullptr; }

    void AddColumn(TGxCustomColumn* column) { grid_->Columns()->AddColumn(column); }
    TCells& Store() { return store_; }
    TRect CellRect(int col, int row) const
    {
        const TGxCustomColumn& column = *grid_->Columns()->GetItem(col);
        return {column.Left(), row * RowHeight, column.Left() + column.Width(), (row + 1) * RowHeight};
    }

    TPoint selected{0, 0};
    bool accept = true;
    std::vector<std::string> log;

protected:
    void Paint() override
    {
        Canvas()->Brush()->SetColor(clSilver);
        Canvas()->FillRect(ClientRect());
        for (int row = 0; row < store_.RowCount(); ++row)
            for (int col = 0; col < store_.ColCount(); ++col)
                PaintCell(*Column(col), *Canvas(), CellRect(col, row), [&](TColumnDisplay& display) {
                    TCell& cell = *store_.GetCell(col, row);
                    display.SetAsString(cell.AsString());
                    display.SetAsBoolean(Column(col)->ColumnType() == ctBoolean && cell.AsBoolean());
                    LoadTreeRow(display, {.RowIndex = row,
                                          .Level = store_.GetRow(row)->Level(),
                                          .ChildCount = store_.GetRow(row)->ChildCount(),
                                          .Expanded = store_.GetRow(row)->Expanded()});
                });
    }
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override
    {
        TCustomControl::MouseDown(button, shift, x, y);
        SetFocus();
        if (const TPoint cell = CellAt(x, y); cell.X >= 0)
            selected = cell;
    }
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override
    {
        TCustomControl::MouseUp(button, shift, x, y);
        const TPoint cell = CellAt(x, y);
        if (button != mbLeft || cell.X < 0 || !PreparePlay(cell.X, cell.Y))
            return;
        const TRect rect = CellRect(cell.X, cell.Y);
        Column(cell.X)->Play()->MouseUp(button, shift, x - rect.Left, y - rect.Top);
    }
    void KeyPress(char32_t& key) override
    {
        TCustomControl::KeyPress(key);
        if (PreparePlay(selected.X, selected.Y))
            Column(selected.X)->Play()->KeyPress(key);
    }

private:
    TGxCustomColumn* Column(int col) const { return grid_->Columns()->GetItem(col); }
    TPoint CellAt(int x, int y) const
    {
        for (int col = 0; col < store_.ColCount(); ++col)
            for (int row = 0; row < store_.RowCount(); ++row)
                if (PtInRect(CellRect(col, row), {x, y}))
                    return {col, row};
        return {-1, -1};
    }
    // The play loaded with the cell, as the grid's press, release and key paths do.
    bool PreparePlay(int col, int row)
    {
        TGxCustomColumn& column = *Column(col);
        TColumnPlay* play = column.Play();
        if (!play || !(column.Options().Contains(coEditing) || column.ColumnStyle().Contains(csClickable)))
            return false;
        play->SetCol(col);
        play->SetRow(row);
        play->SetCanvas(Canvas());
        play->SetLevel(store_.GetRow(row)->Level());
        TCell& cell = *store_.GetCell(col, row);
        if (column.ColumnType() == ctBoolean)
            play->SetAsBoolean(cell.AsBoolean());
        play->SetAsString(cell.AsString());
        play->SetColumn(&column);
        play->SetClientRect(CellRect(col, row));
        play->OnChange = [this](TObject* sender) { PlayChange(static_cast<TColumnPlay&>(*sender)); };
        play->OnExpand = [this](TObject* sender) { PlayExpand(static_cast<TColumnPlay&>(*sender)); };
        return true;
    }
    void PlayChange(TColumnPlay& play)
    {
        const std::string where = std::to_string(play.Col()) + "," + std::to_string(play.Row());
        log.push_back("accept " + where + " " + play.AsString());
        if (!accept)
            return;
        TCell& cell = *store_.GetCell(play.Col(), play.Row());
        cell.SetAsBoolean(play.AsBoolean());
        log.push_back("after " + where + " " + cell.AsString());
        Invalidate();
    }
    void PlayExpand(TColumnPlay& play)
    {
        log.push_back("expand " + std::to_string(play.Row()));
        store_.ExpandRow(play.Row(), !store_.GetRow(play.Row())->Expanded());
        Invalidate();
    }

    FakeColumnsGrid* grid_; // owned by the form
    FakeCellsGrid cellsGrid_;
    TCells store_;
};
