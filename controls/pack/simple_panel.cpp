#include "controls/pack/simple_panel.h"

#include "controls/pack/border_drawing.h"
#include "controls/pack/gradient_fill.h"

// --- TKvpSimplePanelAppearance -----------------------------------------------------------------------------

void TKvpSimplePanelAppearance::Changed()
{
    if (OnChange)
        OnChange(this);
}

void TKvpSimplePanelAppearance::SetBackgroundColor(TColor value)
{
    FBackgroundColor = value;
    Changed();
}

void TKvpSimplePanelAppearance::Assign(const TPersistent* source)
{
    const auto* appearance = dynamic_cast<const TKvpSimplePanelAppearance*>(source);
    if (!appearance) {
        TPersistent::Assign(source);
        return;
    }
    SetBackgroundColor(appearance->FBackgroundColor);
    SetBackroundColorTo(appearance->FBackroundColorTo);
    SetBorderColor(appearance->FBorderColor);
    SetDrawTopBorder(appearance->FDrawTopBorder);
    SetDrawBottomBorder(appearance->FDrawBottomBorder);
    SetDrawLeftBorder(appearance->FDrawLeftBorder);
    SetDrawRightBorder(appearance->FDrawRightBorder);
    SetBorderStyle(appearance->FBorderStyle);
}

// --- TKvpCustomBaseSimplePanel -----------------------------------------------------------------------------

TKvpCustomBaseSimplePanel::TKvpCustomBaseSimplePanel(TComponent* owner) : TKvpEventPanel(owner) {}

void TKvpCustomBaseSimplePanel::SetCaptionMargin(int value)
{
    if (value == FCaptionMargin)
        return;
    FCaptionMargin = value;
    Invalidate();
}

void TKvpCustomBaseSimplePanel::DrawCaption(const TRect& r)
{
    if (!ShowCaption() || Caption().empty())
        return;
    TCanvas& canvas = *Canvas();
    canvas.SetFont(Font());
    const int w = canvas.TextWidth(Caption()), h = canvas.TextHeight(Caption());
    int x = r.Width() / 2 - w / 2;
    if (Alignment() == taLeftJustify)
        x = FCaptionMargin;
    else if (Alignment() == taRightJustify)
        x = r.Width() - w - FCaptionMargin;
    // The brush stays as the border step left it: clear over borders, else solid in the background.
    canvas.TextOut(x, r.Height() / 2 - h / 2, Caption());
}

// --- TKvpCustomSimplePanel ---------------------------------------------------------------------------------

TKvpCustomSimplePanel::TKvpCustomSimplePanel(TComponent* owner)
    : TKvpCustomBaseSimplePanel(owner), TKvpControlParts(this),
      FAppearance(std::make_unique<TKvpSimplePanelAppearance>(this))
{
    SetParentBackground(false);
    FAppearance->OnChange = [this](TObject*) { AppearanceChanged(); };
}

TKvpCustomSimplePanel::~TKvpCustomSimplePanel() = default;

void TKvpCustomSimplePanel::AppearanceChanged()
{
    if (!IsLoading(*this))
        Invalidate();
    // Children that take their parent's colour see the background colour.
    SetColor(FAppearance->BackgroundColor());
}

void TKvpCustomSimplePanel::SetAppearance(const TKvpSimplePanelAppearance* value)
{
    FAppearance->Assign(value);
    Invalidate();
}

void TKvpCustomSimplePanel::SetBounds(int left, int top, int width, int height)
{
    TKvpCustomBaseSimplePanel::SetBounds(left, top, width, height);
    AnchorsFollow();
}

void TKvpCustomSimplePanel::Notification(TComponent* component, TOperation operation)
{
    TKvpCustomBaseSimplePanel::Notification(component, operation);
    AnchorsNotification(component, operation);
}

void TKvpCustomSimplePanel::DrawBackground(const TRect& r)
{
    const TKvpSimplePanelAppearance& a = *FAppearance;
    SetColor(a.BackgroundColor());
    TCanvas& canvas = *Canvas();
    if (!ParentBackground()) {
        if (a.BackroundColorTo() == clNone) {
            canvas.Brush()->SetStyle(bsSolid);
            canvas.Brush()->SetColor(a.BackgroundColor());
            canvas.FillRect(r);
        } else {
            GradientFillRectByKind(canvas, r, a.BackgroundColor(), a.BackroundColorTo(), 0, 255);
        }
    }
    if (a.BorderColor() == clNone)
        return;
    canvas.Brush()->SetStyle(bsClear);
    canvas.Pen()->SetStyle(a.BorderStyle());
    canvas.Pen()->SetColor(a.BorderColor());
    // The canvas's own pen: as many lines as it is wide (one, unless a paint handler widened it).
    const TPen& pen = *canvas.Pen();
    if (a.DrawLeftBorder())
        DrawLeftBorder(canvas, r, pen, false);
    if (a.DrawRightBorder())
        DrawRightBorder(canvas, r, pen, false);
    if (a.DrawTopBorder())
        DrawTopBorder(canvas, r, pen, false);
    if (a.DrawBottomBorder())
        DrawBottomBorder(canvas, r, pen, false);
}
