#include "controls/pack/panel.h"

#include "controls/pack/panel_painting.h"

TKvpCustomPanel::TKvpCustomPanel(TComponent* owner)
    : TKvpAppearancePanel(owner, std::make_unique<TKvpPanelAppearance>(this)),
      FVerticalLines(std::make_unique<TKvpPanelVerticalLines>(this)),
      FHorizontalLines(std::make_unique<TKvpPanelHorizontalLines>(this)),
      FCaptions(std::make_unique<TKvpPanelCaptions>(this)),
      FHorizontalBars(std::make_unique<TKvpPanelHorizontalBars>(this))
{}

TKvpCustomPanel::~TKvpCustomPanel() = default;

void TKvpCustomPanel::CopyItems(TCollection& target, const TCollection* source)
{
    target.Assign(source);
    Changed();
}

void TKvpCustomPanel::DrawDecorations(const TRect& r)
{
    TCanvas& canvas = *Canvas();
    const TBorderWidths widths = VisibleBorderWidths(*Appearance()->Borders());
    DrawHorizontalBars(canvas, r, widths, *FHorizontalBars);
    DrawVerticalLines(canvas, r, widths, *FVerticalLines);
    DrawHorizontalLines(canvas, r, widths, *FHorizontalLines);
    DrawCaptions(canvas, r, widths, *FCaptions);
}
