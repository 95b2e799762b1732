#pragma once

#include "platform/gui/windows/style_hook.h"

// The style hook of bitmap buttons: the whole button in the active style (the push-button element for its
// state, the glyph and the caption in the style's text colour). A button class with looks of its own
// derives a hook from it and paints in DrawButton.

class TBitBtnStyleHook : public TStyleHook
{
public:
    explicit TBitBtnStyleHook(TWinControl* control);
    bool HandleMessage(TMessage& message) override;
    // The button is held down: by the mouse while the pointer is over it, or by Space.
    bool Pressed() const { return keyHeld_ || (mouseHeld_ && MouseInControl()); }

protected:
    bool OverridePaint() const override { return true; }
    bool OverrideEraseBkgnd() const override { return true; }
    void Paint(TCanvas& canvas) override { DrawButton(canvas, MouseInControl()); }
    // Nothing: DrawButton paints the whole client area.
    void PaintBackground(TCanvas&) override {}
    // The element is, in this order: pressed, hot (the pointer over the button), defaulted (focused or the
    // default button), normal when enabled, else disabled.
    virtual void DrawButton(TCanvas& canvas, bool mouseInControl);

private:
    bool mouseHeld_ = false;
    bool keyHeld_ = false;
};
