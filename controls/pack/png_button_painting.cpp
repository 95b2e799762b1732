#include "controls/pack/border_drawing.h"
#include "controls/pack/glyph_caption_layout.h"
#include "controls/pack/png_button.h"
#include "platform/gui/graphics/gdi.h"
#include "platform/gui/graphics/platform_answers.h"
#include "platform/gui/windows/style_services.h"
#include "support/math_routines.h"

namespace {

// The state set of custom drawing: disabled, hot (not pressed), down, focused, normal, in that order.
TKvpItemStateParams& StateOf(const TKvpButtonAppearance& a, bool enabled, bool over, bool pressed,
                             bool focused)
{
    if (!enabled)
        return *a.Disabled();
    if (over && !pressed)
        return *a.Hot();
    if (pressed)
        return *a.Down();
    return focused ? *a.Focused() : *a.Normal();
}

void DrawStateBackground(TCanvas& canvas, const TRect& r, const TKvpItemStateParams& s)
{
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(s.Color());
    if (s.TransparentBackground())
        return;
    canvas.FillRect(canvas.ClipRect());
    if (!s.GradientEnabled())
        return;
    const int m = std::max(s.BorderToGradientMargin(), 0);
    const int p = std::min<int>(s.UpperGradientPercent(), 100);
    const int split = static_cast<int>(RoundHalfEven(p * r.Height() / 100.0));
    FillGradient(canvas, {r.Left + m, r.Top + m, r.Right - m, split}, *s.UpperGradient(), true);
    FillGradient(canvas, {r.Left + m, split, r.Right - m, r.Bottom - m}, *s.BottomGradient(), true);
}

void FrameWithPen(TCanvas& canvas, TRect& r, const TPen& pen)
{
    canvas.SetPen(&pen);
    DrawRectFrame(canvas, r, pen.Color(), pen.Width());
}

void DrawFocusRectangle(TCanvas& canvas, TRect r, const TKvpFocusRectParams& focus)
{
    InflateRect(r, -focus.Spacing(), -focus.Spacing());
    if (focus.FocusType() == frtCustom) {
        canvas.Brush()->SetStyle(bsClear);
        FrameWithPen(canvas, r, *focus.Pen());
    } else if (focus.FocusType() == frtSystem) {
        canvas.Brush()->SetStyle(bsSolid);
        canvas.Brush()->SetColor(clBtnFace);
        canvas.DrawFocusRect(r);
    }
}

} // namespace

void TKvpPngButton::DrawCustom(const TDrawItemStruct& item)
{
    TCanvas canvas;
    TCanvasBinding binding(canvas, item.hDC);
    TRect r = ClientRect();
    const bool pressed = item.itemState & ODS_SELECTED, focusFlag = item.itemState & ODS_FOCUS;
    const bool focused = Focused();
    const TKvpButtonAppearance& a = *FAppearance;
    const TKvpItemStateParams& s = StateOf(a, Enabled(), bOver, pressed, focused);

    DrawStateBackground(canvas, r, s);
    canvas.Brush()->SetStyle(bsClear);
    if (!s.TransparentFrame()) {
        // The default button's border while another control has the focus.
        const bool asDefault = focusFlag && Enabled() && !pressed && !focused;
        FrameWithPen(canvas, r, asDefault ? *a.BorderWhenDefault() : *s.Border());
        if (focused && a.FocusRect()->FocusType() != frtNone)
            DrawFocusRectangle(canvas, r, *a.FocusRect());
    }
    canvas.SetFont(s.Font());
    const std::string caption = a.ShowCaption() ? Caption() : std::string();
    const TGlyphAndCaptionPlaces places =
        PlaceGlyphAndCaption(canvas, FPngImage.get(), ClientRect(), pressed && a.MoveWhenDown(), false,
                             caption, Layout(), Margin(), Spacing(), DrawTextBiDiModeFlags(0));
    if (!FPngImage->Empty()) {
        // Effects go on copies: painting never changes the stored glyph.
        TPngImage copy;
        copy.Assign(FPngImage.get());
        if (!Enabled()) {
            PngDesaturate(copy, a.GlyphDisabledGrayscaleFactor());
            PngFadeAlpha(copy, a.GlyphDisabledBlendFactor());
        } else if (bOver || pressed) {
            PngSetGamma(copy, a.GlyphHotGammaFactor() / 100.0f);
        }
        canvas.Draw(places.GlyphPos.X, places.GlyphPos.Y, &copy);
    }
    if (a.ShowCaption() && !Caption().empty()) {
        canvas.Brush()->SetStyle(bsClear);
        TRect text{places.TextPos.X, places.TextPos.Y, Width(), Height()};
        DrawText(canvas, Caption(), text, DrawTextBiDiModeFlags(DT_SINGLELINE));
    }
}

void TKvpPngButton::DrawGlyphWithOptions(TCanvas& canvas, TPoint at) const
{
    if (FPngImage->Empty() || Kind() != bkCustom)
        return;
    DrawPngWithOptions(*FPngImage, canvas, Bounds(at.X, at.Y, FPngImage->Width(), FPngImage->Height()),
                       Enabled() ? TPngOptions() : FPngOptions);
}

