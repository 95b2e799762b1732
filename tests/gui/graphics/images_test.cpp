#include "platform/gui/core/exceptions.h"
#include "platform/gui/graphics/colors.h"
#include "platform/gui/graphics/image_list.h"
#include "platform/gui/graphics/picture.h"
#include "platform/gui/graphics/png_image.h"

#include <QImage>

#include <png.h>
#include <zlib.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

namespace {

std::string TempFile(const std::string& name)
{
    return (std::filesystem::temp_directory_path() / name).string();
}

// Writes a 2 x 1 RGBA file with a gamma chunk: an opaque pixel (10, 20, 30) and a transparent one.
void WriteAlphaPngWithGamma(const std::string& path)
{
    FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_init_io(png, file);
    png_set_IHDR(png, info, 2, 1, 8, PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_set_gAMA(png, info, 0.45455);
    png_write_info(png, info);
    png_byte row[] = {10, 20, 30, 255, 0, 0, 0, 0};
    png_write_row(png, row);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    std::fclose(file);
}

std::string Saved(const TGraphic& graphic)
{
    TMemoryStream stream;
    graphic.SaveToStream(stream);
    return std::string(stream.Bytes().begin(), stream.Bytes().end());
}

// Writes value into bytes at offset in size bytes, the most significant first when bigEndian.
void Put(std::string& bytes, size_t at, uint32_t value, int size, bool bigEndian)
{
    for (int i = 0; i < size; ++i)
        bytes[at + static_cast<size_t>(bigEndian ? size - 1 - i : i)] = static_cast<char>(value >> (8 * i));
}

// Small files of the layer's writers made to declare a picture of width x height.
std::string PngDeclaring(uint32_t width, uint32_t height)
{
    std::string png = Saved(TPngImage(COLOR_RGB, 8, 2, 2));
    Put(png, 16, width, 4, true);
    Put(png, 20, height, 4, true);
    const auto* header = reinterpret_cast<const Bytef*>(png.data() + 12); // the chunk's type and data
    Put(png, 29, static_cast<uint32_t>(crc32(0, header, 17)), 4, true);
    return png;
}

std::string JpegDeclaring(uint16_t width, uint16_t height)
{
    TJPEGImage jpeg;
    jpeg.Assign(std::make_unique<TBitmap>(8, 8, pf24bit).get());
    std::string bytes = Saved(jpeg);
    const size_t frame = bytes.find("\xFF\xC0"); // the frame header: length, precision, height, width
    Put(bytes, frame + 5, height, 2, true);
    Put(bytes, frame + 7, width, 2, true);
    return bytes;
}

// An icon file of one picture stored as PNG, which declares its own size.
std::string IconDeclaring(uint32_t width, uint32_t height)
{
    const std::string png = PngDeclaring(width, height);
    std::string icon("\0\0\x01\0\x01\0", 6);
    std::string entry(16, '\0'); // 256 x 256 pixels by its size bytes
    Put(entry, 4, 1, 2, false);  // planes
    Put(entry, 6, 32, 2, false); // bits per pixel
    Put(entry, 8, static_cast<uint32_t>(png.size()), 4, false);
    Put(entry, 12, static_cast<uint32_t>(icon.size() + entry.size()), 4, false);
    return icon + entry + png;
}

std::string GifDeclaring(uint16_t width, uint16_t height)
{
    std::string gif = "GIF89a....";
    Put(gif, 6, width, 2, false);
    Put(gif, 8, height, 2, false);
    gif += std::string("\x80\0\0\0\0\xFF\xFF\xFF\xFF", 9); // two colours
    std::string descriptor(",\0\0\0\0....\0", 10);
    Put(descriptor, 5, width, 2, false);
    Put(descriptor, 7, height, 2, false);
    return gif + descriptor + std::string("\x02\x02\x44\x01\0;", 6);
}

} // namespace

TEST(Bitmap, FormatsScanLinesAndTransparentDrawing)
{
    TBitmap bitmap(3, 2, pf24bit);
    EXPECT_EQ(bitmap.Canvas()->Pixels(0, 0), clWhite);
    bitmap.Canvas()->SetPixels(1, 0, RGBToColor(10, 20, 30));
    const uint8_t* row = bitmap.ScanLine(0);
    EXPECT_EQ((std::vector<int>{row[3], row[4], row[5]}), (std::vector<int>{30, 20, 10})); // B, G, R
    EXPECT_THROW(bitmap.ScanLine(2), EInvalidGraphic);

    bitmap.SetSize(4, 3); // what fits of the old pixels stays
    EXPECT_EQ(bitmap.Canvas()->Pixels(1, 0), RGBToColor(10, 20, 30));
    EXPECT_EQ(bitmap.Canvas()->Pixels(3, 2), clWhite);

    // Transparent drawing leaves out the colour of the bottom-left pixel.
    TBitmap glyph(2, 2, pf24bit);
    glyph.Canvas()->Brush()->SetColor(clFuchsia);
    glyph.Canvas()->FillRect({0, 0, 2, 2});
    glyph.Canvas()->SetPixels(1, 0, clBlue);
    glyph.SetTransparent(true);
    EXPECT_EQ(glyph.TransparentColor(), clFuchsia);
    TBitmap target(4, 4, pf24bit);
    target.Canvas()->Draw(1, 1, &glyph);
    EXPECT_EQ(target.Canvas()->Pixels(1, 1), clWhite);
    EXPECT_EQ(target.Canvas()->Pixels(2, 1), clBlue);

    TBitmap copy;
    copy.Assign(&glyph);
    EXPECT_EQ(copy.Canvas()->Pixels(1, 0), clBlue);
    EXPECT_TRUE(copy.Transparent());
}

TEST(PngImage, PaletteAndTransparencyChunkSurviveAndDraw)
{
    TPngImage png(COLOR_PALETTE, 8, 2, 1);
    png.Palette() = {{255, 0, 0}, {0, 0, 255}};
    png.PaletteAlpha() = {0}; // entry 0 transparent, entry 1 opaque
    png.ScanLine(0)[0] = 0;
    png.ScanLine(0)[1] = 1;
    EXPECT_EQ(png.TransparencyMode(), ptmBit);

    TMemoryStream file;
    png.SaveToStream(file);
    file.SetPosition(0);
    TPngImage loaded;
    loaded.LoadFromStream(file);
    EXPECT_EQ(loaded.Header().ColorType, COLOR_PALETTE);
    EXPECT_EQ(loaded.Header().Width, 2);
    EXPECT_EQ(loaded.Palette(), png.Palette());
    EXPECT_EQ(loaded.PaletteAlpha(), std::vector<uint8_t>{0});
    EXPECT_TRUE(loaded.HasChunk("tRNS"));
    EXPECT_EQ(loaded.TransparencyMode(), ptmBit);

    TBitmap target(2, 1, pf24bit);
    target.Canvas()->Draw(0, 0, &loaded);
    EXPECT_EQ(target.Canvas()->Pixels(0, 0), clWhite); // transparent entry
    EXPECT_EQ(target.Canvas()->Pixels(1, 0), clBlue);

    png.PaletteAlpha() = {128};
    EXPECT_EQ(png.TransparencyMode(), ptmPartial);
}

TEST(PngImage, ColourAlphaGammaAndErrors)
{
    // A file written elsewhere, with an alpha channel and a gamma chunk.
    const std::string path = TempFile("qm_alpha_gamma.png");
    WriteAlphaPngWithGamma(path);

    TPngImage png;
    png.LoadFromFile(path);
    EXPECT_EQ(png.Header().ColorType, COLOR_RGBALPHA);
    EXPECT_EQ(png.BytesPerPixel(), 3);
    EXPECT_EQ((std::vector<int>{png.ScanLine(0)[0], png.ScanLine(0)[1], png.ScanLine(0)[2]}),
              (std::vector<int>{30, 20, 10}));
    EXPECT_EQ(png.AlphaScanline(0)[1], 0);
    EXPECT_TRUE(png.HasChunk("gAMA"));
    png.RemoveChunk("gAMA");
    png.SaveToFile(path);
    TPngImage again;
    again.LoadFromFile(path);
    EXPECT_FALSE(again.HasChunk("gAMA"));
    EXPECT_EQ(again.AlphaScanline(0)[0], 255);
    std::filesystem::remove(path);

    TPngImage rgb(COLOR_RGB, 8, 1, 1);
    EXPECT_EQ(rgb.AlphaScanline(0), nullptr);
    rgb.CreateAlpha();
    EXPECT_EQ(rgb.Header().ColorType, COLOR_RGBALPHA);
    EXPECT_EQ(rgb.AlphaScanline(0)[0], 255);

    TMemoryStream junk;
    const std::string broken = "\x89PNG\r\n\x1a\nbroken";
    junk.WriteBuffer(broken.data(), static_cast<int64_t>(broken.size()));
    junk.SetPosition(0);
    TPngImage kept(COLOR_RGB, 8, 3, 3);
    EXPECT_THROW(kept.LoadFromStream(junk), EInvalidGraphic);
    EXPECT_EQ(kept.Width(), 3);
}

TEST(Picture, LoadsByExtensionAndKeepsThePictureOnFailure)
{
    const std::string jpeg = TempFile("qm_picture.jpg");
    QImage(5, 4, QImage::Format_RGB32).save(QString::fromStdString(jpeg), "JPEG");
    TPicture picture;
    picture.LoadFromFile(jpeg);
    ASSERT_NE(dynamic_cast<TJPEGImage*>(picture.Graphic()), nullptr);
    EXPECT_EQ(picture.Width(), 5);

    const std::string unknown = TempFile("qm_picture.xyz");
    EXPECT_THROW(picture.LoadFromFile(unknown), EInvalidGraphic);
    const std::string broken = TempFile("qm_broken.png");
    {
        std::ofstream(broken) << "not a picture";
    }
    EXPECT_THROW(picture.LoadFromFile(broken), EInvalidGraphic);
    EXPECT_EQ(picture.Width(), 5);

    TPicture copy;
    copy.Assign(&picture);
    EXPECT_NE(copy.Graphic(), picture.Graphic());
    EXPECT_EQ(copy.Height(), 4);
    TBitmap bitmap;
    bitmap.Assign(copy.Graphic());
    EXPECT_EQ(bitmap.Width(), 5);
    std::filesystem::remove(jpeg);
    std::filesystem::remove(broken);
}

TEST(Picture, TakesAGraphicOfAKindItCannotCopy)
{
    class TUnregistered : public TBitmap
    {
    };
    auto graphic = std::make_unique<TUnregistered>();
    graphic->SetSize(3, 2);
    const TGraphic* taken = graphic.get();
    TPicture picture;
    int changes = 0;
    picture.OnChange = [&](TObject*) { ++changes; };
    EXPECT_THROW(picture.SetGraphic(taken), EInvalidGraphic);
    picture.SetGraphic(std::move(graphic));
    EXPECT_EQ(picture.Graphic(), taken);
    EXPECT_EQ(picture.Width(), 3);
    EXPECT_EQ(changes, 1);
}

TEST(ImageList, DrawsNormalDisabledMaskedAndOverlaid)
{
    TImageList list(nullptr);
    list.SetSize(4, 4);
    int changes = 0;
    TChangeLink link;
    link.OnChange = [&](TObject*) { ++changes; };
    list.RegisterChanges(&link);

    // Two images in one strip: red, and blue with a fuchsia (masked) corner.
    TBitmap strip(8, 4, pf24bit);
    strip.Canvas()->Brush()->SetColor(clRed);
    strip.Canvas()->FillRect({0, 0, 4, 4});
    strip.Canvas()->Brush()->SetColor(clBlue);
    strip.Canvas()->FillRect({4, 0, 8, 4});
    strip.Canvas()->SetPixels(4, 0, clFuchsia);
    EXPECT_EQ(list.AddMasked(&strip, clFuchsia), 0);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(changes, 1);

    TBitmap target(12, 4, pf24bit);
    TCanvas& canvas = *target.Canvas();
    list.Draw(canvas, 0, 0, 0);
    list.Draw(canvas, 4, 0, 1);
    list.Draw(canvas, 8, 0, 0, false);
    EXPECT_EQ(canvas.Pixels(1, 1), clRed);
    EXPECT_EQ(canvas.Pixels(4, 0), clWhite); // masked corner
    EXPECT_EQ(canvas.Pixels(5, 1), clBlue);
    const TColor disabled = canvas.Pixels(9, 1);
    EXPECT_TRUE(GetRValue(disabled) == GetGValue(disabled) && GetGValue(disabled) == GetBValue(disabled));
    EXPECT_GT(GetRValue(disabled), 128); // grey, faded towards the background

    TBitmap overlay(12, 4, pf24bit);
    EXPECT_TRUE(list.Overlay(1, 0));
    list.DrawOverlay(*overlay.Canvas(), 0, 0, 0, 0);
    EXPECT_EQ(overlay.Canvas()->Pixels(1, 1), clBlue);
    EXPECT_EQ(overlay.Canvas()->Pixels(0, 0), clRed); // the overlay's masked corner shows the image

    list.Delete(0);
    EXPECT_EQ(list.Count(), 1);
    EXPECT_THROW(list.Delete(5), EInvalidOperation);
    list.Draw(canvas, 0, 0, 7); // out of range draws nothing
    list.SetSize(8, 8);
    EXPECT_EQ(list.Count(), 0);
}

namespace {

std::unique_ptr<TBitmap> SolidBitmap(int width, int height, TColor color)
{
    auto bitmap = std::make_unique<TBitmap>(width, height, pf24bit);
    bitmap->Canvas()->Brush()->SetColor(color);
    bitmap->Canvas()->FillRect({0, 0, width, height});
    return bitmap;
}

// The colour at (1, 1) of each image of a list, drawn on white.
std::vector<TColor> Colours(TCustomImageList& list)
{
    std::vector<TColor> colours;
    for (int i = 0; i < list.Count(); ++i) {
        const auto target = SolidBitmap(list.Width(), list.Height(), clWhite);
        list.Draw(*target->Canvas(), 0, 0, i);
        colours.push_back(target->Canvas()->Pixels(1, 1));
    }
    return colours;
}

class StoredImageList : public TImageList
{
public:
    using TImageList::ReadData;
    using TImageList::TImageList;
    using TImageList::WriteData;
};

} // namespace

TEST(ImageList, InsertsReplacesAndTakesIcons)
{
    TImageList list(nullptr);
    list.SetSize(4, 4);
    const auto red = SolidBitmap(4, 4, clRed), blue = SolidBitmap(4, 4, clBlue),
               lime = SolidBitmap(4, 4, clLime);
    list.Add(red.get(), nullptr);
    list.Add(blue.get(), nullptr);
    list.Insert(1, lime.get(), nullptr);
    EXPECT_EQ(Colours(list), (std::vector<TColor>{clRed, clLime, clBlue}));
    EXPECT_THROW(list.Insert(5, lime.get(), nullptr), EInvalidOperation);

    list.ReplaceMasked(0, blue.get(), clBlue); // wholly keyed out: the background shows
    list.InsertMasked(0, red.get(), clBlue);
    EXPECT_EQ(Colours(list), (std::vector<TColor>{clRed, clWhite, clLime, clBlue}));

    // An icon carries its transparency in its mask, and comes back in through AddIcon.
    TIcon icon;
    list.GetIcon(1, &icon);
    TBitmap color, mask;
    ASSERT_TRUE(GetIconInfo(icon, color, mask));
    EXPECT_EQ(mask.Canvas()->Pixels(2, 2), clWhite);
    list.GetIcon(2, &icon);
    ASSERT_TRUE(GetIconInfo(icon, color, mask));
    EXPECT_EQ(mask.Canvas()->Pixels(2, 2), clBlack);
    EXPECT_EQ(list.AddIcon(&icon), 4);
    list.ReplaceIcon(0, &icon);
    EXPECT_EQ(Colours(list), (std::vector<TColor>{clLime, clWhite, clLime, clBlue, clLime}));
    EXPECT_FALSE(GetIconInfo(TIcon(), color, mask));

    TImageList other(nullptr);
    other.SetSize(4, 4);
    EXPECT_EQ(other.AddImage(&list, 3), 0);
    EXPECT_EQ(other.AddImage(&list, 9), -1);
    other.AddImages(&list);
    EXPECT_EQ(Colours(other), (std::vector<TColor>{clBlue, clLime, clWhite, clLime, clBlue, clLime}));
}

TEST(ImageList, AssignAndStoredDataKeepImagesAndOverlays)
{
    StoredImageList list(nullptr);
    list.SetSize(4, 4);
    const auto red = SolidBitmap(4, 4, clRed), blue = SolidBitmap(4, 4, clBlue);
    blue->Canvas()->SetPixels(0, 0, clFuchsia);
    list.Add(red.get(), nullptr);
    list.AddMasked(blue.get(), clFuchsia);
    ASSERT_TRUE(list.Overlay(1, 2));
    list.SetBkColor(clYellow);

    StoredImageList copy(nullptr);
    copy.Assign(&list);
    EXPECT_EQ(copy.Count(), 2);
    EXPECT_EQ(copy.BkColor(), clYellow);
    const auto target = SolidBitmap(4, 4, clWhite);
    copy.DrawOverlay(*target->Canvas(), 0, 0, 0, 2);
    EXPECT_EQ(target->Canvas()->Pixels(1, 1), clBlue);
    EXPECT_EQ(target->Canvas()->Pixels(0, 0), clRed); // the overlay's masked corner

    // Data that is cut short, of another size or not an image list is refused and nothing is lost.
    TMemoryStream data;
    list.WriteData(data);
    std::string bytes(static_cast<size_t>(data.Size()), '\0');
    data.SetPosition(0);
    data.ReadBuffer(bytes.data(), data.Size());
    StoredImageList wide(nullptr);
    wide.SetSize(8, 4);
    for (const std::string& bad :
         {bytes.substr(0, bytes.size() - 1), std::string("QMIL"), "XXXX" + bytes.substr(4)}) {
        TMemoryStream stream;
        stream.WriteBuffer(bad.data(), static_cast<int64_t>(bad.size()));
        stream.SetPosition(0);
        EXPECT_THROW(copy.ReadData(stream), EInvalidGraphic);
        EXPECT_EQ(copy.Count(), 2);
    }
    data.SetPosition(0);
    EXPECT_THROW(wide.ReadData(data), EInvalidGraphic);
}

TEST(PngImage, GreyTransparentLevelBelowEightBitsSurvivesSaving)
{
    // Two-bit grey: levels 0..3 stand for 0, 85, 170 and 255.
    TPngImage png(COLOR_GRAYSCALE, 2, 4, 1);
    for (int x = 0; x < 4; ++x)
        png.ScanLine(0)[x] = static_cast<uint8_t>(x);
    png.SetTransparentColor(RGBToColor(170, 170, 170));
    TMemoryStream stream;
    png.SaveToStream(stream);
    stream.SetPosition(0);
    TPngImage again;
    again.LoadFromStream(stream);
    EXPECT_EQ(again.Header().BitDepth, 2);
    EXPECT_EQ(again.TransparentColor(), RGBToColor(170, 170, 170));
    TBitmap pixels;
    again.ToBitmap(pixels);
    EXPECT_EQ(pixels.ScanLine(0)[4 * 2 + 3], 0);   // level 2 is transparent
    EXPECT_EQ(pixels.ScanLine(0)[4 * 3 + 3], 255); // the others are not
}

// A few bytes that declare a huge picture are refused with an error that says so, by every reader that takes
// their format, before the pixels are made: too many on a side, or too many in all.
TEST(ImageReaders, RefuseAPictureDeclaredLargerThanTheLimits)
{
    using TReader = std::function<std::unique_ptr<TGraphic>()>;
    const TReader bitmap = [] { return std::make_unique<TBitmap>(); };
    const TReader png = [] { return std::make_unique<TPngImage>(); };
    const TReader jpeg = [] { return std::make_unique<TJPEGImage>(); };
    const TReader icon = [] { return std::make_unique<TIcon>(); };
    const struct
    {
        std::string name, bytes;
        std::vector<TReader> readers;
    } cases[] = {
        // 78 bytes of a 2 x 3 bitmap whose height reads 16,318,467.
        {"bmp 2 x 16318467",
         std::string("BMN\0\0\0\0\0\0\0\x36\0\0\0\x28\0\0\0\x02\0\0\0\x03\0\xF9\0\x01\0\x18\0\0\0\0\0"
                     "\x18\0\0\0\x13\x0B\0\0\x13\x0B\0\0\0\0\0\0\0\0\0\0\xFF\0\0\xFF\0\0\0\0\xFF\0\0"
                     "\xFF\0\0\0\0\xFF\0\0\xFF\xD7\xCD\xC6\x9A",
                     78),
         {bitmap}},
        {"png 5000 x 5000", PngDeclaring(5000, 5000), {bitmap, png}},
        {"png 20000 x 2", PngDeclaring(20000, 2), {bitmap, png}},
        {"jpeg 5000 x 5000", JpegDeclaring(5000, 5000), {bitmap, jpeg}},
        {"gif 5000 x 5000", GifDeclaring(5000, 5000), {bitmap}},
        {"icon 5000 x 5000", IconDeclaring(5000, 5000), {bitmap, icon}},
    };
    for (const auto& c : cases) {
        for (const TReader& reader : c.readers) {
            TMemoryStream stream;
            stream.WriteBuffer(c.bytes.data(), static_cast<int64_t>(c.bytes.size()));
            stream.SetPosition(0);
            const std::unique_ptr<TGraphic> graphic = reader();
            try {
                graphic->LoadFromStream(stream);
                ADD_FAILURE() << c.name << " read as " << graphic->Width() << " x " << graphic->Height();
            } catch (const EInvalidGraphic& error) {
                EXPECT_THAT(error.Message(), testing::HasSubstr("too large")) << c.name;
            }
        }
    }
}
