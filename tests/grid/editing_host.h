#pragma once

// A small grid for the editors' tests: it plays the grid's side of editing a cell with a column's editor
// (inplace_edit_contract.h), and a text column plays the column's side.

#include "controls/grid/cell_edit.h"
#include "controls/grid/spin_cell_edit.h"
#include "controls/grid/text_cell_edit.h"
#include "platform/gui/windows/win_control.h"

#include <string>
#include <vector>

// What every column does first when it prepares its editor (step 3).
inline void PrepareColumnEditor(TGxCustomEdit& editor, TAlignment alignment)
{
    editor.SetEditorUpdating(true);
    editor.SetAlignment(alignment);
    editor.SetBorderStyle(bsNone);
    editor.SetBorderWidth(0);
    editor.EditMargins()->SetLeft(1);
}

class TTestTextColumn : public ICellEditorColumn
{
public:
    TCellEditorClass GetCellEditorClass() const override { return TCellEditorClass::Of<TGxEdit>(); }
    void BeginEditing(TGxCustomEdit& editor) override
    {
        PrepareColumnEditor(editor, taLeftJustify);
        editor.SetInplaceEditor(true);
    }
    void UpdateEdit(TGxCustomEdit&) override {}
    void ApplyEditing(std::string&) override {}
};

// A number column with a range and two decimals; its button click is counted.
class TTestNumberColumn : public ICellEditorColumn
{
public:
    TCellEditorClass GetCellEditorClass() const override { return TCellEditorClass::Of<TGxSpinEdit>(); }
    void BeginEditing(TGxCustomEdit& editor) override
    {
        PrepareColumnEditor(editor, taRightJustify);
        auto& spin = dynamic_cast<TGxSpinEdit&>(editor);
        spin.SetButtonCaption("...");
        spin.SetOptions({eoAllowFloat});
        spin.SetIncrement(0.5);
        spin.SetMin(0);
        spin.SetMax(10);
        spin.SetShowButton(true);
        spin.SetSpinButtons(true);
        spin.OnButtonClick = [this](TObject*) { ++buttonClicks; };
    }
    void UpdateEdit(TGxCustomEdit& editor) override { dynamic_cast<TGxSpinEdit&>(editor).SetPrecision(2); }
    void ApplyEditing(std::string& value) override { value = "[" + value + "]"; }

    int buttonClicks = 0;
};

class TEditingHost : public TCustomControl
{
public:
    explicit TEditingHost(TComponent* owner) : TCustomControl(owner) { SetTabStop(true); }

    // Steps 2 to 5 over the cell rectangle.
    void StartEditing(TGxCustomEdit& editor, ICellEditorColumn& column, const std::string& text,
                      const TRect& cell)
    {
        editor_ = &editor;
        column_ = &column;
        editor.OnChange = nullptr;
        editor.SetParent(this);
        editor.SetText("");
        editor.SetWantTabs(false);
        editor.SetBiDiMode(BiDiMode());
        column.BeginEditing(editor);
        editor.SetEditorUpdating(false);
        editor.SetColor(clWindow);
        editor.BeginEditing();
        editor.SetText(text);
        column.UpdateEdit(editor);
        editor.SetBoundsRect(cell);
        editor.Show();
        editor.SetFocus();
        editor.BeginEditing();
    }
    // Step 7: the value the cell would get.
    std::string Apply()
    {
        editor_->ApplyEditing();
        std::string value = editor_->Text();
        column_->ApplyEditing(value);
        return value;
    }
    // Step 8.
    void End()
    {
        editor_->SetAsString(editor_->AsString());
        editor_->Hide();
        editor_->EndEditing();
    }

    bool arrowKeyExitEditing = false;
    std::vector<uint16_t> childKeys;

protected:
    void Dispatch(TMessage& message) override
    {
        if (message.Msg == CM_CHILDKEY && editor_ && editor_->Visible()) {
            const auto key = static_cast<uint16_t>(message.WParam);
            childKeys.push_back(key);
            const bool arrow = key == VK_LEFT || key == VK_UP || key == VK_RIGHT || key == VK_DOWN;
            if (arrow && arrowKeyExitEditing && editor_->CanDispatchKey(key)) {
                Apply();
                End();
                SetFocus();
                message.Result = 1;
            }
            return;
        }
        TCustomControl::Dispatch(message);
    }

private:
    TGxCustomEdit* editor_ = nullptr;
    ICellEditorColumn* column_ = nullptr;
};
