#include "controls/skins/skin_bar_helpers.h"
#include "controls/skins/skin_dock.h"
#include "controls/skins/skin_system_menu_item.h"
#include "controls/skins/skin_title_bar.h"
#include "controls/skins/skin_title_bar_options.h"
#include "controls/toolbars/monitor_rects.h"
#include "platform/gui/windows/system_menu.h"
#include "platform/gui/windows/window_functions.h"

#include <utility>

// What the title bar does to its form: it takes the form's own border and caption away, and the form's
// window messages pass through it (the maximized size and the menu key).

namespace {

// The room the form's own border and caption take around its client area. The window system draws them
// outside the form's bounds here, so the form keeps its client size when the border goes or comes back.
TSize FormFrameExtent(TCustomForm& form)
{
    return {form.Width() - form.ClientWidth(), form.Height() - form.ClientHeight()};
}

// Keeps the form's OnShow out of the way while its window is made again.
class TOnShowPause
{
public:
    explicit TOnShowPause(TCustomForm& form) : FForm(form), FOnShow(std::exchange(form.OnShow, nullptr)) {}
    ~TOnShowPause() { FForm.OnShow = std::move(FOnShow); }
    TOnShowPause(const TOnShowPause&) = delete;
    TOnShowPause& operator=(const TOnShowPause&) = delete;

private:
    TCustomForm& FForm;
    TNotifyEvent FOnShow;
};

// The form has a toolbar that is a menu bar: the menu key is that bar's.
bool HasMenuBar(TCustomForm& form)
{
    for (int i = 0; i < form.ComponentCount(); ++i) {
        if (auto* toolbar = dynamic_cast<TBarCustomToolbar*>(form.Components(i));
            toolbar && toolbar->MenuBar())
            return true;
    }
    return false;
}

} // namespace

void TQvCustomTitleBar::Loaded()
{
    TQvCompoundBar::Loaded();
    if (IsDesigning())
        return;
    FParentForm = GetParentForm(this);
    HookForm();
    UpdateFormBorder(FActive);
}

void TQvCustomTitleBar::HookForm()
{
    if (!FParentForm || FFormHooked)
        return;
    FOldParentFormWndProc = FParentForm->WindowProc;
    FParentForm->WindowProc = [this](TMessage& message) { FormWndProc(message); };
    FFormHooked = true;
}

void TQvCustomTitleBar::UnhookForm()
{
    if (!FFormHooked)
        return;
    FParentForm->WindowProc = std::move(FOldParentFormWndProc);
    FFormHooked = false;
}

bool TQvCustomTitleBar::FormUsable() const
{
    return FParentForm && !FParentForm->ComponentState().Contains(csDestroying) && !IsDesigning();
}

void TQvCustomTitleBar::KeepWindowMenu()
{
    const HWND window = FParentForm->Handle();
    SetWindowLong(window, GWL_STYLE, GetWindowLong(window, GWL_STYLE) | WS_SYSMENU);
}

void TQvCustomTitleBar::UpdateFormBorder(bool active)
{
    if (!FormUsable())
        return;
    // A form without its window yet only takes the border style: its window is made with it, and gets
    // its window menu as it is made (FormWndProc).
    if (!FParentForm->HandleAllocated()) {
        if (FMouseActive)
            FParentForm->SetBorderStyle(active ? bsNone : bsSizeable);
        FDock->SetVisible(FActive);
        return;
    }
    if (FMouseActive) {
        TCustomForm& form = *FParentForm;
        TOnShowPause pause(form);
        const bool maximized = FormIsMaximized();
        const bool resize = !maximized && form.FormStyle() != fsMDIChild;
        TRect normal;
        const int state = GetWindowPlacementInfo(&form, normal);
        if (active) {
            const TSize frame = FormFrameExtent(form);
            form.SetBorderStyle(bsNone);
            KeepWindowMenu();
            if (resize)
                form.SetBounds(form.Left(), form.Top(), form.Width() - frame.cx, form.Height() - frame.cy);
        } else {
            form.SetBorderStyle(bsSizeable);
            const TSize frame = FormFrameExtent(form);
            if (resize)
                form.SetBounds(form.Left(), form.Top(), form.Width() + frame.cx, form.Height() + frame.cy);
        }
        if (maximized)
            SetWindowPlacementInfo(&form, state, normal);
        InvalidateBackground(true);
    }
    FDock->SetVisible(FActive);
}

// The platform theme's caption has square corners and a skin paints its own, so the form's window keeps
// its whole rectangle: no region is handed to it.
void TQvCustomTitleBar::UpdateRegion()
{
    if (!FParentForm || !FParentForm->HandleAllocated() || FUpdateRegionCalled)
        return;
    FUpdateRegionCalled = true;
    SetWindowRgn(FParentForm->Handle(), nullptr, true);
    FUpdateRegionCalled = false;
}

// --- the form's messages -----------------------------------------------------------------------------------

void TQvCustomTitleBar::FormWndProc(TMessage& message)
{
    if (message.Msg == WM_CREATE) {
        if (FOldParentFormWndProc)
            FOldParentFormWndProc(message);
        if (FActive && FMouseActive && FParentForm->BorderStyle() == bsNone)
            KeepWindowMenu();
        return;
    }
    bool answered = false;
    if (message.Msg == WM_GETMINMAXINFO)
        answered = FormGetMinMaxInfo(message);
    else if (message.Msg == WM_SYSCOMMAND)
        answered = FormSysCommand(message);
    if (!answered && FOldParentFormWndProc)
        FOldParentFormWndProc(message);
}

// Maximized, the form covers the work area of the bar's monitor, not the whole screen.
bool TQvCustomTitleBar::FormGetMinMaxInfo(TMessage& message)
{
    if (!IsActive() || FFullScreenMaximize || !HandleAllocated())
        return false;
    auto& info = *reinterpret_cast<TMinMaxInfo*>(message.LParam);
    const TRect monitor = GetMonitorRectOfWindow(Handle(), false);
    const TRect work = GetMonitorRectOfWindow(Handle(), true);
    info.ptMaxPosition = {work.Left - monitor.Left, work.Top - monitor.Top};
    info.ptMaxSize = {work.Width(), work.Height()};
    if (FormIsMaximized()) {
        info.ptMaxTrackSize = info.ptMaxSize;
        FParentForm->Constraints()->SetMaxWidth(info.ptMaxSize.X);
        FParentForm->Constraints()->SetMaxHeight(info.ptMaxSize.Y);
    } else {
        FParentForm->Constraints()->SetMaxWidth(0);
        FParentForm->Constraints()->SetMaxHeight(0);
    }
    message.Result = 0;
    return true;
}

// The menu key: Alt+Space opens the window menu below the window-menu item; Alt alone is swallowed while
// the form has no menu bar, as a captionless window has no menu to enter.
bool TQvCustomTitleBar::FormSysCommand(TMessage& message)
{
    if ((message.WParam & 0xFFF0) != SC_KEYMENU || !IsActive() || !FOptions->SystemMenu())
        return false;
    if (message.LParam == ' ') {
        TQvSystemMenuItem* item = FOptions->SystemButton();
        TPoint below{};
        if (TBarItemViewer* viewer = Toolbar()->View()->Find(item))
            below = Toolbar()->ClientToScreen({viewer->BoundsRect().Left, viewer->BoundsRect().Bottom});
        message.Result = 1;
        item->Popup(below.X, below.Y, false);
        return true;
    }
    if (message.LParam == 0 && !GetCapture() && !Toolbar()->MenuBar() && !HasMenuBar(*FParentForm)) {
        message.Result = 1;
        return true;
    }
    return false;
}
