#pragma once

#include "support/window_services.h"

class TWinControl;

// The window a message box of the support library is to stand over, for a control of the layer: the window
// of the control's form; nullptr for no control or one without a window yet.
TWindowHandle MessageBoxOwner(TWinControl* control);
