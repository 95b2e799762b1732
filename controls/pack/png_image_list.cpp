#include "controls/pack/png_image_list.h"

#include "controls/pack/png_conversions.h"
#include "platform/gui/windows/actions.h"
#include "support/utf8.h"

#include <utility>

namespace {

// The list-sized picture of a PNG in the storage's terms: 32-bit pixels with alpha, and a mask that is
// white where the picture is fully transparent (the storage takes a 32-bit picture whose alpha is zero
// everywhere as opaque, so a transparent picture needs its mask). No PNG gives a transparent picture.
struct TStoredPicture
{
    TStoredPicture(int width, int height, const TPngImage* png)
        : image(width, height, pf32bit), mask(width, height, pf24bit)
    {
        TBitmap pixels;
        if (png && !png->Empty())
            png->ToBitmap(pixels);
        for (int y = 0; y < height; ++y) {
            uint8_t* out = image.ScanLine(y);
            uint8_t* m = mask.ScanLine(y);
            const bool rowInside = y < pixels.Height();
            const uint8_t* in = rowInside ? std::as_const(pixels).ScanLine(y) : nullptr;
            const int widthInside = rowInside ? pixels.Width() : 0;
            for (int x = 0; x < width; ++x) {
                const bool inside = x < widthInside;
                if (inside)
                    std::copy_n(in + 4 * x, 4, out + 4 * x);
                else
                    std::fill_n(out + 4 * x, 4, 0);
                std::fill_n(m + 3 * x, 3, inside && out[4 * x + 3] != 0 ? 0 : 255);
            }
        }
    }
    TBitmap image;
    TBitmap mask;
};

} // namespace

TPngImageList::TPngImageList(TComponent* owner)
    : TImageList(owner), FPngImages(std::make_unique<TPngImageCollectionItems>(this))
{
    std::fill(std::begin(FOverlayIndex), std::end(FOverlayIndex), -1);
    SetColorDepth(cd32Bit);
}

TPngImageList::~TPngImageList()
{
    BeginUpdate(); // the items going away rebuild nothing
    FPngImages.reset();
}

void TPngImageList::SetEnabledImages(bool value)
{
    if (value == FEnabledImages)
        return;
    FEnabledImages = value;
    RebuildImages();
}

void TPngImageList::SetPngOptions(TPngOptions value)
{
    if (value == FPngOptions)
        return;
    FPngOptions = value;
    RebuildImages();
}

void TPngImageList::SetPngImages(const TPngImageCollectionItems* value)
{
    if (value == FPngImages.get())
        return;
    FPngImages->Assign(value);
    Change();
}

void TPngImageList::EndUpdate(bool update)
{
    --FLocked;
    if (update && FLocked == 0)
        RebuildImages();
}

// The picture of item index's PNG goes into the storage at index, or replaces the one there.
void TPngImageList::StoreImage(int index, const TPngImage* png, bool replace)
{
    TStoredPicture picture(Width(), Height(), png);
    if (replace)
        TCustomImageList::Replace(index, &picture.image, &picture.mask);
    else
        TCustomImageList::Insert(index, &picture.image, &picture.mask);
}

void TPngImageList::RebuildImages()
{
    if (FLocked > 0)
        return;
    BeginUpdate();
    TCustomImageList::Clear();
    for (int i = 0; i < FPngImages->Count(); ++i) {
        const TPngImage* png = FPngImages->Items(i)->PngImage();
        if (png->Empty() || FEnabledImages || FPngOptions.Empty()) {
            StoreImage(i, png, false);
            continue;
        }
        TPngImage disabled;
        disabled.Assign(png);
        ApplyPngOptions(disabled, FPngOptions);
        StoreImage(i, &disabled, false);
    }
    --FLocked;
}

int TPngImageList::AddPng(const TPngImage* image, TColor background)
{
    if (!image)
        return -1;
    BeginUpdate();
    TPngImageCollectionItem* item = FPngImages->Add();
    item->SetPngImage(image);
    item->SetBackground(background);
    const int index = item->Index();
    StoreImage(index, image, false);
    Change();
    EndUpdate(false);
    return index;
}

