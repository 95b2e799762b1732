// A skin's table painted: component backgrounds, the window frame and the platform theme's elements.

#include "controls/skins/skin_drawing.h"
#include "controls/skins/skin_entry_painting.h"
#include "controls/skins/skin_manager.h"
#include "platform/gui/windows/style_services.h"

#include <algorithm>

void TQvSkinOptions::PaintBackground(TCanvas& canvas, const TRect& rect, TQvSkinComponentsType component,
                                     TQvSkinStatesType state, bool background, bool borders, bool vertical,
                                     unsigned forceRectBorders)
{
    if (PaintOwnBackground(canvas, rect, component, state, background, borders, forceRectBorders)) {
        return;
    }
    const TQvSkinOptionCategory& category = Options(component, state);
    const bool paintBorders = borders && !category.Borders.IsEmpty();
    if (background && !category.Body.IsEmpty()) {
        TRect body = rect;
        if (paintBorders) {
            InflateRect(body, -1, -1);
        }
        PaintEntryBody(canvas, body, category, vertical);
    }
    if (paintBorders) {
        PaintEntryBorders(canvas, rect, category, forceRectBorders);
    }
    PaintBackgroundExtras(canvas, rect, component, state);
}

void TQvSkinOptions::PaintWindowFrame(TCanvas& canvas, const TRect& rect, bool /*isActive*/, bool drawBody,
                                      int borderSize)
{
    if (drawBody) {
        PaintBackground(canvas, rect, skncWindow, sknsNormal, true, false);
    }
    const TQvSkinOptionEntry& borders = Options(skncWindow).Borders;
    const TColor ringColors[] = {borders.Color1, borders.Color2, borders.Color3, borders.Color4};
    TSavedCanvasState saved(canvas);
    canvas.Brush()->SetStyle(bsSolid);
    TRect ring = rect;
    // Rings past the middle of the window would have nothing left to frame.
    for (int i = 0; i < borderSize && ring.Width() > 0 && ring.Height() > 0; ++i) {
        const TColor color = ringColors[std::min(i, 3)];
        if (color != clNone) {
            canvas.Brush()->SetColor(color);
            canvas.FrameRect(ring);
        }
        InflateRect(ring, -1, -1);
    }
}

void TQvSkinOptions::PaintThemedElementBackground(TCanvas& canvas, const TRect& rect,
                                                  const TThemedElementDetails& details) const
{
    TSavedCanvasState saved(canvas);
    ActiveStyleServices().DrawElement(canvas, details, rect);
}

void TQvSkinOptions::PaintThemedElementBackground(TCanvas& canvas, const TRect& rect,
                                                  TQvSkinComponentsType component, bool enabled, bool pushed,
                                                  bool hotTrack, bool checked, bool focused, bool defaulted,
                                                  bool grayed) const
{
    TThemedElementDetails details;
    if (GetThemedElementDetails(component, enabled, pushed, hotTrack, checked, focused, defaulted, grayed,
                                details)) {
        PaintThemedElementBackground(canvas, rect, details);
    }
}

void TQvSkinOptions::PaintThemedElementBackground(TCanvas& canvas, const TRect& rect,
                                                  TQvSkinComponentsType component,
                                                  TQvSkinStatesType state) const
{
    TThemedElementDetails details;
    if (GetThemedElementDetails(component, state, details)) {
        PaintThemedElementBackground(canvas, rect, details);
    }
}
