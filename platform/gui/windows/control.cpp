#include "platform/gui/windows/control.h"

#include "platform/gui/core/exceptions.h"
#include "platform/gui/graphics/gdi.h"
#include "platform/gui/qt/window_data.h"
#include "platform/gui/qt/window_widget.h"
#include "platform/gui/windows/actions.h"
#include "platform/gui/windows/message_views.h"
#include "platform/gui/windows/parent_form.h"
#include "platform/gui/windows/window_functions.h"

#include <algorithm>
#include <cstdlib>

// --- TSizeConstraints ------------------------------------------------------------------------------------

// Sets one limit; the other limit of the same dimension gives way when they would cross.
void TSizeConstraints::SetLimit(int& limit, int& partner, int value, bool isMinimum)
{
    if (value == limit)
        return;
    limit = value;
    if (isMinimum ? (partner > 0 && partner < value) : (value > 0 && partner > value))
        partner = value;
    Change();
}

void TSizeConstraints::SetMinWidth(int value)
{
    SetLimit(minWidth_, maxWidth_, value, true);
}

void TSizeConstraints::SetMinHeight(int value)
{
    SetLimit(minHeight_, maxHeight_, value, true);
}

void TSizeConstraints::SetMaxWidth(int value)
{
    SetLimit(maxWidth_, minWidth_, value, false);
}

void TSizeConstraints::SetMaxHeight(int value)
{
    SetLimit(maxHeight_, minHeight_, value, false);
}

void TSizeConstraints::Assign(const TPersistent* source)
{
    if (const auto* other = dynamic_cast<const TSizeConstraints*>(source)) {
        minWidth_ = other->minWidth_;
        minHeight_ = other->minHeight_;
        maxWidth_ = other->maxWidth_;
        maxHeight_ = other->maxHeight_;
        Change();
        return;
    }
    TPersistent::Assign(source);
}

void TSizeConstraints::Apply(int& width, int& height) const
{
    if (maxWidth_ > 0 && width > maxWidth_)
        width = maxWidth_;
    if (width < minWidth_)
        width = minWidth_;
    if (maxHeight_ > 0 && height > maxHeight_)
        height = maxHeight_;
    if (height < minHeight_)
        height = minHeight_;
}

void TSizeConstraints::Change()
{
    if (OnChange)
        OnChange(this);
}

// --- TControl --------------------------------------------------------------------------------------------

