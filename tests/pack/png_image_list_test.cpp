#include "controls/pack/png_image_list.h"

#include "gui_driver.h"
#include "platform/gui/graphics/colors.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// A 16 x 16 PNG of one colour with the given alpha.
std::unique_ptr<TPngImage> Square(TColor color, uint8_t alpha = 255)
{
    auto png = std::make_unique<TPngImage>(COLOR_RGBALPHA, 8, 16, 16);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            uint8_t* p = png->ScanLine(y) + 3 * x;
            p[0] = GetBValue(color), p[1] = GetGValue(color), p[2] = GetRValue(color);
            png->AlphaScanline(y)[x] = alpha;
        }
    return png;
}

// The colour and alpha of a pixel of the list's stored picture.
struct TStored
{
    TColor color;
    uint8_t alpha;
};
TStored StoredPixel(TCustomImageList& list, int index, int x = 8, int y = 8)
{
    TBitmap bitmap;
    list.GetBitmap(index, &bitmap);
    const uint8_t* p = bitmap.ScanLine(y) + 4 * x;
    return {RGBToColor(p[2], p[1], p[0]), p[3]};
}

class PngImageList : public testing::Test
{
protected:
    PngImageList() : list(nullptr) {}
    TPngImageList list;
};

} // namespace

TEST_F(PngImageList, ItemsAreNamedAtCreationAndFoundInAnyCase)
{
    list.AddPng(Square(clRed).get());
    list.AddPng(Square(clBlue).get());
    EXPECT_EQ(list.GetImageName(0), "PngImage0");
    EXPECT_EQ(list.GetImageName(1), "PngImage1");
    EXPECT_EQ(list.GetImageName(2), "");
    EXPECT_EQ(list.PngImages()->Add()->Background(), clBtnFace);
    list.PngImages()->Items(1)->SetName("Add file");
    EXPECT_EQ(list.FindIndexByName("ADD FILE"), 1);
    EXPECT_EQ(list.FindIndexByName("Convert"), -1);
}

TEST_F(PngImageList, DeleteOutsideTheItemsChangesNothing)
{
    list.AddPng(Square(clRed).get());
    list.Delete(-1);
    list.Delete(1);
    EXPECT_EQ(list.PngImages()->Count(), 1);
    EXPECT_EQ(list.Count(), 1);
    list.Delete(0);
    EXPECT_EQ(list.PngImages()->Count(), 0);
    EXPECT_EQ(list.Count(), 0);
}

TEST_F(PngImageList, ABitmapAddedThroughTheBaseTypeBecomesAnItem)
{
    TBitmap bitmap(16, 16, pf24bit);
    bitmap.Canvas()->Brush()->SetColor(clLime);
    bitmap.Canvas()->FillRect({0, 0, 16, 16});
    TCustomImageList& base = list;
    EXPECT_EQ(base.Add(&bitmap, nullptr), 0);
    EXPECT_EQ(list.PngImages()->Count(), 1);
    EXPECT_EQ(StoredPixel(list, 0).color, clLime);

    TImageList plain(nullptr);
    TCustomImageList& plainBase = plain;
    EXPECT_EQ(plainBase.Add(&bitmap, nullptr), 0);
    EXPECT_EQ(plain.Count(), 1);
    EXPECT_EQ(StoredPixel(plain, 0).color, clLime);
}

TEST_F(PngImageList, AnEmptyItemKeepsItsPlace)
{
    list.AddPng(Square(clRed).get());
    list.PngImages()->Add(); // no picture yet
    list.AddPng(Square(clBlue).get());
    list.RebuildImages();
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(StoredPixel(list, 1).alpha, 0);
    EXPECT_EQ(StoredPixel(list, 2).color, clBlue);
}

