#pragma once

// A small grid for the editors' tests: it plays the grid's side of editing a cell with a column's editor
// (inplace_edit_contract.h); the text and number columns play the columns' side.

#include "controls/grid/number_column.h"
#include "controls/grid/spin_cell_edit.h"
#include "controls/grid/text_column.h"
#include "platform/gui/windows/win_control.h"

#include <string>
#include <vector>

// The number column with a say in the applied value, as step 7 allows.
class TTestNumberColumn : public TGxNumberColumn
{
public:
    using TGxNumberColumn::TGxNumberColumn;
    void ApplyEditing(std::string& value) override { value = "[" + value + "]"; }
};

class TEditingHost : public TCustomControl
{
public:
    explicit TEditingHost(TComponent* owner) : TCustomControl(owner) { SetTabStop(true); }

    // Steps 2 to 5 over the cell rectangle.
    void StartEditing(TGxCustomColumn& column, const std::string& text, const TRect& cell)
    {
        column_ = &column;
        editor_ = column.Editor();
        editor_->OnChange = nullptr;
        editor_->SetParent(this);
        editor_->SetText("");
        editor_->SetWantTabs(false);
        editor_->SetBiDiMode(BiDiMode());
        column.BeginEditing();
        editor_->SetEditorUpdating(false);
        editor_->SetColor(clWindow);
        editor_->BeginEditing();
        editor_->SetText(text);
        column.UpdateEdit();
        editor_->SetBoundsRect(cell);
        editor_->Show();
        editor_->SetFocus();
        editor_->BeginEditing();
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
    TGxCustomColumn* column_ = nullptr;
};
