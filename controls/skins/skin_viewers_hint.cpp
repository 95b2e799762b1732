#include "controls/skins/skin_viewers.h"
#include "controls/toolbars/accel_text.h"
#include "platform/gui/forms/application.h"
#include "platform/gui/forms/hints.h"
#include "platform/gui/forms/screen.h"
#include "platform/gui/graphics/bitmap.h"
#include "platform/gui/graphics/canvas.h"
#include "platform/gui/windows/actions.h"

namespace {

// The one bitmap every viewer's hint is painted into; it lives as long as the program.
TBitmap& SharedHintBitmap()
{
    static TBitmap* bitmap = new TBitmap(1, 1);
    return *bitmap;
}

// Sizes the bitmap to the text with its border and paints the background; answers the text's extent.
TRect PrepareHintBitmap(TBitmap& bitmap, const std::string& hint)
{
    TRect text{0, 0, 1, 1};
    DrawSkinText(*bitmap.Canvas(), hint, text, DT_CALCRECT | DT_NOPREFIX, gldNone, 0x0000FFFF, tra0);
    bitmap.SetSize(text.Width() + 8, text.Height() + 4);
    PaintHintBackground(*bitmap.Canvas(), {0, 0, bitmap.Width(), bitmap.Height()});
    return text;
}

} // namespace

std::string TQvItemViewer::GetHintText()
{
    TQvCustomItem* item = Item();
    std::string hint = GetShortHint(item->Hint());
    const TBarItemStyle style = item->ItemStyle();
    const bool plainSubmenu = style.Contains(tbisSubmenu) && !style.Contains(tbisCombo);
    if (hint.empty() && !item->EffectiveOptions().Contains(tboNoAutoHint) &&
        (!plainSubmenu || !CaptionShown()))
        hint = StripAmpersands(StripCaptionEnding(GetCaptionText()));
    if (auto* action = dynamic_cast<TCustomAction*>(item->Action()))
        if (!action->DoHint(hint))
            hint.clear();
    if (!hint.empty() && Application->HintShortCuts() && item->ShortCut() != 0)
        hint += " (" + ShortCutToText(item->ShortCut()) + ")";
    return hint;
}

void TQvItemViewer::DoDrawHint(TBitmap* hintBitmap, TPoint, TRect&, std::string& hint, bool& paintDefault)
{
    Item()->DoDrawHint(hintBitmap, hint, paintDefault);
}

void TQvItemViewer::CMHintShow(THintInfo& hintInfo)
{
    std::string hint = GetHintText();
    TRect cursorRect = BoundsRect();
    hintInfo.HintStr = hint;
    hintInfo.CursorRect = cursorRect;
    TBitmap& bitmap = SharedHintBitmap();
    hintInfo.HintData = &bitmap;
    hintInfo.HideTimeout = 60000;
    TCanvas& canvas = *bitmap.Canvas();
    canvas.SetFont(Screen->HintFont());
    canvas.Font()->SetColor(clInfoText);
    canvas.Pen()->SetColor(clBlack);
    canvas.Brush()->SetColor(clInfoBk);
    TRect text = PrepareHintBitmap(bitmap, hint);
    const std::string original = hint;
    bool paintDefault = true;
    DoDrawHint(&bitmap, hintInfo.CursorPos, cursorRect, hint, paintDefault);
    // A handler that paints the hint itself gets its bitmap shown as it left it.
    if (!paintDefault)
        return;
    hintInfo.HintStr = hint;
    hintInfo.CursorRect = cursorRect;
    if (hint != original)
        text = PrepareHintBitmap(bitmap, hint);
    OffsetRect(text, (bitmap.Width() - text.Width()) / 2 - 2, (bitmap.Height() - text.Height()) / 2);
    DrawSkinText(canvas, hint, text, DT_NOPREFIX, gldNone, 0x0000FFFF, tra0);
}
