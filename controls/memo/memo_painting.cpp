#include "controls/memo/vez_custom_memo.h"

#include "controls/memo/flag_holder.h"
#include "controls/memo/memo_drawing.h"
#include "platform/gui/graphics/colors.h"
#include "platform/gui/graphics/gdi.h"

#include <cmath>

// The paint of the whole control: each visible row that the paint reaches rendered into the line bitmap
// and copied, the area below the last row, the right margin and the border; and the frame and gradient
// helpers of the gutter.

namespace {

// The four colours of each 3-D frame style: outer top-left, inner top-left, inner bottom-right, outer
// bottom-right.
constexpr TColor FrameColors[4][4] = {
    {0xD0D0D0, 0xFFFFFF, 0x808080, 0x000000},
    {0x808080, 0x000000, 0xD0D0D0, 0xFFFFFF},
    {0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0x808080},
    {0x808080, 0xFFFFFF, 0xFFFFFF, 0x808080},
};

void Polyline(TCanvas& canvas, TColor color, std::initializer_list<TPoint> points)
{
    canvas.Pen()->SetColor(color);
    canvas.Pen()->SetWidth(1);
    const TPoint* p = points.begin();
    canvas.MoveTo(p->X, p->Y);
    for (++p; p != points.end(); ++p)
        canvas.LineTo(p->X, p->Y);
}

} // namespace

void Draw3DFrame(TCanvas& canvas, const TRect& rect, int style)
{
    const TColor* c = FrameColors[std::clamp(style, 0, 3)];
    const int l = rect.Left, t = rect.Top, r = rect.Right, b = rect.Bottom;
    Polyline(canvas, c[0], {{l, b - 1}, {l, t}, {r, t}});
    if (style == 0 || style == 1) {
        Polyline(canvas, c[1], {{l + 1, b}, {l + 1, t + 1}, {r, t + 1}});
        Polyline(canvas, c[2], {{l + 1, b - 2}, {r - 2, b - 2}, {r - 2, t + 1}});
    }
    Polyline(canvas, c[3], {{l, b - 1}, {r - 1, b - 1}, {r - 1, t}});
}

void DrawGradient(TCanvas& canvas, TColor fromColor, TColor toColor, int steps, const TRect& rect,
                  bool horizontal)
{
    steps = std::max(steps, 1);
    const TColor from = ColorToRGB(fromColor);
    const TColor to = ColorToRGB(toColor);
    const double dr = (GetRValue(to) - GetRValue(from)) / static_cast<double>(steps);
    const double dg = (GetGValue(to) - GetGValue(from)) / static_cast<double>(steps);
    const double db = (GetBValue(to) - GetBValue(from)) / static_cast<double>(steps);
    const double d = (horizontal ? rect.Width() : rect.Height()) / static_cast<double>(steps);
    const int t = static_cast<int>(d);
    for (int i = 0; i < static_cast<uint16_t>(steps); ++i) {
        const auto part = [i](uint8_t start, double delta) {
            return static_cast<uint8_t>(start + static_cast<int>(std::lround(i * delta)));
        };
        const TColor color =
            RGBToColor(part(GetRValue(from), dr), part(GetGValue(from), dg), part(GetBValue(from), db));
        canvas.Pen()->SetColor(color);
        canvas.Brush()->SetColor(color);
        const int o = static_cast<int>(std::lround(i * d));
        if (horizontal)
            canvas.Rectangle(rect.Left + o, rect.Top, std::min(rect.Left + o + t + 1, rect.Right),
                             rect.Bottom);
        else
            canvas.Rectangle(rect.Left, rect.Top + o, rect.Right,
                             std::min(rect.Top + o + t + 1, rect.Bottom));
    }
}

TRect TVezCustomMemo::GetFoldingColumnRect() const
{
    if (!FCodeFolding->Enabled())
        return TRect();
    const TRect text = GetTextAreaRect();
    return Rect(text.Left - 16, text.Top, text.Left, text.Bottom);
}

void TVezCustomMemo::UpdateLineBitmap()
{
    const TRect text = GetTextAreaRect();
    FLineBitmap->SetPixelFormat(FClearType ? pfDevice : pf8bit);
    FLineBitmap->SetSize(std::max(text.Right - text.Left, 0), FCellSize.H);
    FLineBitmap->Canvas()->SetFont(Canvas()->Font());
}

void TVezCustomMemo::PaintGutter()
{
    if (FGutter->GutterWidth() < 2 || !FGutter->Visible())
        return;
    UpdateGutterHeight();
    PaintGutterStrip(*Canvas());
}

