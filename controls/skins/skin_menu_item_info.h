#pragma once

#include "controls/skins/skin_options.h"
#include "controls/skins/skin_types.h"
#include "support/basic_types.h"

// What the painting of one menu entry or toolbar button needs to know of its viewer, taken once before the
// painting starts; owner-draw handlers get it too.

// The part of a combo or split item being painted.
enum TQvComboPart
{
    cpNone,
    cpCombo,
    cpSplitLeft,
    cpSplitRight
};

struct TQvMenuItemInfo
{
    bool Enabled = false;  // or the view is being customized
    bool HotTrack = false; // the view's selected viewer
    bool Pushed = false;
    bool Checked = false;
    bool HasArrow = false; // a drop-down arrow, or a split item
    bool ImageShown = false;
    bool ImageOrCheckShown = false; // an image, or a check mark outside toolbar style
    TSize ImageSize;
    TSize RightImageSize;
    bool IsDesigning = false;
    bool IsOnMenuBar = false;
    bool IsOnToolbox = false;
    bool IsOpen = false; // the viewer's popup is showing
    bool IsSplit = false;
    bool IsSunkenCaption = false; // caption and image a pixel down and right
    bool IsVertical = false;
    TQvMenuItemMarginsInfo MenuMargins;
    TQvComboPart ComboPart = cpNone;
    TRect ComboRect; // the arrow part
    TQvSkinStatesType ComboState = sknsNormal;
    bool ToolbarStyle = false;
    TQvSkinStatesType State = sknsNormal;
    TQvSkinType SkinType = sknNone;
};
