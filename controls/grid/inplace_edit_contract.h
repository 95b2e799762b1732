#pragma once

#include <string>
#include <typeindex>

// How a grid edits a cell with an editor that a column owns.
//
// 1. The column makes its editor from its editor class, owns it and keeps it hidden and without parent.
// 2. To edit a cell the grid attaches the editor: the grid becomes its parent, its text and OnChange are
//    cleared, WantTabs and BiDiMode are copied from the grid, and the grid installs its own OnChange,
//    OnEnter, OnExit, OnKeyDown, OnKeyPress and OnKeyUp handlers.
// 3. The column prepares the editor (ICellEditorColumn::BeginEditing) while EditorUpdating is set.
// 4. The grid clears EditorUpdating, gives the editor the cell's colour and the column's font, and calls the
//    editor's BeginEditing.
// 5. The grid puts the cell's text in, lets the column update the editor (UpdateEdit), places the editor
//    over the cell, shows it, focuses it and selects all text or puts the caret at the end.
// 6. The editor reports every key it gets to the grid (CM_CHILDKEY); for the arrow keys the grid asks
//    CanDispatchKey and may apply and end the editing and handle the key itself.
// 7. Applying: the editor's ApplyEditing, then the grid takes Text as the cell's value.
// 8. Ending: the grid reads AsString, lets its handlers change it, writes it back and hides the editor.

class TComponent;
class TGxCustomEdit;

// A class reference to TGxCustomEdit or a descendant: makes editors of one class. An empty one names no
// editor.
class TCellEditorClass
{
public:
    TCellEditorClass() = default;
    template <typename Editor> static TCellEditorClass Of()
    {
        return TCellEditorClass(typeid(Editor),
                                [](TComponent* owner) -> TGxCustomEdit* { return new Editor(owner); });
    }
    explicit operator bool() const { return make_ != nullptr; }
    // A new editor owned by owner; nullptr for an empty class reference.
    TGxCustomEdit* Create(TComponent* owner) const { return make_ ? make_(owner) : nullptr; }
    bool operator==(const TCellEditorClass& other) const { return type_ == other.type_; }

private:
    using Maker = TGxCustomEdit* (*)(TComponent* owner);
    TCellEditorClass(const std::type_info& type, Maker make) : type_(type), make_(make) {}
    std::type_index type_ = typeid(void);
    Maker make_ = nullptr;
};

// The column's part of the contract (a grid column implements it; tests fake it).
class ICellEditorColumn
{
public:
    virtual ~ICellEditorColumn() = default;
    // The class the column makes its own editor from (step 1).
    virtual TCellEditorClass GetCellEditorClass() const = 0;
    // Step 3: EditorUpdating set, Alignment from the column, no border, EditMargins.Left 1, and what the
    // column's class adds (a text column: InplaceEditor, MaxLength, PasswordChar; a number column: the spin
    // editor's ButtonCaption, Options, Increment, Max, Min, ShowButton, SpinButtons and OnButtonClick).
    virtual void BeginEditing(TGxCustomEdit& editor) = 0;
    // Step 5: the column updates the editor once more after the text went in (a number column: Precision).
    virtual void UpdateEdit(TGxCustomEdit& editor) = 0;
    // Step 7: the column may change the value the grid is about to take.
    virtual void ApplyEditing(std::string& value) = 0;
};
