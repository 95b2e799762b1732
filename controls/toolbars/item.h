#pragma once

#include "controls/toolbars/class_reference.h"
#include "controls/toolbars/item_types.h"
#include "platform/gui/core/classes.h"
#include "platform/gui/core/exceptions.h"
#include "platform/gui/graphics/image_list.h"
#include "platform/gui/windows/keys.h"

#include <memory>
#include <string>
#include <vector>

// The items of menus and toolbars: every entry, button, submenu, separator, inline group and hosted control
// is an item. Items form a tree (each owns its ordered children), which any number of views show at once as
// a toolbar or a popup menu. An item knows nothing of how it is drawn: it holds the state, takes part of it
// from a linked action, and tells its listeners of every change; the views turn that into what they show.

class TBasicAction;
class TCustomAction;
class TBarCustomItemActionLink;
class TBarItemViewer;
class TBarPopupWindow;
class TBarView;

using TBarItemViewerClass = TClassReference<TBarItemViewer, TBarView*, TBarCustomItem*, int>;
using TBarPopupWindowClass = TClassReference<TBarPopupWindow, TComponent*, TBarView*, TBarCustomItem*, bool>;

using TBarPopupEvent = std::function<void(TBarCustomItem* sender, bool fromLink)>;
using TBarSelectEvent = std::function<void(TBarCustomItem* sender, TBarItemViewer* viewer, bool selecting)>;

// The failures of the item tree, with fixed texts.
class ETBItemError : public Exception
{
public:
    using Exception::Exception;
};

// A container that hands out an item tree of its own (a popup menu its root item).
class ITBItems
{
public:
    virtual ~ITBItems() = default;
    virtual TBarCustomItem* GetItems() = 0;
};

// What an item remembers of an image list: a link for its changes and the size last seen.
class TBarImageChangeLink : public TChangeLink
{
public:
    int FLastWidth = 0;
    int FLastHeight = 0;
};

class TBarCustomItem : public TComponent
{
public:
    explicit TBarCustomItem(TComponent* owner);
    ~TBarCustomItem() override;

    // --- the tree ---
    int Count() const { return static_cast<int>(FItems.size()); }
    // A bad index raises "Toolbar item index out of range".
    TBarCustomItem* GetItem(int index) const;
    TBarCustomItem* Items(int index) const { return GetItem(index); }
    int IndexOf(const TBarCustomItem* item) const;
    TBarCustomItem* Parent() const { return FParent; }
    void Add(TBarCustomItem* item) { Insert(Count(), item); }
    // An item that has a parent raises "Toolbar item already inserted"; index may be Count.
    void Insert(int newIndex, TBarCustomItem* item);
    // Takes the child out without freeing it.
    void Delete(int index);
    void Remove(TBarCustomItem* item);
    // Frees the children, the last first.
    void Clear();
    void Move(int curIndex, int newIndex);
    // LinkSubitems when set, else the item itself; nullptr for nullptr.
    static TBarCustomItem* LinkedOrSelf(TBarCustomItem* item);

    // --- listeners ---
    // A listener registered twice stays until it is unregistered twice.
    void RegisterNotification(const TBarItemChangedProc& notify);
    void UnregisterNotification(const TBarItemChangedProc& notify);
    // A bracket of changes, after which the views lay themselves out once.
    void ViewBeginUpdate();
    void ViewEndUpdate();
    // Tells the listeners of this item, and those of the items that show it inline (embedded groups up to
    // ten levels, through their parents and their link parents).
    void NotifyViews(TBarItemChangedAction action, int index, TBarCustomItem* item);

