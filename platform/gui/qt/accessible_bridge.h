#pragma once

// The layer's accessible objects (windows/accessibility.h) served to the toolkit's accessibility. For the
// layer's own sources.

#include "platform/gui/windows/accessibility.h"

// The toolkit asks the resolvers for the objects of the layer's windows from now on (the first window's
// making calls it, before the toolkit can have made interfaces of its own for any of them).
void InstallAccessibleBridge();
// Hands an event to the toolkit's accessibility (and so to the desktop's clients).
void SendAccessibleEvent(uint32_t event, HWND window, int childId);
// A window goes: the interfaces the toolkit keeps for its parts go with it.
void ForgetAccessibleObjects(HWND window);
