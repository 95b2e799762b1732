#include "controls/memo/vez_custom_memo.h"

// The text area and its grid of character cells, and the conversions between client pixels and columns
// and rows.

TRect TVezCustomMemo::GetTextAreaRect() const
{
    const bool gutterShown = FGutter->Visible() && FGutter->GutterWidth() > 2;
    TRect r;
    r.Left = (gutterShown ? FGutter->GutterWidth() + 2 : 2) + FMargin;
    r.Top = 2;
    r.Right = Width() - 2;
    if (VertBarWanted() && sbVert->Visible())
        r.Right -= sbVert->Width();
    r.Bottom = Height() - 2;
    if (HorzBarWanted() && sbHorz->Visible())
        r.Bottom -= sbHorz->Height();
    const int grow = FBorderStyle == bsNone ? 2 : (!FCtl3D ? 1 : 0);
    r.Left -= grow;
    r.Top -= grow;
    r.Right += grow;
    r.Bottom += grow;
    if (FCodeFolding->Enabled() && FCodeFoldingNodeCount > 0)
        r.Left += 16; // the folding strip
    return r;
}

TRect TVezCustomMemo::CellRect(int col, int row) const
{
    const TRect text = GetTextAreaRect();
    const int left = text.Left + col * FCellSize.W;
    const int top = text.Top + 1 + row * FCellSize.H;
    return Rect(left, top, left + FCellSize.W, top + FCellSize.H);
}

TRect TVezCustomMemo::LineRect(int visRow) const
{
    const TRect text = GetTextAreaRect();
    const int top = text.Top + (visRow - LineIndexToVisIndex(FTopLine)) * FCellSize.H;
    return Rect(text.Left, top, text.Right, top + FCellSize.H);
}

int TVezCustomMemo::GetVisibleCount(int index) const
{
    if (FCellSize.W == 0 || FCellSize.H == 0)
        return 0;
    const TRect text = GetTextAreaRect();
    const TPoint last{text.Right - 1, text.Bottom - 1};
    switch (index) {
    case 0:
        return (last.X - text.Left + FCellSize.W / 2) / FCellSize.W;
    case 1:
        return (last.Y - text.Top) / FCellSize.H;
    case 2:
        return (last.X - text.Left) / FCellSize.W + FLeftCol - 1;
    default:
        return VisIndexToLineIndex(LineIndexToVisIndex(FTopLine) + (last.Y - text.Top) / FCellSize.H) - 1;
    }
}

void TVezCustomMemo::MouseToCursor(int x, int y, int& cursorX, int& cursorY)
{
    if (FCellSize.H == 0)
        MeasureCharCell();
    if (FCellSize.W == 0 || FCellSize.H == 0) {
        cursorX = cursorY = 0;
        return;
    }
    const TRect text = GetTextAreaRect();
    // Rounded to the nearest cell boundary: a click on a character's right half lands after it.
    cursorX = (x + FCellSize.W / 2 - text.Left) / FCellSize.W;
    cursorY = (y - text.Top) / FCellSize.H;
}

TFullPos TVezCustomMemo::CharFromPos(int x, int y)
{
    if (FCellSize.H == 0)
        MeasureCharCell();
    if (FCellSize.W == 0 || FCellSize.H == 0)
        return {1, 1};
    const TRect text = GetTextAreaRect();
    TFullPos pos;
    pos.Pos = (x - text.Left) / FCellSize.W + FLeftCol;
    pos.LineNo = VisIndexToLineIndex(LineIndexToVisIndex(FTopLine) + (y - text.Top) / FCellSize.H);
    return pos;
}

int TVezCustomMemo::LastRow() const
{
    return LineIndexToVisIndex(ActiveLines()->Count() - 1);
}
