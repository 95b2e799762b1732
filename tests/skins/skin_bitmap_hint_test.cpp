#include "controls/skins/skin_bitmap_hint.h"
#include "controls/skins/skin_unit_resources.h"
#include "controls/toolbars/system_queries.h"
#include "gui_driver.h"
#include "platform/gui/forms/system_parameters.h"
#include "platform/gui/graphics/bitmap.h"
#include "platform/gui/graphics/canvas.h"
#include "platform/gui/graphics/graphics.h"
#include "platform/gui/windows/messages.h"

#include <gtest/gtest.h>

#include <memory>

// The hint window that shows a prepared bitmap, and the resources the skinned controls share.

namespace {

// A hint picture as the skinned viewers prepare it: text with 2 pixels of room on the left and 6 on the
// right, 2 above and below; here a blue ground with a red mark in each corner of the text's room.
std::unique_ptr<TBitmap> HintPicture()
{
    auto bitmap = std::make_unique<TBitmap>(60, 20);
    TCanvas& c = *bitmap->Canvas();
    c.Brush()->SetColor(clBlue);
    c.FillRect({0, 0, 60, 20});
    c.Brush()->SetColor(clRed);
    for (const TPoint corner : {TPoint{2, 2}, TPoint{53, 2}, TPoint{2, 17}, TPoint{53, 17}})
        c.FillRect({corner.X, corner.Y, corner.X + 1, corner.Y + 1});
    return bitmap;
}

TEST(BitmapHint, ShowsItsBitmapWithTheRoomAroundTheText)
{
    const auto bitmap = HintPicture();
    auto* hint = new TBitmapHint(nullptr);
    hint->ActivateHintData({100, 100, 400, 400}, "Convert", bitmap.get());
    EXPECT_EQ(hint->BoundsRect(), Bounds(100, 100, 58, 22)) << "sized to the bitmap, not to the text";
    const auto picture = Render(hint);
    SaveScreenshot(*picture, "skin_bitmap_hint", 4);
    // Inside the 1-pixel border the client shows the bitmap from its top-left: every mark of the text's room.
    for (const TPoint mark : {TPoint{2, 2}, TPoint{53, 2}, TPoint{2, 17}, TPoint{53, 17}})
        EXPECT_EQ(picture->Canvas()->Pixels(mark.X + 1, mark.Y + 1), clRed) << mark.X << ", " << mark.Y;
    EXPECT_EQ(CountPixels(*picture, {1, 1, 57, 21}, clBlue), 56 * 20 - 4);
    // A new caption neither resizes nor repaints it.
    EXPECT_EQ(hint->Perform(CM_TEXTCHANGED, 0, 0), 1);
    hint->SetCaption("A much longer text than the bitmap holds");
    EXPECT_EQ(hint->BoundsRect(), Bounds(100, 100, 58, 22));
    hint->Free();
}

TEST(SkinUnitResources, RegisterTheirCursorsAndFreeTheFont)
{
    StartSkinUnitResources();
    EXPECT_EQ(CursorShape(crSkinHandPoint), CursorShape(crHandPoint));
    for (const TCursor drag : {crSkinDragAccept, crSkinDragCancel}) {
        EXPECT_EQ(CursorStandardKind(CursorShape(drag)), crNone) << drag << ": a picture of our own";
        EXPECT_NE(CursorShape(drag), CursorShape(crArrow)) << drag;
    }
    EXPECT_NE(CursorShape(crSkinDragAccept), CursorShape(crSkinDragCancel));
    TFont* font = SmallCaptionFont();
    ASSERT_NE(font, nullptr);
    TNonClientMetrics metrics;
    ASSERT_TRUE(GetNonClientMetrics(metrics));
    EXPECT_EQ(font->Name(), metrics.lfSmCaptionFont.lfFaceName);
    EXPECT_EQ(font->Height(), metrics.lfSmCaptionFont.lfHeight);
    EndSkinUnitResources();
    EXPECT_NE(SmallCaptionFont(), nullptr) << "asked for again, it is made again";
}

} // namespace
