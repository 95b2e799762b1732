#pragma once

// The application's hint bookkeeping; for the layer's own sources.

#include "platform/gui/forms/application.h"
#include "platform/gui/windows/timers.h"

class TControl;
class THintWindow;

struct TApplication::HintState
{
    HintState(std::function<void()> showDue, std::function<void()> hideDue)
        : showTimer(std::move(showDue)), hideTimer(std::move(hideDue))
    {}
    // One timer for the pause before a hint (and its reshowing), one for the pause before it hides.
    TOneShotTimer showTimer;
    TOneShotTimer hideTimer;
    THintWindow* window = nullptr;
    // The control whose hint is due or shown, and the screen area in which the pointer keeps that hint.
    TControl* control = nullptr;
    TRect cursorRect;
    bool shown = false;
};
