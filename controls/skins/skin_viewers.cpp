#include "controls/skins/skin_viewers.h"

#include "controls/skins/skin_items.h"
#include "controls/skins/skin_manager.h"
#include "controls/toolbars/system_queries.h"
#include "controls/toolbars/view.h"
#include "platform/gui/graphics/canvas.h"
#include "platform/gui/graphics/image_list.h"
#include "platform/gui/windows/win_control.h"

#include <algorithm>

namespace {

// The per-item font overrides: colour always (clNone is resolved by the viewer), size in percent of the
// view font's, face and style when set.
void ApplyItemFont(const TQvFontSettings& settings, TFont& font)
{
    font.SetColor(settings.Color());
    if (settings.Size() != 100)
        font.SetSize((font.Size() * settings.Size() + 50) / 100);
    if (!settings.Name().empty())
        font.SetName(settings.Name());
    if (!settings.Style().Empty())
        font.SetStyle(settings.Style());
}

unsigned WrappingFlags(TTextWrapping wrapping)
{
    switch (wrapping) {
    case twEndEllipsis:
        return DT_END_ELLIPSIS | DT_SINGLELINE;
    case twPathEllipsis:
        return DT_PATH_ELLIPSIS | DT_SINGLELINE;
    case twWrap:
        return DT_WORDBREAK;
    case twNone:
        break;
    }
    return 0;
}

} // namespace

bool HasArea(TSize size)
{
    return size.cx > 0 && size.cy > 0;
}

TQvCustomItem* TQvItemViewer::Item() const
{
    return &dynamic_cast<TQvCustomItem&>(*TBarItemViewer::Item());
}

IQvItemsToolbar* TQvItemViewer::OwnerToolbar() const
{
    return dynamic_cast<IQvItemsToolbar*>(View()->Window());
}

// --- what shows
// ----------------------------------------------------------------------------------------------

bool ViewerIsOnToolbox(const TBarItemViewer& viewer)
{
    TBarCustomItem* parent = viewer.View()->ParentItem();
    if (auto* item = dynamic_cast<TQvCustomItem*>(parent))
        return item->ToolBoxPopup();
    if (auto* root = dynamic_cast<TQvRootItem*>(parent))
        return root->ToolBoxPopup();
    return false;
}

bool TQvItemViewer::IsOnToolbox()
{
    return ViewerIsOnToolbox(*this);
}

bool TQvItemViewer::IsToolbarStyle()
{
    if (!TBarItemViewer::IsToolbarStyle())
        return false;
    // A tool-box entry shows as a button only where its popup asks for toolbar style.
    TBarCustomItem* parent = View()->ParentItem();
    return !(Item()->ToolBoxPopup() && !View()->IsToolbar() && parent &&
             !parent->EffectiveOptions().Contains(tboToolbarStyle));
}

bool TQvItemViewer::GetImageShown()
{
    if (IQvItemsToolbar* toolbar = OwnerToolbar(); toolbar && toolbar->DisplayMode() == tbdmTextOnly)
        return false;
    const TBarItemDisplayMode mode = Item()->DisplayMode();
    return Item()->ImageIndex() >= 0 && (mode == nbdmDefault || mode == nbdmImageAndText ||
                                         (IsToolbarStyle() && mode == nbdmTextOnlyInMenus));
}

TSize TQvItemViewer::GetImageSize()
{
    if (TCustomImageList* images = GetImageList())
        return {images->Width(), images->Height()};
    return {};
}

bool TQvItemViewer::CaptionShown()
{
    if (IQvItemsToolbar* toolbar = OwnerToolbar()) {
        if (toolbar->DisplayMode() == tbdmImageOnly && GetImageShown())
            return false;
        if (toolbar->DisplayMode() == tbdmTextOnly)
            return true;
    }
    return TBarItemViewer::CaptionShown();
}

std::string TQvItemViewer::GetCaptionText()
{
    return StripAfterTab(Item()->Caption());
}

// --- font and text
// ---------------------------------------------------------------------------------------------

