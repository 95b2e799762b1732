#include "controls/grid/scroll_bar6.h"

#include "controls/grid/flag_scope.h"

#include "platform/gui/windows/window_functions.h"

#include <algorithm>

TGxScrollType ScrollTypeOfCode(unsigned code)
{
    switch (code) {
    case SB_LINEUP:
        return stSmallDecrement;
    case SB_LINEDOWN:
        return stSmallIncrement;
    case SB_PAGEUP:
        return stLargeDecrement;
    case SB_PAGEDOWN:
        return stLargeIncrement;
    case SB_THUMBPOSITION:
        return stThumbPosition;
    case SB_THUMBTRACK:
        return stThumbTrack;
    case SB_TOP:
        return stFirst;
    case SB_BOTTOM:
        return stLast;
    default:
        return stEndScroll;
    }
}

TGxCustomScrollBar6::TGxCustomScrollBar6(IGxScrollingControl* control, TScrollBarKind kind)
    : control_(control), kind_(kind)
{}

int TGxCustomScrollBar6::BarFlag() const
{
    return kind_ == sbHorizontal ? SB_HORZ : SB_VERT;
}

bool TGxCustomScrollBar6::ReadWindow(unsigned mask, TScrollInfo& info) const
{
    if (!control_ || !control_->ScrollWindowExists())
        return false;
    info.fMask = mask;
    return GetScrollInfo(control_->ScrollWindowHandle(), BarFlag(), info);
}

// --- values ------------------------------------------------------------------------------------------------

void TGxCustomScrollBar6::SetAutoHide(bool value)
{
    if (value == autoHide_)
        return;
    autoHide_ = value;
    Update();
}

void TGxCustomScrollBar6::SetMax(int value)
{
    max_ = value;
    Update();
}

void TGxCustomScrollBar6::SetMin(int value)
{
    min_ = value;
    Update();
}

void TGxCustomScrollBar6::SetPageSize(int value)
{
    pageSize_ = value;
    if (max_ < value)
        max_ = pageSize_ = position_ = 0;
    Update();
}

void TGxCustomScrollBar6::SetValues(int max, int pageSize)
{
    max_ = max;
    pageSize_ = pageSize;
    if (max_ < pageSize_ || max_ == 0 || pageSize_ == 0)
        position_ = 0;
    Update();
}

void TGxCustomScrollBar6::Clear(bool update)
{
    max_ = pageSize_ = position_ = 0;
    if (update)
        Update();
}

void TGxCustomScrollBar6::Unlock(bool update)
{
    if (!locked_)
        return;
    locked_ = false;
    if (update)
        Update();
}

// --- position ----------------------------------------------------------------------------------------------

bool TGxCustomScrollBar6::Showing() const
{
    if (!control_ || !control_->ScrollWindowExists())
        return false;
    const intptr_t style = GetWindowLong(control_->ScrollWindowHandle(), GWL_STYLE);
    return (style & (kind_ == sbHorizontal ? WS_HSCROLL : WS_VSCROLL)) != 0;
}

int TGxCustomScrollBar6::Position() const
{
    TScrollInfo info;
    if (!Showing() || locked_ || !ReadWindow(SIF_ALL, info))
        return position_;
    return info.nPos;
}

int TGxCustomScrollBar6::ThumbPosition() const
{
    TScrollInfo info;
    return ReadWindow(SIF_TRACKPOS, info) ? info.nTrackPos : 0;
}

void TGxCustomScrollBar6::SetPosition(int value)
{
    const int old = locked_ ? 0 : Position();
    position_ = value;
    if (value + pageSize_ > max_)
        position_ = max_ - pageSize_ + 1;
    if (position_ < 0)
        position_ = 0;
    Update();
    if (locked_ || !control_)
        return;
    const int moved = position_ - old;
    if (kind_ == sbHorizontal)
        control_->DoContentScroll(moved, 0);
    else
        control_->DoContentScroll(0, moved);
}

void TGxCustomScrollBar6::MoveBy(int distance)
{
    SetPosition(Position() + distance);
}

