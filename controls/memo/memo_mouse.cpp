#include "controls/memo/vez_custom_memo.h"

#include "controls/memo/flag_holder.h"
#include "platform/gui/windows/message_views.h"

#include <algorithm>

// The mouse: a click places the caret (on a character's right half after it), dragging selects, a double
// click selects a word, and a click on a URL that did not move opens it on the release. A press inside the
// selection keeps it for a drag; released without one, it places the caret.

namespace {

// Points on a rectangle's right and bottom edges count as inside here.
bool Inside(const TRect& rect, int x, int y)
{
    return rect.Left <= x && x <= rect.Right && rect.Top <= y && y <= rect.Bottom;
}

} // namespace

bool TVezCustomMemo::InGutter(int x, int y) const
{
    return FGutter->Visible() && Inside(FGutter->FullRect(), x, y);
}

void TVezCustomMemo::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseDown(button, shift, x, y);
    FSelButtonDown = false;
    FURLPress.reset();
    if (!Focused() && CanFocus())
        SetFocus();
    const bool inGutter = InGutter(x, y);
    const int line = inGutter ? CharFromPos(x, y).LineNo : -1;
    const bool lineExists = line >= 0 && line < ActiveLines()->Count();
    if (button == mbRight && inGutter && OnGutterRightClick && lineExists)
        OnGutterRightClick(this, line);
    if (button != mbLeft)
        return;
    if (inGutter && lineExists)
        DoGutterClick(line);
    const int oldTop = FTopLine;
    PlaceCursorAt(x, y, true, shift, button);
    const bool inFold = FCodeFolding->Enabled() && Inside(GetFoldingColumnRect(), x, y);
    if (FActiveLineSettings->ActiveLineAtCursor() && !inGutter && !inFold)
        SetActiveLine(FCurY);
    if (inFold)
        FoldingStripClick(CharFromPos(x, y).LineNo, oldTop);
}

// A click in the folding strip opens or closes the node of the line and leaves the view where it was.
void TVezCustomMemo::FoldingStripClick(int line, int oldTop)
{
    const TLineProp* prop = ActiveLines()->GetLineProp(line);
    if (line < 0 || line >= ActiveLines()->Count() || !prop)
        return;
    SetCurY(line);
    int offset = 0;
    TextFromPos(FCurX, FCurY, offset);
    SetSelStart(offset);
    SetSelLength(0);
    ToggleNode(line);
    if (FActiveLineSettings->ActiveLineAtCursor())
        FActiveLine = FCurY;
    SetTopLine(oldTop);
    if (OnCodeFold)
        OnCodeFold(this, line, prop->Expanded());
}

void TVezCustomMemo::PlaceCursorAt(int x, int y, bool down, TShiftState shift, TMouseButton button)
{
    if (!Inside(GetTextAreaRect(), x, y))
        return;
    FBlockSelection = TRect();
    if (FSelectionMode == smBlock)
        Repaint();
    int col = 0, row = 0;
    MouseToCursor(x, y, col, row);
    int pos = 0;
    TextFromPos(col + FLeftCol, row + FTopLine, pos);
    if (down && SelStart() < pos && pos < SelStart() + SelLength()) {
        FSelButtonDown = true; // a drag of the selection may start
        return;
    }
    UpdateCaret(false);
    col = std::max(col, 0);
    row = std::max(row, 0);
    const int count = ActiveLines()->Count();
    const int line =
        std::clamp(VisIndexToLineIndex(LineIndexToVisIndex(FTopLine) + row), 0, std::max(count - 1, 0));
    FSelClick = true;
    const int oldLine = FCurY;
    FCursorChangedTrigered = false;
    if (line != FCurY) {
        // The column is the clicked line's: the line left behind keeps its text.
        FCurX = 0;
        SetCurY(line);
    }
    SetCurX(col + FLeftCol);
    if (line != oldLine) {
        if (FActiveLineSettings->ActiveLineAtCursor()) {
            SetActiveLine(FCurY);
            DoActiveLineChange(FCurY);
        }
        if (!FCursorChangedTrigered)
            DoCursorChange();
        if (FGutter->LineNumberAt() != 1)
            InvalidateGutter();
    }
    MakeCursorVisible();
    if (line != oldLine && FTrimTrailingSpaces && FWordWrap == wwNone && !FReadOnly &&
        oldLine < ActiveLines()->Count()) {
        TFlagHolder<bool> noRefresh(FLetRefresh, false);
        ActiveLines()->Put(oldLine, TrimmedLine(oldLine, true));
    }
    if (!down || button != mbLeft) {
        UpdateCaret(true);
        return;
    }
    if (shift.Contains(ssShift))
        ExtendSelection();
    else
        ClearSelection();
    FLeftButtonDown = true;
    // A URL opens when this press ends without the pointer having moved to another character.
    if (FCurY < ActiveLines()->Count())
        FURLPress = TPoint{col, row};
}

