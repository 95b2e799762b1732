#include "platform/gui/win_control.h"

#include "platform/gui/canvas_impl.h"
#include "platform/gui/exceptions.h"
#include "platform/gui/forms.h"
#include "platform/gui/gdi.h"
#include "platform/gui/window_data.h"
#include "platform/gui/window_functions.h"
#include "platform/gui/window_widget.h"

#include <algorithm>

namespace {

bool IsMouseMessage(uint32_t msg)
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
    if (TCustomForm* form = GetParentForm(this); form && form != this)
        form->DefocusControl(this, true);
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
        if (auto* win = dynamic_cast<TWinControl*>(child))
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
    w.style = params.Style;
    w.exStyle = params.ExStyle;
    w.classStyle = params.WindowClass.style;
    w.bars[SB_HORZ].visible = (params.Style & WS_HSCROLL) != 0;
    w.bars[SB_VERT].visible = (params.Style & WS_VSCROLL) != 0;
    TWinControl* parentWindow = FromHandle(params.WndParent);
    const bool child = (params.Style & WS_CHILD) && parentWindow;
    w.widget =
        new TWindowWidget(this, child ? parentWindow->window_->client.data() : nullptr, params, parentWindow);
    w.client = w.widget->Client();
    w.handle = RegisterWindow(this);
    Perform(WM_CREATE, 0, 0);
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
        if (auto* win = dynamic_cast<TWinControl*>(child))
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
                        [](TControl* c) { return dynamic_cast<TWinControl*>(c) != nullptr; });
}

