#include "platform/gui/windows/accessibility.h"

#include "platform/gui/qt/accessible_bridge.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {

std::vector<std::pair<int, TAccessibleResolver>>& Resolvers()
{
    static std::vector<std::pair<int, TAccessibleResolver>> resolvers;
    return resolvers;
}

std::vector<std::pair<int, TAccessibleEventListener>>& Listeners()
{
    static std::vector<std::pair<int, TAccessibleEventListener>> listeners;
    return listeners;
}

int nextToken = 1;

} // namespace

int AddAccessibleResolver(TAccessibleResolver resolver)
{
    Resolvers().emplace_back(nextToken, std::move(resolver));
    return nextToken++;
}

void RemoveAccessibleResolver(int token)
{
    std::erase_if(Resolvers(), [token](const auto& entry) { return entry.first == token; });
}

std::shared_ptr<IAccessibleObject> AccessibleObjectOfWindow(HWND window)
{
    if (!window)
        return nullptr;
    const auto resolvers = Resolvers();
    for (const auto& [token, resolver] : resolvers)
        if (std::shared_ptr<IAccessibleObject> object = resolver(window))
            return object;
    return nullptr;
}

void NotifyAccessibleEvent(uint32_t event, HWND window, int childId)
{
    const auto listeners = Listeners();
    for (const auto& [token, listener] : listeners)
        listener(event, window, childId);
    SendAccessibleEvent(event, window, childId);
}

int AddAccessibleEventListener(TAccessibleEventListener listener)
{
    Listeners().emplace_back(nextToken, std::move(listener));
    return nextToken++;
}

void RemoveAccessibleEventListener(int token)
{
    std::erase_if(Listeners(), [token](const auto& entry) { return entry.first == token; });
}
