#pragma once

#include "platform/gui/graphics/canvas.h"

#include "support/streams.h"
#include <memory>

#include <string>

// Pictures that draw themselves on a canvas, and the bitmap: pixels in memory with a canvas of their own.

class QImage;

class TGraphic : public TPersistent
{
public:
    virtual bool Empty() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual void SetWidth(int width) = 0;
    virtual void SetHeight(int height) = 0;
    bool Transparent() const { return transparent_; }
    virtual void SetTransparent(bool transparent);
    virtual void LoadFromStream(TStream& stream) = 0;
    virtual void SaveToStream(TStream& stream) const = 0;
    void LoadFromFile(const std::string& fileName);
    void SaveToFile(const std::string& fileName) const;

    TNotifyEvent OnChange;

    // Draws the picture scaled into rect; called by TCanvas::Draw and StretchDraw.
    virtual void Draw(TCanvas& canvas, const TRect& rect) = 0;

protected:
    void Changed();

private:
    bool transparent_ = false;
};

enum TPixelFormat
{
    pfDevice,
    pf1bit,
    pf4bit,
    pf8bit,
    pf15bit,
    pf16bit,
    pf24bit,
    pf32bit,
    pfCustom
};

enum TTransparentMode
{
    tmAuto, // the bottom-left pixel is the transparent colour
    tmFixed // TransparentColor
};

// Scan lines: pf24bit rows are B, G, R bytes; pf32bit rows are B, G, R, A bytes (alpha not premultiplied);
// every other format is kept as 32-bit B, G, R, 0xFF. New pixels are white, and fully transparent in pf32bit.
class TBitmap : public TGraphic
{
public:
    TBitmap();
    TBitmap(int width, int height, TPixelFormat format = pfDevice);
    ~TBitmap() override;

    bool Empty() const override;
    int Width() const override;
    int Height() const override;
    void SetWidth(int width) override;
    void SetHeight(int height) override;
    void SetSize(int width, int height);
    TPixelFormat PixelFormat() const { return format_; }
    void SetPixelFormat(TPixelFormat format);
    uint8_t* ScanLine(int row);
    const uint8_t* ScanLine(int row) const;
    TCanvas* Canvas();

    TTransparentMode TransparentMode() const { return transparentMode_; }
    void SetTransparentMode(TTransparentMode mode);
    TColor TransparentColor() const;
    void SetTransparentColor(TColor color);

    void Assign(const TPersistent* source) override;
    void LoadFromStream(TStream& stream) override;
    void SaveToStream(TStream& stream) const override; // BMP; PNG for pf32bit, keeping alpha
    // Loads the program's bitmap resource of that name; a missing one raises EResNotFound.
    void LoadFromResourceName(const std::string& name);
    void Draw(TCanvas& canvas, const TRect& rect) override;

    struct Impl;
    Impl& Internal() const { return *impl_; }
    // Replaces the pixels with a copy of image in the given format (for the layer's own sources).
    friend void AssignImage(TBitmap& bitmap, const QImage& image, TPixelFormat format);

private:
    std::unique_ptr<Impl> impl_;
    TPixelFormat format_ = pfDevice;
    TTransparentMode transparentMode_ = tmAuto;
    TColor transparentColor_ = clDefault;
};
