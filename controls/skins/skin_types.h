#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// What a skin is indexed by: the skinned components and the visual states each of them has, with their
// names in skin texts.

// Which look is in force: the classic one of platform edges and system colours, the platform theme, or a
// skin's table. Never stored: the skin manager answers it on every query.
enum TQvSkinType
{
    sknNone,
    sknWindows,
    sknSkin
};

enum TQvSkinStatesType
{
    sknsNormal,
    sknsDisabled,
    sknsHotTrack,
    sknsPushed,
    sknsChecked,
    sknsCheckedAndHotTrack
};
constexpr int SkinStateCount = 6;

enum TQvSkinComponentsType
{
    skncDock,
    skncDockablePanel,
    skncDockablePanelTitleBar,
    skncGutter,
    skncMenuBar,
    skncOpenToolbarItem,
    skncPanel,
    skncPopup,
    skncSeparator,
    skncSplitter,
    skncStatusBar,
    skncStatusBarGrip,
    skncTabBackground,
    skncTabToolbar,
    skncToolbar,
    skncToolbarGrip,
    skncWindow,
    skncWindowTitleBar,
    skncMenuBarItem,
    skncMenuItem,
    skncToolbarItem,
    skncButton,
    skncCheckBox,
    skncEditButton,
    skncEditFrame,
    skncHeader,
    skncLabel,
    skncListItem,
    skncProgressBar,
    skncRadioButton,
    skncTab,
    skncTrackBar,
    skncTrackBarButton
};
constexpr int SkinComponentCount = 33;

constexpr std::array<std::string_view, SkinStateCount> SkinStateNames = {
    "Normal", "Disabled", "HotTrack", "Pushed", "Checked", "CheckedAndHotTrack"};

// A component's section in skin texts and the states it has (bit n for state n).
struct TQvSkinComponentInfo
{
    std::string_view Section;
    uint8_t States;
};

constexpr uint8_t SkinNormalOnly = 0x01;
constexpr uint8_t SkinAllStates = 0x3F;

constexpr std::array<TQvSkinComponentInfo, SkinComponentCount> SkinComponentTable = {{
    {"Dock", SkinNormalOnly},
    {"DockablePanel", SkinNormalOnly},
    {"DockablePanelTitleBar", SkinNormalOnly},
    {"Gutter", SkinNormalOnly},
    {"MenuBar", SkinNormalOnly},
    {"OpenToolbarItem", SkinNormalOnly},
    {"Panel", SkinNormalOnly},
    {"Popup", SkinNormalOnly},
    {"Separator", SkinNormalOnly},
    {"Splitter", SkinNormalOnly},
    {"StatusBar", SkinNormalOnly},
    {"StatusBarGrip", SkinNormalOnly},
    {"TabBackground", SkinNormalOnly},
    {"TabToolbar", SkinNormalOnly},
    {"Toolbar", SkinNormalOnly},
    {"ToolbarGrip", SkinNormalOnly},
    {"Window", SkinNormalOnly},
    {"WindowTitleBar", SkinNormalOnly},
    {"MenuBarItem", SkinAllStates},
    {"MenuItem", SkinAllStates},
    {"ToolbarItem", SkinAllStates},
    {"Button", SkinAllStates},
    {"CheckBox", SkinAllStates},
    {"EditButton", SkinAllStates},
    {"EditFrame", 0x07},
    {"Header", 0x0F},
    {"Label", 0x03},
    {"ListItem", SkinAllStates},
    {"ProgressBar", 0x05},
    {"RadioButton", SkinAllStates},
    {"Tab", SkinAllStates},
    {"TrackBar", 0x05},
    {"TrackBarButton", 0x09},
}};

constexpr bool SkinComponentHasState(TQvSkinComponentsType component, TQvSkinStatesType state)
{
    return (SkinComponentTable[component].States >> state) & 1;
}

constexpr bool SkinComponentIsNormalOnly(TQvSkinComponentsType component)
{
    return SkinComponentTable[component].States == SkinNormalOnly;
}

// Sent straight to every object registered with the skin manager when the current skin changes
// (WM_APP + 2007); WParam and LParam are 0.
constexpr uint32_t WM_SKINCHANGED = 0x87D7;

// Sent to the control that opened a popup menu once the menu has closed (CM_BASE + 1111); WParam is the
// menu. The skinned buttons clear their dropped-down state on it.
constexpr uint32_t CM_POPUPCLOSED = 0xB457;
// Broadcast to the buttons of a parent when one of its group's buttons goes down (CM_BASE + 2222).
constexpr uint32_t CM_BUTTONGROUPCHANGED = 0xB8AE;
