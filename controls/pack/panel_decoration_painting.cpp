#include "controls/pack/border_drawing.h"
#include "controls/pack/panel_decorations.h"
#include "controls/pack/panel_painting.h"
#include "support/math_routines.h"
#include "support/text_routines.h"

// Centred items shift by the whole difference of the opposite border widths, not half of it.

namespace {

int BarTop(const TKvpPanelHorizontalBar& bar, const TRect& r, const TBorderWidths& w)
{
    const int percent = PercentOfValue(r.Height() - w.Top - w.Bottom, bar.PosY());
    switch (bar.BarPosition()) {
    case hbpCenter:
        return (r.Bottom - r.Top) / 2 + w.Top - bar.Height() / 2 - w.Bottom;
    case hbpFromBottom:
        return r.Bottom - w.Bottom - bar.PosY() - bar.Height();
    case hbpPercentFromTop:
        return r.Top + w.Top + percent;
    case hbpPercentFromBottom:
        return r.Bottom - w.Bottom - percent - bar.Height();
    default:
        return r.Top + w.Top + bar.PosY();
    }
}

bool Drawable(const TPen& pen)
{
    return pen.Style() != psClear && pen.Width() >= 1;
}

} // namespace

void DrawHorizontalBars(TCanvas& canvas, const TRect& r, const TBorderWidths& w,
                        const TKvpPanelHorizontalBars& bars)
{
    for (int i = 0; i < bars.Count(); ++i) {
        const TKvpPanelHorizontalBar& bar = *bars.Items(i);
        if (!bar.Visible() || bar.Height() <= 0)
            continue;
        const int top = BarTop(bar, r, w);
        TRect b{r.Left + w.Left + bar.LeftMargin(), top, r.Right - w.Right - bar.RightMargin(),
                top + bar.Height()};
        canvas.Brush()->SetStyle(bsSolid);
        canvas.Brush()->SetColor(bar.BackgroundColor());
        canvas.FillRect(b);
        if (bar.DrawGradient())
            bar.Gradient()->Draw(canvas, b);
        if (bar.Border()->Width() > 0) {
            canvas.Brush()->SetStyle(bsClear);
            canvas.SetPen(bar.Border());
            DrawRectFrame(canvas, b, bar.Border()->Color(), bar.Border()->Width());
        }
    }
}

void DrawVerticalLines(TCanvas& canvas, const TRect& r, const TBorderWidths& w,
                       const TKvpPanelVerticalLines& lines)
{
    for (int i = 0; i < lines.Count(); ++i) {
        const TKvpPanelVerticalLine& line = *lines.Items(i);
        if (!line.Visible() || !Drawable(*line.Pen()))
            continue;
        canvas.SetPen(line.Pen());
        const int x = line.LinePosition() == vlpFromRight ? r.Right - line.PosX() - w.Right
                      : line.LinePosition() == vlpCenter  ? r.Width() / 2 + w.Left - w.Right
                                                          : line.PosX() + w.Left;
        canvas.MoveTo(x, r.Top + w.Top + line.TopMargin());
        canvas.LineTo(x, r.Bottom - w.Bottom - line.BottomMargin());
    }
}

void DrawHorizontalLines(TCanvas& canvas, const TRect& r, const TBorderWidths& w,
                         const TKvpPanelHorizontalLines& lines)
{
    for (int i = 0; i < lines.Count(); ++i) {
        const TKvpPanelHorizontalLine& line = *lines.Items(i);
        if (!line.Visible() || !Drawable(*line.Pen()))
            continue;
        canvas.SetPen(line.Pen());
        const int y = line.LinePosition() == hlpFromBottom ? r.Bottom - line.PosY() - w.Bottom
                      : line.LinePosition() == hlpCenter   ? r.Height() / 2 + w.Top - w.Bottom
                                                           : line.PosY() + w.Top;
        canvas.MoveTo(r.Left + w.Left + line.LeftMargin(), y);
        canvas.LineTo(r.Right - w.Right - line.RightMargin(), y);
    }
}

void DrawCaptions(TCanvas& canvas, const TRect& r, const TBorderWidths& w, const TKvpPanelCaptions& captions)
{
    canvas.Brush()->SetStyle(bsClear);
    for (int i = 0; i < captions.Count(); ++i) {
        const TKvpPanelCaption& caption = *captions.Items(i);
        if (!caption.Visible() || Trim(caption.Text()).empty())
            continue;
        canvas.SetFont(caption.Font());
        const int width = canvas.TextWidth(caption.Text()), height = canvas.TextHeight(caption.Text());
        int x = r.Left + caption.PosX() + w.Left + caption.MarginX();
        if (caption.HorizontalPosition() == thpFromRight)
            x = r.Right - caption.PosX() - w.Right - caption.MarginX() - width;
        else if (caption.HorizontalPosition() == thpCenter)
            x = (r.Right - r.Left) / 2 - width / 2 + w.Left - w.Right;
        int y = r.Top + caption.PosY() + w.Top + caption.MarginY();
        if (caption.VerticalPosition() == tvpFromBottom)
            y = r.Bottom - caption.PosY() - w.Bottom - caption.MarginY() - height;
        else if (caption.VerticalPosition() == tvpCenter)
            y = (r.Bottom - r.Top) / 2 - height / 2 + w.Top - w.Bottom;
        canvas.TextOut(x, y, caption.Text());
    }
}
