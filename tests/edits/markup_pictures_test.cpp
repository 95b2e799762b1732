#include "controls/edits/gdiplus_image.h"
#include "controls/edits/picture_cache.h"
#include "controls/edits/picture_container.h"
#include "picture_bytes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

void Load(THTMLPicture& picture, const std::string& bytes)
{
    TMemoryStream stream;
    stream.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
    stream.SetPosition(0);
    picture.LoadFromStream(stream);
}

TEST(MarkupPictures, FormatsBySignatureAndSizesOfTheDecodedOnes)
{
    std::string emf(44, '\0');
    emf[0] = 1;
    emf.replace(40, 4, " EMF");
    std::string tall = BitmapFileBytes(2, 3, clRed);
    tall[24] = '\xF9'; // the height, 3, now reads 16,318,467
    const struct
    {
        std::string name, bytes;
        TGPImageFormat format;
        int width, height;
    } cases[] = {
        {"bmp", BitmapFileBytes(5, 4, clRed), ifBMP, 5, 4},
        {"png", PngFileBytes(6, 3, clRed), ifPNG, 6, 3},
        {"gif", GifBytes(7, 2, {{0, 0}}), ifGIF, 7, 2},
        {"jpeg", JpegFileBytes(8, 8, clRed), ifJPEG, 8, 8},
        {"icon", IconFileBytes(16, 16, clRed), ifIcon, 16, 16},
        {"tiff", std::string("II*\0\x08\0\0\0", 8), ifTIFF, 0, 0},
        {"emf", emf, ifEMF, 0, 0},
        {"wmf", std::string("\xD7\xCD\xC6\x9A\0\0", 6), ifWMF, 0, 0},
        {"text", "not a picture", ifUndefined, 0, 0},
        {"broken png", std::string("\x89PNG\r\n\x1A\n", 8) + "truncated", ifPNG, 0, 0},
        {"bmp too tall to draw", tall, ifBMP, 0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ImageFormatOf(c.bytes), c.format) << c.name;
        THTMLPicture picture;
        Load(picture, c.bytes);
        EXPECT_FALSE(picture.Empty()) << c.name;
        EXPECT_EQ(picture.Width(), c.width) << c.name;
        EXPECT_EQ(picture.Height(), c.height) << c.name;
        EXPECT_EQ(picture.MaxWidth(), picture.Width()) << c.name;
    }
}

TEST(MarkupPictures, GifFramesMoveThePositionAndEachLoadStartsAgain)
{
    THTMLPicture picture;
    Load(picture, GifBytes(10, 8, {{0, 0}, {3, 5}}));
    ASSERT_TRUE(picture.IsGIF());
    EXPECT_EQ(picture.FrameCount(), 2);
    int frameChanges = 0;
    picture.OnFrameChange = [&](TObject*) { ++frameChanges; };
    picture.SetFrame(2);
    EXPECT_EQ(frameChanges, 1);
    EXPECT_EQ(picture.FrameXPos(), 3);
    EXPECT_EQ(picture.FrameYPos(), 5);
    EXPECT_EQ(picture.Width(), 10);
    // A frame past the last one has no position.
    picture.SetFrame(3);
    EXPECT_EQ(picture.FrameXPos(), 0);
    EXPECT_EQ(picture.FrameYPos(), 0);
    // A new load counts its own frames from its first frame.
    picture.SetFrame(2);
    Load(picture, GifBytes(10, 8, {{1, 1}}));
    EXPECT_EQ(picture.Frame(), 1);
    EXPECT_EQ(picture.FrameCount(), 1);
    EXPECT_EQ(picture.FrameXPos(), 1);
    Load(picture, PngFileBytes(2, 2, clRed));
    EXPECT_EQ(picture.FrameCount(), -1);
}

