// The keyboard: the key map, what typed characters do (Enter, a column's play, starting an editor, finding
// rows by their first letters) and the keys an open editor hands to the grid.

#include "controls/grid/cell_edit.h"
#include "controls/grid/column.h"
#include "controls/grid/column_play.h"
#include "controls/grid/columns.h"
#include "controls/grid/custom_grid.h"
#include "platform/gui/core/locale_compare.h"
#include "platform/gui/windows/message_views.h"
#include "platform/gui/windows/timers.h"
#include "support/utf8.h"

namespace {

bool IsArrowKey(uint16_t key)
{
    return key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN;
}

// The first column of the collection that type-ahead searches in; nullptr for none.
TGxCustomColumn* GetSearchColumn(const TGxColumns& columns)
{
    for (int index = 0; index < columns.Count(); ++index)
        if (TGxCustomColumn* column = columns.GetItem(index); column->Options().Contains(coSearchColumn))
            return column;
    return nullptr;
}

} // namespace

void TGxCustomGrid::KeyDown(uint16_t& key, TShiftState shift)
{
    TGxCustomGridControl::KeyDown(key, shift);
    KeyNavigate(key, shift);
}

// With Shift the selection calls extend the multi-selection from its anchor; without it they clear it.
void TGxCustomGrid::KeyNavigate(uint16_t key, TShiftState shift)
{
    const bool editorOpen = FGridState.Contains(gtEdit) || FGridState.Contains(gtInput);
    if (Options().Contains(goDisableKeys) ||
        (editorOpen && (key == VK_HOME || key == VK_END || IsArrowKey(key))))
        return;
    // In full-row mode Left and Right scroll the view unless the selected cell stands out in its row.
    const bool cellMoves = InputSelected() || !Options().Contains(goSelectFullRow) ||
                           AppearanceOptions().Contains(aoIndicateSelectedCell);
    switch (key) {
    case VK_TAB:
        shift.Contains(ssShift) ? MoveToPrevCell(true) : MoveToNextCell(true);
        break;
    case VK_PRIOR:
        PageUp();
        break;
    case VK_NEXT:
        PageDown();
        break;
    case VK_END:
    case VK_HOME:
        MarkRowsAndGo(key == VK_END, shift);
        break;
    case VK_LEFT:
        cellMoves ? MoveSelectionLeft(mkArrows) : HorzScrollBar()->Prior();
        break;
    case VK_RIGHT:
        cellMoves ? MoveSelectionRight(mkArrows) : HorzScrollBar()->Next();
        break;
    case VK_UP:
        MoveSelectionUp(shift);
        break;
    case VK_DOWN:
        MoveSelectionDown(shift, false, false);
        break;
    case 'A':
        if (shift.Contains(ssCtrl))
            SelectAll();
        break;
    default:
        break;
    }
}

// At the top: the first row; below the first row in view: that row; else a page up.
void TGxCustomGrid::PageUp()
{
    if (VertScrollBar()->IsFirst()) {
        SelectFirstRow({});
    } else if (SelectedRow() > FFirstRow) {
        SetSelectedRow(FFirstRow);
    } else {
        MoveSelectionBy(-GetVisibleCount(false));
        ScrollToRow(SelectedRow());
    }
}

// Above the last row in view: that row; with less than a page left: the last row; else a page down.
// Nothing while the view shows the end of a longer list.
void TGxCustomGrid::PageDown()
{
    const TGxScrollBar* bar = VertScrollBar();
    if (bar->Max() > 0 && bar->IsLast())
        return;
    const int n = GetVisibleCount(false);
    if (SelectedRow() < FFirstRow + n - 1) {
        SetSelectedRow(GetRowAtOffset(n));
    } else if (SelectedRow() + n > RowCount()) {
        SelectLastRow({});
    } else {
        MoveSelectionBy(n);
        ScrollToRow(SelectedRow());
    }
}

// In multi-select mode the rows from the selected one to the end (to the top with Home) are marked first;
// the move to the last (first) row keeps them only with Shift.
void TGxCustomGrid::MarkRowsAndGo(bool toEnd, TShiftState shift)
{
    if (RowCount() == 0)
        return;
    if (MultiSelect()) {
        const bool none = SelectedRow() < 0;
        const int from = toEnd ? (none ? FirstVisibleRow() : SelectedRow()) : 0;
        const int to = toEnd ? RowCount() - 1 : (none ? LastVisibleRow() : SelectedRow());
        for (int row = from; row <= to; ++row)
            if (GetRowVisible(row))
                SetSelected(row, true);
        FGridState.Include(gtMultiSelect);
    }
    if (HomeEndBehaviour() == hebLeftRight)
        toEnd ? SelectLastColumn() : SelectFirstColumn();
    else if (Columns()->Exists(SelectedColumn()))
        toEnd ? SelectLastRow(shift) : SelectFirstRow(shift);
}

// --- typed characters --------------------------------------------------------------------------------------

