#include "controls/skins/skin_drawing.h"

#include "platform/gui/forms/forms.h"
#include "platform/gui/graphics/bitmap.h"
#include "platform/gui/graphics/image_list.h"
#include "platform/gui/graphics/theme.h"
#include "platform/gui/windows/win_control.h"
#include "platform/gui/windows/window_theme.h"

#include <algorithm>
#include <vector>

void FillRectColors(TCanvas& canvas, const TRect& r, TColor brushColor, TColor penColor)
{
    if (brushColor == clNone)
        return;
    TSavedCanvasState saved(canvas);
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(brushColor);
    if (penColor == clNone) {
        canvas.FillRect(r);
        return;
    }
    canvas.Pen()->SetStyle(psSolid);
    canvas.Pen()->SetColor(penColor);
    canvas.Rectangle(r);
}

namespace {

void SolidPen(TCanvas& canvas, TColor color)
{
    canvas.Pen()->SetStyle(psSolid);
    canvas.Pen()->SetMode(pmCopy);
    canvas.Pen()->SetWidth(1);
    canvas.Pen()->SetColor(color);
}

void PolylineColor(TCanvas& canvas, const std::vector<TPoint>& points, TColor color)
{
    if (color == clNone)
        return;
    SolidPen(canvas, color);
    canvas.Polyline(points);
}

} // namespace

void DrawLineColor(TCanvas& canvas, int x1, int y1, int x2, int y2, TColor color)
{
    if (color == clNone)
        return;
    TSavedCanvasState saved(canvas);
    SolidPen(canvas, color);
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
}

void DrawRoundedFrame(TCanvas& canvas, const TRect& r, int roundness, TColor color1, TColor color2,
                      TColor color3, TColor color4, unsigned forceRectBorders)
{
    roundness = std::clamp(roundness, 0, 2);
    const auto corner = [&](unsigned side1, unsigned side2) {
        return (forceRectBorders & (side1 | side2)) ? 0 : roundness;
    };
    const int tl = corner(BF_LEFT, BF_TOP), tr = corner(BF_RIGHT, BF_TOP);
    const int bl = corner(BF_LEFT, BF_BOTTOM), br = corner(BF_RIGHT, BF_BOTTOM);
    // Inclusive corners of the outer line and of the inner ring.
    const int L = r.Left, T = r.Top, R = r.Right - 1, B = r.Bottom - 1;
    const int iL = L + 1, iT = T + 1, iR = R - 1, iB = B - 1;
    TSavedCanvasState saved(canvas);
    PolylineColor(canvas, {{iL, iB}, {iL, iT}, {iR, iT}}, color3);
    PolylineColor(canvas, {{iL, iB}, {iR, iB}, {iR, iT - 1}}, color4);
    PolylineColor(canvas, {{L + bl, B}, {L, B - bl}, {L, T + tl}, {L + tl, T}, {R - tr, T}, {R, T + tr}},
                  color1);
    PolylineColor(canvas, {{R, T + tr}, {R, B - br}, {R - br, B}, {L + bl - 1, B}}, color2);
}

void GradientFillBand(TCanvas& canvas, const TRect& r, int from, int to, TColor color1, TColor color2,
                      bool vertical)
{
    // The entry colours as the gradient takes them: RGB, and clNone's low bytes as they stand.
    const TColor first = ColorToRGB(color1) & 0xFFFFFF;
    const TColor last = ColorToRGB(color2) & 0xFFFFFF;
    if (vertical)
        GradientFill(canvas, {r.Left, r.Top + from, r.Right, r.Top + to + 1}, first, last,
                     GRADIENT_FILL_RECT_V);
    else
        GradientFill(canvas, {r.Left + from, r.Top, r.Left + to + 1, r.Bottom}, first, last,
                     GRADIENT_FILL_RECT_H);
}

void AlphaBlendRect(TCanvas& source, TCanvas& dest, const TRect& sourceRect, const TRect& destRect,
                    uint8_t alpha, bool useSourceAlpha)
{
    TBlendFunction blend;
    blend.SourceConstantAlpha = alpha;
    blend.AlphaFormat = useSourceAlpha ? AC_SRC_ALPHA : 0;
    AlphaBlend(dest, destRect.Left, destRect.Top, destRect.Width(), destRect.Height(), source,
               sourceRect.Left, sourceRect.Top, sourceRect.Width(), sourceRect.Height(), blend);
}

