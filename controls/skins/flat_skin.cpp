#include "controls/skins/built_in_skins.h"
#include "controls/skins/skin_colors.h"
#include "controls/skins/skin_table_writing.h"

using SkinColors::MixColors;

void TQvFlatSkin::FillOptions()
{
    SetSkinName("Flat");
    SetIconShadow(true);
    SetCompactMenu(true);
    SetStatusSeparators(true);
    // Mixed once, now; entries that hold a system colour itself follow the system at each paint.
    const TColor toolbar = MixColors(clWindow, clBtnFace, 165);
    const TColor popup = MixColors(clBtnFace, clWindow, 143);
    const TColor hot = LightenColor(MixColors(clHighlight, clWindow, 30), -15);
    const TColor checked = MixColors(clHighlight, MixColors(clBtnFace, clWindow, 50), 10);
    const TEntryValues highlightBorders = {0, clHighlight, clHighlight};
    const TEntryValues shadowBorders = {0, clBtnShadow, clBtnShadow};

    Put(*this, skncDock, {0, clBtnFace});
    Put(*this, skncToolbar, {0, toolbar}, {2, clBtnFace, clBtnFace});
    Put(*this, skncStatusBar, {0, clBtnFace});
    Put(*this, skncSplitter, {0, clBtnFace});
    Put(*this, skncPopup, {0, popup}, shadowBorders);
    Put(*this, skncOpenToolbarItem, {0, toolbar}, shadowBorders);
    Put(*this, skncGutter, {0, toolbar});
    Put(*this, skncSeparator, {0, clBtnShadow, clNone});
    Put(*this, skncToolbarGrip, {0, clBtnShadow, clNone});
    Put(*this, skncStatusBarGrip, {0, clBtnShadow, clBtnHighlight});
    Put(*this, skncPanel, {0, clBtnFace}, shadowBorders);
    Put(*this, skncDockablePanel, {0, popup}, shadowBorders);
    Put(*this, skncDockablePanelTitleBar, {0, toolbar}, shadowBorders);
    Put(*this, skncWindow, {0, toolbar}, shadowBorders);
    Put(*this, skncWindowTitleBar, {0, clBtnShadow}, {}, clBtnHighlight);
    Put(*this, skncTabBackground, {0, toolbar}, shadowBorders);
    Put(*this, skncToolbarItem, {sknsHotTrack, sknsCheckedAndHotTrack}, {0, hot}, highlightBorders);
    Put(*this, skncToolbarItem, {sknsPushed}, {0, clBtnFace}, shadowBorders);
    Put(*this, skncToolbarItem, {sknsChecked}, {0, checked}, highlightBorders);
    Put(*this, skncEditFrame, {sknsNormal, sknsDisabled}, {}, shadowBorders);
    Put(*this, skncEditFrame, {sknsHotTrack}, {}, highlightBorders);
    Put(*this, skncHeader, {sknsNormal, sknsDisabled}, {0, toolbar}, shadowBorders);
    Put(*this, skncHeader, {sknsHotTrack}, {0, hot}, highlightBorders);
    Put(*this, skncHeader, {sknsPushed}, {0, checked}, highlightBorders);
    Put(*this, skncTab, {sknsNormal, sknsDisabled}, {0, clBtnFace}, shadowBorders);
    Put(*this, skncTab, {sknsHotTrack, sknsCheckedAndHotTrack}, {0, hot}, highlightBorders);
    Put(*this, skncTab, {sknsPushed, sknsChecked}, {0, toolbar}, shadowBorders);
    Put(*this, skncProgressBar, {sknsNormal}, {0, toolbar}, shadowBorders);
    Put(*this, skncProgressBar, {sknsHotTrack}, {0, hot}, highlightBorders);
    Put(*this, skncTrackBarButton, {sknsNormal}, {0, checked}, highlightBorders);
    Put(*this, skncTrackBarButton, {sknsPushed}, {0, hot}, highlightBorders);

    CopyOptions(skncToolbar, skncMenuBar);
    CopyOptions(skncToolbarItem, skncMenuBarItem);
    CopyOptions(skncToolbarItem, skncMenuItem);
    CopyOptions(skncToolbarItem, skncButton);
    Put(*this, skncButton, {sknsNormal, sknsDisabled}, {0, clBtnFace}, shadowBorders);
    DeriveListItem(*this, skncToolbarItem, 20, 20);
    CopyOptions(skncToolbarItem, skncCheckBox);
    PutBorders(*this, skncCheckBox, sknsNormal, shadowBorders);
    PutBorders(*this, skncCheckBox, sknsDisabled, shadowBorders);
    CopyOptions(skncCheckBox, skncRadioButton);
    CopyOptions(skncToolbarItem, skncEditButton);
    Put(*this, skncEditButton, {sknsNormal}, {0, clBtnFace}, shadowBorders);
    Put(*this, skncEditButton, {sknsPushed}, {0, clHighlight}, highlightBorders, clHighlightText);
    CopyOptions(skncProgressBar, skncTrackBar);
}
