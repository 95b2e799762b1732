#include "controls/toolbars/item.h"

#include "controls/toolbars/item_action_link.h"
#include "controls/toolbars/item_viewer.h"
#include "controls/toolbars/pointer_lists.h"
#include "controls/toolbars/popup_window.h"
#include "controls/toolbars/posted_clicks.h"
#include "platform/gui/windows/actions.h"

TBarItemOptions NormalizeOptions(TBarItemOptions options)
{
    if (!options.Contains(tboToolbarStyle))
        options.Exclude(tboToolbarSize);
    return options;
}

TBarCustomItem::TBarCustomItem(TComponent* owner)
    : TComponent(owner), FItemStyle{tbisSelectable, tbisRedrawOnSelChange, tbisRedrawOnMouseOverChange}
{
    AddQueueUser();
}

TBarCustomItem::~TBarCustomItem()
{
    Destroying();
    CancelPostedClicks(this);
    while (!FItems.empty())
        FItems.back()->Free();
    if (FParent)
        FParent->Remove(this);
    FActionLink.reset();
    ReplaceImageList(FImages, nullptr, FImagesChangeLink);
    ReplaceImageList(FSubMenuImages, nullptr, FSubMenuImagesChangeLink);
    // The views let go of this item while its listeners and link parents still stand.
    SendFreeNotifications();
    RemoveQueueUser();
}

// --- the tree ----------------------------------------------------------------------------------------------

void TBarCustomItem::CheckIndex(int index, int count) const
{
    if (index < 0 || index >= count)
        throw ETBItemError("Toolbar item index out of range");
}

TBarCustomItem* TBarCustomItem::GetItem(int index) const
{
    CheckIndex(index, Count());
    return FItems[static_cast<size_t>(index)];
}

int TBarCustomItem::IndexOf(const TBarCustomItem* item) const
{
    const auto it = std::find(FItems.begin(), FItems.end(), item);
    return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
}

TBarCustomItem* TBarCustomItem::LinkedOrSelf(TBarCustomItem* item)
{
    return item && item->FLinkSubitems ? item->FLinkSubitems : item;
}

void TBarCustomItem::Insert(int newIndex, TBarCustomItem* item)
{
    if (item->FParent)
        throw ETBItemError("Toolbar item already inserted");
    CheckIndex(newIndex, Count() + 1);
    FItems.insert(FItems.begin() + newIndex, item);
    item->FParent = this;
    ViewBeginUpdate();
    try {
        NotifyViews(tbicInserted, newIndex, item);
        item->RecomputeEffectiveOptions();
    } catch (...) {
        ViewEndUpdate();
        throw;
    }
    ViewEndUpdate();
}

void TBarCustomItem::Delete(int index)
{
    TBarCustomItem* item = GetItem(index);
    NotifyViews(tbicDeleting, index, item);
    item->FParent = nullptr;
    std::erase(FItems, item);
}

void TBarCustomItem::Remove(TBarCustomItem* item)
{
    if (const int index = IndexOf(item); index >= 0)
        Delete(index);
}

void TBarCustomItem::Clear()
{
    while (!FItems.empty())
        FItems.back()->Free();
}

void TBarCustomItem::Move(int curIndex, int newIndex)
{
    if (curIndex == newIndex)
        return;
    CheckIndex(newIndex, Count());
    TBarCustomItem* item = GetItem(curIndex);
    ViewBeginUpdate();
    try {
        Delete(curIndex);
        Insert(newIndex, item);
    } catch (...) {
        ViewEndUpdate();
        throw;
    }
    ViewEndUpdate();
}

void TBarCustomItem::GetChildren(const std::function<void(TComponent*)>& proc) const
{
    for (TBarCustomItem* child : std::vector<TBarCustomItem*>(FItems))
        proc(child);
}

void TBarCustomItem::SetChildOrder(TComponent* child, int order)
{
    if (const int index = IndexOf(dynamic_cast<TBarCustomItem*>(child)); index >= 0)
        Move(index, order);
}

