#include "controls/pack/button_appearance.h"

#include "support/color_routines.h"

// --- TKvpItemStateParams -----------------------------------------------------------------------------------

TKvpItemStateParams::TKvpItemStateParams(TComponent* owner)
    : FFont(std::make_unique<TFont>()), FBorder(std::make_unique<TPen>()),
      FUpperGradient(std::make_unique<TKvpGradientEx>(owner)),
      FBottomGradient(std::make_unique<TKvpGradientEx>(owner))
{
    const auto changed = [this](TObject*) { Changed(); };
    FUpperGradient->OnChange = changed;
    FBottomGradient->OnChange = changed;
    FFont->OnChange = changed;
    FBorder->OnChange = changed;
}

TKvpItemStateParams::~TKvpItemStateParams() = default;

void TKvpItemStateParams::Changed()
{
    if (OnChange)
        OnChange(this);
}

template <typename T> void TKvpItemStateParams::Store(T& field, T value)
{
    field = value;
    Changed();
}

void TKvpItemStateParams::SetBorder(const TPen* value)
{
    FBorder->Assign(value);
}

void TKvpItemStateParams::SetColor(TColor value)
{
    Store(FColor, value);
}

void TKvpItemStateParams::SetFont(const TFont* value)
{
    FFont->Assign(value);
}

void TKvpItemStateParams::SetUpperGradient(const TKvpGradientEx* value)
{
    FUpperGradient->Assign(value);
}

void TKvpItemStateParams::SetBottomGradient(const TKvpGradientEx* value)
{
    FBottomGradient->Assign(value);
}

void TKvpItemStateParams::SetGradientEnabled(bool value)
{
    Store(FGradientEnabled, value);
}

void TKvpItemStateParams::SetUpperGradientPercent(uint8_t value)
{
    Store(FUpperGradientPercent, value);
}

void TKvpItemStateParams::SetBorderToGradientMargin(int value)
{
    Store(FBorderToGradientMargin, value);
}

void TKvpItemStateParams::SetTransparentBackground(bool value)
{
    Store(FTransparentBackground, value);
}

void TKvpItemStateParams::SetTransparentFrame(bool value)
{
    Store(FTransparentFrame, value);
}

void TKvpItemStateParams::AssignValues(const TKvpItemStateParams& source)
{
    SetFont(source.FFont.get());
    SetBorder(source.FBorder.get());
    SetColor(source.FColor);
    SetGradientEnabled(source.FGradientEnabled);
    SetUpperGradient(source.FUpperGradient.get());
    SetBottomGradient(source.FBottomGradient.get());
    SetUpperGradientPercent(source.FUpperGradientPercent);
    SetBorderToGradientMargin(source.FBorderToGradientMargin);
    SetTransparentBackground(source.FTransparentBackground);
    SetTransparentFrame(source.FTransparentFrame);
}

// --- TKvpButtonAppearance ----------------------------------------------------------------------------------

namespace {

struct TStateLooks
{
    TColor color, upperFrom, upperTo, bottomFrom, bottomTo, border;
    uint8_t upperPercent;
    TColor font;
};

void Give(TKvpItemStateParams& state, const TStateLooks& looks)
{
    state.SetColor(looks.color);
    state.UpperGradient()->SetColorFrom(looks.upperFrom);
    state.UpperGradient()->SetColorTo(looks.upperTo);
    state.BottomGradient()->SetColorFrom(looks.bottomFrom);
    state.BottomGradient()->SetColorTo(looks.bottomTo);
    state.Border()->SetColor(looks.border);
    state.SetUpperGradientPercent(looks.upperPercent);
    state.Font()->SetColor(looks.font);
}

} // namespace

