#pragma once

#include "controls/pack/control_parts.h"
#include "platform/gui/standard/stdctrls_labels.h"

// The pack's plain label: the platform's label with a tag object and controls anchored beside it.
class TKvpCustomLabel : public TKvpPartsControl<TCustomLabel>
{
public:
    using TKvpPartsControl::TKvpPartsControl;
};

class TKvpLabel : public TKvpCustomLabel
{
public:
    using TKvpCustomLabel::TKvpCustomLabel;
};
