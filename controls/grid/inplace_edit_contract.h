#pragma once

#include "controls/grid/column_element_classes.h"

// How a grid edits a cell with an editor that a column owns.
//
// 1. The column makes its editor from its editor class, owns it and keeps it hidden and without parent.
// 2. To edit a cell the grid attaches the editor: the grid becomes its parent, its text and OnChange are
//    cleared, WantTabs and BiDiMode are copied from the grid, and the grid installs its own OnChange,
//    OnEnter, OnExit, OnKeyDown, OnKeyPress and OnKeyUp handlers.
// 3. The column prepares the editor (TGxCustomColumn::BeginEditing) while EditorUpdating is set: its
//    editor class's Prepare (PrepareCellEditor), then what the column's class adds.
// 4. The grid clears EditorUpdating, gives the editor the cell's colour and the column's font, and calls the
//    editor's BeginEditing.
// 5. The grid puts the cell's text in, lets the column update the editor (UpdateEdit), places the editor
//    over the cell, shows it, focuses it and selects all text or puts the caret at the end.
// 6. The editor reports every key it gets to the grid (CM_CHILDKEY); for the arrow keys the grid asks
//    CanDispatchKey and may apply and end the editing and handle the key itself.
// 7. Applying: the editor's ApplyEditing, then the grid takes Text as the cell's value, which the column's
//    ApplyEditing may change.
// 8. Ending: the grid reads AsString, lets its handlers change it, writes it back and hides the editor.

class TComponent;
class TGxCustomEdit;

// A class reference to TGxCustomEdit or a descendant, as a column names the class of its editor.
using TCellEditorClass = TColumnEditorClass;

// The part of step 3 that every column does: EditorUpdating on, the column's alignment, no border, border
// width 0, left edit margin 1.
void PrepareCellEditor(TGxCustomEdit& editor, TAlignment alignment);
// An editor made by make, owned by the column and hidden.
TGxCustomEdit* CreateHiddenCellEditor(TGxCustomColumn* column, TGxCustomEdit* (*make)(TComponent* owner));

// The class reference of an editor class.
template <typename Editor> TCellEditorClass CellEditorClass()
{
    return {[](TGxCustomColumn* column) {
                return CreateHiddenCellEditor(
                    column, [](TComponent* owner) -> TGxCustomEdit* { return new Editor(owner); });
            },
            PrepareCellEditor};
}
