#include "controls/toolbars/bar_acc_objects.h"

#include "controls/toolbars/accel_text.h"
#include "controls/toolbars/accessibility.h"
#include "controls/toolbars/item_classes.h"
#include "controls/toolbars/item_viewer.h"
#include "controls/toolbars/view.h"
#include "platform/gui/graphics/gdi.h"
#include "platform/gui/windows/message_loop.h"
#include "platform/gui/windows/win_control.h"
#include "platform/gui/windows/window_functions.h"
#include "support/utf8.h"

#include <algorithm>

#include <vector>

namespace {

// The viewers clients see: shown, off the edge or clipped; the first is child 1.
std::vector<TBarItemViewer*> AccessibleViewers(const TBarView& view)
{
    std::vector<TBarItemViewer*> viewers;
    for (int i = 0; i < view.ViewerCount(); ++i)
        if (TBarItemViewer* viewer = view.Viewers(i); viewer->IsAccessible())
            viewers.push_back(viewer);
    return viewers;
}

HWND HandleOf(TWinControl* window)
{
    return window && window->HandleAllocated() ? window->Handle() : nullptr;
}

std::shared_ptr<IAccessibleObject> ViewObject(TBarView* view)
{
    return view ? view->GetAccObject() : nullptr;
}

} // namespace

// --- the view ----------------------------------------------------------------------------------------------

HWND TBarViewAccObject::Window() const
{
    return FView ? HandleOf(FView->Window()) : nullptr;
}

std::shared_ptr<IAccessibleObject> TBarViewAccObject::Parent()
{
    if (FView && FView->ParentView() && FView->ParentView()->OpenViewer())
        return FView->ParentView()->OpenViewer()->GetAccObject();
    return nullptr;
}

int TBarViewAccObject::ChildCount()
{
    return FView ? static_cast<int>(AccessibleViewers(*FView).size()) : 0;
}

std::shared_ptr<IAccessibleObject> TBarViewAccObject::Child(int index)
{
    if (!FView)
        return nullptr;
    if (index == CHILDID_SELF)
        return shared_from_this();
    const std::vector<TBarItemViewer*> viewers = AccessibleViewers(*FView);
    if (index < 1 || index > static_cast<int>(viewers.size()))
        return nullptr;
    TBarItemViewer* viewer = viewers[static_cast<size_t>(index - 1)];
    // A hosted window control answers for itself.
    if (auto* item = dynamic_cast<TBarControlItem*>(viewer->Item()))
        if (auto* control = dynamic_cast<TWinControl*>(item->Control());
            control && control->HandleAllocated())
            return AccessibleObjectOfWindow(control->Handle());
    return viewer->GetAccObject();
}

std::string TBarViewAccObject::Name()
{
    if (!FView)
        return {};
    std::string name;
    if (FView->ParentView() && FView->ParentView()->OpenViewer())
        name = RemoveAccelAmpersands(FView->ParentView()->OpenViewer()->Item()->Caption());
    if (name.empty() && FView->Window())
        name = FView->Window()->Caption();
    return name;
}

int TBarViewAccObject::Role()
{
    if (!FView)
        return 0;
    if (FView->IsPopup())
        return ROLE_SYSTEM_MENUPOPUP;
    return FView->Style().Contains(vsMenuBar) ? ROLE_SYSTEM_MENUBAR : ROLE_SYSTEM_TOOLBAR;
}

std::string TBarViewAccObject::KeyboardShortcut()
{
    return FView && FView->Style().Contains(vsMenuBar) ? GetAltKeyName() : std::string();
}

TRect TBarViewAccObject::Location()
{
    TRect r;
    if (const HWND window = Window())
        GetWindowRect(window, r);
    return r;
}

std::shared_ptr<IAccessibleObject> TBarViewAccObject::HitTest(TPoint screenPos)
{
    const HWND window = Window();
    if (!window || !PtInRect(Location(), screenPos))
        return nullptr;
    if (const HWND child = WindowFromPoint(screenPos); child && child != window && IsChild(window, child))
        return AccessibleObjectOfWindow(child);
    if (TBarItemViewer* viewer = FView->ViewerFromPoint(FView->Window()->ScreenToClient(screenPos)))
        return viewer->GetAccObject();
    return shared_from_this();
}

