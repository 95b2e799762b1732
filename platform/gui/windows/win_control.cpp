#include "platform/gui/windows/win_control.h"

#include "platform/gui/core/exceptions.h"
#include "platform/gui/graphics/gdi.h"
#include "platform/gui/qt/canvas_impl.h"
#include "platform/gui/qt/window_data.h"
#include "platform/gui/qt/window_widget.h"
#include "platform/gui/windows/desktop_changes.h"
#include "platform/gui/windows/message_views.h"
#include "platform/gui/windows/mouse_activation.h"
#include "platform/gui/windows/parent_form.h"
#include "platform/gui/windows/style_manager.h"
#include "platform/gui/windows/system_keys.h"
#include "platform/gui/windows/ui_state.h"
#include "platform/gui/windows/window_functions.h"

#include <algorithm>

namespace {

// Client-area mouse messages that a control under the pointer takes: every one but the wheel's.
bool IsPointedMouseMessage(uint32_t msg)
{
    return msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST && msg != WM_MOUSEWHEEL && msg != WM_MOUSEHWHEEL;
}

} // namespace

TWinControl::TWinControl(TComponent* owner)
    : TControl(owner), window_(std::make_unique<TWindowData>()), padding_(std::make_unique<TPadding>())
{
    padding_->OnChange = [this](TObject*) { Realign(); };
    CalcClientRect();
}

TWinControl::~TWinControl()
{
    Destroying();
    // Leaves the parent while still windowed: by ~TControl the parent would take it for a graphic control
    // and keep it in its tab order.
    if (parent_)
        parent_->RemoveControl(this);
    DestroyHandle();
    while (!controls_.empty()) {
        TControl* child = controls_.back();
        RemoveControl(child);
        child->Free();
    }
}

// --- the window --------------------------------------------------------------------------------------------

TWinControl* TWinControl::FromHandle(HWND handle)
{
    return WindowControl(handle);
}

HWND TWinControl::Handle()
{
    HandleNeeded();
    return window_->handle;
}

bool TWinControl::HandleAllocated() const
{
    return window_->handle != nullptr;
}

void TWinControl::HandleNeeded()
{
    if (HandleAllocated())
        return;
    if (parent_)
        parent_->HandleNeeded();
    if (!HandleAllocated())
        CreateHandle();
}

void TWinControl::CreateParams(TCreateParams& params)
{
    params = TCreateParams{};
    params.Caption = text_;
    params.Style = WS_CHILD | WS_CLIPSIBLINGS;
    if (controlStyle_.Contains(csAcceptsControls))
        params.Style |= WS_CLIPCHILDREN;
    if (visible_)
        params.Style |= WS_VISIBLE;
    if (!enabled_)
        params.Style |= WS_DISABLED;
    if (tabStop_)
        params.Style |= WS_TABSTOP;
    params.X = left_;
    params.Y = top_;
    params.Width = width_;
    params.Height = height_;
    params.WndParent = parent_ && parent_->HandleAllocated() ? parent_->window_->handle : nullptr;
    params.WindowClass.style = CS_VREDRAW | CS_HREDRAW;
    if (controlStyle_.Contains(csDoubleClicks))
        params.WindowClass.style |= CS_DBLCLKS;
    params.WinClassName = ClassName();
}

void TWinControl::CreateHandle()
{
    if (!HandleAllocated())
        CreateWnd();
    for (TControl* child : controls_)
        if (auto* win = child->AsWinControl())
            win->CreateHandle();
    Realign();
}

void TWinControl::CreateWnd()
{
    TCreateParams params;
    CreateParams(params);
    if ((params.Style & WS_CHILD) && !params.WndParent && parent_) {
        parent_->HandleNeeded();
        params.WndParent = parent_->window_->handle;
    }
    controlState_.Include(csCreating);
    CreateWindowHandle(params);
    controlState_.Exclude(csCreating);
}

