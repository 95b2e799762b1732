#include "platform/gui/windows/system_menu.h"

#include "platform/gui/windows/window_functions.h"

#include <map>
#include <optional>
#include <vector>

namespace {

struct TMenuEntry
{
    unsigned type = MFT_STRING;
    unsigned state = MFS_ENABLED;
    unsigned id = 0;
    std::string text;
};

struct TMenuData
{
    HWND window = nullptr; // the window whose menu this is
    std::vector<TMenuEntry> entries;
    // Set once the caller changed an entry: until then the menu follows the window's style as it changes.
    bool changed = false;
};

std::map<HMENU, TMenuData>& Menus()
{
    static std::map<HMENU, TMenuData> menus;
    return menus;
}

std::map<HWND, HMENU>& SystemMenus()
{
    static std::map<HWND, HMENU> menus;
    return menus;
}

uintptr_t nextMenu = 0x1000;

// Menus of windows that are gone go with them.
void ForgetMenusOfLostWindows()
{
    for (auto it = SystemMenus().begin(); it != SystemMenus().end();) {
        if (IsWindow(it->first)) {
            ++it;
            continue;
        }
        Menus().erase(it->second);
        it = SystemMenus().erase(it);
    }
}

TMenuData* FindMenu(HMENU menu)
{
    auto it = Menus().find(menu);
    if (it == Menus().end() || !IsWindow(it->second.window))
        return nullptr;
    return &it->second;
}

TMenuEntry* FindEntry(HMENU menu, unsigned item, bool byPosition)
{
    TMenuData* data = FindMenu(menu);
    if (!data)
        return nullptr;
    if (byPosition)
        return item < data->entries.size() ? &data->entries[item] : nullptr;
    for (TMenuEntry& entry : data->entries)
        if (entry.type != MFT_SEPARATOR && entry.id == item)
            return &entry;
    return nullptr;
}

bool HasSystemMenu(HWND window)
{
    const auto style = static_cast<uint32_t>(GetWindowLong(window, GWL_STYLE));
    return IsWindow(window) && !(style & WS_CHILD) && (style & WS_SYSMENU);
}

// The standard entries a window of this style has.
std::vector<TMenuEntry> StandardEntries(uint32_t style)
{
    const bool boxes = style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
    std::vector<TMenuEntry> entries;
    if (boxes)
        entries.push_back({MFT_STRING, MFS_ENABLED, SC_RESTORE, "&Restore"});
    entries.push_back({MFT_STRING, MFS_ENABLED, SC_MOVE, "&Move"});
    if (style & WS_THICKFRAME)
        entries.push_back({MFT_STRING, MFS_ENABLED, SC_SIZE, "&Size"});
    if (style & WS_MINIMIZEBOX)
        entries.push_back({MFT_STRING, MFS_ENABLED, SC_MINIMIZE, "Mi&nimize"});
    if (style & WS_MAXIMIZEBOX)
        entries.push_back({MFT_STRING, MFS_ENABLED, SC_MAXIMIZE, "Ma&ximize"});
    entries.push_back({MFT_SEPARATOR, MFS_ENABLED, 0, ""});
    entries.push_back({MFT_STRING, MFS_DEFAULT, SC_CLOSE, "&Close\tAlt+F4"});
    return entries;
}

// Whether a standard command can run in the window's show state (SW_SHOWNORMAL, SW_SHOWMINIMIZED or
// SW_SHOWMAXIMIZED); Close and commands of the caller's own are not the state's business.
std::optional<bool> AvailableInState(unsigned id, unsigned showCmd)
{
    const bool minimized = showCmd == SW_SHOWMINIMIZED;
    const bool maximized = showCmd == SW_SHOWMAXIMIZED;
    switch (id) {
    case SC_RESTORE:
        return minimized || maximized;
    case SC_MOVE:
    case SC_SIZE:
        return !minimized && !maximized;
    case SC_MINIMIZE:
        return !minimized;
    case SC_MAXIMIZE:
        return !maximized;
    default:
        return std::nullopt;
    }
}

void UpdateStates(TMenuData& data)
{
    WINDOWPLACEMENT placement;
    if (!GetWindowPlacement(data.window, placement))
        return;
    for (TMenuEntry& entry : data.entries) {
        if (entry.type == MFT_SEPARATOR)
            continue;
        if (const std::optional<bool> available = AvailableInState(entry.id, placement.showCmd))
            entry.state = *available ? (entry.state & ~MFS_GRAYED) : (entry.state | MFS_GRAYED);
    }
}

} // namespace

HMENU GetSystemMenu(HWND window, bool revert)
{
    ForgetMenusOfLostWindows();
    if (!HasSystemMenu(window))
        return nullptr;
    HMENU& menu = SystemMenus()[window];
    if (!menu)
        menu = reinterpret_cast<HMENU>(nextMenu++);
    TMenuData& data = Menus()[menu];
    if (revert || !data.changed) {
        data.window = window;
        data.changed = false;
        data.entries = StandardEntries(static_cast<uint32_t>(GetWindowLong(window, GWL_STYLE)));
    }
    UpdateStates(data);
    return menu;
}

bool IsMenu(HMENU menu)
{
    return FindMenu(menu) != nullptr;
}

int GetMenuItemCount(HMENU menu)
{
    const TMenuData* data = FindMenu(menu);
    return data ? static_cast<int>(data->entries.size()) : -1;
}

bool GetMenuItemInfo(HMENU menu, unsigned item, bool byPosition, MENUITEMINFO& info)
{
    const TMenuEntry* entry = FindEntry(menu, item, byPosition);
    if (!entry)
        return false;
    if (info.fMask & (MIIM_TYPE | MIIM_FTYPE))
        info.fType = entry->type;
    if (info.fMask & (MIIM_TYPE | MIIM_STRING))
        info.text = entry->text;
    if (info.fMask & MIIM_STATE)
        info.fState = entry->state;
    if (info.fMask & MIIM_ID)
        info.wID = entry->id;
    if (info.fMask & MIIM_SUBMENU)
        info.hSubMenu = nullptr; // the standard entries have no submenus
    return true;
}

std::string GetMenuString(HMENU menu, unsigned item, unsigned flags)
{
    const TMenuEntry* entry = FindEntry(menu, item, flags & MF_BYPOSITION);
    return entry ? entry->text : std::string();
}

int EnableMenuItem(HMENU menu, unsigned item, unsigned flags)
{
    TMenuEntry* entry = FindEntry(menu, item, flags & MF_BYPOSITION);
    if (!entry)
        return -1;
    const int previous = (entry->state & MFS_GRAYED) ? MF_GRAYED : MF_ENABLED;
    FindMenu(menu)->changed = true;
    entry->state = (entry->state & ~MFS_GRAYED) | ((flags & (MF_GRAYED | MF_DISABLED)) ? MFS_GRAYED : 0);
    return previous;
}

HWND GetMenuWindow(HMENU menu)
{
    const TMenuData* data = FindMenu(menu);
    return data ? data->window : nullptr;
}