TControl::TControl(TComponent* owner)
    : TComponent(owner), constraints_(std::make_unique<TSizeConstraints>()),
      margins_(std::make_unique<TMargins>()), font_(std::make_unique<TFont>())
{
    controlStyle_ = {csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
    WindowProc = [this](TMessage& message) { WndProc(message); };
    font_->OnChange = [this](TObject* sender) { FontChanged(sender); };
    constraints_->OnChange = [this](TObject* sender) { ConstraintsChanged(sender); };
    margins_->OnChange = [this](TObject*) {
        if (alignWithMargins_)
            RequestAlign();
    };
}

TControl::~TControl()
{
    Destroying();
    actionLink_.reset();
    if (parent_)
        parent_->RemoveControl(this);
    ControlDestroyed(this);
}

void TControl::SetParent(TWinControl* parent)
{
    if (parent == parent_)
        return;
    if (parent == this)
        throw EInvalidOperation("A control cannot have itself as its parent");
    if (parent_)
        parent_->RemoveControl(this);
    if (parent)
        parent->InsertControl(this);
}

void TControl::StoreBounds(int left, int top, int width, int height)
{
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
}

void TControl::AdjustRequestedSize(int& width, int& height)
{
    if (autoSize_ && !ComponentState().Contains(csLoading)) {
        int wantedWidth = width;
        int wantedHeight = height;
        if (CanAutoSize(wantedWidth, wantedHeight)) {
            width = wantedWidth;
            height = wantedHeight;
        }
    }
    constraints_->Apply(width, height);
    width = std::max(width, 0);
    height = std::max(height, 0);
    if ((width != width_ || height != height_) && !ComponentState().Contains(csLoading)) {
        int newWidth = width;
        int newHeight = height;
        const bool resize = CanResize(newWidth, newHeight);
        width = resize ? std::max(newWidth, 0) : width_;
        height = resize ? std::max(newHeight, 0) : height_;
    }
}

bool TControl::CanResize(int& newWidth, int& newHeight)
{
    bool resize = true;
    if (OnCanResize)
        OnCanResize(this, newWidth, newHeight, resize);
    return resize;
}

void TControl::SetStyleElements(TStyleElements value)
{
    if (value == styleElements_)
        return;
    styleElements_ = value;
    Invalidate();
}

bool TControl::CanAutoSize(int&, int&)
{
    return true;
}

void TControl::AdjustSize()
{
    if (!ComponentState().Contains(csLoading))
        SetBounds(left_, top_, width_, height_);
}

void TControl::SetAutoSize(bool value)
{
    if (value == autoSize_)
        return;
    autoSize_ = value;
    if (value)
        AdjustSize();
}

void TControl::SetAlignWithMargins(bool value)
{
    if (value == alignWithMargins_)
        return;
    alignWithMargins_ = value;
    RequestAlign();
}

void TControl::SetBounds(int left, int top, int width, int height)
{
    AdjustRequestedSize(width, height);
    if (left == left_ && top == top_ && width == width_ && height == height_)
        return;
    Invalidate();
    StoreBounds(left, top, width, height);
    UpdateAnchorRules();
    Invalidate();
    Perform(WM_WINDOWPOSCHANGED, 0, 0);
    RequestAlign();
    if (!ComponentState().Contains(csLoading))
        Resize();
}

TRect TControl::ClientRect() const
{
    return Rect(0, 0, width_, height_);
}

void TControl::SetClientWidth(int value)
{
    SetClientSize({value, ClientHeight()});
}

void TControl::SetClientHeight(int value)
{
    SetClientSize({ClientWidth(), value});
}

void TControl::SetClientSize(TSize size)
{
    const TRect client = ClientRect();
    SetBounds(left_, top_, width_ - client.Width() + size.cx, height_ - client.Height() + size.cy);
}

TPoint TControl::ClientOrigin() const
{
    if (!parent_)
        return {left_, top_};
    const TPoint origin = parent_->ClientOrigin();
    return {origin.X + left_, origin.Y + top_};
}

TPoint TControl::ClientToScreen(TPoint p) const
{
    const TPoint origin = ClientOrigin();
    return {p.X + origin.X, p.Y + origin.Y};
}

TPoint TControl::ScreenToClient(TPoint p) const
{
    const TPoint origin = ClientOrigin();
    return {p.X - origin.X, p.Y - origin.Y};
}

TPoint TControl::ClientToParent(TPoint p, TWinControl* ancestor) const
{
    if (!ancestor)
        ancestor = parent_;
    const TPoint screen = ClientToScreen(p);
    return ancestor ? ancestor->ScreenToClient(screen) : screen;
}

TPoint TControl::ParentToClient(TPoint p, TWinControl* ancestor) const
{
    if (!ancestor)
        ancestor = parent_;
    const TPoint screen = ancestor ? ancestor->ClientToScreen(p) : p;
    return ScreenToClient(screen);
}

void TControl::SetAlign(TAlign align)
{
    if (align == align_)
        return;
    const TAlign old = align_;
    align_ = align;
    anchors_ = {akLeft, akTop};
    if (old != alNone || align != alNone)
        RequestAlign();
    if (align == alNone)
        UpdateAnchorRules();
}

void TControl::SetAnchors(TAnchors anchors)
{
    if (anchors == anchors_)
        return;
    anchors_ = anchors;
    UpdateAnchorRules();
}

void TControl::UpdateAnchorRules()
{
    if (!parent_ || parent_->ControlState().Contains(csAligning))
        return;
    anchorBounds_ = BoundsRect();
    TRect client = parent_->ClientRect();
    parent_->AdjustClientRect(client);
    anchorParentSize_ = {client.Width(), client.Height()};
    anchorRulesSet_ = true;
}

void TControl::RequestAlign()
{
    if (!parent_ || parent_->ControlState().Contains(csAligning))
        return;
    if (align_ != alNone)
        parent_->Realign();
    else {
        if (parent_->AutoSize())
            parent_->AdjustSize();
        parent_->ChildBoundsChanged(this);
    }
}

void TControl::ConstraintsChanged(TObject*)
{
    SetBounds(left_, top_, width_, height_);
}

void TControl::MoveInZOrder(bool toFront)
{
    if (!parent_)
        return;
    auto& list = parent_->controls_;
    list.erase(std::find(list.begin(), list.end(), this));
    // Windowless controls stay below the windowed ones: each kind moves within its own part of the list.
    auto* self = AsWinControl();
    const auto firstWindowed = parent_->FirstWindowed();
    if (self)
        list.insert(toFront ? list.end() : firstWindowed, this);
    else
        list.insert(toFront ? firstWindowed : list.begin(), this);
    if (self && self->HandleAllocated()) {
        if (toFront)
            self->Window().widget->raise();
        else
            self->Window().widget->lower();
    }
    Invalidate();
    parent_->Realign();
}

void TControl::BringToFront()
{
    MoveInZOrder(true);
}

void TControl::SendToBack()
{
    MoveInZOrder(false);
}

void TControl::SetVisible(bool visible)
{
    if (visible == visible_)
        return;
    VisibleChanging();
    visible_ = visible;
    Perform(CM_VISIBLECHANGED, visible ? 1 : 0, 0);
    if (parent_ && !parent_->ControlState().Contains(csAligning))
        parent_->Realign();
}

bool TControl::Showing() const
{
    return visible_ && parent_ && parent_->Showing();
}

void TControl::SetEnabled(bool enabled)
{
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    Perform(CM_ENABLEDCHANGED, 0, 0);
}

bool TControl::EffectiveEnabled() const
{
    for (const TControl* c = this; c; c = c->parent_)
        if (!c->enabled_)
            return false;
    return true;
}

void TControl::SetColor(TColor color)
{
    if (color == color_)
        return;
    color_ = color;
    if (!updatingFromParent_)
        parentColor_ = false;
    Perform(CM_COLORCHANGED, 0, 0);
}

// Turning a parent-following flag on takes the parent's value at once.
void TControl::SetParentFlag(bool& flag, bool value, uint32_t parentChanged)
{
    if (value == flag)
        return;
    flag = value;
    if (value && parent_)
        Perform(parentChanged, 0, 0);
}

void TControl::SetParentColor(bool value)
{
    SetParentFlag(parentColor_, value, CM_PARENTCOLORCHANGED);
}

void TControl::SetFont(const TFont* font)
{
    font_->Assign(font);
}

void TControl::FontChanged(TObject*)
{
    if (!updatingFromParent_)
        parentFont_ = false;
    Perform(CM_FONTCHANGED, 0, 0);
}

void TControl::SetParentFont(bool value)
{
    SetParentFlag(parentFont_, value, CM_PARENTFONTCHANGED);
}

void TControl::ParentFontChanged()
{
    if (!parentFont_ || !parent_)
        return;
    updatingFromParent_ = true;
    if (!font_->SameAs(*parent_->Font()))
        font_->Assign(parent_->Font());
    updatingFromParent_ = false;
}

void TControl::ParentColorChanged()
{
    if (!parentColor_ || !parent_)
        return;
    updatingFromParent_ = true;
    SetColor(parent_->Color());
    updatingFromParent_ = false;
}

void TControl::ParentShowHintChanged()
{
    if (!parentShowHint_ || !parent_ || showHint_ == parent_->ShowHint())
        return;
    showHint_ = parent_->ShowHint();
    Perform(CM_SHOWHINTCHANGED, 0, 0);
}

void TControl::SetCursor(TCursor cursor)
{
    if (cursor == cursor_)
        return;
    cursor_ = cursor;
    Perform(CM_CURSORCHANGED, 0, 0);
}

void TControl::SetHint(const std::string& hint)
{
    hint_ = hint;
}

void TControl::SetShowHint(bool value)
{
    parentShowHint_ = false;
    if (value == showHint_)
        return;
    showHint_ = value;
    Perform(CM_SHOWHINTCHANGED, 0, 0);
}

void TControl::SetParentShowHint(bool value)
{
    SetParentFlag(parentShowHint_, value, CM_PARENTSHOWHINTCHANGED);
}

void TControl::SetBiDiMode(TBiDiMode value)
{
    if (!updatingFromParent_)
        parentBiDiMode_ = false;
    if (value == biDiMode_)
        return;
    biDiMode_ = value;
    Perform(CM_BIDIMODECHANGED, 0, 0);
}

void TControl::SetParentBiDiMode(bool value)
{
    SetParentFlag(parentBiDiMode_, value, CM_PARENTBIDIMODECHANGED);
}

void TControl::ParentBiDiModeChanged()
{
    if (!parentBiDiMode_ || !parent_)
        return;
    updatingFromParent_ = true;
    SetBiDiMode(parent_->BiDiMode());
    updatingFromParent_ = false;
}

bool TControl::UseRightToLeftAlignment() const
{
    return biDiMode_ == bdRightToLeft;
}

bool TControl::UseRightToLeftReading() const
{
    return biDiMode_ != bdLeftToRight;
}

unsigned TControl::DrawTextBiDiModeFlags(unsigned flags) const
{
    if (UseRightToLeftAlignment()) {
        if ((flags & (DT_CENTER | DT_RIGHT)) == DT_LEFT)
            flags |= DT_RIGHT;
        else if (flags & DT_RIGHT)
            flags &= ~DT_RIGHT;
    }
    if (UseRightToLeftReading())
        flags |= DT_RTLREADING;
    return flags;
}

void TControl::SetPopupMenu(IPopupMenu* menu)
{
    if (popupMenuComponent_)
        popupMenuComponent_->RemoveFreeNotification(this);
    popupMenu_ = menu;
    popupMenuComponent_ = menu ? menu->MenuComponent() : nullptr;
    if (popupMenuComponent_)
        popupMenuComponent_->FreeNotification(this);
}

void TControl::DoContextPopup(TPoint mousePos, bool& handled)
{
    if (OnContextPopup)
        OnContextPopup(this, mousePos, handled);
}

// The context menu for a screen point ((-1, -1) from the keyboard): OnContextPopup may take it, else the
// popup menu opens; what neither takes goes on to the parent.
void TControl::ContextMenu(TMessage& message)
{
    if (message.Result != 0)
        return;
    const TContextMenuView view(message);
    TPoint pos = view.ScreenPos;
    const bool fromKeyboard = view.FromKeyboard();
    bool handled = false;
    DoContextPopup(fromKeyboard ? pos : ScreenToClient(pos), handled);
    if (handled) {
        message.Result = 1;
        return;
    }
    if (popupMenu_ && popupMenu_->AutoPopup()) {
        SendCancelMode();
        if (fromKeyboard)
            pos = ClientToScreen({0, 0});
        popupMenu_->PopupFor(this, pos.X, pos.Y);
        message.Result = 1;
        return;
    }
    DefaultHandler(message);
}

void TControl::SetText(const std::string& text)
{
    if (text == GetText())
        return;
    Perform(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    Perform(CM_TEXTCHANGED, 0, 0);
}

TBasicAction* TControl::Action() const
{
    return actionLink_ ? actionLink_->Action() : nullptr;
}

void TControl::SetAction(TBasicAction* action)
{
    if (!action) {
        actionLink_.reset();
        return;
    }
    if (!actionLink_)
        actionLink_ = std::make_unique<TControlActionLink>(this);
    actionLink_->SetAction(action);
    actionLink_->OnChange = [this](TObject*) { ActionChange(Action(), false); };
    action->FreeNotification(this);
    ActionChange(action, true);
}

void TControl::ActionChange(TBasicAction* sender, bool)
{
    auto* action = dynamic_cast<TCustomAction*>(sender);
    if (!action)
        return;
    SetCaption(action->Caption());
    SetEnabled(action->Enabled());
    SetHint(action->Hint());
    SetVisible(action->Visible());
}

void TControl::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation != opRemove)
        return;
    if (actionLink_ && component == actionLink_->Action())
        actionLink_.reset();
    if (component == popupMenuComponent_) {
        popupMenu_ = nullptr;
        popupMenuComponent_ = nullptr;
    }
}

