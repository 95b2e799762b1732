#include "platform/gui/windows/overlay_window.h"

#include "platform/gui/windows/window_functions.h"

TOverlayWindow::TOverlayWindow(TComponent* owner) : TCustomControl(owner)
{
    SetVisible(false);
    controlStyle_.Exclude(csCaptureMouse);
}

void TOverlayWindow::CreateParams(TCreateParams& params)
{
    TCustomControl::CreateParams(params);
    params.Style = (params.Style & ~(WS_CHILD | WS_VISIBLE)) | WS_POPUP;
    params.ExStyle |= WS_EX_TOPMOST | WS_EX_TRANSPARENT | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW;
    params.WndParent = nullptr;
}

void TOverlayWindow::ShowShape(const TRect& bounds, const TRegion& shape)
{
    const HWND window = Handle();
    SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
    SetWindowRgn(window, &shape, false);
    InvalidateRect(window, nullptr, false);
    if (!IsWindowVisible(window))
        SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    UpdateWindow(window);
}

void TOverlayWindow::HideShape()
{
    if (HandleAllocated())
        ShowWindow(Handle(), SW_HIDE);
}

void TOverlayWindow::Paint()
{
    if (OnPaint)
        OnPaint(*Canvas());
}
