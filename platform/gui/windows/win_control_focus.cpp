#include "platform/gui/windows/win_control.h"

#include "platform/gui/core/exceptions.h"
#include "platform/gui/qt/window_data.h"
#include "platform/gui/windows/message_views.h"
#include "platform/gui/windows/parent_form.h"
#include "platform/gui/windows/window_functions.h"

#include <algorithm>

// --- focus -------------------------------------------------------------------------------------------------

bool TWinControl::Focused() const
{
    return HandleAllocated() && GetFocus() == window_->handle;
}

bool TWinControl::CanFocus() const
{
    IParentForm* parentForm = FindParentForm(this);
    const TWinControl* form = parentForm ? &parentForm->FormControl() : nullptr;
    for (const TControl* c = this; c && c != form; c = c->Parent())
        if (!c->Visible() || !c->Enabled())
            return false;
    if (form && (!form->Visible() || !form->Enabled()))
        return false;
    return true;
}

void TWinControl::SetFocus()
{
    if (IParentForm* form = FindParentForm(this); form && &form->FormControl() != this) {
        form->FocusControl(this);
        return;
    }
    if (!CanFocus())
        throw EInvalidOperation("Cannot focus a disabled or invisible window");
    ::SetFocus(Handle());
}

void TWinControl::SetTabStop(bool value)
{
    if (value == tabStop_)
        return;
    tabStop_ = value;
    if (HandleAllocated())
        window_->style = value ? (window_->style | WS_TABSTOP) : (window_->style & ~WS_TABSTOP);
    Perform(CM_TABSTOPCHANGED, 0, 0);
}