void TWinControl::CreateWindowHandle(const TCreateParams& params)
{
    TWindowData& w = *window_;
    TakeStyles(params);
    w.bars[SB_HORZ].visible = (params.Style & WS_HSCROLL) != 0;
    w.bars[SB_VERT].visible = (params.Style & WS_VSCROLL) != 0;
    TWinControl* parentWindow = FromHandle(params.WndParent);
    const bool child = (params.Style & WS_CHILD) && parentWindow;
    w.widget =
        new TWindowWidget(this, child ? parentWindow->window_->client.data() : nullptr, params, parentWindow);
    w.client = w.widget->Client();
    // A window made without WS_VISIBLE stays hidden until it is shown itself, whatever its parent does: the
    // toolkit would otherwise show a child it was never told to hide whenever its parent is shown again.
    if (!(params.Style & WS_VISIBLE))
        w.widget->hide();
    w.handle = RegisterWindow(this);
    Perform(WM_CREATE, 0, 0);
    SendFontToWindow(*this, false);
    CalcClientRect();
    ReflectBoundsToWindow();
    w.widget->setEnabled(enabled_);
    showing_ = false;
    UpdateShowing();
}

void TWinControl::DestroyHandle()
{
    if (!HandleAllocated())
        return;
    controlState_.Include(csDestroyingHandle);
    DestroyChildHandles();
    DestroyWnd();
    controlState_.Exclude(csDestroyingHandle);
}

void TWinControl::DestroyChildHandles()
{
    for (TControl* child : controls_)
        if (auto* win = child->AsWinControl())
            win->DestroyHandle();
}

void TWinControl::DestroyWnd()
{
    DestroyWindowHandle();
}

void TWinControl::DestroyWindowHandle()
{
    TWindowData& w = *window_;
    Perform(WM_DESTROY, 0, 0);
    if (GetCapture() == w.handle)
        ReleaseCapture();
    UnregisterWindow(w.handle);
    w.handle = nullptr;
    if (w.repeatTimer) {
        w.repeatTimer->stop();
        w.repeatTimer = nullptr;
    }
    if (w.widget)
        w.widget->Detach();
    w.widget = nullptr;
    w.client = nullptr;
    w.tracking = {};
    w.ncHover = 0;
}

HWND TWinControl::SetWindowAside()
{
    const HWND handle = window_->handle;
    window_->handle = nullptr;
    return handle;
}

void TWinControl::RestoreWindow(HWND handle)
{
    window_->handle = handle;
}

void TWinControl::RecreateWnd()
{
    if (!HandleAllocated())
        return;
    const bool hadFocus = Focused();
    controlState_.Include(csRecreating);
    DestroyHandle();
    HandleNeeded();
    controlState_.Exclude(csRecreating);
    if (hadFocus && CanFocus())
        SetFocus();
}

// --- children ----------------------------------------------------------------------------------------------

TControl* TWinControl::Controls(int index) const
{
    if (index < 0 || index >= ControlCount())
        ThrowListIndexError(index);
    return controls_[static_cast<size_t>(index)];
}

std::vector<TControl*>::iterator TWinControl::FirstWindowed()
{
    return std::find_if(controls_.begin(), controls_.end(),
                        [](TControl* c) { return c->AsWinControl() != nullptr; });
}

int TWinControl::WinControlCount() const
{
    return static_cast<int>(std::count_if(controls_.begin(), controls_.end(),
                                          [](TControl* c) { return c->AsWinControl(); }));
}

bool TWinControl::ContainsControl(const TControl* control) const
{
    for (const TControl* c = control; c; c = c->Parent())
        if (c == this)
            return true;
    return false;
}

void TWinControl::InsertControl(TControl* control)
{
    if (auto* windowed = control->AsWinControl(); windowed && windowed->ContainsControl(this))
        throw EInvalidOperation("A control cannot be a child of its own child");
    control->parent_ = this;
    auto* win = control->AsWinControl();
    if (win) {
        controls_.push_back(control);
        tabList_.push_back(win);
    } else {
        controls_.insert(FirstWindowed(), control);
    }
    control->Perform(CM_PARENTCOLORCHANGED, 0, 0);
    control->Perform(CM_PARENTFONTCHANGED, 0, 0);
    control->Perform(CM_PARENTSHOWHINTCHANGED, 0, 0);
    control->Perform(CM_PARENTBIDIMODECHANGED, 0, 0);
    control->Perform(CM_PARENTCTL3DCHANGED, 0, 0);
    if (win && HandleAllocated())
        win->CreateHandle();
    control->UpdateAnchorRules();
    if (control->Align() != alNone)
        Realign();
    control->Invalidate();
    Perform(CM_CONTROLCHANGE, reinterpret_cast<WPARAM>(control), 1);
    Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(control), 1);
}

