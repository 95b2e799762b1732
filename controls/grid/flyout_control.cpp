#include "controls/grid/flyout_control.h"

#include "platform/gui/graphics/region.h"
#include "platform/gui/windows/window_functions.h"

TGxFlyoutControl::TGxFlyoutControl(TComponent* owner) : TCustomControl(owner)
{
    controlStyle_.Include(csNoDesignVisible);
    BringToFront();
}

void TGxFlyoutControl::CreateParams(TCreateParams& params)
{
    TCustomControl::CreateParams(params);
    params.Style = (params.Style & ~(WS_CHILD | WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) | WS_POPUP;
    params.ExStyle |= WS_EX_TOOLWINDOW;
    params.WindowClass.style |= CS_SAVEBITS;
    if (auto* owner = dynamic_cast<TWinControl*>(Owner()); !Parent() && owner && owner->HandleAllocated())
        params.WndParent = owner->Handle();
}

void TGxFlyoutControl::ShowFloating()
{
    SetVisible(true);
    SetWindowPos(Handle(), HWND_TOP, Left(), Top(), Width(), Height(), SWP_SHOWWINDOW | SWP_NOACTIVATE);
}

void TGxFlyoutControl::HideFloating()
{
    SetVisible(false);
    if (HandleAllocated())
        ShowWindow(Handle(), SW_HIDE);
}

void TGxFlyoutControl::Dispatch(TMessage& message)
{
    if (message.Msg == WM_ERASEBKGND) {
        message.Result = 1;
        return;
    }
    TCustomControl::Dispatch(message);
}

TRollShadow::TRollShadow(TComponent* owner) : TGxFlyoutControl(owner)
{
    SetBounds(0, 0, 32, 32);
}

void TRollShadow::SetPosition(TPoint value)
{
    ApplyRegion();
    position_ = value;
    SetBounds(value.X - 7, value.Y - 11, 32, 32);
}

void TRollShadow::ApplyRegion()
{
    if (!HandleAllocated())
        return;
    TRegion shape = CreateRectRgn(0, 0, 0, 0);
    const TRegion up = CreatePolygonRgn({{-1, 7}, {7, -1}, {8, 0}, {14, 7}, {0, 6}}, WINDING);
    const TRegion down = CreatePolygonRgn({{-1, 15}, {14, 15}, {6, 22}, {6, 22}, {-1, 14}}, WINDING);
    const TRegion dot = CreateEllipticRgn(5, 9, 10, 14);
    CombineRgn(shape, shape, up, RGN_OR);
    CombineRgn(shape, shape, down, RGN_OR);
    CombineRgn(shape, shape, dot, RGN_OR);
    SetWindowRgn(Handle(), &shape, true);
}

void TRollShadow::CreateWnd()
{
    TGxFlyoutControl::CreateWnd();
    ApplyRegion();
}

void TRollShadow::Paint()
{
    TGxFlyoutControl::Paint();
    Canvas()->Brush()->SetColor(clGrayText);
    Canvas()->Brush()->SetStyle(bsSolid);
    Canvas()->FillRect(ClientRect());
}
