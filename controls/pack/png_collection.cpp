#include "controls/pack/png_collection.h"

TVhPngCollectionItem::TVhPngCollectionItem(TCollection* collection)
    : TCollectionItem(collection), FName("Png_" + std::to_string(Index())),
      FPngImage(std::make_unique<TPngImage>())
{}

TVhPngCollectionItem::~TVhPngCollectionItem() = default;

void TVhPngCollectionItem::SetPngImage(const TPngImage* value)
{
    FPngImage->Assign(value);
    FTag = 0;
    Changed(false);
}

void TVhPngCollectionItem::Assign(const TPersistent* source)
{
    const auto* other = dynamic_cast<const TVhPngCollectionItem*>(source);
    if (!other) {
        TCollectionItem::Assign(source);
        return;
    }
    FPngImage->Assign(other->FPngImage.get());
    FName = other->FName;
    FTag = other->FTag;
    FEnabled = other->FEnabled;
}

std::string TVhPngCollectionItem::DisplayName() const
{
    return FName.empty() ? TCollectionItem::DisplayName() : FName;
}

TVhPngCollectionItem* TVhPngCollectionItems::GetItem(int index) const
{
    return index >= 0 && index < Count() ? dynamic_cast<TVhPngCollectionItem*>(Items(index)) : nullptr;
}

void TVhPngCollectionItems::Assign(const TPersistent* source)
{
    TOwnedCollection::Assign(source);
    Update(nullptr);
}

TVhPngCollection::TVhPngCollection(TComponent* owner)
    : TComponent(owner), FItems(std::make_unique<TVhPngCollectionItems>(this))
{}

TVhPngCollection::~TVhPngCollection() = default;
