#include "controls/toolbars/chevron_item.h"

#include "controls/toolbars/accel_text.h"
#include "controls/toolbars/menu_glyphs.h"
#include "controls/toolbars/toolbar.h"
#include "platform/gui/core/exceptions.h"
#include "platform/gui/forms/hints.h"
#include "platform/gui/graphics/gdi.h"

namespace {

// Two arrows pointing right (a horizontal toolbar) or down (a vertical one).
constexpr uint8_t HorizontalGlyph[] = {0xCC, 0x66, 0x33, 0x66, 0xCC, 0x00, 0x00, 0x00};
constexpr uint8_t VerticalGlyph[] = {0x88, 0xD8, 0x70, 0x20, 0x88, 0xD8, 0x70, 0x20};

TBarCustomToolbar* ToolbarOwner(TComponent* owner)
{
    auto* toolbar = dynamic_cast<TBarCustomToolbar*>(owner);
    if (!toolbar)
        throw EInvalidCast("Invalid class typecast");
    return toolbar;
}

} // namespace

TBarChevronItem::TBarChevronItem(TComponent* owner) : TBarCustomItem(owner), FToolbar(ToolbarOwner(owner))
{
    FItemStyle += TBarItemStyle{tbisSubmenu, tbisNoAutoOpen};
    SetHintAndCaption(DefaultChevronHint);
}

void TBarChevronItem::SetHintAndCaption(const std::string& hint)
{
    SetHint(hint);
    SetCaption(DoubleAmpersands(GetShortHint(hint)));
}

TBarItemViewerClass TBarChevronItem::GetItemViewerClass(TBarView*)
{
    return TBarItemViewerClass::Of<TBarChevronItemViewer>();
}

TBarView* TBarChevronItem::GetChevronParentView()
{
    return FToolbar->View();
}

void TBarChevronItemViewer::Paint(TCanvas& canvas, const TRect& clientAreaRect, bool isSelected,
                                  bool isPushed, bool)
{
    const bool enabled = Item()->Enabled();
    TRect r = clientAreaRect;
    if (enabled && isPushed)
        DrawEdge(canvas, r, BDR_SUNKENOUTER, BF_RECT);
    else if (enabled && isSelected)
        DrawEdge(canvas, r, BDR_RAISEDINNER, BF_RECT);
    // The glyph box: fixed numbers, unscaled, as the glyph itself is.
    const bool vertical = View()->Orientation() == tbvoVertical;
    TPoint box = vertical ? TPoint{r.Right - 9, r.Top + 2} : TPoint{r.Left + 2, 4};
    if (isPushed)
        box = {box.X + 1, box.Y + 1};
    const auto& glyph = vertical ? VerticalGlyph : HorizontalGlyph;
    if (enabled) {
        DrawGlyphRows(canvas, box.X, box.Y, glyph, clBtnText);
        return;
    }
    DrawGlyphRows(canvas, box.X, box.Y + 1, glyph, clBtnHighlight);
    DrawGlyphRows(canvas, box.X, box.Y, glyph, clBtnShadow);
}