void TPngImageList::InsertPng(int index, const TPngImage* image, TColor background)
{
    if (!image || index < 0 || index > FPngImages->Count())
        return;
    BeginUpdate();
    TPngImageCollectionItem* item = FPngImages->Insert(index);
    item->SetPngImage(image);
    item->SetBackground(background);
    StoreImage(index, image, false);
    Change();
    EndUpdate(false);
}

template <typename Convert> int TPngImageList::AddConverted(Convert convert)
{
    TPngImage png;
    convert(png);
    return AddPng(&png, clNone);
}

template <typename Convert> void TPngImageList::InsertConverted(int index, bool hasImage, Convert convert)
{
    if (!hasImage)
        return;
    TPngImage png;
    convert(png);
    InsertPng(index, &png, clNone);
}

template <typename Convert> void TPngImageList::ReplaceConverted(int index, bool hasImage, Convert convert)
{
    TPngImageCollectionItem* item = FPngImages->GetItem(index);
    if (!hasImage || !item)
        return;
    BeginUpdate();
    convert(*item->PngImage());
    StoreImage(index, item->PngImage(), true);
    Change();
    EndUpdate(false);
}

int TPngImageList::Add(TBitmap* image, TBitmap* mask)
{
    if (!image)
        return -1;
    return AddConverted([&](TPngImage& png) { PngFromColorAndMask(*image, mask, &png, false); });
}

int TPngImageList::AddIcon(TIcon* image)
{
    if (!image)
        return -1;
    return AddConverted([&](TPngImage& png) { GraphicToPng(image, &png); });
}

int TPngImageList::AddImage(TCustomImageList* value, int index)
{
    return AddConverted([&](TPngImage& png) { PngFromImageList(png, value, index); });
}

void TPngImageList::AddImages(TCustomImageList* value)
{
    if (!value || value == this)
        return;
    BeginUpdate();
    TPngImage png;
    for (int i = 0; i < value->Count(); ++i) {
        PngFromImageList(png, value, i);
        AddPng(&png, clNone);
    }
    EndUpdate(true);
}

int TPngImageList::AddMasked(TBitmap* image, TColor maskColor)
{
    if (!image)
        return -1;
    return AddConverted([&](TPngImage& png) { PngFromMaskColor(*image, maskColor, &png); });
}

void TPngImageList::Insert(int index, TBitmap* image, TBitmap* mask)
{
    InsertConverted(index, image, [&](TPngImage& png) { PngFromColorAndMask(*image, mask, &png, false); });
}

void TPngImageList::InsertIcon(int index, TIcon* image)
{
    InsertConverted(index, image, [&](TPngImage& png) { GraphicToPng(image, &png); });
}

void TPngImageList::InsertMasked(int index, TBitmap* image, TColor maskColor)
{
    InsertConverted(index, image, [&](TPngImage& png) { PngFromMaskColor(*image, maskColor, &png); });
}

void TPngImageList::Replace(int index, TBitmap* image, TBitmap* mask)
{
    ReplaceConverted(index, image, [&](TPngImage& png) { PngFromColorAndMask(*image, mask, &png, false); });
}

void TPngImageList::ReplaceIcon(int index, TIcon* image)
{
    ReplaceConverted(index, image, [&](TPngImage& png) { GraphicToPng(image, &png); });
}

void TPngImageList::ReplaceMasked(int index, TBitmap* newImage, TColor maskColor)
{
    ReplaceConverted(index, newImage, [&](TPngImage& png) { PngFromMaskColor(*newImage, maskColor, &png); });
}

void TPngImageList::Delete(int index)
{
    if (index < 0 || index >= FPngImages->Count())
        return;
    BeginUpdate();
    FPngImages->Delete(index);
    TCustomImageList::Delete(index);
    Change();
    EndUpdate(false);
}

void TPngImageList::Clear()
{
    BeginUpdate();
    FPngImages->Clear();
    TCustomImageList::Clear();
    Change();
    EndUpdate(false);
}