int TWinControl::WinControlCount() const
{
    return static_cast<int>(std::count_if(controls_.begin(), controls_.end(),
                                          [](TControl* c) { return dynamic_cast<TWinControl*>(c); }));
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
    if (auto* windowed = dynamic_cast<TWinControl*>(control); windowed && windowed->ContainsControl(this))
        throw EInvalidOperation("A control cannot be a child of its own child");
    control->parent_ = this;
    auto* win = dynamic_cast<TWinControl*>(control);
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
    auto* win = dynamic_cast<TWinControl*>(control);
    if (win) {
        if (TCustomForm* form = GetParentForm(this))
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
        const bool windowed = dynamic_cast<TWinControl*>(c) != nullptr;
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

// --- layout ------------------------------------------------------------------------------------------------

void TWinControl::DisableAlign()
{
    ++alignLevel_;
}

void TWinControl::EnableAlign()
{
    if (alignLevel_ > 0 && --alignLevel_ == 0 && alignPending_)
        Realign();
}

void TWinControl::Realign()
{
    if (alignLevel_ > 0 || ComponentState().Contains(csLoading) || ComponentState().Contains(csDestroying)) {
        alignPending_ = true;
        return;
    }
    AlignChildren();
}

void TWinControl::Loaded()
{
    TControl::Loaded();
    for (TControl* child : controls_)
        child->UpdateAnchorRules();
    Realign();
}

void TWinControl::AlignChildren()
{
    if (controlState_.Contains(csAligning))
        return;
    alignPending_ = false;
    controlState_.Include(csAligning);
    try {
        TRect rect = ClientRect();
        AdjustClientRect(rect);
        AlignControls(nullptr, rect);
    } catch (...) {
        controlState_.Exclude(csAligning);
        throw;
    }
    controlState_.Exclude(csAligning);
    if (AutoSize())
        AdjustSize();
}

void TWinControl::AdjustClientRect(TRect& rect) const
{
    rect.Left += padding_->Left();
    rect.Top += padding_->Top();
    rect.Right -= padding_->Right();
    rect.Bottom -= padding_->Bottom();
}

bool TWinControl::CanAutoSize(int& newWidth, int& newHeight)
{
    int right = 0;
    int bottom = 0;
    bool any = false;
    for (TControl* c : controls_) {
        if (!c->Visible() || c->Align() == alClient)
            continue;
        const bool margins = c->AlignWithMargins();
        right = std::max(right, c->Left() + c->Width() + (margins ? c->Margins()->Right() : 0));
        bottom = std::max(bottom, c->Top() + c->Height() + (margins ? c->Margins()->Bottom() : 0));
        any = true;
    }
    if (!any)
        return false;
    const TRect client = ClientRect();
    newWidth = right + padding_->Right() + Width() - client.Width();
    newHeight = bottom + padding_->Bottom() + Height() - client.Height();
    return true;
}

void TWinControl::CustomAlignPosition(TControl*, int&, int&, int&, int&, TRect&) {}

void TWinControl::AlignControls(TControl*, TRect& rect)
{
    for (TAlign align : {alTop, alBottom, alLeft, alRight, alClient, alCustom})
        DoAlign(align, rect);
    const std::vector<TControl*> children = controls_;
    for (TControl* child : children)
        if (child->Align() == alNone && child->Visible())
            ApplyAnchors(child);
}

void TWinControl::DoAlign(TAlign align, TRect& rect)
{
    std::vector<TControl*> list;
    for (TControl* c : controls_)
        if (c->Align() == align && c->Visible())
            list.push_back(c);
    // Controls of one edge keep the order of their positions: the topmost alTop control goes first, the
    // lowest alBottom one first, and so on.
    auto key = [align](const TControl* c) {
        switch (align) {
        case alTop:
            return c->Top();
        case alBottom:
            return -(c->Top() + c->Height());
        case alLeft:
            return c->Left();
        case alRight:
            return -(c->Left() + c->Width());
        default:
            return 0;
        }
    };
    std::stable_sort(list.begin(), list.end(),
                     [&key](const TControl* a, const TControl* b) { return key(a) < key(b); });
    for (TControl* c : list) {
        // A control aligned with margins takes the room of its margins too and is placed inside them.
        const TPadding none;
        const TMargins& m = c->AlignWithMargins() ? *c->Margins() : static_cast<const TMargins&>(none);
        TRect room{rect.Left + m.Left(), rect.Top + m.Top(), rect.Right - m.Right(),
                   rect.Bottom - m.Bottom()};
        int width = c->Width();
        int height = c->Height();
        switch (align) {
        case alTop:
            c->SetBounds(room.Left, room.Top, room.Width(), height);
            rect.Top += c->Height() + m.Top() + m.Bottom();
            break;
        case alBottom:
            width = room.Width();
            c->Constraints()->Apply(width, height);
            c->SetBounds(room.Left, room.Bottom - height, room.Width(), height);
            rect.Bottom -= c->Height() + m.Top() + m.Bottom();
            break;
        case alLeft:
            c->SetBounds(room.Left, room.Top, width, room.Height());
            rect.Left += c->Width() + m.Left() + m.Right();
            break;
        case alRight:
            height = room.Height();
            c->Constraints()->Apply(width, height);
            c->SetBounds(room.Right - width, room.Top, width, room.Height());
            rect.Right -= c->Width() + m.Left() + m.Right();
            break;
        case alClient:
            c->SetBounds(room.Left, room.Top, std::max(room.Width(), 0), std::max(room.Height(), 0));
            break;
        case alCustom: {
            int left = c->Left();
            int top = c->Top();
            CustomAlignPosition(c, left, top, width, height, rect);
            c->SetBounds(left, top, width, height);
            break;
        }
        default:
            break;
        }
    }
}

void TWinControl::ApplyAnchors(TControl* c)
{
    if (!c->anchorRulesSet_)
        return;
    TRect client = ClientRect();
    AdjustClientRect(client);
    const TAnchors anchors = c->Anchors();
    const TRect& b = c->anchorBounds_;
    TSize& original = c->anchorParentSize_;
    // A parent without a size when the rules were taken gives its first real size as the reference.
    if (original.cx <= 0)
        original.cx = client.Width();
    if (original.cy <= 0)
        original.cy = client.Height();
    auto place = [](bool nearSide, bool farSide, int start, int size, int original, int now, int& outStart,
                    int& outSize) {
        outStart = start;
        outSize = size;
        if (nearSide && farSide)
            outSize = size + now - original;
        else if (farSide)
            outStart = start + now - original;
        else if (!nearSide && original > 0)
            outStart = MulDiv(start + size / 2, now, original) - size / 2;
    };
    int left, width, top, height;
    place(anchors.Contains(akLeft), anchors.Contains(akRight), b.Left, b.Width(), original.cx, client.Width(),
          left, width);
    place(anchors.Contains(akTop), anchors.Contains(akBottom), b.Top, b.Height(), original.cy,
          client.Height(), top, height);
    c->SetBounds(left, top, width, height);
}

void TWinControl::SetBorderWidth(int value)
{
    if (value == borderWidth_)
        return;
    borderWidth_ = value;
    if (HandleAllocated())
        RecalcFrame(window_->handle);
    else
        CalcClientRect();
}

void TWinControl::CalcClientRect()
{
    if (!HandleAllocated()) {
        TCreateParams params;
        CreateParams(params);
        window_->style = params.Style;
        window_->exStyle = params.ExStyle;
        window_->classStyle = params.WindowClass.style;
    }
    TNCCalcSizeParams params;
    params.rgrc[0] = BoundsRect();
    Perform(WM_NCCALCSIZE, 0, reinterpret_cast<LPARAM>(&params));
    TRect client = params.rgrc[0];
    client.Right = std::max(client.Right, client.Left);
    client.Bottom = std::max(client.Bottom, client.Top);
    window_->clientInWindow =
        Rect(client.Left - left_, client.Top - top_, client.Right - left_, client.Bottom - top_);
}

TRect TWinControl::ClientRect() const
{
    const TRect& c = window_->clientInWindow;
    return Rect(0, 0, c.Width(), c.Height());
}

TPoint TWinControl::ClientOrigin() const
{
    if (window_->client && window_->widget && window_->widget->isWindow()) {
        const QPoint p = window_->client->mapToGlobal(QPoint(0, 0));
        return {p.x(), p.y()};
    }
    const TPoint origin = parent_ ? parent_->ClientOrigin() : TPoint{};
    return {origin.X + left_ + window_->clientInWindow.Left, origin.Y + top_ + window_->clientInWindow.Top};
}

void TWinControl::ReflectBoundsToWindow()
{
    TWindowData& w = *window_;
    if (!w.widget)
        return;
    ++w.settingGeometry;
    w.widget->PlaceWindow(BoundsRect(), w.clientInWindow);
    --w.settingGeometry;
}

void TWinControl::SetBounds(int left, int top, int width, int height)
{
    AdjustRequestedSize(width, height);
    const bool moved = left != left_ || top != top_;
    const bool sized = width != width_ || height != height_;
    if (!moved && !sized)
        return;
    if (!HandleAllocated()) {
        StoreBounds(left, top, width, height);
        CalcClientRect();
        UpdateAnchorRules();
        RequestAlign();
        if (sized)
            Realign();
        return;
    }
    TWindowPos pos{window_->handle, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE};
    if (!moved)
        pos.flags |= SWP_NOMOVE;
    if (!sized)
        pos.flags |= SWP_NOSIZE;
    DeliverSentMessage(this, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&pos));
    if (!HandleAllocated())
        return;
    StoreBounds(pos.x, pos.y, std::max(pos.cx, 0), std::max(pos.cy, 0));
    CalcClientRect();
    ReflectBoundsToWindow();
    UpdateAnchorRules();
    DeliverSentMessage(this, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
    RequestAlign();
}

void TWinControl::WindowPosChanged(TMessage& message)
{
    const auto* pos = reinterpret_cast<const TWindowPos*>(message.LParam);
    const unsigned flags = pos ? pos->flags : 0;
    if (!(flags & SWP_NOMOVE))
        DeliverSentMessage(
            this, WM_MOVE, 0,
            MAKELPARAM(left_ + window_->clientInWindow.Left, top_ + window_->clientInWindow.Top));
    if (!(flags & SWP_NOSIZE)) {
        const TRect client = ClientRect();
        DeliverSentMessage(this, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.Width(), client.Height()));
    }
}

void TWinControl::ScrollBy(int dx, int dy)
{
    DisableAlign();
    const std::vector<TControl*> children = controls_;
    for (TControl* child : children)
        child->SetBounds(child->Left() + dx, child->Top() + dy, child->Width(), child->Height());
    EnableAlign();
    Invalidate();
}

bool TWinControl::ManagesShowing() const
{
    return parent_ || dynamic_cast<const TCustomForm*>(this);
}

bool TWinControl::Showing() const
{
    if (!ManagesShowing())
        return window_->widget && window_->widget->isVisible();
    return showing_ && (!parent_ || parent_->Showing());
}

void TWinControl::UpdateShowing()
{
    if (!ManagesShowing() || (parent_ && !parent_->HandleAllocated()))
        return;
    const bool show = visible_;
    if (show && !HandleAllocated())
        HandleNeeded();
    if (!HandleAllocated() || show == showing_)
        return;
    showing_ = show;
    try {
        Perform(CM_SHOWINGCHANGED, 0, 0);
    } catch (...) {
        showing_ = !show;
        throw;
    }
}

// --- focus -------------------------------------------------------------------------------------------------

bool TWinControl::Focused() const
{
    return HandleAllocated() && GetFocus() == window_->handle;
}

bool TWinControl::CanFocus() const
{
    const TCustomForm* form = GetParentForm(this);
    for (const TControl* c = this; c && c != form; c = c->Parent())
        if (!c->Visible() || !c->Enabled())
            return false;
    if (form && (!form->Visible() || !form->Enabled()))
        return false;
    return true;
}

void TWinControl::SetFocus()
{
    if (TCustomForm* form = GetParentForm(this); form && form != this) {
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
    if (TCustomForm* form = GetParentForm(this))
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

// The form's preview first (KeyPreview), then the control's handler; true when the key was swallowed.
bool TWinControl::DoKey(TMessage& message, void (TWinControl::*handler)(uint16_t&, TShiftState),
                        bool (TWinControl::*preview)(TMessage&))
{
    TCustomForm* form = GetParentForm(this);
    if (form && form != this && form->KeyPreview() && (static_cast<TWinControl*>(form)->*preview)(message))
        return true;
    uint16_t key = static_cast<uint16_t>(message.WParam);
    if (!controlStyle_.Contains(csNoStdEvents)) {
        (this->*handler)(key, KeyDataToShiftState(message.LParam));
        message.WParam = key;
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
    TCustomForm* form = GetParentForm(this);
    if (form && form != this && form->KeyPreview() && static_cast<TWinControl*>(form)->DoKeyPress(message))
        return true;
    char32_t key = static_cast<char32_t>(message.WParam);
    if (!controlStyle_.Contains(csNoStdEvents)) {
        KeyPress(key);
        message.WParam = key;
    }
    return key == 0;
}

void TWinControl::CNKeyDown(TMessage& message)
{
    message.Result = 1;
    const uint16_t key = static_cast<uint16_t>(message.WParam);
    TCustomForm* form = GetParentForm(this);
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
        form->Perform(CM_DIALOGKEY, key, message.LParam) != 0)
        return;
    message.Result = 0;
}

void TWinControl::CNChar(TMessage& message)
{
    message.Result = 1;
    TCustomForm* form = GetParentForm(this);
    if ((Perform(WM_GETDLGCODE, 0, 0) & DLGC_WANTCHARS) == 0 && form &&
        form->Perform(CM_DIALOGCHAR, message.WParam, message.LParam) != 0)
        return;
    message.Result = 0;
}

void TWinControl::CNSysChar(TMessage& message)
{
    message.Result = 0;
    if (message.WParam == VK_SPACE)
        return;
    if (TCustomForm* form = GetParentForm(this))
        message.Result = form->Perform(CM_DIALOGCHAR, message.WParam, message.LParam);
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
    HDC dc = reinterpret_cast<HDC>(message.WParam);
    if (!dc) {
        Update();
        return;
    }
    const int saved = SaveDC(*dc);
    for (TControl* c : controls_)
        if (!dynamic_cast<TWinControl*>(c) && c->Visible() && c->ControlStyle().Contains(csOpaque))
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
        if (dynamic_cast<TWinControl*>(c) || !c->Visible())
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
    const TPoint p = PointFromLParam(message.LParam);
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
    if (IsMouseMessage(message.Msg) && IsControlMouseMsg(message)) {
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
        if (!ParentBackground() && message.WParam) {
            HDC dc = reinterpret_cast<HDC>(message.WParam);
            dc->Brush()->SetColor(color_);
            dc->Brush()->SetStyle(bsSolid);
            dc->FillRect(ClientRect());
        }
        message.Result = 1;
        return;
    case WM_SETFOCUS:
        WMSetFocus(message);
        return;
    case WM_KILLFOCUS:
        WMKillFocus(message);
        return;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        if (!DoKeyDown(message))
            DefaultHandler(message);
        return;
    case WM_CHAR:
        if (!DoKeyPress(message))
            DefaultHandler(message);
        return;
    case WM_KEYUP:
    case WM_SYSKEYUP:
        if (!DoKeyUp(message))
            DefaultHandler(message);
        return;
    case CN_KEYDOWN:
    case CN_SYSKEYDOWN:
        CNKeyDown(message);
        return;
    case CN_CHAR:
        CNChar(message);
        return;
    case CN_SYSCHAR:
        CNSysChar(message);
        return;
    case CM_CHILDKEY:
        if (parent_)
            message.Result = parent_->Perform(CM_CHILDKEY, message.WParam, message.LParam);
        return;
    case CM_DIALOGKEY:
    case CM_DIALOGCHAR:
        DialogKey(message);
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
    case CM_ENABLEDCHANGED:
        if (!enabled_)
            if (TCustomForm* form = GetParentForm(this); form && form != this)
                form->DefocusControl(this, false);
        if (window_->widget)
            window_->widget->setEnabled(enabled_);
        Invalidate();
        return;
    case CM_VISIBLECHANGED:
        UpdateShowing();
        if (!visible_)
            if (TCustomForm* form = GetParentForm(this); form && form != this)
                form->DefocusControl(this, false);
        return;
    case CM_COLORCHANGED:
        Invalidate();
        NotifyControls(CM_PARENTCOLORCHANGED);
        return;
    case CM_FONTCHANGED:
        Invalidate();
        NotifyControls(CM_PARENTFONTCHANGED);
        return;
    case CM_SHOWHINTCHANGED:
        NotifyControls(CM_PARENTSHOWHINTCHANGED);
        return;
    case CM_BIDIMODECHANGED:
        Invalidate();
        NotifyControls(CM_PARENTBIDIMODECHANGED);
        return;
    case CM_SHOWINGCHANGED:
        SetWindowPos(window_->handle, nullptr, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE |
                         (showing_ ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
        return;
    case WM_CONTEXTMENU:
        ContextMenuAt(message);
        return;
    case CM_PARENTCTL3DCHANGED:
        if (parent_)
            FollowParentLook(parentCtl3D_, parent_->Ctl3D(), &TWinControl::SetCtl3D);
        return;
    case CM_CTL3DCHANGED:
        if (HandleAllocated()) {
            SwapBorderForCtl3D();
            RedrawWindow(window_->handle, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
        }
        NotifyControls(CM_PARENTCTL3DCHANGED);
        return;
    case CM_PARENTDOUBLEBUFFEREDCHANGED:
        if (parent_)
            FollowParentLook(parentDoubleBuffered_, parent_->DoubleBuffered(),
                             &TWinControl::SetDoubleBuffered);
        return;
    case CM_DOUBLEBUFFEREDCHANGED:
        NotifyControls(CM_PARENTDOUBLEBUFFEREDCHANGED);
        return;
    case CM_CURSORCHANGED:
        if (HandleAllocated() && GetCapture() == nullptr && window_->widget->IsUnderPointer())
            DeliverSentMessage(this, WM_SETCURSOR, reinterpret_cast<WPARAM>(window_->handle),
                               MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return;
    case WM_SETCURSOR:
        if (reinterpret_cast<HWND>(message.WParam) == window_->handle &&
            static_cast<int16_t>(LOWORD(message.LParam)) == HTCLIENT) {
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
        return;
    default:
        TControl::Dispatch(message);
    }
}

void TWinControl::DefaultHandler(TMessage& message)
{
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
    case WM_SETCURSOR: {
        if (parent_ && parent_->HandleAllocated() &&
            DeliverSentMessage(parent_, WM_SETCURSOR, message.WParam, message.LParam) != 0) {
            message.Result = 1;
            return;
        }
        const int hit = static_cast<int16_t>(LOWORD(message.LParam));
        TCursor cursor = crArrow;
        if (hit == HTLEFT || hit == HTRIGHT)
            cursor = crSizeWE;
        else if (hit == HTTOP || hit == HTBOTTOM)
            cursor = crSizeNS;
        else if (hit == HTTOPLEFT || hit == HTBOTTOMRIGHT)
            cursor = crSizeNWSE;
        else if (hit == HTTOPRIGHT || hit == HTBOTTOMLEFT)
            cursor = crSizeNESW;
        if (reinterpret_cast<HWND>(message.WParam) == window_->handle)
            ::SetCursor(CursorShape(cursor));
        message.Result = 0;
        return;
    }
    case WM_CONTEXTMENU:
        if (parent_ && parent_->HandleAllocated())
            message.Result = DeliverSentMessage(parent_, WM_CONTEXTMENU, message.WParam, message.LParam);
        return;
    // The right button's release and the menu keys ask for the context menu.
    case WM_RBUTTONUP: {
        const TPoint screen = ClientToScreen(PointFromLParam(message.LParam));
        SendMessage(window_->handle, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(window_->handle),
                    MAKELPARAM(screen.X, screen.Y));
        return;
    }
    case WM_KEYUP:
    case WM_SYSKEYDOWN:
    case WM_KEYDOWN: {
        const auto key = static_cast<uint16_t>(message.WParam);
        const bool menuKey = message.Msg == WM_KEYUP
                                 ? key == VK_APPS
                                 : key == VK_F10 && GetKeyState(VK_SHIFT) < 0 && GetKeyState(VK_CONTROL) >= 0;
        if (menuKey)
            SendMessage(window_->handle, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(window_->handle),
                        MAKELPARAM(-1, -1));
        return;
    }
    case WM_MOUSEACTIVATE:
        message.Result = MA_ACTIVATE;
        return;
    case WM_SETTEXT:
        TControl::DefaultHandler(message);
        if (window_->widget && window_->widget->isWindow())
            window_->widget->setWindowTitle(QString::fromStdString(text_));
        return;
    default:
        TControl::DefaultHandler(message);
    }
}

// A windowless child under the point gets the context menu first.
void TWinControl::ContextMenuAt(TMessage& message)
{
    if (message.Result != 0)
        return;
    const TPoint pos = PointFromLParam(message.LParam);
    if (pos.X != -1 || pos.Y != -1) {
        TControl* child = ControlAtPos(ScreenToClient(pos), false);
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
        auto* params = reinterpret_cast<TNCCalcSizeParams*>(message.LParam);
        params->rgrc[0] = DefaultClientRect(w, params->rgrc[0], borderWidth_);
        return;
    }
    case WM_NCPAINT:
        if (message.WParam > 1)
            PaintDefaultFrame(*this, *reinterpret_cast<TCanvas*>(message.WParam));
        else if (w.frameCanvas)
            PaintDefaultFrame(*this, *w.frameCanvas);
        return;
    case WM_NCHITTEST: {
        TRect windowRect;
        GetWindowRect(w.handle, windowRect);
        const TPoint p = PointFromLParam(message.LParam);
        message.Result = DefaultHitTest(*this, {p.X - windowRect.Left, p.Y - windowRect.Top});
        return;
    }
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
        if (message.WParam == static_cast<WPARAM>(HTHSCROLL) ||
            message.WParam == static_cast<WPARAM>(HTVSCROLL)) {
            TRect windowRect;
            GetWindowRect(w.handle, windowRect);
            const TPoint p = PointFromLParam(message.LParam);
            ScrollBarPress(*this, message.WParam == static_cast<WPARAM>(HTHSCROLL) ? SB_HORZ : SB_VERT,
                           {p.X - windowRect.Left, p.Y - windowRect.Top});
        }
        return;
    case WM_PRINT: {
        HDC dc = reinterpret_cast<HDC>(message.WParam);
        if (!dc)
            return;
        const unsigned flags = static_cast<unsigned>(message.LParam);
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
                auto* child = dynamic_cast<TWinControl*>(c);
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

// --- windowless and self-painting controls
// -------------------------------------------------------------------

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner), canvas_(std::make_unique<TCanvas>()) {}

TGraphicControl::~TGraphicControl() = default;

void TGraphicControl::Dispatch(TMessage& message)
{
    if (message.Msg != WM_PAINT) {
        TControl::Dispatch(message);
        return;
    }
    if (HDC dc = reinterpret_cast<HDC>(message.WParam)) {
        TCanvasBinding binding(*canvas_, dc);
        Paint();
    }
}

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner), canvas_(std::make_unique<TCanvas>())
{}

TCustomControl::~TCustomControl() = default;

void TCustomControl::PaintWindow(HDC dc)
{
    TCanvasBinding binding(*canvas_, dc);
    Paint();
}

TCanvasBinding::TCanvasBinding(TCanvas& canvas, HDC dc) : canvas_(canvas), dc_(dc)
{
    TCanvas::Impl& c = canvas.Internal();
    TCanvas::Impl& d = dc->Internal();
    c.ReleaseImagePainter();
    c.SetImage(nullptr);
    QPainter* painter = d.Painter();
    if (!painter)
        return;
    c.painter = painter;
    c.base = d.base;
    c.baseClip = d.baseClip;
    c.clip = d.clip;
    c.windowOrg = d.windowOrg;
    c.saved.clear();
    c.penDirty = c.brushDirty = c.fontDirty = true;
    c.ApplyClip();
}

TCanvasBinding::~TCanvasBinding()
{
    TCanvas::Impl& c = canvas_.Internal();
    c.painter = nullptr;
    c.clip.reset();
    c.baseClip.reset();
    c.windowOrg = QPoint();
    c.saved.clear();
    dc_->Internal().ApplyClip();
    dc_->Internal().penDirty = dc_->Internal().brushDirty = dc_->Internal().fontDirty = true;
}

void TWinControl::UpdateFrame()
{
    const TRect before = window_->clientInWindow;
    CalcClientRect();
    ReflectBoundsToWindow();
    if (window_->widget)
        window_->widget->update();
    const TRect& after = window_->clientInWindow;
    if (HandleAllocated() && (after.Width() != before.Width() || after.Height() != before.Height()))
        DeliverSentMessage(this, WM_SIZE, SIZE_RESTORED, MAKELPARAM(after.Width(), after.Height()));
}
