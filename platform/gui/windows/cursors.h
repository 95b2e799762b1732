#pragma once

#include <cstdint>
#include <string>

class TBitmap;

// Mouse cursors: the standard shapes have negative numbers, crDefault lets the window decide, and the
// program registers cursors of its own under positive numbers in the screen's cursor table.
using TCursor = int16_t;

constexpr TCursor crDefault = 0;
constexpr TCursor crNone = -1;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crUpArrow = -10;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crDrag = -12;
constexpr TCursor crNoDrop = -13;
constexpr TCursor crHSplit = -14;
constexpr TCursor crVSplit = -15;
constexpr TCursor crMultiDrag = -16;
constexpr TCursor crSQLWait = -17;
constexpr TCursor crNo = -18;
constexpr TCursor crAppStart = -19;
constexpr TCursor crHelp = -20;
constexpr TCursor crHandPoint = -21;
constexpr TCursor crSizeAll = -22;
constexpr TCursor crSize = crSizeAll;

struct TCursorShape;
// A cursor shape; nullptr is "no cursor" (the pointer is hidden). Shapes live as long as the program.
using HCURSOR = TCursorShape*;

// The shape of a standard cursor number, or of a registered one; an unknown number gives the arrow.
HCURSOR CursorShape(TCursor cursor);
// Puts a shape into the cursor table under a number of the program's own (or replaces a standard one).
void RegisterCursorShape(TCursor cursor, HCURSOR shape);
// A cursor made from an image: white and black pixels as they are, pixels in transparentColor (0x00BBGGRR)
// see-through; hotX/hotY is the point that clicks.
HCURSOR CreateImageCursor(const TBitmap& image, uint32_t transparentColor, int hotX, int hotY);
// The program's cursor resource of that name (a cursor file: the picture and its hot spot); a missing one
// raises EResNotFound, one that is not a cursor EInvalidGraphic.
HCURSOR LoadCursor(const std::string& name);
// The standard shape a cursor shape was made from; crNone for image cursors.
TCursor CursorStandardKind(HCURSOR cursor);

// The cursor over a window (while the pointer is there) until the next mouse message asks again.
HCURSOR SetCursor(HCURSOR cursor);
HCURSOR GetCursor();

// The program-wide cursor (the screen's Cursor) that wins over every window's own; crDefault for none.
TCursor ScreenCursorOverride();
void SetScreenCursorOverride(TCursor cursor);
