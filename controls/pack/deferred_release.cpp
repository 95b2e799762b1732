#include "controls/pack/deferred_release.h"

#include "platform/gui/windows/message_loop.h"
#include "platform/gui/windows/message_window.h"

#include <utility>

namespace {

constexpr uint32_t CM_RELEASEOBJECT = WM_APP + 0x4B1;

// The window whose messages free the objects: it exists only while some object waits for it.
HWND releaseWindow = nullptr;
int waiting = 0;

void ReleaseWndProc(TMessage& message)
{
    if (message.Msg != CM_RELEASEOBJECT)
        return;
    delete reinterpret_cast<TObject*>(message.LParam);
    // The last object out takes the window along, so that nothing of ours outlives its use. Freeing the
    // window inside its own message is safe: nothing of it is touched once this returns.
    if (--waiting == 0)
        DeallocateHWnd(std::exchange(releaseWindow, nullptr));
}

} // namespace

void ReleaseLater(TObject* object)
{
    if (!releaseWindow)
        releaseWindow = AllocateHWnd(ReleaseWndProc);
    ++waiting;
    PostMessage(releaseWindow, CM_RELEASEOBJECT, 0, reinterpret_cast<LPARAM>(object));
}
