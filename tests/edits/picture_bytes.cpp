#include "picture_bytes.h"

#include "platform/gui/graphics/bitmap.h"
#include "platform/gui/graphics/colors.h"
#include "platform/gui/graphics/picture.h"

#include <memory>

namespace {

void Word(std::string& out, int value)
{
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>((value >> 8) & 0xFF);
}

std::unique_ptr<TBitmap> Filled(int width, int height, TColor color)
{
    auto bitmap = std::make_unique<TBitmap>(width, height, pf24bit);
    bitmap->Canvas()->Brush()->SetColor(color);
    bitmap->Canvas()->FillRect({0, 0, width, height});
    return bitmap;
}

std::string Saved(const TGraphic& graphic)
{
    TMemoryStream stream;
    graphic.SaveToStream(stream);
    return std::string(stream.Bytes().begin(), stream.Bytes().end());
}

template <typename TDecoded> std::string DecodedFileBytes(int width, int height, TColor color)
{
    TDecoded picture;
    picture.Assign(Filled(width, height, color).get());
    return Saved(picture);
}

} // namespace

std::string GifBytes(int width, int height, const std::vector<TPoint>& frames)
{
    std::string gif = "GIF89a";
    Word(gif, width);
    Word(gif, height);
    gif += std::string("\x80\x00\x00", 3);             // a global table of two colours
    gif += std::string("\x00\x00\xFF\xFF\xFF\xFF", 6); // blue, white
    for (const TPoint& at : frames) {
        gif += std::string("\x21\xF9\x04\x00\x0A\x00\x00\x00", 8); // graphic control extension
        gif += '\x2C';
        Word(gif, at.X);
        Word(gif, at.Y);
        Word(gif, 1);
        Word(gif, 1);
        gif += '\x00';
        gif += std::string("\x02\x02\x44\x01\x00", 5); // one pixel of colour 0
    }
    return gif + '\x3B';
}

std::string BitmapFileBytes(int width, int height, TColor color)
{
    return Saved(*Filled(width, height, color));
}

std::string PngFileBytes(int width, int height, TColor color)
{
    // A 32-bit bitmap saves itself as PNG.
    TBitmap bitmap(width, height, pf32bit);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            uint8_t* pixel = bitmap.ScanLine(y) + 4 * x;
            pixel[0] = GetBValue(color), pixel[1] = GetGValue(color), pixel[2] = GetRValue(color);
            pixel[3] = 0xFF;
        }
    return Saved(bitmap);
}

std::string JpegFileBytes(int width, int height, TColor color)
{
    return DecodedFileBytes<TJPEGImage>(width, height, color);
}

std::string IconFileBytes(int width, int height, TColor color)
{
    return DecodedFileBytes<TIcon>(width, height, color);
}