TColor TQvItemViewer::GetTextColor(TQvSkinStatesType state)
{
    if (const TColor own = Item()->FontSettings().Color(); own != clNone)
        return own;
    const std::shared_ptr<TQvSkinOptions> skin = GetCurrentSkin();
    if (!IsToolbarStyle())
        return skin->GetTextColor(skncMenuItem, state);
    if (IQvItemsToolbar* toolbar = OwnerToolbar())
        if (const TColor color = toolbar->ItemsTextColor(state); color != clNone)
            return color;
    return skin->GetTextColor(skncToolbarItem, state);
}

void TQvItemViewer::ApplyFontSettings(TFont& font, TQvSkinStatesType state)
{
    ApplyItemFont(Item()->FontSettings(), font);
    if (Item()->EffectiveOptions().Contains(tboDefault))
        font.SetStyle(font.Style() + fsBold);
    if (font.Color() == clNone)
        font.SetColor(GetTextColor(state));
    Item()->AdjustFont(font, state);
}

void TQvItemViewer::GetTextInfo(TCanvas& canvas, TQvSkinStatesType state, TQvTextInfo& textInfo)
{
    textInfo = {};
    if (TFont* font = View()->GetFont())
        canvas.SetFont(font);
    ApplyFontSettings(*canvas.Font(), state);
    if (!AreKeyboardCuesEnabled() && View()->Style().Contains(vsUseHiddenAccels) &&
        !View()->State().Contains(vsShowAccels))
        textInfo.TextFlags = DT_HIDEPREFIX;
    const unsigned wrapping = WrappingFlags(Item()->Wrapping());
    textInfo.TextFlags |= wrapping ? wrapping : DT_VCENTER;
    textInfo.IsCaptionShown = CaptionShown();
    if (textInfo.IsCaptionShown) {
        textInfo.Text = GetCaptionText();
        textInfo.IsTextRotated = IsRotated();
        if (textInfo.IsTextRotated || !IsToolbarStyle())
            textInfo.TextFlags |= DT_SINGLELINE;
    }
    textInfo.TextAngle = textInfo.IsTextRotated ? tra270 : tra0;
    if (!textInfo.IsCaptionShown)
        return;
    // Measured turned already when rotated: the extent is the one the caption takes on the bar.
    TRect r{0, 0, 1, 1};
    const unsigned fitting = DT_SINGLELINE | DT_WORDBREAK | DT_END_ELLIPSIS | DT_PATH_ELLIPSIS;
    DrawSkinText(canvas, textInfo.Text, r, (textInfo.TextFlags & ~fitting) | DT_CALCRECT, gldNone, 0x0000FFFF,
                 textInfo.TextAngle);
    textInfo.TextSize = {r.Right, r.Bottom};
}

// --- size
// ------------------------------------------------------------------------------------------------------

TQvSkinStatesType TQvItemViewer::MeasuringState()
{
    const bool hotTrack = View()->Selected() == this;
    const bool pushed =
        hotTrack && (View()->OpenViewer() == this || (View()->MouseOverSelected() && View()->Capture()));
    return TQvSkinOptions::GetState(Item()->Enabled(), pushed, hotTrack, Item()->Checked());
}

void TQvItemViewer::CalcSize(TCanvas& canvas, int& width, int& height)
{
    InternalCalcSize(canvas, true, width, height);
}

void TQvItemViewer::InternalCalcSize(TCanvas& canvas, bool calcStretch, int& width, int& height)
{
    TQvTextInfo textInfo;
    GetTextInfo(canvas, MeasuringState(), textInfo);
    if (IsToolbarStyle())
        ToolbarStyleSize(textInfo, calcStretch, width, height);
    else
        MenuStyleSize(canvas, textInfo, width, height);
    ApplyCommonLimits(textInfo.IsTextRotated, width, height);
}