int TWinControl::TabOrder() const
{
    if (!parent_)
        return -1;
    const auto& list = parent_->tabList_;
    return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

void TWinControl::SetTabOrder(int value)
{
    if (!parent_)
        return;
    auto& list = parent_->tabList_;
    list.erase(std::find(list.begin(), list.end(), this));
    value = std::clamp(value, 0, static_cast<int>(list.size()));
    list.insert(list.begin() + value, this);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const
{
    for (TWinControl* child : tabList_) {
        list.push_back(child);
        child->GetTabOrderList(list);
    }
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool goForward, bool checkTabStop,
                                          bool checkParent) const
{
    std::vector<TWinControl*> list;
    GetTabOrderList(list);
    if (list.empty())
        return nullptr;
    const int count = static_cast<int>(list.size());
    int start = static_cast<int>(std::find(list.begin(), list.end(), current) - list.begin());
    if (start == count)
        start = goForward ? count - 1 : 0;
    int i = start;
    do {
        i = goForward ? (i + 1) % count : (i + count - 1) % count;
        TWinControl* c = list[static_cast<size_t>(i)];
        if (c->CanFocus() && (!checkTabStop || c->TabStop()) && (!checkParent || c->Parent() == this))
            return c;
    } while (i != start);
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool goForward, bool checkTabStop)
{
    if (TWinControl* next = FindNextControl(current, goForward, checkTabStop, !checkTabStop))
        next->SetFocus();
}

void TWinControl::WMSetFocus(TMessage& message)
{
    DefaultHandler(message);
    if (controlState_.Contains(csFocusing))
        return;
    if (IParentForm* form = FindParentForm(this))
        form->SetFocusedControl(this);
}

void TWinControl::WMKillFocus(TMessage& message)
{
    DefaultHandler(message);
}

void TWinControl::DoEnter()
{
    if (OnEnter)
        OnEnter(this);
}

void TWinControl::DoExit()
{
    if (OnExit)
        OnExit(this);
}

// --- keyboard ----------------------------------------------------------------------------------------------

void TWinControl::KeyDown(uint16_t& key, TShiftState shift)
{
    if (OnKeyDown)
        OnKeyDown(this, key, shift);
}

void TWinControl::KeyUp(uint16_t& key, TShiftState shift)
{
    if (OnKeyUp)
        OnKeyUp(this, key, shift);
}

void TWinControl::KeyPress(char32_t& key)
{
    if (OnKeyPress)
        OnKeyPress(this, key);
}

// The window's own key messages go to KeyDown, KeyPress and KeyUp (the form's preview first); the reflected
// ones (CN_*) let the form take a key first as a shortcut or a dialog key. False for other messages.
bool TWinControl::KeyMessage(TMessage& message)
{
    switch (message.Msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        if (!DoKeyDown(message))
            DefaultHandler(message);
        return true;
    case WM_CHAR:
        if (!DoKeyPress(message))
            DefaultHandler(message);
        return true;
    case WM_KEYUP:
    case WM_SYSKEYUP:
        if (!DoKeyUp(message))
            DefaultHandler(message);
        return true;
    case CN_KEYDOWN:
    case CN_SYSKEYDOWN:
        CNKeyDown(message);
        return true;
    case CN_CHAR:
        CNChar(message);
        return true;
    case CN_SYSCHAR:
        CNSysChar(message);
        return true;
    case CM_CHILDKEY:
        if (parent_)
            message.Result = parent_->Perform(CM_CHILDKEY, message.WParam, message.LParam);
        return true;
    case CM_DIALOGKEY:
    case CM_DIALOGCHAR:
        DialogKey(message);
        return true;
    default:
        return false;
    }
}

// The form's preview first (KeyPreview), then the control's handler; true when the key was swallowed.
bool TWinControl::DoKey(TMessage& message, void (TWinControl::*handler)(uint16_t&, TShiftState),
                        bool (TWinControl::*preview)(TMessage&))
{
    IParentForm* form = FindParentForm(this);
    if (form && &form->FormControl() != this && form->KeyPreview() && (form->FormControl().*preview)(message))
        return true;
    TKeyView view(message);
    uint16_t key = view.Key();
    if (!controlStyle_.Contains(csNoStdEvents)) {
        (this->*handler)(key, view.Shift());
        view.SetKey(key);
    }
    return key == 0;
}

bool TWinControl::DoKeyDown(TMessage& message)
{
    return DoKey(message, &TWinControl::KeyDown, &TWinControl::DoKeyDown);
}

bool TWinControl::DoKeyUp(TMessage& message)
{
    return DoKey(message, &TWinControl::KeyUp, &TWinControl::DoKeyUp);
}

bool TWinControl::DoKeyPress(TMessage& message)
{
    IParentForm* form = FindParentForm(this);
    if (form && &form->FormControl() != this && form->KeyPreview() && form->FormControl().DoKeyPress(message))
        return true;
    TCharView view(message);
    char32_t key = view.Char();
    if (!controlStyle_.Contains(csNoStdEvents)) {
        KeyPress(key);
        view.SetChar(key);
    }
    return key == 0;
}

void TWinControl::CNKeyDown(TMessage& message)
{
    message.Result = 1;
    const uint16_t key = TKeyView(message).Key();
    IParentForm* form = FindParentForm(this);
    if (form && form->IsShortCut(message))
        return;
    if (AppKeyDownHook(message))
        return;
    if (Perform(CM_CHILDKEY, key, reinterpret_cast<LPARAM>(this)) != 0)
        return;
    unsigned mask = 0;
    switch (key) {
    case VK_TAB:
        mask = DLGC_WANTTAB;
        break;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
        mask = DLGC_WANTARROWS;
        break;
    case VK_RETURN:
    case VK_EXECUTE:
    case VK_ESCAPE:
    case VK_CANCEL:
        mask = DLGC_WANTALLKEYS;
        break;
    }
    if (mask != 0 && Perform(CM_WANTSPECIALKEY, key, message.LParam) == 0 &&
        (Perform(WM_GETDLGCODE, 0, 0) & mask) == 0 && form &&
        form->FormControl().Perform(CM_DIALOGKEY, key, message.LParam) != 0)
        return;
    message.Result = 0;
}

void TWinControl::CNChar(TMessage& message)
{
    message.Result = 1;
    IParentForm* form = FindParentForm(this);
    if ((Perform(WM_GETDLGCODE, 0, 0) & DLGC_WANTCHARS) == 0 && form &&
        form->FormControl().Perform(CM_DIALOGCHAR, message.WParam, message.LParam) != 0)
        return;
    message.Result = 0;
}

void TWinControl::CNSysChar(TMessage& message)
{
    message.Result = 0;
    if (TCharView(message).Char() == U' ')
        return;
    if (IParentForm* form = FindParentForm(this))
        message.Result = form->FormControl().Perform(CM_DIALOGCHAR, message.WParam, message.LParam);
}
