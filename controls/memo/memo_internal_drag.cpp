#include "controls/memo/flag_holder.h"
#include "controls/memo/vez_custom_memo.h"
#include "platform/gui/windows/keys.h"
#include "platform/gui/windows/window_functions.h"

#include <algorithm>

// The selection dragged within the memo: a press inside the selection arms the drag, a move starts it (or
// an OLE drag, with OleDropSource), DragOver shows the drop mark and DragDrop moves the text, or copies it
// with Ctrl held. The drop mark, shared with OLE drops, is painted with the rows.

namespace {

// The pixels the mouse moves before the drag of the selection starts.
constexpr int SelectionDragThreshold = 2;

bool CtrlHeld()
{
    return GetKeyState(VK_CONTROL) < 0;
}

// The length of a line without its trailing blanks and control characters.
int TrimmedLength(const TLineText& line)
{
    size_t length = line.size();
    while (length > 0 && line[length - 1] <= U' ')
        --length;
    return static_cast<int>(length);
}

// The text area without its right and bottom edges.
bool InArea(const TRect& area, int x, int y)
{
    return x >= area.Left && x < area.Right && y >= area.Top && y < area.Bottom;
}

} // namespace

void TVezCustomMemo::BeginSelectionDrag()
{
    if (FOleDropSource) {
        DragSelectionOut();
        return;
    }
    if (FDragMode != dmAutomatic || FReadOnly)
        return;
    FSelButtonDown = false;
    BeginDrag(false, SelectionDragThreshold);
    FSelDrag = Dragging(); // not when another drag is under way
}

void TVezCustomMemo::DoEndDrag(TObject* target, int x, int y)
{
    FSelDrag = false;
    DrawDropCaret({}, dsDragLeave);
    TCustomControl::DoEndDrag(target, x, y);
}

// --- the drop mark -----------------------------------------------------------------------------------------

TPoint TVezCustomMemo::DropPosition(TPoint client)
{
    int col = 0, row = 0;
    MouseToCursor(client.X, client.Y, col, row);
    const int line = VisIndexToLineIndex(LineIndexToVisIndex(FTopLine) + std::max(row, 0));
    return {std::max(col, 0) + FLeftCol, line};
}

void TVezCustomMemo::DrawDropCaret(TPoint p, TDragState state)
{
    if (FDragPos.Y >= 0) {
        InvalidateDropMark();
        FDragPos.Y = -1;
    }
    if (state == dsDragLeave)
        return;
    int col = 0, row = 0;
    MouseToCursor(p.X, p.Y, col, row);
    const int count = ActiveLines()->Count();
    const int topRow = LineIndexToVisIndex(FTopLine);
    const int lastRow = count > 0 ? LineIndexToVisIndex(count - 1) - topRow : 0;
    row = std::clamp(row, 0, std::max(lastRow, 0));
    if (!FAutoExpand) {
        const int line = VisIndexToLineIndex(topRow + row);
        const int length = line < count ? TrimmedLength(LineAt(line)) : 0;
        col = std::min(col, length - FLeftCol);
    }
    FDragPos = TCellPos{std::max(col, 0), row};
    InvalidateDropMark();
}

TRect TVezCustomMemo::DropMarkRect() const
{
    const TRect cell = CellRect(FDragPos.X, FDragPos.Y);
    return Rect(cell.Left, cell.Top, cell.Left + 2, cell.Bottom);
}

void TVezCustomMemo::InvalidateDropMark()
{
    if (!HandleAllocated())
        return;
    SettleView(); // the mark where the view shows it now
    const TRect mark = DropMarkRect();
    InvalidateRect(Handle(), &mark, false);
}

void TVezCustomMemo::PaintDropMark(TCanvas& canvas)
{
    if (FDragPos.Y >= 0)
        canvas.DrawFocusRect(DropMarkRect());
}

// --- the class library's drag ------------------------------------------------------------------------------

void TVezCustomMemo::DragOver(TObject* source, int x, int y, TDragState state, bool& accept)
{
    TCustomControl::DragOver(source, x, y, state, accept);
    if (!OnDragOver && source == this && FDragMode == dmAutomatic)
        accept = true;
    if (!accept && state != dsDragLeave)
        return;
    DrawDropCaret({x, y}, InArea(GetTextAreaRect(), x, y) ? state : dsDragLeave);
}

void TVezCustomMemo::DragDrop(TObject* source, int x, int y)
{
    DrawDropCaret({}, dsDragLeave);
    if (FReadOnly)
        return;
    FSelButtonDown = false;
    if (source == this)
        DropSelectionAt(x, y);
    TCustomControl::DragDrop(source, x, y);
}

// The dragged text goes in at the drop point and, unless Ctrl is held, leaves its old place; it ends up
// selected at the new one. A drop onto the dragged text itself, or outside the text, changes nothing.
void TVezCustomMemo::DropSelectionAt(int x, int y)
{
    if (!InArea(GetTextAreaRect(), x, y))
        return;
    const std::string text = Selection();
    const int length = SelLength();
    const TPoint drop = DropPosition({x, y});
    int dropOffset = 0;
    TextFromPos(drop.X, drop.Y, dropOffset);
    const int start = SelStart();
    if (length == 0 || (start < dropOffset && dropOffset < start + length))
        return;
    const bool copy = CtrlHeld();
    const bool before = dropOffset <= start;
    // The lines the caret passes keep their blanks: a record of their trimming would come between the
    // drop's two records, which one undo takes back together.
    TFlagHolder<bool> keepBlanks(FKeepLineBlanks, true);
    if (!copy && before)
        DeleteSelectedText(false);
    const int sx = FSelStartX, sy = FSelStartY, ex = FSelEndX, ey = FSelEndY;
    PlaceCursorAt(x, y, false, {}, mbLeft);
    FSelClick = false; // the next move of the mouse counts again
    ClearSelection();
    int insertAt = 0;
    if (!FAutoExpand)
        TextFromPos(FCurX, FCurY, insertAt);
    SetSelection(text);
    if (FAutoExpand)
        TextFromPos(drop.X, drop.Y, insertAt);
    SetSelectionEnds(sx, sy, ex, ey);
    int newStart = before && !FAutoExpand ? dropOffset : insertAt;
    if (!copy && !before) {
        DeleteSelectedText(false); // the dragged text lay before the drop point
        newStart -= length;
    }
    SetSelStart(newStart);
    SetSelLength(length);
    if (!copy)
        LinkNewestUndo();
    // The caret stands where the text was dropped: after it when it moved forward, else before it.
    int caretX = 0, caretY = 0;
    PosFromText(newStart + (!copy && !before ? length : 0), caretX, caretY);
    SetCurY(caretY);
    SetCurX(caretX);
    SetModified(true);
    Invalidate();
}

// The newest record and the one before it are undone, and redone, as one.
void TVezCustomMemo::LinkNewestUndo()
{
    if (UndoList()->Count() >= 2)
        UndoList()->Get(0)->SetLinkedUndo(true);
}
