#pragma once

#include "platform/gui/graphics/canvas.h"

#include <optional>
#include <string>

// The picture of the multi-level progress bar, drawn from a record of everything it shows.

enum TGaugeOrientation : uint8_t
{
    goHorizontal,
    goVertical
};

struct TGaugeSettings
{
    TColor Level0Color = clLime;
    TColor Level0ColorTo = 0xE1FFE1;
    TColor Level1Color = clYellow;
    TColor Level1ColorTo = 0xCAFFFF;
    TColor Level2Color = 0x53A9FF;
    TColor Level2ColorTo = 0xA8D3FF;
    TColor Level3Color = clRed;
    TColor Level3ColorTo = 0xCACAFF;
    int32_t Level1Perc = 70;
    int32_t Level2Perc = 90;
    TColor BorderColor = clGray;
    TColor Level0BkColor = clNone;
    TColor Level1BkColor = clNone;
    TColor Level2BkColor = clNone;
    bool ShowBorder = true;
    bool Stacked = false;
    bool ShowPercentage = true;
    bool ShowPosition = true;
    const TFont* Font = nullptr; // the text's font; the canvas's own when nullptr
    bool CompletionSmooth = false;
    bool ShowGradient = true;
    int32_t Steps = 8;
    int32_t Position = 0; // the percentage
    int32_t Value = 0;    // the position itself
    int32_t Max = 100;
    TColor BackgroundColor = clWhite;
    TGaugeOrientation Orientation = goHorizontal;
    bool Rounded = true;
    std::string Format;
    bool Infinite = false;
    int32_t InfinitePos = 0; // percent of the bar's length
};

// Draws the bar into rect: background and outline, the level zones, the fill (stacked segments or one level
// colour, continuous or in blocks), the infinite window and the centred text. Fills stay inside the bar
// whatever the percentage; the text shows it as it is.
void DrawGauge(TCanvas& canvas, const TRect& rect, const TGaugeSettings& settings);

// Format applied to the two integers (the position and the maximum) as the class library's Format does:
// "%d", "%u" and "%x" with an optional "n:" argument index, "-", width and ".precision", and "%%".
// nullopt when the format asks for anything the two integers cannot give.
std::optional<std::string> FormatTwoIntegers(const std::string& format, int32_t first, int32_t second);
