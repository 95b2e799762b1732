#include "platform/gui/graphics/png_image.h"

#include "platform/gui/core/exceptions.h"
#include "platform/gui/core/stream_bytes.h"
#include "platform/gui/graphics/colors.h"
#include "platform/gui/graphics/picture_size.h"
#include "platform/gui/qt/bitmap_impl.h"
#include "platform/gui/qt/canvas_impl.h"

#include <png.h>

#include <algorithm>
#include <iterator>

namespace {

struct MemoryReader
{
    const std::string& bytes;
    size_t pos = 0;
};

[[noreturn]] void PngError(png_structp png, png_const_charp message)
{
    auto* text = static_cast<std::string*>(png_get_error_ptr(png));
    *text = message;
    png_longjmp(png, 1);
}

void PngWarning(png_structp, png_const_charp) {}

void ReadFromMemory(png_structp png, png_bytep out, png_size_t length)
{
    auto* reader = static_cast<MemoryReader*>(png_get_io_ptr(png));
    if (reader->pos + length > reader->bytes.size())
        png_error(png, "unexpected end of data");
    std::copy_n(reader->bytes.data() + reader->pos, length, out);
    reader->pos += length;
}

void WriteToString(png_structp png, png_bytep data, png_size_t length)
{
    static_cast<std::string*>(png_get_io_ptr(png))->append(reinterpret_cast<const char*>(data), length);
}

void FlushNothing(png_structp) {}

// The ancillary chunks libpng reports and their names.
const struct
{
    png_uint_32 flag;
    const char* name;
} KnownChunks[] = {
    {PNG_INFO_gAMA, "gAMA"}, {PNG_INFO_sRGB, "sRGB"}, {PNG_INFO_iCCP, "iCCP"}, {PNG_INFO_cHRM, "cHRM"},
    {PNG_INFO_bKGD, "bKGD"}, {PNG_INFO_pHYs, "pHYs"}, {PNG_INFO_tIME, "tIME"}, {PNG_INFO_tRNS, "tRNS"},
    {PNG_INFO_sBIT, "sBIT"}, {PNG_INFO_hIST, "hIST"}, {PNG_INFO_oFFs, "oFFs"},
};

int SamplesPerPixel(TPngColorType type)
{
    switch (type) {
    case COLOR_RGB:
    case COLOR_RGBALPHA:
        return 3; // alpha is kept apart
    default:
        return 1;
    }
}

} // namespace

TPngImage::TPngImage(TPngColorType colorType, uint8_t bitDepth, int width, int height)
{
    header_.ColorType = colorType;
    header_.BitDepth = bitDepth;
    header_.Width = std::max(width, 0);
    header_.Height = std::max(height, 0);
    pixels_.assign(RowBytes() * static_cast<size_t>(header_.Height), 0);
    if (HasAlphaChannel())
        alpha_.assign(static_cast<size_t>(header_.Width) * header_.Height, 0);
}

int TPngImage::BytesPerPixel() const
{
    return SamplesPerPixel(header_.ColorType);
}

bool TPngImage::HasAlphaChannel() const
{
    return header_.ColorType == COLOR_RGBALPHA || header_.ColorType == COLOR_GRAYSCALEALPHA;
}

void TPngImage::SetWidth(int width)
{
    TPngImage resized(header_.ColorType, header_.BitDepth, width, header_.Height);
    const size_t bytes = std::min(RowBytes(), resized.RowBytes());
    for (int y = 0; y < header_.Height; ++y) {
        std::copy_n(ScanLine(y), bytes, resized.ScanLine(y));
        if (HasAlphaChannel())
            std::copy_n(AlphaScanline(y), std::min(Width(), resized.Width()), resized.AlphaScanline(y));
    }
    std::swap(header_, resized.header_);
    std::swap(pixels_, resized.pixels_);
    std::swap(alpha_, resized.alpha_);
    Changed();
}

void TPngImage::SetHeight(int height)
{
    header_.Height = std::max(height, 0);
    pixels_.resize(RowBytes() * static_cast<size_t>(header_.Height), 0);
    if (HasAlphaChannel())
        alpha_.resize(static_cast<size_t>(header_.Width) * header_.Height, 0);
    Changed();
}

uint8_t* TPngImage::ScanLine(int row)
{
    if (row < 0 || row >= header_.Height)
        throw EInvalidGraphic("Scan line index out of range");
    return pixels_.data() + RowBytes() * static_cast<size_t>(row);
}

