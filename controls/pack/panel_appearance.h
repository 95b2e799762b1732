#pragma once

#include "controls/pack/gradient_ex.h"

#include <memory>

// The looks of the basic panel and the panel: a background colour or two stacked vertical gradients
// split at a percentage of the height, and four border sides. Every change travels up as OnChange: a
// border to its border set, the set to the appearance, the appearance to the panel, which repaints.

// One side: its pen's width is the side's thickness; Border3D mitres the corners.
class TKvpBasicPanelBorder : public TPersistent
{
public:
    TKvpBasicPanelBorder();

    TPen* Pen() const { return FPen.get(); }
    void SetPen(const TPen* value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool value);
    bool Border3D() const { return FBorder3D; }
    void SetBorder3D(bool value);
    // Copies the pen's attributes (the pen stays this border's own), Visible and Border3D.
    void Assign(const TPersistent* source) override;

    TNotifyEvent OnChange;

private:
    void Changed();
    std::unique_ptr<TPen> FPen;
    bool FVisible = true;
    bool FBorder3D = true;
};

// Left and top in clBtnHighlight, right and bottom in clBtnShadow: a raised frame.
class TKvpBasicPanelBorders : public TPersistent
{
public:
    TKvpBasicPanelBorders();

    TKvpBasicPanelBorder* Left() const { return FLeft.get(); }
    TKvpBasicPanelBorder* Right() const { return FRight.get(); }
    TKvpBasicPanelBorder* Top() const { return FTop.get(); }
    TKvpBasicPanelBorder* Bottom() const { return FBottom.get(); }
    // Each copies the given border and notifies.
    void SetLeft(const TKvpBasicPanelBorder* value) { SetSide(*FLeft, value); }
    void SetRight(const TKvpBasicPanelBorder* value) { SetSide(*FRight, value); }
    void SetTop(const TKvpBasicPanelBorder* value) { SetSide(*FTop, value); }
    void SetBottom(const TKvpBasicPanelBorder* value) { SetSide(*FBottom, value); }
    // Copies the four sides; each side reports its own change.
    void Assign(const TPersistent* source) override;

    TNotifyEvent OnChange;

private:
    void SetSide(TKvpBasicPanelBorder& side, const TKvpBasicPanelBorder* value);
    std::unique_ptr<TKvpBasicPanelBorder> FLeft, FRight, FTop, FBottom;
};

class TKvpBasicPanelAppearance : public TPersistent
{
public:
    explicit TKvpBasicPanelAppearance(TComponent* owner);
    ~TKvpBasicPanelAppearance() override;

    TKvpGradientEx* UpperGradient() const { return FUpperGradient.get(); }
    void SetUpperGradient(const TKvpGradientEx* value);
    TKvpGradientEx* BottomGradient() const { return FBottomGradient.get(); }
    void SetBottomGradient(const TKvpGradientEx* value);
    // The upper gradient's share of the height; above 100 it reaches below the panel.
    uint8_t UpperGradientPercent() const { return FUpperGradientPercent; }
    void SetUpperGradientPercent(uint8_t value);
    TKvpBasicPanelBorders* Borders() const { return FBorders.get(); }
    void SetBorders(const TKvpBasicPanelBorders* value);
    // Pixels between the visible borders and the gradients.
    int BorderToGradientMargin() const { return FBorderToGradientMargin; }
    void SetBorderToGradientMargin(int value);
    TColor BackgroundColor() const { return FBackgroundColor; }
    void SetBackgroundColor(TColor value);
    bool DrawGradient() const { return FDrawGradient; }
    void SetDrawGradient(bool value);
    bool DrawBorder() const { return FDrawBorder; }
    void SetDrawBorder(bool value);
    TComponent* Owner() const { return FOwner; }

    // Everything: both gradients and the borders (each reporting its own change), then one change.
    void Assign(const TPersistent* source) override;

    TNotifyEvent OnChange;

protected:
    void Changed();
    void CopyValues(const TKvpBasicPanelAppearance& source, bool gradients, bool borders);

private:
    TComponent* FOwner;
    std::unique_ptr<TKvpGradientEx> FUpperGradient;
    std::unique_ptr<TKvpGradientEx> FBottomGradient;
    uint8_t FUpperGradientPercent = 50;
    std::unique_ptr<TKvpBasicPanelBorders> FBorders;
    int FBorderToGradientMargin = 0;
    TColor FBackgroundColor = clBtnFace;
    bool FDrawGradient = true;
    bool FDrawBorder = true;
};

// The panel's appearance copies in part: gradients, borders, or only the background colour and margin.
class TKvpPanelAppearance : public TKvpBasicPanelAppearance
{
public:
    using TKvpBasicPanelAppearance::Assign;
    using TKvpBasicPanelAppearance::TKvpBasicPanelAppearance;
    // The background colour and margin always; the gradients with DrawGradient and UpperGradientPercent
    // when applyGradientParams; the borders with DrawBorder when applyBordersParams; then one change.
    void Assign(const TKvpBasicPanelAppearance* source, bool applyGradientParams, bool applyBordersParams);
};

using TKvpPanelBorder = TKvpBasicPanelBorder;
using TKvpPanelBorders = TKvpBasicPanelBorders;
