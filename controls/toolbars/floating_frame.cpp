#include "controls/toolbars/floating_frame.h"

#include "controls/toolbars/caption_drawing.h"
#include "controls/toolbars/dock_helpers.h"
#include "controls/toolbars/dockable_window.h"
#include "controls/toolbars/dpi_scaling.h"
#include "controls/toolbars/system_queries.h"
#include "platform/gui/forms/system_parameters.h"
#include "platform/gui/graphics/gdi.h"
#include "platform/gui/windows/message_views.h"
#include "platform/gui/windows/window_functions.h"

namespace {

// Gives form the activation back as a click on it would: the focus goes to the control that had it there, to
// the form's own window only when none had.
void ActivateForm(TCustomForm& form)
{
    if (TWinControl* control = form.ActiveControl(); control && control->CanFocus())
        control->SetFocus();
    else
        form.SetFocus();
}

} // namespace

TBarFloatingWindowParent::TBarFloatingWindowParent(TComponent* owner) : TCustomForm(owner)
{
    // The frame draws its own border and caption: the window system adds none.
    SetBorderStyle(bsNone);
}

TBarFloatingWindowParent::~TBarFloatingWindowParent()
{
    Destroying();
    if (FParentForm)
        FParentForm->RemoveFreeNotification(this);
}

void TBarFloatingWindowParent::SetParentForm(TCustomForm* form)
{
    if (form == FParentForm)
        return;
    if (FParentForm)
        FParentForm->RemoveFreeNotification(this);
    FParentForm = form;
    if (form)
        form->FreeNotification(this);
}

void TBarFloatingWindowParent::Notification(TComponent* component, TOperation operation)
{
    TCustomForm::Notification(component, operation);
    if (operation == opRemove && component == FParentForm)
        FParentForm = nullptr;
}

void TBarFloatingWindowParent::CreateParams(TCreateParams& params)
{
    TCustomForm::CreateParams(params);
    params.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
    params.Style = WS_POPUP | WS_BORDER;
    if (FDockableWindow && FDockableWindow->Resizable())
        params.Style |= WS_THICKFRAME;
    params.ExStyle = WS_EX_TOOLWINDOW;
    // The frame stays above the form it belongs to.
    if (FParentForm && FParentForm->HandleAllocated())
        params.WndParent = FParentForm->Handle();
}

TCustomForm* TBarFloatingWindowParent::OwnerForm()
{
    return FDockableWindow ? GetMDIParent(FindOwningForm(FDockableWindow)) : nullptr;
}

// --- geometry ----------------------------------------------------------------------------------------------

TRect TBarFloatingWindowParent::GetCaptionRect(bool adjustForBorder, bool minusCloseButton)
{
    TRect r{0, 0, ClientWidth(), SmallCaptionHeight() - 1};
    if (minusCloseButton)
        r.Right -= r.Height();
    if (adjustForBorder && FDockableWindow) {
        const TPoint border = FDockableWindow->GetFloatingBorderSize();
        OffsetRect(r, border.X, border.Y);
    }
    return r;
}

TRect TBarFloatingWindowParent::GetCloseButtonRect(bool adjustForBorder)
{
    TRect r = GetCaptionRect(adjustForBorder, false);
    r.Left = r.Right - SmallCaptionHeight() + 1;
    return r;
}

// --- messages ----------------------------------------------------------------------------------------------

void TBarFloatingWindowParent::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_NCCALCSIZE: {
        message.Result = 0;
        if (!FDockableWindow)
            return;
        TPoint topLeft;
        TPoint bottomRight;
        FDockableWindow->GetFloatingNCArea(topLeft, bottomRight);
        TRect& r = TNCCalcSizeView(message).Params->rgrc[0];
        r = {r.Left + topLeft.X, r.Top + topLeft.Y, r.Right - bottomRight.X, r.Bottom - bottomRight.Y};
        return;
    }
    case WM_NCHITTEST:
        WMNCHitTest(message);
        return;
    case WM_NCLBUTTONDOWN:
        WMNCLButtonDown(message);
        return;
    case WM_NCLBUTTONDBLCLK:
        if (TNCMouseView(message).HitTest == HTBARCAPTION && FDockableWindow)
            FDockableWindow->ToggleDocked();
        return;
    case WM_NCRBUTTONUP:
        if (FDockableWindow)
            SendMessage(FDockableWindow->Handle(), WM_CONTEXTMENU,
                        reinterpret_cast<WPARAM>(FDockableWindow->Handle()), message.LParam);
        return;
    case WM_NCPAINT:
        DrawNCArea(message.WParam > 1, message.WParam > 1 ? TPaintView(message).DC : nullptr,
                   {fpFrame, fpCaption, fpCloseButton});
        return;
    case WM_GETMINMAXINFO: {
        TCustomForm::Dispatch(message);
        auto* info = reinterpret_cast<TMinMaxInfo*>(message.LParam);
        info->ptMinTrackSize = {1, 1};
        info->ptMaxTrackSize = {32767, 32767};
        return;
    }
    case WM_MOVE:
        TCustomForm::Dispatch(message);
        if (FDockableWindow)
            FDockableWindow->NotifyMoved();
        return;
    case WM_ACTIVATE:
        WMActivate(message);
        return;
    case WM_MOUSEACTIVATE:
        WMMouseActivate(message);
        return;
    case WM_CLOSE:
        // Alt+F4 on a palette closes its form; the frame itself stays.
        if (TCustomForm* form = OwnerForm(); form && form->HandleAllocated())
            SendMessage(form->Handle(), WM_CLOSE, 0, 0);
        return;
    case CM_DIALOGKEY:
        if (TKeyView(message).Key() == VK_ESCAPE && GetKeyState(VK_SHIFT) >= 0 &&
            GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_MENU) >= 0 && FParentForm) {
            ActivateForm(*FParentForm);
            message.Result = 1;
            return;
        }
        break;
    case CM_SHOWINGCHANGED:
        if (HandleAllocated())
            SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE |
                             (Showing() && FShouldShow ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
        return;
    case CM_TEXTCHANGED:
        TCustomForm::Dispatch(message);
        RedrawNCArea({fpCaption});
        return;
    }
    TCustomForm::Dispatch(message);
}

