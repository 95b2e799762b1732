#include "controls/memo/vez_custom_memo.h"

#include "controls/memo/flag_holder.h"

#include <algorithm>

// The author's lines behind the rows of word wrap. Undo records name their places by author's line and
// column, because an edit breaks the rows after it again and row numbers then name other text; undo and
// redo run on the unwrapped lines, where rows and author's lines are the same.

int TVezCustomMemo::ParagraphStart(int row) const
{
    while (row > 0 && IsWrappedLine(row))
        --row;
    return row;
}

TAuthorPos TVezCustomMemo::AuthorPos(int x, int y) const
{
    const int count = ActiveLines()->Count();
    if (FWordWrap == wwNone || count == 0 || y < 0 || y >= count)
        return {x, y};
    const int start = ParagraphStart(y);
    int column = x;
    for (int row = start; row < y; ++row)
        column += LineLengthAt(row);
    return {column, GetWrappedLineIndex(start)};
}

int TVezCustomMemo::AuthorLineRow(int authorLine) const
{
    const TVezMemoStrings& lines = *ActiveLines();
    return lines.RowOffsets().RowOfAuthorLine(lines, authorLine);
}

void TVezCustomMemo::RowPos(TAuthorPos pos, int& x, int& y) const
{
    x = pos.X;
    y = pos.Y;
    if (FWordWrap == wwNone)
        return;
    const int count = ActiveLines()->Count();
    y = AuthorLineRow(pos.Y);
    if (y >= count)
        return;
    // The end of a row that a continuation follows is the start of that continuation.
    while (y + 1 < count && IsWrappedLine(y + 1) && x >= LineLengthAt(y)) {
        x -= LineLengthAt(y);
        ++y;
    }
}

std::string TVezCustomMemo::AuthorLineText(int row) const
{
    const TVezMemoStrings& lines = *ActiveLines();
    std::string text = lines.Get(row);
    for (int next = row + 1; next < lines.Count() && IsWrappedLine(next); ++next)
        text += lines.Get(next);
    return text;
}

int TVezCustomMemo::AuthorLineCount() const
{
    const int count = ActiveLines()->Count();
    return count == 0 ? 0 : GetWrappedLineIndex(count - 1) + 1;
}

TVezCustomMemo::TAuthorLinesBefore TVezCustomMemo::CaptureAuthorLines(int firstRow, int lastRow) const
{
    const int count = ActiveLines()->Count();
    TAuthorLinesBefore before;
    if (count == 0)
        return before;
    firstRow = std::clamp(firstRow, 0, count - 1);
    lastRow = std::clamp(lastRow, firstRow, count - 1);
    // One line more above: removing the first row of a wrapped line joins its continuations to the line
    // above.
    int row = ParagraphStart(firstRow);
    if (FWordWrap != wwNone && row > 0)
        row = ParagraphStart(row - 1);
    before.First = AuthorPos(0, row).Y;
    for (; row <= lastRow; ++row) {
        before.Lines.push_back(AuthorLineText(row));
        while (row + 1 < count && IsWrappedLine(row + 1))
            ++row;
    }
    before.LinesBelow = AuthorLineCount() - before.First - static_cast<int>(before.Lines.size());
    return before;
}

void TVezCustomMemo::RecordAuthorLinesChange(const TAuthorLinesBefore& before, TAuthorPos caretBefore)
{
    std::vector<std::string> after;
    const int last = AuthorLineCount() - before.LinesBelow;
    for (int row = AuthorLineRow(before.First), line = before.First; line < last; ++line) {
        after.push_back(AuthorLineText(row));
        ++row;
        while (row < ActiveLines()->Count() && IsWrappedLine(row))
            ++row;
    }
    const TAuthorPos caret = AuthorPos(FCurX, FCurY);
    UndoList()->Add(
        new TBlockUndo(caretBefore.X, caretBefore.Y, caret.X, caret.Y, before.First, before.Lines, after));
}

void TVezCustomMemo::RunOnAuthorLines(const std::function<void()>& step)
{
    if (FWordWrap == wwNone) {
        step();
        return;
    }
    UnwrapLines();
    try {
        TFlagHolder<TWordWrapStyle> unwrapped(FWordWrap, wwNone);
        TFlagHolder<bool> noRefresh(FLetRefresh, false);
        step();
    } catch (...) {
        WrapLines();
        throw;
    }
    WrapLines();
    LinesChanged(this);
}
