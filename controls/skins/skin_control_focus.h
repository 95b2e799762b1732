#pragma once

class TControl;

// Whether control can be given the focus now: a windowed control that has not got it, on a form that is
// enabled and visible, and that the platform lets take it. False for nullptr.
bool CanFocusControl(TControl* control);