const uint8_t* TPngImage::ScanLine(int row) const
{
    return const_cast<TPngImage*>(this)->ScanLine(row);
}

uint8_t* TPngImage::AlphaScanline(int row)
{
    if (!HasAlphaChannel())
        return nullptr;
    if (row < 0 || row >= header_.Height)
        throw EInvalidGraphic("Scan line index out of range");
    return alpha_.data() + static_cast<size_t>(header_.Width) * row;
}

const uint8_t* TPngImage::AlphaScanline(int row) const
{
    return const_cast<TPngImage*>(this)->AlphaScanline(row);
}

void TPngImage::CreateAlpha()
{
    if (HasAlphaChannel())
        return;
    if (header_.ColorType == COLOR_PALETTE) {
        paletteAlpha_.resize(palette_.size(), 255);
    } else {
        header_.ColorType = header_.ColorType == COLOR_RGB ? COLOR_RGBALPHA : COLOR_GRAYSCALEALPHA;
        alpha_.assign(static_cast<size_t>(header_.Width) * header_.Height, 255);
        transparentColor_ = clNone;
    }
    Changed();
}

void TPngImage::RemoveTransparency()
{
    if (header_.ColorType == COLOR_RGBALPHA)
        header_.ColorType = COLOR_RGB;
    else if (header_.ColorType == COLOR_GRAYSCALEALPHA)
        header_.ColorType = COLOR_GRAYSCALE;
    alpha_.clear();
    paletteAlpha_.clear();
    transparentColor_ = clNone;
    std::erase(chunks_, "tRNS");
    Changed();
}

TPngTransparencyMode TPngImage::TransparencyMode() const
{
    const auto modeOf = [](const std::vector<uint8_t>& values) {
        TPngTransparencyMode mode = ptmNone;
        for (uint8_t a : values) {
            if (a != 0 && a != 255)
                return ptmPartial;
            if (a == 0)
                mode = ptmBit;
        }
        return mode;
    };
    if (header_.ColorType == COLOR_PALETTE)
        return modeOf(paletteAlpha_);
    if (HasAlphaChannel())
        return ptmPartial;
    return transparentColor_ != clNone ? ptmBit : ptmNone;
}

void TPngImage::SetTransparentColor(TColor color)
{
    transparentColor_ = color;
    if (color != clNone && !HasChunk("tRNS"))
        chunks_.push_back("tRNS");
    Changed();
}

std::vector<std::string> TPngImage::Chunks() const
{
    return chunks_;
}

bool TPngImage::HasChunk(const std::string& name) const
{
    return std::find(chunks_.begin(), chunks_.end(), name) != chunks_.end();
}

void TPngImage::RemoveChunk(const std::string& name)
{
    std::erase(chunks_, name);
    if (name == "gAMA")
        gamma_ = 0;
    if (name == "tRNS") {
        paletteAlpha_.clear();
        transparentColor_ = clNone;
    }
}

void TPngImage::Assign(const TPersistent* source)
{
    if (const auto* png = dynamic_cast<const TPngImage*>(source)) {
        if (png == this)
            return;
        header_ = png->header_;
        pixels_ = png->pixels_;
        alpha_ = png->alpha_;
        palette_ = png->palette_;
        paletteAlpha_ = png->paletteAlpha_;
        transparentColor_ = png->transparentColor_;
        chunks_ = png->chunks_;
        gamma_ = png->gamma_;
        Changed();
        return;
    }
    TGraphic::Assign(source);
}

void TPngImage::AssignTo(TPersistent* dest) const
{
    if (auto* bitmap = dynamic_cast<TBitmap*>(dest)) {
        ToBitmap(*bitmap);
        return;
    }
    TGraphic::AssignTo(dest);
}

