#pragma once

#include "platform/gui/windows/messages.h"

#include <cstdint>
#include <functional>

// Small tools for loops that take messages themselves.

// Removes every queued message numbered first..last. A quit request met on the way is posted again, and the
// removal stops there, so that the program still ends.
void DiscardMessages(uint32_t first, uint32_t last);
// Paints every window whose client area is waiting for a paint, now.
void DispatchPendingPaints();
// Paints the whole window again at once: its client area when it shows and is not empty, else it is only
// invalidated. The toolkit paints into a buffer first, so nothing flickers.
void RepaintWithoutFlicker(HWND window);

// The loop of a left-button press held while wnd has the capture: it takes the messages until the button is
// released (true), pressed again, the capture is lost or a quit request comes (false; the request is posted
// again). The right and middle buttons are dropped. Every other message goes to onMessage first, which
// answers whether it took it and sets cancel to end the loop; what it leaves is translated and dispatched.
bool RunPressLoop(HWND wnd, const std::function<bool(const TMsg& msg, bool& cancel)>& onMessage);