void TBarCustomItem::SetParentComponent(TComponent* value)
{
    if (FParent)
        FParent->Remove(this);
    if (!value)
        return;
    TBarCustomItem* container = dynamic_cast<TBarCustomItem*>(value);
    if (!container)
        if (auto* items = dynamic_cast<ITBItems*>(value))
            container = items->GetItems();
    if (!container)
        throw ETBItemError("Toolbar item cannot be inserted into container of type " + value->ClassName());
    container->Add(this);
}

TComponent* TBarCustomItem::GetParentComponent() const
{
    if (FParent && FParent->FParentComponent)
        return FParent->FParentComponent;
    return FParent;
}

// --- state -------------------------------------------------------------------------------------------------

void TBarCustomItem::Change(bool needResize)
{
    if (FParent)
        FParent->NotifyViews(needResize ? tbicInvalidateAndResize : tbicInvalidate, -1, this);
}

void TBarCustomItem::SetName(const std::string& name)
{
    if (name == Name())
        return;
    TComponent::SetName(name);
    if (FParent)
        FParent->NotifyViews(tbicNameChanged, -1, this);
}

void TBarCustomItem::SetCaption(const std::string& value)
{
    if (value == FCaption)
        return;
    FCaption = value;
    Change(true);
}

void TBarCustomItem::SetChecked(bool value)
{
    if (value == FChecked)
        return;
    FChecked = value;
    Change(false);
    if (value)
        UncheckGroupSiblings();
}

void TBarCustomItem::UncheckGroupSiblings()
{
    if (FGroupIndex == 0 || !FParent)
        return;
    for (TBarCustomItem* sibling : std::vector<TBarCustomItem*>(FParent->FItems))
        if (sibling != this && sibling->FGroupIndex == FGroupIndex)
            sibling->SetChecked(false);
}

void TBarCustomItem::SetDisplayMode(TBarItemDisplayMode value)
{
    if (value == FDisplayMode)
        return;
    FDisplayMode = value;
    Change(true);
}

void TBarCustomItem::SetEnabled(bool value)
{
    if (value == FEnabled)
        return;
    FEnabled = value;
    NotifyEnabledChange();
}

void TBarCustomItem::SetGroupIndex(int value)
{
    if (value == FGroupIndex)
        return;
    FGroupIndex = value;
    if (FChecked)
        UncheckGroupSiblings();
}

void TBarCustomItem::SetImageIndex(int value)
{
    if (value == FImageIndex)
        return;
    const bool resize = (FImageIndex < 0) != (value < 0);
    FImageIndex = value;
    Change(resize);
}

void TBarCustomItem::SetRadioItem(bool value)
{
    if (value == FRadioItem)
        return;
    FRadioItem = value;
    Change(false);
}

void TBarCustomItem::SetVisible(bool value)
{
    if (value == FVisible)
        return;
    FVisible = value;
    Change(true);
}

std::string TBarCustomItem::GetShortCutText() const
{
    if (const size_t tab = FCaption.find('\t'); tab != std::string::npos)
        return FCaption.substr(tab + 1);
    return FShortCut != 0 ? ShortCutToText(FShortCut) : std::string();
}

// --- options -----------------------------------------------------------------------------------------------

void TBarCustomItem::SetOptions(TBarItemOptions value)
{
    value = NormalizeOptions(value);
    if (value == FOptions)
        return;
    FOptions = value;
    RecomputeEffectiveOptions();
}

void TBarCustomItem::SetMaskOptions(TBarItemOptions value)
{
    if (value == FMaskOptions)
        return;
    FMaskOptions = value;
    RecomputeEffectiveOptions();
}

void TBarCustomItem::SetInheritOptions(bool value)
{
    if (value == FInheritOptions)
        return;
    FInheritOptions = value;
    RecomputeEffectiveOptions();
}

void TBarCustomItem::RecomputeEffectiveOptions()
{
    // The options that change how an item is sized or drawn.
    const TBarItemOptions shownOptions = TBarItemOptions::FromBits(0x0367);
    TBarItemOptions inherited;
    if (FInheritOptions && FParent)
        inherited = FParent->FEffectiveOptions - tboDefault;
    const TBarItemOptions options = NormalizeOptions((inherited - FMaskOptions) + FOptions);
    if (options == FEffectiveOptions)
        return;
    const TBarItemOptions changed = TBarItemOptions::FromBits(options.Bits() ^ FEffectiveOptions.Bits());
    FEffectiveOptions = options;
    if (!(changed * shownOptions).Empty())
        Change(true);
    for (TBarCustomItem* child : std::vector<TBarCustomItem*>(FItems))
        if (child->FInheritOptions)
            child->RecomputeEffectiveOptions();
}

