#pragma once

#include "platform/gui/core/collection.h"
#include "platform/gui/graphics/png_image.h"

#include <memory>
#include <string>

// A store of named PNG pictures that the HTML-like label's "IMG" tags reach by number.

class TVhPngCollectionItem : public TCollectionItem
{
public:
    // Named "Png_" and the item's index when made.
    explicit TVhPngCollectionItem(TCollection* collection);
    ~TVhPngCollectionItem() override;

    const std::string& Name() const { return FName; }
    void SetName(const std::string& value) { FName = value; }
    const std::string& Description() const { return FDescription; }
    void SetDescription(const std::string& value) { FDescription = value; }
    TPngImage* PngImage() const { return FPngImage.get(); }
    // Copies the picture in and sets Tag to 0.
    void SetPngImage(const TPngImage* value);
    int Width() const { return FPngImage->Empty() ? 0 : FPngImage->Width(); }
    int Height() const { return FPngImage->Empty() ? 0 : FPngImage->Height(); }
    int Tag() const { return FTag; }
    void SetTag(int value) { FTag = value; }
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value) { FEnabled = value; }

    // From another item: the picture, Name, Tag and Enabled (not Description).
    void Assign(const TPersistent* source) override;
    std::string DisplayName() const override;

private:
    std::string FName;
    std::string FDescription;
    std::unique_ptr<TPngImage> FPngImage;
    int FTag = 0;
    bool FEnabled = true;
};

class TVhPngCollectionItems : public TOwnedCollection
{
public:
    explicit TVhPngCollectionItems(TPersistent* owner)
        : TOwnedCollection(owner, TCollection::ItemClass<TVhPngCollectionItem>())
    {}
    // nullptr outside 0..Count-1.
    TVhPngCollectionItem* GetItem(int index) const;
    void Assign(const TPersistent* source) override;
};

class TVhPngCollection : public TComponent
{
public:
    explicit TVhPngCollection(TComponent* owner);
    ~TVhPngCollection() override;

    TVhPngCollectionItems* Items() const { return FItems.get(); }
    int Count() const { return FItems->Count(); }

private:
    std::unique_ptr<TVhPngCollectionItems> FItems;
};
