#pragma once

#include "platform/gui/graphics/gdi.h"

class TControl;
class TCustomImageList;

// Drawing of the skinned controls that needs no skin: colour-safe fills and lines, the frame form of
// borders, gradient bands, blending, image shadows, centring, and the platform probes the painting
// branches ask. Every routine gives back the pen, brush, font and clipping it changed.

// Saves the canvas's tools, clipping and text settings and restores them on every way out.
class TSavedCanvasState
{
public:
    explicit TSavedCanvasState(TCanvas& canvas) : canvas_(canvas), saved_(SaveDC(canvas)) {}
    ~TSavedCanvasState() { RestoreDC(canvas_, saved_); }
    TSavedCanvasState(const TSavedCanvasState&) = delete;
    TSavedCanvasState& operator=(const TSavedCanvasState&) = delete;

private:
    TCanvas& canvas_;
    int saved_;
};

// --- Fills and lines (clNone: that part is not drawn) ---
// FillRect in brushColor, or Rectangle with a pen in penColor; nothing when brushColor is clNone.
void FillRectColors(TCanvas& canvas, const TRect& r, TColor brushColor, TColor penColor);
void DrawLineColor(TCanvas& canvas, int x1, int y1, int x2, int y2, TColor color);

// The frame form of borders: an outer line in color1 (top and left) and color2 (bottom and right) with
// corners cut by roundness (0..2) pixels, and an inner ring in color3 (top and left) and color4 (bottom and
// right). The corners next to the sides in forceRectBorders (BF_LEFT, BF_TOP, BF_RIGHT, BF_BOTTOM) stay
// square.
void DrawRoundedFrame(TCanvas& canvas, const TRect& r, int roundness, TColor color1, TColor color2,
                      TColor color3, TColor color4, unsigned forceRectBorders);

// A gradient band of r from position from to position to, both included, counted from r's top (vertical)
// or left edge, across the whole of the other axis. clNone is not special here: it gives white.
void GradientFillBand(TCanvas& canvas, const TRect& r, int from, int to, TColor color1, TColor color2,
                      bool vertical);

// source's sourceRect blended onto dest's destRect with constant alpha, and with the source's own
// (premultiplied) alpha when useSourceAlpha.
void AlphaBlendRect(TCanvas& source, TCanvas& dest, const TRect& sourceRect, const TRect& destRect,
                    uint8_t alpha, bool useSourceAlpha);

// --- Geometry: a rectangle of the size centred in r, offset = (extent - size) div 2 ---
TRect CenterSizeInRect(const TRect& r, int width, int height);
TRect CenterRectHorizontally(const TRect& r, int width);
TRect CenterRectVertically(const TRect& r, int height);

// --- Images ---
// Image index at r's top-left: nothing without images or for an index outside the list; a disabled image
// is the list's grey look, or the shadow of its shape when disabledIconCorrection.
void DrawImageListImage(TCanvas& canvas, const TRect& r, TCustomImageList* images, int index, bool enabled,
                        bool disabledIconCorrection);
// Darkens the background under the shape of image index at r's top-left, lighter where the image is light.
void DrawImageShadow(TCanvas& canvas, const TRect& r, TCustomImageList& images, int index);

// --- Platform probes ---
enum TQvLunaScheme
{
    lusBlue,
    lusMetallic,
    lusGreen,
    lusUnknown
};
// The colour scheme of the platform's classic visual style: this desktop has none of them.
TQvLunaScheme GetLunaScheme();
// Whether the platform theme paints its newer parts (the theme painter here always does).
bool IsVistaOrLater();
// Whether the control paints on glass: while it is marked so and no double-buffered parent below its form
// holds its picture.
bool IsGlassPainting(const TControl& control);
// Paints into dc, which draws in control's coordinates, what its parent shows under r: button face without
// a parent, the themed parent background, or the parent's own erasing.
void DrawParentBackground(TControl& control, TCanvas& dc, const TRect& r);
