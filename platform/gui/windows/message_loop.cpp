#include "platform/gui/windows/message_loop.h"

#include "platform/gui/qt/window_data.h"
#include "platform/gui/windows/hooks.h"
#include "platform/gui/windows/keys.h"
#include "platform/gui/windows/window_functions.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>

#include <chrono>
#include <deque>
#include <optional>

namespace {

struct TQueuedMessage
{
    TMsg msg;
    std::u32string chars;     // a typed key-down's characters, for TranslateMessage
    uint32_t charMessage = 0; // WM_CHAR or WM_SYSCHAR for a typed key-down, else 0
    bool captured = false;    // mouse input that went to its window because that window held the capture
};

std::deque<TQueuedMessage>& Queue()
{
    static std::deque<TQueuedMessage> queue;
    return queue;
}

// Key-downs taken lately with their characters, until TranslateMessage asks for them.
std::deque<TQueuedMessage>& TakenKeyDowns()
{
    static std::deque<TQueuedMessage> taken;
    return taken;
}
constexpr size_t TakenKeyDownsKept = 16;

int waitingLoops = 0;   // loops of ours inside a wait: input is queued meanwhile
unsigned queueLooks = 0; // looks into the queue by loops of ours (PeekMessage, GetMessage through it)
unsigned arrivals = 0;  // messages queued so far, for the waits
uint32_t lastStamp = 0; // the last message time given
TPoint lastMessagePos;

uint32_t Stamp()
{
    using namespace std::chrono;
    static const auto start = steady_clock::now();
    const auto now = static_cast<uint32_t>(duration_cast<milliseconds>(steady_clock::now() - start).count());
    // Strictly rising, so that a taken key-down is told from an equal one typed in the same millisecond.
    lastStamp = std::max(now, lastStamp + 1);
    return lastStamp;
}

bool IsKeyDown(uint32_t msg)
{
    return msg == WM_KEYDOWN || msg == WM_SYSKEYDOWN;
}

bool SameMessage(const TMsg& a, const TMsg& b)
{
    return a.hwnd == b.hwnd && a.message == b.message && a.wParam == b.wParam && a.lParam == b.lParam &&
           a.time == b.time;
}

// Delivers queued messages from Qt's event loop, one per event, so that they keep their place among the
// window system's own events. While a loop of ours waits, the messages are the loop's: the events then
// pass, and the pump is woken again for what the loop leaves behind.
class TPostedMessagePump : public QObject
{
public:
    static TPostedMessagePump& Instance()
    {
        static auto* pump = new TPostedMessagePump;
        return *pump;
    }
    void Wake()
    {
        ++wakes_;
        QCoreApplication::postEvent(this, new QEvent(QEvent::User));
    }
    void WakeForEveryMessage()
    {
        while (wakes_ < Queue().size())
            Wake();
    }

protected:
    void customEvent(QEvent*) override
    {
        --wakes_;
        if (waitingLoops > 0 || Queue().empty())
            return;
        TQueuedMessage entry = std::move(Queue().front());
        Queue().pop_front();
        // Mouse input goes to the window that holds the capture when it is taken, as on the platform.
        if (entry.captured && GetCapture() != entry.msg.hwnd) {
            RedeliverMouseInput(entry.msg);
            return;
        }
        NoteMessageFetched(entry.msg, PM_REMOVE);
        // The application's loop types a key's characters when the key got through to its window.
        if (DispatchInput(entry.msg, nullptr) && IsKeyDown(entry.msg.message)) {
            TakenKeyDowns().push_back(std::move(entry));
            TranslateMessage(TakenKeyDowns().back().msg);
        }
    }

private:
    size_t wakes_ = 0;
};

void Enqueue(TQueuedMessage entry, bool first)
{
    entry.msg.time = Stamp();
    if (first)
        Queue().push_front(std::move(entry));
    else
        Queue().push_back(std::move(entry));
    ++arrivals;
    TPostedMessagePump::Instance().Wake();
}

bool Matches(const TMsg& msg, HWND window, uint32_t first, uint32_t last)
{
    if (msg.message == WM_QUIT)
        return true;
    if (window && msg.hwnd != window)
        return false;
    return (!first && !last) || (msg.message >= first && msg.message <= last);
}

// Takes a queued message without waiting.
bool TakeMessage(TMsg& msg, HWND window, uint32_t first, uint32_t last, unsigned flags)
{
    auto& queue = Queue();
    for (auto it = queue.begin(); it != queue.end(); ++it) {
        if (!Matches(it->msg, window, first, last))
            continue;
        msg = it->msg;
        if (flags & PM_REMOVE) {
            if (IsKeyDown(msg.message)) {
                TakenKeyDowns().push_back(std::move(*it));
                if (TakenKeyDowns().size() > TakenKeyDownsKept)
                    TakenKeyDowns().pop_front();
            }
            queue.erase(it);
        }
        NoteMessageFetched(msg, flags & PM_REMOVE);
        return true;
    }
    return false;
}

bool HaveEventLoop()
{
    return QCoreApplication::instance() != nullptr;
}

// Runs Qt's events with input going to the queue; waits for the next event when wait is true.
void PumpEvents(bool wait)
{
    ++waitingLoops;
    QCoreApplication::processEvents(wait ? QEventLoop::WaitForMoreEvents : QEventLoop::AllEvents);
    --waitingLoops;
    if (waitingLoops == 0)
        TPostedMessagePump::Instance().WakeForEveryMessage();
}

// Waits until a message arrives or, with a limit, the time runs out; true when a message came.
bool WaitForArrival(std::optional<int> milliseconds)
{
    if (!HaveEventLoop())
        return false;
    const unsigned seen = arrivals;
    bool timedOut = false;
    QTimer limit;
    if (milliseconds) {
        limit.setSingleShot(true);
        QObject::connect(&limit, &QTimer::timeout, [&timedOut] { timedOut = true; });
        limit.start(*milliseconds);
    }
    while (arrivals == seen && !timedOut)
        PumpEvents(true);
    return arrivals != seen;
}

// The character a key gives without the keyboard's text: letters, digits, Space and the keys that type a
// control character.
std::u32string CharsOfVirtualKey(uint16_t vk)
{
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    const bool ctrl = GetKeyState(VK_CONTROL) < 0;
    if (vk >= 'A' && vk <= 'Z') {
        if (ctrl)
            return std::u32string(1, static_cast<char32_t>(vk - 'A' + 1));
        return std::u32string(1, static_cast<char32_t>(shift ? vk : vk - 'A' + 'a'));
    }
    if (ctrl)
        return {};
    if ((vk >= '0' && vk <= '9') || vk == VK_SPACE || vk == VK_BACK || vk == VK_TAB || vk == VK_RETURN ||
        vk == VK_ESCAPE)
        return std::u32string(1, static_cast<char32_t>(vk));
    return {};
}

} // namespace

