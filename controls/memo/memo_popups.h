#pragma once

#include "support/basic_types.h"

#include <functional>

// The memo's popups (the completion list, the parameter hint): where they may stand, and that they never
// take the activation from the memo's window.

struct TMessage;

// The work area of the monitor nearest a screen point. A test puts in monitors of its own while a
// TWorkAreaOverride lives.
TRect NearestWorkArea(TPoint point);

class TWorkAreaOverride
{
public:
    explicit TWorkAreaOverride(std::function<TRect(TPoint)> workAreaAt);
    ~TWorkAreaOverride();
    TWorkAreaOverride(const TWorkAreaOverride&) = delete;
    TWorkAreaOverride& operator=(const TWorkAreaOverride&) = delete;

private:
    std::function<TRect(TPoint)> previous_;
};

// The popup's top-left moved into area so that a popup of width and height, with margin to spare on the
// right and at the bottom, fits in it; a popup larger than the area keeps its right and bottom edges inside.
TPoint ClampIntoArea(TPoint origin, const TRect& area, int width, int height, int margin);

// Answers WM_MOUSEACTIVATE so that a click leaves the activation where it is; false for other messages.
bool RefuseMouseActivation(TMessage& message);
