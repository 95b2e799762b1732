#pragma once

#include "platform/gui/graphics/bitmap.h"

#include <array>
#include <string>
#include <vector>

// A PNG picture that keeps what the file says: its header, palette, transparency chunk, alpha channel and
// the ancillary chunks it carried, so that code can inspect and change them before drawing or saving.
//
// Pixels are kept eight bits per sample: ScanLine rows hold B, G, R bytes for colour images, one palette
// index per pixel for palette images and one grey byte for grey images (samples of fewer bits are
// unpacked, 16-bit samples keep their high byte). Alpha is kept apart, one byte per pixel.

enum TPngColorType : uint8_t
{
    COLOR_GRAYSCALE = 0,
    COLOR_RGB = 2,
    COLOR_PALETTE = 3,
    COLOR_GRAYSCALEALPHA = 4,
    COLOR_RGBALPHA = 6
};

enum TPngTransparencyMode
{
    ptmNone,   // opaque
    ptmBit,    // one colour (or palette entries) fully transparent, the rest opaque
    ptmPartial // alpha values between 0 and 255
};

struct TPngHeader
{
    int Width = 0;
    int Height = 0;
    uint8_t BitDepth = 8;
    TPngColorType ColorType = COLOR_RGB;
    uint8_t InterlaceMethod = 0;
};

struct TPngPaletteEntry
{
    uint8_t Red = 0, Green = 0, Blue = 0;
    friend bool operator==(const TPngPaletteEntry&, const TPngPaletteEntry&) = default;
};

class TPngImage : public TGraphic
{
public:
    TPngImage() = default;
    // A new image of the given kind, every byte zero.
    TPngImage(TPngColorType colorType, uint8_t bitDepth, int width, int height);

    bool Empty() const override { return header_.Width == 0 || header_.Height == 0; }
    int Width() const override { return header_.Width; }
    int Height() const override { return header_.Height; }
    void SetWidth(int width) override;
    void SetHeight(int height) override;
    const TPngHeader& Header() const { return header_; }

    uint8_t* ScanLine(int row);
    const uint8_t* ScanLine(int row) const;
    int BytesPerPixel() const;
    // nullptr when the image has no alpha channel.
    uint8_t* AlphaScanline(int row);
    const uint8_t* AlphaScanline(int row) const;
    // Gives a colour or grey image an alpha channel, every pixel opaque; palette images take a tRNS chunk.
    void CreateAlpha();
    void RemoveTransparency();

    std::vector<TPngPaletteEntry>& Palette() { return palette_; }
    const std::vector<TPngPaletteEntry>& Palette() const { return palette_; }
    // Alpha of each palette entry from the tRNS chunk; shorter than the palette means opaque for the rest.
    std::vector<uint8_t>& PaletteAlpha() { return paletteAlpha_; }
    const std::vector<uint8_t>& PaletteAlpha() const { return paletteAlpha_; }
    TPngTransparencyMode TransparencyMode() const;
    // The colour a tRNS chunk makes transparent in grey and colour images (clNone when there is none).
    TColor TransparentColor() const { return transparentColor_; }
    void SetTransparentColor(TColor color);

    // Names of the ancillary chunks read or kept ("gAMA", "tEXt", ...); RemoveChunk drops one by name.
    std::vector<std::string> Chunks() const;
    bool HasChunk(const std::string& name) const;
    void RemoveChunk(const std::string& name);
    double Gamma() const { return gamma_; }

    void Assign(const TPersistent* source) override;
    void AssignTo(TPersistent* dest) const override;
    void LoadFromStream(TStream& stream) override;
    void SaveToStream(TStream& stream) const override;
    void Draw(TCanvas& canvas, const TRect& rect) override;

    // The picture as 32-bit pixels with alpha (B, G, R, A scan lines, not premultiplied).
    void ToBitmap(TBitmap& bitmap) const;

private:
    size_t RowBytes() const { return static_cast<size_t>(header_.Width) * BytesPerPixel(); }
    bool HasAlphaChannel() const;

    TPngHeader header_;
    std::vector<uint8_t> pixels_;
    std::vector<uint8_t> alpha_;
    std::vector<TPngPaletteEntry> palette_;
    std::vector<uint8_t> paletteAlpha_;
    TColor transparentColor_ = clNone;
    std::vector<std::string> chunks_;
    double gamma_ = 0;
};
