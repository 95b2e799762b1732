#include "controls/grid/inplace_edit_contract.h"

#include "controls/grid/cell_edit.h"
#include "controls/grid/column.h"

void PrepareCellEditor(TGxCustomEdit& editor, TAlignment alignment)
{
    editor.SetEditorUpdating(true);
    editor.SetAlignment(alignment);
    editor.SetBorderStyle(bsNone);
    editor.SetBorderWidth(0);
    editor.EditMargins()->SetLeft(1);
}

TGxCustomEdit* CreateHiddenCellEditor(TGxCustomColumn* column, TGxCustomEdit* (*make)(TComponent* owner))
{
    TGxCustomEdit* editor = make(column);
    editor->Hide();
    return editor;
}