void TControl::Invalidate()
{
    if (parent_ && parent_->HandleAllocated() && (visible_ || ComponentState().Contains(csDestroying))) {
        const TRect bounds = BoundsRect();
        InvalidateRect(parent_->Handle(), &bounds, !controlStyle_.Contains(csOpaque));
    }
}

void TControl::Update()
{
    if (parent_)
        parent_->Update();
}

void TControl::Repaint()
{
    Invalidate();
    Update();
}

LRESULT TControl::Perform(uint32_t msg, WPARAM wParam, LPARAM lParam)
{
    TMessage message{msg, wParam, lParam, 0};
    WindowProc(message);
    return message.Result;
}

void TControl::WndProc(TMessage& message)
{
    if (dragMode_ == dmAutomatic && (message.Msg == WM_LBUTTONDOWN || message.Msg == WM_LBUTTONDBLCLK) &&
        !Dragging()) {
        BeginDrag(false);
        return;
    }
    if (!controlStyle_.Contains(csDoubleClicks)) {
        switch (message.Msg) {
        case WM_LBUTTONDBLCLK:
            message.Msg = WM_LBUTTONDOWN;
            break;
        case WM_RBUTTONDBLCLK:
            message.Msg = WM_RBUTTONDOWN;
            break;
        case WM_MBUTTONDBLCLK:
            message.Msg = WM_MBUTTONDOWN;
            break;
        }
    }
    Dispatch(message);
}

