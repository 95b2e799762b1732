// What painting code asks of a skin under the skin type in force: text colours, arrow sizes, menu margins
// and the skin-wide values.

#include "controls/skins/skin_manager.h"
#include "platform/gui/graphics/canvas.h"
#include "platform/gui/graphics/platform_answers.h"

#include <algorithm>

namespace {

TQvSkinType SkinTypeInForce()
{
    return GetSkinManager().GetSkinType();
}

// Menu entries take the layout of the newer platforms under the platform theme.
bool IsModernLayout(TQvSkinType skinType)
{
    return skinType == sknWindows && PlatformAnswers().VistaOrLater();
}

// Menu entries by the classic rules: highlighted text while hot or pushed (menu bar items also while
// checked), else the menu's text colour; disabled ones keep the start colour.
TColor ClassicMenuColor(TColor start, TQvSkinStatesType state, bool highlightChecked)
{
    if (state == sknsDisabled) {
        return start;
    }
    const bool highlighted = state == sknsHotTrack || state == sknsPushed ||
                             state == sknsCheckedAndHotTrack || (highlightChecked && state == sknsChecked);
    return highlighted ? clHighlightText : clMenuText;
}

TColor PlainMenuColor(TColor start, TQvSkinStatesType state)
{
    return state == sknsDisabled ? start : clMenuText;
}

} // namespace

TColor TQvSkinOptions::GetTextColor(TQvSkinComponentsType component, TQvSkinStatesType state) const
{
    const TQvSkinType skinType = SkinTypeInForce();
    if (skinType == sknSkin) {
        // A state the component does not have (an inactive floating caption) takes the Normal colour.
        const TQvSkinStatesType own = SkinComponentHasState(component, state) ? state : sknsNormal;
        const TColor color = (*FOptions)[component][own].TextColor;
        if (color != clNone) {
            return color;
        }
    }
    const TColor start = state == sknsDisabled ? clGrayText : clBtnText;
    const auto themed = [&] {
        TColor color = start;
        TThemedElementDetails details;
        if (GetThemedElementDetails(component, state, details)) {
            GetThemedElementTextColor(details, color);
        }
        return color;
    };
    const bool windows = skinType == sknWindows;
    switch (component) {
    case skncDockablePanelTitleBar:
    case skncWindowTitleBar:
    case skncStatusBar:
        // The status bar's element is its root: the theme gives its panes the same colour.
        return windows ? themed() : skinType == sknSkin ? GetTextColor(skncToolbarItem, state) : start;
    case skncTabToolbar:
        return windows               ? GetTextColor(skncTab, state)
               : skinType == sknSkin ? GetTextColor(skncToolbarItem, state)
                                     : start;
    case skncMenuBarItem:
    case skncMenuItem:
        if (IsModernLayout(skinType)) {
            return themed();
        }
        if (skinType == sknSkin || (component == skncMenuBarItem && skinType == sknNone)) {
            return PlainMenuColor(start, state);
        }
        return ClassicMenuColor(start, state, component == skncMenuBarItem);
    case skncToolbarItem:
        return PlainMenuColor(start, state);
    case skncButton:
    case skncCheckBox:
    case skncEditButton:
    case skncLabel:
    case skncRadioButton:
    case skncTab:
        return windows ? themed() : start;
    case skncListItem:
        if (skinType != sknSkin && (state == sknsChecked || state == sknsCheckedAndHotTrack)) {
            return clHighlightText;
        }
        return start;
    default:
        return start;
    }
}

void TQvSkinOptions::GetDropDownArrowSize(int& dropDownArrowSize, int& dropDownArrowMargin,
                                          int& splitBtnArrowSize) const
{
    dropDownArrowSize = 8;
    dropDownArrowMargin = 3;
    splitBtnArrowSize = SkinTypeInForce() == sknWindows ? 13 : 12;
}

void TQvSkinOptions::GetMenuItemMargins(TCanvas& canvas, int imgSize,
                                        TQvMenuItemMarginsInfo& marginsInfo) const
{
    const TQvSkinType skinType = SkinTypeInForce();
    marginsInfo = {};
    if (IsModernLayout(skinType) || skinType == sknSkin) {
        marginsInfo.Margins = Rect(1, 3, 1, 3);
        marginsInfo.LeftCaptionMargin = 3;
        marginsInfo.RightCaptionMargin = 3;
        marginsInfo.ImageTextSpace = skinType == sknSkin ? 5 : 6;
    } else {
        marginsInfo.Margins = Rect(0, 2, 0, 2);
        marginsInfo.LeftCaptionMargin = 2;
        marginsInfo.RightCaptionMargin = 2;
        marginsInfo.ImageTextSpace = 1;
    }
    const int vertical = marginsInfo.Margins.Top + marginsInfo.Margins.Bottom;
    const TTextMetric metric = canvas.TextMetrics();
    marginsInfo.GutterSize = std::max(metric.tmHeight + metric.tmExternalLeading + vertical,
                                      (imgSize == 0 ? 16 : imgSize) + vertical);
}

int TQvSkinOptions::FloatingWindowBorderSize() const
{
    return SkinTypeInForce() == sknSkin ? FFloatingWindowBorderSize : 4;
}

bool TQvSkinOptions::IconShadow() const
{
    return FIconShadow && SkinTypeInForce() == sknSkin;
}

bool TQvSkinOptions::CompactMenu() const
{
    return FCompactMenu && SkinTypeInForce() == sknSkin;
}

bool TQvSkinOptions::JoinedPopup() const
{
    return SkinTypeInForce() == sknSkin && !Options(skncOpenToolbarItem).IsEmpty();
}

bool TQvSkinOptions::StatusSeparators() const
{
    const TQvSkinType skinType = SkinTypeInForce();
    return (FStatusSeparators && skinType == sknSkin) || skinType == sknNone;
}
