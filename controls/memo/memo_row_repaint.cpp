#include "controls/memo/vez_custom_memo.h"

#include "platform/gui/windows/window_functions.h"

#include <algorithm>

// A typed character usually changes its own author's line and nothing else: those rows alone are painted
// again, so that typing costs what one line costs however many lines are in view. Whatever else a
// character moves (the view, the rows, a selection, the state the lines below start in) paints everything.

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
    if (!HandleAllocated())
        return;
    // The rows' cells across the whole width, the gutter's part of the rows with them.
    for (int line = std::max(first, FTopLine); line <= last; ++line) {
        TRect row = CellRect(0, LineIndexToVisIndex(line) - LineIndexToVisIndex(FTopLine));
        if (row.Top >= ClientHeight())
            break;
        row.Left = 0;
        row.Right = ClientWidth();
        InvalidateRect(Handle(), &row, false);
    }
}

void TVezCustomMemo::InvalidateChange()
{
    if (FChangedRows)
        InvalidateRows(FChangedRows->first, FChangedRows->second);
    else
        Invalidate();
}
