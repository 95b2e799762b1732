#pragma once

#include "controls/toolbars/item_classes.h"
#include "platform/gui/forms/menus.h"

// A popup menu that the program treats like any popup menu (a control's PopupMenu, a form's shortcuts), whose
// entries are an item tree shown by the framework's own popup windows and modal loop. Its own OnPopup fires
// each time it opens.

using TBarRootItemClass = TClassReference<TBarRootItem, TComponent*>;

class TBarPopupMenu : public TPopupMenu, public ITBItems
{
public:
    // rootItemClass: the class of the root item (a descendant's menus hold trees of their own kind).
    explicit TBarPopupMenu(TComponent* owner,
                           const TBarRootItemClass& rootItemClass = TBarRootItemClass::Of<TBarRootItem>());
    ~TBarPopupMenu() override;

    // The entries. (TMenu::Items, the desktop menu's items, are not shown by this menu.)
    TBarRootItem* Items() const { return FItem; }
    // The images of the entries: the root item's SubMenuImages.
    TCustomImageList* Images() const { return FItem->SubMenuImages(); }
    void SetImages(TCustomImageList* value) { FItem->SetSubMenuImages(value); }
    TBarCustomItem* LinkSubitems() const { return FItem->LinkSubitems(); }
    void SetLinkSubitems(TBarCustomItem* value) { FItem->SetLinkSubitems(value); }
    TBarItemOptions Options() const { return FItem->Options(); }
    void SetOptions(TBarItemOptions value) { FItem->SetOptions(value); }

    // Shows the menu at a screen point; the chosen entry is clicked once the menu has closed.
    void Popup(int x, int y) override;
    // The same, answering the chosen entry (nullptr when cancelled); with returnClickedItemOnly it is not
    // clicked.
    TBarCustomItem* PopupEx(int x, int y, bool returnClickedItemOnly);
    // The entry whose shortcut the key message gives runs, also while the menu is closed.
    bool IsShortCut(const TMessage& message) override;
    TBarCustomItem* GetItems() override { return FItem; }

private:
    TBarRootItem* FItem;
};
