#include "controls/grid/virtual_column.h"

#include "controls/grid/text_cell_edit.h"
#include "controls/grid/text_column_display.h"

TGxVirtualColumn::TGxVirtualColumn(TComponent* owner) : TGxCustomColumn(owner)
{
    SetColumnType(ctVirtual);
    SetDefaultValue("");
    SetOptions(Options() + coShowTextFitHint);
    SetSortType(stAlphabetic);
}

void TGxVirtualColumn::SetColumnType(TColumnType)
{
    TGxCustomColumn::SetColumnType(ctVirtual);
}

TColumnEditorClass TGxVirtualColumn::GetCellEditorClass() const
{
    return CellEditorClass<TGxEdit>();
}

TColumnDisplayClass TGxVirtualColumn::GetDisplayClass() const
{
    return ColumnDisplayClass<TTextColumnDisplay>();
}

std::string TGxVirtualColumn::GetDrawText(const TCellInfo& cell)
{
    return FTextBefore + cell.AsString + FTextAfter;
}

void TGxVirtualColumn::DoGetText(int ACol, int ARow, std::string& value)
{
    if (OnGetText)
        OnGetText(this, ACol, ARow, value);
}

void TGxVirtualColumn::DoSetText(int ACol, int ARow, const std::string& value)
{
    if (OnSetText)
        OnSetText(this, ACol, ARow, value);
}

void TGxVirtualColumn::Assign(const TPersistent* source)
{
    TGxCustomColumn::Assign(source);
    if (const auto* column = dynamic_cast<const TGxVirtualColumn*>(source)) {
        FAutoExecute = column->FAutoExecute;
        FTextAfter = column->FTextAfter;
        FTextBefore = column->FTextBefore;
    }
}

std::string TVirtualCell::AsString() const
{
    std::string value;
    if (FColumn)
        FColumn->DoGetText(ColumnIndex(), RowIndex(), value);
    return value;
}

void TVirtualCell::SetAsString(const std::string& value)
{
    if (FColumn)
        FColumn->DoSetText(ColumnIndex(), RowIndex(), value);
    TTextConvertingCell::SetAsString(value);
}
