#pragma once

#include "platform/gui/core/collection.h"
#include "platform/gui/graphics/graphics.h"

#include <memory>
#include <string>

// The item-list form of rendered lines: one TMemoLineItem per line, holding its runs as TMemoPartItems
// with their colours, font style and whether they are URLs.

class TMemoPartItem : public TCollectionItem
{
public:
    using TCollectionItem::TCollectionItem;

    TColor Color = 0;
    std::string Text;
    bool URL = false;
    TColor BkgColor = clNone;
    TFontStyles FontStyle;
};

class TMemoParts : public TCollection
{
public:
    TMemoParts() : TCollection(TCollection::ItemClass<TMemoPartItem>()) {}
    TMemoPartItem* Add() { return static_cast<TMemoPartItem*>(TCollection::Add()); }
    TMemoPartItem* GetItem(int index) const { return static_cast<TMemoPartItem*>(Items(index)); }
};

class TMemoLineItem : public TCollectionItem
{
public:
    using TCollectionItem::TCollectionItem;
    TMemoParts* Parts() const { return FParts.get(); }

private:
    std::unique_ptr<TMemoParts> FParts = std::make_unique<TMemoParts>();
};

class TMemoLines : public TCollection
{
public:
    TMemoLines() : TCollection(TCollection::ItemClass<TMemoLineItem>()) {}
    TMemoLineItem* Add() { return static_cast<TMemoLineItem*>(TCollection::Add()); }
    TMemoLineItem* GetItem(int index) const { return static_cast<TMemoLineItem*>(Items(index)); }
};
