#pragma once

#include "controls/skins/skin_paint_stage.h"
#include "controls/skins/skin_types.h"
#include "support/basic_types.h"

// The backgrounds of bars and windows in the look in force (the classic one, the platform theme's or the
// current skin's): popup bodies, status bars, title bars and frames of floating windows, docks, the bodies
// of docked and floating toolbars and their drag handles. Each routine reads the look at the time of the
// call and gives back the pen, brush, font and clipping it changed.

class TBarCustomDockableWindow;
class TCanvas;

// What the background painting asks of a skinned toolbar or tool window; both implement it.
class IQvSkinnedDockableWindow
{
public:
    virtual ~IQvSkinnedDockableWindow() = default;
    // The width of the docked frame around the client area.
    virtual int DefaultToolbarBorderSize() const = 0;
    // The window's background and frame; rect in window coordinates when paintOnNCArea, else in client
    // coordinates. By default the toolbar body of the skin (PaintDockableWindowBackground), its borders only
    // with a single border style.
    virtual void DrawBackground(TCanvas& canvas, const TRect& rect, bool paintOnNCArea, bool paintBorders);
    // Fires the window's background event around its default painting.
    virtual void DoDrawBackground(TCanvas& canvas, const TRect& rect, TQvPaintStage stage,
                                  bool& paintDefault) = 0;
    // A menu bar paints its body as one.
    virtual bool IsMenuBarBody() const { return false; }
};

// The body and border of a popup window. openViewerRect is the item that opened it, in the popup's
// coordinates (empty or outside when none): a skinned popup below its button leaves its top border open
// where the two meet. With paintGutter, the image column of a menu, computed for imageWidth (16 when 0
// or less).
void PaintPopupBackground(TCanvas& canvas, const TRect& rect, const TRect& openViewerRect, bool paintGutter,
                          int imageWidth);
// A status bar's body and size grip; an empty rectangle is not painted.
void PaintStatusBarBackground(TCanvas& canvas, const TRect& barRect, const TRect& gripRect);
// The caption bar of a floating window or a custom title bar.
void PaintTitleBarBackground(TCanvas& canvas, const TRect& rect, bool isActive, bool drawBorders);
// The frame of a floating window, borderSize wide and high, and its inside when fillBackground.
void PaintSkinnedWindowFrame(TCanvas& canvas, const TRect& rect, bool isActive, TPoint borderSize,
                             bool fillBackground);
// A dock's body.
void PaintDockBackground(TCanvas& canvas, const TRect& rect, bool vertical);
// The background of a skinned toolbar or tool window (window implements IQvSkinnedDockableWindow):
// docked, the dock's background behind it first, so that the two join; then the window's background
// event around its own body. paintOnNCArea: rect is in window coordinates, else in client coordinates.
void PaintDockableWindowBackground(TBarCustomDockableWindow* window, TCanvas& canvas, const TRect& rect,
                                   bool paintOnNCArea, bool drawBorders, TQvSkinComponentsType component);
// The body and frame of a toolbar: docked, or floating, or neither (then only the skin paints nothing).
void PaintToolbarBody(TCanvas& canvas, const TRect& rect, bool docked, bool floating, bool vertical,
                      bool drawBody, bool drawBorders, TQvSkinComponentsType component);
// The grip and the docked close button of a docked window, in window coordinates; nothing when the
// window has no drag handle.
void PaintDragHandle(TBarCustomDockableWindow* window, TCanvas& canvas, const TRect& rect);
