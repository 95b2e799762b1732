#include "controls/pack/button_color_maps.h"

#include "controls/pack/png_button.h"

void TKvpPngButton::SetColorMapType(TKvpPngButtonColorMapType value)
{
    FColorMapType = value;
    if (value == cmtCustom)
        return;
    TKvpPngButtonColorMap map;
    FillPredefinedColorMap(value, map);
    ApplyColorMap(map);
}

namespace {

void ApplyStateColors(TKvpItemStateParams& state, const TKvpPngButtonStateColors& colors)
{
    state.Border()->SetColor(colors.BorderColor);
    state.Font()->SetColor(colors.FontColor);
    state.SetColor(colors.Color);
    state.UpperGradient()->SetColorFrom(colors.UpperGradientColorFrom);
    state.UpperGradient()->SetColorTo(colors.UpperGradientColorTo);
    state.BottomGradient()->SetColorFrom(colors.BottomGradientColorFrom);
    state.BottomGradient()->SetColorTo(colors.BottomGradientColorTo);
}

} // namespace

void TKvpPngButton::ApplyColorMap(const TKvpPngButtonColorMap& colorMap)
{
    TKvpButtonAppearance& a = *FAppearance;
    a.BorderWhenDefault()->SetColor(colorMap.BorderWhenDefaultColor);
    a.FocusRect()->Pen()->SetColor(colorMap.FocusRectColor);
    ApplyStateColors(*a.Normal(), colorMap.Normal);
    ApplyStateColors(*a.Hot(), colorMap.Hot);
    ApplyStateColors(*a.Down(), colorMap.Down);
    ApplyStateColors(*a.Focused(), colorMap.Focused);
    ApplyStateColors(*a.Disabled(), colorMap.Disabled);
}
