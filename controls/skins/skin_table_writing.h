#pragma once

#include "controls/skins/skin_options.h"

#include <cstdint>
#include <initializer_list>

// Helpers the built-in skins write their option tables with.

// A colour written as #RRGGBB, stored as 0x00BBGGRR.
constexpr TColor Hex(uint32_t rrggbb)
{
    return ((rrggbb & 0xFF) << 16) | (rrggbb & 0xFF00) | ((rrggbb >> 16) & 0xFF);
}

// An option entry as the tables give it: a style and up to four colours. The empty entry is {}.
struct TEntryValues
{
    int Style = 0;
    TColor Color1 = clNone;
    TColor Color2 = clNone;
    TColor Color3 = clNone;
    TColor Color4 = clNone;
};

// Writes a category's body, borders and text colour in every state listed.
void Put(TQvSkinOptions& skin, TQvSkinComponentsType component,
         std::initializer_list<TQvSkinStatesType> states, const TEntryValues& body,
         const TEntryValues& borders = {}, TColor textColor = clNone);
inline void Put(TQvSkinOptions& skin, TQvSkinComponentsType component, const TEntryValues& body,
                const TEntryValues& borders = {}, TColor textColor = clNone)
{
    Put(skin, component, {sknsNormal}, body, borders, textColor);
}
void PutBody(TQvSkinOptions& skin, TQvSkinComponentsType component, TQvSkinStatesType state,
             const TEntryValues& body);
void PutBorders(TQvSkinOptions& skin, TQvSkinComponentsType component, TQvSkinStatesType state,
                const TEntryValues& borders);

// One category assigned from another.
void CopyCategory(TQvSkinOptions& skin, TQvSkinComponentsType from, TQvSkinStatesType fromState,
                  TQvSkinComponentsType to, TQvSkinStatesType toState);

// The list item's Checked, HotTrack and CheckedAndHotTrack categories from one hot category, HotTrack then
// lightened by lighter and CheckedAndHotTrack darkened by darker (body and borders).
void DeriveListItem(TQvSkinOptions& skin, TQvSkinComponentsType from, int lighter, int darker);

// The highlight states of an item: hot, pushed, checked, checked and hot.
constexpr std::initializer_list<TQvSkinStatesType> HighlightStates = {sknsHotTrack, sknsPushed, sknsChecked,
                                                                      sknsCheckedAndHotTrack};

// The colours a skin's table gives the parts of a window that a main window rarely shows.
struct TPeripheryColors
{
    TColor Face = clNone;  // bars, panels, tab backgrounds
    TColor Light = clNone; // popup-like bodies, headers, buttons at rest
    TColor Edge = clNone;  // outer frames
    TColor Grip = clNone;  // separators and grips, dark and light
    TColor GripLight = clNone;
    TEntryValues HotBody, HotBorders;
    TEntryValues PushedBody, PushedBorders;
    TEntryValues CheckedBody, CheckedBorders;
};

// Writes every component that neither the telling rows nor the derivations of a skin fix: status bar,
// splitter, separators and grips, gutter, open toolbar item, panels, windows, tab background, edit frame,
// header, button, check box, tab, progress bar and track-bar button. A skin writes this first, then its own
// rows and derivations over it.
void PutPeriphery(TQvSkinOptions& skin, const TPeripheryColors& colors);
