#include "controls/edits/gdiplus_image.h"

#include "platform/gui/core/exceptions.h"
#include "platform/gui/core/stream_bytes.h"

#include <new>

namespace {

// Module set-ups minus tear-downs, as negative counts: -1 after the first set-up.
int setUpCounter = 0;

bool StartsWith(std::string_view bytes, std::string_view signature)
{
    return bytes.substr(0, signature.size()) == signature;
}

bool IsEnhancedMetafile(std::string_view bytes)
{
    return bytes.size() >= 44 && StartsWith(bytes, std::string_view("\x01\0\0\0", 4)) &&
           bytes.substr(40, 4) == " EMF";
}

// A placeable metafile's key, or the header of a plain one: type 1 or 2, nine words long.
bool IsWindowsMetafile(std::string_view bytes)
{
    return StartsWith(bytes, "\xD7\xCD\xC6\x9A") || (bytes.size() >= 18 && (bytes[0] == 1 || bytes[0] == 2) &&
                                                     bytes[1] == 0 && bytes[2] == 9 && bytes[3] == 0);
}

bool Decodable(TGPImageFormat format)
{
    return format == ifBMP || format == ifPNG || format == ifGIF || format == ifJPEG || format == ifIcon;
}

} // namespace

TGPImageFormat ImageFormatOf(std::string_view bytes)
{
    if (StartsWith(bytes, "BM"))
        return ifBMP;
    if (StartsWith(bytes, "\x89PNG\r\n\x1A\n"))
        return ifPNG;
    if (StartsWith(bytes, "GIF87a") || StartsWith(bytes, "GIF89a"))
        return ifGIF;
    if (StartsWith(bytes, "\xFF\xD8\xFF"))
        return ifJPEG;
    if (StartsWith(bytes, std::string_view("\0\0\1\0", 4)))
        return ifIcon;
    if (StartsWith(bytes, std::string_view("II*\0", 4)) || StartsWith(bytes, std::string_view("MM\0*", 4)))
        return ifTIFF;
    if (IsEnhancedMetafile(bytes))
        return ifEMF;
    if (IsWindowsMetafile(bytes))
        return ifWMF;
    return ifUndefined;
}

void GdiplusSetUp()
{
    --setUpCounter;
}

void GdiplusTearDown()
{
    if (setUpCounter < 0)
        ++setUpCounter;
}

bool GdiplusStarted()
{
    return setUpCounter < 0;
}

TGPImage::TGPImage(TStream& stream, bool)
{
    try {
        const std::string bytes = ReadToEnd(stream);
        format_ = ImageFormatOf(bytes);
        if (!Decodable(format_)) {
            lastStatus_ = format_ == ifUndefined ? UnknownImageFormat : NotImplemented;
            return;
        }
        auto pixels = std::make_unique<TBitmap>();
        TMemoryStream data;
        WriteAll(data, bytes);
        data.SetPosition(0);
        pixels->LoadFromStream(data);
        pixels_ = std::move(pixels);
    } catch (const std::bad_alloc&) {
        lastStatus_ = OutOfMemory;
    } catch (const std::exception&) {
        lastStatus_ = GenericError;
    }
}

TGPImage::~TGPImage() = default;

unsigned TGPImage::GetWidth()
{
    if (!pixels_) {
        lastStatus_ = lastStatus_ == Ok ? InvalidParameter : lastStatus_;
        return 0;
    }
    return static_cast<unsigned>(pixels_->Width());
}

unsigned TGPImage::GetHeight()
{
    if (!pixels_) {
        lastStatus_ = lastStatus_ == Ok ? InvalidParameter : lastStatus_;
        return 0;
    }
    return static_cast<unsigned>(pixels_->Height());
}

Status TGPGraphics::DrawImageRect(TGPImage* image, int x, int y, int width, int height)
{
    if (!image || !image->Pixels()) {
        lastStatus_ = InvalidParameter;
        return lastStatus_;
    }
    const bool antialiased = canvas_.Antialiased();
    canvas_.SetAntialiased(true);
    canvas_.StretchDraw(Bounds(x, y, width, height), image->Pixels());
    canvas_.SetAntialiased(antialiased);
    return Ok;
}