void TControl::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_LBUTTONDOWN:
        MouseButtonDown(message, mbLeft, {});
        return;
    case WM_RBUTTONDOWN:
        MouseButtonDown(message, mbRight, {});
        return;
    case WM_MBUTTONDOWN:
        MouseButtonDown(message, mbMiddle, {});
        return;
    case WM_LBUTTONDBLCLK:
        MouseButtonDown(message, mbLeft, ssDouble);
        return;
    case WM_RBUTTONDBLCLK:
        MouseButtonDown(message, mbRight, ssDouble);
        return;
    case WM_MBUTTONDBLCLK:
        MouseButtonDown(message, mbMiddle, ssDouble);
        return;
    case WM_LBUTTONUP:
        MouseButtonUp(message, mbLeft);
        return;
    case WM_RBUTTONUP:
        MouseButtonUp(message, mbRight);
        return;
    case WM_MBUTTONUP:
        MouseButtonUp(message, mbMiddle);
        return;
    case WM_MOUSEMOVE:
        DefaultHandler(message);
        if (!controlStyle_.Contains(csNoStdEvents)) {
            const TMouseView mouse(message);
            MouseMove(mouse.Shift(), mouse.Pos.X, mouse.Pos.Y);
        }
        return;
    case WM_MOUSEWHEEL:
        message.Result = Perform(CM_MOUSEWHEEL, message.WParam, message.LParam);
        return;
    case CM_MOUSEWHEEL:
        WheelMessage(message);
        return;
    case CM_MOUSEENTER:
        MouseEnterLeave(message, true);
        return;
    case CM_MOUSELEAVE:
        MouseEnterLeave(message, false);
        return;
    case WM_CANCELMODE:
    case CM_CANCELMODE:
        if (GetCaptureControl() == this)
            SetCaptureControl(nullptr);
        return;
    case CM_ENABLEDCHANGED:
    case CM_FONTCHANGED:
    case CM_COLORCHANGED:
        Invalidate();
        return;
    case CM_VISIBLECHANGED:
        if (parent_ && parent_->HandleAllocated()) {
            const TRect bounds = BoundsRect();
            InvalidateRect(parent_->Handle(), &bounds, true);
        }
        return;
    case CM_DRAG:
        DragMessage(message);
        return;
    case CM_PARENTFONTCHANGED:
        ParentFontChanged();
        return;
    case CM_PARENTCOLORCHANGED:
        ParentColorChanged();
        return;
    case CM_PARENTSHOWHINTCHANGED:
        ParentShowHintChanged();
        return;
    case CM_PARENTBIDIMODECHANGED:
        ParentBiDiModeChanged();
        return;
    case WM_CONTEXTMENU:
        ContextMenu(message);
        return;
    case CM_HITTEST:
        message.Result = HTCLIENT;
        return;
    default:
        TComponent::Dispatch(message);
    }
}

