#pragma once

#include "controls/skins/skin_menu_item_info.h"
#include "support/basic_types.h"

// The pieces of a menu entry or toolbar button in the look in force (the classic one, the platform theme's
// or the current skin's): what a viewer knows of its item's state, the item's background, its separator
// line, its image, the popup's gutter and the hint background. Each routine reads the look at the time of
// the call and gives back the pen, brush, font and clipping it changed.

class TBarItemViewer;
class TBarView;
class TCanvas;
class TCustomImageList;

// What FillMenuItemInfo asks of a skinned viewer beyond what every framework viewer answers. The skinned
// item viewer implements it; other viewers count as showing no image.
class IQvSkinnedItemViewer
{
public:
    virtual ~IQvSkinnedItemViewer() = default;
    // Drawn like a toolbar button, with the skinned items' own rule for tool-box popups.
    virtual bool IsToolbarStyle() = 0;
    virtual bool GetImageShown() = 0;
    // The size of the viewer's image list, (0, 0) without one.
    virtual TSize GetImageSize() = 0;
    // A second image at the item's far end; (0, 0) when there is none.
    virtual TSize GetRightImageSize() = 0;
    // The viewer sits in a tool-box popup.
    virtual bool IsOnToolbox() = 0;
};

// A window that lines its entries' images up in one column (the skinned popup window) says how large the
// column's images are; menu margins are computed for that width.
class IQvMenuImageColumn
{
public:
    virtual ~IQvMenuImageColumn() = default;
    virtual TSize MaximumImageSize() const = 0;
};

// The image width a menu entry's margins are computed for: the column's width when the view's window has
// one, else imageWidth.
int MenuMarginsImageWidth(const TBarView& view, int imageWidth);

// The paint state of a viewer, taken now: its selection, push, check and open state, its images, where it
// sits, its skin state and that of its arrow part, and the skin type in force.
void FillMenuItemInfo(TCanvas& canvas, TBarItemViewer& viewer, TQvMenuItemInfo& itemInfo);

// The background and frame of a menu entry or toolbar button: faces of a toolbar button (both halves of a
// split one, or one face joined with its open popup), the highlight, check background and split line of a
// menu entry.
void PaintItemBackground(TCanvas& canvas, const TRect& rect, const TQvMenuItemInfo& itemInfo);
// The face of one part of a toolbar button in a state; the skinned buttons paint their faces with it too.
void PaintToolbarButtonState(TCanvas& canvas, const TRect& rect, TQvSkinStatesType state,
                             TQvComboPart comboPart);
// A separator line across rect, in a popup or on a bar.
void PaintSeparator(TCanvas& canvas, const TRect& rect, bool inPopup, bool lineIsVertical);
// One image of an item at rect's top-left: a framework list's state image, or the list's image, lifted
// above its shadow while hot under a skin with icon shadows, or pushed a pixel down and right with a sunken
// caption. Nothing for a missing list or an index outside it.
void PaintItemImage(TCanvas& canvas, const TRect& rect, const TQvMenuItemInfo& itemInfo,
                    TCustomImageList* imageList, int imageIndex);
// The image column of a popup.
void PaintMenuGutter(TCanvas& canvas, const TRect& rect);
// The background of a hint.
void PaintHintBackground(TCanvas& canvas, const TRect& rect);

// The shared marker list: an item whose images are this list shows its image index as a built-in caption
// glyph (0 close, 1 maximize, 2 minimize, 3 restore) instead of an image. It stays empty.
TCustomImageList* GlyphImageList();
