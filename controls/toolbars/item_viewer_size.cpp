#include "controls/toolbars/item_viewer.h"

#include "controls/toolbars/accel_text.h"
#include "controls/toolbars/caption_drawing.h"
#include "controls/toolbars/dpi_scaling.h"
#include "controls/toolbars/item_metrics.h"
#include "controls/toolbars/view.h"
#include "platform/gui/graphics/canvas.h"
#include "platform/gui/graphics/image_list.h"

namespace {

// The caption's extent across and along its line, in the canvas's font (turned when rotated).
struct TCaptionExtent
{
    int TextHeight;
    int ExternalLeading;
    int Width;
};

TCaptionExtent MeasureCaption(TCanvas& canvas, const std::string& caption, bool rotated)
{
    TFont previous;
    previous.Assign(canvas.Font());
    if (rotated)
        canvas.SetFont(CreateVerticalFont(canvas).get());
    const TTextMetric tm = canvas.TextMetrics();
    const TCaptionExtent extent{tm.tmHeight, tm.tmExternalLeading, MeasureTextWidth(canvas, caption, true)};
    if (rotated)
        canvas.SetFont(&previous);
    return extent;
}

} // namespace

void TBarItemViewer::CalcSize(TCanvas& canvas, int& width, int& height)
{
    if (IsToolbarStyle())
        ToolbarCalcSize(canvas, width, height);
    else
        MenuCalcSize(canvas, width, height);
}

void TBarItemViewer::ToolbarCalcSize(TCanvas& canvas, int& width, int& height)
{
    width = height = ScaleForDPI(6);
    const bool rotated = IsRotated();
    if (CaptionShown()) {
        const TCaptionExtent caption = MeasureCaption(canvas, GetDisplayCaption(), rotated);
        if (rotated) {
            width += caption.TextHeight;
            height += caption.Width + ScaleForDPI(6);
        } else {
            height += caption.TextHeight;
            width += caption.Width + ScaleForDPI(6);
        }
    }
    TCustomImageList* images = GetImageList();
    if (ImageShown() && images) {
        if (rotated || FItem->EffectiveOptions().Contains(tboImageAboveCaption)) {
            height += images->Height();
            width = std::max(width, images->Width() + ScaleForDPI(7));
        } else {
            width += images->Width() + ScaleForDPI(1);
            height = std::max(height, images->Height() + ScaleForDPI(6));
        }
    }
    if (!FItem->ItemStyle().Contains(tbisSubmenu))
        return;
    if (FItem->ItemStyle().Contains(tbisCombo))
        width += ComboSplitWidth();
    else if (FItem->EffectiveOptions().Contains(tboDropdownArrow))
        (FView->FOrientation == tbvoVertical ? height : width) += DropdownArrowWidth();
}

void TBarItemViewer::MenuCalcSize(TCanvas& canvas, int& width, int& height)
{
    const bool rotated = IsRotated();
    const TCaptionExtent caption = MeasureCaption(canvas, GetDisplayCaption(), rotated);
    width = rotated ? caption.TextHeight : caption.Width;
    height = rotated ? caption.Width : caption.TextHeight;
    height += MenuItemVerticalPadding() + caption.ExternalLeading;
    int imageColumnWidth = height;
    if (TCustomImageList* images = GetImageList()) {
        const int imageHeight = ScaleForDPI(3) + images->Height();
        height = std::max(height, imageHeight);
        imageColumnWidth = MulDiv(ScaleForDPI(3) + images->Width(), height, imageHeight);
    }
    width += imageColumnWidth + MenuImageColumnGap() + MenuTextLeftGap() + MenuTextRightGap();
    if (const std::string shortCut = FItem->GetShortCutText(); !shortCut.empty())
        width += height - ScaleForDPI(6) + MeasureTextWidth(canvas, shortCut, false);
    // The square column of the submenu arrow, on every entry.
    width += height;
}
