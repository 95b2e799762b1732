#pragma once

#include "platform/gui/graphics/bitmap.h"

#include <memory>
#include <string>

// The few image services the markup pictures need: an image decoded from the bytes of a file, its format
// and size, and drawing it scaled into a rectangle of a canvas. BMP, PNG, GIF (its first frame), JPEG and
// icon files decode; TIFF, EMF and WMF are known by their signature and have no size here. No operation
// raises: failures show as the last status and as sizes of 0.

enum Status
{
    Ok,
    GenericError,
    InvalidParameter,
    OutOfMemory,
    ObjectBusy,
    InsufficientBuffer,
    NotImplemented,
    Win32Error,
    WrongState,
    Aborted,
    FileNotFound,
    ValueOverflow,
    AccessDenied,
    UnknownImageFormat,
    FontFamilyNotFound,
    FontStyleNotFound,
    NotTrueTypeFont,
    UnsupportedGdiplusVersion,
    GdiplusNotInitialized,
    PropertyNotFound,
    PropertyNotSupported
};

enum TGPImageFormat
{
    ifUndefined,
    ifMemoryBMP,
    ifBMP,
    ifEMF,
    ifWMF,
    ifJPEG,
    ifPNG,
    ifGIF,
    ifTIFF,
    ifEXIF,
    ifIcon
};

// The format a file's first bytes announce.
TGPImageFormat ImageFormatOf(std::string_view bytes);

// The program's module set-up and tear-down of the image services: only the count of set-ups is kept, as the
// toolkit's decoders need no start.
void GdiplusSetUp();
void GdiplusTearDown();
bool GdiplusStarted();

class TGPImage
{
public:
    // Decodes the stream's bytes from its position to its end. The colour-management choice is kept for
    // callers that name it; images are decoded as they are.
    explicit TGPImage(TStream& stream, bool useEmbeddedColorManagement = false);
    ~TGPImage();

    TGPImageFormat GetFormat() const { return format_; }
    unsigned GetWidth();
    unsigned GetHeight();
    Status GetLastStatus() const { return lastStatus_; }
    // The decoded pixels; nullptr when nothing was decoded.
    TBitmap* Pixels() const { return pixels_.get(); }

private:
    TGPImageFormat format_ = ifUndefined;
    std::unique_ptr<TBitmap> pixels_;
    Status lastStatus_ = Ok;
};

// Drawing on a canvas.
class TGPGraphics
{
public:
    explicit TGPGraphics(TCanvas& canvas) : canvas_(canvas) {}
    // Stretches image into the rectangle, smoothly; a missing or undecoded image fails with InvalidParameter.
    Status DrawImageRect(TGPImage* image, int x, int y, int width, int height);
    Status GetLastStatus() const { return lastStatus_; }

private:
    TCanvas& canvas_;
    Status lastStatus_ = Ok;
};
