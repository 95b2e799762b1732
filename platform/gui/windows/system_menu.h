#pragma once

#include "platform/gui/windows/messages.h"
// The menu's states follow the window's placement state; its users read both.
#include "platform/gui/windows/window_placement.h"

#include <string>

// The window menu of a top-level window (its "system menu"): the standard commands Restore, Move, Size,
// Minimize, Maximize and Close, each carrying its WM_SYSCOMMAND id (SC_*). A window gets its own copy the
// first time it is asked for; the caller may change that copy (EnableMenuItem) and read it back entry by
// entry, as the classic menu functions do. The copy lives as long as its window.
//
// Which entries the menu has follows the window's style: a window without minimize and maximize boxes has
// only Move, Size and Close; Size is there only with a sizing border (WS_THICKFRAME). Whenever the menu is
// handed out (GetSystemMenu, and before it pops up) the entries of the window's state are set again:
// normal: Restore greyed; minimized: Move, Size and Minimize greyed; maximized: Move, Size and Maximize
// greyed. Close keeps whatever state the caller gave it.

struct TMenuHandle__;
// A menu: a list of entries, each a command, a separator or a submenu. Handles are never reused.
using HMENU = TMenuHandle__*;

// Flags of the classic menu functions: how an entry is named (by its command id or by its position) and
// the states an entry may have.
constexpr unsigned MF_BYCOMMAND = 0x0000;
constexpr unsigned MF_BYPOSITION = 0x0400;
constexpr unsigned MF_ENABLED = 0x0000;
constexpr unsigned MF_GRAYED = 0x0001;
constexpr unsigned MF_DISABLED = 0x0002;
constexpr unsigned MF_CHECKED = 0x0008;
constexpr unsigned MF_SEPARATOR = 0x0800;

// MENUITEMINFO: fMask says which fields GetMenuItemInfo fills.
constexpr unsigned MIIM_STATE = 0x0001;
constexpr unsigned MIIM_ID = 0x0002;
constexpr unsigned MIIM_SUBMENU = 0x0004;
constexpr unsigned MIIM_TYPE = 0x0010;
constexpr unsigned MIIM_STRING = 0x0040;
constexpr unsigned MIIM_FTYPE = 0x0100;
// fType.
constexpr unsigned MFT_STRING = 0x0000;
constexpr unsigned MFT_SEPARATOR = 0x0800;
// fState. Greyed and disabled are one state, as on the classic platform.
constexpr unsigned MFS_ENABLED = 0x0000;
constexpr unsigned MFS_GRAYED = 0x0003;
constexpr unsigned MFS_DISABLED = MFS_GRAYED;
constexpr unsigned MFS_CHECKED = 0x0008;
constexpr unsigned MFS_DEFAULT = 0x1000;

struct MENUITEMINFO
{
    unsigned cbSize = sizeof(MENUITEMINFO);
    unsigned fMask = 0;
    unsigned fType = MFT_STRING;
    unsigned fState = MFS_ENABLED;
    unsigned wID = 0;
    HMENU hSubMenu = nullptr;
    // With MIIM_TYPE or MIIM_STRING: the entry's text, shortcut text after a tab (empty for a separator).
    std::string text;
};

// The window's menu: its own copy, made from the standard menu the first time. With revert, the copy is
// made afresh from the standard menu (changes to it are lost) and answered. nullptr when window is no
// top-level window or has no WS_SYSMENU in its style.
HMENU GetSystemMenu(HWND window, bool revert);
// True while menu is the menu of a window that still exists.
bool IsMenu(HMENU menu);
// The number of entries; -1 for no menu.
int GetMenuItemCount(HMENU menu);
// Reads the entry named by item (a position when byPosition, else a command id) into info, the fields
// fMask asks for. False when there is no such entry.
bool GetMenuItemInfo(HMENU menu, unsigned item, bool byPosition, MENUITEMINFO& info);
// The text of an entry (flags MF_BYPOSITION or MF_BYCOMMAND), "&" marks and the shortcut text after a tab
// included; empty for a separator or no entry.
std::string GetMenuString(HMENU menu, unsigned item, unsigned flags);
// Sets an entry MF_ENABLED, MF_GRAYED or MF_DISABLED (flags with MF_BYPOSITION or MF_BYCOMMAND); answers
// its previous state (MF_ENABLED or MF_GRAYED), or -1 when there is no such entry.
int EnableMenuItem(HMENU menu, unsigned item, unsigned flags);
// The window the menu belongs to; nullptr for no menu.
HWND GetMenuWindow(HMENU menu);

// The window system's handling of a WM_SYSCOMMAND command (its wParam): SC_CLOSE sends WM_CLOSE;
// SC_MINIMIZE, SC_MAXIMIZE and SC_RESTORE change the show state; SC_MOVE and SC_SIZE (its low four bits
// naming the border, WMSZ_*) let the user move or size the window with the pointer where the window
// system offers that. False for other commands.
bool DefaultSystemCommand(HWND window, WPARAM command);