void TGxCustomGrid::KeyPress(char32_t& key)
{
    TGxCustomGridControl::KeyPress(key);
    if (key == 0 || FGridState.Contains(gtEdit) || FGridState.Contains(gtInput) ||
        Options().Contains(goDisableKeys) || key == U'\x1b')
        return;
    if (key == U'\r') {
        EnterPressed();
        key = 0;
        return;
    }
    PlayKey(key);
    if (key == U'\t')
        key = 0;
    if (key == 0)
        return;
    if (Columns()->Exists(SelectedColumn()) && Columns()->GetItem(SelectedColumn())->IsKeyValid(key)) {
        if (InputSelected())
            StartInput(SelectedColumn(), key);
        else
            StartEdit(SelectedColumn(), SelectedRow(), key);
    }
    TypeAhead(key);
}

// With WantReturns the selection moves one step; on the input row in imAllways the typed row is added.
void TGxCustomGrid::EnterPressed()
{
    if (!WantReturns())
        return;
    if (!InputSelected()) {
        switch (SelectionMoveDirection()) {
        case mdUp:
            MoveSelectionUp({});
            break;
        case mdDown:
            MoveSelectionDown({}, false, false);
            break;
        case mdLeft:
            MoveSelectionLeft(mkEnter);
            break;
        case mdRight:
            MoveSelectionRight(mkEnter);
            break;
        case mdNone:
            break;
        }
        return;
    }
    if (InputEnterMode() != imAllways)
        return;
    ApplyEditing();
    if (FInplaceEdit)
        FInplaceEdit->SetText("");
    AddRowFromInput();
    if (FInplaceEdit && Columns()->Exists(InputingColumn())) {
        FInplaceEdit->SetText(Columns()->GetItem(InputingColumn())->InputValue());
        FInplaceEdit->SelectAll();
    }
}

// A space toggles a check box.
void TGxCustomGrid::PlayKey(char32_t& key)
{
    const int col = SelectedColumn();
    if (InputSelected() || !Columns()->Exists(col))
        return;
    TGxCustomColumn* column = Columns()->GetItem(col);
    if (PlayTakesInput(column, SelectedRow()) &&
        PreparePlay(col, SelectedRow(), GetCellRect(col, SelectedRow()), true))
        column->Play()->KeyPress(key);
}

// Characters typed less than 700 ms apart build one search text.
void TGxCustomGrid::TypeAhead(char32_t key)
{
    const TGxCustomColumn* searchColumn = GetSearchColumn(*Columns());
    const bool editingColumn = Columns()->Exists(SelectedColumn()) &&
                               Columns()->GetItem(SelectedColumn())->Options().Contains(coEditing);
    if (InputSelected() || editingColumn || !searchColumn || RowCount() == 0)
        return;
    FSearchTimer->SetEnabled(false);
    FSearchTimer->SetEnabled(true);
    FSearchBuffer += CodePointToUtf8(key);
    SearchNext(searchColumn->Index(), FSearchBuffer, false);
}

// The selected row is looked at last, so a longer text moves on to a later match when there is one.
bool TGxCustomGrid::SearchNext(int index, const std::string& S, bool fromFirst)
{
    if (RowCount() == 0)
        return false;
    const size_t length = Utf8Length(S);
    auto matches = [&](int row) {
        return GetRowVisible(row) && LocaleCompareText(Utf8Substr(GetCells(index, row), 0, length), S) == 0;
    };
    auto findIn = [&](int from, int to) {
        for (int row = from; row <= to; ++row)
            if (matches(row))
                return row;
        return -1;
    };
    int found = fromFirst ? findIn(0, RowCount() - 1) : findIn(SelectedRow() + 1, RowCount() - 1);
    if (found < 0 && !fromFirst)
        found = findIn(0, SelectedRow());
    if (found < 0)
        return false;
    FLastFoundRow = found;
    SetSelectedRow(found);
    if (UpdateCount() == 0)
        ScrollToRow(found);
    return true;
}

// --- keys from the editor and the keys the grid asks for ---------------------------------------------------

// With goArrowKeyExitEditing an arrow key leaves the editor: the value is written, the editor closed and the
// key moves the selection.
void TGxCustomGrid::ChildKey(TMessage& message)
{
    const auto key = static_cast<uint16_t>(WParamInt(message));
    if (IsArrowKey(key) && FInplaceEdit && FInplaceEdit->CanDispatchKey(key) &&
        Options().Contains(goArrowKeyExitEditing)) {
        ApplyEditing();
        EndEditing();
        uint16_t gridKey = key;
        KeyDown(gridKey, {});
        message.Result = FInplaceEdit ? 0 : 1;
        return;
    }
    TGxCustomGridControl::Dispatch(message);
}

// Arrows and characters always; Tab with WantTabs while there is something to select.
unsigned TGxCustomGrid::DialogCode()
{
    unsigned code = DLGC_WANTARROWS | DLGC_WANTCHARS;
    const bool somethingToSelect = (Columns()->VisibleCount() > 0 && VisibleRows() > 0) || InputSelected();
    if (WantTabs() && somethingToSelect)
        code |= DLGC_WANTTAB;
    return code;
}