TEST_F(PngImageList, MoveAndInsertKeepItemsAndPicturesInStep)
{
    list.AddPng(Square(clRed).get());
    list.AddPng(Square(clLime).get());
    list.AddPng(Square(clBlue).get());
    list.Move(0, 2);
    EXPECT_EQ(list.GetImageName(2), "PngImage0");
    EXPECT_EQ(StoredPixel(list, 2).color, clRed);
    EXPECT_EQ(StoredPixel(list, 0).color, clLime);
    list.InsertPng(1, Square(clYellow).get());
    EXPECT_EQ(StoredPixel(list, 1).color, clYellow);
    EXPECT_EQ(StoredPixel(list, 2).color, clBlue);
    EXPECT_EQ(list.Count(), 4);
    list.Move(0, 9); // outside: nothing
    EXPECT_EQ(StoredPixel(list, 0).color, clLime);

    TBitmap red(16, 16, pf24bit);
    red.Canvas()->Brush()->SetColor(clRed);
    red.Canvas()->FillRect({0, 0, 16, 16});
    list.ReplaceMasked(1, &red, clNone);
    EXPECT_EQ(StoredPixel(list, 1).color, clRed);
    list.ReplaceMasked(7, &red, clNone); // no item there: nothing
    EXPECT_EQ(list.Count(), 4);
}

TEST_F(PngImageList, DisabledLooksAndOverlays)
{
    list.SetPngOptions({pngBlendOnDisabled, pngGrayscaleOnDisabled});
    list.AddPng(Square(clBlue).get());
    list.AddPng(Square(clRed, 0).get()); // transparent but for its corner
    list.PngImages()->Items(1)->PngImage()->AlphaScanline(0)[0] = 255;

    TBitmap canvasBitmap(40, 20, pf24bit);
    TCanvas& canvas = *canvasBitmap.Canvas();
    canvas.Brush()->SetColor(clWhite);
    canvas.FillRect({0, 0, 40, 20});
    list.Draw(canvas, 0, 0, 0, true);
    list.Draw(canvas, 20, 0, 0, false);
    EXPECT_EQ(canvas.Pixels(8, 8), clBlue);
    const TColor disabled = canvas.Pixels(28, 8);
    EXPECT_EQ(GetRValue(disabled), GetBValue(disabled)); // grey, half over white
    EXPECT_GT(GetRValue(disabled), 100);

    EXPECT_TRUE(list.Overlay(1, 0));
    list.DrawOverlay(canvas, 0, 0, 0, 0); // style 0x0100
    EXPECT_EQ(canvas.Pixels(0, 0), clRed);
    EXPECT_EQ(canvas.Pixels(8, 8), clBlue);
    SaveScreenshot(canvasBitmap, "pack_png_image_list", 4);

    // The storage holds the disabled looks only with EnabledImages off.
    EXPECT_EQ(StoredPixel(list, 0).color, clBlue);
    list.SetEnabledImages(false);
    EXPECT_EQ(StoredPixel(list, 0).alpha, 128);
    list.SetPngOptions({});
    EXPECT_EQ(StoredPixel(list, 0).color, clBlue);
    EXPECT_EQ(StoredPixel(list, 0).alpha, 255);
}

TEST_F(PngImageList, ImagesOfOtherListsAndSizeChanges)
{
    list.AddPng(Square(clRed).get());
    TPngImage dest;
    PngFromImageList(dest, &list, 5);
    EXPECT_TRUE(dest.Empty());
    PngFromImageList(dest, &list, 0);
    EXPECT_EQ(dest.Width(), 16);

    TImageList plain(nullptr);
    plain.AddImage(&list, 0);
    TPngImageList copy(nullptr);
    copy.AddImages(&plain);
    EXPECT_EQ(copy.PngImages()->Count(), 1);
    EXPECT_EQ(StoredPixel(copy, 0).color, clRed);

    list.SetWidth(24);
    EXPECT_EQ(list.PngImages()->Count(), 0);
    EXPECT_EQ(list.Count(), 0);
}
