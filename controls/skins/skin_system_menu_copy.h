#pragma once

#include "platform/gui/core/classes.h"
#include "platform/gui/windows/system_menu.h"

#include <string>

// Items made from a window's menu: the entries of a platform menu copied into skinned items, and a form's
// window menu as the compound title bar offers it.

class TBarCustomItem;
class TCustomForm;

// The text of the entry at position, accelerator marks and shortcut text included; empty for none.
std::string GetMenuItemText(HMENU menu, int position);
// A skinned item for every entry of menu, appended to parentItem: separators, submenus (without their
// entries) and commands with their text, command id in Tag, enabled, checked and default state. False for
// no parent item or no menu.
bool CopyMenuItems(HMENU menu, TBarCustomItem* parentItem);
// The form's window menu copied into item, every entry clicking onClick and shown, enabled and given its
// caption glyph as the form's state and the Show flags say. False when the form has no window menu.
bool FillSystemMenuItems(TCustomForm* form, TBarCustomItem* item, bool showSize, bool showMinimize,
                         bool showMaximize, bool showClose, const TNotifyEvent& onClick);