void TPngImage::LoadFromStream(TStream& stream)
{
    const std::string bytes = ReadToEnd(stream);
    if (bytes.size() < 8 || png_sig_cmp(reinterpret_cast<png_const_bytep>(bytes.data()), 0, 8) != 0)
        throw EInvalidGraphic("Not a PNG image");
    std::string error;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &error, PngError, PngWarning);
    png_infop info = png_create_info_struct(png);
    MemoryReader reader{bytes};
    TPngImage loaded;
    std::vector<uint8_t> rgba;
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        throw EInvalidGraphic("PNG image is not valid: " + error);
    }
    png_set_read_fn(png, &reader, ReadFromMemory);
    png_read_info(png, info);
    TPngHeader& h = loaded.header_;
    h.Width = static_cast<int>(png_get_image_width(png, info));
    h.Height = static_cast<int>(png_get_image_height(png, info));
    try {
        CheckPictureSize("PNG", png_get_image_width(png, info), png_get_image_height(png, info));
    } catch (const EInvalidGraphic&) {
        png_destroy_read_struct(&png, &info, nullptr);
        throw;
    }
    h.BitDepth = png_get_bit_depth(png, info);
    h.ColorType = static_cast<TPngColorType>(png_get_color_type(png, info));
    h.InterlaceMethod = png_get_interlace_type(png, info);
    for (const auto& chunk : KnownChunks)
        if (png_get_valid(png, info, chunk.flag))
            loaded.chunks_.push_back(chunk.name);
    if (png_textp text = nullptr; png_get_text(png, info, &text, nullptr) > 0)
        loaded.chunks_.push_back("tEXt");
    if (png_get_valid(png, info, PNG_INFO_gAMA))
        png_get_gAMA(png, info, &loaded.gamma_);
    if (h.ColorType == COLOR_PALETTE) {
        png_colorp colors = nullptr;
        int count = 0;
        png_get_PLTE(png, info, &colors, &count);
        for (int i = 0; i < count; ++i)
            loaded.palette_.push_back({colors[i].red, colors[i].green, colors[i].blue});
    }
    if (png_get_valid(png, info, PNG_INFO_tRNS)) {
        png_bytep alphas = nullptr;
        int count = 0;
        png_color_16p color = nullptr;
        png_get_tRNS(png, info, &alphas, &count, &color);
        if (h.ColorType == COLOR_PALETTE && alphas)
            loaded.paletteAlpha_.assign(alphas, alphas + count);
        else if (color) {
            // Samples kept at eight bits; grey levels of fewer bits scaled as the pixels are drawn.
            const auto sample = [&](png_uint_16 v) {
                if (h.BitDepth == 16)
                    return static_cast<uint8_t>(v >> 8);
                return static_cast<uint8_t>(h.BitDepth < 8 ? v * (255 / ((1 << h.BitDepth) - 1)) : v);
            };
            loaded.transparentColor_ =
                h.ColorType == COLOR_GRAYSCALE
                    ? RGBToColor(sample(color->gray), sample(color->gray), sample(color->gray))
                    : RGBToColor(sample(color->red), sample(color->green), sample(color->blue));
        }
    }
    png_set_strip_16(png);
    png_set_packing(png);
    if (h.ColorType == COLOR_RGB || h.ColorType == COLOR_RGBALPHA)
        png_set_bgr(png);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    const size_t rowBytes = png_get_rowbytes(png, info);
    std::vector<uint8_t> raw(rowBytes * static_cast<size_t>(h.Height));
    std::vector<png_bytep> rows(static_cast<size_t>(h.Height));
    for (int y = 0; y < h.Height; ++y)
        rows[static_cast<size_t>(y)] = raw.data() + rowBytes * static_cast<size_t>(y);
    png_read_image(png, rows.data());
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);

    // Split interleaved alpha from the colour or grey samples.
    const bool withAlpha = loaded.HasAlphaChannel();
    const int samples = SamplesPerPixel(h.ColorType);
    const size_t pixelCount = static_cast<size_t>(h.Width) * h.Height;
    loaded.pixels_.resize(pixelCount * samples);
    if (withAlpha)
        loaded.alpha_.resize(pixelCount);
    const int stride = samples + (withAlpha ? 1 : 0);
    for (size_t i = 0; i < pixelCount; ++i) {
        const size_t y = i / h.Width, x = i % h.Width;
        const uint8_t* in = raw.data() + y * rowBytes + x * stride;
        std::copy_n(in, samples, loaded.pixels_.data() + i * samples);
        if (withAlpha)
            loaded.alpha_[i] = in[samples];
    }
    Assign(&loaded);
}