void TWinControl::RemoveControl(TControl* control)
{
    auto it = std::find(controls_.begin(), controls_.end(), control);
    if (it == controls_.end())
        return;
    Perform(CM_CONTROLCHANGE, reinterpret_cast<WPARAM>(control), 0);
    Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(control), 0);
    if (mouseControl_ == control)
        mouseControl_ = nullptr;
    auto* win = control->AsWinControl();
    if (win) {
        if (IParentForm* form = FindParentForm(this))
            form->DefocusControl(win, true);
        win->DestroyHandle();
        tabList_.erase(std::find(tabList_.begin(), tabList_.end(), win));
    } else {
        control->Invalidate();
        if (GetCaptureControl() == control)
            SetCaptureControl(nullptr);
    }
    controls_.erase(std::find(controls_.begin(), controls_.end(), control));
    control->parent_ = nullptr;
    if (!ComponentState().Contains(csDestroying))
        Realign();
}

TControl* TWinControl::ControlAtPos(TPoint pos, bool allowDisabled, bool allowWinControls) const
{
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        TControl* c = *it;
        const bool windowed = c->AsWinControl() != nullptr;
        if (windowed && !allowWinControls)
            continue;
        if (!c->Visible() || (!allowDisabled && !c->Enabled()))
            continue;
        const TPoint local{pos.X - c->Left(), pos.Y - c->Top()};
        if (!PtInRect(c->ClientRect(), local) && !(windowed && PtInRect(c->BoundsRect(), pos)))
            continue;
        if (!windowed && c->Perform(CM_HITTEST, 0, PointToLParam(local)) == 0)
            continue;
        return c;
    }
    return nullptr;
}

void TWinControl::Broadcast(TMessage& message)
{
    const std::vector<TControl*> children = controls_;
    for (TControl* child : children) {
        child->WindowProc(message);
        if (message.Result != 0)
            return;
    }
}

void TWinControl::NotifyControls(uint32_t msg)
{
    const std::vector<TControl*> children = controls_;
    for (TControl* child : children)
        child->Perform(msg, 0, reinterpret_cast<LPARAM>(this));
}

// --- looks -------------------------------------------------------------------------------------------------

// A child window's single border follows Ctl3D: the sunken client edge with it, a flat line without.
void TWinControl::SwapBorderForCtl3D()
{
    uint32_t& style = window_->style;
    uint32_t& exStyle = window_->exStyle;
    if (!parent_ || !((style & WS_BORDER) || (exStyle & WS_EX_CLIENTEDGE)))
        return;
    style &= ~WS_BORDER;
    exStyle &= ~WS_EX_CLIENTEDGE;
    if (ctl3D_)
        exStyle |= WS_EX_CLIENTEDGE;
    else
        style |= WS_BORDER;
    UpdateFrame();
}

// Setting a look on the control itself stops it following its parent.
void TWinControl::SetOwnLook(bool& look, bool& followsParent, bool value, uint32_t changed)
{
    followsParent = false;
    if (value == look)
        return;
    look = value;
    Perform(changed, 0, 0);
}

// The parent's look changed: a control that follows it takes the value and keeps following.
void TWinControl::FollowParentLook(bool& followsParent, bool parentValue, void (TWinControl::*setLook)(bool))
{
    if (followsParent && parent_) {
        (this->*setLook)(parentValue);
        followsParent = true;
    }
}

void TWinControl::SetDoubleBuffered(bool value)
{
    SetOwnLook(doubleBuffered_, parentDoubleBuffered_, value, CM_DOUBLEBUFFEREDCHANGED);
}

void TWinControl::SetParentDoubleBuffered(bool value)
{
    SetParentFlag(parentDoubleBuffered_, value, CM_PARENTDOUBLEBUFFEREDCHANGED);
}

