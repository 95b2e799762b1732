// The grid's side of editing a cell with a column's in-place editor (inplace_edit_contract.h): attaching
// and preparing the editor, writing its value back, closing it, placing it, and the keys that end it.

#include "controls/grid/cell_edit.h"
#include "controls/grid/column.h"
#include "controls/grid/columns.h"
#include "controls/grid/grid_control.h"
#include "platform/gui/graphics/gdi.h"
#include "platform/gui/windows/window_functions.h"
#include "support/utf8.h"

#include <algorithm>

void TGxCustomGridControl::SetInplaceEdit(TGxCustomEdit* value)
{
    FInplaceEdit = value;
    if (!value)
        return;
    value->OnChange = nullptr;
    value->SetParent(this);
    value->SetText("");
    value->SetWantTabs(FWantTabs);
    value->SetBiDiMode(BiDiMode());
}

void TGxCustomGridControl::AssignEditorEvents()
{
    if (!FInplaceEdit)
        return;
    FInplaceEdit->OnChange = [this](TObject*) { EditorChange(); };
    FInplaceEdit->OnEnter = [this](TObject*) { EditorFocusChange(); };
    FInplaceEdit->OnExit = [this](TObject*) { EditorFocusChange(); };
    FInplaceEdit->OnKeyDown = [this](TObject*, uint16_t& key, TShiftState shift) {
        EditorKeyDown(key, shift);
    };
    FInplaceEdit->OnKeyPress = [this](TObject*, char32_t& key) { KeyPress(key); };
    FInplaceEdit->OnKeyUp = [this](TObject*, uint16_t& key, TShiftState shift) { KeyUp(key, shift); };
}

void TGxCustomGridControl::EditorChange()
{
    if (!FInplaceEditUpdate && FInplaceEdit)
        Raise(OnEdit, FEditingCell.X, FEditingCell.Y, FInplaceEdit->Text());
}

// The selection turns to its inactive colours once neither the grid nor its editor has the focus.
void TGxCustomGridControl::EditorFocusChange()
{
    if (!Focused())
        Invalidate();
}

// An application's own editor keeps its events under goInplaceEditEvents. The column's editor is prepared
// by the column, then takes the cell's colour (the column's on the input row) and the column's font.
void TGxCustomGridControl::PrepareColumnEditor(TGxCustomColumn* column, int ACol, int ARow, bool forInput)
{
    if (TGxCustomEdit* own = column->InplaceEdit()) {
        SetInplaceEdit(own);
        if (!FOptions.Contains(goInplaceEditEvents))
            AssignEditorEvents();
        return;
    }
    SetInplaceEdit(column->Editor());
    AssignEditorEvents();
    column->BeginEditing();
    FInplaceEdit->SetEditorUpdating(false);
    if (forInput) {
        FInplaceEdit->SetColor(column->Color());
        FInplaceEdit->SetAutoSelect(false);
        FInplaceEdit->Font()->SetColor(column->Font()->Color());
    } else {
        FInplaceEdit->SetColor(GetCellColor(ACol, ARow));
        FInplaceEdit->SetFont(column->Font());
    }
    FInplaceEdit->BeginEditing();
}

bool TGxCustomGridControl::CanEditCell(int ACol, int ARow)
{
    if (!CellBounds(ACol, ARow))
        return false;
    TGxCustomColumn* column = FColumns->GetItem(ACol);
    return column->ColumnState().Contains(ceEditable) && !FReadOnly && CanEdit() &&
           (column->InplaceEdit() || column->Editor());
}

// All text selected with the column's coEditorAutoSelect, else the caret after the text.
void TGxCustomGridControl::FinishOpening(TGxCustomColumn* column)
{
    if (column->Options().Contains(coEditorAutoSelect))
        FInplaceEdit->SelectAll();
    else
        FInplaceEdit->SetSelStart(static_cast<int>(Utf8Length(FInplaceEdit->Text())));
}