void TGxCustomScrollBar6::Scroll(TGxScrollType scrollType)
{
    const int position = Position();
    switch (scrollType) {
    case stFirst:
        SetPosition(0);
        break;
    case stLast:
        SetPosition(max_);
        break;
    case stSmallDecrement:
        SetPosition(position - smallChange_);
        break;
    case stSmallIncrement:
        SetPosition(position + smallChange_);
        break;
    case stLargeDecrement:
        SetPosition(position - largeChange_);
        break;
    case stLargeIncrement:
        SetPosition(position + largeChange_);
        break;
    case stThumbPosition:
    case stThumbTrack:
        SetPosition(ThumbPosition());
        break;
    case stEndScroll:
        break;
    }
}

bool TGxCustomScrollBar6::IsFirst() const
{
    TScrollInfo info;
    return ReadWindow(SIF_ALL, info) && info.nPos == 0;
}

bool TGxCustomScrollBar6::IsLast() const
{
    TScrollInfo info;
    return ReadWindow(SIF_ALL, info) && info.nPos > info.nMax - static_cast<int>(info.nPage);
}

// --- steps through the window ------------------------------------------------------------------------------

void TGxCustomScrollBar6::SendScroll(unsigned code)
{
    if (max_ <= 0 || !control_ || !control_->ScrollWindowExists())
        return;
    SendMessage(control_->ScrollWindowHandle(), kind_ == sbHorizontal ? WM_HSCROLL : WM_VSCROLL, code, 0);
}

void TGxCustomScrollBar6::First()
{
    SendScroll(SB_TOP);
}

void TGxCustomScrollBar6::Last()
{
    SendScroll(SB_BOTTOM);
}

void TGxCustomScrollBar6::Prior()
{
    SendScroll(SB_LINEUP);
}

void TGxCustomScrollBar6::Next()
{
    SendScroll(SB_LINEDOWN);
}

void TGxCustomScrollBar6::PageUp()
{
    SendScroll(SB_PAGEUP);
}

void TGxCustomScrollBar6::PageDown()
{
    SendScroll(SB_PAGEDOWN);
}

// --- the window's bar --------------------------------------------------------------------------------------

void TGxCustomScrollBar6::SetVisible(bool value)
{
    visible_ = value;
    if (control_ && control_->ScrollWindowExists() && Showing() != value)
        ShowScrollBar(control_->ScrollWindowHandle(), BarFlag(), value);
}

void TGxCustomScrollBar6::Show()
{
    if (control_ && control_->ScrollWindowExists())
        ShowScrollBar(control_->ScrollWindowHandle(), BarFlag(), true);
}

void TGxCustomScrollBar6::Hide()
{
    if (control_ && control_->ScrollWindowExists())
        ShowScrollBar(control_->ScrollWindowHandle(), BarFlag(), false);
}

void TGxCustomScrollBar6::Update()
{
    if (updating_ || locked_ || !control_ || !control_->ScrollWindowExists() || control_->IsBeingDestroyed())
        return;
    const TFlagScope updating(updating_);
    TScrollInfo info;
    info.fMask = SIF_ALL | (autoHide_ ? 0 : SIF_DISABLENOSCROLL);
    info.nMax = max_ == -1 || (kind_ == sbHorizontal && pageSize_ > max_) ? 0 : max_;
    info.nMin = min_;
    info.nPage = static_cast<unsigned>(std::max(pageSize_, 0));
    info.nPos = info.nTrackPos = position_;
    const HWND window = control_->ScrollWindowHandle();
    // A bar already shown disabled with nothing to scroll is left alone.
    bool leaveWindow = false;
    if (!autoHide_ && info.nMax == 0) {
        TScrollInfo now;
        leaveWindow = ReadWindow(SIF_ALL, now) && now.nMax == 0;
    }
    if (!visible_)
        return;
    if (!leaveWindow)
        SetScrollInfo(window, BarFlag(), info, true);
    if (pageSize_ < max_) {
        const bool enable = control_->IsScrollingEnabled() && Enabled() && max_ > 0;
        EnableScrollBar(window, BarFlag(), enable ? ESB_ENABLE_BOTH : ESB_DISABLE_BOTH);
    }
}
