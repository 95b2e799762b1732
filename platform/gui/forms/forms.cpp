#include "platform/gui/forms/forms.h"

#include "platform/gui/core/exception_reporting.h"
#include "platform/gui/core/exceptions.h"
#include "platform/gui/forms/application.h"
#include "platform/gui/forms/menus.h"
#include "platform/gui/forms/screen.h"
#include "platform/gui/graphics/bitmap.h"
#include "platform/gui/qt/bitmap_impl.h"
#include "platform/gui/qt/qt_bridge.h"
#include "platform/gui/qt/window_data.h"
#include "platform/gui/qt/window_widget.h"
#include "platform/gui/windows/actions.h"
#include "platform/gui/windows/message_views.h"
#include "platform/gui/windows/window_functions.h"

#include <QApplication>
#include <QEventLoop>
#include <QIcon>
#include <QPixmap>
#include <QWindow>

#include <cstdlib>

TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner)
{
    controlStyle_ = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
    SetVisible(false);
    SetColor(clBtnFace);
    SetParentColor(false);
    SetParentFont(false);
    SetBounds(0, 0, 320, 240);
    Screen->AddForm(this);
}

TCustomForm::~TCustomForm()
{
    Destroying();
    if (OnDestroy)
        GuardedCall(this, [this] { OnDestroy(this); });
    Screen->RemoveForm(this);
    Application->FormDestroyed(this);
}

namespace {

// The window menu and the minimize and maximize boxes, as the border icons ask for them and the border
// style allows (a fixed border has no maximize box, as it has no maximize button).
uint32_t BorderIconStyle(TFormBorderStyle border, TBorderIcons icons)
{
    if (border == bsNone || !icons.Contains(biSystemMenu))
        return 0;
    uint32_t style = WS_SYSMENU;
    if ((border == bsSingle || border == bsSizeable) && icons.Contains(biMinimize))
        style |= WS_MINIMIZEBOX;
    if (border == bsSizeable && icons.Contains(biMaximize))
        style |= WS_MAXIMIZEBOX;
    return style;
}

} // namespace

void TCustomForm::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    params.Style &= ~(WS_CHILD | WS_VISIBLE);
    params.WndParent = nullptr;
    switch (borderStyle_) {
    case bsNone:
        params.Style |= WS_POPUP;
        break;
    case bsSingle:
    case bsToolWindow:
        params.Style |= WS_CAPTION | WS_BORDER;
        break;
    case bsSizeable:
    case bsSizeToolWin:
        params.Style |= WS_CAPTION | WS_THICKFRAME;
        break;
    case bsDialog:
        params.Style |= WS_POPUP | WS_CAPTION;
        params.ExStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
        break;
    }
    if (borderStyle_ == bsDialog)
        params.Style &= ~WS_POPUP;
    params.Style =
        (params.Style & ~(WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) | BorderIconStyle(borderStyle_, borderIcons_);
    if (borderStyle_ == bsToolWindow || borderStyle_ == bsSizeToolWin)
        params.ExStyle |= WS_EX_TOOLWINDOW;
    if (formStyle_ == fsStayOnTop)
        params.ExStyle |= WS_EX_TOPMOST;
}

void TCustomForm::CreateWnd()
{
    TWinControl::CreateWnd();
    ApplyWindowFlags();
    RelinkOwnedForms();
}

