#include "controls/grid/providers.h"

#include "controls/grid/frames.h"
#include "platform/gui/graphics/gdi.h"

void TGraphicsProvider::DrawButton(TCanvas& canvas, const TRect& rect, bool oldStyle)
{
    canvas.Brush()->SetColor(clBtnFace);
    canvas.Brush()->SetStyle(bsSolid);
    canvas.FillRect({rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1});
    Frame3D(canvas, rect, clBtnHighlight, oldStyle ? clWindowFrame : clBtnShadow);
}

void TGraphicsProvider::DrawFocused(TCanvas& canvas, const TRect& rect, bool xpStyle)
{
    if (xpStyle) {
        canvas.Brush()->SetColor(clHighlight);
        canvas.Brush()->SetStyle(bsSolid);
        canvas.FrameRect(rect);
        return;
    }
    const TColor background = SetBkColor(canvas, clBlack);
    const TColor text = SetTextColor(canvas, clWhite);
    ::DrawFocusRect(canvas, rect);
    SetBkColor(canvas, background);
    SetTextColor(canvas, text);
}
