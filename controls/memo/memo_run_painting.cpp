#include "controls/memo/vez_custom_memo.h"

#include "controls/memo/memo_drawing.h"
#include "platform/gui/graphics/gdi.h"

#include <algorithm>
#include <limits>

// Runs as pixels: a painted row is drawn into the one-row line bitmap, each run cut at the selection, each
// character in its own cell, and the row's tail, marks and margin after the last run; then the bitmap is
// copied onto the control in one go.

namespace {

// A single text-drawing call draws at most this wide; longer text goes in pieces of PieceLength.
constexpr int MaxTextWidth = 32768;
constexpr int PieceLength = 1000;

} // namespace

void DrawWavyLine(TCanvas& canvas, const TRect& rect)
{
    canvas.Pen()->SetColor(clRed);
    canvas.Pen()->SetWidth(1);
    int x = rect.Left / 2 * 2;
    int d = x % 4 == 0 ? 2 : 0;
    canvas.MoveTo(x, rect.Bottom + d - 1);
    while (x < rect.Right) {
        d = d == 2 ? 0 : 2;
        canvas.LineTo(x + 2, rect.Bottom + d - 1);
        x += 2;
    }
}

void TVezCustomMemo::SplitBySelection(const TLineText& text, int column, TLineText& before, TLineText& sel,
                                      TLineText& after) const
{
    const TLineRender& r = FRender;
    const int n = static_cast<int>(text.size());
    const int line = r.LineIndex;
    before = text;
    sel.clear();
    after.clear();
    if (FSelectionMode == smBlock) {
        const TRect& block = FBlockSelection;
        if (block.Left == block.Right || line < block.Top || line > block.Bottom || column + n < block.Left ||
            block.Right < column)
            return;
        const int a = block.Left < column ? 0 : block.Left - column;
        const int b = block.Left < column ? block.Right - column : block.Right - block.Left;
        before = Columns(text, 0, a);
        sel = Columns(text, a, std::max(b, 0));
        after = Columns(text, a + std::max(b, 0));
        return;
    }
    if (FHideSelection && !Focused())
        return;
    if (line < r.SelY1 || line > r.SelY2)
        return;
    int s = 0, e = 0;
    if (r.SelY1 < line && line < r.SelY2) {
        e = n;
    } else if (r.SelY1 == r.SelY2) {
        if (r.SelX1 == r.SelX2 || column + n <= r.SelX1)
            return;
        if (r.SelX2 <= column) {
            before.clear();
            after = text;
            return;
        }
        s = r.SelX1 - column;
        e = r.SelX2 - column;
    } else if (line == r.SelY1) {
        s = r.SelX1 - column;
        e = n;
    } else {
        e = r.SelX2 - column;
    }
    s = std::clamp(s, 0, n);
    e = std::clamp(e, 0, n);
    before = Columns(text, 0, s);
    sel = Columns(text, s, std::max(e - s, 0));
    after = Columns(text, std::max(e, s));
}

void TVezCustomMemo::PaintRun(const TLineText& text, const TStyle& style)
{
    TLineRender& r = FRender;
    TCanvas& canvas = *r.Canvas;
    const TRunLook look = RunLook(style, true, false);
    canvas.Font()->SetColor(look.Text);
    const bool plainBold = look.Style.Contains(fsBold) && BoldLeavesTheCell();
    canvas.Font()->SetStyle(plainBold ? look.Style - TFontStyles{fsBold} : look.Style);
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(look.Back);
    TLineText before, sel, after;
    SplitBySelection(text, r.Column, before, sel, after);
    // A matched block word is marked where its run starts (columns of the line, whatever is scrolled).
    const int line = r.LineIndex;
    if (FBlockShow &&
        ((line == BSSelLine && r.Column == BSSelStart) || (line == BESelLine && r.Column == BESelStart)))
        canvas.Brush()->SetColor(FBlockColor);
    PaintRunPart(before);
    if (!sel.empty()) {
        const bool breakpoint = IsBreakpointLine(line);
        if (breakpoint || IsActiveLineShown(line))
            canvas.Font()->SetColor(breakpoint ? FBreakpointTextColor : FSelColor);
        else if (r.Mode == 0)
            canvas.Font()->SetColor(FSelColor);
        canvas.Brush()->SetStyle(bsSolid);
        canvas.Brush()->SetColor(FSelBkColor);
        PaintRunPart(sel);
    }
    if (!after.empty()) {
        canvas.Font()->SetColor(look.Text);
        canvas.Brush()->SetStyle(bsSolid);
        canvas.Brush()->SetColor(look.Back);
        PaintRunPart(after);
    }
}

void TVezCustomMemo::PaintRunPart(const TLineText& part)
{
    if (part.empty())
        return;
    TLineRender& r = FRender;
    TCanvas& canvas = *r.Canvas;
    const int n = static_cast<int>(part.size());
    const int x = r.Token.Left;
    const TColor back = canvas.Brush()->Color();
    if (back != clNone) {
        canvas.Pen()->SetColor(back);
        canvas.FillRect(Rect(x, r.Token.Top, x + n * FCellSize.W, r.Token.Bottom));
    }
    DrawLineMargin(x, x + n * r.CharWidth);
    canvas.Brush()->SetStyle(bsClear);
    DrawTokenText(part, r.Token);
    r.Token.Left += n * r.CharWidth;
}