void TBarFloatingWindowParent::WMNCHitTest(TMessage& message)
{
    TCustomForm::Dispatch(message);
    if (message.Result == HTCLIENT || !FDockableWindow)
        return;
    message.Result = HTNOWHERE;
    const TPoint screen = THitTestView(message).ScreenPos;
    const TPoint p{screen.X - Left(), screen.Y - Top()};
    TBarCustomDockableWindow& window = *FDockableWindow;
    if (window.ShowCaption() && PtInRect(GetCaptionRect(true, false), p)) {
        message.Result =
            window.CloseButton() && PtInRect(GetCloseButtonRect(true), p) ? HTBARCLOSE : HTBARCAPTION;
        return;
    }
    if (!window.Resizable())
        return;
    const TPoint border = window.GetFloatingBorderSize();
    const int w = Width();
    const int h = Height();
    const bool left = p.X >= 0 && p.X < border.X;
    const bool right = p.X >= w - border.X - 1 && p.X < w;
    const bool top = p.Y >= 0 && p.Y < border.Y;
    const bool bottom = p.Y >= h - border.Y - 1 && p.Y < h;
    if (!window.DockableWindowStyles().Contains(tbdsResizeEightCorner)) {
        message.Result = top ? HTTOP : bottom ? HTBOTTOM : left ? HTLEFT : right ? HTRIGHT : HTNOWHERE;
        return;
    }
    const int corner = SmallCaptionHeight() + border.X - 1;
    if (left)
        message.Result = p.Y < corner ? HTTOPLEFT : p.Y >= h - corner ? HTBOTTOMLEFT : HTLEFT;
    else if (right)
        message.Result = p.Y < corner ? HTTOPRIGHT : p.Y >= h - corner ? HTBOTTOMRIGHT : HTRIGHT;
    else if (top)
        message.Result = p.X < corner ? HTTOPLEFT : p.X >= w - corner ? HTTOPRIGHT : HTTOP;
    else if (bottom)
        message.Result = p.X < corner ? HTBOTTOMLEFT : p.X >= w - corner ? HTBOTTOMRIGHT : HTBOTTOM;
}

void TBarFloatingWindowParent::WMNCLButtonDown(TMessage& message)
{
    const TNCMouseView mouse(message);
    if (!FDockableWindow) {
        TCustomForm::Dispatch(message);
        return;
    }
    if (mouse.HitTest >= HTLEFT && mouse.HitTest <= HTBOTTOMRIGHT) {
        if (FDockableWindow->Resizable())
            FDockableWindow->BeginSizing(static_cast<TBarSizeHandle>(mouse.HitTest - HTLEFT));
        return;
    }
    if (mouse.HitTest == HTBARCLOSE) {
        TRect r = GetCloseButtonRect(true);
        OffsetRect(r, Left(), Top());
        if (TrackButtonPress(Handle(), r, [this](bool pushed) { SetCloseButtonDown(pushed); }))
            FDockableWindow->Close();
        return;
    }
    if (mouse.HitTest == HTBARCAPTION) {
        const TPoint p = FDockableWindow->ScreenToClient(mouse.ScreenPos);
        FDockableWindow->BeginMoving(p.X, p.Y);
        return;
    }
    TCustomForm::Dispatch(message);
}

void TBarFloatingWindowParent::WMActivate(TMessage& message)
{
    const TActivateView view(message);
    TCustomForm* form = OwnerForm();
    const bool activating = view.State != WA_INACTIVE;
    if (form && form->HandleAllocated())
        SendMessage(form->Handle(), WM_NCACTIVATE, activating ? 1 : 0, 0);
    if (!activating)
        return;
    // A palette never keeps the activation: it goes back to the form at once.
    if (!FDockableWindow || !IsWindowVisible(FDockableWindow->Handle())) {
        if (HWND next = FindActivatableWindow(Handle()))
            ::SetFocus(next);
    } else if (form && form->HandleAllocated() && form->Handle() != view.OtherWindow) {
        ActivateForm(*form);
    }
}

