#include "controls/toolbars/posted_clicks.h"

#include "controls/toolbars/item.h"
#include "controls/toolbars/item_viewer.h"
#include "platform/gui/core/exception_reporting.h"
#include "platform/gui/windows/message_loop.h"
#include "platform/gui/windows/message_window.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {

struct TPostedClicks
{
    HWND window = nullptr;
    // Queued objects by slot; nullptr is a free slot.
    std::vector<TObject*> queue;
};

thread_local TPostedClicks* clicks = nullptr;
thread_local int users = 0;
// A click runs: the window whose message it is stays until the click has returned.
thread_local bool clicking = false;

void ReleaseWhenUnused()
{
    if (users > 0 || !clicks || clicking)
        return;
    if (clicks->window)
        DeallocateHWnd(clicks->window);
    delete clicks;
    clicks = nullptr;
}

// What a cancelled slot holds until its message comes.
TObject* Cancelled()
{
    static TObject mark;
    return &mark;
}

void RunSlot(WPARAM wParam, LPARAM slot)
{
    if (!clicks || slot < 0 || static_cast<size_t>(slot) >= clicks->queue.size())
        return;
    TObject* obj = std::exchange(clicks->queue[static_cast<size_t>(slot)], nullptr);
    while (!clicks->queue.empty() && !clicks->queue.back())
        clicks->queue.pop_back();
    if (!obj || obj == Cancelled())
        return;
    clicking = true;
    GuardedCall(obj, [&] {
        if (auto* item = dynamic_cast<TBarCustomItem*>(obj))
            item->Click();
        else if (auto* viewer = dynamic_cast<TBarItemViewer*>(obj))
            viewer->AccessibleSelect(wParam != 0);
    });
    clicking = false;
    ReleaseWhenUnused();
}

void PostedClickWndProc(TMessage& message)
{
    if (message.Msg == PostedClickMessage)
        RunSlot(message.WParam, message.LParam);
}

} // namespace

void QueuePostedClick(TObject* obj, WPARAM wParam)
{
    if (!clicks)
        clicks = new TPostedClicks;
    if (!clicks->window)
        clicks->window = AllocateHWnd(PostedClickWndProc);
    auto& queue = clicks->queue;
    auto slot = std::find(queue.begin(), queue.end(), nullptr);
    if (slot == queue.end())
        slot = queue.insert(queue.end(), obj);
    else
        *slot = obj;
    PostMessage(clicks->window, PostedClickMessage, wParam, static_cast<LPARAM>(slot - queue.begin()));
}

void CancelPostedClicks(TObject* obj)
{
    if (clicks)
        std::replace(clicks->queue.begin(), clicks->queue.end(), obj, Cancelled());
}

void AddQueueUser()
{
    ++users;
}

void RemoveQueueUser()
{
    --users;
    ReleaseWhenUnused();
}

HWND PostedClickWindow()
{
    return clicks ? clicks->window : nullptr;
}
