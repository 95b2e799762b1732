#include "controls/pack/basic_speed_button.h"

#include "controls/pack/border_drawing.h"
#include "controls/pack/glyph_caption_layout.h"
#include "controls/pack/png_image_list.h"
#include "platform/gui/graphics/gdi.h"

TKvpBasicSpeedButton::TKvpBasicSpeedButton(TComponent* owner)
    : TGraphicControl(owner), TKvpControlParts(this),
      FAppearance(std::make_unique<TKvpBasicSpeedButtonAppearance>()),
      FPngImage(std::make_unique<TPngImage>())
{
    // No click events from the platform: MouseUp clicks.
    SetControlStyle({csCaptureMouse, csDoubleClicks});
    FAppearance->OnChange = [this](TObject*) { Changed(); };
    SetBounds(Left(), Top(), 75, 25);
}

TKvpBasicSpeedButton::~TKvpBasicSpeedButton() = default;

void TKvpBasicSpeedButton::Changed()
{
    AdjustAutoWidth();
    Invalidate();
}

void TKvpBasicSpeedButton::SetAppearance(const TKvpBasicSpeedButtonAppearance* value)
{
    FAppearance->Assign(value, false);
    Changed();
}

void TKvpBasicSpeedButton::SetPngImage(const TPngImage* value)
{
    if (value)
        FPngImage->Assign(value);
    else
        FPngImage = std::make_unique<TPngImage>();
    const TPngColorType type = FPngImage->Header().ColorType;
    if (!FPngImage->Empty() && (type == COLOR_RGB || type == COLOR_PALETTE || type == COLOR_RGBALPHA))
        FPngImage->RemoveChunk("gAMA");
    FImageFromAction = false;
    Changed();
}

void TKvpBasicSpeedButton::SetPngOptions(TPngOptions value)
{
    if (value == FPngOptions)
        return;
    FPngOptions = value;
    Changed();
}

void TKvpBasicSpeedButton::SetLayout(TButtonLayout value)
{
    FLayout = value;
    Changed();
}

void TKvpBasicSpeedButton::SetMargin(int value)
{
    FMargin = value;
    Changed();
}

void TKvpBasicSpeedButton::SetSpacing(int value)
{
    FSpacing = value;
    Changed();
}

void TKvpBasicSpeedButton::SetAutoWidth(bool value)
{
    if (value == FAutoWidth)
        return;
    FAutoWidth = value;
    Changed();
}

void TKvpBasicSpeedButton::SetAutoWidthMargin(int8_t value)
{
    if (value == FAutoWidthMargin)
        return;
    FAutoWidthMargin = value;
    Changed();
}

void TKvpBasicSpeedButton::SetAutoWidthRightJustify(bool value)
{
    if (value == FAutoWidthRightJustify)
        return;
    FAutoWidthRightJustify = value;
    Changed();
}

void TKvpBasicSpeedButton::AdjustAutoWidth()
{
    if (!FAutoWidth || Align() == alClient || Align() == alTop || Align() == alBottom ||
        !FAppearance->ShowCaption() || Caption().empty())
        return;
    TBitmap measure(1, 1);
    measure.Canvas()->SetFont(Font());
    int width = (FPngImage->Empty() ? 0 : FPngImage->Width()) + FSpacing +
                measure.Canvas()->TextWidth(Caption()) + 2 * FAutoWidthMargin + (FMargin > 0 ? FMargin : 0);
    width = std::max(width, 16);
    if (width == Width())
        return;
    const int left = FAutoWidthRightJustify ? Left() - (width - Width()) : Left();
    SetBounds(left, Top(), width, Height());
}

void TKvpBasicSpeedButton::SetBounds(int left, int top, int width, int height)
{
    TGraphicControl::SetBounds(left, top, width, height);
    AnchorsFollow();
}

void TKvpBasicSpeedButton::Notification(TComponent* component, TOperation operation)
{
    TGraphicControl::Notification(component, operation);
    AnchorsNotification(component, operation);
}

void TKvpBasicSpeedButton::Loaded()
{
    TGraphicControl::Loaded();
    FButtonState = RestingState();
    AdjustAutoWidth();
}

