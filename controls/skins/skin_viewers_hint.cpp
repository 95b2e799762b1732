#include "controls/skins/skin_viewers.h"
#include "controls/skins/skin_hint_bitmap.h"
#include "controls/toolbars/accel_text.h"
#include "platform/gui/forms/application.h"
#include "platform/gui/forms/hints.h"
#include "platform/gui/forms/screen.h"
#include "platform/gui/graphics/bitmap.h"
#include "platform/gui/graphics/canvas.h"
#include "platform/gui/windows/actions.h"

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
    PrepareHintCanvas(bitmap);
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
    DrawHintText(bitmap, hint, text);
}