void TWinControl::SetCtl3D(bool value)
{
    SetOwnLook(ctl3D_, parentCtl3D_, value, CM_CTL3DCHANGED);
}

void TWinControl::SetParentCtl3D(bool value)
{
    SetParentFlag(parentCtl3D_, value, CM_PARENTCTL3DCHANGED);
}

void TWinControl::SetParentBackground(bool value)
{
    if (value == ParentBackground())
        return;
    if (value)
        controlStyle_.Include(csParentBackground);
    else
        controlStyle_.Exclude(csParentBackground);
    Invalidate();
}

void TWinControl::SetEnabled(bool enabled)
{
    TControl::SetEnabled(enabled);
}

void TWinControl::Invalidate()
{
    if (HandleAllocated())
        InvalidateRect(window_->handle, nullptr, !controlStyle_.Contains(csOpaque));
}

void TWinControl::Update()
{
    if (HandleAllocated())
        UpdateWindow(window_->handle);
}

void TWinControl::Repaint()
{
    if (!HandleAllocated())
        return;
    RedrawWindow(window_->handle, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_FRAME);
}

// --- painting ----------------------------------------------------------------------------------------------

void TWinControl::PaintHandler(TMessage& message)
{
    HDC dc = TPaintView(message).DC;
    if (!dc) {
        Update();
        return;
    }
    const int saved = SaveDC(*dc);
    for (TControl* c : controls_)
        if (!c->AsWinControl() && c->Visible() && c->ControlStyle().Contains(csOpaque))
            ExcludeClipRect(*dc, c->Left(), c->Top(), c->Left() + c->Width(), c->Top() + c->Height());
    PaintWindow(dc);
    RestoreDC(*dc, saved);
    PaintControls(dc, nullptr);
}

void TWinControl::PaintWindow(HDC dc)
{
    TMessage message{WM_PAINT, reinterpret_cast<WPARAM>(dc), 0, 0};
    DefaultHandler(message);
}

void TWinControl::PaintControls(HDC dc, TControl* first)
{
    auto it = first ? std::find(controls_.begin(), controls_.end(), first) : controls_.begin();
    const std::vector<TControl*> children(it, controls_.end());
    for (TControl* c : children) {
        if (c->AsWinControl() || !c->Visible())
            continue;
        const TRect bounds = c->BoundsRect();
        if (!RectVisible(*dc, bounds))
            continue;
        const int saved = SaveDC(*dc);
        MoveWindowOrg(*dc, c->Left(), c->Top());
        IntersectClipRect(*dc, 0, 0, c->Width(), c->Height());
        c->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
        RestoreDC(*dc, saved);
    }
}

// --- messages ----------------------------------------------------------------------------------------------

bool TWinControl::IsControlMouseMsg(TMessage& message)
{
    TControl* target = nullptr;
    TControl* captured = GetCaptureControl();
    const TPoint p = TMouseView(message).Pos;
    if (HandleAllocated() && GetCapture() == window_->handle) {
        if (captured && captured != this && captured->Parent() == this)
            target = captured;
    } else {
        target = ControlAtPos(p, false);
    }
    if (!target)
        return false;
    message.Result =
        target->Perform(message.Msg, message.WParam, MAKELPARAM(p.X - target->Left(), p.Y - target->Top()));
    return true;
}

void TWinControl::WndProc(TMessage& message)
{
    if (TStyleManager::HandleMessage(*this, message))
        return;
    if (IsPointedMouseMessage(message.Msg) && IsControlMouseMsg(message)) {
        // The window still does what it does by default with the message (a right button's context menu).
        if (message.Result == 0 && HandleAllocated())
            DefaultHandler(message);
        return;
    }
    TControl::WndProc(message);
}

void TWinControl::DialogKey(TMessage& message)
{
    Broadcast(message);
}

