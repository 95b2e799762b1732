#include "platform/gui/windows/scroll_bars.h"

#include "platform/gui/qt/window_data.h"
#include "platform/gui/qt/window_widget.h"
#include "platform/gui/windows/win_control.h"

#include <algorithm>

namespace {

TScrollBarState* Bar(HWND window, int bar)
{
    TWinControl* control = TWinControl::FromHandle(window);
    if (!control)
        return nullptr;
    TWindowData& w = control->Window();
    if (bar == SB_CTL)
        bar = w.barControl;
    return bar == SB_HORZ || bar == SB_VERT ? &w.bars[bar] : nullptr;
}

int MaxPosition(const TScrollBarState& s)
{
    return std::max(s.min, s.max - std::max(s.page - 1, 0));
}

// The bar is needed when its page does not hold the whole range.
bool Needed(const TScrollBarState& s)
{
    return s.max > s.min && (s.page == 0 || s.page <= s.max - s.min);
}

void Changed(HWND window, bool frameChanged, bool redraw)
{
    TWinControl* control = TWinControl::FromHandle(window);
    if (!control)
        return;
    if (frameChanged)
        control->UpdateFrame();
    else if (redraw && control->Window().widget)
        control->Window().widget->update();
}

} // namespace

int SetScrollInfo(HWND window, int bar, const TScrollInfo& info, bool redraw)
{
    TScrollBarState* s = Bar(window, bar);
    if (!s)
        return 0;
    if (info.fMask & SIF_RANGE) {
        s->min = info.nMin;
        s->max = std::max(info.nMax, info.nMin);
    }
    if (info.fMask & SIF_PAGE)
        s->page =
            static_cast<int>(std::min<long long>(info.nPage, static_cast<long long>(s->max) - s->min + 1));
    if (info.fMask & SIF_POS)
        s->pos = info.nPos;
    s->page = std::clamp(s->page, 0, std::max(s->max - s->min + 1, 0));
    s->pos = std::clamp(s->pos, s->min, MaxPosition(*s));
    if (!s->tracking)
        s->trackPos = s->pos;
    const int pos = s->pos;
    bool frameChanged = false;
    if (info.fMask & (SIF_RANGE | SIF_PAGE)) {
        const bool needed = Needed(*s);
        if (needed) {
            frameChanged = !s->visible;
            s->visible = true;
            if (info.fMask & SIF_DISABLENOSCROLL)
                s->disabledArrows = ESB_ENABLE_BOTH;
        } else if (info.fMask & SIF_DISABLENOSCROLL) {
            frameChanged = !s->visible;
            s->visible = true;
            s->disabledArrows = ESB_DISABLE_BOTH;
        } else {
            frameChanged = s->visible;
            s->visible = false;
        }
    }
    // Showing or hiding a bar sizes the client area, and the window hears of it before this returns.
    Changed(window, frameChanged, redraw);
    return pos;
}

bool GetScrollInfo(HWND window, int bar, TScrollInfo& info)
{
    const TScrollBarState* s = Bar(window, bar);
    if (!s)
        return false;
    if (info.fMask & SIF_RANGE) {
        info.nMin = s->min;
        info.nMax = s->max;
    }
    if (info.fMask & SIF_PAGE)
        info.nPage = static_cast<unsigned>(s->page);
    if (info.fMask & SIF_POS)
        info.nPos = s->pos;
    if (info.fMask & SIF_TRACKPOS)
        info.nTrackPos = s->tracking ? s->trackPos : s->pos;
    return true;
}

int SetScrollPos(HWND window, int bar, int pos, bool redraw)
{
    const TScrollBarState* s = Bar(window, bar);
    if (!s)
        return 0;
    const int previous = s->pos;
    TScrollInfo info;
    info.fMask = SIF_POS;
    info.nPos = pos;
    SetScrollInfo(window, bar, info, redraw);
    return previous;
}

int GetScrollPos(HWND window, int bar)
{
    const TScrollBarState* s = Bar(window, bar);
    return s ? s->pos : 0;
}

bool SetScrollRange(HWND window, int bar, int minPos, int maxPos, bool redraw)
{
    if (!Bar(window, bar))
        return false;
    TScrollInfo info;
    info.fMask = SIF_RANGE;
    info.nMin = minPos;
    info.nMax = maxPos;
    SetScrollInfo(window, bar, info, redraw);
    return true;
}

bool GetScrollRange(HWND window, int bar, int& minPos, int& maxPos)
{
    const TScrollBarState* s = Bar(window, bar);
    if (!s)
        return false;
    minPos = s->min;
    maxPos = s->max;
    return true;
}

bool ShowScrollBar(HWND window, int bar, bool show)
{
    if (bar == SB_BOTH)
        return ShowScrollBar(window, SB_HORZ, show) && ShowScrollBar(window, SB_VERT, show);
    TScrollBarState* s = Bar(window, bar);
    if (!s)
        return false;
    if (s->visible != show) {
        s->visible = show;
        Changed(window, true, true);
    }
    return true;
}

bool EnableScrollBar(HWND window, int bar, unsigned arrows)
{
    if (bar == SB_BOTH) {
        const bool horz = EnableScrollBar(window, SB_HORZ, arrows);
        const bool vert = EnableScrollBar(window, SB_VERT, arrows);
        return horz || vert;
    }
    TScrollBarState* s = Bar(window, bar);
    if (!s || s->disabledArrows == (arrows & ESB_DISABLE_BOTH))
        return false;
    s->disabledArrows = arrows & ESB_DISABLE_BOTH;
    Changed(window, false, true);
    return true;
}

int ScrollCodePosition(HWND window, int bar, unsigned code, int now, int line, int page, int last)
{
    switch (code) {
    case SB_LINEUP:
        return now - line;
    case SB_LINEDOWN:
        return now + line;
    case SB_PAGEUP:
        return now - page;
    case SB_PAGEDOWN:
        return now + page;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        TScrollInfo info;
        info.fMask = SIF_TRACKPOS;
        return GetScrollInfo(window, bar, info) ? info.nTrackPos : now;
    }
    case SB_TOP:
        return 0;
    case SB_BOTTOM:
        return last;
    default:
        return now;
    }
}
