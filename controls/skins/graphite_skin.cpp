#include "controls/skins/built_in_skins.h"
#include "controls/skins/skin_table_writing.h"

void TQvGraphiteSkin::FillOptions()
{
    SetSkinName("Graphite");
    const TColor white = Hex(0xFFFFFF);
    const TEntryValues hotBody = {1, Hex(0xFFFFFF), Hex(0xA8A8A8)};
    const TEntryValues hotBorders = {2, Hex(0x848484), Hex(0x848484)};
    const TEntryValues darkBody = {1, Hex(0x343434), Hex(0x696969)};
    const TEntryValues darkBorders = {2, Hex(0x272727), Hex(0x272727)};
    const TEntryValues menuHot = {0, Hex(0x3974D8)};
    const TEntryValues menuChecked = {5, Hex(0xD5E7FF), Hex(0xA2D0FF), Hex(0x82BAF5), Hex(0xDAFCFD)};
    const TEntryValues menuCheckedBorders = {2, Hex(0x799DDB), Hex(0x799DDB)};
    PutPeriphery(*this, {Hex(0xE8E8E8), Hex(0xFFFFFF), Hex(0x979799), Hex(0x848484), Hex(0xFFFFFF), hotBody,
                         hotBorders, darkBody, darkBorders, darkBody, darkBorders});
    Put(*this, skncButton, {sknsPushed, sknsChecked, sknsCheckedAndHotTrack}, darkBody, darkBorders, white);

    Put(*this, skncDock, {1, Hex(0xCFCFCF), Hex(0x979799)});
    Put(*this, skncPopup, {0, Hex(0xFFFFFF)}, {0, Hex(0xC0C0C0), Hex(0xC0C0C0)});
    Put(*this, skncToolbarItem, {sknsDisabled}, {}, {}, Hex(0x6D7389));
    Put(*this, skncToolbarItem, {sknsHotTrack}, hotBody, hotBorders);
    Put(*this, skncToolbarItem, {sknsPushed, sknsChecked}, darkBody, darkBorders, white);
    Put(*this, skncToolbarItem, {sknsCheckedAndHotTrack}, darkBody,
        {2, Hex(0x272727), Hex(0x272727), Hex(0x343434), Hex(0x343434)}, white);
    Put(*this, skncMenuBarItem, HighlightStates, menuHot, {}, white);
    Put(*this, skncMenuItem, {sknsHotTrack}, menuHot, {}, white);
    Put(*this, skncMenuItem, {sknsChecked}, menuChecked, menuCheckedBorders);
    Put(*this, skncMenuItem, {sknsCheckedAndHotTrack}, menuChecked, menuCheckedBorders, white);

    DeriveListItem(*this, skncButton, 30, 20);
    CopyOptions(skncButton, skncCheckBox);
    CopyOptions(skncCheckBox, skncRadioButton);
    CopyOptions(skncProgressBar, skncTrackBar);
}

void TQvGraphiteSkin::PaintBackgroundExtras(TCanvas& canvas, const TRect& rect,
                                            TQvSkinComponentsType component, TQvSkinStatesType /*state*/)
{
    if (component != skncTabBackground) {
        return;
    }
    DrawLineColor(canvas, rect.Left, rect.Top, rect.Right, rect.Top, Hex(0x799DDB));
    DrawLineColor(canvas, rect.Left, rect.Top + 1, rect.Right, rect.Top + 1, Hex(0xAFEEFA));
}
