#include "controls/skins/built_in_skins.h"
#include "controls/skins/skin_table_writing.h"

void TQvXitoSkin::FillOptions()
{
    SetSkinName("Xito");
    const TEntryValues barBody = {5, Hex(0xFFFFFF), Hex(0xF2F2F2), Hex(0xEAEAEA), Hex(0xEFEFEF)};
    const TEntryValues hotBody = {0, Hex(0xE0E0E0)};
    const TEntryValues hotBorders = {2, Hex(0xA0A0A0), Hex(0xA0A0A0)};
    const TEntryValues pushedBody = {0, Hex(0xC0C0C0)};
    const TEntryValues pushedBorders = {2, Hex(0x909090), Hex(0x909090)};
    const TEntryValues checkedBody = {0, Hex(0xD8D8D8)};
    const TEntryValues checkedBorders = {2, Hex(0xB8B8B8), Hex(0xF8F8F8)};
    PutPeriphery(*this, {Hex(0xE0E0E0), Hex(0xFFFFFF), Hex(0xB0B0B0), Hex(0xA0A0A0), Hex(0xFFFFFF), hotBody,
                         hotBorders, pushedBody, pushedBorders, checkedBody, checkedBorders});
    Put(*this, skncButton, {sknsNormal, sknsDisabled}, barBody, {2, Hex(0xB0B0B0), Hex(0x909090)});

    Put(*this, skncDock, {0, Hex(0xE0E0E0)});
    Put(*this, skncToolbar, barBody, {2, Hex(0xFFFFFF), Hex(0xB0B0B0)});
    Put(*this, skncPopup, {0, Hex(0xFFFFFF)}, {0, Hex(0xC0C0C0), Hex(0xC0C0C0)});
    Put(*this, skncToolbarItem, {sknsHotTrack}, hotBody, hotBorders);
    Put(*this, skncToolbarItem, {sknsPushed}, pushedBody, pushedBorders);
    Put(*this, skncToolbarItem, {sknsChecked}, checkedBody, checkedBorders);
    Put(*this, skncToolbarItem, {sknsCheckedAndHotTrack}, {0, Hex(0xD0D0D0)},
        {2, Hex(0x808080), Hex(0x808080)});

    CopyOptions(skncToolbar, skncMenuBar);
    CopyOptions(skncToolbarItem, skncMenuBarItem);
    CopyOptions(skncToolbarItem, skncMenuItem);
    DeriveListItem(*this, skncButton, 20, 20);
    CopyOptions(skncButton, skncCheckBox);
    Options(skncCheckBox, sknsNormal).Body.Reset();
    PutBody(*this, skncCheckBox, sknsChecked, {0, Hex(0xFFFFFF)});
    Options(skncCheckBox, sknsDisabled).Body.Reset();
    CopyOptions(skncCheckBox, skncRadioButton);
    CopyOptions(skncButton, skncEditButton);
    Options(skncEditButton, sknsNormal).Reset();
    for (const TQvSkinStatesType state :
         {sknsDisabled, sknsHotTrack, sknsPushed, sknsChecked, sknsCheckedAndHotTrack}) {
        Options(skncEditButton, state).Borders.SkinType = 0;
    }
    CopyOptions(skncToolbarItem, skncTab);
    PutBorders(*this, skncTab, sknsCheckedAndHotTrack, {2, Hex(0x808080), Hex(0x808080), Hex(0xD0D0D0)});
    CopyOptions(skncProgressBar, skncTrackBar);
}
