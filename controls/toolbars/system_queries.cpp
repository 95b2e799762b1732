#include "controls/toolbars/system_queries.h"

#include "platform/gui/forms/system_parameters.h"
#include "platform/gui/graphics/platform_answers.h"
#include "platform/gui/windows/message_loop.h"
#include "platform/gui/windows/window_functions.h"

#include <algorithm>

int MenuShowDelayFrom(std::optional<int> desktopAnswer)
{
    return std::max(desktopAnswer.value_or(400), 0);
}

int QueryMenuShowDelay()
{
    int delay = 0;
    if (SystemParametersInfo(SPI_GETMENUSHOWDELAY, 0, &delay, 0))
        return MenuShowDelayFrom(delay);
    return MenuShowDelayFrom(std::nullopt);
}

int QuerySystemParameter(unsigned action, int defaultValue)
{
    int value = 0;
    return SystemParametersInfo(action, 0, &value, 0) ? value : defaultValue;
}

bool AreFlatMenusEnabled()
{
    return IsWindowsXPOrLater() && QuerySystemParameter(SPI_GETFLATMENU, 0) != 0;
}

bool AreKeyboardCuesEnabled()
{
    return PlatformAnswers().MajorVersion <= 4 || QuerySystemParameter(SPI_GETKEYBOARDCUES, -1) != 0;
}

bool GetNonClientMetrics(TNonClientMetrics& metrics)
{
    return SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof(TNonClientMetrics), &metrics, 0);
}

bool ThreadHasActiveWindow()
{
    return GetActiveWindow() != nullptr;
}

bool IsSoundEventSet(const std::string&)
{
    return false;
}

bool CallTrackMouseEvent(HWND, unsigned)
{
    return true;
}

TPoint GetMessagePoint()
{
    const uint32_t pos = GetMessagePos();
    return {static_cast<int16_t>(pos & 0xFFFF), static_cast<int16_t>(pos >> 16)};
}