TRect CenterSizeInRect(const TRect& r, int width, int height)
{
    return Bounds(r.Left + (r.Width() - width) / 2, r.Top + (r.Height() - height) / 2, width, height);
}

TRect CenterRectHorizontally(const TRect& r, int width)
{
    return {r.Left + (r.Width() - width) / 2, r.Top, r.Left + (r.Width() - width) / 2 + width, r.Bottom};
}

TRect CenterRectVertically(const TRect& r, int height)
{
    return {r.Left, r.Top + (r.Height() - height) / 2, r.Right, r.Top + (r.Height() - height) / 2 + height};
}

void DrawImageListImage(TCanvas& canvas, const TRect& r, TCustomImageList* images, int index, bool enabled,
                        bool disabledIconCorrection)
{
    if (!images || index < 0 || index >= images->Count())
        return;
    if (enabled || !disabledIconCorrection)
        images->Draw(canvas, r.Left, r.Top, index, enabled);
    else
        DrawImageShadow(canvas, r, *images, index);
}

void DrawImageShadow(TCanvas& canvas, const TRect& r, TCustomImageList& images, int index)
{
    const int width = std::min(r.Width(), images.Width());
    const int height = std::min(r.Height(), images.Height());
    if (width <= 0 || height <= 0)
        return;
    // The background twice: once to darken, once with the image on it to find the image's shape.
    TBitmap background(width, height, pfDevice), withImage(width, height, pfDevice);
    BitBlt(*background.Canvas(), 0, 0, width, height, canvas, r.Left, r.Top, SRCCOPY);
    BitBlt(*withImage.Canvas(), 0, 0, width, height, canvas, r.Left, r.Top, SRCCOPY);
    images.Draw(*withImage.Canvas(), 0, 0, index, true);
    for (int y = 0; y < height; ++y) {
        uint8_t* dark = background.ScanLine(y);
        const uint8_t* image = withImage.ScanLine(y);
        for (int x = 0; x < width; ++x) {
            uint8_t* d = dark + 4 * x;
            const uint8_t* s = image + 4 * x;
            if (d[0] == s[0] && d[1] == s[1] && d[2] == s[2])
                continue;
            // Bytes are blue, green, red: a light image pixel leaves a lighter shadow.
            const int level = (29 * s[2] + 150 * s[1] + 76 * s[0]) / 768 + 170;
            for (int c = 0; c < 3; ++c)
                d[c] = static_cast<uint8_t>(d[c] * level / 256);
        }
    }
    BitBlt(canvas, r.Left, r.Top, width, height, *background.Canvas(), 0, 0, SRCCOPY);
}

TQvLunaScheme GetLunaScheme()
{
    return lusUnknown;
}

bool IsVistaOrLater()
{
    return true;
}

bool IsGlassPainting(const TControl& control)
{
    if (!control.ControlState().Contains(csGlassPaint))
        return false;
    TWinControl* parent = control.Parent();
    while (parent && !parent->DoubleBuffered())
        parent = parent->Parent();
    return !parent || dynamic_cast<TCustomForm*>(parent);
}

void DrawParentBackground(TControl& control, TCanvas& dc, const TRect& r)
{
    TWinControl* parent = control.Parent();
    if (!parent) {
        TSavedCanvasState saved(dc);
        dc.Brush()->SetStyle(bsSolid);
        dc.Brush()->SetColor(clBtnFace);
        dc.FillRect(r);
        return;
    }
    if (!parent->HandleAllocated())
        return;
    auto* window = dynamic_cast<TWinControl*>(&control);
    if (!parent->DoubleBuffered() && ThemesEnabled() && window) {
        DrawThemeParentBackground(window->Handle(), &dc, &r);
        return;
    }
    // The parent paints in its own coordinates; whatever it changes on the canvas is given back.
    TSavedCanvasState saved(dc);
    MoveWindowOrg(dc, -control.Left(), -control.Top());
    parent->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(&dc), 0);
}
