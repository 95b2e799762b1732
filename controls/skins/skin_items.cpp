#include "controls/skins/skin_items.h"

TQvSubmenuItem::TQvSubmenuItem(TComponent* owner) : TQvItem(owner)
{
    FItemStyle += {tbisSubmenu, tbisSubitemsEditable};
}

void TQvSubmenuItem::SetDropdownCombo(bool value)
{
    if (value == DropdownCombo())
        return;
    if (value)
        FItemStyle.Include(tbisCombo);
    else
        FItemStyle.Exclude(tbisCombo);
    Change(true);
}

void TQvSubmenuItem::SetToolBoxPopup(bool value)
{
    FToolBoxPopup = value;
    ApplyToolBoxPopupOption(*this, value);
}

void TQvRootItem::DoPopupVisibilityChanged(TBarPopupWindow* popupWindow, bool isVisible)
{
    FirePopupVisibilityChanged(this, popupWindow, isVisible, OnInitPopup, OnClosePopup);
}

void TQvRootItem::SetToolBoxPopup(bool value)
{
    FToolBoxPopup = value;
    ApplyToolBoxPopupOption(*this, value);
}
