#pragma once

#include "controls/pack/png_routines.h"
#include "platform/gui/graphics/graphics.h"

#include <memory>

// The colours of the speed button in its four states, and its glyph effects.

// One state: every setter notifies, without comparing. A new set is all black with no border width.
class TKvpBasicSpeedButtonStateParams : public TPersistent
{
public:
    TColor Color() const { return FColor; }
    void SetColor(TColor value) { Store(FColor, value); }
    TColor FontColor() const { return FFontColor; }
    void SetFontColor(TColor value) { Store(FFontColor, value); }
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor value) { Store(FBorderColor, value); }
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int value) { Store(FBorderWidth, value); }
    bool TransparentBorder() const { return FTransparentBorder; }
    void SetTransparentBorder(bool value) { Store(FTransparentBorder, value); }
    bool TransparentBackground() const { return FTransparentBackground; }
    void SetTransparentBackground(bool value) { Store(FTransparentBackground, value); }
    // Copies the six values through the setters.
    void Assign(const TPersistent* source) override;

    TNotifyEvent OnChange;

private:
    template <typename T> void Store(T& field, T value)
    {
        field = value;
        if (OnChange)
            OnChange(this);
    }
    TColor FFontColor = clBlack;
    TColor FBorderColor = clBlack;
    int FBorderWidth = 0;
    bool FTransparentBorder = false;
    bool FTransparentBackground = false;
    TColor FColor = clBlack;
};

class TKvpBasicSpeedButtonAppearance : public TPersistent
{
public:
    TKvpBasicSpeedButtonAppearance();
    ~TKvpBasicSpeedButtonAppearance() override;

    TKvpBasicSpeedButtonStateParams* Normal() const { return FNormal.get(); }
    TKvpBasicSpeedButtonStateParams* Hot() const { return FHot.get(); }
    TKvpBasicSpeedButtonStateParams* Down() const { return FDown.get(); }
    TKvpBasicSpeedButtonStateParams* Disabled() const { return FDisabled.get(); }
    void SetNormal(const TKvpBasicSpeedButtonStateParams* value) { CopyState(*FNormal, value); }
    void SetHot(const TKvpBasicSpeedButtonStateParams* value) { CopyState(*FHot, value); }
    void SetDown(const TKvpBasicSpeedButtonStateParams* value) { CopyState(*FDown, value); }
    void SetDisabled(const TKvpBasicSpeedButtonStateParams* value) { CopyState(*FDisabled, value); }
    uint8_t GlyphHotGammaFactor() const { return FGlyphHotGammaFactor; }
    void SetGlyphHotGammaFactor(uint8_t value) { Store(FGlyphHotGammaFactor, value); }
    bool MoveWhenDown() const { return FMoveWhenDown; }
    void SetMoveWhenDown(bool value) { Store(FMoveWhenDown, value); }
    bool ShowCaption() const { return FShowCaption; }
    void SetShowCaption(bool value) { Store(FShowCaption, value); }
    // These two notify only when the value changes.
    TKvpBlendIntensity GlyphDisabledBlendIntensity() const { return FGlyphDisabledBlendIntensity; }
    void SetGlyphDisabledBlendIntensity(TKvpBlendIntensity value);
    TKvpGrayscaleIntensity GlyphDisabledGrayscaleIntensity() const
    {
        return FGlyphDisabledGrayscaleIntensity;
    }
    void SetGlyphDisabledGrayscaleIntensity(TKvpGrayscaleIntensity value);

    // Copies the four states, MoveWhenDown, GlyphHotGammaFactor, the intensities and, unless
    // ignoreShowCaption, ShowCaption.
    void Assign(const TKvpBasicSpeedButtonAppearance* source, bool ignoreShowCaption);
    using TPersistent::Assign;

    TNotifyEvent OnChange;

private:
    template <typename T> void Store(T& field, T value)
    {
        field = value;
        Changed();
    }
    void Changed();
    void CopyState(TKvpBasicSpeedButtonStateParams& state, const TKvpBasicSpeedButtonStateParams* value);

    TKvpBlendIntensity FGlyphDisabledBlendIntensity = biNormal;
    TKvpGrayscaleIntensity FGlyphDisabledGrayscaleIntensity = gi90Percent;
    std::unique_ptr<TKvpBasicSpeedButtonStateParams> FNormal, FHot, FDown, FDisabled;
    uint8_t FGlyphHotGammaFactor = 130;
    bool FMoveWhenDown = false;
    bool FShowCaption = true;
};
