#include "platform/gui/standard/scroll_box.h"

#include "platform/gui/windows/message_views.h"
#include "platform/gui/windows/scroll_bars.h"
#include "platform/gui/windows/system_metrics.h"
#include "platform/gui/windows/window_functions.h"

#include <algorithm>

namespace {

constexpr int wheelLines = 3;

int BarOf(TScrollBarKind kind)
{
    return kind == sbHorizontal ? SB_HORZ : SB_VERT;
}

} // namespace

// --- TControlScrollBar -------------------------------------------------------------------------------------

TControlScrollBar::TControlScrollBar(TScrollingWinControl* control, TScrollBarKind kind)
    : control_(control), kind_(kind)
{}

void TControlScrollBar::Assign(const TPersistent* source)
{
    const auto* other = dynamic_cast<const TControlScrollBar*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    increment_ = other->increment_;
    tracking_ = other->tracking_;
    visible_ = other->visible_;
    SetRange(other->range_);
    SetPosition(other->position_);
}

void TControlScrollBar::SetRange(int value)
{
    control_->autoScroll_ = false;
    range_ = std::max(value, 0);
    control_->UpdateScrollBars();
}

void TControlScrollBar::SetVisible(bool value)
{
    if (value == visible_)
        return;
    visible_ = value;
    control_->UpdateScrollBars();
}

bool TControlScrollBar::IsScrollBarVisible() const
{
    return control_->HandleAllocated() &&
           (GetWindowLong(control_->Handle(), GWL_STYLE) & (kind_ == sbHorizontal ? WS_HSCROLL : WS_VSCROLL));
}

int TControlScrollBar::PageSize() const
{
    return kind_ == sbHorizontal ? control_->ClientWidth() : control_->ClientHeight();
}

void TControlScrollBar::MoveTo(int position)
{
    const int delta = position_ - position;
    if (delta == 0)
        return;
    // The children move one by one (aligned ones to the new position); the range waits until all have.
    position_ = position;
    const bool updating = control_->updatingBars_;
    control_->updatingBars_ = true;
    control_->ScrollBy(kind_ == sbHorizontal ? delta : 0, kind_ == sbVertical ? delta : 0);
    control_->updatingBars_ = updating;
}

void TControlScrollBar::SetPosition(int value)
{
    const int limit = IsScrollBarVisible() ? std::max(range_ - PageSize(), 0) : 0;
    MoveTo(std::clamp(value, 0, limit));
    if (control_->HandleAllocated())
        SetScrollPos(control_->Handle(), BarOf(kind_), position_, true);
}

void TControlScrollBar::ScrollMessage(unsigned code)
{
    int pos = position_;
    switch (code) {
    case SB_LINEUP:
        pos -= increment_;
        break;
    case SB_LINEDOWN:
        pos += increment_;
        break;
    case SB_PAGEUP:
        pos -= PageSize();
        break;
    case SB_PAGEDOWN:
        pos += PageSize();
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        if (code == SB_THUMBTRACK && !tracking_)
            return;
        TScrollInfo info;
        info.fMask = SIF_TRACKPOS;
        GetScrollInfo(control_->Handle(), BarOf(kind_), info);
        pos = info.nTrackPos;
        break;
    }
    case SB_TOP:
        pos = 0;
        break;
    case SB_BOTTOM:
        pos = range_;
        break;
    default:
        return;
    }
    SetPosition(pos);
}

// --- TScrollingWinControl ----------------------------------------------------------------------------------

TScrollingWinControl::TScrollingWinControl(TComponent* owner)
    : TWinControl(owner), horz_(std::make_unique<TControlScrollBar>(this, sbHorizontal)),
      vert_(std::make_unique<TControlScrollBar>(this, sbVertical))
{}

TScrollingWinControl::~TScrollingWinControl() = default;

void TScrollingWinControl::SetAutoScroll(bool value)
{
    if (value == autoScroll_)
        return;
    autoScroll_ = value;
    if (value)
        CalcAutoRange();
    else {
        horz_->range_ = 0;
        vert_->range_ = 0;
        UpdateScrollBars();
    }
}

void TScrollingWinControl::CalcAutoRange()
{
    if (!autoScroll_ || updatingBars_)
        return;
    int right = 0;
    int bottom = 0;
    for (int i = 0; i < ControlCount(); ++i) {
        const TControl* c = Controls(i);
        if (!c->Visible())
            continue;
        const TAlign align = c->Align();
        if (align == alNone || align == alLeft || align == alCustom)
            right = std::max(right, c->Left() + c->Width() + horz_->position_);
        if (align == alNone || align == alTop || align == alCustom)
            bottom = std::max(bottom, c->Top() + c->Height() + vert_->position_);
    }
    horz_->range_ = right;
    vert_->range_ = bottom;
    UpdateScrollBars();
}

