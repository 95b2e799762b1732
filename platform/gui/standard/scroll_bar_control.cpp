#include "platform/gui/standard/scroll_bar_control.h"

#include "platform/gui/core/exceptions.h"
#include "platform/gui/windows/message_views.h"
#include "platform/gui/windows/scroll_bars.h"
#include "platform/gui/windows/system_metrics.h"
#include "platform/gui/windows/window_functions.h"

#include <algorithm>

TScrollBar::TScrollBar(TComponent* owner) : TWinControl(owner)
{
    controlStyle_ = {csFramed, csDoubleClicks, csOpaque};
    SetTabStop(true);
    SetBounds(0, 0, 121, GetSystemMetrics(SM_CYHSCROLL));
}

void TScrollBar::SetKind(TScrollBarKind value)
{
    if (value == kind_)
        return;
    kind_ = value;
    if (HandleAllocated())
        SetWindowLong(Handle(), GWL_STYLE,
                      (GetWindowLong(Handle(), GWL_STYLE) & ~intptr_t{SBS_VERT}) | KindStyle());
    if (!ComponentState().Contains(csLoading))
        SetBounds(Left(), Top(), Height(), Width());
    UpdateFrame();
    UpdateScrollInfo();
}

void TScrollBar::CheckRange(int min, int max, int pageSize) const
{
    if (max < min || pageSize < -1 ||
        static_cast<long long>(pageSize) > static_cast<long long>(max) - min + 1)
        throw EInvalidOperation("Scroll bar property out of range");
}

void TScrollBar::SetPageSize(int value)
{
    if (value == pageSize_)
        return;
    CheckRange(min_, max_, value);
    pageSize_ = value;
    UpdateScrollInfo();
}

void TScrollBar::SetParams(int position, int min, int max)
{
    CheckRange(min, max, pageSize_);
    position = std::clamp(position, min, max);
    const bool changed = position != position_;
    min_ = min;
    max_ = max;
    position_ = position;
    UpdateScrollInfo();
    if (changed)
        Change();
}

void TScrollBar::UpdateScrollInfo()
{
    if (!HandleAllocated())
        return;
    TScrollInfo info;
    info.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
    info.nMin = min_;
    info.nMax = max_;
    info.nPage = static_cast<unsigned>(std::max(pageSize_, 0));
    info.nPos = position_;
    SetScrollInfo(Handle(), SB_CTL, info, true);
    if (!Enabled())
        EnableScrollBar(Handle(), SB_CTL, ESB_DISABLE_BOTH);
}

void TScrollBar::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    params.Style |= KindStyle();
    params.WinClassName = "SCROLLBAR";
}

void TScrollBar::CreateWnd()
{
    TWinControl::CreateWnd();
    UpdateScrollInfo();
}

void TScrollBar::Change()
{
    if (OnChange)
        OnChange(this);
}

void TScrollBar::Scroll(TScrollCode scrollCode, int& scrollPos)
{
    if (OnScroll)
        OnScroll(this, scrollCode, scrollPos);
}

void TScrollBar::DoScroll(unsigned code)
{
    int pos = position_;
    switch (code) {
    case SB_LINEUP:
        pos -= smallChange_;
        break;
    case SB_LINEDOWN:
        pos += smallChange_;
        break;
    case SB_PAGEUP:
        pos -= largeChange_;
        break;
    case SB_PAGEDOWN:
        pos += largeChange_;
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: {
        TScrollInfo info;
        info.fMask = SIF_TRACKPOS;
        if (HandleAllocated() && GetScrollInfo(Handle(), SB_CTL, info))
            pos = info.nTrackPos;
        break;
    }
    case SB_TOP:
        pos = min_;
        break;
    case SB_BOTTOM:
        pos = max_;
        break;
    }
    if (code != SB_ENDSCROLL)
        pos = std::clamp(pos, min_, std::max(min_, max_ - std::max(pageSize_ - 1, 0)));
    Scroll(static_cast<TScrollCode>(code), pos);
    SetPosition(pos);
}

void TScrollBar::DefaultHandler(TMessage& message)
{
    static constexpr struct
    {
        uint16_t key;
        unsigned code;
    } keys[] = {{VK_LEFT, SB_LINEUP},   {VK_UP, SB_LINEUP},    {VK_RIGHT, SB_LINEDOWN},
                {VK_DOWN, SB_LINEDOWN}, {VK_PRIOR, SB_PAGEUP}, {VK_NEXT, SB_PAGEDOWN},
                {VK_HOME, SB_TOP},      {VK_END, SB_BOTTOM}};
    if (message.Msg == WM_KEYDOWN || message.Msg == WM_KEYUP)
        for (const auto& entry : keys)
            if (entry.key == TKeyView(message).Key()) {
                // A key held down steps; its release ends the scrolling.
                DoScroll(message.Msg == WM_KEYDOWN ? entry.code : SB_ENDSCROLL);
                return;
            }
    TWinControl::DefaultHandler(message);
}

void TScrollBar::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_HSCROLL:
    case WM_VSCROLL:
    case CN_HSCROLL:
    case CN_VSCROLL:
        DoScroll(TScrollView(message).Code);
        return;
    case WM_GETDLGCODE:
        message.Result = DLGC_WANTARROWS;
        return;
    case CM_ENABLEDCHANGED:
        TWinControl::Dispatch(message);
        UpdateScrollInfo();
        return;
    }
    TWinControl::Dispatch(message);
}
