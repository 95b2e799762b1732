#include "platform/gui/graphics/themed_elements.h"

#include "platform/gui/graphics/theme.h"

#include <cstddef>

namespace {

// Elements that follow each other in their enumeration and draw one part, their states counting up from
// firstState.
struct TRun
{
    int first;
    int count;
    int part;
    int firstState;
};

// An element outside every run is its kind's "don't care" element: part 0, state 0.
template <size_t N> TThemedElementDetails Details(TThemedElement kind, int element, const TRun (&runs)[N])
{
    for (const TRun& run : runs)
        if (element >= run.first && element < run.first + run.count)
            return {kind, run.part, run.firstState + element - run.first};
    return {kind, 0, 0};
}

} // namespace

const char* ThemeClassName(TThemedElement element)
{
    switch (element) {
    case teButton:
        return "Button";
    case teCategoryPanelGroup:
        return "ExplorerBar";
    case teComboBox:
        return "ComboBox";
    case teEdit:
        return "Edit";
    case teHeader:
        return "Header";
    case teMenu:
        return "Menu";
    case teRebar:
        return "Rebar";
    case teSpin:
        return "Spin";
    case teStatus:
        return "Status";
    case teTab:
        return "Tab";
    case teToolBar:
        return "Toolbar";
    case teToolTip:
        return "ToolTip";
    case teTrackBar:
        return "Trackbar";
    case teWindow:
        return "Window";
    case teGrid:
    case tePanel:
        break;
    }
    return "";
}

TThemedElementDetails GetElementDetails(TThemedButton element)
{
    static constexpr TRun runs[] = {{tbPushButtonNormal, 5, BP_PUSHBUTTON, PBS_NORMAL},
                                    {tbRadioButtonUncheckedNormal, 8, BP_RADIOBUTTON, 1},
                                    {tbCheckBoxUncheckedNormal, 12, BP_CHECKBOX, CBS_UNCHECKEDNORMAL},
                                    {tbGroupBoxNormal, 2, BP_GROUPBOX, 1}};
    return Details(teButton, element, runs);
}

TThemedElementDetails GetElementDetails(TThemedCategoryPanelGroup element)
{
    static constexpr TRun runs[] = {{tcpBackground, 1, EBP_NORMALGROUPBACKGROUND, 0},
                                    {tcpThemedHeader, 1, EBP_HEADERBACKGROUND, 0}};
    return Details(teCategoryPanelGroup, element, runs);
}

TThemedElementDetails GetElementDetails(TThemedComboBox element)
{
    static constexpr TRun runs[] = {{tcDropDownButtonNormal, 4, CP_DROPDOWNBUTTON, 1}};
    return Details(teComboBox, element, runs);
}

TThemedElementDetails GetElementDetails(TThemedEdit element)
{
    static constexpr TRun runs[] = {{teEditTextNormal, 6, EP_EDITTEXT, 1}};
    return Details(teEdit, element, runs);
}

TThemedElementDetails GetElementDetails(TThemedGrid element)
{
    static constexpr TRun runs[] = {{tgCellNormal, 1, 1, 1}, {tgFixedCellNormal, 1, 2, 1}};
    return Details(teGrid, element, runs);
}

TThemedElementDetails GetElementDetails(TThemedHeader element)
{
    static constexpr TRun runs[] = {{thHeaderItemNormal, 3, HP_HEADERITEM, 1},
                                    {thHeaderItemLeftNormal, 3, HP_HEADERITEMLEFT, 1},
                                    {thHeaderItemRightNormal, 3, HP_HEADERITEMRIGHT, 1}};
    return Details(teHeader, element, runs);
}

TThemedElementDetails GetElementDetails(TThemedMenu element)
{
    static constexpr TRun runs[] = {{tmMenuItemNormal, 2, MENU_MENUITEM, 1},
                                    {tmMenuBarItem, 1, MENU_MENUBARITEM, 0},
                                    {tmMenuBarBackgroundActive, 2, MENU_BARBACKGROUND, 1},
                                    {tmMenuBarItemNormal, 4, MENU_BARITEM, 1},
                                    {tmPopupBackground, 1, MENU_POPUPBACKGROUND, 0},
                                    {tmPopupBorders, 1, MENU_POPUPBORDERS, 0},
                                    {tmPopupCheckNormal, 4, MENU_POPUPCHECK, 1},
                                    {tmPopupCheckBackgroundDisabled, 3, MENU_POPUPCHECKBACKGROUND, 1},
                                    {tmPopupGutter, 1, MENU_POPUPGUTTER, 0},
                                    {tmPopupItemNormal, 4, MENU_POPUPITEM, 1},
                                    {tmPopupSeparator, 1, MENU_POPUPSEPARATOR, 0},
                                    {tmPopupSubMenuNormal, 2, MENU_POPUPSUBMENU, 1}};
    return Details(teMenu, element, runs);
}