void TCustomForm::ApplyWindowFlags()
{
    TWindowData& w = Window();
    if (!w.widget)
        return;
    Qt::WindowFlags flags = Qt::Window;
    switch (borderStyle_) {
    case bsNone:
        flags |= Qt::FramelessWindowHint;
        break;
    case bsDialog:
        flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
        break;
    case bsToolWindow:
    case bsSizeToolWin:
        flags = Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
        break;
    default:
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        if (borderIcons_.Contains(biSystemMenu))
            flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        if (borderIcons_.Contains(biMinimize))
            flags |= Qt::WindowMinimizeButtonHint;
        if (borderIcons_.Contains(biMaximize) && borderStyle_ == bsSizeable)
            flags |= Qt::WindowMaximizeButtonHint;
        if (borderIcons_.Contains(biHelp))
            flags |= Qt::WindowContextHelpButtonHint;
    }
    // A form that is never activated (a control's popup) stays a window the desktop never activates.
    if (w.exStyle & WS_EX_NOACTIVATE)
        flags = Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus;
    // An owned window is the desktop's utility window above its owner: no task-bar entry, and above its
    // owner already, so staying on top asks for nothing more.
    if (ownerForm_ && (flags & Qt::WindowType_Mask) == Qt::Window)
        flags = (flags & ~Qt::WindowType_Mask) | Qt::Tool;
    if (formStyle_ == fsStayOnTop && !ownerForm_)
        flags |= Qt::WindowStaysOnTopHint;
    const bool wasVisible = w.widget->isVisible();
    w.widget->setWindowFlags(flags);
    LinkToOwnerWindow();
    if (borderStyle_ == bsSingle || borderStyle_ == bsDialog || borderStyle_ == bsToolWindow)
        w.widget->setFixedSize(Width(), Height());
    else
        w.widget->setMinimumSize(Constraints()->MinWidth(), Constraints()->MinHeight());
    w.widget->setWindowTitle(QString::fromStdString(Caption()));
    if (wasVisible)
        w.widget->show();
}

void TCustomForm::LinkToOwnerWindow()
{
    QWidget* widget = Window().widget;
    if (!widget || !widget->isWindow())
        return;
    QWidget* ownerWidget =
        ownerForm_ && ownerForm_->HandleAllocated() ? ownerForm_->Window().widget : nullptr;
    if (!ownerWidget && !widget->windowHandle())
        return;
    // The link is the desktop windows', not the widgets' parenthood: a child widget would be disabled
    // with its owner and freed with it.
    widget->winId();
    if (ownerWidget)
        ownerWidget->winId();
    widget->windowHandle()->setTransientParent(ownerWidget ? ownerWidget->windowHandle() : nullptr);
}

// A form whose window was made anew links the windows of the forms it owns to the new one.
void TCustomForm::RelinkOwnedForms()
{
    for (int i = 0; i < Screen->FormCount(); ++i) {
        TCustomForm* form = Screen->Forms(i);
        if (form->ownerForm_ == this && form->HandleAllocated())
            form->LinkToOwnerWindow();
    }
}

void TCustomForm::SetOwnerForm(TCustomForm* owner)
{
    if (owner == ownerForm_)
        return;
    for (TCustomForm* above = owner; above; above = above->ownerForm_)
        if (above == this)
            throw EInvalidOperation("A form cannot be owned by itself or by a form it owns");
    if (ownerForm_)
        ownerForm_->RemoveFreeNotification(this);
    ownerForm_ = owner;
    if (ownerForm_)
        ownerForm_->FreeNotification(this);
    ApplyWindowFlags();
}

void TCustomForm::Notification(TComponent* component, TOperation operation)
{
    TWinControl::Notification(component, operation);
    if (operation == opRemove && component == ownerForm_) {
        ownerForm_ = nullptr;
        ApplyWindowFlags();
    }
}

void TCustomForm::SetBorderStyle(TFormBorderStyle value)
{
    if (value == borderStyle_)
        return;
    borderStyle_ = value;
    RecreateWnd();
}

