#pragma once

#include "controls/pack/panel_appearance.h"
#include "platform/gui/standard/panels.h"

// Painting shared by the basic panel and the panel.

// The background: nothing where the parent shows through; under an active custom style (when the panel's
// StyleElements hold seClient) the style's plain panel; otherwise the background colour or, with
// DrawGradient, the upper and bottom gradients split at UpperGradientPercent.
void DrawAppearanceBackground(TCustomPanel& panel, TCanvas& canvas, const TRect& r,
                              const TKvpBasicPanelAppearance& appearance);
// The visible border sides left, right, top, bottom over rect, later sides over earlier ones at the
// corners; nothing without DrawBorder.
void DrawAppearanceBorders(TCanvas& canvas, const TRect& r, const TKvpBasicPanelAppearance& appearance);
// How wide each visible border side is (0 for a hidden one), whatever DrawBorder says.
struct TBorderWidths
{
    int Left = 0, Right = 0, Top = 0, Bottom = 0;
};
TBorderWidths VisibleBorderWidths(const TKvpBasicPanelBorders& borders);
