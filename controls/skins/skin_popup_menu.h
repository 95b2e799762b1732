#pragma once

#include "controls/skins/skin_item_events.h"
#include "controls/toolbars/popup_menu.h"

// The skinned popup menu: a framework popup menu whose entries are skinned items under a skinned root, shown
// in skinned popup windows. It can open below the control that asked for it (a button's drop-down) and tells
// that control, and the control's children, when it has closed.

class TControl;
class TQvRootItem;
class TWinControl;

// How skinned buttons open their drop-down menus.
class IQvPopupMenu
{
public:
    virtual ~IQvPopupMenu() = default;
    // Opens the menu below popupControl (at x, y without one) and runs it until it closes; forceFocus is not
    // used. Answers true.
    virtual bool RunPopup(int x, int y, bool forceFocus, TControl* popupControl) = 0;
};

class TQvPopupMenu : public TBarPopupMenu, public IQvPopupMenu
{
public:
    explicit TQvPopupMenu(TComponent* owner);

    TQvRootItem* Items() const;

    // The platform calls it for context menus and the tray icon: PopupEx(x, y).
    void Popup(int x, int y) override;
    bool RunPopup(int x, int y, bool forceFocus, TControl* popupControl) override;
    // Runs the menu and answers the chosen entry (nullptr when cancelled); with returnClickedItemOnly the
    // entry is not clicked.
    virtual TBarCustomItem* PopupEx(int x, int y, TControl* popupControl = nullptr,
                                    bool returnClickedItemOnly = false);

    // The entries are laid out as toolbar buttons.
    bool ToolBoxPopup() const { return FToolBoxPopup; }
    void SetToolBoxPopup(bool value) { FToolBoxPopup = value; }

    // Kept in the root item: OnInitPopup fires once the menu's window shows, OnClosePopup as it goes.
    const TQvPopupEvent& OnInitPopup() const;
    void SetOnInitPopup(TQvPopupEvent handler);
    const TNotifyEvent& OnClosePopup() const;
    void SetOnClosePopup(TNotifyEvent handler);

private:
    // The windowed control to tell once the menu has closed, or nullptr.
    static TWinControl* NotificationTarget(TControl* popupControl);
    void NotifyPopupClosed(TWinControl* target);

    TBarCustomItem* FClickedItem = nullptr; // the entry chosen in the last popup, or nullptr
    bool FReturnClickedItemOnly = false;    // true only while PopupEx runs
    bool FToolBoxPopup = false;
};
