#pragma once

#include "platform/gui/windows/messages.h"

#include <cstdint>

// Small tools for loops that take messages themselves.

// Removes every queued message numbered first..last. A quit request met on the way is posted again, and the
// removal stops there, so that the program still ends.
void DiscardMessages(uint32_t first, uint32_t last);
// Paints every window whose client area is waiting for a paint, now.
void DispatchPendingPaints();
// Paints the whole window again at once: its client area when it shows and is not empty, else it is only
// invalidated. The toolkit paints into a buffer first, so nothing flickers.
void RepaintWithoutFlicker(HWND window);
