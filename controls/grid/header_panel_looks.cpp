#include "controls/grid/header_panel.h"

#include "controls/grid/alpha_drawing.h"
#include "controls/grid/color_blend.h"
#include "controls/grid/gradients.h"
#include "controls/grid/text_drawing.h"
#include "controls/grid/ux_themes.h"
#include "controls/grid/window_canvas.h"

// How the header panel paints: its body, the five header looks, the caption, the glyph, the collapse
// button and the border in the frame.

namespace {

// The collapse button's gradients, pressed and hovered.
constexpr TColor PressedFrom = 0x087FE8;
constexpr TColor PressedTo = 0x7AD9F7;
constexpr TColor HoverFrom = 0xDCFFFF;
constexpr TColor HoverTo = 0x5FC2F8;
// The see-through colour of the button glyphs.
constexpr TColor Lime = 0x00FF00;

void Line(TCanvas& canvas, TColor color, TPoint from, TPoint to)
{
    canvas.Pen()->SetColor(color);
    canvas.MoveTo(from.X, from.Y);
    canvas.LineTo(to.X, to.Y);
}

void Fill(TCanvas& canvas, const TRect& rect, TColor color)
{
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(color);
    canvas.FillRect(rect);
}

} // namespace

// Draws a bitmap of the program's resources with color showing through.
void DrawResourceBitmap(TCanvas& canvas, const std::string& name, TColor transparentColor, TPoint at)
{
    TBitmap bitmap;
    bitmap.LoadFromResourceName(name);
    bitmap.SetTransparentColor(transparentColor);
    bitmap.SetTransparent(true);
    canvas.Draw(at.X, at.Y, &bitmap);
}

void TGxHeaderPanel::PaintBackground(TCanvas& canvas, const TRect& rect)
{
    const TColor scheme = GetSchemeColor(3, csDefault);
    switch (panelStyle_) {
    case ptDefault:
        Fill(canvas, rect, Color());
        break;
    case ptGradient:
        DrawGradient(canvas, rect, clWindow, scheme);
        break;
    case ptInverseGradient:
        DrawGradient(canvas, rect, scheme, clWindow);
        break;
    }
}

void TGxHeaderPanel::PaintBody(TCanvas& canvas)
{
    const TRect body = BodyRect();
    TGraphic* graphic = picture_->Graphic();
    if (graphic && !graphic->Empty())
        canvas.StretchDraw(body, graphic);
    else
        PaintBackground(canvas, body);
}

void TGxHeaderPanel::Paint()
{
    TCanvas& canvas = *Canvas();
    if (displayStyle_ == PanelDisplay::dsPanelOnly) {
        PaintBackground(canvas, ClientRect());
        return;
    }
    if (displayStyle_ != PanelDisplay::dsHeaderOnly)
        PaintBody(canvas);
    const TRect header = HeaderRect();
    switch (headerStyle_) {
    case psFlat:
        DrawFlatHeader(canvas, header);
        break;
    case psNormal:
        DrawNormalHeader(canvas, header);
        break;
    case psSectionHeader:
        DrawSectionHeader(canvas, header);
        break;
    case psVista:
        DrawVistaHeader(canvas, header);
        break;
    case psWindowsLive:
        DrawWindowsLiveHeader(canvas, header);
        break;
    }
    PaintHeaderText(canvas);
}

// The glyph and the caption of an expanded panel, and the collapse button.
void TGxHeaderPanel::PaintHeaderText(TCanvas& canvas)
{
    canvas.SetFont(headerFont_.get());
    if (options_.Contains(hoColorSchemeFont))
        canvas.Font()->SetColor(GetSchemeColor(9, csDefault)); // the current scheme's, not ColorScheme's
    TRect text{indent_, 0, ClientWidth(), headerSize_};
    if (options_.Contains(hoCollapseButton)) {
        DrawCollapseButton(canvas);
        text.Right = GetButtonRect().Left;
    }
    if (!expanded_)
        return;
    if (!glyph_->Empty()) {
        const TRect glyph = GlyphRect();
        DrawAlphaBitmap(canvas, glyph.Left, glyph.Top, *glyph_);
        text.Left += glyph_->Width() + 7;
    }
    DrawSingleLineText(canvas, text, Caption(), bdLeftToRight);
}