void TControl::DefaultHandler(TMessage& message)
{
    if (message.Msg == WM_SETTEXT) {
        text_ = TSetTextView(message).Text;
        message.Result = 1;
    }
}

void TControl::MouseButtonDown(TMessage& message, TMouseButton button, TShiftState extra)
{
    SendCancelMode();
    DefaultHandler(message);
    if (controlStyle_.Contains(csCaptureMouse))
        SetMouseCapture(true);
    if (button == mbLeft && controlStyle_.Contains(csClickEvents)) {
        if (extra.Contains(ssDouble))
            DblClick();
        else
            controlState_.Include(csClicked);
    }
    if (!controlStyle_.Contains(csNoStdEvents)) {
        const TMouseView mouse(message);
        MouseDown(button, mouse.Shift() + extra, mouse.Pos.X, mouse.Pos.Y);
    }
}

void TControl::MouseButtonUp(TMessage& message, TMouseButton button)
{
    if (controlStyle_.Contains(csCaptureMouse))
        SetMouseCapture(false);
    DefaultHandler(message);
    const TMouseView mouse(message);
    if (button == mbLeft && controlState_.Contains(csClicked)) {
        controlState_.Exclude(csClicked);
        if (PtInRect(ClientRect(), mouse.Pos))
            Click();
    }
    if (!controlStyle_.Contains(csNoStdEvents))
        MouseUp(button, mouse.Shift(), mouse.Pos.X, mouse.Pos.Y);
}

