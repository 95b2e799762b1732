#include "controls/skins/built_in_skins.h"
#include "controls/skins/skin_table_writing.h"

void TQvAthenSkin::FillOptions()
{
    SetSkinName("Athen");
    const TEntryValues barBody = {3, Hex(0xF8F8F8), Hex(0xD8D8D8), Hex(0xF0F0F0), Hex(0xF8F8F8)};
    const TEntryValues hotBody = {3, Hex(0xF0F8FF), Hex(0x80B0E0), Hex(0x70E8F0), Hex(0xB0FFFF)};
    const TEntryValues checkedHotBody = {3, Hex(0xDEECFA), Hex(0x80B0E0), Hex(0x73DEED), Hex(0xBAFFFF)};
    const TEntryValues hotBorders = {1, Hex(0x70B3DA), Hex(0x70B3DA)};
    const TEntryValues pushedBody = {1, Hex(0xC0C0C0), Hex(0xFFFFFF)};
    const TEntryValues pushedBorders = {1, Hex(0xD0D0D0), Hex(0xB0B0B0)};
    const TEntryValues greyBorders = {1, Hex(0xC0C0C0), Hex(0xC0C0C0)};
    PutPeriphery(*this, {Hex(0xE0E0E0), Hex(0xF8F8F8), Hex(0xB0B0B0), Hex(0xA0A0A0), Hex(0xFFFFFF), hotBody,
                         hotBorders, pushedBody, pushedBorders, hotBody, hotBorders});

    Put(*this, skncDock, {0, Hex(0xE0E0E0)});
    Put(*this, skncToolbar, barBody, {1, Hex(0xFFFFFF), Hex(0xB0B0B0)});
    Put(*this, skncPopup, {0, Hex(0xFFFFFF)}, {0, Hex(0xC0C0C0), Hex(0xC0C0C0)});
    Put(*this, skncToolbarItem, {sknsHotTrack, sknsChecked}, hotBody, hotBorders);
    Put(*this, skncToolbarItem, {sknsPushed}, pushedBody, pushedBorders);
    Put(*this, skncToolbarItem, {sknsCheckedAndHotTrack}, checkedHotBody, hotBorders);
    Put(*this, skncMenuBarItem, {sknsHotTrack, sknsPushed, sknsChecked}, hotBody);
    Put(*this, skncMenuBarItem, {sknsCheckedAndHotTrack}, checkedHotBody);

    CopyOptions(skncToolbar, skncMenuBar);
    CopyOptions(skncToolbarItem, skncMenuItem);
    Put(*this, skncMenuItem, {sknsHotTrack}, barBody, greyBorders);
    CopyOptions(skncToolbarItem, skncButton);
    Put(*this, skncButton, {sknsNormal, sknsDisabled}, barBody, {1, Hex(0xFFFFFF), Hex(0xA0A0A0)});
    DeriveListItem(*this, skncToolbarItem, 30, 30);
    CopyOptions(skncToolbarItem, skncCheckBox);
    Put(*this, skncCheckBox, {sknsNormal}, {0, Hex(0xFFFFFF)}, {0, Hex(0x909090), Hex(0x909090)});
    PutBorders(*this, skncCheckBox, sknsDisabled, {0, Hex(0xC0C0C0), Hex(0xC0C0C0)});
    CopyOptions(skncCheckBox, skncRadioButton);
    CopyOptions(skncToolbarItem, skncEditButton);
    CopyOptions(skncProgressBar, skncTrackBar);
}
