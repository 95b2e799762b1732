#pragma once

#include "platform/gui/graphics/image_list.h"

#include <memory>

// An image list with companion lists for checked, disabled and hot (selected) entries, whose images may be
// cut from one bitmap: the entries of menus and toolbars are drawn from the list that suits their state.
class TBarCustomImageList : public TImageList
{
public:
    explicit TBarCustomImageList(TComponent* owner);
    ~TBarCustomImageList() override;

    TCustomImageList* CheckedImages() const { return FCheckedImages; }
    void SetCheckedImages(TCustomImageList* value)
    {
        SetImageList(FCheckedImages, value, *FCheckedImagesChangeLink);
    }
    TCustomImageList* DisabledImages() const { return FDisabledImages; }
    void SetDisabledImages(TCustomImageList* value)
    {
        SetImageList(FDisabledImages, value, *FDisabledImagesChangeLink);
    }
    TCustomImageList* HotImages() const { return FHotImages; }
    void SetHotImages(TCustomImageList* value) { SetImageList(FHotImages, value, *FHotImagesChangeLink); }
    // When not empty, the list's images are cut from it (ImagesBitmapMaskColor transparent).
    TBitmap* ImagesBitmap() const { return FImagesBitmap.get(); }
    void SetImagesBitmap(const TBitmap* value) { FImagesBitmap->Assign(value); }
    TColor ImagesBitmapMaskColor() const { return FImagesBitmapMaskColor; }
    void SetImagesBitmapMaskColor(TColor value) { FImagesBitmapMaskColor = value; }

    // Draws image index for an entry's state: a disabled entry from DisabledImages as it stands, a checked
    // one from CheckedImages, a selected one from HotImages, otherwise from the list itself (greyed when
    // disabled).
    virtual void DrawState(TCanvas& canvas, int x, int y, int index, bool enabled, bool selected,
                           bool checked);

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    void SetImageList(TCustomImageList*& field, TCustomImageList* value, TChangeLink& link);
    void ImagesBitmapChanged();

    TCustomImageList* FCheckedImages = nullptr;
    std::unique_ptr<TChangeLink> FCheckedImagesChangeLink;
    TCustomImageList* FDisabledImages = nullptr;
    std::unique_ptr<TChangeLink> FDisabledImagesChangeLink;
    TCustomImageList* FHotImages = nullptr;
    std::unique_ptr<TChangeLink> FHotImagesChangeLink;
    std::unique_ptr<TBitmap> FImagesBitmap;
    TColor FImagesBitmapMaskColor = clFuchsia;
};