void TScrollingWinControl::UpdateScrollBars()
{
    if (!HandleAllocated() || updatingBars_)
        return;
    updatingBars_ = true;
    const intptr_t style = GetWindowLong(Handle(), GWL_STYLE);
    const int cx = GetSystemMetrics(SM_CXVSCROLL);
    const int cy = GetSystemMetrics(SM_CYHSCROLL);
    // The client area without bars; a bar shown for one direction can make the other one needed.
    const int fullWidth = ClientWidth() + ((style & WS_VSCROLL) ? cx : 0);
    const int fullHeight = ClientHeight() + ((style & WS_HSCROLL) ? cy : 0);
    bool needHorz = false;
    bool needVert = false;
    for (int pass = 0; pass < 2; ++pass) {
        needHorz = horz_->visible_ && horz_->range_ > fullWidth - (needVert ? cx : 0);
        needVert = vert_->visible_ && vert_->range_ > fullHeight - (needHorz ? cy : 0);
    }
    const struct
    {
        TControlScrollBar* bar;
        bool needed;
        int page;
    } bars[] = {{horz_.get(), needHorz, fullWidth - (needVert ? cx : 0)},
                {vert_.get(), needVert, fullHeight - (needHorz ? cy : 0)}};
    for (const auto& b : bars) {
        const int pos = b.needed ? std::clamp(b.bar->position_, 0, b.bar->range_ - b.page) : 0;
        b.bar->MoveTo(pos);
        TScrollInfo info;
        info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        info.nMax = b.needed ? b.bar->range_ - 1 : 0;
        info.nPage = b.needed ? static_cast<unsigned>(b.page) : 0;
        info.nPos = pos;
        SetScrollInfo(Handle(), BarOf(b.bar->kind_), info, true);
    }
    updatingBars_ = false;
}

void TScrollingWinControl::AdjustClientRect(TRect& rect) const
{
    TWinControl::AdjustClientRect(rect);
    rect = Bounds(rect.Left - horz_->position_, rect.Top - vert_->position_,
                  std::max(horz_->range_, rect.Width()), std::max(vert_->range_, rect.Height()));
}

void TScrollingWinControl::AlignControls(TControl* control, TRect& rect)
{
    TWinControl::AlignControls(control, rect);
    const TRect before = ClientRect();
    CalcAutoRange();
    // The bars changed the client area: the aligned children follow it.
    if (ClientRect() != before) {
        TRect again = ClientRect();
        AdjustClientRect(again);
        TWinControl::AlignControls(control, again);
    }
}

void TScrollingWinControl::ChildBoundsChanged(TControl*)
{
    CalcAutoRange();
}

void TScrollingWinControl::ScrollInView(TControl* control)
{
    if (!control || control == this || !ContainsControl(control))
        return;
    const TPoint origin = control->Parent() == this
                              ? TPoint{control->Left(), control->Top()}
                              : control->Parent()->ClientToParent({control->Left(), control->Top()}, this);
    const TRect r = Bounds(origin.X, origin.Y, control->Width(), control->Height());
    // Past the far edge, scroll until it fits, but never beyond the near edge.
    if (r.Left < 0)
        horz_->SetPosition(horz_->position_ + r.Left);
    else if (r.Right > ClientWidth())
        horz_->SetPosition(horz_->position_ + std::min(r.Right - ClientWidth(), r.Left));
    if (r.Top < 0)
        vert_->SetPosition(vert_->position_ + r.Top);
    else if (r.Bottom > ClientHeight())
        vert_->SetPosition(vert_->position_ + std::min(r.Bottom - ClientHeight(), r.Top));
}

void TScrollingWinControl::AutoScrollInView(TControl* control)
{
    if (autoScroll_)
        ScrollInView(control);
}

bool TScrollingWinControl::WheelScroll(TShiftState shift, int notches)
{
    TControlScrollBar* bar = shift.Contains(ssShift) ? horz_.get() : vert_.get();
    if (!bar->IsScrollBarVisible())
        return false;
    bar->SetPosition(bar->position_ + notches * wheelLines * bar->increment_);
    return true;
}

bool TScrollingWinControl::DoMouseWheelDown(TShiftState shift, TPoint mousePos)
{
    return TWinControl::DoMouseWheelDown(shift, mousePos) || WheelScroll(shift, 1);
}

bool TScrollingWinControl::DoMouseWheelUp(TShiftState shift, TPoint mousePos)
{
    return TWinControl::DoMouseWheelUp(shift, mousePos) || WheelScroll(shift, -1);
}

void TScrollingWinControl::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_HSCROLL:
    case WM_VSCROLL:
        (message.Msg == WM_HSCROLL ? horz_ : vert_)->ScrollMessage(TScrollView(message).Code);
        return;
    case CM_CONTROLLISTCHANGE:
        if (message.LParam)
            CalcAutoRange();
        break;
    case CM_FOCUSCHANGED: {
        auto* focused = reinterpret_cast<TControl*>(message.LParam);
        if (focused && focused != this && ContainsControl(focused))
            AutoScrollInView(focused);
        break;
    }
    }
    TWinControl::Dispatch(message);
}

// --- TScrollBox --------------------------------------------------------------------------------------------

TScrollBox::TScrollBox(TComponent* owner) : TScrollingWinControl(owner)
{
    controlStyle_ = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
    SetBounds(0, 0, 185, 41);
}

void TScrollBox::SetBorderStyle(TBorderStyle value)
{
    if (value == borderStyle_)
        return;
    borderStyle_ = value;
    SetSingleBorder(*this, value == bsSingle);
}

void TScrollBox::CreateParams(TCreateParams& params)
{
    TScrollingWinControl::CreateParams(params);
    if (borderStyle_ == bsSingle)
        AddSingleBorder(params, *this);
}