void TQvItemViewer::ToolbarStyleSize(const TQvTextInfo& textInfo, bool calcStretch, int& width, int& height)
{
    int arrowSize = 0, arrowMargin = 0, splitArrowSize = 0;
    GetCurrentSkin()->GetDropDownArrowSize(arrowSize, arrowMargin, splitArrowSize);
    const TSize image = HasArea(GetImageSize()) ? GetImageSize() : TSize{};
    const TSize rightImage = HasArea(GetRightImageSize()) ? GetRightImageSize() : TSize{};
    const bool imageAbove = Item()->EffectiveOptions().Contains(tboImageAboveCaption);
    const bool rotated = textInfo.IsTextRotated;
    const bool vertical = View()->Orientation() == tbvoVertical;
    width = height = 6;
    if (textInfo.IsCaptionShown) {
        width += textInfo.TextSize.cx;
        height += textInfo.TextSize.cy;
        (rotated ? height : width) += 4;
    }
    if (GetImageShown() && HasArea(image)) {
        if (imageAbove) {
            height += image.cy;
            width = std::max(width, image.cx + 7);
        } else if (!rotated) {
            width += image.cx + 1;
            height = std::max(height, image.cy + 6);
        } else {
            height += image.cy + 1;
            width = std::max(width, image.cx + 6);
        }
    }
    if (HasArea(rightImage))
        (vertical ? height : width) += (vertical ? rightImage.cy : rightImage.cx) + 4;
    const TBarItemStyle style = Item()->ItemStyle();
    if (style.Contains(tbisSubmenu) && style.Contains(tbisCombo)) {
        width += splitArrowSize;
    } else if (Item()->EffectiveOptions().Contains(tboDropdownArrow)) {
        if (imageAbove && image.cx != 0 && !rotated) {
            // The arrow sits beside the image.
            int& along = vertical ? height : width;
            const int imageSide = vertical ? image.cy : image.cx;
            along = std::max(along, imageSide + arrowSize + 9);
        } else {
            (vertical ? height : width) += arrowSize;
        }
    }
    if (style.Contains(tbisSubmenu) && View()->Style().Contains(vsMenuBar))
        width += 6;
    auto* stretching = dynamic_cast<IQvStretchingView*>(View());
    if (calcStretch && Item()->Stretch() && stretching && View()->ViewerCount() > 2)
        (vertical ? width : height) = std::max(vertical ? width : height, stretching->TallestItemSize());
}

void TQvItemViewer::MenuStyleSize(TCanvas& canvas, TQvTextInfo& textInfo, int& width, int& height)
{
    const TTextMetric tm = canvas.TextMetrics();
    textInfo.TextSize.cy += tm.tmExternalLeading;
    width = textInfo.TextSize.cx;
    height = textInfo.TextSize.cy;
    const TSize image = HasArea(GetImageSize()) ? GetImageSize() : TSize{};
    height = std::max(height, image.cy == 0 ? 16 : image.cy);
    TQvMenuItemMarginsInfo margins;
    GetCurrentSkin()->GetMenuItemMargins(canvas, MenuMarginsImageWidth(*View(), image.cx), margins);
    width += margins.Margins.Left + margins.Margins.Right;
    height += margins.Margins.Top + margins.Margins.Bottom;
    width +=
        margins.GutterSize + margins.ImageTextSpace + margins.LeftCaptionMargin + margins.RightCaptionMargin;
    if (const std::string shortCut = Item()->GetShortCutText(); !shortCut.empty())
        width += height + GetTextSize(canvas, shortCut, true).cx - 6;
    // Every entry keeps a square at its end for the submenu arrow.
    width += height;
}

void TQvItemViewer::ApplyCommonLimits(bool rotated, int& width, int& height)
{
    TQvCustomItem* item = Item();
    width = std::max(width, item->MinWidth());
    height = std::max(height, item->MinHeight());
    // In the item's own frame: across the caption's line is the height.
    int w = rotated ? height : width + item->Margins();
    int h = rotated ? width + item->Margins() : height;
    if (item->CustomWidth() >= 0)
        w = item->CustomWidth();
    if (item->CustomHeight() >= 0)
        h = item->CustomHeight();
    if (IsToolbarStyle() && item->Anchored())
        w += FAnchorDelta;
    w = std::max(w, item->MinWidth());
    h = std::max(h, item->MinHeight());
    if (IQvItemsToolbar* toolbar = OwnerToolbar()) {
        const int limit = toolbar->MaxSize() - toolbar->NonClientHeight();
        if (limit >= 0 && h > limit)
            h = limit;
    }
    width = rotated ? h : w;
    height = rotated ? w : h;
}