void TPngImageList::Move(int curIndex, int newIndex)
{
    const int count = FPngImages->Count();
    if (curIndex < 0 || curIndex >= count || newIndex < 0 || newIndex >= count)
        return;
    BeginUpdate();
    TCustomImageList::Move(curIndex, newIndex);
    FPngImages->Items(curIndex)->SetIndex(newIndex);
    Change();
    EndUpdate(false);
}

bool TPngImageList::Overlay(int imageIndex, int overlay)
{
    if (overlay < 0 || overlay > 14)
        return false;
    FOverlayIndex[overlay] = imageIndex;
    return imageIndex >= 0 && imageIndex < FPngImages->Count();
}

void TPngImageList::Assign(const TPersistent* source)
{
    if (const auto* list = dynamic_cast<const TPngImageList*>(source)) {
        BeginUpdate();
        SetPngImages(list->FPngImages.get());
        SetEnabledImages(list->FEnabledImages);
        SetPngOptions(list->FPngOptions);
        EndUpdate(true);
    }
    if (const auto* list = dynamic_cast<const TCustomImageList*>(source))
        SetColorDepth(list->ColorDepth());
    TImageList::Assign(source);
}

void TPngImageList::DoDraw(int index, TCanvas& canvas, int x, int y, unsigned style, bool enabled)
{
    const TPngOptions options = enabled ? TPngOptions() : FPngOptions;
    const TRect rect = Bounds(x, y, Width(), Height());
    if (TPngImageCollectionItem* item = FPngImages->GetItem(index))
        DrawPngWithOptions(*item->PngImage(), canvas, rect, options);
    const unsigned overlay = (style & ILD_OVERLAYMASK) >> 8;
    if (overlay >= 1 && overlay <= 15)
        if (TPngImageCollectionItem* top = FPngImages->GetItem(FOverlayIndex[overlay - 1]))
            DrawPngWithOptions(*top->PngImage(), canvas, rect, options);
}

void TPngImageList::ReadData(TStream& stream)
{
    if (!ComponentState().Contains(csReading))
        TImageList::ReadData(stream);
}

void TPngImageList::WriteData(TStream& stream) const
{
    if (!ComponentState().Contains(csWriting))
        TImageList::WriteData(stream);
}

int TPngImageList::FindIndexByName(const std::string& name) const
{
    for (int i = 0; i < FPngImages->Count(); ++i)
        if (SameTextIgnoreCase(FPngImages->Items(i)->Name(), name))
            return i;
    return -1;
}

std::string TPngImageList::GetImageName(int index) const
{
    const TPngImageCollectionItem* item = FPngImages->GetItem(index);
    return item ? item->Name() : std::string();
}

void TPngImageList::ListImageNames(TStrings& target) const
{
    for (int i = 0; i < FPngImages->Count(); ++i)
        target.Add(FPngImages->Items(i)->Name());
}

void PngFromImageList(TPngImage& dest, TCustomImageList* imageList, int index)
{
    if (auto* list = dynamic_cast<TPngImageList*>(imageList)) {
        if (const TPngImageCollectionItem* item = list->PngImages()->GetItem(index))
            dest.Assign(item->PngImage());
        return;
    }
    if (!imageList || index < 0 || index >= imageList->Count())
        return;
    TBitmap pixels;
    imageList->GetBitmap(index, &pixels);
    TPngImage png(COLOR_RGBALPHA, 8, pixels.Width(), pixels.Height());
    for (int y = 0; y < pixels.Height(); ++y)
        for (int x = 0; x < pixels.Width(); ++x) {
            const uint8_t* p = pixels.ScanLine(y) + 4 * x;
            std::copy_n(p, 3, png.ScanLine(y) + 3 * x);
            png.AlphaScanline(y)[x] = p[3];
        }
    dest.Assign(&png);
}

bool TakeActionImage(TBasicAction* action, TPngImage& glyph, bool replaceable)
{
    auto* custom = dynamic_cast<TCustomAction*>(action);
    if (!custom || !replaceable || !custom->ActionList())
        return false;
    TCustomImageList* images = custom->ActionList()->Images();
    if (!images || custom->ImageIndex() < 0 || custom->ImageIndex() >= images->Count())
        return false;
    PngFromImageList(glyph, images, custom->ImageIndex());
    return true;
}
