#include "controls/skins/built_in_skins.h"
#include "controls/skins/skin_table_writing.h"

void TQvEosSkin::FillOptions()
{
    SetSkinName("Eos");
    const TColor text = Hex(0xEEEEEE);
    const TColor hotText = Hex(0xE6CA68);
    const TEntryValues itemBorders = {0, Hex(0xA0A094), Hex(0xA0A094)};
    const TEntryValues hotBody = {0, Hex(0x6D6D5F)};
    const TEntryValues pushedBody = {0, Hex(0xEAD27A)};
    const TEntryValues checkedBody = {0, Hex(0xA0A094)};
    PutPeriphery(*this, {Hex(0x808070), Hex(0x909080), Hex(0x66665A), Hex(0x66665A), Hex(0xA0A094), hotBody,
                         itemBorders, pushedBody, itemBorders, checkedBody, itemBorders});
    for (const TQvSkinComponentsType lettered :
         {skncStatusBar, skncDockablePanelTitleBar, skncWindowTitleBar, skncButton, skncCheckBox, skncTab}) {
        Options(lettered).TextColor = text;
    }

    Put(*this, skncDock, {0, Hex(0x909080)});
    Put(*this, skncToolbar, {0, Hex(0x808070)}, {0, Hex(0x8C8C83), Hex(0x66665A)});
    Put(*this, skncPopup, {0, Hex(0x808070)}, {0, Hex(0x66665A), Hex(0x66665A)});
    Put(*this, skncToolbarItem, {sknsNormal}, {}, {}, text);
    Put(*this, skncToolbarItem, {sknsDisabled}, {}, {}, Hex(0xACA899));
    Put(*this, skncToolbarItem, {sknsHotTrack}, hotBody, itemBorders, hotText);
    Put(*this, skncToolbarItem, {sknsPushed}, pushedBody, itemBorders, Hex(0x000000));
    Put(*this, skncToolbarItem, {sknsChecked}, checkedBody, itemBorders, text);
    Put(*this, skncToolbarItem, {sknsCheckedAndHotTrack}, {0, Hex(0xECD78E)}, itemBorders, Hex(0x000000));

    CopyOptions(skncToolbar, skncMenuBar);
    CopyOptions(skncToolbarItem, skncMenuBarItem);
    CopyOptions(skncToolbarItem, skncMenuItem);
    Options(skncMenuItem, sknsPushed).TextColor = hotText;
    PutBody(*this, skncMenuItem, sknsCheckedAndHotTrack, checkedBody);
    Options(skncMenuItem, sknsCheckedAndHotTrack).TextColor = hotText;
    DeriveListItem(*this, skncToolbarItem, 30, 30);
    CopyOptions(skncCheckBox, skncRadioButton);
    CopyOptions(skncToolbarItem, skncEditButton);
    Options(skncEditButton, sknsNormal).TextColor = text;
    CopyOptions(skncProgressBar, skncTrackBar);
    Options(skncTrackBar, sknsNormal).TextColor = text;
}