void TCustomForm::SetBorderIcons(TBorderIcons value)
{
    if (value == borderIcons_)
        return;
    borderIcons_ = value;
    if (HandleAllocated())
        Window().style = (Window().style & ~(WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) |
                         BorderIconStyle(borderStyle_, borderIcons_);
    ApplyWindowFlags();
}

void TCustomForm::SetFormStyle(TFormStyle value)
{
    if (value == formStyle_)
        return;
    formStyle_ = value;
    if (HandleAllocated()) {
        Window().exStyle =
            value == fsStayOnTop ? (Window().exStyle | WS_EX_TOPMOST) : (Window().exStyle & ~WS_EX_TOPMOST);
        ApplyWindowFlags();
    }
}

void TCustomForm::SetIcon(const TBitmap* icon)
{
    HandleNeeded();
    if (icon && !icon->Empty())
        Window().widget->setWindowIcon(QIcon(QPixmap::fromImage(icon->Internal().image)));
    else
        Window().widget->setWindowIcon(QIcon());
}

TWindowState TCustomForm::WindowState() const
{
    if (Window().widget) {
        if (Window().widget->isMinimized())
            return wsMinimized;
        if (Window().widget->isMaximized())
            return wsMaximized;
    }
    return windowState_;
}

void TCustomForm::SetWindowState(TWindowState value)
{
    windowState_ = value;
    if (!HandleAllocated() || !Window().widget->isVisible())
        return;
    ShowWindow(Handle(), value == wsMaximized   ? SW_SHOWMAXIMIZED
                         : value == wsMinimized ? SW_MINIMIZE
                                                : SW_RESTORE);
}

void TCustomForm::Loaded()
{
    TWinControl::Loaded();
    DoCreate();
}

void TCustomForm::DoCreate()
{
    if (created_)
        return;
    created_ = true;
    if (OnCreate)
        OnCreate(this);
}

// --- showing and hiding ------------------------------------------------------------------------------------

void TCustomForm::PlaceForPosition()
{
    if (placed_)
        return;
    placed_ = true;
    TRect area;
    const TCustomForm* relative = nullptr;
    if (position_ == poOwnerFormCenter)
        relative = dynamic_cast<TCustomForm*>(Owner());
    if (position_ == poMainFormCenter || (position_ == poOwnerFormCenter && !relative))
        relative = Application->MainForm() != this ? Application->MainForm() : nullptr;
    if (relative) {
        area = relative->BoundsRect();
    } else if (position_ == poScreenCenter || position_ == poDesktopCenter || position_ == poMainFormCenter ||
               position_ == poOwnerFormCenter) {
        area = Screen->WorkAreaRect();
        if (area.Width() <= 0)
            return;
    } else {
        return;
    }
    SetBounds(area.Left + (area.Width() - Width()) / 2, area.Top + (area.Height() - Height()) / 2, Width(),
              Height());
}

void TCustomForm::Show()
{
    SetVisible(true);
    if (HandleAllocated())
        Window().widget->raise();
}

void TCustomForm::Hide()
{
    SetVisible(false);
}

void TCustomForm::DoShow()
{
    if (OnShow)
        OnShow(this);
}

void TCustomForm::DoHide()
{
    if (OnHide)
        OnHide(this);
}

void TCustomForm::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case CM_VISIBLECHANGED:
        if (Visible()) {
            DoCreate();
            DoShow();
            if (!Visible())
                return;
        }
        TWinControl::Dispatch(message);
        if (!Visible())
            DoHide();
        return;
    case CM_SHOWINGCHANGED:
        if (Visible()) {
            PlaceForPosition();
            const int command = windowState_ == wsMaximized   ? SW_SHOWMAXIMIZED
                                : windowState_ == wsMinimized ? SW_SHOWMINIMIZED
                                                              : SW_SHOW;
            ShowWindow(Handle(), command);
            if (!(Window().exStyle & WS_EX_NOACTIVATE))
                Window().widget->activateWindow();
            if (activeControl_ && activeControl_->CanFocus())
                ::SetFocus(activeControl_->Handle());
        } else {
            ShowWindow(Handle(), SW_HIDE);
            if (active_)
                SetActive(false);
        }
        return;
    case WM_ACTIVATE:
        SetActive(TActivateView(message).Active());
        return;
    case WM_CLOSE:
        Close();
        return;
    case CM_DIALOGKEY:
        if (GetKeyState(VK_MENU) >= 0) {
            const uint16_t key = TKeyView(message).Key();
            if (key == VK_TAB && GetKeyState(VK_CONTROL) >= 0) {
                SelectNext(activeControl_, GetKeyState(VK_SHIFT) >= 0, true);
                message.Result = 1;
                return;
            }
            if (key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN) {
                if (activeControl_ && activeControl_->Parent()) {
                    activeControl_->Parent()->SelectNext(activeControl_, key == VK_RIGHT || key == VK_DOWN,
                                                         false);
                    message.Result = 1;
                }
                return;
            }
        }
        TWinControl::Dispatch(message);
        return;
    case CM_RELEASE:
        Free();
        return;
    case WM_SYSCOMMAND:
        WMSysCommand(message);
        return;
    case WM_HELP:
        WMHelp(message);
        return;
    default:
        TWinControl::Dispatch(message);
    }
}

