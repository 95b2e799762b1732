#include "controls/memo/vez_custom_memo.h"

#include <cmath>

// One row of the gutter as the memo draws it: the line's marker image, its bookmark, its number (or a dash),
// its modified strip, the executable and breakpoint marks and the arrow of the active line. A marker
// takes the first 16 pixels, and the marks after it move right by as much.

namespace {

constexpr int MarkerWidth = 16;

int Scaled(int size, float scale)
{
    return static_cast<int>(std::lrint(size * scale));
}

void UseSolidTools(TCanvas& canvas, TColor brush, TColor pen)
{
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(brush);
    canvas.Pen()->SetColor(pen);
    canvas.Pen()->SetWidth(1);
}

// True when the line has a marker; its image is drawn when there is one to draw.
bool DrawMarker(const TVezCustomMemo& memo, TCanvas& canvas, int line, const TRect& r)
{
    const TVezMarkerList& list = *memo.MarkerList();
    if (!memo.HasMarkers() || !memo.MarkerAtLine(line))
        return false;
    const int image = list.UseDefaultMarkerImageIndex() ? list.DefaultMarkerImageIndex()
                                                        : list.Markers()->GetMarkerImageIndex(line);
    if (image >= 0 && list.MarkerImageList())
        list.MarkerImageList()->Draw(canvas, r.Left + 1, r.Top + 2, image, true);
    return true;
}

void DrawBookmark(const TVezCustomMemo& memo, TCanvas& canvas, int line, const TRect& r)
{
    int index = -1;
    if (!memo.GetBookmarkInfo(line, index))
        return;
    TBitmap* glyph = memo.BookmarkGlyph();
    glyph->SetTransparent(true);
    canvas.Draw(r.Left, r.Top, glyph);
    if (index == -1)
        return;
    canvas.Brush()->SetStyle(bsClear);
    canvas.Font()->SetName("Terminal");
    canvas.Font()->SetSize(Scaled(6, memo.DPIScale()));
    canvas.Font()->SetStyle({});
    canvas.Font()->SetColor(clWhite); // on the glyph's dark ribbon
    canvas.TextOut(r.Left + 3, r.Top + 3, std::to_string(index));
}

// The number of every LineNumberAt-th line and of the caret's line; a short dash on the others.
void DrawLineNumber(const TVezCustomMemo& memo, TCanvas& canvas, int lineNo, const TRect& r)
{
    const TVezGutter& gutter = *memo.Gutter();
    const int n = lineNo + gutter.LineNumberStart();
    int x = 0;
    const std::string text = gutter.GetLineNumberText(n, x) + gutter.NumberSuffix();
    if (n % gutter.LineNumberAt() != 0 && lineNo != memo.GetWrappedLineIndex(memo.CurY())) {
        canvas.Pen()->SetColor(gutter.Font()->Color());
        canvas.Pen()->SetWidth(1);
        canvas.MoveTo(r.Right - 18, r.Top + 4);
        canvas.LineTo(r.Right - 16, r.Top + 4);
        return;
    }
    canvas.Brush()->SetStyle(bsClear);
    canvas.Font()->Assign(gutter.Font());
    canvas.Font()->SetColor(gutter.LineNumberTextColor());
    canvas.Font()->SetSize(Scaled(gutter.Font()->Size(), memo.DPIScale()));
    canvas.TextOut(x, r.Top, text);
}

void DrawModifiedStrip(const TVezCustomMemo& memo, TCanvas& canvas, int line, const TRect& r)
{
    const TVezGutter& gutter = *memo.Gutter();
    const TLineModifiedState state = memo.GetModifiedStateInt(line);
    if (!gutter.ShowModified() || state == lmUnmodified)
        return;
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(state == lmModified ? gutter.ModifiedColor() : gutter.ModifiedColorBkg());
    canvas.FillRect(Rect(r.Right - 5, r.Top, r.Right - 1, r.Bottom));
}

void DrawExecutableMark(TCanvas& canvas, const TRect& r)
{
    UseSolidTools(canvas, clBlue, clNavy);
    canvas.Ellipse(r.Left + 5, r.Top + 8, r.Left + 9, r.Top + 12);
    canvas.Pen()->SetColor(clAqua);
    canvas.MoveTo(r.Left + 6, r.Top + 8);
    canvas.LineTo(r.Left + 4, r.Top + 10);
}

void DrawBreakpoint(TCanvas& canvas, const TRect& r)
{
    UseSolidTools(canvas, clRed, clBlack);
    canvas.Ellipse(r.Left + 2, r.Top + 4, r.Left + 12, r.Top + 14);
}

void DrawActiveLineArrow(TCanvas& canvas, const TRect& r)
{
    UseSolidTools(canvas, clLime, clGray);
    const int x = r.Left, y = r.Top;
    canvas.Polygon({{x + 13, y + 7},
                    {x + 13, y + 11},
                    {x + 16, y + 11},
                    {x + 16, y + 14},
                    {x + 21, y + 9},
                    {x + 16, y + 4},
                    {x + 16, y + 7}});
}

} // namespace

// lineNo counts the author's lines; the marks belong to the stored row the line starts in.
void TVezCustomMemo::PaintGutterLine(TCanvas& canvas, int lineNo, TRect rect)
{
    const int count = ActiveLines()->Count();
    const int line = FWordWrap == wwNone ? lineNo : AuthorLineRow(lineNo);
    if (DrawMarker(*this, canvas, line, rect))
        rect.Left += MarkerWidth;
    DrawBookmark(*this, canvas, line, rect);
    if (FGutter->ShowLineNumbers())
        DrawLineNumber(*this, canvas, lineNo, rect);
    if (line >= count && !(line == 0 && count == 0))
        return;
    DrawModifiedStrip(*this, canvas, line, rect);
    if (GetExecutable(line))
        DrawExecutableMark(canvas, rect);
    if (GetBreakPoint(line))
        DrawBreakpoint(canvas, rect);
    if (FActiveLineSettings->ShowActiveLineIndicator() && lineNo == GetWrappedLineIndex(FActiveLine))
        DrawActiveLineArrow(canvas, rect);
}