void TVezCustomMemo::DrawTokenText(const TLineText& text, const TRect& rect)
{
    TLineRender& r = FRender;
    TCanvas& canvas = *r.Canvas;
    const int cw = std::max(r.CharWidth, 1);
    int first = 0;
    int last = static_cast<int>(text.size());
    if (r.Mode == 0 || r.Mode == 3) {
        // Only the characters that fall on the line bitmap are drawn.
        const int width = FLineBitmap->Width();
        first = std::clamp(-rect.Left / cw, 0, last);
        last = std::clamp((width - rect.Left + cw - 1) / cw, first, last);
    }
    const auto draw = [&](int from, int count) {
        const std::string piece = EncodeLine(
            std::u32string_view(text).substr(static_cast<size_t>(from), static_cast<size_t>(count)));
        const std::vector<int> advances(static_cast<size_t>(count), cw);
        ExtTextOut(canvas, rect.Left + from * cw, rect.Top, 0, nullptr, piece, advances);
    };
    if ((last - first) * cw < MaxTextWidth) {
        if (last > first)
            draw(first, last - first);
        return;
    }
    for (int from = first; from < last; from += PieceLength)
        draw(from, std::min(PieceLength, last - from));
}

void TVezCustomMemo::DrawLineMargin(int x, int next)
{
    if (FRightMargin <= 0 || !FShowRightMargin)
        return;
    TLineRender& r = FRender;
    int m = (FRightMargin - FLeftCol) * FCellSize.W - (FGutter->Visible() ? FGutter->Width : 0);
    if (FCodeFolding->Enabled() && FCodeFoldingNodeCount > 0)
        m -= 16;
    const int at = r.TextArea.Left + m;
    if (x >= at)
        return;
    TCanvas& canvas = *r.Canvas;
    canvas.Pen()->SetColor(FRightMarginColor);
    // A part that ends left of the margin is followed by a part or the row's tail that draws the same opaque
    // line again over whatever this part paints: the line is stroked once, by the last of them. The pen is
    // left as the drawing would leave it.
    if (next < at) {
        canvas.MoveTo(at, r.Token.Bottom);
        return;
    }
    canvas.Pen()->SetWidth(2);
    canvas.MoveTo(at, r.Token.Top);
    canvas.LineTo(at, r.Token.Bottom);
    canvas.Pen()->SetWidth(1);
}

void TVezCustomMemo::PaintLineTail()
{
    TLineRender& r = FRender;
    TCanvas& canvas = *r.Canvas;
    const int line = r.LineIndex;
    TColor tail = FBkColor;
    if (IsBreakpointLine(line))
        tail = FBreakpointColor;
    else if (IsActiveLineShown(line))
        tail = FActiveLineSettings->ActiveLineColor();
    else if (r.LineBk != clNone)
        tail = r.LineBk;
    const int x = r.Token.Left;
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(tail);
    canvas.Pen()->SetColor(tail);
    if (tail != clNone)
        canvas.FillRect(Rect(x, r.Token.Top, r.Token.Right, r.Token.Bottom));
    DrawLineMargin(x, std::numeric_limits<int>::max());
    DrawCollapsedNodeBox(canvas);
    DrawLineMarks(canvas);
    if (r.Mode == 2)
        return;
    // The last row is cut at the text area's bottom, unless the program's own style paints the memo.
    const int height = r.Mode != 0          ? r.Place.Height()
                       : FUsePlatformStyles ? r.Row.Height()
                                            : std::min(r.Row.Height(), r.TextArea.Bottom - r.Row.Top);
    const int width = r.Mode == 0 ? FLineBitmap->Width() : r.Place.Width();
    if (height > 0)
        BitBlt(*r.Target, r.Place.Left, r.Place.Top, width, height, canvas, 0, 0, SRCCOPY);
    if (r.Mode == 0 && !FGutter->Visible()) {
        // The column between the border and the text keeps the background.
        TCanvas& target = *r.Target;
        target.Pen()->SetColor(FBkColor);
        target.Pen()->SetWidth(3);
        target.MoveTo(1, r.Row.Top - 1);
        target.LineTo(1, r.Row.Bottom);
        target.Pen()->SetWidth(1);
    }
}

// The error spans' zig-zag lines and the underlines of the matched block words, in columns of the line
// shifted by the scrolled columns.
void TVezCustomMemo::DrawLineMarks(TCanvas& canvas)
{
    const TLineRender& r = FRender;
    const int line = r.LineIndex;
    const int w = FCellSize.W;
    const int bottom = r.Token.Bottom - 2;
    if (const TLineProp* prop = ActiveLines()->GetLineProp(line); prop && prop->HasErrorInfo()) {
        const int spans = std::min(prop->FErrStart->Count(), prop->FErrLen->Count());
        for (int k = 0; k < spans; ++k) {
            const int start = prop->FErrStart->GetInteger(k);
            const int a = std::max(start - FLeftCol, 0);
            const int b = std::max(start + prop->FErrLen->GetInteger(k) - FLeftCol, 0);
            if (a != b)
                DrawWavyLine(canvas, Rect(a * w, bottom, b * w, bottom));
        }
    }
    if (!FBlockShow || FBlockLineColor == clNone)
        return;
    const auto underline = [&](int markLine, int start, int length) {
        if (line != markLine || start < 0)
            return;
        canvas.Pen()->SetColor(FBlockLineColor);
        canvas.MoveTo((start - FLeftCol) * w, bottom);
        canvas.LineTo((start + length - FLeftCol) * w, bottom);
    };
    underline(BSSelLine, BSSelStart, BSSelLen);
    underline(BESelLine, BESelStart, BESelLen);
}
