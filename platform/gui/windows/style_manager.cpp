#include "platform/gui/windows/style_manager.h"

#include "platform/gui/windows/desktop_changes.h"

#include "platform/gui/windows/hooks.h"
#include "platform/gui/windows/win_control.h"

#include <map>
#include <unordered_map>

namespace {

struct TRegisteredHook
{
    std::type_index hookClass;
    std::function<std::unique_ptr<TStyleHook>(TWinControl*)> make;
};

struct TStyleState
{
    TSystemStyleServices system;
    TCustomStyleServices* active = &system;
    std::unordered_map<std::type_index, TRegisteredHook> registered; // by control class
    std::map<HWND, std::unique_ptr<TStyleHook>> live;                // by the hooked control's window
    HHOOK destroyWatch = nullptr;                                    // drops the hook of a window that goes
};

TStyleState& State()
{
    static TStyleState state;
    return state;
}

void WatchDestroyedWindows()
{
    TStyleState& state = State();
    if (state.destroyWatch)
        return;
    state.destroyWatch = SetWindowsHookEx(WH_CBT, [](int code, WPARAM wParam, LPARAM lParam) {
        if (code == HCBT_DESTROYWND)
            State().live.erase(reinterpret_cast<HWND>(wParam));
        return CallNextHookEx(State().destroyWatch, code, wParam, lParam);
    });
}

// The control's hook, made on its first message; nullptr when its class has none.
TStyleHook* HookOf(TWinControl& control)
{
    TStyleState& state = State();
    const HWND window = control.Handle();
    if (auto it = state.live.find(window); it != state.live.end())
        return it->second.get();
    const auto registered = state.registered.find(typeid(control));
    if (registered == state.registered.end())
        return nullptr;
    WatchDestroyedWindows();
    return state.live.emplace(window, registered->second.make(&control)).first->second.get();
}

// The hooks of the controls of a class go; the controls paint themselves again.
void DropLiveHooks(std::type_index controlClass)
{
    std::erase_if(State().live, [&](const auto& entry) {
        TWinControl* control = entry.second->Control();
        if (std::type_index(typeid(*control)) != controlClass)
            return false;
        control->Invalidate();
        return true;
    });
}

} // namespace

TCustomStyleServices& TStyleManager::ActiveStyle()
{
    return *State().active;
}

TCustomStyleServices& TStyleManager::SystemStyle()
{
    return State().system;
}

void TStyleManager::SetStyle(TCustomStyleServices* style)
{
    TStyleState& state = State();
    TCustomStyleServices* next = style ? style : &state.system;
    if (next == state.active)
        return;
    state.active = next;
    state.live.clear();
    // Every control hears of the new style (CM_STYLECHANGED) and every window repaints.
    DesktopChanged(TDesktopChange::Style);
}

bool TStyleManager::IsCustomStyleActive()
{
    return !ActiveStyle().IsSystemStyle() && ActiveStyle().Enabled();
}

void TStyleManager::RegisterStyleHook(std::type_index controlClass, std::type_index hookClass,
                                      THookFactory factory)
{
    DropLiveHooks(controlClass);
    State().registered.insert_or_assign(controlClass, TRegisteredHook{hookClass, std::move(factory)});
}

void TStyleManager::UnRegisterStyleHook(std::type_index controlClass, std::type_index hookClass)
{
    TStyleState& state = State();
    const auto it = state.registered.find(controlClass);
    if (it == state.registered.end() || it->second.hookClass != hookClass)
        return;
    state.registered.erase(it);
    DropLiveHooks(controlClass);
}

bool TStyleManager::HandleMessage(TWinControl& control, TMessage& message)
{
    if (State().registered.empty() || !control.HandleAllocated() ||
        control.ComponentState().Contains(csDestroying) || !IsCustomStyleActive())
        return false;
    TStyleHook* hook = HookOf(control);
    return hook && hook->HandleMessage(message);
}
