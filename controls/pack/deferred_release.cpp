#include "controls/pack/deferred_release.h"

#include "platform/gui/windows/message_loop.h"
#include "platform/gui/windows/message_window.h"

namespace {

constexpr uint32_t CM_RELEASEOBJECT = WM_APP + 0x4B1;

HWND ReleaseWindow()
{
    static const HWND window = AllocateHWnd([](TMessage& message) {
        if (message.Msg == CM_RELEASEOBJECT)
            delete reinterpret_cast<TObject*>(message.LParam);
    });
    return window;
}

} // namespace

void ReleaseLater(TObject* object)
{
    PostMessage(ReleaseWindow(), CM_RELEASEOBJECT, 0, reinterpret_cast<LPARAM>(object));
}
