#include "controls/memo/vez_custom_memo.h"

#include <algorithm>

// Positions and text offsets, and reading the selection. An offset counts every line break as two
// characters and none between a line and its wrap continuation.

void TVezCustomMemo::TextFromPos(int x, int y, int& textPos) const
{
    const TVezMemoStrings& lines = *ActiveLines();
    int sum = lines.RowOffsets().OffsetBefore(lines, y);
    if (y >= 0 && y < lines.Count())
        sum += std::min(x, LineLengthAt(y));
    textPos = sum;
}

void TVezCustomMemo::PosFromText(int textPos, int& x, int& y) const
{
    const TVezMemoStrings& lines = *ActiveLines();
    x = y = 0;
    if (lines.Count() == 0 || textPos < 0)
        return;
    const TRowOffsets& offsets = lines.RowOffsets();
    const int row = offsets.RowAtOffset(lines, textPos);
    if (row < lines.Count()) {
        x = textPos - offsets.OffsetBefore(lines, row);
        y = row;
        return;
    }
    // An offset at or past the end of the text stands at its end.
    y = lines.Count() - 1;
    x = LineLengthAt(y);
}

void TVezCustomMemo::OrderedSelection(int& x1, int& y1, int& x2, int& y2) const
{
    x1 = FSelStartX;
    y1 = FSelStartY;
    x2 = FSelEndX;
    y2 = FSelEndY;
    if (y2 < y1 || (y2 == y1 && x2 < x1)) {
        std::swap(x1, x2);
        std::swap(y1, y2);
    }
}

int TVezCustomMemo::SelStart() const
{
    if (ActiveLines()->Count() == 0)
        return 0;
    int x1, y1, x2, y2;
    OrderedSelection(x1, y1, x2, y2);
    const TVezMemoStrings& lines = *ActiveLines();
    return lines.RowOffsets().OffsetBefore(lines, y1) + x1;
}

void TVezCustomMemo::SetSelStart(int value)
{
    const int length = SelLength();
    PosFromText(value, FSelStartX, FSelStartY);
    PosFromText(value + length, FSelEndX, FSelEndY);
    Invalidate();
}

int TVezCustomMemo::SelLength() const
{
    return LineLength(Selection());
}

void TVezCustomMemo::SetSelLength(int value)
{
    PosFromText(SelStart() + value, FSelEndX, FSelEndY);
    Invalidate();
}

std::string TVezCustomMemo::BlockSelectionText() const
{
    const TRect& block = FBlockSelection;
    const int width = std::max(block.Right - block.Left, 0);
    std::string text;
    for (int line = block.Top; line <= block.Bottom; ++line)
        text += EncodeLine(PaddedTo(Columns(LineAt(line), block.Left, width), width)) + "\r\n";
    return text;
}

std::string TVezCustomMemo::Selection() const
{
    if (ActiveLines()->Count() == 0)
        return {};
    if (FSelectionMode == smBlock)
        return BlockSelectionText();
    int x1, y1, x2, y2;
    OrderedSelection(x1, y1, x2, y2);
    if (x1 == x2 && y1 == y2)
        return {};
    if (y1 == y2)
        return EncodeLine(Columns(LineAt(y1), x1, x2 - x1));
    std::string text = EncodeLine(Columns(LineAt(y1), x1));
    for (int line = y1 + 1; line < y2; ++line)
        text += (IsWrappedLine(line) ? "" : "\r\n") + ActiveLines()->Get(line);
    return text + (IsWrappedLine(y2) ? "" : "\r\n") + EncodeLine(Columns(LineAt(y2), 0, x2));
}

void TVezCustomMemo::SetSelectionMode(TSelectionMode value)
{
    if (value == FSelectionMode)
        return;
    FBlockSelection = TRect();
    FSelStartX = FSelStartY = FSelEndX = FSelEndY = 0;
    FSelectionMode = value;
    Repaint();
}

void TVezCustomMemo::SelectAll()
{
    FSelStartX = FSelStartY = 0;
    const TVezMemoStrings& lines = *ActiveLines();
    if (lines.Count() > 0) {
        FSelEndY = lines.Count() - 1;
        FSelEndX = LineLengthAt(FSelEndY);
    }
    Invalidate();
    if (OnSelectionChange)
        OnSelectionChange(this);
}

void TVezCustomMemo::SetCursor(int curX, int curY)
{
    ClearSelection();
    SetSelStart(0);
    SetSelLength(0);
    FCurX = 0;
    SetCurY(curY);
    SetCurX(curX);
}