void TCustomForm::SetActive(bool active)
{
    if (active == active_)
        return;
    active_ = active;
    if (active) {
        Screen->FormActivated(this);
        Activate();
        if (activeControl_ && activeControl_->CanFocus() && !activeControl_->Focused())
            ::SetFocus(activeControl_->Handle());
    } else {
        Deactivate();
    }
}

void TCustomForm::Activate()
{
    if (OnActivate)
        OnActivate(this);
}

void TCustomForm::Deactivate()
{
    if (OnDeactivate)
        OnDeactivate(this);
}

// --- closing -----------------------------------------------------------------------------------------------

bool TCustomForm::CloseQuery()
{
    bool canClose = true;
    if (OnCloseQuery)
        OnCloseQuery(this, canClose);
    return canClose;
}

void TCustomForm::DoClose(TCloseAction& action)
{
    if (OnClose)
        OnClose(this, action);
}

void TCustomForm::Close()
{
    if (closing_)
        return;
    if (Modal()) {
        if (modalResult_ == mrNone)
            modalResult_ = mrCancel;
        return;
    }
    if (!CloseQuery())
        return;
    TCloseAction action = caHide;
    if (Application->MainForm() == this)
        action = caFree;
    closing_ = true;
    try {
        DoClose(action);
    } catch (...) {
        closing_ = false;
        throw;
    }
    closing_ = false;
    switch (action) {
    case caHide:
        Hide();
        break;
    case caMinimize:
        SetWindowState(wsMinimized);
        break;
    case caFree:
        if (Application->MainForm() == this)
            Application->Terminate();
        Release();
        break;
    case caNone:
        break;
    }
}

void TCustomForm::Release()
{
    if (HandleAllocated())
        PostMessage(Handle(), CM_RELEASE, 0, 0);
    else
        Free();
}

TModalResult TCustomForm::ShowModal()
{
    if (Visible() || Modal())
        throw EInvalidOperation("Cannot make a visible window modal");
    modalResult_ = mrNone;
    ++modalLevel_;
    HandleNeeded();
    Window().widget->setWindowModality(Qt::ApplicationModal);
    auto finish = [this] {
        --modalLevel_;
        if (HandleAllocated())
            Window().widget->setWindowModality(Qt::NonModal);
        Hide();
    };
    try {
        Show();
        while (!Application->Terminated()) {
            Application->HandleMessage();
            if (modalResult_ == mrNone)
                continue;
            // The form may still refuse to close.
            TCloseAction action = caHide;
            if (CloseQuery())
                DoClose(action);
            else
                action = caNone;
            if (action != caNone)
                break;
            modalResult_ = mrNone;
        }
    } catch (...) {
        finish();
        throw;
    }
    finish();
    return modalResult_;
}

// --- focus -------------------------------------------------------------------------------------------------

void TCustomForm::SetActiveControl(TWinControl* control)
{
    if (control == activeControl_)
        return;
    if (control && (!ContainsControl(control) || control == this))
        throw EInvalidOperation("Invalid control for the active control of a form");
    if (control && Showing() && !control->CanFocus())
        throw EInvalidOperation("Cannot focus a disabled or invisible window");
    activeControl_ = control;
    if (control && Showing())
        ::SetFocus(control->Handle());
}