void TPngImage::SaveToStream(TStream& stream) const
{
    if (Empty())
        throw EInvalidGraphic("Cannot save an empty PNG image");
    std::string out, error;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &error, PngError, PngWarning);
    png_infop info = png_create_info_struct(png);
    const TPngHeader& h = header_;
    const int depth = h.BitDepth == 16 ? 8 : h.BitDepth;
    const bool withAlpha = HasAlphaChannel();
    const int samples = BytesPerPixel();
    const size_t rowBytes = static_cast<size_t>(h.Width) * (samples + (withAlpha ? 1 : 0));
    std::vector<uint8_t> raw(rowBytes * static_cast<size_t>(h.Height));
    for (int y = 0; y < h.Height; ++y)
        for (int x = 0; x < h.Width; ++x) {
            uint8_t* o = raw.data() + rowBytes * y + static_cast<size_t>(x) * (samples + (withAlpha ? 1 : 0));
            std::copy_n(ScanLine(y) + static_cast<size_t>(x) * samples, samples, o);
            if (withAlpha)
                o[samples] = AlphaScanline(y)[x];
        }
    std::vector<png_bytep> rows(static_cast<size_t>(h.Height));
    for (int y = 0; y < h.Height; ++y)
        rows[static_cast<size_t>(y)] = raw.data() + rowBytes * static_cast<size_t>(y);
    std::vector<png_color> colors;
    for (const TPngPaletteEntry& e : palette_)
        colors.push_back({e.Red, e.Green, e.Blue});
    std::vector<png_byte> alphas(paletteAlpha_.begin(), paletteAlpha_.end());
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        throw EInvalidGraphic("PNG image could not be written: " + error);
    }
    png_set_write_fn(png, &out, WriteToString, FlushNothing);
    png_set_IHDR(png, info, static_cast<png_uint_32>(h.Width), static_cast<png_uint_32>(h.Height), depth,
                 h.ColorType, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (h.ColorType == COLOR_PALETTE && !colors.empty())
        png_set_PLTE(png, info, colors.data(), static_cast<int>(colors.size()));
    if (h.ColorType == COLOR_PALETTE && !alphas.empty())
        png_set_tRNS(png, info, alphas.data(), static_cast<int>(alphas.size()), nullptr);
    if (h.ColorType != COLOR_PALETTE && !withAlpha && transparentColor_ != clNone) {
        png_color_16 key{};
        key.red = GetRValue(transparentColor_);
        key.green = GetGValue(transparentColor_);
        key.blue = GetBValue(transparentColor_);
        // Grey levels of fewer bits were scaled up to eight bits when read; the chunk holds the raw level.
        key.gray = depth < 8 ? GetRValue(transparentColor_) / (255 / ((1 << depth) - 1))
                             : GetRValue(transparentColor_);
        png_set_tRNS(png, info, nullptr, 0, &key);
    }
    if (HasChunk("gAMA") && gamma_ > 0)
        png_set_gAMA(png, info, gamma_);
    png_write_info(png, info);
    if (depth < 8)
        png_set_packing(png);
    if (h.ColorType == COLOR_RGB || h.ColorType == COLOR_RGBALPHA)
        png_set_bgr(png);
    png_write_image(png, rows.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    WriteAll(stream, out);
}

void TPngImage::ToBitmap(TBitmap& bitmap) const
{
    bitmap.SetPixelFormat(pf32bit);
    bitmap.SetSize(0, 0);
    bitmap.SetSize(Width(), Height());
    const int grayScale = header_.BitDepth < 8 ? 255 / ((1 << header_.BitDepth) - 1) : 1;
    for (int y = 0; y < Height(); ++y) {
        const uint8_t* in = ScanLine(y);
        const uint8_t* a = AlphaScanline(y);
        uint8_t* out = bitmap.ScanLine(y);
        for (int x = 0; x < Width(); ++x, out += 4) {
            uint8_t b, g, r, alpha = a ? a[x] : 255;
            if (header_.ColorType == COLOR_PALETTE) {
                const size_t index = in[x];
                const TPngPaletteEntry e = index < palette_.size() ? palette_[index] : TPngPaletteEntry{};
                r = e.Red, g = e.Green, b = e.Blue;
                alpha = index < paletteAlpha_.size() ? paletteAlpha_[index] : 255;
            } else if (SamplesPerPixel(header_.ColorType) == 3) {
                b = in[3 * x], g = in[3 * x + 1], r = in[3 * x + 2];
            } else {
                r = g = b = static_cast<uint8_t>(in[x] * grayScale);
            }
            if (!a && header_.ColorType != COLOR_PALETTE && transparentColor_ == RGBToColor(r, g, b))
                alpha = 0;
            out[0] = b, out[1] = g, out[2] = r, out[3] = alpha;
        }
    }
}

void TPngImage::Draw(TCanvas& canvas, const TRect& rect)
{
    TBitmap pixels;
    ToBitmap(pixels);
    QPainter* p = canvas.Internal().PicturePainter();
    if (!p)
        return;
    p->drawImage(ToQRect(rect), pixels.Internal().image);
}
