#pragma once

#include "controls/pack/png_routines.h"
#include "platform/gui/core/collection.h"
#include "platform/gui/core/strings.h"
#include "platform/gui/graphics/image_list.h"

#include <memory>
#include <string>

// An image list that keeps its images as PNG images with full alpha, each with a name and a background
// colour, in PngImages. The layer's list storage holds a 32-bit picture of each item, rebuilt from the
// PNGs, for the controls that draw through it; drawing through the list draws the PNGs themselves, faded
// and greyed when disabled as PngOptions say. Every image-list operation made through the base type reaches
// this list's own version, which keeps the items and the storage in step.

class TPngImageCollectionItem : public TCollectionItem
{
public:
    explicit TPngImageCollectionItem(TCollection* collection);
    ~TPngImageCollectionItem() override;

    TPngImage* PngImage() const { return FPngImage.get(); }
    // Copies the image.
    void SetPngImage(const TPngImage* value);
    // The colour under the image where a picture without alpha is built.
    TColor Background() const { return FBackground; }
    void SetBackground(TColor value);
    // "PngImage<index at creation>" until set.
    const std::string& Name() const { return FName; }
    void SetName(const std::string& value) { FName = value; }
    std::string DisplayName() const override;
    void Assign(const TPersistent* source) override;

private:
    std::unique_ptr<TPngImage> FPngImage;
    TColor FBackground = clBtnFace;
    std::string FName;
};

class TPngImageList;

class TPngImageCollectionItems : public TOwnedCollection
{
public:
    explicit TPngImageCollectionItems(TPersistent* owner);
    TPngImageCollectionItem* Items(int index) const;
    // The list is rebuilt once the new item is whole.
    TPngImageCollectionItem* Add();
    TPngImageCollectionItem* Insert(int index);
    // nullptr for an index without an item.
    TPngImageCollectionItem* GetItem(int index) const;

protected:
    // Every change of the items rebuilds the owning list's storage.
    void Update(TCollectionItem* item) override;
};

class TPngImageList : public TImageList
{
public:
    explicit TPngImageList(TComponent* owner);
    ~TPngImageList() override;

    // True: the storage holds the images as they are; false: in their disabled looks.
    bool EnabledImages() const { return FEnabledImages; }
    void SetEnabledImages(bool value);
    TPngImageCollectionItems* PngImages() const { return FPngImages.get(); }
    // Copies the given items (not the list's own) and signals a change.
    void SetPngImages(const TPngImageCollectionItems* value);
    TPngOptions PngOptions() const { return FPngOptions; }
    void SetPngOptions(TPngOptions value);

    // Adds a copy of image with its background; -1 for none.
    int AddPng(const TPngImage* image, TColor background = clBtnFace);
    void InsertPng(int index, const TPngImage* image, TColor background = clBtnFace);
    void BeginUpdate() { ++FLocked; }
    // With update, rebuilds the storage once the last update ends.
    void EndUpdate(bool update = true);
    // Builds the storage again from the items; an empty item keeps its place as a transparent image.
    void RebuildImages();

    // The first item of that name, whatever the letter case; -1 for none.
    int FindIndexByName(const std::string& name) const;
    // Empty for an index without an item.
    std::string GetImageName(int index) const;
    void ListImageNames(TStrings& target) const;

    int Add(TBitmap* image, TBitmap* mask) override;
    int AddIcon(TIcon* image) override;
    int AddImage(TCustomImageList* value, int index) override;
    void AddImages(TCustomImageList* value) override;
    int AddMasked(TBitmap* image, TColor maskColor) override;
    void Insert(int index, TBitmap* image, TBitmap* mask) override;
    void InsertIcon(int index, TIcon* image) override;
    void InsertMasked(int index, TBitmap* image, TColor maskColor) override;
    // An index without an item, or no image, changes nothing.
    void Replace(int index, TBitmap* image, TBitmap* mask) override;
    void ReplaceIcon(int index, TIcon* image) override;
    void ReplaceMasked(int index, TBitmap* newImage, TColor maskColor) override;
    // An index without an item changes nothing.
    void Delete(int index) override;
    void Clear() override;
    void Move(int curIndex, int newIndex) override;
    // Image imageIndex is drawn over the images whose draw style names overlay + 1 (bits 8 to 11).
    bool Overlay(int imageIndex, int overlay) override;

    void Assign(const TPersistent* source) override;

protected:
    void DoDraw(int index, TCanvas& canvas, int x, int y, unsigned style, bool enabled) override;
    // The stored list data travels only in PngImages: skipped while a layout is read or written.
    void ReadData(TStream& stream) override;
    void WriteData(TStream& stream) const override;

private:
    void StoreImage(int index, const TPngImage* png, bool replace);
    template <typename Convert> int AddConverted(Convert convert);
    template <typename Convert> void InsertConverted(int index, bool hasImage, Convert convert);
    template <typename Convert> void ReplaceConverted(int index, bool hasImage, Convert convert);

    bool FEnabledImages = true;
    int FLocked = 0;
    int FOverlayIndex[15];
    std::unique_ptr<TPngImageCollectionItems> FPngImages;
    TPngOptions FPngOptions = pngBlendOnDisabled;
};

// Copies image index of any image list into dest; dest stays as it is for an index without an image.
void PngFromImageList(TPngImage& dest, TCustomImageList* imageList, int index);

class TBasicAction;
// A button's glyph from its action: when the glyph may be replaced (it is empty or came from an action)
// and the action's list has an image at the action's ImageIndex, that image is copied into glyph; true
// when it was.
bool TakeActionImage(TBasicAction* action, TPngImage& glyph, bool replaceable);