void TCustomForm::FocusControl(TWinControl* control)
{
    if (!control->CanFocus())
        throw EInvalidOperation("Cannot focus a disabled or invisible window");
    activeControl_ = control;
    if (Showing())
        ::SetFocus(control->Handle());
}

bool TCustomForm::SetFocusedControl(TWinControl* control)
{
    if (control == focusedControl_)
        return true;
    TWinControl* previous = focusedControl_;
    focusedControl_ = control;
    if (control != this)
        activeControl_ = control;
    // Leave the controls the focus no longer is in, inner ones first, then enter the new ones, outer ones
    // first.
    std::vector<TWinControl*> entering;
    for (TWinControl* c = control; c && c != this; c = c->Parent())
        entering.insert(entering.begin(), c);
    for (TWinControl* c = previous; c && c != this; c = c->Parent()) {
        if (std::find(entering.begin(), entering.end(), c) != entering.end())
            break;
        c->Perform(CM_EXIT, 0, 0);
        if (focusedControl_ != control)
            return false;
    }
    for (TWinControl* c : entering) {
        if (previous && c->ContainsControl(previous))
            continue;
        c->Perform(CM_ENTER, 0, 0);
        if (focusedControl_ != control)
            return false;
    }
    TMessage changed{CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(control), 0};
    Broadcast(changed);
    return true;
}

void TCustomForm::DefocusControl(TWinControl* control, bool removing)
{
    if (removing && control->ContainsControl(focusedControl_))
        focusedControl_ = nullptr;
    if (control->ContainsControl(activeControl_)) {
        TWinControl* parent = control->Parent();
        activeControl_ = nullptr;
        if (!removing && parent && parent != this && parent->CanFocus() && Showing())
            activeControl_ = parent;
    }
}

void TCustomForm::SendCancelMode(TControl* sender)
{
    if (active_ && activeControl_ && activeControl_ != sender)
        activeControl_->Perform(CM_CANCELMODE, 0, reinterpret_cast<LPARAM>(sender));
}

bool TCustomForm::IsShortCut(const TMessage& message)
{
    TMessage copy = message;
    bool handled = false;
    if (OnShortCut)
        OnShortCut(copy, handled);
    if (handled)
        return true;
    for (int i = 0; i < ComponentCount(); ++i)
        if (auto* menu = dynamic_cast<TMenu*>(Components(i)); menu && menu->IsShortCut(message))
            return true;
    for (int i = 0; i < ComponentCount(); ++i)
        if (auto* list = dynamic_cast<TCustomActionList*>(Components(i)); list && list->IsShortCut(message))
            return true;
    return false;
}

namespace {

constexpr int SnapBuffer = 10;

// Moves a position within buffer of an edge onto it: near the low edge to it, near the high edge so that
// the extent ends there.
int Snapped(int position, int extent, int low, int high, int buffer)
{
    if (std::abs(position - low) < buffer)
        return low;
    if (std::abs(position + extent - high) < buffer)
        return high - extent;
    return position;
}

} // namespace

void TCustomForm::SetBounds(int left, int top, int width, int height)
{
    if (screenSnap_ && !Parent() && WindowState() == wsNormal) {
        const TRect area =
            Screen->MonitorFromRect(Rect(left, top, left + width, top + height))->WorkareaRect();
        left = Snapped(left, width, area.Left, area.Right, SnapBuffer);
        top = Snapped(top, height, area.Top, area.Bottom, SnapBuffer);
    }
    TWinControl::SetBounds(left, top, width, height);
}

TWindowHandle WindowHandleOf(TCustomForm& form)
{
    form.HandleNeeded();
    return form.Window().widget.data();
}

TCustomForm* GetParentForm(const TControl* control, bool topForm)
{
    IParentForm* form = FindParentForm(control, topForm);
    return form ? dynamic_cast<TCustomForm*>(&form->FormControl()) : nullptr;
}
