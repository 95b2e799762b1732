#pragma once

#include "platform/gui/graphics/bitmap.h"

#include <algorithm>
#include <memory>
#include <vector>

// Lists of same-sized images drawn by index: the images of toolbars, menus, buttons and grids. Drawing is
// virtual so that lists with their own storage (PNG lists, skinned lists) can draw their own way.

class TCustomImageList;

// Tells a user of an image list that its images changed.
class TChangeLink : public TObject
{
public:
    ~TChangeLink() override;
    TCustomImageList* Sender() const { return sender_; }
    void SetSender(TCustomImageList* sender);
    TNotifyEvent OnChange;

private:
    friend class TCustomImageList;
    TCustomImageList* sender_ = nullptr;
};

enum TDrawingStyle
{
    dsFocus,
    dsSelected,
    dsNormal,
    dsTransparent
};

enum TImageType
{
    itImage,
    itMask
};

// Drawing flags: ILD_TRANSPARENT, ILD_MASK, and an overlay image (1-based) through IndexToOverlayMask.
constexpr unsigned ILD_NORMAL = 0x0, ILD_TRANSPARENT = 0x1, ILD_MASK = 0x10, ILD_OVERLAYMASK = 0xF00;
constexpr unsigned IndexToOverlayMask(unsigned overlay)
{
    return overlay << 8;
}

enum TColorDepth
{
    cdDeviceDependent,
    cd4Bit,
    cd8Bit,
    cd16Bit,
    cd24Bit,
    cd32Bit
};

class TIcon;

// The operations that add, insert, replace, move and remove images are virtual, so that a list with
// storage of its own serves every call, also one made through this base type. Images are kept with full
// alpha whatever ColorDepth, Masked and AllocBy say; those are kept for the lists that read them.
class TCustomImageList : public TComponent
{
public:
    explicit TCustomImageList(TComponent* owner);
    ~TCustomImageList() override;

    int Width() const { return width_; }
    void SetWidth(int width);
    int Height() const { return height_; }
    void SetHeight(int height);
    void SetSize(int width, int height);
    virtual int Count() const;
    TColor BkColor() const { return bkColor_; }
    void SetBkColor(TColor color) { bkColor_ = color; }
    TDrawingStyle DrawingStyle() const { return drawingStyle_; }
    void SetDrawingStyle(TDrawingStyle style) { drawingStyle_ = style; }
    TColor BlendColor() const { return blendColor_; }
    void SetBlendColor(TColor color) { blendColor_ = color; }
    bool Masked() const { return masked_; }
    void SetMasked(bool masked) { masked_ = masked; }
    int AllocBy() const { return allocBy_; }
    void SetAllocBy(int allocBy) { allocBy_ = std::max(allocBy, 1); }
    TColorDepth ColorDepth() const { return colorDepth_; }
    void SetColorDepth(TColorDepth depth) { colorDepth_ = depth; }

    // Adds the image cut into Width-wide pieces; mask pixels that are not black make the image pixel
    // transparent. A 32-bit image whose alpha is zero everywhere is taken as opaque. Returns the first index,
    // or -1 when there is no image.
    virtual int Add(TBitmap* image, TBitmap* mask);
    virtual int AddIcon(TIcon* image);
    // Adds a copy of image index of another list.
    virtual int AddImage(TCustomImageList* value, int index);
    virtual void AddImages(TCustomImageList* value);
    // Pixels of maskColor become transparent.
    virtual int AddMasked(TBitmap* image, TColor maskColor);
    virtual void Insert(int index, TBitmap* image, TBitmap* mask);
    virtual void InsertIcon(int index, TIcon* image);
    virtual void InsertMasked(int index, TBitmap* image, TColor maskColor);
    virtual void Replace(int index, TBitmap* image, TBitmap* mask);
    virtual void ReplaceIcon(int index, TIcon* image);
    virtual void ReplaceMasked(int index, TBitmap* newImage, TColor maskColor);
    virtual void Delete(int index);
    virtual void Clear();
    virtual void Move(int curIndex, int newIndex);
    // Registers image imageIndex as overlay number overlay (0..14), drawn for IndexToOverlayMask(overlay +
    // 1).
    virtual bool Overlay(int imageIndex, int overlay);

    // The image as a 32-bit bitmap with alpha.
    virtual void GetBitmap(int index, TBitmap* image) const;
    // The image as an icon of the list's size.
    void GetIcon(int index, TIcon* image) const;

    void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true);
    void Draw(TCanvas& canvas, int x, int y, int index, TDrawingStyle style, TImageType type, bool enabled);
    void DrawOverlay(TCanvas& canvas, int x, int y, int imageIndex, int overlay, bool enabled = true);

    // Copies size, colours, styles and images (through WriteData and ReadData) of another image list.
    void Assign(const TPersistent* source) override;

    void RegisterChanges(TChangeLink* link);
    void UnRegisterChanges(TChangeLink* link);
    TNotifyEvent OnChange;

protected:
    // Draws image index with the ILD_* flags in style; a disabled image is drawn in grey at half strength.
    virtual void DoDraw(int index, TCanvas& canvas, int x, int y, unsigned style, bool enabled);
    virtual void Change();
    // The images and overlays as stored data. ReadData raises EInvalidGraphic for data that is not an image
    // list of this list's size, and then leaves the list as it was.
    virtual void ReadData(TStream& stream);
    virtual void WriteData(TStream& stream) const;

private:
    struct Images;
    void CheckIndex(int index) const;
    void InsertPieces(int index, const Images& pieces);
    void ReplaceWith(int index, const Images& pieces);

    int width_ = 16;
    int height_ = 16;
    TColor bkColor_ = clNone;
    TColor blendColor_ = clNone;
    TDrawingStyle drawingStyle_ = dsNormal;
    bool masked_ = true;
    int allocBy_ = 4;
    TColorDepth colorDepth_ = cdDeviceDependent;
    std::unique_ptr<Images> images_;
    std::vector<TChangeLink*> links_;
    int overlays_[15];
};

class TImageList : public TCustomImageList
{
public:
    using TCustomImageList::TCustomImageList;
};
