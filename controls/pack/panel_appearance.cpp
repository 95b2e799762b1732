#include "controls/pack/panel_appearance.h"

#include "support/color_routines.h"

// --- TKvpBasicPanelBorder ----------------------------------------------------------------------------------

TKvpBasicPanelBorder::TKvpBasicPanelBorder() : FPen(std::make_unique<TPen>())
{
    FPen->OnChange = [this](TObject*) { Changed(); };
}

void TKvpBasicPanelBorder::Changed()
{
    if (OnChange)
        OnChange(this);
}

void TKvpBasicPanelBorder::SetPen(const TPen* value)
{
    FPen->Assign(value);
}

void TKvpBasicPanelBorder::SetVisible(bool value)
{
    FVisible = value;
    Changed();
}

void TKvpBasicPanelBorder::SetBorder3D(bool value)
{
    FBorder3D = value;
    Changed();
}

void TKvpBasicPanelBorder::Assign(const TPersistent* source)
{
    const auto* border = dynamic_cast<const TKvpBasicPanelBorder*>(source);
    if (!border) {
        TPersistent::Assign(source);
        return;
    }
    FPen->Assign(border->FPen.get());
    SetVisible(border->FVisible);
    SetBorder3D(border->FBorder3D);
}

// --- TKvpBasicPanelBorders ---------------------------------------------------------------------------------

TKvpBasicPanelBorders::TKvpBasicPanelBorders()
    : FLeft(std::make_unique<TKvpBasicPanelBorder>()), FRight(std::make_unique<TKvpBasicPanelBorder>()),
      FTop(std::make_unique<TKvpBasicPanelBorder>()), FBottom(std::make_unique<TKvpBasicPanelBorder>())
{
    FLeft->Pen()->SetColor(clBtnHighlight);
    FRight->Pen()->SetColor(clBtnShadow);
    FTop->Pen()->SetColor(clBtnHighlight);
    FBottom->Pen()->SetColor(clBtnShadow);
    for (TKvpBasicPanelBorder* side : {FLeft.get(), FRight.get(), FTop.get(), FBottom.get()})
        side->OnChange = [this](TObject*) {
            if (OnChange)
                OnChange(this);
        };
}

void TKvpBasicPanelBorders::SetSide(TKvpBasicPanelBorder& side, const TKvpBasicPanelBorder* value)
{
    side.Assign(value);
    if (OnChange)
        OnChange(this);
}

void TKvpBasicPanelBorders::Assign(const TPersistent* source)
{
    const auto* borders = dynamic_cast<const TKvpBasicPanelBorders*>(source);
    if (!borders) {
        TPersistent::Assign(source);
        return;
    }
    FLeft->Assign(borders->FLeft.get());
    FRight->Assign(borders->FRight.get());
    FTop->Assign(borders->FTop.get());
    FBottom->Assign(borders->FBottom.get());
}

// --- TKvpBasicPanelAppearance ------------------------------------------------------------------------------

TKvpBasicPanelAppearance::TKvpBasicPanelAppearance(TComponent* owner)
    : FOwner(owner), FUpperGradient(std::make_unique<TKvpGradientEx>()),
      FBottomGradient(std::make_unique<TKvpGradientEx>()), FBorders(std::make_unique<TKvpBasicPanelBorders>())
{
    const TColor face = ColorToRGB(clBtnFace);
    FUpperGradient->SetColorFrom(LightenDarkenColor(face, 5, true));
    FUpperGradient->SetColorTo(LightenDarkenColor(face, 5, false));
    FBottomGradient->SetColorFrom(FUpperGradient->ColorTo());
    FBottomGradient->SetColorTo(LightenDarkenColor(face, 10, false));
    FBorders->OnChange = [this](TObject*) { Changed(); };
}

TKvpBasicPanelAppearance::~TKvpBasicPanelAppearance() = default;

void TKvpBasicPanelAppearance::Changed()
{
    if (OnChange)
        OnChange(this);
}

void TKvpBasicPanelAppearance::SetUpperGradient(const TKvpGradientEx* value)
{
    FUpperGradient->Assign(value);
    Changed();
}

void TKvpBasicPanelAppearance::SetBottomGradient(const TKvpGradientEx* value)
{
    FBottomGradient->Assign(value);
    Changed();
}

void TKvpBasicPanelAppearance::SetUpperGradientPercent(uint8_t value)
{
    FUpperGradientPercent = value;
    // Both gradients change their share of the panel.
    if (FBottomGradient->OnChange)
        FBottomGradient->OnChange(FBottomGradient.get());
    if (FUpperGradient->OnChange)
        FUpperGradient->OnChange(FUpperGradient.get());
    Changed();
}

void TKvpBasicPanelAppearance::SetBorders(const TKvpBasicPanelBorders* value)
{
    FBorders->Assign(value);
    Changed();
}

void TKvpBasicPanelAppearance::SetBorderToGradientMargin(int value)
{
    FBorderToGradientMargin = value;
    Changed();
}

void TKvpBasicPanelAppearance::SetBackgroundColor(TColor value)
{
    FBackgroundColor = value;
    Changed();
}

void TKvpBasicPanelAppearance::SetDrawGradient(bool value)
{
    FDrawGradient = value;
    Changed();
}

void TKvpBasicPanelAppearance::SetDrawBorder(bool value)
{
    FDrawBorder = value;
    Changed();
}

void TKvpBasicPanelAppearance::CopyValues(const TKvpBasicPanelAppearance& source, bool gradients,
                                          bool borders)
{
    if (gradients) {
        FDrawGradient = source.FDrawGradient;
        FUpperGradient->Assign(source.FUpperGradient.get());
        FBottomGradient->Assign(source.FBottomGradient.get());
        FUpperGradientPercent = source.FUpperGradientPercent;
    }
    FBorderToGradientMargin = source.FBorderToGradientMargin;
    FBackgroundColor = source.FBackgroundColor;
    if (borders) {
        FBorders->Assign(source.FBorders.get());
        FDrawBorder = source.FDrawBorder;
    }
    Changed();
}

void TKvpBasicPanelAppearance::Assign(const TPersistent* source)
{
    const auto* appearance = dynamic_cast<const TKvpBasicPanelAppearance*>(source);
    if (!appearance) {
        TPersistent::Assign(source);
        return;
    }
    CopyValues(*appearance, true, true);
}

void TKvpPanelAppearance::Assign(const TKvpBasicPanelAppearance* source, bool applyGradientParams,
                                 bool applyBordersParams)
{
    CopyValues(*source, applyGradientParams, applyBordersParams);
}
