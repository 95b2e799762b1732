#include "platform/gui/forms/system_menu_popup.h"

#include "platform/gui/forms/menus.h"
#include "platform/gui/windows/system_menu.h"
#include "platform/gui/windows/window_functions.h"

namespace {

TMenuItem* ItemForEntry(TPopupMenu& popup, HMENU menu, unsigned position, HWND window)
{
    MENUITEMINFO info;
    info.fMask = MIIM_TYPE | MIIM_STATE | MIIM_ID;
    if (!GetMenuItemInfo(menu, position, true, info))
        return nullptr;
    auto* item = new TMenuItem(&popup);
    if (info.fType & MFT_SEPARATOR) {
        item->SetCaption("-");
        return item;
    }
    item->SetCaption(info.text);
    item->SetEnabled(!(info.fState & MFS_GRAYED));
    item->SetChecked(info.fState & MFS_CHECKED);
    item->SetDefault(info.fState & MFS_DEFAULT);
    const unsigned command = info.wID;
    item->OnClick = [window, command](TObject*) {
        if (IsWindow(window))
            SendMessage(window, WM_SYSCOMMAND, command, 0);
    };
    return item;
}

} // namespace

bool PopupSystemMenu(HWND window, TPoint screenPos)
{
    HMENU menu = GetSystemMenu(window, false);
    if (!menu)
        return false;
    TPopupMenu popup(nullptr);
    for (int i = 0; i < GetMenuItemCount(menu); ++i)
        if (TMenuItem* item = ItemForEntry(popup, menu, static_cast<unsigned>(i), window))
            popup.Items()->Add(item);
    popup.Popup(screenPos.X, screenPos.Y);
    return true;
}

bool PopupSystemMenu(HWND window)
{
    TRect bounds;
    if (!GetWindowRect(window, bounds))
        return false;
    return PopupSystemMenu(window, bounds.TopLeft());
}