// --- links -------------------------------------------------------------------------------------------------

void TBarCustomItem::SetLinkSubitems(TBarCustomItem* value)
{
    if (value == this)
        value = nullptr;
    if (value == FLinkSubitems)
        return;
    if (FLinkSubitems)
        ListRemoveAndFree(FLinkSubitems->FLinkParents, this);
    FLinkSubitems = value;
    if (value) {
        value->FreeNotification(this);
        ListAddUnique(value->FLinkParents, this);
    }
    NotifyViews(tbicSubitemsChanged, -1, nullptr);
}

void TBarCustomItem::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation != opRemove)
        return;
    std::erase_if(FLinkParents, [component](TBarCustomItem* parent) { return parent == component; });
    if (component == Action())
        SetAction(nullptr);
    // An image list that goes has already let go of the item's change link: the item forgets it without
    // asking the list anything more.
    if (component == FImages) {
        FImages = nullptr;
        FImagesChangeLink.reset();
        Change(true);
    }
    if (component == FSubMenuImages) {
        FSubMenuImages = nullptr;
        FSubMenuImagesChangeLink.reset();
        NotifySubmenuImagesChanged();
    }
    if (component == FLinkSubitems)
        SetLinkSubitems(nullptr);
}

// --- images ------------------------------------------------------------------------------------------------

bool TBarCustomItem::ReplaceImageList(TCustomImageList*& ref, TCustomImageList* newList,
                                      std::unique_ptr<TBarImageChangeLink>& link)
{
    const TSize oldSize = ref ? TSize{ref->Width(), ref->Height()} : TSize{-1, -1};
    if (ref) {
        ref->UnRegisterChanges(link.get());
        if (!newList) {
            link.reset();
            ref = nullptr;
            return true;
        }
    }
    ref = newList;
    if (!newList)
        return false;
    if (!link) {
        link = std::make_unique<TBarImageChangeLink>();
        link->FLastWidth = newList->Width();
        link->FLastHeight = newList->Height();
        link->OnChange = [this](TObject* sender) { ImageListChanged(sender); };
    }
    newList->RegisterChanges(link.get());
    newList->FreeNotification(this);
    return TSize{newList->Width(), newList->Height()} != oldSize;
}

void TBarCustomItem::SetImages(TCustomImageList* value)
{
    if (value == FImages)
        return;
    Change(ReplaceImageList(FImages, value, FImagesChangeLink));
}

void TBarCustomItem::SetSubMenuImages(TCustomImageList* value)
{
    if (value == FSubMenuImages)
        return;
    ReplaceImageList(FSubMenuImages, value, FSubMenuImagesChangeLink);
    NotifySubmenuImagesChanged();
}

void TBarCustomItem::ImageListChanged(TObject* sender)
{
    if (sender == FSubMenuImages) {
        FSubMenuImagesChangeLink->FLastWidth = FSubMenuImages->Width();
        FSubMenuImagesChangeLink->FLastHeight = FSubMenuImages->Height();
        NotifySubmenuImagesChanged();
    } else if (sender == FImages) {
        TBarImageChangeLink& link = *FImagesChangeLink;
        const bool resize = link.FLastWidth != FImages->Width() || link.FLastHeight != FImages->Height();
        link.FLastWidth = FImages->Width();
        link.FLastHeight = FImages->Height();
        Change(resize);
    }
}

// --- views
// ---------------------------------------------------------------------------------------------------

TBarItemViewerClass TBarCustomItem::GetItemViewerClass(TBarView*)
{
    return TBarItemViewerClass::Of<TBarItemViewer>();
}

TBarPopupWindowClass TBarCustomItem::GetPopupWindowClass()
{
    return TBarPopupWindowClass::Of<TBarPopupWindow>();
}

void TBarCustomItem::PostClick()
{
    QueuePostedClick(this, 0);
}
