#include "controls/skins/skin_label_items.h"

#include "controls/skins/skin_control_focus.h"
#include "platform/gui/windows/keys.h"
#include "platform/gui/windows/win_control.h"

TQvCustomLabelItem::TQvCustomLabelItem(TComponent* owner) : TQvCustomItem(owner)
{
    FItemStyle -= {tbisSelectable, tbisRedrawOnSelChange, tbisRedrawOnMouseOverChange};
    FItemStyle += tbisClicksTransparent;
    SetAlignment(taLeftJustify);
    SetStretch(false);
    SetDisplayMode(nbdmImageAndText);
}

bool TQvCustomLabelItem::DialogChar(uint32_t charCode)
{
    const bool taken = TQvCustomItem::DialogChar(charCode);
    auto* target = dynamic_cast<TWinControl*>(Control());
    if (!Enabled() || !Visible() || !target || !IsAccel(charCode, Caption()) || !CanFocusControl(target))
        return taken;
    target->SetFocus();
    return true;
}

void TQvCustomLabelItem::DoDrawItem(TCanvas& canvas, const TRect& rect, const TQvMenuItemInfo& itemInfo,
                                    TQvPaintStage stage, bool& paintDefault)
{
    paintDefault = true;
    TQvCustomItem::DoDrawItem(canvas, rect, itemInfo, stage, paintDefault);
    paintDefault = false;
}
