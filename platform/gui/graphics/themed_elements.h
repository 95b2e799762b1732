#pragma once

// The elements the style services paint, by name (tbPushButtonNormal, tpPanelBackground, ...): one
// enumeration per kind of control, each in the platform's order, so that an element plus a step names a
// neighbouring state (ttbDropDownButtonNormal + 1 is its hot state). GetElementDetails turns an element into
// the class of the theme painter, the part and the state that draw it. Panels and grids have no theme
// class: only a custom style paints them.

enum TThemedElement
{
    teButton,
    teCategoryPanelGroup,
    teComboBox,
    teEdit,
    teGrid,
    teHeader,
    teMenu,
    tePanel,
    teRebar,
    teSpin,
    teStatus,
    teTab,
    teToolBar,
    teToolTip,
    teTrackBar,
    teWindow
};

struct TThemedElementDetails
{
    TThemedElement Element = teButton;
    int Part = 0;
    int State = 0;
    bool operator==(const TThemedElementDetails&) const = default;
};

// The theme painter's class that draws the element's kind ("Button"); empty for panels and grids.
const char* ThemeClassName(TThemedElement element);

enum TThemedButton
{
    tbButtonDontCare,
    tbPushButtonNormal,
    tbPushButtonHot,
    tbPushButtonPressed,
    tbPushButtonDisabled,
    tbPushButtonDefaulted,
    tbRadioButtonUncheckedNormal,
    tbRadioButtonUncheckedHot,
    tbRadioButtonUncheckedPressed,
    tbRadioButtonUncheckedDisabled,
    tbRadioButtonCheckedNormal,
    tbRadioButtonCheckedHot,
    tbRadioButtonCheckedPressed,
    tbRadioButtonCheckedDisabled,
    tbCheckBoxUncheckedNormal,
    tbCheckBoxUncheckedHot,
    tbCheckBoxUncheckedPressed,
    tbCheckBoxUncheckedDisabled,
    tbCheckBoxCheckedNormal,
    tbCheckBoxCheckedHot,
    tbCheckBoxCheckedPressed,
    tbCheckBoxCheckedDisabled,
    tbCheckBoxMixedNormal,
    tbCheckBoxMixedHot,
    tbCheckBoxMixedPressed,
    tbCheckBoxMixedDisabled,
    tbGroupBoxNormal,
    tbGroupBoxDisabled
};

enum TThemedCategoryPanelGroup
{
    tcpBackground,
    tcpThemedHeader
};

enum TThemedComboBox
{
    tcComboBoxDontCare,
    tcDropDownButtonNormal,
    tcDropDownButtonHot,
    tcDropDownButtonPressed,
    tcDropDownButtonDisabled
};

enum TThemedEdit
{
    teEditDontCare,
    teEditTextNormal,
    teEditTextHot,
    teEditTextSelected,
    teEditTextDisabled,
    teEditTextFocused,
    teEditTextReadOnly
};

enum TThemedGrid
{
    tgCellNormal,
    tgFixedCellNormal
};

enum TThemedHeader
{
    thHeaderDontCare,
    thHeaderItemNormal,
    thHeaderItemHot,
    thHeaderItemPressed,
    thHeaderItemLeftNormal,
    thHeaderItemLeftHot,
    thHeaderItemLeftPressed,
    thHeaderItemRightNormal,
    thHeaderItemRightHot,
    thHeaderItemRightPressed
};

enum TThemedMenu
{
    tmMenuItemNormal,
    tmMenuItemSelected,
    tmMenuBarItem,
    tmMenuBarBackgroundActive,
    tmMenuBarBackgroundInactive,
    tmMenuBarItemNormal,
    tmMenuBarItemHot,
    tmMenuBarItemPushed,
    tmMenuBarItemDisabled,
    tmPopupBackground,
    tmPopupBorders,
    tmPopupCheckNormal,
    tmPopupCheckDisabled,
    tmPopupBulletNormal,
    tmPopupBulletDisabled,
    tmPopupCheckBackgroundDisabled,
    tmPopupCheckBackgroundNormal,
    tmPopupCheckBackgroundBitmap,
    tmPopupGutter,
    tmPopupItemNormal,
    tmPopupItemHot,
    tmPopupItemDisabled,
    tmPopupItemDisabledHot,
    tmPopupSeparator,
    tmPopupSubMenuNormal,
    tmPopupSubMenuDisabled
};

