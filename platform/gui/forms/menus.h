#pragma once

#include "platform/gui/core/classes.h"
#include "platform/gui/windows/control.h"
#include "platform/gui/windows/keys.h"
#include "platform/gui/windows/messages.h"
#include "support/basic_types.h"

#include <memory>
#include <string>
#include <vector>

// Menus of the class library: a tree of menu items under a menu component. A popup menu shows its tree at a
// screen point in the desktop's own menu window (keyboard navigation, "&" accelerators, submenus, Esc
// closes) and runs the chosen item's OnClick after the menu has closed. A form offers every key to the
// shortcuts of the menus it owns before its action lists see the key.

class TBasicAction;
class TCustomImageList;
class TControl;
class TMenu;
class TMenuActionLink;

class TMenuItem : public TComponent
{
public:
    explicit TMenuItem(TComponent* owner);
    // Frees the item's own items and takes it out of its parent.
    ~TMenuItem() override;

    // "&" marks the accelerator ("&&" is a literal ampersand); "-" makes the item a separator line; text
    // after a tab is shown in the shortcut column.
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& value) { caption_ = value; }
    TShortCut ShortCut() const { return shortCut_; }
    void SetShortCut(TShortCut value) { shortCut_ = value; }
    bool Checked() const { return checked_; }
    // Checking a radio item unchecks the radio items of its group among its siblings.
    void SetChecked(bool value);
    bool RadioItem() const { return radioItem_; }
    void SetRadioItem(bool value);
    uint8_t GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(uint8_t value);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value) { enabled_ = value; }
    bool Visible() const { return visible_; }
    void SetVisible(bool value) { visible_ = value; }
    // The default item is shown in bold.
    bool Default() const { return default_; }
    void SetDefault(bool value) { default_ = value; }
    // An image of the menu's Images; -1 for none.
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int value) { imageIndex_ = value; }
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& value) { hint_ = value; }

    // A linked action lends the item its caption, checked and enabled state, hint, image, shortcut and
    // visibility, and Click executes it when the item has no OnClick of its own.
    TBasicAction* Action() const;
    void SetAction(TBasicAction* action);
    // Lets the linked action update itself (before the item is shown or its shortcut runs).
    void InitiateAction();

    // --- the tree ---
    int Count() const { return static_cast<int>(items_.size()); }
    TMenuItem* Items(int index) const;
    TMenuItem* Parent() const { return parent_; }
    // The item's index in its parent, -1 without one.
    int MenuIndex() const;
    void Add(TMenuItem* item);
    void Insert(int index, TMenuItem* item);
    // Takes an item out of this one without freeing it.
    void Delete(int index);
    void Remove(TMenuItem* item);
    // Frees every item of this one.
    void Clear();
    int IndexOf(const TMenuItem* item) const;
    // The item whose caption without accelerator marks equals caption (ignoring case); nullptr when none.
    TMenuItem* Find(const std::string& caption) const;
    bool IsLine() const { return caption_ == "-"; }
    // The menu the item's tree belongs to; nullptr for a tree without one.
    TMenu* GetParentMenu() const;

    // Runs OnClick, else the linked action; nothing while disabled.
    virtual void Click();

    TNotifyEvent OnClick;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TMenu;
    friend class TMenuActionLink;
    void ActionChange(TBasicAction* sender);
    void UncheckRadioSiblings();

    std::string caption_;
    TShortCut shortCut_ = 0;
    bool checked_ = false;
    bool radioItem_ = false;
    uint8_t groupIndex_ = 0;
    bool enabled_ = true;
    bool visible_ = true;
    bool default_ = false;
    int imageIndex_ = -1;
    std::string hint_;
    std::vector<TMenuItem*> items_;
    TMenuItem* parent_ = nullptr;
    TMenu* menu_ = nullptr; // set on a menu's root item
    std::unique_ptr<TMenuActionLink> actionLink_;
};

class TMenu : public TComponent
{
public:
    explicit TMenu(TComponent* owner);
    ~TMenu() override;

    // The root item; its items are the menu's entries.
    TMenuItem* Items() const { return items_; }
    TCustomImageList* Images() const { return images_; }
    void SetImages(TCustomImageList* images);

    // The enabled item (searched depth first) whose shortcut the key message (WM_KEYDOWN/CN_KEYDOWN) gives:
    // the submenus above it are clicked from the top down (their OnClick is where a submenu fills itself),
    // then the item. True when an item ran.
    virtual bool IsShortCut(const TMessage& message);
    // The item with the given shortcut, nullptr when none.
    TMenuItem* FindItemByShortCut(TShortCut shortCut) const;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    TMenuItem* items_;
    TCustomImageList* images_ = nullptr;
};

enum TPopupAlignment
{
    paLeft,
    paRight,
    paCenter
};

enum TTrackButton
{
    tbRightButton,
    tbLeftButton
};

class TPopupMenu : public TMenu, public IPopupMenu
{
public:
    explicit TPopupMenu(TComponent* owner);
    ~TPopupMenu() override;

    // Shows the menu at a screen point: PopupPoint is set, DoPopup fires OnPopup, linked actions update, the
    // menu runs until an item is chosen or it is cancelled, and then the chosen item is clicked. A menu
    // without a visible item shows nothing.
    virtual void Popup(int x, int y);
    TPoint PopupPoint() const { return popupPoint_; }
    // The component the menu was last shown for (the control whose context menu it is, the tray icon).
    TComponent* PopupComponent() const { return popupComponent_; }
    void SetPopupComponent(TComponent* component);
    // Whether a control's context-menu request shows the menu by itself.
    bool AutoPopup() const override { return autoPopup_; }
    void SetAutoPopup(bool value) { autoPopup_ = value; }
    // Where the menu stands relative to the point: its left edge (paLeft), right edge or centre there.
    TPopupAlignment Alignment() const { return alignment_; }
    void SetAlignment(TPopupAlignment value) { alignment_ = value; }
    // The mouse button that chooses items; the desktop's menus accept either, the value is kept for
    // menus that track the mouse themselves.
    TTrackButton TrackButton() const { return trackButton_; }
    void SetTrackButton(TTrackButton value) { trackButton_ = value; }

    TNotifyEvent OnPopup;

    // A control's context menu (TControl::PopupMenu).
    TComponent* MenuComponent() override { return this; }
    void PopupFor(TComponent* component, int x, int y) override;

protected:
    virtual void DoPopup(TObject* sender);
    void SetPopupPoint(TPoint point) { popupPoint_ = point; }
    void Notification(TComponent* component, TOperation operation) override;

private:
    TPoint popupPoint_;
    TComponent* popupComponent_ = nullptr;
    bool autoPopup_ = true;
    TPopupAlignment alignment_ = paLeft;
    TTrackButton trackButton_ = tbRightButton;
};

// The caption's text and the shortcut column: the part after a tab, else the item's ShortCut as text.
struct TMenuCaptionParts
{
    std::string Text;
    std::string ShortCutText;
};
TMenuCaptionParts SplitMenuCaption(const std::string& caption, TShortCut shortCut);
