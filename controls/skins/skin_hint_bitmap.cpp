#include "controls/skins/skin_hint_bitmap.h"

#include "controls/skins/skin_item_painting.h"
#include "controls/skins/skin_text_output.h"
#include "platform/gui/forms/screen.h"
#include "platform/gui/graphics/bitmap.h"
#include "platform/gui/graphics/canvas.h"

namespace {

constexpr unsigned AllGlowSides = 0x0000FFFF;

} // namespace

TBitmap& SharedHintBitmap()
{
    static TBitmap* bitmap = new TBitmap(1, 1); // lives as long as the program
    return *bitmap;
}

void PrepareHintCanvas(TBitmap& bitmap)
{
    TCanvas& canvas = *bitmap.Canvas();
    canvas.SetFont(Screen->HintFont());
    canvas.Font()->SetColor(clInfoText);
    canvas.Pen()->SetColor(clBlack);
    canvas.Brush()->SetColor(clInfoBk);
}

TRect PrepareHintBitmap(TBitmap& bitmap, const std::string& hint)
{
    TRect text{0, 0, 1, 1};
    DrawSkinText(*bitmap.Canvas(), hint, text, DT_CALCRECT | DT_NOPREFIX, gldNone, AllGlowSides, tra0);
    bitmap.SetSize(text.Width() + 8, text.Height() + 4);
    PaintHintBackground(*bitmap.Canvas(), {0, 0, bitmap.Width(), bitmap.Height()});
    return text;
}

void DrawHintText(TBitmap& bitmap, const std::string& hint, TRect text)
{
    OffsetRect(text, (bitmap.Width() - text.Width()) / 2 - 2, (bitmap.Height() - text.Height()) / 2);
    DrawSkinText(*bitmap.Canvas(), hint, text, DT_NOPREFIX, gldNone, AllGlowSides, tra0);
}
