#pragma once

#include "controls/pack/common_types.h"
#include "controls/pack/gradient_ex.h"

#include <memory>
#include <string>

// The per-state looks of the PNG push button: five state sets (normal, hot, down, focused, disabled) of a
// background colour, a border pen, a font and two stacked gradients, with the focus rectangle, the border
// used when the button is the default one without the focus, and the glyph effects. A new appearance has
// the colours of the cmtAero colour map. Every change but one of BorderWhenDefault ends in OnChange.

class TKvpItemStateParams : public TPersistent
{
public:
    explicit TKvpItemStateParams(TComponent* owner);
    ~TKvpItemStateParams() override;

    TPen* Border() const { return FBorder.get(); }
    void SetBorder(const TPen* value);
    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    TFont* Font() const { return FFont.get(); }
    void SetFont(const TFont* value);
    TKvpGradientEx* UpperGradient() const { return FUpperGradient.get(); }
    void SetUpperGradient(const TKvpGradientEx* value);
    TKvpGradientEx* BottomGradient() const { return FBottomGradient.get(); }
    void SetBottomGradient(const TKvpGradientEx* value);
    bool GradientEnabled() const { return FGradientEnabled; }
    void SetGradientEnabled(bool value);
    // Height of the upper part in percent (above 100 paints as 100).
    uint8_t UpperGradientPercent() const { return FUpperGradientPercent; }
    void SetUpperGradientPercent(uint8_t value);
    // Gap between the edge and the gradients (negative paints as 0).
    int BorderToGradientMargin() const { return FBorderToGradientMargin; }
    void SetBorderToGradientMargin(int value);
    bool TransparentBackground() const { return FTransparentBackground; }
    void SetTransparentBackground(bool value);
    bool TransparentFrame() const { return FTransparentFrame; }
    void SetTransparentFrame(bool value);

    // Copies every value of another state set (not its OnChange), each step notifying.
    void AssignValues(const TKvpItemStateParams& source);

    TNotifyEvent OnChange;

private:
    template <typename T> void Store(T& field, T value);
    void Changed();

    TColor FColor = clBlack;
    std::unique_ptr<TFont> FFont;
    std::unique_ptr<TPen> FBorder;
    bool FGradientEnabled = true;
    std::unique_ptr<TKvpGradientEx> FUpperGradient;
    std::unique_ptr<TKvpGradientEx> FBottomGradient;
    uint8_t FUpperGradientPercent = 0;
    int FBorderToGradientMargin = 2;
    bool FTransparentBackground = false;
    bool FTransparentFrame = false;
};

class TKvpButtonAppearance : public TPersistent
{
public:
    explicit TKvpButtonAppearance(TComponent* owner);
    ~TKvpButtonAppearance() override;

    // The platform's button face instead of the state sets.
    bool DefaultDrawing() const { return FDefaultDrawing; }
    void SetDefaultDrawing(bool value) { Store(FDefaultDrawing, value); }
    TKvpItemStateParams* Normal() const { return FNormal.get(); }
    TKvpItemStateParams* Hot() const { return FHot.get(); }
    TKvpItemStateParams* Down() const { return FDown.get(); }
    TKvpItemStateParams* Disabled() const { return FDisabled.get(); }
    TKvpItemStateParams* Focused() const { return FFocused.get(); }
    // Each copies the given state set's values.
    void SetNormal(const TKvpItemStateParams* value) { SetState(*FNormal, value); }
    void SetHot(const TKvpItemStateParams* value) { SetState(*FHot, value); }
    void SetDown(const TKvpItemStateParams* value) { SetState(*FDown, value); }
    void SetDisabled(const TKvpItemStateParams* value) { SetState(*FDisabled, value); }
    void SetFocused(const TKvpItemStateParams* value) { SetState(*FFocused, value); }
    TKvpFocusRectParams* FocusRect() const { return FFocusRect.get(); }
    void SetFocusRect(const TKvpFocusRectParams* value);
    // Its own changes are not reported; they show at the next repaint.
    TPen* BorderWhenDefault() const { return FBorderWhenDefault.get(); }
    void SetBorderWhenDefault(const TPen* value);
    uint8_t GlyphDisabledGrayscaleFactor() const { return FGlyphDisabledGrayscaleFactor; }
    void SetGlyphDisabledGrayscaleFactor(uint8_t value) { Store(FGlyphDisabledGrayscaleFactor, value); }
    uint8_t GlyphDisabledBlendFactor() const { return FGlyphDisabledBlendFactor; }
    void SetGlyphDisabledBlendFactor(uint8_t value) { Store(FGlyphDisabledBlendFactor, value); }
    // In hundredths.
    uint8_t GlyphHotGammaFactor() const { return FGlyphHotGammaFactor; }
    void SetGlyphHotGammaFactor(uint8_t value) { Store(FGlyphHotGammaFactor, value); }
    bool MoveWhenDown() const { return FMoveWhenDown; }
    void SetMoveWhenDown(bool value) { Store(FMoveWhenDown, value); }
    bool ShowCaption() const { return FShowCaption; }
    void SetShowCaption(bool value) { Store(FShowCaption, value); }

    const TNotifyEvent& OnChange() const { return FOnChange; }
    // The new handler runs once at once.
    void SetOnChange(TNotifyEvent handler);

    // Copies every value of another appearance (not the OnChange handlers), each step notifying.
    void Assign(const TKvpButtonAppearance* source);
    using TPersistent::Assign;

private:
    template <typename T> void Store(T& field, T value)
    {
        field = value;
        PropsChanged(this);
    }
    void SetState(TKvpItemStateParams& state, const TKvpItemStateParams* value);
    void PropsChanged(TObject* sender);

    std::unique_ptr<TKvpItemStateParams> FNormal;
    std::unique_ptr<TKvpItemStateParams> FHot;
    bool FDefaultDrawing = false;
    std::unique_ptr<TKvpFocusRectParams> FFocusRect;
    std::unique_ptr<TPen> FBorderWhenDefault;
    std::unique_ptr<TKvpItemStateParams> FDown;
    std::unique_ptr<TKvpItemStateParams> FDisabled;
    uint8_t FGlyphDisabledGrayscaleFactor = 255;
    uint8_t FGlyphDisabledBlendFactor = 127;
    bool FMoveWhenDown = false;
    uint8_t FGlyphHotGammaFactor = 130;
    TNotifyEvent FOnChange;
    std::unique_ptr<TKvpItemStateParams> FFocused;
    bool FShowCaption = true;
};