    // --- commands ---
    virtual void Click();
    // Lets the linked action bring the item up to date.
    virtual void InitiateAction();
    // Clicks the item later, from the message loop, after any menu has closed.
    void PostClick();
    // Runs the command below this item whose shortcut the key message (WM_KEYDOWN) gives, firing the popup
    // events of the submenus above it first; true when one ran.
    bool IsShortCut(const TMessage& message);
    // The text after the first tab of the caption, else the shortcut's name, else empty.
    std::string GetShortCutText() const;
    // The command below root with the shortcut (links followed up to 25 times); topmostParent gets the child
    // of root on the way to it, nullptr when it is a child of root itself.
    static TBarCustomItem* FindItemWithShortCut(TBarCustomItem* root, TShortCut shortCut,
                                                TBarCustomItem*& topmostParent);
    // Shows the children as a popup menu at a screen point and runs it until it closes; the clicked item
    // (clicked later, unless returnClickedItemOnly), nullptr when the menu was cancelled.
    TBarCustomItem* Popup(int x, int y, bool trackRightButton, TBarPopupAlignment alignment = tbpaLeft,
                          bool returnClickedItemOnly = false);
    // Makes, places and shows the popup window of the children (a submenu opened from a view, or the
    // free-standing popup at popupPoint).
    virtual TBarPopupWindow* CreatePopup(TBarView* parentView, TBarItemViewer* parentViewer,
                                         bool positionAsSubmenu, bool selectFirstItem, bool customizing,
                                         TPoint popupPoint, TBarPopupAlignment alignment);
    // OnPopup, then Click unless the item is a combo.
    virtual void DoPopup(TBarCustomItem* sender, bool fromLink);

    // --- what views ask ---
    virtual TBarItemViewerClass GetItemViewerClass(TBarView* view);
    virtual TBarPopupWindowClass GetPopupWindowClass();
    // True when the viewer is of the wrong class for this item (the view then makes a new one).
    virtual bool ViewerNeedsRecreate(TBarItemViewer*) { return false; }
    // The toolbar view whose hidden items a chevron item shows; nullptr.
    virtual TBarView* GetChevronParentView() { return nullptr; }
    TBarItemStyle ItemStyle() const { return FItemStyle; }

    // --- properties ---
    TBasicAction* Action() const;
    void SetAction(TBasicAction* value);
    bool AutoCheck() const { return FAutoCheck; }
    void SetAutoCheck(bool value) { FAutoCheck = value; }
    // The text after the first tab is the shortcut text shown in menus.
    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& value);
    bool Checked() const { return FChecked; }
    // Checking unchecks the siblings of the same GroupIndex.
    void SetChecked(bool value);
    TBarItemDisplayMode DisplayMode() const { return FDisplayMode; }
    void SetDisplayMode(TBarItemDisplayMode value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value);
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int value);
    int HelpContext() const { return FHelpContext; }
    void SetHelpContext(int value) { FHelpContext = value; }
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& value) { FHint = value; }
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value);
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* value);
    bool InheritOptions() const { return FInheritOptions; }
    void SetInheritOptions(bool value);
    TBarCustomItem* LinkSubitems() const { return FLinkSubitems; }
    void SetLinkSubitems(TBarCustomItem* value);
    TBarItemOptions MaskOptions() const { return FMaskOptions; }
    void SetMaskOptions(TBarItemOptions value);
    TBarItemOptions Options() const { return FOptions; }
    void SetOptions(TBarItemOptions value);
    // The options in force: the parent's (without tboDefault) unless refused, with this item's own.
    TBarItemOptions EffectiveOptions() const { return FEffectiveOptions; }
    TComponent* ParentComponent() const { return FParentComponent; }
    // Sets the property (the control that hosts a root item) without moving the item.
    void AssignParentComponent(TComponent* value) { FParentComponent = value; }
    bool RadioItem() const { return FRadioItem; }
    void SetRadioItem(bool value);
    TShortCut ShortCut() const { return FShortCut; }
    void SetShortCut(TShortCut value) { FShortCut = value; }
    TCustomImageList* SubMenuImages() const { return FSubMenuImages; }
    void SetSubMenuImages(TCustomImageList* value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool value);
    // Renames the item and tells its parent's views.
    void SetName(const std::string& name);

    // --- the component tree of a stored layout ---
    // Calls proc with each child in order.
    void GetChildren(const std::function<void(TComponent*)>& proc) const;
    // Moves a child to order.
    void SetChildOrder(TComponent* child, int order);
    // Takes the item out of its parent and into value: an item, or the tree a container hands out;
    // anything else raises "Toolbar item cannot be inserted into container of type <class>".
    void SetParentComponent(TComponent* value);
    bool HasParent() const { return true; }
    TComponent* GetParentComponent() const;

    TNotifyEvent OnClick;
    TBarPopupEvent OnPopup;
    // Fired by the viewers when the item is selected in a view and when it loses the selection.
    TBarSelectEvent OnSelect;

