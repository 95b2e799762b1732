#pragma once

#include "platform/gui/services/data_object.h"

// The effect a drop target offers for the one it wants, kept within the effects the source allows: a
// source that does not allow a move may still allow a copy; otherwise the target offers none.
inline uint32_t DropEffectWithin(uint32_t wanted, uint32_t allowed)
{
    if (wanted & allowed)
        return wanted;
    return wanted == DROPEFFECT_MOVE && (allowed & DROPEFFECT_COPY) ? DROPEFFECT_COPY : DROPEFFECT_NONE;
}
