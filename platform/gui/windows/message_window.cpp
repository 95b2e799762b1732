#include "platform/gui/windows/message_window.h"

#include "platform/gui/windows/win_control.h"

namespace {

// A window that is never shown and hands every message to its method.
class TMessageWindow : public TWinControl
{
public:
    explicit TMessageWindow(TWndMethod method) : TWinControl(nullptr), method_(std::move(method)) {}

    void WndProc(TMessage& message) override
    {
        if (method_)
            method_(message);
    }

private:
    TWndMethod method_;
};

} // namespace

HWND AllocateHWnd(TWndMethod method)
{
    auto* window = new TMessageWindow(std::move(method));
    return window->Handle();
}

void DeallocateHWnd(HWND window)
{
    if (auto* messageWindow = dynamic_cast<TMessageWindow*>(TWinControl::FromHandle(window)))
        delete messageWindow;
}
