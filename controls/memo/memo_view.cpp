#include "controls/memo/vez_custom_memo.h"

#include "platform/gui/windows/caret.h"
#include "platform/gui/windows/window_functions.h"

#include <algorithm>

// The window onto the lines: the first line and column shown, keeping the cursor in view, the caret's
// place, the wheel, and the layout after a change of size.

namespace {

// The wheel moves this many rows per notch, whatever the desktop's setting.
constexpr int WheelRows = 4;

} // namespace

void TVezCustomMemo::SetTopLine(int value)
{
    if (value == FTopLine)
        return;
    const int count = ActiveLines()->Count();
    if (count < VisibleLineCount()) {
        // A short document never scrolls: the request sends the cursor home instead.
        SetCurY(0);
        SetCurX(0);
        return;
    }
    if (value < 0)
        return;
    if (value < count)
        FTopLine = value;
    else if (!FCodeFolding->Enabled())
        FTopLine = std::max(count - 1, 0);
    else
        FTopLine = std::max(VisIndexToLineIndex(LastRow() - VisibleLineCount() + 1), 0);
    sbVert->SetPosition(LineIndexToVisIndex(FTopLine));
    TopLineMoved();
    if (FCaretVisible)
        UpdateCaret(true);
    FireTopLeftChanged();
}

void TVezCustomMemo::SetLeftCol(int value)
{
    if (value < 0 || value == FLeftCol)
        return;
    FLeftCol = value;
    sbHorz->SetPosition(value);
    Invalidate();
    FireTopLeftChanged();
}

void TVezCustomMemo::MakeCursorVisible()
{
    const int leftCol = FLeftCol;
    const int topLine = FTopLine;
    bool cursorHeld = false; // kept at the view's edge instead of scrolling (smStrict)
    if (FCurX < FLeftCol)
        FLeftCol = std::max(FCurX - 2, 0);
    const int lastColumn = GetVisibleCount(2);
    if (FCurX > lastColumn + 1) {
        if (HorzBarWanted() || FScrollMode == smAuto) {
            FLeftCol = std::max(FLeftCol + FCurX - lastColumn + 2, 0);
        } else {
            SetCurX(lastColumn);
            cursorHeld = true;
        }
    }
    if (FCurY < FTopLine)
        FTopLine = std::max(FCurY, 0);
    const int lastLine = GetVisibleCount(3);
    if (FCurY > lastLine) {
        if (VertBarWanted() || FScrollMode == smAuto) {
            if (FCodeFolding->Enabled())
                FTopLine = VisIndexToLineIndex(LineIndexToVisIndex(FTopLine) + LineIndexToVisIndex(FCurY) -
                                               LineIndexToVisIndex(lastLine));
            else
                FTopLine += FCurY - lastLine;
        } else {
            SetCurY(lastLine);
            cursorHeld = true;
        }
    }
    if (FLeftCol != leftCol || cursorHeld)
        Invalidate();
    else if (FTopLine != topLine)
        TopLineMoved();
}

void TVezCustomMemo::UpdateCaret(bool show)
{
    if (!show) {
        if (FCaretVisible && HandleAllocated())
            HideCaret(Handle());
        FCaretVisible = false;
        return;
    }
    if (!Focused() || FHiddenCaret || !HandleAllocated())
        return;
    const TRect cell = CellRect(FCurX - FLeftCol, LineIndexToVisIndex(FCurY) - LineIndexToVisIndex(FTopLine));
    const TPoint place{cell.Left, cell.Top + 1};
    if (place.X != FCaretX || place.Y != FCaretY)
        SetCaretPos(place.X, place.Y);
    FCaretX = place.X;
    FCaretY = place.Y;
    ShowCaret(Handle());
    FCaretVisible = true;
}

