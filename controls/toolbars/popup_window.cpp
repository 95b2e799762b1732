#include "controls/toolbars/popup_window.h"

#include "controls/toolbars/accessibility.h"
#include "controls/toolbars/dpi_scaling.h"
#include "controls/toolbars/item_metrics.h"
#include "controls/toolbars/menu_font.h"
#include "controls/toolbars/menu_glyphs.h"
#include "controls/toolbars/popup_animation.h"
#include "controls/toolbars/system_queries.h"
#include "platform/gui/forms/system_parameters.h"
#include "platform/gui/graphics/gdi.h"
#include "platform/gui/graphics/platform_answers.h"
#include "platform/gui/windows/message_views.h"
#include "platform/gui/windows/ui_state.h"
#include "platform/gui/windows/window_functions.h"

namespace {

// The frame around a popup's client area, the same at every scale.
constexpr int PopupFrame = 3;

} // namespace

TFont* TBarPopupView::GetFont()
{
    return Window()->Font();
}

void TBarPopupView::AutoSize(int width, int height)
{
    Window()->SetBounds(Window()->Left(), Window()->Top(), width + 2 * PopupFrame, height + 2 * PopupFrame);
}

TBarPopupWindow::TBarPopupWindow(TComponent* owner, TBarView* parentView, TBarCustomItem* item,
                                 bool customizing, const TBarViewClass& viewClass)
    : TCustomControl(owner)
{
    SetVisible(false);
    SetBounds(0, 0, ScaleForDPI(320), ScaleForDPI(240));
    controlStyle_.Exclude(csCaptureMouse);
    SetShowHint(true);
    SetColor(clMenu);
    FView = viewClass.Create(this, parentView, item, this, false, customizing, false);
    FView->FState.Include(vsModal);
    SetFont(parentView ? parentView->GetFont() : FrameworkMenuFont());
    if (parentView) {
        if (parentView->Style().Contains(vsUseHiddenAccels))
            FView->FStyle.Include(vsUseHiddenAccels);
        if (parentView->State().Contains(vsShowAccels))
            FView->FState.Include(vsShowAccels);
    } else {
        FView->FStyle.Include(vsUseHiddenAccels);
    }
}

TBarPopupWindow::~TBarPopupWindow()
{
    Destroying();
    FView->CloseChildPopups();
    if (HandleAllocated())
        DestroyHandle();
    TBarView* view = FView;
    FView = nullptr;
    view->Free();
}

void TBarPopupWindow::CreateParams(TCreateParams& params)
{
    TCustomControl::CreateParams(params);
    params.Style = (params.Style & ~(WS_CHILD | WS_GROUP | WS_TABSTOP)) | WS_POPUP;
    // A menu never takes the activation or the focus from the window it opened over.
    params.ExStyle |= WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
    params.WindowClass.style |= CS_SAVEBITS;
    if (IsWindowsXPOrLater())
        params.WindowClass.style |= CS_DROPSHADOW;
    params.WndParent = nullptr;
}

void TBarPopupWindow::CreateWnd()
{
    TCustomControl::CreateWnd();
    if (FView->ParentView() || FAccelsVisibilitySet)
        return;
    FAccelsVisibilitySet = true;
    SendMessage(Handle(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_INITIALIZE, 0), 0);
    const auto state = static_cast<unsigned>(SendMessage(Handle(), WM_QUERYUISTATE, 0, 0));
    FView->UpdateAccelUnderlines(!(state & UISF_HIDEACCEL));
}

void TBarPopupWindow::DestroyWindowHandle()
{
    EndAnimation(Handle());
    if (FView)
        FView->StopAllViewTimers();
    CallNotifyWinEvent(EVENT_SYSTEM_MENUPOPUPEND, Handle(), OBJID_CLIENT, CHILDID_SELF);
    TCustomControl::DestroyWindowHandle();
}

void TBarPopupWindow::ShowingChanged(bool showing)
{
    const HWND window = Handle();
    const TBarView* parent = FView->ParentView();
    if (showing && (!parent || !parent->State().Contains(vsNoAnimation)) && !FView->Selected() &&
        !IsWindowVisible(window) && QuerySystemParameter(SPI_GETMENUANIMATION, 0) != 0) {
        const bool fade = QuerySystemParameter(SPI_GETMENUFADE, 0) != 0;
        if (fade || !FAnimationDirection.Empty()) {
            // A menu that cannot be animated is shown as it is: it must open either way.
            try {
                StartAnimation(window, fade, FAnimationDirection);
                return;
            } catch (...) {
            }
        }
    }
    if (!showing)
        EndAnimation(window);
    SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE |
                     (showing ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

void TBarPopupWindow::DrawPopupFrame(TCanvas& canvas)
{
    TRect r{0, 0, Width(), Height()};
    const int saved = SaveDC(canvas);
    if (AreFlatMenusEnabled()) {
        canvas.Brush()->SetColor(clBtnShadow);
        canvas.FrameRect(r);
        canvas.Brush()->SetColor(ColorToRGB(Color()));
        for (int ring = 0; ring < 2; ++ring) {
            InflateRect(r, -ScaleForDPI(1), -ScaleForDPI(1));
            canvas.FrameRect(r);
        }
    } else {
        DrawEdge(canvas, r, EDGE_RAISED, BF_RECT | BF_ADJUST);
        canvas.Brush()->SetColor(clBtnFace);
        canvas.FrameRect(r);
    }
    RestoreDC(canvas, saved);
}

void TBarPopupWindow::Paint()
{
    FView->DrawSubitems(*Canvas());
    PaintScrollArrows();
}

void TBarPopupWindow::PaintScrollArrows()
{
    const int band = PopupScrollArrowHeight();
    if (FView->ShowUpArrow())
        DrawScrollTriangle(*Canvas(), {0, 0, ClientWidth(), band}, true);
    if (FView->ShowDownArrow())
        DrawScrollTriangle(*Canvas(), {0, ClientHeight() - band, ClientWidth(), ClientHeight()}, false);
}

void TBarPopupWindow::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_NCCALCSIZE: {
        TRect& r = TNCCalcSizeView(message).Params->rgrc[0];
        InflateRect(r, -PopupFrame, -PopupFrame);
        break;
    }
    case WM_NCPAINT: {
        HDC dc = message.WParam > 1 ? TPaintView(message).DC : GetWindowDC(Handle());
        if (dc && !PaintAnimationFrame(Handle(), *dc, {0, 0}))
            DrawPopupFrame(*dc);
        return;
    }
    case WM_ERASEBKGND:
    case WM_PAINT:
        // While the window slides in, it shows the picture taken when it began.
        if (HDC dc = TPaintView(message).DC;
            dc && PaintAnimationFrame(Handle(), *dc, {PopupFrame, PopupFrame})) {
            message.Result = 1;
            return;
        }
        break;
    case WM_CLOSE:
        return;
    case WM_GETOBJECT:
        if (FView->HandleGetObject(message))
            return;
        break;
    case CM_HINTSHOW:
        FView->HandleHintShowMessage(message);
        return;
    }
    TCustomControl::Dispatch(message);
}