void TGxHeaderPanel::DrawCollapseButton(TCanvas& canvas)
{
    DrawButtonBackground(canvas);
    const bool pointsLeft = expanded_ == (drawDirection_ == diLeftToRight);
    const TRect button = GetButtonRect();
    const TPoint centre{(button.Left + button.Right) / 2, (button.Top + button.Bottom) / 2};
    DrawResourceBitmap(canvas, pointsLeft ? "HEADERCOLLAPSE" : "HEADEREXPAND", Lime,
                       {centre.X - 4, centre.Y - 3});
}

void TGxHeaderPanel::DrawButtonBackground(TCanvas& canvas)
{
    if (buttonState_.Contains(hbPressed))
        DrawGradient(canvas, GetButtonRect(), PressedFrom, PressedTo);
    else if (buttonState_.Contains(hbHover))
        DrawGradient(canvas, GetButtonRect(), HoverFrom, HoverTo);
}

// --- the five looks ----------------------------------------------------------------------------------------

void TGxHeaderPanel::DrawFlatHeader(TCanvas& canvas, const TRect& r)
{
    if (headerColorTo_ == clNone)
        Fill(canvas, r, headerColor_);
    else
        DrawGradient(canvas, r, headerColor_, headerColorTo_);
    if (headerLineColor_ != clNone)
        Line(canvas, headerLineColor_, {r.Left, headerSize_}, {r.Right, headerSize_});
}

void TGxHeaderPanel::DrawNormalHeader(TCanvas& canvas, const TRect& r)
{
    canvas.Pen()->SetColor(clWhite);
    canvas.Polyline({{0, r.Bottom}, {0, r.Top}, {ClientWidth(), r.Top}});
    Line(canvas, GetSchemeColor(13, colorScheme_), {r.Left, r.Bottom - 1}, {r.Right, r.Bottom - 1});
    const TRect inner{1, r.Top + 1, r.Right, r.Bottom - 1};
    if (adaptiveColors_)
        DrawGradient(canvas, inner, GetSchemeColor(12, colorScheme_), GetSchemeColor(11, colorScheme_));
    else
        DrawGradient(canvas, inner, clWindow, headerColor_);
}

void TGxHeaderPanel::DrawSectionHeader(TCanvas& canvas, const TRect& r)
{
    TColor start = headerColor_;
    TColor base = headerColor_;
    if (adaptiveColors_) {
        if (!UxThemesActive()) {
            Fill(canvas, r, clGrayText);
            return;
        }
        start = BlendColor(clHighlight, clInactiveCaption, 112);
        base = clActiveCaption;
    }
    DrawGradient(canvas, r, start, BlendColor(base, clBlack, 170));
}

// The shine lightens what lies under it, and a window's canvas gives nothing back to read: the black band
// is lightened in a bitmap and drawn from there. The header starts at the top, so the shine covers the
// same rows in both.
void TGxHeaderPanel::DrawVistaHeader(TCanvas& canvas, const TRect& r)
{
    const TRect band{0, 0, r.Width(), r.Height()};
    TBitmap bitmap(band.Width(), band.Height(), pf24bit);
    Fill(*bitmap.Canvas(), band, clBlack);
    DrawGlassShine(*bitmap.Canvas(), band);
    canvas.Draw(r.Left, r.Top, &bitmap);
}

void TGxHeaderPanel::DrawWindowsLiveHeader(TCanvas& canvas, const TRect& r)
{
    const TColor schemeColor = GetSchemeColor(18, colorScheme_);
    const TColor top = adaptiveColors_ ? schemeColor : headerColor_;
    Line(canvas, clWhite, {r.Left, r.Top}, {r.Right, r.Top});
    Line(canvas, clWhite, {r.Left, r.Bottom - 2}, {r.Right, r.Bottom - 2});
    Line(canvas, adaptiveColors_ ? schemeColor : borderColor_, {r.Left, r.Bottom - 1},
         {r.Right, r.Bottom - 1});
    const TRect glow{r.Left, r.Top + 1, r.Right, r.Bottom - 2};
    DrawCenterGlowGradient(canvas, glow, top, Color(), glow.Height() / 2);
}

// BorderWidth rings of the window's edge, in the scheme's border colour or BorderColor.
void TGxHeaderPanel::DrawBorder()
{
    if (!HandleAllocated())
        return;
    const TWindowCanvas window(Handle());
    if (!window.Canvas())
        return;
    TCanvas& canvas = *window.Canvas();
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(adaptiveColors_ ? GetSchemeColor(2, colorScheme_) : borderColor_);
    TRect ring{0, 0, Width(), Height()};
    for (int i = 0; i < BorderWidth(); ++i) {
        canvas.FrameRect(ring);
        InflateRect(ring, -1, -1);
    }
}
