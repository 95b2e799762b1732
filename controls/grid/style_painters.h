#pragma once

#include "platform/gui/core/set_of.h"
#include "platform/gui/graphics/canvas.h"

// How the 6-series controls may paint (their style options), the states a painted part can be in, and the
// painters of a drop-down button and a track bar in the first look the options allow: the class library's
// style, the native visual style, or the classic look.

enum TGxButtonStateFlag
{
    bsHover,
    bsChecked,
    bsFocused,
    bsPressed,
    bsSelected,
    bsDisabled
};
using TGxButtonState = TSet<TGxButtonStateFlag>;

enum TGxStyleOption
{
    soNativeStyles,
    soPlatformStyles
};
using TGxStyleOptions = TSet<TGxStyleOption>;

// True while the native visual styles are in force (the layer's theme switch).
bool IsNativeThemeActive();
// True when the class library's active style is enabled and available: never in this program.
bool IsPlatformStyleActive();
// True when the options allow a style that is active now.
bool IsStyleAvailable(TGxStyleOptions options);

class TGxDropButtonStyledView6
{
public:
    static void Paint(TCanvas& canvas, const TRect& dest, TGxButtonState state, TGxStyleOptions options);
};

class TGxTrackBarStyle6
{
public:
    // A five-cornered thumb pointing down.
    static void PaintThumb(TCanvas& canvas, const TRect& dest, TGxButtonState state, TGxStyleOptions options);
    static void PaintTrack(TCanvas& canvas, const TRect& trackRect, TGxStyleOptions options);
};
