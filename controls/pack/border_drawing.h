#pragma once

#include "platform/gui/graphics/canvas.h"

// Border sides of the panels and the frames with one colour per side of decorations and buttons. A side is
// as many one-pixel lines as the pen is wide, drawn inward from the edge of rect; with border3D each
// further line is two pixels shorter, which mitres the corners.

void DrawTopBorder(TCanvas& canvas, TRect rect, const TPen& pen, bool border3D);
void DrawRightBorder(TCanvas& canvas, TRect rect, const TPen& pen, bool border3D);
void DrawBottomBorder(TCanvas& canvas, TRect rect, const TPen& pen, bool border3D);
void DrawLeftBorder(TCanvas& canvas, TRect rect, const TPen& pen, bool border3D);

// A frame width pixels thick inside rect, each side in its own colour (clNone leaves a side undrawn), with
// the canvas's pen style. rect becomes the area inside the frame.
void DrawRectEdges(TCanvas& canvas, TRect& rect, TColor left, TColor right, TColor top, TColor bottom,
                   int width);
void DrawRectFrame(TCanvas& canvas, TRect& rect, TColor color, int width);