TKvpButtonAppearance::TKvpButtonAppearance(TComponent* owner)
    : FNormal(std::make_unique<TKvpItemStateParams>(owner)),
      FHot(std::make_unique<TKvpItemStateParams>(owner)), FFocusRect(std::make_unique<TKvpFocusRectParams>()),
      FBorderWhenDefault(std::make_unique<TPen>()), FDown(std::make_unique<TKvpItemStateParams>(owner)),
      FDisabled(std::make_unique<TKvpItemStateParams>(owner)),
      FFocused(std::make_unique<TKvpItemStateParams>(owner))
{
    Give(*FNormal, {0xF3F3F3, 0xF1F1F1, 0xEBEBEB, 0xDDDDDD, 0xCFCFCF, 0x707070, 46, clBlack});
    Give(*FHot, {0xFCF5E8, 0xFDF6EA, 0xFCF0D9, 0xFDE6BE, 0xF5D9A7, 0xB17F3C, 46, clBlack});
    Give(*FFocused, {0xF3F3F3, 0xF1F1F1, 0xEBEBEB, 0xDDDDDD, 0xCFCFCF, 0xD0AA24, 46, clBlack});
    Give(*FDown, {0xF1E2C5, 0xFCF4E5, 0xF6E5C4, 0xEFD198, 0xDFB972,
                  LightenDarkenColor(FHot->Border()->Color(), 50, false), 52, clBlack});
    Give(*FDisabled,
         {0xF4F4F4, 0xF4F4F4, 0xF4F4F4, 0xF4F4F4, 0xF4F4F4, 0xB5B2AD, 46, RGBToColor(160, 160, 160)});
    FFocusRect->Pen()->SetColor(0xD0AA24);
    FBorderWhenDefault->SetColor(0xD0AA24);
    const auto changed = [this](TObject* sender) { PropsChanged(sender); };
    for (TKvpItemStateParams* state :
         {FNormal.get(), FHot.get(), FDown.get(), FDisabled.get(), FFocused.get()})
        state->OnChange = changed;
    FFocusRect->OnChange = changed;
}

TKvpButtonAppearance::~TKvpButtonAppearance() = default;

void TKvpButtonAppearance::PropsChanged(TObject*)
{
    if (FOnChange)
        FOnChange(this);
}

void TKvpButtonAppearance::SetOnChange(TNotifyEvent handler)
{
    FOnChange = std::move(handler);
    PropsChanged(this);
}

void TKvpButtonAppearance::SetState(TKvpItemStateParams& state, const TKvpItemStateParams* value)
{
    state.AssignValues(*value);
    PropsChanged(this);
}

void TKvpButtonAppearance::SetFocusRect(const TKvpFocusRectParams* value)
{
    FFocusRect->SetFocusType(value->FocusType());
    FFocusRect->SetSpacing(value->Spacing());
    FFocusRect->SetPen(value->Pen());
    PropsChanged(this);
}

void TKvpButtonAppearance::SetBorderWhenDefault(const TPen* value)
{
    FBorderWhenDefault->Assign(value);
    PropsChanged(this);
}

void TKvpButtonAppearance::Assign(const TKvpButtonAppearance* source)
{
    SetDefaultDrawing(source->FDefaultDrawing);
    SetGlyphDisabledGrayscaleFactor(source->FGlyphDisabledGrayscaleFactor);
    SetGlyphDisabledBlendFactor(source->FGlyphDisabledBlendFactor);
    SetGlyphHotGammaFactor(source->FGlyphHotGammaFactor);
    SetMoveWhenDown(source->FMoveWhenDown);
    SetBorderWhenDefault(source->FBorderWhenDefault.get());
    FFocusRect->SetFocusType(source->FFocusRect->FocusType());
    FFocusRect->SetSpacing(source->FFocusRect->Spacing());
    FFocusRect->SetPen(source->FFocusRect->Pen());
    SetShowCaption(source->FShowCaption);
    FNormal->AssignValues(*source->FNormal);
    FHot->AssignValues(*source->FHot);
    FDown->AssignValues(*source->FDown);
    FFocused->AssignValues(*source->FFocused);
    FDisabled->AssignValues(*source->FDisabled);
}
