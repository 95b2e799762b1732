#pragma once

#include "platform/gui/core/set_of.h"

// The state of an item a control asks its owner to draw.
enum TOwnerDrawStateFlag
{
    odSelected,
    odGrayed,
    odDisabled,
    odChecked,
    odFocused,
    odDefault,
    odHotLight,
    odInactive,
    odNoAccel,
    odNoFocusRect,
    odReserved1,
    odReserved2,
    odComboBoxEdit // the item shown in a combo box's own face, not in its list
};
using TOwnerDrawState = TSet<TOwnerDrawStateFlag>;
