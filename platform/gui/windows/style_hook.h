#pragma once

#include "platform/gui/graphics/canvas.h"
#include "platform/gui/windows/messages.h"

#include <memory>

// A style hook paints a control in the active custom style. While a custom style is active, a control of
// a class that has a hook registered (TStyleManager::RegisterStyleHook) hands every message to its hook
// first; the hook handles what it paints or tracks and passes the rest on. One hook serves one control and
// lives until the control's window goes or the style changes.

class TWinControl;

class TStyleHook
{
public:
    explicit TStyleHook(TWinControl* control);
    virtual ~TStyleHook();
    TStyleHook(const TStyleHook&) = delete;
    TStyleHook& operator=(const TStyleHook&) = delete;

    TWinControl* Control() const { return control_; }
    // True when the message was handled here and the control must not see it. The base notes the pointer
    // entering and leaving and the focus (repainting on each), and paints the client area and its
    // background when OverridePaint and OverrideEraseBkgnd ask for it.
    virtual bool HandleMessage(TMessage& message);
    bool MouseInControl() const { return mouseInControl_; }
    bool Focused() const { return focused_; }
    // Repaints the control.
    void Invalidate();

protected:
    // WM_PAINT is painted by Paint (and the control paints nothing) when true.
    virtual bool OverridePaint() const { return false; }
    // WM_ERASEBKGND is painted by PaintBackground when true.
    virtual bool OverrideEraseBkgnd() const { return false; }
    // Paints the client area; the canvas draws in the control's client coordinates.
    virtual void Paint(TCanvas&) {}
    // The default fills the client area with the style's button face.
    virtual void PaintBackground(TCanvas& canvas);

private:
    // Runs paint with the hook's canvas bound to the request's device context; false without one.
    template <typename F> bool PaintOn(const TMessage& message, F paint);

    TWinControl* control_;
    std::unique_ptr<TCanvas> canvas_;
    bool mouseInControl_ = false;
    bool focused_ = false;
};
