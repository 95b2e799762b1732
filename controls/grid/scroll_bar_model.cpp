#include "controls/grid/scroll_bar_model.h"

#include "controls/grid/scroll_control.h"
#include "platform/gui/windows/scroll_bars.h"

#include <algorithm>

TGxCustomScrollBar::TGxCustomScrollBar(TGxCustomScrollControl* ownerScrollView, TCanvas* canvas)
    : owner_(ownerScrollView), canvas_(canvas)
{}

void TGxCustomScrollBar::SetAutoHide(bool value)
{
    autoHide_ = value;
    SetVisible(max_ != 0 || !autoHide_);
    UpdateScrollBar();
}

void TGxCustomScrollBar::SetEnabled(bool value)
{
    enabled_ = value;
    if (owner_->HandleAllocated() && barFlag_ >= 0)
        EnableScrollBar(owner_->Handle(), barFlag_, value ? ESB_ENABLE_BOTH : ESB_DISABLE_BOTH);
}

void TGxCustomScrollBar::SetKind(TGxScrollBarKind value)
{
    kind_ = value;
    barFlag_ = value == skHorizontal ? SB_HORZ : SB_VERT;
}

void TGxCustomScrollBar::SetMax(int value)
{
    if (value == max_)
        return;
    max_ = std::max(value, 0);
    SetVisible(!(pageSize_ >= max_ && autoHide_));
    UpdateScrollBar();
    if (max_ < position_)
        SetPosition(max_);
}

void TGxCustomScrollBar::SetMin(int value)
{
    min_ = std::max(value, 0);
    UpdateScrollBar();
}

void TGxCustomScrollBar::SetPageSize(int value)
{
    if (value == pageSize_)
        return;
    pageSize_ = std::max(value, 1);
    UpdateScrollBar();
}

void TGxCustomScrollBar::SetPosition(int value)
{
    oldPosition_ = position_;
    position_ = std::max(std::max(std::min(value, max_), min_), 0);
    UpdateScrollBar();
    if (updateCount_ > 0 || manualScroll_)
        return;
    if (kind_ == skVertical)
        owner_->ScrollContent(this, 0, owner_->GetVertScrollDelta(oldPosition_, position_));
    else
        owner_->ScrollContent(this, owner_->GetHorzScrollDelta(oldPosition_, position_), 0);
}

void TGxCustomScrollBar::SetVisible(bool value)
{
    visible_ = value;
}

void TGxCustomScrollBar::SetValues(int max, int pageSize, int largeChange)
{
    max_ = max;
    pageSize_ = pageSize;
    largeChange_ = largeChange;
    UpdateScrollBar();
}

void TGxCustomScrollBar::First()
{
    SetPosition(0);
}

void TGxCustomScrollBar::Last()
{
    SetPosition(max_ - pageSize_ + 1);
}

void TGxCustomScrollBar::MoveBy(int distance)
{
    SetPosition(position_ + distance);
}

void TGxCustomScrollBar::SendScroll(unsigned code)
{
    owner_->Perform(kind_ == skHorizontal ? WM_HSCROLL : WM_VSCROLL, code, 0);
}

void TGxCustomScrollBar::Next()
{
    if (max_ > 0)
        SendScroll(SB_LINEDOWN);
}

void TGxCustomScrollBar::Prior()
{
    if (max_ > 0 && position_ > 0)
        SendScroll(SB_LINEUP);
}

void TGxCustomScrollBar::PageDown()
{
    if (max_ > 0)
        SendScroll(SB_PAGEDOWN);
}

void TGxCustomScrollBar::PageUp()
{
    if (max_ > 0)
        SendScroll(SB_PAGEUP);
}

void TGxCustomScrollBar::Assign(const TPersistent* source)
{
    if (!dynamic_cast<const TGxCustomScrollBar*>(source))
        TPersistent::Assign(source);
}

// --- on the window's scroll bar ----------------------------------------------------------------------------

void TGxScrollBar::SetVisible(bool value)
{
    TGxCustomScrollBar::SetVisible(value);
    if (owner_->HandleAllocated() && BarFlag() >= 0)
        ShowScrollBar(owner_->Handle(), BarFlag(), value);
}

void TGxScrollBar::UpdateScrollBar()
{
    if (isUpdating_ || !owner_->HandleAllocated() || BarFlag() < 0)
        return;
    isUpdating_ = true;
    struct Done
    {
        bool& flag;
        ~Done() { flag = false; }
    } done{isUpdating_};
    const HWND window = owner_->Handle();
    TScrollInfo track;
    track.fMask = SIF_TRACKPOS;
    GetScrollInfo(window, BarFlag(), track);
    TScrollInfo info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | (AutoHide() ? 0 : SIF_DISABLENOSCROLL);
    info.nMin = Min();
    info.nMax = Max();
    info.nPage = static_cast<unsigned>(std::max(PageSize(), 0));
    info.nPos = Position();
    if (Max() >= 1)
        EnableScrollBar(window, BarFlag(),
                        owner_->Enabled() && Enabled() ? ESB_ENABLE_BOTH : ESB_DISABLE_BOTH);
    SetScrollInfo(window, BarFlag(), info, true);
    // The window's bar stood elsewhere: the position changed, and the control tells of it.
    if (track.nTrackPos != Position())
        if (auto* control = dynamic_cast<TGxScrollControl*>(owner_))
            Kind() == skVertical ? control->DoVerticalScroll() : control->DoHorizontalScroll();
}
