#include "controls/memo/vez_custom_memo.h"

#include "platform/gui/windows/caret.h"
#include "platform/gui/windows/window_functions.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

// A typed character usually changes its own author's line and nothing else: those rows alone are painted
// again, so that typing costs what one line costs however many lines are in view. Whatever else a
// character moves (the view, the rows, a selection, the state the lines below start in) paints everything.
// A line put into the store or added to it paints its rows the same way, and a view that moves scrolls the
// rows that stay in it.

void TVezCustomMemo::AuthorLineRows(int row, int& first, int& last) const
{
    const int count = ActiveLines()->Count();
    first = last = row;
    if (FWordWrap == wwNone)
        return;
    while (first > 0 && IsWrappedLine(first))
        --first;
    while (last + 1 < count && IsWrappedLine(last + 1))
        ++last;
}

std::optional<TVezCustomMemo::TTypingView> TVezCustomMemo::CaptureTypingView()
{
    const int rows = ActiveLines()->Count();
    if (!HandleAllocated() || HasSelection() || FCurY < 0 || FCurY >= rows)
        return std::nullopt;
    TTypingView view{FTopLine, FLeftCol, rows, 0, 0, std::nullopt};
    AuthorLineRows(FCurY, view.FirstRow, view.LastRow);
    if (view.LastRow + 1 < rows)
        view.Below = LineStartState(view.LastRow + 1);
    return view;
}

std::optional<std::pair<int, int>> TVezCustomMemo::RetypedRows(const TTypingView& before)
{
    const int rows = ActiveLines()->Count();
    if (HasSelection() || FTopLine != before.TopLine || FLeftCol != before.LeftCol || rows != before.Rows ||
        FCurY < before.FirstRow || FCurY > before.LastRow)
        return std::nullopt;
    int first = 0, last = 0;
    AuthorLineRows(FCurY, first, last);
    if (first != before.FirstRow || last != before.LastRow)
        return std::nullopt;
    // A character that opens or closes a comment or a string changes every line below.
    if (before.Below && !LineStartState(last + 1).SameStyle(*before.Below))
        return std::nullopt;
    return std::pair{first, last};
}

void TVezCustomMemo::InvalidateRows(int first, int last)
{
    if (!HandleAllocated() || last < FScreenTopLine)
        return;
    // The rows' cells across the whole width, the gutter's part of the rows with them.
    const int topRow = LineIndexToVisIndex(FScreenTopLine);
    TRect rows = CellRect(0, LineIndexToVisIndex(std::max(first, FScreenTopLine)) - topRow);
    if (rows.Top >= ClientHeight())
        return;
    rows.Left = 0;
    rows.Right = ClientWidth();
    if (last == INT_MAX)
        rows.Bottom = ClientHeight();
    else
        rows.Bottom = CellRect(0, LineIndexToVisIndex(last) - topRow).Bottom;
    InvalidateRect(Handle(), &rows, false);
}

void TVezCustomMemo::InvalidateChange()
{
    if (FChangedRows)
        InvalidateRows(FChangedRows->first, FChangedRows->second);
    else
        Invalidate();
}

// --- a change of the lines -------------------------------------------------------------------------------

// A change the store placed (lines put, inserted or removed through it) repaints the rows of those lines and
// the rows whose start state it changed, as long as nothing else moves: no re-wrap, no folded rows, no right
// margin that the line count shows or hides. The view itself may move; SettleView scrolls it.
std::optional<std::pair<int, int>> TVezCustomMemo::RepaintableRows(TObject* sender)
{
    const std::optional<TVezMemoStrings::TChangedRows> rows = ActiveLines()->TakeRepaintRows();
    if (sender != ActiveLines() || !rows || rows->Empty() || FWordWrap != wwNone || !RowsAreLines() ||
        (FShowRightMargin && FRightMargin > 0))
        return std::nullopt;
    return std::pair{rows->First, std::max(rows->Last, FStatesRewrittenTo)};
}

// --- moving the view
// ----------------------------------------------------------------------------------------

bool TVezCustomMemo::RowsAreLines() const
{
    return !FCodeFolding->Enabled() || FCodeFoldingNodeCount <= 0;
}

void TVezCustomMemo::TopLineMoved()
{
    if (!HandleAllocated() || !RowsAreLines()) {
        FScreenTopLine = FTopLine;
        Invalidate();
        return;
    }
    PostMessage(Handle(), WM_SETTLEVIEW, 0, 0);
}

void TVezCustomMemo::SettleView()
{
    const int rows = FTopLine - FScreenTopLine;
    FScreenTopLine = FTopLine;
    if (rows == 0 || !HandleAllocated())
        return;
    // Rows under a folded region or a drop mark do not simply move.
    if (!RowsAreLines() || FDragPos.Y >= 0)
        InvalidateClient();
    else
        ScrollTextRows(rows);
}

// Moves the text area's rows up by rows (down when negative); the rows coming into view are painted.
void TVezCustomMemo::ScrollTextRows(int rows)
{
    const TRect text = GetTextAreaRect();
    const TRect area = Rect(text.Left, CellRect(0, 0).Top, text.Right, text.Bottom);
    const int dy = -rows * FCellSize.H;
    if (FCellSize.H <= 0 || std::abs(dy) >= area.Height()) {
        InvalidateClient();
        return;
    }
    // The caret's pixels move with the text: where they land is painted again.
    TRect caret;
    if (GetCaretRect(Handle(), caret))
        InvalidateRect(Handle(), &caret, false);
    ScrollWindowEx(Handle(), 0, dy, &area, &area, nullptr, nullptr, SW_INVALIDATE);
    // Left of the text the gutter and the folding strip number and mark the rows.
    if (FGutter->Visible() || FCodeFolding->Enabled()) {
        const TRect strip = Rect(0, 0, text.Left, ClientHeight());
        InvalidateRect(Handle(), &strip, false);
    }
}