void TKvpBasicSpeedButton::SetState(TKvpBasicSpeedButtonState state)
{
    FButtonState = state;
    Invalidate();
}

void TKvpBasicSpeedButton::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        // The control's own OnMouseEnter and OnMouseLeave fire on the way (a disabled one gets neither).
        TGraphicControl::Dispatch(message);
        if (message.LParam == 0)
            SetState(!Enabled() ? bssDisabled : message.Msg == CM_MOUSEENTER ? bssOver : bssNormal);
        return;
    case CM_ENABLEDCHANGED:
        TGraphicControl::Dispatch(message);
        SetState(RestingState());
        return;
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
        TGraphicControl::Dispatch(message);
        Changed();
        return;
    }
    TGraphicControl::Dispatch(message);
}

void TKvpBasicSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TGraphicControl::MouseDown(button, shift, x, y);
    if (button == mbLeft && Enabled() && FButtonState != bssDown)
        SetState(bssDown);
}

void TKvpBasicSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TGraphicControl::MouseUp(button, shift, x, y);
    if (!Enabled())
        return;
    // Any button released counts, the right one too.
    FButtonState = bssOver;
    if (x >= 0 && x < ClientWidth() && y >= 0 && y < ClientHeight())
        Click();
    Invalidate();
}

void TKvpBasicSpeedButton::Click()
{
    TGraphicControl::Click();
}

void TKvpBasicSpeedButton::ActionChange(TBasicAction* sender, bool checkDefaults)
{
    TGraphicControl::ActionChange(sender, checkDefaults);
    if (TakeActionImage(sender, *FPngImage, FPngImage->Empty() || FImageFromAction))
        FImageFromAction = true;
    Changed();
}

const TKvpBasicSpeedButtonStateParams& TKvpBasicSpeedButton::StateParams() const
{
    switch (FButtonState) {
    case bssOver:
        return *FAppearance->Hot();
    case bssDown:
        return *FAppearance->Down();
    case bssDisabled:
        return *FAppearance->Disabled();
    default:
        return *FAppearance->Normal();
    }
}

void TKvpBasicSpeedButton::Paint()
{
    TCanvas& canvas = *Canvas();
    TRect r = ClientRect();
    canvas.SetFont(Font());
    const TKvpBasicSpeedButtonStateParams& s = StateParams();
    if (!s.TransparentBackground()) {
        canvas.Brush()->SetStyle(bsSolid);
        canvas.Brush()->SetColor(s.Color());
        canvas.FillRect(r);
    }
    if (!s.TransparentBorder()) {
        canvas.Brush()->SetStyle(bsClear);
        canvas.Pen()->SetStyle(psSolid);
        DrawRectFrame(canvas, r, s.BorderColor(), s.BorderWidth());
    }
    const bool hot = FButtonState == bssOver, down = FButtonState == bssDown;
    const TKvpBasicSpeedButtonAppearance& a = *FAppearance;
    const std::string caption = a.ShowCaption() ? Caption() : std::string();
    const TGlyphAndCaptionPlaces places =
        PlaceGlyphAndCaption(canvas, FPngImage.get(), ClientRect(), down && a.MoveWhenDown(), false, caption,
                             FLayout, FMargin, FSpacing, DrawTextBiDiModeFlags(0));
    if (!FPngImage->Empty()) {
        TPngImage copy;
        copy.Assign(FPngImage.get());
        if (!Enabled())
            PngApplyIntensities(copy, a.GlyphDisabledBlendIntensity(), a.GlyphDisabledGrayscaleIntensity(),
                                FPngOptions.Contains(pngBlendOnDisabled),
                                FPngOptions.Contains(pngGrayscaleOnDisabled));
        else if (hot || down)
            PngSetGamma(copy, a.GlyphHotGammaFactor() / 100.0f);
        canvas.Draw(places.GlyphPos.X, places.GlyphPos.Y, &copy);
    }
    if (!caption.empty()) {
        canvas.Brush()->SetStyle(bsClear);
        canvas.Font()->SetColor(s.FontColor());
        TRect text{places.TextPos.X, places.TextPos.Y, Width(), Height()};
        DrawText(canvas, caption, text, DrawTextBiDiModeFlags(DT_SINGLELINE));
    }
}