void TBarFloatingWindowParent::WMMouseActivate(TMessage& message)
{
    message.Result = MA_NOACTIVATE;
    SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (!FDockableWindow || FDockableWindow->FloatingMode() != fmOnTopOfParentForm ||
        !FDockableWindow->ActivateParent() || GetActiveWindow() == Handle())
        return;
    if (TCustomForm* form = OwnerForm(); form && form->HandleAllocated())
        ActivateForm(*form);
}

// --- painting ----------------------------------------------------------------------------------------------

void TBarFloatingWindowParent::RedrawNCArea(TBarFrameParts redrawWhat)
{
    if (HandleAllocated() && IsWindowVisible(Handle()))
        DrawNCArea(false, nullptr, redrawWhat);
}

void TBarFloatingWindowParent::SetCloseButtonDown(bool pushed)
{
    if (pushed == FCloseButtonDown)
        return;
    FCloseButtonDown = pushed;
    RedrawNCArea({fpCloseButton});
}

void TBarFloatingWindowParent::DrawNCArea(bool drawToDC, HDC dc, TBarFrameParts redrawWhat)
{
    if (!HandleAllocated() || !FDockableWindow)
        return;
    TCanvas& canvas = *(drawToDC ? dc : GetWindowDC(Handle()));
    const int saved = SaveDC(canvas);
    TRect r{0, 0, Width(), Height()};
    IntersectClipRect(canvas, r.Left, r.Top, r.Right, r.Bottom);
    if (redrawWhat.Contains(fpFrame))
        PaintFrameRing(canvas, r);
    if (FDockableWindow->ShowCaption()) {
        const bool closeButton = FDockableWindow->CloseButton();
        const int captionSaved = SaveDC(canvas);
        if (redrawWhat.Contains(fpCaption) && redrawWhat.Contains(fpCloseButton) && closeButton) {
            const TRect b = GetCloseButtonRect(true);
            ExcludeClipRect(canvas, b.Left, b.Top, b.Right, b.Bottom);
        }
        if (redrawWhat.Contains(fpCaption)) {
            const TRect caption = GetCaptionRect(true, closeButton);
            DrawSmallCaption(canvas, caption, Caption(), !FDockableWindow->InactiveCaption());
            const TRect full = GetCaptionRect(true, false);
            canvas.Pen()->SetStyle(psSolid);
            canvas.Pen()->SetWidth(1);
            canvas.Pen()->SetColor(clBtnFace);
            canvas.MoveTo(full.Left, full.Bottom);
            canvas.LineTo(full.Right, full.Bottom);
        }
        RestoreDC(canvas, captionSaved);
        if (closeButton)
            PaintCloseButton(canvas, redrawWhat);
    }
    RestoreDC(canvas, saved);
    if (!drawToDC)
        ReleaseDC(Handle(), &canvas);
}

void TBarFloatingWindowParent::PaintFrameRing(TCanvas& canvas, TRect r)
{
    TRect ring = r;
    DrawEdge(canvas, r, EDGE_RAISED, BF_RECT | BF_ADJUST);
    const TPoint border = FDockableWindow->GetFloatingBorderSize();
    InflateRect(ring, -(border.X - ScaleForDPI(1)), -(border.Y - ScaleForDPI(1)));
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(clBtnFace);
    canvas.FrameRect(ring);
    const int saved = SaveDC(canvas);
    ExcludeClipRect(canvas, ring.Left, ring.Top, ring.Right, ring.Bottom);
    canvas.Brush()->SetColor(FDockableWindow->InactiveCaption() ? clInactiveBorder : clActiveBorder);
    canvas.FillRect(r);
    RestoreDC(canvas, saved);
}

void TBarFloatingWindowParent::PaintCloseButton(TCanvas& canvas, TBarFrameParts redrawWhat)
{
    const TRect b = GetCloseButtonRect(true);
    TRect g{b.Left, b.Top + ScaleForDPI(2), b.Right - ScaleForDPI(2), b.Bottom - ScaleForDPI(2)};
    const bool inactive = FDockableWindow->InactiveCaption();
    if (redrawWhat.Contains(fpCaption)) {
        const int saved = SaveDC(canvas);
        ExcludeClipRect(canvas, g.Left, g.Top, g.Right, g.Bottom);
        int gradient = 0;
        SystemParametersInfo(SPI_GETGRADIENTCAPTIONS, 0, &gradient, 0);
        canvas.Brush()->SetStyle(bsSolid);
        if (gradient)
            canvas.Brush()->SetColor(inactive ? clGradientInactiveCaption : clGradientActiveCaption);
        else
            canvas.Brush()->SetColor(inactive ? clInactiveCaption : clActiveCaption);
        canvas.FillRect(b);
        RestoreDC(canvas, saved);
    }
    if (redrawWhat.Contains(fpCloseButton))
        DrawFrameControl(canvas, g, DFC_CAPTION, DFCS_CAPTIONCLOSE | (FCloseButtonDown ? DFCS_PUSHED : 0));
}
