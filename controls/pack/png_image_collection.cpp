#include "controls/pack/png_image_list.h"

TPngImageCollectionItem::TPngImageCollectionItem(TCollection* collection)
    : TCollectionItem(collection), FPngImage(std::make_unique<TPngImage>()),
      FName("PngImage" + std::to_string(Index()))
{}

TPngImageCollectionItem::~TPngImageCollectionItem() = default;

void TPngImageCollectionItem::SetPngImage(const TPngImage* value)
{
    FPngImage->Assign(value);
    Changed(false);
}

void TPngImageCollectionItem::SetBackground(TColor value)
{
    if (value == FBackground)
        return;
    FBackground = value;
    Changed(false);
}

std::string TPngImageCollectionItem::DisplayName() const
{
    return FName.empty() ? TCollectionItem::DisplayName() : FName;
}

void TPngImageCollectionItem::Assign(const TPersistent* source)
{
    const auto* item = dynamic_cast<const TPngImageCollectionItem*>(source);
    if (!item) {
        TCollectionItem::Assign(source);
        return;
    }
    FPngImage->Assign(item->FPngImage.get());
    SetBackground(item->FBackground);
    FName = item->FName;
}

TPngImageCollectionItems::TPngImageCollectionItems(TPersistent* owner)
    : TOwnedCollection(owner, ItemClass<TPngImageCollectionItem>())
{}

// An item joins its collection before its own members exist: the update it causes waits until it is made.
TPngImageCollectionItem* TPngImageCollectionItems::Add()
{
    BeginUpdate();
    auto* item = static_cast<TPngImageCollectionItem*>(TCollection::Add());
    EndUpdate();
    return item;
}

TPngImageCollectionItem* TPngImageCollectionItems::Insert(int index)
{
    BeginUpdate();
    auto* item = static_cast<TPngImageCollectionItem*>(TCollection::Insert(index));
    EndUpdate();
    return item;
}

TPngImageCollectionItem* TPngImageCollectionItems::Items(int index) const
{
    return static_cast<TPngImageCollectionItem*>(TCollection::Items(index));
}

TPngImageCollectionItem* TPngImageCollectionItems::GetItem(int index) const
{
    return index >= 0 && index < Count() ? Items(index) : nullptr;
}

void TPngImageCollectionItems::Update(TCollectionItem* item)
{
    TOwnedCollection::Update(item);
    if (auto* list = dynamic_cast<TPngImageList*>(Owner()))
        list->RebuildImages();
}