bool TVezCustomMemo::DoMouseWheelDown(TShiftState shift, TPoint mousePos)
{
    TCustomControl::DoMouseWheelDown(shift, mousePos);
    // A document shorter than the view does not scroll (setting its top line would send the cursor home).
    const bool scrolls = ActiveLines()->Count() >= VisibleLineCount();
    if (scrolls && LineIndexToVisIndex(FTopLine) < LineIndexToVisIndex(ActiveLines()->Count()))
        SetTopLine(VisIndexToLineIndex(LineIndexToVisIndex(FTopLine) + WheelRows));
    UpdateCaret(true);
    return true;
}

bool TVezCustomMemo::DoMouseWheelUp(TShiftState shift, TPoint mousePos)
{
    TCustomControl::DoMouseWheelUp(shift, mousePos);
    const int row = LineIndexToVisIndex(FTopLine);
    if (ActiveLines()->Count() >= VisibleLineCount()) {
        if (row > WheelRows)
            SetTopLine(VisIndexToLineIndex(row - WheelRows));
        else
            SetTopLine(0);
    }
    UpdateCaret(true);
    return true;
}

void TVezCustomMemo::Resize()
{
    TCustomControl::Resize();
    UpdateLayout();
}

void TVezCustomMemo::UpdateLayout()
{
    if (FConstructing || ComponentState().Contains(csDestroying))
        return;
    const int selStart = SelStart();
    const int selLength = SelLength();
    int keptTop = FTopLine;
    int offset = 0;
    TextFromPos(FCurX, FCurY, offset);
    const int countBefore = ActiveLines()->Count();
    UpdateWrap();
    // The cursor stays on its character however the rows were broken again.
    int x = 0, y = 0;
    PosFromText(offset, x, y);
    SetCursor(x, y);
    if (FWordWrap != wwClientWidth)
        UpdateScrollBars(false);
    UpdateGutterHeight();
    SetSelStart(selStart);
    SetSelLength(selLength);
    MakeCursorVisible();
    if (ActiveLines()->Count() == countBefore || FWordWrap == wwNone) {
        const int n = ActiveLines()->Count();
        const int visible = VisibleLineCount();
        if (n < visible) {
            FTopLine = 0; // a short document shows from its start; the cursor stays where it is
        } else {
            if (n - visible < keptTop && visible < n)
                keptTop = n - visible; // the last page stays full
            SetTopLine(keptTop);
        }
    }
    if (!sbVert->Visible())
        FTopLine = 0;
    Invalidate();
}

void TVezCustomMemo::UpdateGutterHeight()
{
    const TRect text = GetTextAreaRect();
    FGutter->Height = text.Bottom - text.Top + 1;
}

void TVezCustomMemo::SetActiveLine(int value)
{
    FActiveLine = value;
    if (FActiveLineSettings->ShowActiveLineIndicator() && !FActiveLineSettings->ShowActiveLine() &&
        FGutter->Visible())
        InvalidateGutter();
    if (!FActiveLineSettings->ShowActiveLine())
        return;
    MakeCursorVisible();
    if (FActiveLine > FTopLine + VisibleLineCount() || FActiveLine < FTopLine) {
        const int count = ActiveLines()->Count();
        const int top = value == count - 1 ? count - VisibleLineCount() : value;
        SetTopLine(std::max(top, 0));
    }
    InvalidateClient();
}

void TVezCustomMemo::ClearCachedStyles(int fromLine, int toLine)
{
    for (int line = fromLine; line <= toLine; ++line)
        if (TLineProp* prop = ActiveLines()->GetLineProp(line))
            prop->CachedStyle = false;
}

void TVezCustomMemo::InvalidateGutter()
{
    if (!HandleAllocated())
        return;
    const TRect strip = Rect(0, 0, FGutter->Width, Height());
    InvalidateRect(Handle(), &strip, false);
}

void TVezCustomMemo::UpdateMaxLength()
{
    const TVezMemoStrings& lines = *ActiveLines();
    if (lines.ListLengths().Count() == lines.Count())
        FMaxLength = lines.ListLengths().Largest();
}
