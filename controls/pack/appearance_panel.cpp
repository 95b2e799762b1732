#include "controls/pack/appearance_panel.h"

#include "controls/pack/panel_painting.h"

TKvpAppearancePanel::TKvpAppearancePanel(TComponent* owner,
                                         std::unique_ptr<TKvpBasicPanelAppearance> appearance)
    : TKvpCustomBasePanel(owner), TKvpControlParts(this), FAppearance(std::move(appearance))
{
    SetParentBackground(false);
    FAppearance->OnChange = [this](TObject*) { Changed(); };
    // Gradient changes repaint also while loading.
    FAppearance->UpperGradient()->OnChange = [this](TObject*) { Invalidate(); };
    FAppearance->BottomGradient()->OnChange = [this](TObject*) { Invalidate(); };
}

TKvpAppearancePanel::~TKvpAppearancePanel() = default;

void TKvpAppearancePanel::Changed()
{
    if (!IsLoading(*this))
        Invalidate();
}

void TKvpAppearancePanel::AssignAppearance(const TKvpBasicPanelAppearance* value)
{
    FAppearance->Assign(value);
    Invalidate();
}

void TKvpAppearancePanel::SetBounds(int left, int top, int width, int height)
{
    TKvpCustomBasePanel::SetBounds(left, top, width, height);
    AnchorsFollow();
}

void TKvpAppearancePanel::Notification(TComponent* component, TOperation operation)
{
    TKvpCustomBasePanel::Notification(component, operation);
    AnchorsNotification(component, operation);
}

void TKvpAppearancePanel::DrawBackground(const TRect& r)
{
    TCanvas& canvas = *Canvas();
    DrawAppearanceBackground(*this, canvas, r, *FAppearance);
    DrawDecorations(r);
    DrawAppearanceBorders(canvas, r, *FAppearance);
}

TKvpCustomBasicPanel::TKvpCustomBasicPanel(TComponent* owner)
    : TKvpAppearancePanel(owner, std::make_unique<TKvpBasicPanelAppearance>(this))
{}
