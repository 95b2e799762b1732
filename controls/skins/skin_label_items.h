#pragma once

#include "controls/skins/skin_custom_item.h"

// Text shown among a bar's items: never selected or clicked, never given an item background; its linked
// control is only the target its accelerator focuses.
class TQvCustomLabelItem : public TQvCustomItem
{
public:
    explicit TQvCustomLabelItem(TComponent* owner);

    // Focuses the linked control when charCode is the caption's accelerator and the control can take it.
    bool DialogChar(uint32_t charCode) override;
    TBarItemViewerClass GetItemViewerClass(TBarView* view) override;
    // Handlers see the default painting asked for, but a label gets none.
    void DoDrawItem(TCanvas& canvas, const TRect& rect, const TQvMenuItemInfo& itemInfo, TQvPaintStage stage,
                    bool& paintDefault) override;

protected:
    void ToggleControl() override {}
    void UpdateFromControl() override {}
};

// A skinned toolbar widens the first visible spacer so that the items behind it end at the bar's far end.
class TQvRightAlignSpacerItem : public TQvCustomLabelItem
{
public:
    using TQvCustomLabelItem::TQvCustomLabelItem;
};
