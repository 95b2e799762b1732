// The input row: a line under the header where a new record is typed column by column into the columns'
// input values and then added as a row.

#include "controls/grid/cell_edit.h"
#include "controls/grid/column.h"
#include "controls/grid/columns.h"
#include "controls/grid/grid_control.h"

bool TGxCustomGridControl::CanInputColumn(TGxCustomColumn* column)
{
    return (column->InplaceEdit() || column->Editor()) && column->ColumnState().Contains(ceCanInput) &&
           !FReadOnly;
}

void TGxCustomGridControl::OpenInputEditor(TGxCustomColumn* column)
{
    FGridState.Include(gtInput);
    PrepareColumnEditor(column, column->Index(), -1, true);
    FInputingColumn = column->Index();
    column->SetInput(true);
}

void TGxCustomGridControl::StartInput(int index, char32_t key)
{
    SetInputSelected(true);
    ApplyAndEndEditing();
    if (!FColumns->Exists(index) || FGridState.Contains(gtEdit) || FGridState.Contains(gtInput))
        return;
    TGxCustomColumn* column = FColumns->GetItem(index);
    if (!CanInputColumn(column))
        return;
    OpenInputEditor(column);
    FInplaceEditUpdate = true;
    FInplaceEdit->Perform(WM_CHAR, key, 0);
    FInplaceEditUpdate = false;
    FEditingCell = {-1, -1};
    UpdateEditorBounds();
    FinishOpening(column);
    Raise(OnInputSelectCell, index);
}

void TGxCustomGridControl::InputColumn(TGxCustomColumn* column, const std::string& value)
{
    SetInputSelected(true);
    SetSelectedColumn(column->Index());
    ApplyAndEndEditing();
    if (FGridState.Contains(gtEdit) || FGridState.Contains(gtInput) || !CanInputColumn(column))
        return;
    OpenInputEditor(column);
    FInplaceEditUpdate = true;
    FInplaceEdit->SetText(!value.empty() ? value : column->InputValue());
    column->UpdateEdit();
    FInplaceEditUpdate = false;
    FEditingCell = {column->Index(), -1};
    UpdateEditorBounds();
    FinishOpening(column);
    Raise(OnInputSelectCell, column->Index());
}

// Every column gives its input value, or its default value where it has none, and starts over empty.
void TGxCustomGridControl::AddRowFromInput()
{
    bool accept = true;
    Raise(OnInputAccept, accept);
    if (!accept)
        return;
    AddRow(1);
    const int row = RowCount() - 1;
    for (int index = 0; index < FColumns->Count(); ++index) {
        TGxCustomColumn* column = FColumns->GetItem(index);
        const std::string text = column->InputValue().empty() ? column->DefaultValue() : column->InputValue();
        if (!text.empty())
            SetCells(index, row, text);
        column->SetInputValue("");
    }
    Raise(OnInputAdded);
}
