#pragma once

#include "platform/gui/core/collection.h"

#include <string>

// What a skinned toolbar remembers of the items it anchors: the item, the dock it lay on, and its size and
// its parent's size then.

class TBarCustomItem;
class TBarDock;

class TQvItemCache : public TCollectionItem
{
public:
    using TCollectionItem::TCollectionItem;

    // From another cache everything but the stored name; anything else as persistent objects copy.
    void Assign(const TPersistent* source) override;

    TBarDock* Dock() const { return FDock; }
    void SetDock(TBarDock* value) { FDock = value; }
    // The item's name while an item is set, else the one stored.
    std::string Name() const;
    void SetName(const std::string& value) { FName = value; }
    // Not owned.
    TBarCustomItem* Item() const { return FItem; }
    void SetItem(TBarCustomItem* value) { FItem = value; }
    int Width() const { return FWidth; }
    void SetWidth(int value) { FWidth = value; }
    int Height() const { return FHeight; }
    void SetHeight(int value) { FHeight = value; }
    int ParentWidth() const { return FParentWidth; }
    void SetParentWidth(int value) { FParentWidth = value; }
    int ParentHeight() const { return FParentHeight; }
    void SetParentHeight(int value) { FParentHeight = value; }

private:
    TBarDock* FDock = nullptr;
    std::string FName;
    TBarCustomItem* FItem = nullptr;
    int FWidth = 0;
    int FHeight = 0;
    int FParentWidth = 0;
    int FParentHeight = 0;
};

class TQvItemCacheCollection : public TCollection
{
public:
    TQvItemCacheCollection() : TCollection(ItemClass<TQvItemCache>()) {}

    // Appends an entry for item; its index.
    int Add(TBarCustomItem* item);
    TQvItemCache* Items(int index) const { return static_cast<TQvItemCache*>(TCollection::Items(index)); }
    // The first entry for item; -1 for nullptr or none.
    int IndexOf(const TBarCustomItem* item) const;
};