std::shared_ptr<IAccessibleObject> TBarViewAccObject::Navigate(int direction)
{
    if (!FView || (direction != NAVDIR_FIRSTCHILD && direction != NAVDIR_LASTCHILD))
        return nullptr;
    const std::vector<TBarItemViewer*> viewers = AccessibleViewers(*FView);
    if (viewers.empty())
        return nullptr;
    return (direction == NAVDIR_FIRSTCHILD ? viewers.front() : viewers.back())->GetAccObject();
}

// --- an item viewer ----------------------------------------------------------------------------------------

HWND TBarItemViewerAccObject::Window() const
{
    return FViewer ? HandleOf(FViewer->View()->Window()) : nullptr;
}

bool TBarItemViewerAccObject::IsItemAvailable() const
{
    const TBarCustomItem* item = FViewer->Item();
    return item->Enabled() && item->ItemStyle().Contains(tbisSelectable);
}

bool TBarItemViewerAccObject::IsWindowAvailable() const
{
    const HWND window = Window();
    if (!window || !IsWindowVisible(window))
        return false;
    for (HWND w = window; w; w = GetParent(w))
        if (!IsWindowEnabled(w))
            return false;
    if (FViewer->View()->State().Contains(vsModal))
        return true;
    const HWND active = GetActiveWindow();
    return active && (active == window || IsChild(active, window));
}

bool TBarItemViewerAccObject::CanExecute() const
{
    return FViewer && FViewer->IsAccessible() && IsItemAvailable() && IsWindowAvailable();
}

bool TBarItemViewerAccObject::SubmenuOpen() const
{
    return FViewer->View()->OpenViewer() == FViewer;
}

std::shared_ptr<IAccessibleObject> TBarItemViewerAccObject::Parent()
{
    return FViewer ? ViewObject(FViewer->View()) : nullptr;
}

int TBarItemViewerAccObject::ChildCount()
{
    return FViewer && SubmenuOpen() ? 1 : 0;
}

std::shared_ptr<IAccessibleObject> TBarItemViewerAccObject::Child(int index)
{
    if (!FViewer)
        return nullptr;
    if (index == CHILDID_SELF)
        return shared_from_this();
    return index == 1 ? ViewObject(FViewer->View()->OpenViewerView()) : nullptr;
}

std::string TBarItemViewerAccObject::Name()
{
    if (!FViewer)
        return {};
    std::string name = RemoveAccelAmpersands(FViewer->GetDisplayCaption());
    if (!FViewer->IsToolbarStyle())
        if (const std::string shortcut = FViewer->Item()->GetShortCutText(); !shortcut.empty())
            name += "\t" + shortcut;
    return name;
}

std::string TBarItemViewerAccObject::Value()
{
    std::string value;
    if (FViewer && !FViewer->GetAccessibleValue(value))
        value.clear();
    return value;
}

int TBarItemViewerAccObject::Role()
{
    return FViewer ? FViewer->GetAccessibleRole() : 0;
}

uint32_t TBarItemViewerAccObject::State()
{
    if (!FViewer)
        return 0;
    TBarView* view = FViewer->View();
    uint32_t state = 0;
    if (view->Selected() == FViewer) {
        state |= STATE_SYSTEM_HOTTRACKED;
        if (view->State().Contains(vsModal))
            state |= STATE_SYSTEM_FOCUSED;
        if (view->MouseOverSelected() && view->Capture())
            state |= STATE_SYSTEM_PRESSED;
    }
    if (FViewer->Item()->ItemStyle().Contains(tbisSubmenu))
        state |= STATE_SYSTEM_HASPOPUP;
    if (!FViewer->Show() && !FViewer->Clipped())
        state |= STATE_SYSTEM_INVISIBLE;
    else if (IsWindowAvailable())
        state |= STATE_SYSTEM_FOCUSABLE;
    if (!IsItemAvailable())
        state |= STATE_SYSTEM_UNAVAILABLE;
    if (FViewer->Item()->Checked())
        state |= STATE_SYSTEM_CHECKED;
    return state;
}

std::string TBarItemViewerAccObject::KeyboardShortcut()
{
    if (!FViewer || !FViewer->CaptionShown())
        return {};
    const char32_t accel = GetAccelChar(FViewer->GetDisplayCaption());
    if (accel == U'\0')
        return {};
    const std::string key = CodePointToUtf8(CharToLower(accel));
    return FViewer->View()->IsPopup() ? key : GetAltKeyName() + "+" + key;
}

