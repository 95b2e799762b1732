#include "platform/gui/windows/hooks.h"

#include <algorithm>
#include <memory>
#include <vector>

struct THookEntry
{
    int kind;
    HOOKPROC proc;
};

namespace {

// Oldest first; entries removed while hooks run stay alive until the run ends.
std::vector<std::shared_ptr<THookEntry>>& Hooks()
{
    static std::vector<std::shared_ptr<THookEntry>> hooks;
    return hooks;
}

// The hook of the same kind installed before position; nullptr for none.
std::shared_ptr<THookEntry> OlderHook(int kind, const THookEntry* before)
{
    auto& hooks = Hooks();
    auto it = hooks.end();
    if (before)
        it = std::find_if(hooks.begin(), hooks.end(), [before](const auto& h) { return h.get() == before; });
    while (it != hooks.begin()) {
        --it;
        if ((*it)->kind == kind)
            return *it;
    }
    return nullptr;
}

} // namespace

HHOOK SetWindowsHookEx(int idHook, HOOKPROC proc)
{
    auto entry = std::make_shared<THookEntry>(THookEntry{idHook, std::move(proc)});
    Hooks().push_back(entry);
    return entry.get();
}

bool UnhookWindowsHookEx(HHOOK hook)
{
    auto& hooks = Hooks();
    auto it = std::find_if(hooks.begin(), hooks.end(), [hook](const auto& h) { return h.get() == hook; });
    if (it == hooks.end())
        return false;
    hooks.erase(it);
    return true;
}

LRESULT CallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam)
{
    if (!hook)
        return 0;
    const std::shared_ptr<THookEntry> next = OlderHook(hook->kind, hook);
    return next ? next->proc(code, wParam, lParam) : 0;
}

LRESULT CallHooks(int idHook, int code, WPARAM wParam, LPARAM lParam)
{
    const std::shared_ptr<THookEntry> newest = OlderHook(idHook, nullptr);
    return newest ? newest->proc(code, wParam, lParam) : 0;
}
