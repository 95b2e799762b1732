#pragma once

#include "platform/gui/windows/win_control.h"

// The base of the skinned caption controls and the compound bars: a custom control that the skinned
// routines recognise by class.
class TQvCustomControl : public TCustomControl
{
public:
    using TCustomControl::TCustomControl;
};