void TVezCustomMemo::MouseMove(TShiftState shift, int x, int y)
{
    TCustomControl::MouseMove(shift, x, y);
    int col = 0, row = 0;
    MouseToCursor(x, y, col, row);
    if (FURLPress && (FURLPress->X != col || FURLPress->Y != row))
        FURLPress.reset();
    if (FSelClick) {
        FSelClick = false;
        return;
    }
    const int column = std::max(FLeftCol + col, 0);
    const int line = std::max(FTopLine + row, 0);
    if (FSelButtonDown)
        BeginSelectionDrag();
    UpdatePointerShape(column, line);
    if (shift.Contains(ssLeft) && FLeftButtonDown && !FSelButtonDown && !FSelClick)
        DragSelect(col, row);
}

void TVezCustomMemo::UpdatePointerShape(int column, int line)
{
    if (line < ActiveLines()->Count() && IsURLAtPos(ActiveLines()->Get(line), column)) {
        if (Cursor() != crHandPoint)
            FOldCursor = Cursor();
        TCustomControl::SetCursor(crHandPoint);
    } else {
        TCustomControl::SetCursor(FOldCursor);
    }
    int x1, y1, x2, y2;
    OrderedSelection(x1, y1, x2, y2);
    const bool inSelection =
        (line > y1 || (line == y1 && column >= x1)) && (line < y2 || (line == y2 && column <= x2));
    if (HasSelection() && inSelection && FDragMode == dmAutomatic && Cursor() != crHandPoint)
        TCustomControl::SetCursor(crDefault);
}

// Selecting by dragging: the caret follows the pointer within the lines' text; below the last line it
// goes to the last line's end, left of the text to column 0.
void TVezCustomMemo::DragSelect(int col, int row)
{
    const int count = ActiveLines()->Count();
    const int line = VisIndexToLineIndex(LineIndexToVisIndex(FTopLine) + row);
    SetCurY(line);
    if (FSelectionMode == smBlock) {
        const int column = col + FLeftCol;
        FBlockSelection =
            Rect(std::min(column, FSelStartX), std::min(FCurY, FSelStartY), std::max(column, FSelStartX),
                 std::min(std::max(FCurY, FSelStartY), count - 1));
        Repaint();
        SetCurX(column);
    } else if (col < 0) {
        SetCurX(0);
        SetLeftCol(0);
    } else if (line >= count) {
        SetCurX(LineLengthAt(FCurY));
    } else {
        SetCurX(std::min(col + FLeftCol, LineLengthAt(FCurY)));
    }
    if (FCurX != FSelEndX || FCurY != FSelEndY)
        ExtendSelection();
}

void TVezCustomMemo::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseUp(button, shift, x, y);
    if (button == mbLeft)
        UpdateCaret(true);
    FLeftButtonDown = false;
    if (FSelButtonDown && !FSelDrag) {
        ClearSelection();
        FSelButtonDown = false;
        PlaceCursorAt(x, y, false, shift, button);
    }
    if (button == mbLeft && FURLPress) {
        FURLPress.reset();
        ClickURL(ActiveLines()->Get(FCurY));
    }
}

// The second press of a double click: the word at the caret is selected (no second MouseDown runs).
void TVezCustomMemo::WMLButtonDblClk(TMessage& message)
{
    const TMouseView mouse(message);
    const int x = mouse.Pos.X, y = mouse.Pos.Y;
    if (OnGutterDblClick && InGutter(x, y)) {
        const int line = CharFromPos(x, y).LineNo;
        if (line >= 0 && line < ActiveLines()->Count())
            OnGutterDblClick(this, line);
    }
    if ((FGutter->Visible() && x < FGutter->GutterWidth()) || !Inside(GetTextAreaRect(), x, y))
        return;
    DblClick();
    if (x > Width() || ActiveLines()->Count() == 0)
        return;
    const TLineText s = LineAt(FCurY);
    if (FCurX >= static_cast<int>(s.size()) || IsDelimiter(s[static_cast<size_t>(FCurX)])) {
        DoubleClickBesideWord();
        return;
    }
    if (ShowsNodeCaption(FCurY))
        SetExpandNode(FCurY, true);
    ClearSelection();
    int start = FCurX;
    while (start > 0 && !IsDelimiter(s[static_cast<size_t>(start - 1)]))
        --start;
    int end = FCurX;
    while (end < static_cast<int>(s.size()) && !IsDelimiter(s[static_cast<size_t>(end)]))
        ++end;
    if (start < end) {
        FSelStartX = start;
        FSelStartY = FCurY;
        SetCurX(end);
        FSelEndX = FPrevSelX = end;
        FSelEndY = FPrevSelY = FCurY;
    }
    DoSelectionChange();
    Repaint();
}