std::string TBarItemViewerAccObject::DefaultAction()
{
    if (!CanExecute())
        return {};
    if (SubmenuOpen())
        return "Close";
    if (FViewer->Item()->ItemStyle().Contains(tbisSubmenu))
        return "Open";
    TBarView* view = FViewer->View();
    return view->IsPopup() || view->Style().Contains(vsMenuBar) ? "Execute" : "Press";
}

bool TBarItemViewerAccObject::DoDefaultAction()
{
    if (!CanExecute())
        return false;
    TBarView* view = FViewer->View();
    if (SubmenuOpen()) {
        view->CancelChildPopups();
        if (view->State().Contains(vsModal) && !view->IsPopup()) {
            view->EndModal();
            // A client's call comes while the menu loop waits for input: a message wakes it to see the end.
            PostMessage(Window(), WM_NULL, 0, 0);
        }
        return true;
    }
    view->SetSelected(FViewer);
    view->ScrollSelectedIntoView();
    FViewer->PostAccessibleSelect(true);
    return true;
}

bool TBarItemViewerAccObject::Select()
{
    if (!FViewer || !IsWindowAvailable() || (!FViewer->Show() && !FViewer->Clipped()))
        return false;
    TBarView* view = FViewer->View();
    view->SetSelected(FViewer);
    view->ScrollSelectedIntoView();
    if (!view->State().Contains(vsModal) && !view->ParentView())
        FViewer->PostAccessibleSelect(false);
    return true;
}

TRect TBarItemViewerAccObject::Location()
{
    if (!FViewer || !FViewer->View()->Window())
        return {};
    TRect r = FViewer->BoundsRect();
    const TPoint origin = FViewer->View()->Window()->ClientOrigin();
    OffsetRect(r, origin.X, origin.Y);
    return r;
}

std::shared_ptr<IAccessibleObject> TBarItemViewerAccObject::HitTest(TPoint screenPos)
{
    return FViewer && PtInRect(Location(), screenPos) ? shared_from_this() : nullptr;
}

std::shared_ptr<IAccessibleObject> TBarItemViewerAccObject::FocusedChild()
{
    if (FViewer && FViewer->View()->State().Contains(vsModal) && FViewer->View()->Selected() == FViewer)
        return shared_from_this();
    return nullptr;
}

std::shared_ptr<IAccessibleObject> TBarItemViewerAccObject::Navigate(int direction)
{
    if (!FViewer)
        return nullptr;
    TBarView* view = FViewer->View();
    if (direction == NAVDIR_FIRSTCHILD || direction == NAVDIR_LASTCHILD)
        return ViewObject(view->OpenViewerView());
    const std::vector<TBarItemViewer*> viewers = AccessibleViewers(*view);
    const auto it = std::find(viewers.begin(), viewers.end(), FViewer);
    if (it == viewers.end())
        return nullptr;
    const bool back = direction == NAVDIR_UP || direction == NAVDIR_LEFT || direction == NAVDIR_PREVIOUS;
    const bool forward = direction == NAVDIR_DOWN || direction == NAVDIR_RIGHT || direction == NAVDIR_NEXT;
    if (back && it != viewers.begin())
        return (*(it - 1))->GetAccObject();
    if (forward && it + 1 != viewers.end())
        return (*(it + 1))->GetAccObject();
    return nullptr;
}

void TBarItemViewerAccObject::HandleAccSelect(bool execute)
{
    if (!FViewer)
        return;
    if (!((execute && CanExecute()) || (!execute && IsWindowAvailable())))
        return;
    TBarView* view = FViewer->View();
    view->SetSelected(FViewer);
    view->ScrollSelectedIntoView();
    if (view->State().Contains(vsModal)) {
        if (execute)
            view->ExecuteSelected(false);
        return;
    }
    if (!view->ParentView() && !GetCapture())
        view->EnterToolbarLoop(execute ? TBarEnterToolbarLoopOptions{tbetExecuteSelected, tbetFromMSAA}
                                       : TBarEnterToolbarLoopOptions{tbetFromMSAA});
}
