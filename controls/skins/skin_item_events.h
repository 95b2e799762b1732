#pragma once

#include "controls/skins/skin_menu_item_info.h"
#include "controls/skins/skin_paint_stage.h"
#include "controls/skins/skin_types.h"
#include "support/basic_types.h"

#include <cstdint>
#include <functional>
#include <string>

// How skinned items are fitted and what their owner-draw and popup events carry. The sender of each event
// is the item (or root item) that fires it; a reference parameter may be changed by the handler.

class TBarView;
class TBitmap;
class TCanvas;
class TCustomImageList;
class TObject;

// How a caption is fitted into its room.
enum TTextWrapping
{
    twNone,
    twEndEllipsis,
    twPathEllipsis,
    twWrap
};

using TQvDrawItemEvent =
    std::function<void(TObject* sender, TCanvas& canvas, const TRect& rect, const TQvMenuItemInfo& itemInfo,
                       TQvPaintStage stage, bool& paintDefault)>;
using TQvDrawTextEvent =
    std::function<void(TObject* sender, TCanvas& canvas, const TRect& clientAreaRect, TQvSkinStatesType state,
                       std::string& caption, TRect& captionRect, uint32_t& captionFormat, bool isTextRotated,
                       TQvPaintStage stage, bool& paintDefault)>;
using TQvDrawImageEvent =
    std::function<void(TObject* sender, TCanvas& canvas, TQvSkinStatesType state, TQvPaintStage stage,
                       TCustomImageList*& imageList, int& imageIndex, TRect& rect, bool& paintDefault)>;
using TQvDrawHintEvent =
    std::function<void(TObject* sender, TBitmap* hintBitmap, std::string& hint, bool& paintDefault)>;
// popupView: the view of the popup window that opened.
using TQvPopupEvent = std::function<void(TObject* sender, TBarView* popupView)>;