// Where the column and the grid allow editing and OnBeforeEdit agrees, the open editor is written back and
// closed, and the cell becomes the editing cell; false when it does not.
bool TGxCustomGridControl::BeginCellEditing(int ACol, int ARow)
{
    if (!CanEditCell(ACol, ARow))
        return false;
    bool accept = true;
    Raise(OnBeforeEdit, ACol, ARow, accept);
    if (!accept)
        return false;
    ApplyAndEndEditing();
    if (FGridState.Contains(gtEdit) || FGridState.Contains(gtInput))
        return false; // the open editor may not close
    FGridState.Include(gtEdit);
    FEditingCell = {ACol, ARow};
    PrepareColumnEditor(FColumns->GetItem(ACol), ACol, ARow, false);
    return true;
}

void TGxCustomGridControl::EditCell(int ACol, int ARow, const std::string& AText)
{
    if (FGridState.Contains(gtEdit) && FEditingCell == TPoint{ACol, ARow})
        return;
    if (!BeginCellEditing(ACol, ARow))
        return;
    TGxCustomColumn* column = FColumns->GetItem(ACol);
    std::string text = AText.empty() ? GetCells(ACol, ARow) : AText;
    // The cell's own text is no edit; a text given to start with is.
    FInplaceEditUpdate = AText.empty();
    Raise(OnApplyEditText, ACol, ARow, text);
    FInplaceEdit->SetText(text);
    EditorPrepared();
    UpdateEditorBounds();
    column->UpdateEdit();
    FInplaceEditUpdate = false;
    FinishOpening(column);
    Raise(OnEditEnter);
}

// The key goes into the empty editor as a typed character, without selecting all first.
void TGxCustomGridControl::StartEdit(int ACol, int ARow, char32_t key)
{
    if (!BeginCellEditing(ACol, ARow))
        return;
    UpdateEditorBounds();
    FInplaceEdit->SetAutoSelect(false);
    FInplaceEdit->Perform(WM_CHAR, key, 0);
    if (!FInplaceEdit)
        return;
    FInplaceEdit->SetAutoSelect(true);
    EditorPrepared();
    FInplaceEditUpdate = false;
    FInplaceEdit->SetSelStart(static_cast<int>(Utf8Length(FInplaceEdit->Text())));
    Raise(OnEditEnter);
}

// OnEditAccept may refuse the value; a value for a cell that no longer exists is not written.
bool TGxCustomGridControl::ApplyEditing()
{
    if (FGridState.Contains(gtEdit) && FInplaceEdit) {
        const int ACol = FEditingCell.X;
        const int ARow = FEditingCell.Y;
        bool accept = true;
        FInplaceEdit->ApplyEditing();
        std::string value = FInplaceEdit->Text();
        if (FColumns->Exists(ACol))
            FColumns->GetItem(ACol)->ApplyEditing(value);
        Raise(OnEditAccept, ACol, ARow, value, accept);
        if (!CellBounds(ACol, ARow) || !accept)
            return false;
        Raise(OnEditText, ACol, ARow, value);
        SetEditingCellValue(ACol, ARow, value);
        Raise(OnAfterEdit, ACol, ARow, value);
        return true;
    }
    if (FGridState.Contains(gtInput) && FInplaceEdit && FColumns->Exists(FInputingColumn)) {
        TGxCustomColumn* column = FColumns->GetItem(FInputingColumn);
        FInplaceEdit->ApplyEditing();
        std::string value = FInplaceEdit->Text();
        column->ApplyEditing(value);
        column->SetInputValue(value);
        column->SetInput(false);
        return true;
    }
    return false;
}

void TGxCustomGridControl::EndEditing()
{
    bool accept = true;
    if (FGridState.Contains(gtEdit) && FInplaceEdit) {
        std::string value = FInplaceEdit->AsString();
        Raise(OnEndEditing, FEditingCell.X, FEditingCell.Y, value, accept);
        FInplaceEditUpdate = true; // the grid writes it: no OnEdit
        FInplaceEdit->SetAsString(value);
        FInplaceEditUpdate = false;
    }
    if (!accept)
        return;
    if (FInplaceEdit) {
        const bool editorHadFocus = FInplaceEdit->Focused();
        FInplaceEdit->Hide();
        if (FGridState.Contains(gtEdit))
            RefreshCell(FEditingCell.X, FEditingCell.Y);
        else if (FGridState.Contains(gtInput) && FColumns->Exists(FInputingColumn))
            RefreshRect(GetInputCellRect(FInputingColumn));
        if (editorHadFocus)
            FocusGridFromEditor();
    }
    if (FGridState.Contains(gtEdit))
        Raise(OnEditExit);
    FGridState -= {gtEdit, gtInput};
    FEditingCell = {-1, -1};
    if (FInputingColumn >= 0) {
        if (FColumns->Exists(FInputingColumn))
            FColumns->GetItem(FInputingColumn)->SetInput(false);
        FInputingColumn = -1;
    }
    SetInplaceEdit(nullptr);
}

