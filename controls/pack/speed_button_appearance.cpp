#include "controls/pack/speed_button_appearance.h"

#include "support/color_routines.h"

void TKvpBasicSpeedButtonStateParams::Assign(const TPersistent* source)
{
    const auto* state = dynamic_cast<const TKvpBasicSpeedButtonStateParams*>(source);
    if (!state) {
        TPersistent::Assign(source);
        return;
    }
    SetBorderColor(state->FBorderColor);
    SetBorderWidth(state->FBorderWidth);
    SetColor(state->FColor);
    SetFontColor(state->FFontColor);
    SetTransparentBackground(state->FTransparentBackground);
    SetTransparentBorder(state->FTransparentBorder);
}

namespace {

void Give(TKvpBasicSpeedButtonStateParams& state, TColor color, TColor fontColor, TColor borderColor)
{
    state.SetColor(color);
    state.SetFontColor(fontColor);
    state.SetBorderColor(borderColor);
    state.SetBorderWidth(1);
}

} // namespace

TKvpBasicSpeedButtonAppearance::TKvpBasicSpeedButtonAppearance()
    : FNormal(std::make_unique<TKvpBasicSpeedButtonStateParams>()),
      FHot(std::make_unique<TKvpBasicSpeedButtonStateParams>()),
      FDown(std::make_unique<TKvpBasicSpeedButtonStateParams>()),
      FDisabled(std::make_unique<TKvpBasicSpeedButtonStateParams>())
{
    Give(*FNormal, clBtnFace, clWindowText, clWindowFrame);
    Give(*FHot, clHighlight, clHighlightText, clHighlight);
    const TColor down = LightenDarkenColor(FHot->Color(), 30, false);
    Give(*FDown, down, FHot->FontColor(), down);
    const TColor disabled = LightenDarkenColor(clBtnFace, 3, true);
    Give(*FDisabled, disabled, clBtnShadow, clBtnShadow);
    for (TKvpBasicSpeedButtonStateParams* state : {FNormal.get(), FHot.get(), FDown.get(), FDisabled.get()})
        state->OnChange = [this](TObject*) { Changed(); };
}

TKvpBasicSpeedButtonAppearance::~TKvpBasicSpeedButtonAppearance() = default;

void TKvpBasicSpeedButtonAppearance::Changed()
{
    if (OnChange)
        OnChange(this);
}

void TKvpBasicSpeedButtonAppearance::CopyState(TKvpBasicSpeedButtonStateParams& state,
                                               const TKvpBasicSpeedButtonStateParams* value)
{
    state.Assign(value);
    Changed();
}

void TKvpBasicSpeedButtonAppearance::SetGlyphDisabledBlendIntensity(TKvpBlendIntensity value)
{
    if (value != FGlyphDisabledBlendIntensity)
        Store(FGlyphDisabledBlendIntensity, value);
}

void TKvpBasicSpeedButtonAppearance::SetGlyphDisabledGrayscaleIntensity(TKvpGrayscaleIntensity value)
{
    if (value != FGlyphDisabledGrayscaleIntensity)
        Store(FGlyphDisabledGrayscaleIntensity, value);
}

void TKvpBasicSpeedButtonAppearance::Assign(const TKvpBasicSpeedButtonAppearance* source,
                                            bool ignoreShowCaption)
{
    FNormal->Assign(source->FNormal.get());
    FHot->Assign(source->FHot.get());
    FDown->Assign(source->FDown.get());
    FDisabled->Assign(source->FDisabled.get());
    SetMoveWhenDown(source->FMoveWhenDown);
    SetGlyphHotGammaFactor(source->FGlyphHotGammaFactor);
    FGlyphDisabledBlendIntensity = source->FGlyphDisabledBlendIntensity;
    FGlyphDisabledGrayscaleIntensity = source->FGlyphDisabledGrayscaleIntensity;
    if (!ignoreShowCaption)
        SetShowCaption(source->FShowCaption);
}
