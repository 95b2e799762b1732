#pragma once

#include "controls/skins/skin_custom_item.h"
#include "controls/toolbars/item_classes.h"

// The skinned items that windows build their menus and bars of: commands, submenus, separators, and the
// root item of skinned toolbars and popup menus. Skinned viewers measure and paint them, and their children
// pop up in skinned popup windows.

class TQvItem : public TQvCustomItem
{
public:
    using TQvCustomItem::TQvCustomItem;
};

class TQvSubmenuItem : public TQvItem
{
public:
    explicit TQvSubmenuItem(TComponent* owner);

    // A split item: a button part and an arrow that opens the submenu.
    bool DropdownCombo() const { return FItemStyle.Contains(tbisCombo); }
    void SetDropdownCombo(bool value);
    // The popup window shows no empty submenu.
    bool HideEmptyPopup() const { return FHideEmptyPopup; }
    void SetHideEmptyPopup(bool value) { FHideEmptyPopup = value; }
    // Also sets toolbar style in Options (or takes it out), whether or not the flag changes.
    void SetToolBoxPopup(bool value);

private:
    bool FHideEmptyPopup = false;
};

class TQvSeparatorItem : public TBarSeparatorItem
{
public:
    using TBarSeparatorItem::TBarSeparatorItem;
    TBarItemViewerClass GetItemViewerClass(TBarView* view) override;
};

class TQvRootItem : public TBarRootItem
{
public:
    using TBarRootItem::TBarRootItem;

    virtual void DoPopupVisibilityChanged(TBarPopupWindow* popupWindow, bool isVisible);
    // The skinned popup window (skin_popup_window.cpp).
    TBarPopupWindowClass GetPopupWindowClass() override;
    bool ToolBoxPopup() const { return FToolBoxPopup; }
    // Also sets toolbar style in Options (or takes it out).
    void SetToolBoxPopup(bool value);

    TQvPopupEvent OnInitPopup;
    TNotifyEvent OnClosePopup;

private:
    bool FToolBoxPopup = false;
};
