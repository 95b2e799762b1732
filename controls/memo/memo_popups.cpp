#include "controls/memo/memo_popups.h"

#include "platform/gui/forms/screen.h"
#include "platform/gui/windows/messages.h"

#include <algorithm>
#include <utility>

namespace {

std::function<TRect(TPoint)>& WorkAreaSource()
{
    static std::function<TRect(TPoint)> source;
    return source;
}

} // namespace

TRect NearestWorkArea(TPoint point)
{
    if (WorkAreaSource())
        return WorkAreaSource()(point);
    if (const TMonitor* monitor = Screen->MonitorFromPoint(point, mdNearest))
        return monitor->WorkareaRect();
    return Screen->WorkAreaRect();
}

TWorkAreaOverride::TWorkAreaOverride(std::function<TRect(TPoint)> workAreaAt)
    : previous_(std::exchange(WorkAreaSource(), std::move(workAreaAt)))
{}

TWorkAreaOverride::~TWorkAreaOverride()
{
    WorkAreaSource() = std::move(previous_);
}

TPoint ClampIntoArea(TPoint origin, const TRect& area, int width, int height, int margin)
{
    int x = std::max(origin.X, area.Left);
    x = std::min(x, area.Right - width - margin);
    int y = std::max(origin.Y, area.Top);
    y = std::min(y, area.Bottom - height - margin);
    return {x, y};
}

bool RefuseMouseActivation(TMessage& message)
{
    if (message.Msg != WM_MOUSEACTIVATE)
        return false;
    message.Result = MA_NOACTIVATE;
    return true;
}
