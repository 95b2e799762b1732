#pragma once

#include "platform/gui/bitmap.h"

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

    // Adds the image cut into Width-wide pieces; mask pixels that are not black make the image pixel
    // transparent. A 32-bit image whose alpha is zero everywhere is taken as opaque. Returns the first index.
    virtual int Add(TBitmap* image, TBitmap* mask);
    // Pixels of maskColor become transparent.
    virtual int AddMasked(TBitmap* image, TColor maskColor);
    virtual void Replace(int index, TBitmap* image, TBitmap* mask);
    virtual void Delete(int index);
    virtual void Clear();
    virtual void Move(int curIndex, int newIndex);
    // The image as a 32-bit bitmap with alpha.
    virtual void GetBitmap(int index, TBitmap* image) const;
    // Registers image overlayIndex (0-based) as overlay number overlay (1..15).
    bool Overlay(int imageIndex, int overlay);

    void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true);
    void Draw(TCanvas& canvas, int x, int y, int index, TDrawingStyle style, TImageType type, bool enabled);
    void DrawOverlay(TCanvas& canvas, int x, int y, int imageIndex, int overlay, bool enabled = true);

    void RegisterChanges(TChangeLink* link);
    void UnRegisterChanges(TChangeLink* link);
    TNotifyEvent OnChange;

protected:
    // Draws image index with the ILD_* flags in style; a disabled image is drawn in grey at half strength.
    virtual void DoDraw(int index, TCanvas& canvas, int x, int y, unsigned style, bool enabled);
    virtual void Change();

private:
    struct Images;
    void CheckIndex(int index) const;

    int width_ = 16;
    int height_ = 16;
    TColor bkColor_ = clNone;
    TColor blendColor_ = clNone;
    TDrawingStyle drawingStyle_ = dsNormal;
    std::unique_ptr<Images> images_;
    std::vector<TChangeLink*> links_;
    int overlays_[15];
};

class TImageList : public TCustomImageList
{
public:
    using TCustomImageList::TCustomImageList;
};
