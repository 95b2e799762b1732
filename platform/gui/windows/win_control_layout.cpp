#include "platform/gui/windows/win_control.h"

#include "platform/gui/qt/window_data.h"
#include "platform/gui/qt/window_widget.h"
#include "platform/gui/windows/parent_form.h"
#include "platform/gui/windows/window_functions.h"

#include <algorithm>

// Alignment of a windowed control's children: anchors, margins, padding and automatic sizing.

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
    // A control held at its left and top edges keeps its place: only other anchors move a control.
    const std::vector<TControl*> children = controls_;
    for (TControl* child : children)
        if (child->Align() == alNone && child->Visible() && child->Anchors() != TAnchors{akLeft, akTop})
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
        TakeStyles(params);
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

// The window's styles as the creation parameters give them; a window of the class "SCROLLBAR" is the scroll
// bar its SBS_VERT style names.
void TWinControl::TakeStyles(const TCreateParams& params)
{
    window_->style = params.Style;
    window_->exStyle = params.ExStyle;
    window_->classStyle = params.WindowClass.style;
    window_->barControl = params.WinClassName != "SCROLLBAR" ? -1
                          : (params.Style & SBS_VERT)        ? SB_VERT
                                                             : SB_HORZ;
}

TRect TWinControl::FrameClientRect(const TRect& windowRect) const
{
    return DefaultClientRect(*window_, windowRect, 0);
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
    return parent_ || dynamic_cast<const IParentForm*>(this);
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
    NotifyDescendantsShowing();
}

// A child whose own flag says shown is shown exactly while its parents are: when this control starts or
// stops showing, so do they, and they hear of it as they would of their own change (a docked tool bar
// decides there whether its window shows).
void TWinControl::NotifyDescendantsShowing()
{
    for (TControl* control : controls_) {
        auto* child = control->AsWinControl();
        if (!child || !child->ManagesShowing() || !child->showing_ || !child->HandleAllocated() ||
            dynamic_cast<IParentForm*>(child))
            continue;
        child->Perform(CM_SHOWINGCHANGED, 0, 0);
        child->NotifyDescendantsShowing();
    }
}