TThemedElementDetails GetElementDetails(TThemedPanel element)
{
    static constexpr TRun runs[] = {{tpPanelBackground, 1, 1, 1}, {tpPanelBevel, 1, 2, 1}};
    return Details(tePanel, element, runs);
}

TThemedElementDetails GetElementDetails(TThemedRebar element)
{
    static constexpr TRun runs[] = {
        {trGripper, 1, RP_GRIPPER, 0}, {trGripperVert, 1, RP_GRIPPERVERT, 0}, {trBand, 1, RP_BAND, 0}};
    return Details(teRebar, element, runs);
}

TThemedElementDetails GetElementDetails(TThemedSpin element)
{
    static constexpr TRun runs[] = {{tsUpNormal, 4, SPNP_UP, 1}, {tsDownNormal, 4, SPNP_DOWN, 1}};
    return Details(teSpin, element, runs);
}

TThemedElementDetails GetElementDetails(TThemedStatus element)
{
    static constexpr TRun runs[] = {
        {tsPane, 1, SP_PANE, 0}, {tsGripperPane, 1, SP_GRIPPERPANE, 0}, {tsGripper, 1, SP_GRIPPER, 0}};
    return Details(teStatus, element, runs);
}

TThemedElementDetails GetElementDetails(TThemedTab element)
{
    static constexpr TRun runs[] = {{ttTabItemNormal, 5, TABP_TABITEM, 1}};
    return Details(teTab, element, runs);
}

TThemedElementDetails GetElementDetails(TThemedToolBar element)
{
    static constexpr TRun runs[] = {{ttbButtonNormal, 6, TP_BUTTON, 1},
                                    {ttbDropDownButtonNormal, 6, TP_DROPDOWNBUTTON, 1},
                                    {ttbSplitButtonNormal, 6, TP_SPLITBUTTON, 1},
                                    {ttbSplitButtonDropDownNormal, 6, TP_SPLITBUTTONDROPDOWN, 1},
                                    {ttbSeparatorNormal, 1, TP_SEPARATOR, 1},
                                    {ttbSeparatorVertNormal, 1, TP_SEPARATORVERT, 1}};
    return Details(teToolBar, element, runs);
}

TThemedElementDetails GetElementDetails(TThemedToolTip element)
{
    static constexpr TRun runs[] = {{tttStandardNormal, 2, TTP_STANDARD, TTSS_NORMAL}};
    return Details(teToolTip, element, runs);
}

TThemedElementDetails GetElementDetails(TThemedTrackBar element)
{
    static constexpr TRun runs[] = {{ttbTrack, 1, TKP_TRACK, 1},
                                    {ttbThumbBottomNormal, 5, TKP_THUMBBOTTOM, 1}};
    return Details(teTrackBar, element, runs);
}

TThemedElementDetails GetElementDetails(TThemedWindow element)
{
    static constexpr TRun runs[] = {{twCaptionActive, 3, WP_CAPTION, 1},
                                    {twSmallCaptionActive, 3, WP_SMALLCAPTION, 1},
                                    {twFrameLeftActive, 2, WP_FRAMELEFT, FS_ACTIVE},
                                    {twFrameRightActive, 2, WP_FRAMERIGHT, FS_ACTIVE},
                                    {twFrameBottomActive, 2, WP_FRAMEBOTTOM, FS_ACTIVE},
                                    {twSmallFrameLeftActive, 2, WP_SMALLFRAMELEFT, FS_ACTIVE},
                                    {twSmallFrameRightActive, 2, WP_SMALLFRAMERIGHT, FS_ACTIVE},
                                    {twSmallFrameBottomActive, 2, WP_SMALLFRAMEBOTTOM, FS_ACTIVE}};
    return Details(teWindow, element, runs);
}
