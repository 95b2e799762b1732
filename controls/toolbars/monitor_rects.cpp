#include "controls/toolbars/monitor_rects.h"

#include "platform/gui/forms/screen.h"
#include "platform/gui/forms/system_parameters.h"
#include "platform/gui/windows/system_metrics.h"

namespace {

TRect AreaOf(const TMonitor* monitor, bool workArea)
{
    if (!monitor)
        return GetPrimaryMonitorRect(workArea);
    return workArea ? monitor->WorkareaRect() : monitor->BoundsRect();
}

} // namespace

TRect GetPrimaryMonitorRect(bool workArea)
{
    TRect r;
    if (workArea && SystemParametersInfo(SPI_GETWORKAREA, 0, &r, 0))
        return r;
    return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

bool HasMultipleMonitors()
{
    return GetSystemMetrics(SM_CMONITORS) > 1;
}

TRect GetMonitorRectOfRect(const TRect& r, bool workArea)
{
    return AreaOf(Screen->MonitorFromRect(r, mdNearest), workArea);
}

TRect GetMonitorRectOfPoint(TPoint p, bool workArea)
{
    return AreaOf(Screen->MonitorFromPoint(p, mdNearest), workArea);
}

TRect GetMonitorRectOfWindow(HWND window, bool workArea)
{
    return AreaOf(Screen->MonitorFromWindow(window, mdNearest), workArea);
}
