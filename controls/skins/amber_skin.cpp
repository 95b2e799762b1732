#include "controls/skins/built_in_skins.h"
#include "controls/skins/skin_table_writing.h"

void TQvAmberSkin::FillOptions()
{
    SetSkinName("Amber");
    const TEntryValues hotBody = {5, Hex(0xFFFFFF), Hex(0xF3F0ED), Hex(0xECE7E2), Hex(0xEFEBE7)};
    const TEntryValues hotBorders = {2, Hex(0x8F4B1E), Hex(0x8F4B1E), Hex(0xFF7519), Hex(0xFF7519)};
    const TEntryValues pressedBody = {0, Hex(0xE0DBD4)};
    const TEntryValues pressedBorders = {2, Hex(0x736A60), Hex(0x736A60)};
    const TEntryValues menuBody = {1, Hex(0xFEDEAC), Hex(0xF5C57B)};
    PutPeriphery(*this, {Hex(0xEFEBE7), Hex(0xF8F5F2), Hex(0xCBC1B7), Hex(0xB6A391), Hex(0xFFFFFF), hotBody,
                         hotBorders, pressedBody, pressedBorders, pressedBody, pressedBorders});

    Put(*this, skncDock, {0, Hex(0xEFEBE7)});
    Put(*this, skncToolbar, {0, Hex(0xEFEBE7)}, {0, Hex(0xFFFFFF), Hex(0xCBC1B7)});
    Put(*this, skncPopup, {0, Hex(0xF8F5F2)}, {0, Hex(0xB6A391), Hex(0xB6A391)});
    Put(*this, skncToolbarItem, {sknsHotTrack, sknsCheckedAndHotTrack}, hotBody, hotBorders);
    Put(*this, skncToolbarItem, {sknsPushed, sknsChecked}, pressedBody, pressedBorders);
    Put(*this, skncMenuBarItem, HighlightStates, menuBody);
    Put(*this, skncMenuItem, {sknsHotTrack, sknsChecked, sknsCheckedAndHotTrack}, menuBody,
        {1, Hex(0xEFBA69), Hex(0xEFBA69)});

    CopyOptions(skncToolbar, skncMenuBar);
    CopyOptions(skncToolbarItem, skncButton);
    Put(*this, skncButton, {sknsNormal, sknsDisabled}, {1, Hex(0xFFFFFF), Hex(0xE0DBD4)},
        {2, Hex(0xB6A391), Hex(0xB6A391)});
    DeriveListItem(*this, skncMenuBarItem, 20, 20);
    CopyOptions(skncCheckBox, skncRadioButton);
    CopyOptions(skncProgressBar, skncTrackBar);
}

void TQvAmberSkin::PaintBackgroundExtras(TCanvas& canvas, const TRect& rect, TQvSkinComponentsType component,
                                         TQvSkinStatesType state)
{
    if (component != skncTab || state == sknsNormal || state == sknsDisabled) {
        return;
    }
    const int l = rect.Left;
    const int t = rect.Top;
    const int r = rect.Right;
    DrawLineColor(canvas, l + 2, t, r - 2, t, Hex(0x8F4B1E));
    DrawLineColor(canvas, l + 1, t + 1, r - 1, t + 1, Hex(0xFF7519));
    DrawLineColor(canvas, l, t + 2, r, t + 2, Hex(0xFF7519));
}
