#pragma once

#include "controls/pack/control_parts.h"
#include "controls/pack/speed_button_appearance.h"
#include "platform/gui/standard/bit_button.h"
#include "platform/gui/windows/win_control.h"

#include <memory>

// A light window-less button: a flat rectangle with a border, an optional PNG glyph and a caption in the
// colours of its state (normal, pointer over, pressed, disabled), which can size its width to its content.
// The width follows the caption, font, glyph and settings when they change, never while painting, so the
// size settles at once.

enum TKvpBasicSpeedButtonState
{
    bssNormal,
    bssOver,
    bssDown,
    bssDisabled
};

class TKvpBasicSpeedButton : public TGraphicControl, public TKvpControlParts
{
public:
    explicit TKvpBasicSpeedButton(TComponent* owner);
    ~TKvpBasicSpeedButton() override;

    TKvpBasicSpeedButtonState ButtonState() const { return FButtonState; }
    TKvpBasicSpeedButtonAppearance* Appearance() const { return FAppearance.get(); }
    // Copies the looks of another appearance, ShowCaption included.
    void SetAppearance(const TKvpBasicSpeedButtonAppearance* value);
    TPngImage* PngImage() const { return FPngImage.get(); }
    // Copies the image (nullptr empties it); colour, palette and colour-with-alpha images lose their gamma
    // chunk.
    void SetPngImage(const TPngImage* value);
    TPngOptions PngOptions() const { return FPngOptions; }
    void SetPngOptions(TPngOptions value);
    TButtonLayout Layout() const { return FLayout; }
    void SetLayout(TButtonLayout value);
    // -1: automatic.
    int Margin() const { return FMargin; }
    void SetMargin(int value);
    int Spacing() const { return FSpacing; }
    void SetSpacing(int value);
    bool AutoWidth() const { return FAutoWidth; }
    void SetAutoWidth(bool value);
    int8_t AutoWidthMargin() const { return FAutoWidthMargin; }
    void SetAutoWidthMargin(int8_t value);
    // Keeps the right edge in place when the width changes.
    bool AutoWidthRightJustify() const { return FAutoWidthRightJustify; }
    void SetAutoWidthRightJustify(bool value);
    bool ImageFromAction() const { return FImageFromAction; }

    void Click() override;
    void SetBounds(int left, int top, int width, int height) override;
    void Dispatch(TMessage& message) override;

protected:
    void Loaded() override;
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void ActionChange(TBasicAction* sender, bool checkDefaults) override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    void SetState(TKvpBasicSpeedButtonState state);
    // The state of a button at rest: normal when enabled, else disabled.
    TKvpBasicSpeedButtonState RestingState() const { return Enabled() ? bssNormal : bssDisabled; }
    void Changed();
    // Sizes the width to glyph, spacing, caption and margins (at least 16 pixels).
    void AdjustAutoWidth();
    const TKvpBasicSpeedButtonStateParams& StateParams() const;

    TKvpBasicSpeedButtonState FButtonState = bssNormal;
    std::unique_ptr<TKvpBasicSpeedButtonAppearance> FAppearance;
    bool FImageFromAction = false;
    std::unique_ptr<TPngImage> FPngImage;
    TPngOptions FPngOptions = {pngBlendOnDisabled, pngGrayscaleOnDisabled};
    TButtonLayout FLayout = blGlyphLeft;
    int FMargin = -1;
    int FSpacing = 4;
    bool FAutoWidth = true;
    int8_t FAutoWidthMargin = 6;
    bool FAutoWidthRightJustify = false;
};
