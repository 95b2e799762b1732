// Which element of the platform theme stands for a skinned component.

#include "controls/skins/skin_manager.h"
#include "platform/gui/graphics/platform_answers.h"
#include "platform/gui/windows/style_services.h"

namespace {

TThemedElementDetails MenuBarItemElement(bool modern, bool enabled, bool pushed, bool hotTrack)
{
    if (!modern) {
        return GetElementDetails(tmMenuBarItem);
    }
    if (!enabled) {
        return GetElementDetails(tmMenuBarItemDisabled);
    }
    return GetElementDetails(pushed     ? tmMenuBarItemPushed
                             : hotTrack ? tmMenuBarItemHot
                                        : tmMenuBarItemNormal);
}

TThemedElementDetails MenuItemElement(bool modern, bool enabled, bool hotTrack)
{
    if (!modern) {
        return GetElementDetails(hotTrack ? tmMenuItemSelected : tmMenuItemNormal);
    }
    if (!enabled) {
        return GetElementDetails(hotTrack ? tmPopupItemDisabledHot : tmPopupItemDisabled);
    }
    return GetElementDetails(hotTrack ? tmPopupItemHot : tmPopupItemNormal);
}

TThemedElementDetails ToolbarItemElement(bool enabled, bool pushed, bool hotTrack, bool checked)
{
    if (!enabled) {
        return GetElementDetails(ttbButtonDisabled);
    }
    if (pushed) {
        return GetElementDetails(ttbButtonPressed);
    }
    if (hotTrack) {
        return GetElementDetails(checked ? ttbButtonCheckedHot : ttbButtonHot);
    }
    return GetElementDetails(checked ? ttbButtonChecked : ttbButtonNormal);
}

TThemedElementDetails PushButtonElement(bool enabled, bool pushed, bool hotTrack, bool checked, bool focused,
                                        bool defaulted)
{
    if (!enabled) {
        return GetElementDetails(tbPushButtonDisabled);
    }
    if (pushed || checked) {
        return GetElementDetails(tbPushButtonPressed);
    }
    if (hotTrack) {
        return GetElementDetails(tbPushButtonHot);
    }
    return GetElementDetails(defaulted || focused ? tbPushButtonDefaulted : tbPushButtonNormal);
}

// Check boxes and radio buttons: a group of four (normal, hot, pressed, disabled) chosen by the caller.
TThemedElementDetails BoxElement(TThemedButton normal, bool enabled, bool pushed, bool hotTrack)
{
    const int step = !enabled ? 3 : pushed ? 2 : hotTrack ? 1 : 0;
    return GetElementDetails(static_cast<TThemedButton>(normal + step));
}

TThemedElementDetails TabElement(bool enabled, bool pushed, bool hotTrack, bool checked)
{
    if (!enabled) {
        return GetElementDetails(ttTabItemDisabled);
    }
    if (pushed || checked) {
        return GetElementDetails(ttTabItemSelected);
    }
    return GetElementDetails(hotTrack ? ttTabItemHot : ttTabItemNormal);
}

} // namespace

bool TQvSkinOptions::GetThemedElementDetails(TQvSkinComponentsType component, bool enabled, bool pushed,
                                             bool hotTrack, bool checked, bool focused, bool defaulted,
                                             bool grayed, TThemedElementDetails& details) const
{
    const bool modern = PlatformAnswers().VistaOrLater();
    switch (component) {
    case skncDock:
        details = GetElementDetails(trRebarDontCare);
        return true;
    case skncDockablePanel:
        details = GetElementDetails(tcpBackground);
        return true;
    case skncDockablePanelTitleBar:
        details = GetElementDetails(tcpThemedHeader);
        return true;
    case skncGutter:
        details = GetElementDetails(tmPopupGutter);
        return true;
    case skncPanel:
        details = GetElementDetails(enabled ? tbGroupBoxNormal : tbGroupBoxDisabled);
        return true;
    case skncPopup:
        details = GetElementDetails(tmPopupBackground);
        return true;
    case skncSeparator:
        details = GetElementDetails(enabled ? ttbSeparatorNormal : ttbSeparatorVertNormal);
        return true;
    case skncStatusBar:
        details = GetElementDetails(tsStatusRoot);
        return true;
    case skncStatusBarGrip:
        details = GetElementDetails(tsGripper);
        return true;
    case skncToolbar:
        details = GetElementDetails(trBand);
        return true;
    case skncToolbarGrip:
        details = GetElementDetails(enabled ? trGripperVert : trGripper);
        return true;
    case skncWindowTitleBar:
        details = GetElementDetails(enabled ? twSmallCaptionActive : twSmallCaptionInactive);
        return true;
    case skncMenuBarItem:
        details = MenuBarItemElement(modern, enabled, pushed, hotTrack);
        return true;
    case skncMenuItem:
        details = MenuItemElement(modern, enabled, hotTrack);
        return true;
    case skncToolbarItem:
        details = ToolbarItemElement(enabled, pushed, hotTrack, checked);
        return true;
    case skncButton:
    case skncEditButton:
        details = PushButtonElement(enabled, pushed, hotTrack, checked, focused, defaulted);
        return true;
    case skncCheckBox:
        details = BoxElement(grayed    ? tbCheckBoxMixedNormal
                             : checked ? tbCheckBoxCheckedNormal
                                       : tbCheckBoxUncheckedNormal,
                             enabled, pushed, hotTrack);
        return true;
    case skncLabel:
        details = GetElementDetails(enabled ? tbCheckBoxUncheckedNormal : tbCheckBoxUncheckedDisabled);
        return true;
    case skncRadioButton:
        details = BoxElement(checked ? tbRadioButtonCheckedNormal : tbRadioButtonUncheckedNormal, enabled,
                             pushed, hotTrack);
        return true;
    case skncTab:
        details = TabElement(enabled, pushed, hotTrack, checked);
        return true;
    default:
        return false;
    }
}

bool TQvSkinOptions::GetThemedElementDetails(TQvSkinComponentsType component, TQvSkinStatesType state,
                                             TThemedElementDetails& details) const
{
    bool enabled = false;
    bool pushed = false;
    bool hotTrack = false;
    bool checked = false;
    GetState(state, enabled, pushed, hotTrack, checked);
    return GetThemedElementDetails(component, enabled, pushed, hotTrack, checked, false, false, false,
                                   details);
}

TSize TQvSkinOptions::GetThemedElementSize(TCanvas& canvas, const TThemedElementDetails& details) const
{
    TSize size;
    ActiveStyleServices().GetElementSize(&canvas, details, esActual, size);
    return size;
}

void TQvSkinOptions::GetThemedElementTextColor(const TThemedElementDetails& details, TColor& color) const
{
    ActiveStyleServices().GetElementColor(details, ecTextColor, color);
}

TColor TQvSkinOptions::GetThemedSystemColor(TColor color) const
{
    return ActiveStyleServices().GetSystemColor(color);
}