void TWinControl::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_PAINT:
    case WM_PRINTCLIENT:
        PaintHandler(message);
        return;
    case WM_ERASEBKGND:
        EraseBackground(TPaintView(message).DC);
        message.Result = 1;
        return;
    case WM_SETFOCUS:
        WMSetFocus(message);
        return;
    case WM_KILLFOCUS:
        WMKillFocus(message);
        return;
    case CM_FOCUSCHANGED:
        // Every control of the window hears where the focus went (buttons follow it as the default).
        Broadcast(message);
        return;
    case CM_ENTER:
        DoEnter();
        return;
    case CM_EXIT:
        DoExit();
        return;
    case WM_SIZE:
        Realign();
        if (!ComponentState().Contains(csLoading))
            Resize();
        return;
    case WM_CONTEXTMENU:
        ContextMenuAt(message);
        return;
    case WM_SETCURSOR:
        SetCursorMessage(message);
        return;
    default:
        if (!KeyMessage(message) && !ChangeMessage(message))
            TControl::Dispatch(message);
    }
}

void TWinControl::EraseBackground(HDC dc)
{
    if (ParentBackground() || !dc)
        return;
    dc->Brush()->SetColor(color_);
    dc->Brush()->SetStyle(bsSolid);
    dc->FillRect(ClientRect());
}