void TVezCustomMemo::Paint()
{
    if (ActiveLines()->LockCount() > 0)
        return;
    if (FCellSize.H == 0)
        SetFont(FFont.get());
    TCanvas& canvas = *Canvas();
    if (FScreenTopLine != FTopLine) {
        // The view moved and has not been scrolled yet: this paint shows the new view, and what it does
        // not reach is painted next.
        TRect clip;
        GetClipBox(canvas, clip);
        const TRect client = ClientRect();
        if (clip.Left > client.Left || clip.Top > client.Top || clip.Right < client.Right ||
            clip.Bottom < client.Bottom)
            InvalidateClient();
        FScreenTopLine = FTopLine;
    }
    const TRect text = GetTextAreaRect();
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(FBkColor);
    canvas.Pen()->SetColor(FBkColor);
    TRect fold = GetFoldingColumnRect();
    if (fold.Width() > 0) {
        fold.Left = FGutter->Visible() ? FGutter->GutterWidth() : fold.Left - 2;
        if (!FSelChange)
            canvas.FillRect(fold);
    }
    PaintGutter();
    PaintFoldingStrip(canvas);
    canvas.Font()->Assign(FFont.get());
    canvas.Font()->SetSize(static_cast<int>(std::lround(FFont->Size() * FDPIScale)));
    UpdateLineBitmap();
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(FBkColor);
    canvas.FillRect(Rect(text.Left, text.Top, text.Right, 2));
    if (FCellSize.W > 0 && FCellSize.H > 0)
        PaintRows(canvas, text);
    PaintRightMargin(canvas, text);
    PaintDropMark(canvas);
    PaintBorder(canvas);
    // The bars paint on the same canvas after the memo: they find its tools as a paint starts them.
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Pen()->SetWidth(1);
    canvas.Font()->SetStyle({});
}

void TVezCustomMemo::PaintRows(TCanvas& canvas, const TRect& text)
{
    TStyle style;
    TokenizerSettings();
    if (FTopLine == FbackupTopLine) {
        style = FBackupTopStyle;
    } else {
        TFlagHolder<bool> noRefresh(FLetRefresh, false);
        GetStyleAtLine(style, FTopLine);
        FBackupTopStyle = style;
        FbackupTopLine = FTopLine;
    }
    const int count = ActiveLines()->Count();
    const int lastRow = LineIndexToVisIndex(FTopLine) + VisibleLineCount();
    int last = FTopLine;
    bool ranOut = false;
    bool rendered = false;
    // A row outside what this paint covers keeps its pixels (a typed character or the caret paints one row):
    // it is not rendered, and the next row that is takes its start state from the line states.
    bool styleCurrent = true;
    const int topRow = LineIndexToVisIndex(FTopLine);
    for (int row = topRow; row <= lastRow; ++row) {
        const int line = VisIndexToLineIndex(row);
        if (line >= count) {
            ranOut = true;
            break;
        }
        // Rows count from the top line's row; the line after a collapsed region starts in its own state.
        const int shownRow = FTopLine + row - topRow;
        styleCurrent = styleCurrent && (line == last + 1 || row == topRow);
        last = line;
        rendered = true;
        const TRect cell = CellRect(0, shownRow - FTopLine);
        if (!RectVisible(canvas, Rect(text.Left, cell.Top, text.Right, cell.Bottom))) {
            styleCurrent = false;
            continue;
        }
        if (!styleCurrent) {
            style = LineStartState(line);
            styleCurrent = true;
        }
        RenderLine(&canvas, line, style, 0, text, FCodeFolding->Enabled() ? shownRow : -1);
    }
    if (!ranOut)
        return;
    // The area below the last row.
    TRect rest = text;
    const TRect cell = CellRect(0, LineIndexToVisIndex(last) - LineIndexToVisIndex(FTopLine));
    rest.Top = count == 0 || !rendered ? cell.Top : cell.Bottom;
    if (!FGutter->Visible())
        rest.Left = 1;
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(FBkColor);
    canvas.FillRect(rest);
}

void TVezCustomMemo::PaintRightMargin(TCanvas& canvas, const TRect& text)
{
    if (FRightMargin <= 0 || !FShowRightMargin || ActiveLines()->Count() >= VisibleLineCount())
        return;
    const int x = (FRightMargin - FLeftCol) * FCellSize.W + (FBorderStyle == bsSingle ? 3 : 0);
    canvas.Pen()->SetColor(FRightMarginColor);
    canvas.Pen()->SetWidth(2);
    canvas.MoveTo(text.Left + x, 0);
    canvas.LineTo(text.Left + x, Height());
    canvas.Pen()->SetWidth(1);
}

void TVezCustomMemo::PaintBorder(TCanvas& canvas)
{
    if (FBorderStyle == bsNone)
        return;
    if (FCtl3D) {
        Draw3DFrame(canvas, Rect(0, 0, Width(), Height()), 1);
        return;
    }
    Polyline(canvas, FBorderColor,
             {{0, Height()}, {0, 0}, {Width() - 1, 0}, {Width() - 1, Height() - 1}, {0, Height() - 1}});
}