bool InputIsQueued()
{
    return waitingLoops > 0;
}

void QueueInput(const TMsg& msg, std::u32string chars, uint32_t charMessage)
{
    const bool captured = msg.message >= WM_MOUSEMOVE && msg.message <= WM_MBUTTONDBLCLK && msg.hwnd &&
                          msg.hwnd == GetCapture();
    Enqueue(TQueuedMessage{msg, std::move(chars), charMessage, captured}, false);
}

bool MessagesQueued()
{
    return !Queue().empty();
}

unsigned QueueLooks()
{
    return queueLooks;
}

void NoteMessageFetched(TMsg& msg, unsigned peekFlags)
{
    lastMessagePos = msg.pt;
    CallHooks(WH_GETMESSAGE, HC_ACTION, peekFlags & PM_REMOVE, reinterpret_cast<LPARAM>(&msg));
}

bool PostMessage(HWND window, uint32_t msg, WPARAM wParam, LPARAM lParam)
{
    if (window && !IsWindow(window))
        return false;
    TPoint pos;
    GetCursorPos(pos);
    Enqueue(TQueuedMessage{TMsg{window, msg, wParam, lParam, 0, pos}, {}, 0}, false);
    return true;
}

void PostQuitMessage(int exitCode)
{
    PostMessage(nullptr, WM_QUIT, static_cast<WPARAM>(exitCode), 0);
}

bool PeekMessage(TMsg& msg, HWND window, uint32_t first, uint32_t last, unsigned flags)
{
    ++queueLooks;
    if (HaveEventLoop())
        PumpEvents(false);
    return TakeMessage(msg, window, first, last, flags);
}

int GetMessage(TMsg& msg, HWND window, uint32_t first, uint32_t last)
{
    if (window && !IsWindow(window))
        return -1;
    while (!PeekMessage(msg, window, first, last, PM_REMOVE))
        if (!WaitForArrival(std::nullopt))
            return -1;
    return msg.message == WM_QUIT ? 0 : 1;
}

void WaitMessage()
{
    WaitForArrival(std::nullopt);
}

uint32_t MsgWaitForMultipleObjects(uint32_t count, const void*, bool, uint32_t milliseconds, uint32_t)
{
    if (count != 0)
        return WAIT_FAILED;
    const std::optional<int> limit =
        milliseconds == INFINITE ? std::nullopt : std::optional<int>(static_cast<int>(milliseconds));
    return WaitForArrival(limit) ? WAIT_OBJECT_0 + count : WAIT_TIMEOUT;
}

bool TranslateMessage(const TMsg& msg)
{
    if (!IsKeyDown(msg.message))
        return false;
    std::u32string chars;
    uint32_t charMessage = msg.message == WM_SYSKEYDOWN ? WM_SYSCHAR : WM_CHAR;
    auto& taken = TakenKeyDowns();
    auto it = std::find_if(taken.begin(), taken.end(),
                           [&](const TQueuedMessage& entry) { return SameMessage(entry.msg, msg); });
    // A key-down the keyboard made knows its characters; one the program posted has none of its own.
    const bool typed = it != taken.end() && it->charMessage != 0;
    if (typed) {
        chars = it->chars;
        charMessage = it->charMessage;
    } else {
        chars = CharsOfVirtualKey(static_cast<uint16_t>(msg.wParam));
    }
    if (it != taken.end())
        taken.erase(it);
    // The characters come next, before anything else queued, in the order typed.
    for (auto ch = chars.rbegin(); ch != chars.rend(); ++ch)
        Enqueue(TQueuedMessage{TMsg{msg.hwnd, charMessage, *ch, msg.lParam, 0, msg.pt}, {}, 0}, true);
    return true;
}

LRESULT DispatchMessage(const TMsg& msg)
{
    TMsg copy = msg;
    lastMessagePos = msg.pt;
    LRESULT result = 0;
    DispatchInput(copy, &result);
    return result;
}

uint32_t GetMessagePos()
{
    return static_cast<uint32_t>(MAKELPARAM(lastMessagePos.X, lastMessagePos.Y));
}