// A property of the control or of its parent changed; false for other messages.
bool TWinControl::ChangeMessage(TMessage& message)
{
    // Changes the children that follow their parent hear of, and whether the window repaints.
    static constexpr struct
    {
        uint32_t changed;
        uint32_t parentChanged;
        bool repaint;
    } passedOn[] = {{CM_COLORCHANGED, CM_PARENTCOLORCHANGED, true},
                    {CM_FONTCHANGED, CM_PARENTFONTCHANGED, true},
                    {CM_BIDIMODECHANGED, CM_PARENTBIDIMODECHANGED, true},
                    {CM_SHOWHINTCHANGED, CM_PARENTSHOWHINTCHANGED, false},
                    {CM_DOUBLEBUFFEREDCHANGED, CM_PARENTDOUBLEBUFFEREDCHANGED, false}};
    for (const auto& change : passedOn)
        if (message.Msg == change.changed) {
            if (change.repaint)
                Invalidate();
            if (message.Msg == CM_FONTCHANGED)
                SendFontToWindow(*this, true);
            NotifyControls(change.parentChanged);
            return true;
        }
    switch (message.Msg) {
    case CM_ENABLEDCHANGED:
        EnabledChanged();
        return true;
    case CM_VISIBLECHANGED:
        UpdateShowing();
        if (!visible_)
            LoseFocusToForm();
        return true;
    case CM_SHOWINGCHANGED:
        SetWindowPos(window_->handle, nullptr, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE |
                         (showing_ ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
        return true;
    case CM_CTL3DCHANGED:
        if (HandleAllocated()) {
            SwapBorderForCtl3D();
            RedrawWindow(window_->handle, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
        }
        NotifyControls(CM_PARENTCTL3DCHANGED);
        return true;
    case CM_PARENTCTL3DCHANGED:
        if (parent_)
            FollowParentLook(parentCtl3D_, parent_->Ctl3D(), &TWinControl::SetCtl3D);
        return true;
    case CM_PARENTDOUBLEBUFFEREDCHANGED:
        if (parent_)
            FollowParentLook(parentDoubleBuffered_, parent_->DoubleBuffered(),
                             &TWinControl::SetDoubleBuffered);
        return true;
    case CM_CURSORCHANGED:
        // The pointer over the window takes the new cursor at once.
        if (HandleAllocated() && GetCapture() == nullptr && window_->widget->IsUnderPointer())
            DeliverSentMessage(this, WM_SETCURSOR, reinterpret_cast<WPARAM>(window_->handle),
                               MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return true;
    default:
        return false;
    }
}

void TWinControl::EnabledChanged()
{
    if (!enabled_)
        LoseFocusToForm();
    if (window_->widget)
        window_->widget->setEnabled(enabled_);
    Invalidate();
}

// A control that can no longer have the focus gives it back to its form.
void TWinControl::LoseFocusToForm()
{
    if (IParentForm* form = FindParentForm(this); form && &form->FormControl() != this)
        form->DefocusControl(this, false);
}

// Over the client area the cursor is the screen's override, else that of the windowless child under the
// pointer, else the control's own; the default handling sets it elsewhere.
void TWinControl::SetCursorMessage(TMessage& message)
{
    const TSetCursorView view(message);
    if (view.Window == window_->handle && view.HitTest == HTCLIENT) {
        TCursor cursor = ScreenCursorOverride();
        if (cursor == crDefault) {
            TPoint p;
            GetCursorPos(p);
            if (TControl* child = ControlAtPos(ScreenToClient(p), false))
                cursor = child->Cursor();
            if (cursor == crDefault)
                cursor = cursor_;
        }
        if (cursor != crDefault) {
            ::SetCursor(CursorShape(cursor));
            message.Result = 1;
            return;
        }
    }
    DefaultHandler(message);
}

void TWinControl::DefaultHandler(TMessage& message)
{
    if (DefaultSystemKeyHandling(*this, message) || DefaultUIStateHandling(*this, message) ||
        DefaultDesktopChangeHandling(*this, message) || DefaultMouseActivateHandling(*this, message))
        return;
    switch (message.Msg) {
    case WM_NCCALCSIZE:
    case WM_NCPAINT:
    case WM_NCHITTEST:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
    case WM_PRINT:
        DefaultNonClient(message);
        return;
    case WM_WINDOWPOSCHANGED:
        WindowPosChanged(message);
        return;
    case WM_SETCURSOR:
        DefaultSetCursor(message);
        return;
    case WM_CTLCOLOREDIT:
        // A child asks for the colours it paints in: its own colour message answers.
        if (TWinControl* child = FromHandle(TCtlColorView(message).Control); child && child != this)
            message.Result = child->Perform(CN_CTLCOLOREDIT, message.WParam, message.LParam);
        return;
    case WM_CONTEXTMENU:
        if (parent_ && parent_->HandleAllocated())
            message.Result = DeliverSentMessage(parent_, WM_CONTEXTMENU, message.WParam, message.LParam);
        return;
    // The right button's release and the menu keys ask for the context menu.
    case WM_RBUTTONUP: {
        const TPoint screen = ClientToScreen(TMouseView(message).Pos);
        SendMessage(window_->handle, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(window_->handle),
                    MAKELPARAM(screen.X, screen.Y));
        return;
    }
    case WM_KEYUP:
    case WM_SYSKEYDOWN:
    case WM_KEYDOWN: {
        const uint16_t key = TKeyView(message).Key();
        const bool menuKey = message.Msg == WM_KEYUP
                                 ? key == VK_APPS
                                 : key == VK_F10 && GetKeyState(VK_SHIFT) < 0 && GetKeyState(VK_CONTROL) >= 0;
        if (menuKey)
            SendMessage(window_->handle, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(window_->handle),
                        MAKELPARAM(-1, -1));
        return;
    }
    case WM_SETTEXT:
        TControl::DefaultHandler(message);
        if (window_->widget && window_->widget->isWindow())
            window_->widget->setWindowTitle(QString::fromStdString(text_));
        return;
    default:
        TControl::DefaultHandler(message);
    }
}

// The parent may set the cursor first; the frame's sizing edges show the sizing cursors, the rest the arrow.
void TWinControl::DefaultSetCursor(TMessage& message)
{
    if (parent_ && parent_->HandleAllocated() &&
        DeliverSentMessage(parent_, WM_SETCURSOR, message.WParam, message.LParam) != 0) {
        message.Result = 1;
        return;
    }
    const TSetCursorView view(message);
    TCursor cursor = crArrow;
    if (view.HitTest == HTLEFT || view.HitTest == HTRIGHT)
        cursor = crSizeWE;
    else if (view.HitTest == HTTOP || view.HitTest == HTBOTTOM)
        cursor = crSizeNS;
    else if (view.HitTest == HTTOPLEFT || view.HitTest == HTBOTTOMRIGHT)
        cursor = crSizeNWSE;
    else if (view.HitTest == HTTOPRIGHT || view.HitTest == HTBOTTOMLEFT)
        cursor = crSizeNESW;
    if (view.Window == window_->handle)
        ::SetCursor(CursorShape(cursor));
    message.Result = 0;
}

// A windowless child under the point gets the context menu first.
void TWinControl::ContextMenuAt(TMessage& message)
{
    if (message.Result != 0)
        return;
    const TContextMenuView view(message);
    if (!view.FromKeyboard()) {
        TControl* child = ControlAtPos(ScreenToClient(view.ScreenPos), false);
        if (child && child->Perform(WM_CONTEXTMENU, 0, message.LParam) != 0) {
            message.Result = 1;
            return;
        }
    }
    TControl::Dispatch(message);
}

void TWinControl::DefaultNonClient(TMessage& message)
{
    TWindowData& w = *window_;
    switch (message.Msg) {
    case WM_NCCALCSIZE: {
        TNCCalcSizeParams* params = TNCCalcSizeView(message).Params;
        params->rgrc[0] = DefaultClientRect(w, params->rgrc[0], borderWidth_);
        return;
    }
    case WM_NCPAINT:
        // WParam is the canvas to paint on; without one (0 or 1) the frame paints on its own canvas.
        if (message.WParam > 1)
            PaintDefaultFrame(*this, *TPaintView(message).DC);
        else if (w.frameCanvas)
            PaintDefaultFrame(*this, *w.frameCanvas);
        return;
    case WM_NCHITTEST: {
        TRect windowRect;
        GetWindowRect(w.handle, windowRect);
        const TPoint p = THitTestView(message).ScreenPos;
        message.Result = DefaultHitTest(*this, {p.X - windowRect.Left, p.Y - windowRect.Top});
        return;
    }
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK: {
        const TNCMouseView mouse(message);
        if (mouse.HitTest == HTHSCROLL || mouse.HitTest == HTVSCROLL) {
            TRect windowRect;
            GetWindowRect(w.handle, windowRect);
            ScrollBarPress(*this, mouse.HitTest == HTHSCROLL ? SB_HORZ : SB_VERT,
                           {mouse.ScreenPos.X - windowRect.Left, mouse.ScreenPos.Y - windowRect.Top});
        }
        return;
    }
    case WM_PRINT: {
        const TPrintView print(message);
        HDC dc = print.DC;
        if (!dc)
            return;
        const unsigned flags = print.Flags;
        if ((flags & PRF_CHECKVISIBLE) && !visible_)
            return;
        if (flags & PRF_NONCLIENT) {
            TCanvas* before = w.frameCanvas;
            w.frameCanvas = dc;
            Perform(WM_NCPAINT, reinterpret_cast<WPARAM>(dc), 0);
            w.frameCanvas = before;
        }
        const int saved = SaveDC(*dc);
        MoveWindowOrg(*dc, w.clientInWindow.Left, w.clientInWindow.Top);
        IntersectClipRect(*dc, 0, 0, w.clientInWindow.Width(), w.clientInWindow.Height());
        if (flags & PRF_ERASEBKGND)
            Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
        if (flags & PRF_CLIENT)
            Perform(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), static_cast<LPARAM>(flags));
        if (flags & PRF_CHILDREN) {
            const std::vector<TControl*> children = controls_;
            for (TControl* c : children) {
                auto* child = c->AsWinControl();
                if (!child || !child->Visible())
                    continue;
                const int childSaved = SaveDC(*dc);
                MoveWindowOrg(*dc, child->Left(), child->Top());
                IntersectClipRect(*dc, 0, 0, child->Width(), child->Height());
                child->Perform(WM_PRINT, reinterpret_cast<WPARAM>(dc), static_cast<LPARAM>(flags));
                RestoreDC(*dc, childSaved);
            }
        }
        RestoreDC(*dc, saved);
        return;
    }
    }
}

void TWinControl::PaintTo(TCanvas& canvas, int x, int y)
{
    HandleNeeded();
    const int saved = SaveDC(canvas);
    MoveWindowOrg(canvas, x, y);
    IntersectClipRect(canvas, 0, 0, width_, height_);
    Perform(WM_PRINT, reinterpret_cast<WPARAM>(&canvas),
            PRF_NONCLIENT | PRF_ERASEBKGND | PRF_CLIENT | PRF_CHILDREN);
    RestoreDC(canvas, saved);
}
