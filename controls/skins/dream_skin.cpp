#include "controls/skins/built_in_skins.h"
#include "controls/skins/skin_table_writing.h"

void TQvDreamSkin::FillOptions()
{
    SetSkinName("Dream");
    const TEntryValues barBody = {1, Hex(0xFFFFFF), Hex(0xD2D9DD)};
    const TEntryValues hotBody = {1, Hex(0xFFFFFF), Hex(0xDBE2E5)};
    const TEntryValues pushedBody = {1, Hex(0xC0C0C0), Hex(0xFFFFFF)};
    const TEntryValues itemBorders = {1, Hex(0x909090), Hex(0x909090)};
    const TEntryValues checkedBody = {1, Hex(0xFFF9D2), Hex(0xFFFDF0)};
    const TEntryValues checkedBorders = {1, Hex(0x808080), Hex(0x808080), Hex(0xDFD4B0), Hex(0xFFFDF0)};
    PutPeriphery(*this, {Hex(0xE0E0E0), Hex(0xF9F9F9), Hex(0xB0B0B0), Hex(0x909090), Hex(0xFFFFFF), hotBody,
                         itemBorders, pushedBody, itemBorders, checkedBody, checkedBorders});

    Put(*this, skncDock, {0, Hex(0xE0E0E0)});
    Put(*this, skncToolbar, barBody, {2, Hex(0xFFFFFF), Hex(0xB0B0B0)});
    Put(*this, skncPopup, {0, Hex(0xF9F9F9)}, {0, Hex(0xC0C0C0), Hex(0xC0C0C0)});
    Put(*this, skncToolbarItem, {sknsHotTrack}, hotBody, itemBorders);
    Put(*this, skncToolbarItem, {sknsPushed}, pushedBody, itemBorders);
    Put(*this, skncToolbarItem, {sknsChecked}, checkedBody, checkedBorders);
    Put(*this, skncToolbarItem, {sknsCheckedAndHotTrack}, {1, Hex(0xEA9526), Hex(0xFFE080)},
        {1, Hex(0x808080), Hex(0x808080), Hex(0xE8B060), Hex(0xFFE080)});

    CopyOptions(skncToolbar, skncMenuBar);
    CopyOptions(skncToolbarItem, skncMenuBarItem);
    CopyOptions(skncToolbarItem, skncMenuItem);
    CopyOptions(skncToolbarItem, skncButton);
    Put(*this, skncButton, {sknsNormal, sknsDisabled}, barBody, {2, Hex(0xB0B0B0), Hex(0x909090)});
    DeriveListItem(*this, skncToolbarItem, 20, 20);
    CopyOptions(skncToolbarItem, skncCheckBox);
    PutBorders(*this, skncCheckBox, sknsNormal, {0, Hex(0x909090), Hex(0x909090)});
    PutBorders(*this, skncCheckBox, sknsDisabled, {0, Hex(0xC0C0C0), Hex(0xC0C0C0)});
    CopyOptions(skncCheckBox, skncRadioButton);
    CopyOptions(skncToolbarItem, skncEditButton);
    CopyOptions(skncProgressBar, skncTrackBar);
}