void TGxCustomGridControl::ApplyAndEndEditing()
{
    if (!FGridState.Contains(gtEdit) && !FGridState.Contains(gtInput))
        return;
    ApplyEditing();
    EndEditing();
}

void TGxCustomGridControl::FocusGridFromEditor()
{
    if (CanFocus() && HandleAllocated())
        SetFocus();
}

// The cell less its grid lines and a pixel on every side, never left of the body.
void TGxCustomGridControl::UpdateEditorBounds()
{
    if (!FInplaceEdit)
        return;
    const TRect body = GetBodyRect();
    TRect rect;
    TGxCustomColumn* column = nullptr;
    if (FGridState.Contains(gtEdit)) {
        if (!CellBounds(FEditingCell.X, FEditingCell.Y))
            return;
        column = FColumns->GetItem(FEditingCell.X);
        rect = GetCellRect(FEditingCell.X, FEditingCell.Y);
        column->AdjustEditRect(GetRowLevel(FEditingCell.Y), rect);
        ExcludeGrid(rect);
        if (!FOptions.Contains(goGrid))
            --rect.Right;
        // A row scrolled out upwards: in the report layout its rectangle starts at the body's top (as every
        // row at or before FirstRow does), so the row itself tells, or the editor would lie over another row.
        if (rect.Top < body.Top || (FGridStyle == gsReport && FEditingCell.Y < FFirstRow)) {
            FInplaceEdit->Hide();
            return;
        }
    } else if (FGridState.Contains(gtInput) && FColumns->Exists(FInputingColumn)) {
        rect = GetInputCellRect(FInputingColumn);
    } else {
        return;
    }
    InflateRect(rect, -1, -1);
    rect.Left = std::max(rect.Left, std::max(0, static_cast<int>(body.Left)));
    FInplaceEdit->SetBoundsRect(rect);
    FInplaceEdit->Show();
    if (FInplaceEdit->CanFocus() && HandleAllocated())
        FInplaceEdit->SetFocus();
    FInplaceEdit->Invalidate();
}

// Tab writes and closes; Enter too (unless the column keeps it, or on the input row, where it adds the row
// and starts the input cell over); Esc closes without writing, or empties the editor with goEscClearEdit.
// The key then goes on to the grid's own key handling.
void TGxCustomGridControl::EditorKeyDown(uint16_t& key, TShiftState shift)
{
    if (key == VK_TAB) {
        ApplyAndEndEditing();
    } else if (key == VK_RETURN && !shift.Contains(ssCtrl)) {
        if (FGridState.Contains(gtEdit) && FColumns->Exists(FEditingCell.X) &&
            !FColumns->GetItem(FEditingCell.X)->ColumnStyle().Contains(csWantReturns)) {
            ApplyAndEndEditing();
            FocusGridFromEditor();
        } else if (FGridState.Contains(gtInput) && FColumns->Exists(FInputingColumn)) {
            TGxCustomColumn* column = FColumns->GetItem(FInputingColumn);
            ApplyEditing();
            AddRowFromInput();
            if (FInplaceEdit)
                FInplaceEdit->SetText(column->GetInputValue());
        }
    } else if (key == VK_ESCAPE && FInplaceEdit) {
        if (FOptions.Contains(goEscClearEdit)) {
            FInplaceEdit->Clear();
        } else {
            EndEditing();
            FocusGridFromEditor();
        }
    }
    KeyDown(key, shift);
}
