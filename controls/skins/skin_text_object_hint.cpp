#include "controls/skins/skin_bitmap_hint.h"
#include "controls/skins/skin_hint_bitmap.h"
#include "controls/skins/skin_item_painting.h"
#include "controls/skins/skin_text_object.h"
#include "platform/gui/forms/hints.h"
#include "platform/gui/forms/screen.h"
#include "platform/gui/graphics/bitmap.h"
#include "platform/gui/graphics/canvas.h"

// The skinned caption control's hint: the short part of its Hint painted into a bitmap in the skin's hint
// look, shown by the bitmap hint window.

void TQvTextObject::DoDrawHint(TBitmap* hintBitmap, std::string& hint, bool& paintDefault)
{
    if (OnDrawHint)
        OnDrawHint(this, hintBitmap, hint, paintDefault);
}

void TQvTextObject::HintShowMessage(THintInfo& hintInfo)
{
    std::string hint = GetShortHint(Hint());
    TBitmap& bitmap = SharedHintBitmap();
    PrepareHintCanvas(bitmap);
    TRect text = PrepareHintBitmap(bitmap, hint);
    const std::string original = hint;
    bool paintDefault = true;
    DoDrawHint(&bitmap, hint, paintDefault);
    // A handler that paints the hint itself leaves the hint as the platform prepared it.
    if (!paintDefault)
        return;
    hintInfo.HintStr = hint;
    hintInfo.CursorRect = ClientRect();
    hintInfo.HintWindowClass = THintWindowClass::Of<TBitmapHint>();
    hintInfo.HintData = &bitmap;
    hintInfo.HideTimeout = 60000;
    if (hint != original)
        text = PrepareHintBitmap(bitmap, hint);
    DrawHintText(bitmap, hint, text);
}
