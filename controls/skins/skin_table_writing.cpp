#include "controls/skins/skin_table_writing.h"

namespace {

void Write(TQvSkinOptionEntry& entry, const TEntryValues& values)
{
    entry.Fill(values.Style, values.Color1, values.Color2, values.Color3, values.Color4);
}

} // namespace

void Put(TQvSkinOptions& skin, TQvSkinComponentsType component,
         std::initializer_list<TQvSkinStatesType> states, const TEntryValues& body,
         const TEntryValues& borders, TColor textColor)
{
    for (const TQvSkinStatesType state : states) {
        TQvSkinOptionCategory& category = skin.Options(component, state);
        Write(category.Body, body);
        Write(category.Borders, borders);
        category.TextColor = textColor;
    }
}

void PutBody(TQvSkinOptions& skin, TQvSkinComponentsType component, TQvSkinStatesType state,
             const TEntryValues& body)
{
    Write(skin.Options(component, state).Body, body);
}

void PutBorders(TQvSkinOptions& skin, TQvSkinComponentsType component, TQvSkinStatesType state,
                const TEntryValues& borders)
{
    Write(skin.Options(component, state).Borders, borders);
}

void CopyCategory(TQvSkinOptions& skin, TQvSkinComponentsType from, TQvSkinStatesType fromState,
                  TQvSkinComponentsType to, TQvSkinStatesType toState)
{
    skin.Options(to, toState).Assign(&skin.Options(from, fromState));
}

void DeriveListItem(TQvSkinOptions& skin, TQvSkinComponentsType from, int lighter, int darker)
{
    for (const TQvSkinStatesType state : {sknsChecked, sknsHotTrack, sknsCheckedAndHotTrack}) {
        CopyCategory(skin, from, sknsHotTrack, skncListItem, state);
    }
    TQvSkinOptionCategory& hot = skin.Options(skncListItem, sknsHotTrack);
    hot.Body.Lighten(lighter);
    hot.Borders.Lighten(lighter);
    TQvSkinOptionCategory& checkedHot = skin.Options(skncListItem, sknsCheckedAndHotTrack);
    checkedHot.Body.Lighten(-darker);
    checkedHot.Borders.Lighten(-darker);
}

void PutPeriphery(TQvSkinOptions& skin, const TPeripheryColors& c)
{
    const TEntryValues frame = {0, c.Edge, c.Edge};
    const TEntryValues grip = {0, c.Grip, c.GripLight};
    for (const TQvSkinComponentsType bar : {skncStatusBar, skncSplitter, skncGutter}) {
        Put(skin, bar, {0, c.Face});
    }
    for (const TQvSkinComponentsType dots : {skncSeparator, skncToolbarGrip, skncStatusBarGrip}) {
        Put(skin, dots, grip);
    }
    for (const TQvSkinComponentsType framed :
         {skncPanel, skncDockablePanelTitleBar, skncWindow, skncTabBackground}) {
        Put(skin, framed, {0, c.Face}, frame);
    }
    Put(skin, skncOpenToolbarItem, {0, c.Light}, frame);
    Put(skin, skncDockablePanel, {0, c.Light}, frame);
    Put(skin, skncWindowTitleBar, {0, c.Grip});
    Put(skin, skncEditFrame, {sknsNormal, sknsDisabled}, {}, frame);
    Put(skin, skncEditFrame, {sknsHotTrack}, {}, c.HotBorders);
    Put(skin, skncHeader, {sknsNormal, sknsDisabled}, {0, c.Light}, frame);
    Put(skin, skncHeader, {sknsHotTrack}, c.HotBody, c.HotBorders);
    Put(skin, skncHeader, {sknsPushed}, c.PushedBody, c.PushedBorders);
    for (const TQvSkinComponentsType boxed : {skncButton, skncCheckBox}) {
        Put(skin, boxed, {sknsNormal, sknsDisabled},
            boxed == skncButton ? TEntryValues{0, c.Light} : TEntryValues{}, {2, c.Edge, c.Edge});
        Put(skin, boxed, {sknsHotTrack}, c.HotBody, c.HotBorders);
        Put(skin, boxed, {sknsPushed, sknsCheckedAndHotTrack}, c.PushedBody, c.PushedBorders);
        Put(skin, boxed, {sknsChecked}, c.CheckedBody, c.CheckedBorders);
    }
    Put(skin, skncTab, {sknsNormal, sknsDisabled}, {0, c.Face}, frame);
    Put(skin, skncTab, {sknsHotTrack, sknsCheckedAndHotTrack}, c.HotBody, c.HotBorders);
    Put(skin, skncTab, {sknsPushed, sknsChecked}, {0, c.Light}, frame);
    Put(skin, skncProgressBar, {sknsNormal}, {0, c.Light}, frame);
    Put(skin, skncProgressBar, {sknsHotTrack}, c.HotBody, c.HotBorders);
    Put(skin, skncTrackBarButton, {sknsNormal}, c.CheckedBody, c.CheckedBorders);
    Put(skin, skncTrackBarButton, {sknsPushed}, c.PushedBody, c.PushedBorders);
}
