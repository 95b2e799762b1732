// The data grid's cells: access with the range check, values by column type, colours, hints and formats.

#include "controls/grid/data_grid.h"

#include "controls/grid/column.h"
#include "controls/grid/column_display.h"
#include "controls/grid/columns.h"
#include "controls/grid/tree_column.h"
#include "platform/gui/graphics/canvas.h"

#include <stdexcept>
#include <string>

TDataGrid::TDataGrid(TComponent* owner)
    : TGxCustomGrid(owner), FCells(std::make_unique<TCells>(this, Columns()))
{
    FCells->SetRowHeight(RowSize());
    FCells->OnCellChange = [this](TObject*, int ACol, int ARow) { CellChanged(ACol, ARow); };
    FCells->OnCompare = [this](TObject*, TCell* cell1, TCell* cell2, int& compare) {
        DoCompare(cell1, cell2, compare);
    };
}

// The store goes before the columns it follows.
TDataGrid::~TDataGrid()
{
    FCells.reset();
}

void TDataGrid::CellChanged(int ACol, int ARow)
{
    if (UpdateCount() > 0)
        return;
    RefreshCell(ACol, ARow);
    Raise(OnChange, ACol, ARow);
}

void TDataGrid::DoCompare(TCell* cell1, TCell* cell2, int& compare)
{
    Raise(OnCompare, cell1, cell2, compare);
}

void TDataGrid::ColumnsChanged(TColumnsOperation operation, int value1, int value2)
{
    TGxCustomGrid::ColumnsChanged(operation, value1, value2);
    FCells->ColumnsChange(operation, value1, value2);
}

// --- cells -------------------------------------------------------------------------------------------------

void TDataGrid::CheckCell(int ACol, int ARow) const
{
    if (ARow < 0 || ARow > RowCount() - 1 || ACol < 0 || ACol > Columns()->Count() - 1)
        throw std::runtime_error("Cell out of bounds (" + std::to_string(ACol) + ", " + std::to_string(ARow) +
                                 ")");
}

std::string TDataGrid::GetCells(int ACol, int ARow)
{
    CheckCell(ACol, ARow);
    return GetCell(ACol, ARow)->AsString();
}

void TDataGrid::SetCells(int ACol, int ARow, const std::string& value)
{
    CheckCell(ACol, ARow);
    GetCell(ACol, ARow)->SetAsString(value);
}

TCellInfo TDataGrid::GetCellInfo(int ACol, int ARow)
{
    TCellInfo info;
    TCell* cell = GetCell(ACol, ARow);
    switch (Columns()->GetItem(ACol)->ColumnType()) {
    case ctAutoInc:
        info.AsInteger = ARow;
        break;
    case ctBoolean:
        info.AsBoolean = cell->AsBoolean();
        break;
    case ctDate:
        info.AsDateTime = cell->AsDateTime();
        break;
    case ctFloat:
        info.AsFloat = cell->AsFloat();
        break;
    case ctGraphic:
        info.ObjectReference = cell->ObjectReference();
        break;
    case ctGuid:
    case ctString:
    case ctVirtual:
        info.AsString = cell->AsString();
        break;
    case ctInteger:
        info.AsInteger = cell->AsInteger();
        break;
    default:
        break;
    }
    return info;
}

std::string TDataGrid::GetDrawText(int ACol, int ARow)
{
    return Columns()->GetItem(ACol)->GetDrawText(GetCellInfo(ACol, ARow));
}

std::string TDataGrid::GetHintText(int ACol, int ARow)
{
    return Columns()->GetItem(ACol)->GetHintText(GetCellInfo(ACol, ARow));
}

TColor TDataGrid::GetCellColor(int ACol, int ARow)
{
    const TGxCustomColumn* column = Columns()->GetItem(ACol);
    return column->ParentCellColor() ? column->Color() : GetCell(ACol, ARow)->Color();
}

std::string TDataGrid::GetCellHint(int ACol, int ARow)
{
    std::string hint = GetCell(ACol, ARow)->Hint();
    Raise(OnCellHint, ACol, ARow, hint);
    return hint;
}

bool TDataGrid::IsCellHidden(int ACol, int ARow)
{
    return GetCell(ACol, ARow)->Empty() || TGxCustomGrid::IsCellHidden(ACol, ARow);
}

// The cell's value goes into the column's display in the form its column type asks for.
bool TDataGrid::PrepareCell(int ACol, int ARow, TCellState cellState)
{
    TGxCustomGrid::PrepareCell(ACol, ARow, cellState);
    const TCellInfo info = GetCellInfo(ACol, ARow);
    if (TColumnDisplay* display = Columns()->GetItem(ACol)->Display()) {
        display->SetAsBoolean(info.AsBoolean);
        display->SetAsDateTime(info.AsDateTime);
        display->SetAsFloat(info.AsFloat);
        display->SetAsInteger(info.AsInteger);
        display->SetAsString(info.AsString);
        display->SetObjectReference(info.ObjectReference);
    }
    FormatCell(ACol, ARow, info, cellState);
    return true;
}

// A tree column's display learns where the row stands in the tree.
void TDataGrid::PrepareDisplay(int, int ARow, TColumnDisplay* display)
{
    if (!dynamic_cast<TGxTreeColumn*>(display->Column()))
        return;
    display->SetOnParentRow([this](int& row, int& nextSibling) { GetParentRow(row, nextSibling); });
    display->SetRowIndex(ARow);
    display->SetIsFirst(ARow == FirstVisibleRow());
    display->SetIsLast(GetNextSibling(ARow) == -1);
    display->SetChildCount(Row(ARow)->ChildCount());
    display->SetLevel(Row(ARow)->Level());
    display->SetExpanded(Row(ARow)->Expanded());
}

void TDataGrid::FormatCell(int ACol, int ARow, const TCellInfo&, TCellState cellState)
{
    TCell* cell = GetCell(ACol, ARow);
    TFont& font = *Canvas()->Font();
    TFontStyles style = cell->FontStyle();
    TColor textColor = cellState.Contains(csSelected) ? font.Color() : cell->TextColor();
    if (cellState.Contains(csBoldTextSelection))
        style.Include(fsBold);
    Raise(OnCellFormating, ACol, ARow, textColor, style, cellState);
    font.SetColor(textColor);
    font.SetStyle(style);
}

void TDataGrid::RevertStyle(int index)
{
    if (!Columns()->Exists(index))
        return;
    const TGxCustomColumn* column = Columns()->GetItem(index);
    // Each write reports the cell, and a handler may look up other cells: the cell is fetched for each.
    for (int row = 0; row < RowCount(); ++row) {
        GetCell(index, row)->SetColor(column->Color());
        GetCell(index, row)->SetFontStyle(column->Font()->Style());
        GetCell(index, row)->SetTextColor(column->Font()->Color());
    }
}