enum TThemedPanel
{
    tpPanelBackground,
    tpPanelBevel
};

enum TThemedRebar
{
    trRebarDontCare,
    trGripper,
    trGripperVert,
    trBand
};

enum TThemedSpin
{
    tsSpinDontCare,
    tsUpNormal,
    tsUpHot,
    tsUpPressed,
    tsUpDisabled,
    tsDownNormal,
    tsDownHot,
    tsDownPressed,
    tsDownDisabled
};

enum TThemedStatus
{
    tsStatusRoot,
    tsPane,
    tsGripperPane,
    tsGripper
};

enum TThemedTab
{
    ttTabDontCare,
    ttTabItemNormal,
    ttTabItemHot,
    ttTabItemSelected,
    ttTabItemDisabled,
    ttTabItemFocused
};

enum TThemedToolBar
{
    ttbToolBarDontCare,
    ttbButtonNormal,
    ttbButtonHot,
    ttbButtonPressed,
    ttbButtonDisabled,
    ttbButtonChecked,
    ttbButtonCheckedHot,
    ttbDropDownButtonNormal,
    ttbDropDownButtonHot,
    ttbDropDownButtonPressed,
    ttbDropDownButtonDisabled,
    ttbDropDownButtonChecked,
    ttbDropDownButtonCheckedHot,
    ttbSplitButtonNormal,
    ttbSplitButtonHot,
    ttbSplitButtonPressed,
    ttbSplitButtonDisabled,
    ttbSplitButtonChecked,
    ttbSplitButtonCheckedHot,
    ttbSplitButtonDropDownNormal,
    ttbSplitButtonDropDownHot,
    ttbSplitButtonDropDownPressed,
    ttbSplitButtonDropDownDisabled,
    ttbSplitButtonDropDownChecked,
    ttbSplitButtonDropDownCheckedHot,
    ttbSeparatorNormal,
    ttbSeparatorVertNormal
};

enum TThemedToolTip
{
    tttToolTipDontCare,
    tttStandardNormal,
    tttStandardLink
};

enum TThemedTrackBar
{
    ttbTrackBarDontCare,
    ttbTrack,
    ttbThumbBottomNormal,
    ttbThumbBottomHot,
    ttbThumbBottomPressed,
    ttbThumbBottomFocused,
    ttbThumbBottomDisabled
};

enum TThemedWindow
{
    twWindowDontCare,
    twCaptionActive,
    twCaptionInactive,
    twCaptionDisabled,
    twSmallCaptionActive,
    twSmallCaptionInactive,
    twSmallCaptionDisabled,
    twFrameLeftActive,
    twFrameLeftInactive,
    twFrameRightActive,
    twFrameRightInactive,
    twFrameBottomActive,
    twFrameBottomInactive,
    twSmallFrameLeftActive,
    twSmallFrameLeftInactive,
    twSmallFrameRightActive,
    twSmallFrameRightInactive,
    twSmallFrameBottomActive,
    twSmallFrameBottomInactive
};

TThemedElementDetails GetElementDetails(TThemedButton element);
TThemedElementDetails GetElementDetails(TThemedCategoryPanelGroup element);
TThemedElementDetails GetElementDetails(TThemedComboBox element);
TThemedElementDetails GetElementDetails(TThemedEdit element);
TThemedElementDetails GetElementDetails(TThemedGrid element);
TThemedElementDetails GetElementDetails(TThemedHeader element);
TThemedElementDetails GetElementDetails(TThemedMenu element);
TThemedElementDetails GetElementDetails(TThemedPanel element);
TThemedElementDetails GetElementDetails(TThemedRebar element);
TThemedElementDetails GetElementDetails(TThemedSpin element);
TThemedElementDetails GetElementDetails(TThemedStatus element);
TThemedElementDetails GetElementDetails(TThemedTab element);
TThemedElementDetails GetElementDetails(TThemedToolBar element);
TThemedElementDetails GetElementDetails(TThemedToolTip element);
TThemedElementDetails GetElementDetails(TThemedTrackBar element);
TThemedElementDetails GetElementDetails(TThemedWindow element);
