#include "controls/skins/skin_item_cache.h"

#include "controls/toolbars/item.h"

void TQvItemCache::Assign(const TPersistent* source)
{
    const auto* other = dynamic_cast<const TQvItemCache*>(source);
    if (!other) {
        TCollectionItem::Assign(source);
        return;
    }
    FDock = other->FDock;
    FItem = other->FItem;
    FWidth = other->FWidth;
    FHeight = other->FHeight;
    FParentWidth = other->FParentWidth;
    FParentHeight = other->FParentHeight;
}

std::string TQvItemCache::Name() const
{
    return FItem ? FItem->Name() : FName;
}

int TQvItemCacheCollection::Add(TBarCustomItem* item)
{
    auto* entry = static_cast<TQvItemCache*>(TCollection::Add());
    entry->SetItem(item);
    return entry->Index();
}

int TQvItemCacheCollection::IndexOf(const TBarCustomItem* item) const
{
    if (!item)
        return -1;
    for (int i = 0; i < Count(); ++i)
        if (Items(i)->Item() == item)
            return i;
    return -1;
}