protected:
    friend class TBarCustomItemActionLink;
    // Tells the parent's views that the item changed, and whether its size may have.
    virtual void Change(bool needResize);
    virtual void NotifyEnabledChange() { Change(false); }
    virtual void ActionChange(TBasicAction* sender, bool checkDefaults);
    // Takes the action's properties; with checkDefaults only those still at their declared defaults.
    void TakeActionProperties(TCustomAction& action, bool checkDefaults, bool takeCaption);
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;

    TBarItemStyle FItemStyle;

private:
    struct TItemChangedNotificationData
    {
        TBarItemChangedProc Proc;
        int RefCount = 0;
    };

    void CheckIndex(int index, int count) const;
    void RelayNotification(TBarCustomItem* ancestor, TBarCustomItem* origin, int relayLevel,
                           TBarItemChangedAction action, int index, TBarCustomItem* item);
    void CallListeners(TBarCustomItem* origin, TBarItemChangedAction action, int index, TBarCustomItem* item);
    void RecomputeEffectiveOptions();
    void UncheckGroupSiblings();
    void UpdateChildActions();
    bool ReplaceImageList(TCustomImageList*& ref, TCustomImageList* newList,
                          std::unique_ptr<TBarImageChangeLink>& link);
    void ImageListChanged(TObject* sender);
    void NotifySubmenuImagesChanged() { NotifyViews(tbicSubMenuImagesChanged, -1, nullptr); }
    void ActionLinkChanged(TObject* sender);
    bool OnClickIsActionsExecute() const;
    enum class TShortCutRun
    {
        NotFound,
        Refused,
        Ran,
        Lost
    };
    TShortCutRun RunShortCut(TShortCut shortCut);

    std::unique_ptr<TBarCustomItemActionLink> FActionLink;
    bool FAutoCheck = false;
    std::string FCaption;
    bool FChecked = false;
    TBarItemDisplayMode FDisplayMode = nbdmDefault;
    bool FEnabled = true;
    TBarItemOptions FEffectiveOptions;
    int FGroupIndex = 0;
    int FHelpContext = 0;
    std::string FHint;
    int FImageIndex = -1;
    TCustomImageList* FImages = nullptr;
    std::unique_ptr<TBarImageChangeLink> FImagesChangeLink;
    std::vector<TBarCustomItem*> FItems;
    std::vector<TBarCustomItem*> FLinkParents;
    TBarItemOptions FMaskOptions;
    TBarItemOptions FOptions;
    bool FInheritOptions = true;
    std::unique_ptr<std::vector<TItemChangedNotificationData>> FNotifyList;
    TBarCustomItem* FParent = nullptr;
    TComponent* FParentComponent = nullptr;
    bool FRadioItem = false;
    TShortCut FShortCut = 0;
    TCustomImageList* FSubMenuImages = nullptr;
    std::unique_ptr<TBarImageChangeLink> FSubMenuImagesChangeLink;
    TBarCustomItem* FLinkSubitems = nullptr;
    bool FVisible = true;
};

// The options as an item keeps them: without tboToolbarStyle there is no tboToolbarSize.
TBarItemOptions NormalizeOptions(TBarItemOptions options);