TEST(MarkupPictures, AFrameMarkerWithoutItsWholeDescriptorIsNoFrame)
{
    const std::string whole = GifBytes(10, 8, {{0, 0}, {4, 4}});
    const size_t second = whole.rfind("\x21\xF9\x04");
    // Cut inside the second frame's descriptor: its separator is there, its position values are not all.
    for (size_t cut = second + 10; cut < second + 17; ++cut) {
        THTMLPicture picture;
        Load(picture, whole.substr(0, cut));
        EXPECT_EQ(picture.FrameCount(), 1) << cut;
        picture.SetFrame(2);
        EXPECT_EQ(picture.FrameXPos(), 0) << cut;
    }
}

TEST(MarkupPictures, AddressesLoadResourcesAndFilesOnly)
{
    const std::string file = (std::filesystem::temp_directory_path() / "qm_markup_picture.png").string();
    {
        std::ofstream(file, std::ios::binary) << PngFileBytes(4, 2, clRed);
    }
    const struct
    {
        std::string url;
        bool loaded;
        int width;
    } cases[] = {
        {"RES://BLUEDOT", true, 3},
        {"res://bluedot", true, 3},
        {"RES://NOSUCHDATA", false, 0},
        {"RES://", false, 0},
        {"FILE://" + file, true, 4},
        {"file://" + file + ".missing", false, 0},
        {"FILE://" + std::filesystem::temp_directory_path().string(), false, 0},
        {"http://example.org/logo.png", false, 0},
    };
    for (const auto& c : cases) {
        THTMLPicture picture;
        picture.SetAsynch(false);
        picture.LoadFromURL(c.url);
        EXPECT_EQ(!picture.Empty(), c.loaded) << c.url;
        EXPECT_EQ(picture.Width(), c.width) << c.url;
        EXPECT_EQ(picture.ID(), c.url) << c.url;
    }
    // With asynchronous loading a download would start; nothing does, and the picture stays busy.
    THTMLPicture downloading;
    downloading.LoadFromURL("https://example.org/logo.png");
    EXPECT_TRUE(downloading.Busy());
    EXPECT_TRUE(downloading.Empty());
    EXPECT_EQ(downloading.URL(), "https://example.org/logo.png");
    std::filesystem::remove(file);
}

TEST(MarkupPictures, CacheFindsExactAddressesTheContainerAnyCase)
{
    THTMLPictureCache cache;
    cache.AddPicture()->SetID("RES://Logo");
    EXPECT_NE(cache.FindPicture("RES://Logo"), nullptr);
    EXPECT_EQ(cache.FindPicture("RES://LOGO"), nullptr);
    cache.ClearPictures();
    EXPECT_EQ(cache.Count(), 0);

    TPictureContainer container(nullptr);
    TPictureItem* item = container.Items()->Add();
    item->SetName("Logo");
    Load(*item->Picture(), PngFileBytes(5, 3, clRed));
    EXPECT_EQ(container.FindPicture("LOGO"), item->Picture());
    EXPECT_EQ(container.FindPicture("other"), nullptr);
    TPicture* bitmap = container.FindBitmap("logo");
    ASSERT_NE(bitmap, nullptr);
    EXPECT_NE(bitmap->Graphic(), item->Picture());
    EXPECT_EQ(bitmap->Width(), 5);
    EXPECT_EQ(container.Version(), "2.0.0.0");
    container.SetVersion("9.9");
    EXPECT_EQ(container.Version(), "2.0.0.0");
}

TEST(MarkupPictures, DrawnStretchedBitmapsWithTheirCornerColourTransparent)
{
    TBitmap target(20, 10, pf24bit);
    target.Canvas()->Brush()->SetColor(clWhite);
    target.Canvas()->FillRect({0, 0, 20, 10});
    THTMLPicture png;
    Load(png, PngFileBytes(2, 2, clRed));
    target.Canvas()->StretchDraw({0, 0, 10, 10}, &png);
    EXPECT_EQ(target.Canvas()->Pixels(5, 5), clRed);
    THTMLPicture bmp;
    Load(bmp, BitmapFileBytes(2, 2, clBlue));
    target.Canvas()->StretchDraw({10, 0, 20, 10}, &bmp);
    EXPECT_EQ(target.Canvas()->Pixels(15, 5), clWhite);
}

} // namespace
