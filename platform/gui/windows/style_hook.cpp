#include "platform/gui/windows/style_hook.h"

#include "platform/gui/qt/window_data.h"
#include "platform/gui/windows/style_services.h"
#include "platform/gui/windows/win_control.h"

// A hook is made when its control is already on screen: it starts from the control's focus and pointer.
TStyleHook::TStyleHook(TWinControl* control)
    : control_(control), canvas_(std::make_unique<TCanvas>()),
      mouseInControl_(GetMouseOverControl() == control), focused_(control->Focused())
{}

TStyleHook::~TStyleHook() = default;

void TStyleHook::Invalidate()
{
    control_->Invalidate();
}

template <typename F> bool TStyleHook::PaintOn(const TMessage& message, F paint)
{
    HDC dc = reinterpret_cast<HDC>(message.WParam);
    if (!dc)
        return false;
    TCanvasBinding binding(*canvas_, dc);
    canvas_->SetFont(control_->Font());
    paint(*canvas_);
    return true;
}

bool TStyleHook::HandleMessage(TMessage& message)
{
    switch (message.Msg) {
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        if (message.LParam == 0) { // the control itself, not one of its children
            mouseInControl_ = message.Msg == CM_MOUSEENTER;
            Invalidate();
        }
        return false;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        focused_ = message.Msg == WM_SETFOCUS;
        Invalidate();
        return false;
    case CM_ENABLEDCHANGED:
        Invalidate();
        return false;
    case WM_ERASEBKGND:
        if (!OverrideEraseBkgnd())
            return false;
        PaintOn(message, [this](TCanvas& canvas) { PaintBackground(canvas); });
        message.Result = 1;
        return true;
    case WM_PAINT:
    case WM_PRINTCLIENT:
        if (!OverridePaint())
            return false;
        PaintOn(message, [this](TCanvas& canvas) { Paint(canvas); });
        return true;
    }
    return false;
}

void TStyleHook::PaintBackground(TCanvas& canvas)
{
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(StyleServices().GetSystemColor(clBtnFace));
    canvas.FillRect(control_->ClientRect());
}