// The platform's push-button face: the theme's element with visual styles, else the classic frame. content
// becomes the area inside it.
void TKvpPngButton::DrawDefaultFace(TCanvas& canvas, const TDrawItemStruct& item, TRect& content)
{
    const bool pressed = item.itemState & ODS_SELECTED, focusFlag = item.itemState & ODS_FOCUS;
    if (PlatformAnswers().VisualStylesEnabled()) {
        const TThemedButton element = !Enabled()               ? tbPushButtonDisabled
                                      : pressed                ? tbPushButtonPressed
                                      : FMouseInControl        ? tbPushButtonHot
                                      : IsFocused || focusFlag ? tbPushButtonDefaulted
                                                               : tbPushButtonNormal;
        TCustomStyleServices& style = StyleServices();
        const TThemedElementDetails details = style.GetElementDetails(element);
        style.DrawParentBackground(Handle(), canvas, &details, true);
        style.DrawElement(canvas, details, item.rcItem);
        style.GetElementContentRect(&canvas, details, item.rcItem, content);
        return;
    }
    canvas.Pen()->SetWidth(1);
    if (IsFocused || focusFlag) {
        canvas.Pen()->SetColor(clWindowFrame);
        canvas.Brush()->SetStyle(bsClear);
        canvas.Rectangle(content);
        InflateRect(content, -1, -1);
    }
    if (pressed) {
        canvas.Pen()->SetColor(clBtnShadow);
        canvas.Brush()->SetStyle(bsSolid);
        canvas.Brush()->SetColor(clBtnFace);
        canvas.Rectangle(content);
        InflateRect(content, -1, -1);
    } else {
        DrawFrameControl(canvas, content, DFC_BUTTON,
                         DFCS_BUTTONPUSH | DFCS_ADJUSTRECT |
                             (item.itemState & ODS_DISABLED ? DFCS_INACTIVE : 0));
    }
}

void TKvpPngButton::DrawDefault(const TDrawItemStruct& item)
{
    TCanvas& canvas = *FCanvas;
    TCanvasBinding binding(canvas, item.hDC);
    canvas.SetFont(Font());
    const bool pressed = item.itemState & ODS_SELECTED, focusFlag = item.itemState & ODS_FOCUS;
    TRect r = ClientRect();
    DrawDefaultFace(canvas, item, r);
    const TKvpButtonAppearance& a = *FAppearance;
    const std::string caption = a.ShowCaption() ? Caption() : std::string();
    const TGlyphAndCaptionPlaces places =
        PlaceGlyphAndCaption(canvas, FPngImage.get(), ClientRect(), pressed && a.MoveWhenDown(), false,
                             caption, Layout(), Margin(), Spacing(), DrawTextBiDiModeFlags(0));
    DrawGlyphWithOptions(canvas, places.GlyphPos);
    if (!caption.empty()) {
        TRect text{places.TextPos.X, places.TextPos.Y, Width(), Height()};
        canvas.Brush()->SetStyle(bsClear);
        const unsigned flags = DrawTextBiDiModeFlags(DT_SINGLELINE);
        if (!Enabled()) {
            // Embossed: the highlight one pixel down and right, the shadow over it.
            TRect raised = text;
            OffsetRect(raised, 1, 1);
            canvas.Font()->SetColor(clBtnHighlight);
            DrawText(canvas, caption, raised, flags);
            canvas.Font()->SetColor(clBtnShadow);
        }
        DrawText(canvas, caption, text, flags);
    }
    if (IsFocused && focusFlag) {
        if (!PlatformAnswers().VisualStylesEnabled())
            r = {3, 3, Width() - 3, Height() - 3};
        canvas.Pen()->SetColor(clWindowFrame);
        canvas.Brush()->SetColor(clBtnFace);
        canvas.DrawFocusRect(r);
    }
}

void TKvpPngButtonStyleHook::DrawButton(TCanvas& canvas, bool mouseInControl)
{
    auto* button = dynamic_cast<TKvpPngButton*>(Control());
    if (!button) {
        TBitBtnStyleHook::DrawButton(canvas, mouseInControl);
        return;
    }
    const TThemedButton element = Pressed()                        ? tbPushButtonPressed
                                  : mouseInControl                 ? tbPushButtonHot
                                  : Focused() || button->Default() ? tbPushButtonDefaulted
                                  : button->Enabled()              ? tbPushButtonNormal
                                                                   : tbPushButtonDisabled;
    TCustomStyleServices& style = StyleServices();
    const TThemedElementDetails details = style.GetElementDetails(element);
    const TRect client = button->ClientRect();
    style.DrawElement(canvas, details, client);
    canvas.SetFont(button->Font());
    const unsigned biDi = button->DrawTextBiDiModeFlags(0);
    const TGlyphAndCaptionPlaces places =
        PlaceGlyphAndCaption(canvas, button->PngImage(), client, Pressed(), false, button->Caption(),
                             button->Layout(), button->Margin(), button->Spacing(), biDi);
    button->DrawGlyphWithOptions(canvas, places.GlyphPos);
    canvas.Brush()->SetStyle(bsClear);
    TColor color = canvas.Font()->Color();
    if (!button->Enabled() || (!style.IsSystemStyle() && button->StyleElements().Contains(seFont))) {
        TColor styled;
        if (style.GetElementColor(details, ecTextColor, styled) && styled != clNone)
            color = styled;
    }
    const unsigned flags =
        biDi | DT_CENTER | DT_VCENTER | DT_NOCLIP | (button->WordWrap() ? DT_WORDBREAK : 0);
    TRect text;
    if (!button->Caption().empty()) {
        text = {0, 0, client.Width(), 0};
        DrawText(canvas, button->Caption(), text, biDi | DT_CALCRECT);
    }
    OffsetRect(text, places.TextPos.X, places.TextPos.Y);
    style.DrawText(canvas, details, button->Caption(), text, flags, color);
}