void TControl::WheelMessage(TMessage& message)
{
    const TWheelView wheel(message);
    message.Result = 0;
    if (DoMouseWheel(wheel.Shift(), wheel.Delta, wheel.ScreenPos))
        message.Result = 1;
    else if (parent_)
        message.Result = parent_->Perform(CM_MOUSEWHEEL, message.WParam, message.LParam);
}

void TControl::MouseEnterLeave(TMessage& message, bool enter)
{
    if (parent_)
        parent_->Perform(message.Msg, 0, reinterpret_cast<LPARAM>(this));
    if (message.LParam != 0)
        return;
    if (enter && OnMouseEnter)
        OnMouseEnter(this);
    if (!enter && OnMouseLeave)
        OnMouseLeave(this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (OnMouseDown)
        OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y)
{
    if (OnMouseMove)
        OnMouseMove(this, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (OnMouseUp)
        OnMouseUp(this, button, shift, x, y);
}

bool TControl::DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos)
{
    bool handled = false;
    if (OnMouseWheel)
        OnMouseWheel(this, shift, wheelDelta, mousePos, handled);
    if (handled)
        return true;
    wheelAccumulator_ += wheelDelta;
    while (std::abs(wheelAccumulator_) >= WHEEL_DELTA) {
        const bool down = wheelAccumulator_ < 0;
        wheelAccumulator_ += down ? WHEEL_DELTA : -WHEEL_DELTA;
        handled = down ? DoMouseWheelDown(shift, mousePos) : DoMouseWheelUp(shift, mousePos);
    }
    return handled;
}

bool TControl::DoMouseWheelDown(TShiftState shift, TPoint mousePos)
{
    bool handled = false;
    if (OnMouseWheelDown)
        OnMouseWheelDown(this, shift, mousePos, handled);
    return handled;
}

bool TControl::DoMouseWheelUp(TShiftState shift, TPoint mousePos)
{
    bool handled = false;
    if (OnMouseWheelUp)
        OnMouseWheelUp(this, shift, mousePos, handled);
    return handled;
}

void TControl::Resize()
{
    if (OnResize)
        OnResize(this);
}

void TControl::Click()
{
    if (OnClick)
        OnClick(this);
    else if (actionLink_)
        actionLink_->Execute(this);
}

void TControl::DblClick()
{
    if (OnDblClick)
        OnDblClick(this);
}

bool TControl::MouseCapture() const
{
    return GetCaptureControl() == this;
}

void TControl::SetMouseCapture(bool value)
{
    if (value)
        SetCaptureControl(this);
    else if (GetCaptureControl() == this)
        SetCaptureControl(nullptr);
}

void TControl::SendCancelMode()
{
    for (TControl* c = this; c; c = c->parent_)
        if (auto* form = dynamic_cast<IParentForm*>(c))
            form->SendCancelMode(this);
}

TWinControl* TControl::TopLevelParent() const
{
    TWinControl* top = nullptr;
    for (TWinControl* p = parent_; p; p = p->Parent())
        top = p;
    if (!top)
        top = const_cast<TControl*>(this)->AsWinControl();
    return top;
}

IParentForm* FindParentForm(const TControl* control, bool topForm)
{
    IParentForm* found = nullptr;
    for (TControl* c = const_cast<TControl*>(control); c; c = c->Parent()) {
        if (auto* form = dynamic_cast<IParentForm*>(c)) {
            found = form;
            if (!topForm)
                return found;
        }
    }
    return found;
}

TControl* FindDragTarget(TPoint screenPos, bool allowDisabled)
{
    TWinControl* window = TWinControl::FromHandle(WindowFromPoint(screenPos));
    if (!window)
        return nullptr;
    const TPoint client = window->ScreenToClient(screenPos);
    if (TControl* child = window->ControlAtPos(client, allowDisabled))
        return child;
    return window;
}
