#pragma once

#include "platform/gui/graphics/graphics.h"

// Ready-made colour schemes of the PNG push button: the 37 colours of an appearance (default border, focus
// rectangle and, for each of the five states, border, font, background and four gradient colours). The 36
// predefined maps are plain RGB colours built once when the program starts.

struct TKvpPngButtonStateColors
{
    TColor BorderColor, FontColor, Color, BottomGradientColorFrom, BottomGradientColorTo,
        UpperGradientColorFrom, UpperGradientColorTo;
};

struct TKvpPngButtonColorMap
{
    TColor BorderWhenDefaultColor, FocusRectColor;
    TKvpPngButtonStateColors Normal, Hot, Down, Focused, Disabled;
};

enum TKvpPngButtonColorMapType : int
{
    cmtCustom, // no predefined map
    cmtAero,
    cmtAeroMod1,
    cmtBlack,
    cmtBlueVeryDark,
    cmtBlue,
    cmtGray,
    cmtGrayDark,
    cmtGrayVeryDark,
    cmtGray_Blue,
    cmtGray_Yellow,
    cmtGreenDark,
    cmtGreenVeryDark,
    cmtGreen,
    cmtHighContrastBlack,
    cmtHighContrastWhite,
    cmtPlatformAquaLightSlate,
    cmtPlatformAuric,
    cmtPlatformCarbon,
    cmtPlatformCharcoalDarkSlate,
    cmtPlatformCobaltXEMedia,
    cmtPlatformCoral,
    cmtPlatformEmerald,
    cmtPlatformGlossy,
    cmtPlatformGoldenGraphite,
    cmtPlatformIcebergClassico,
    cmtPlatformJet,
    cmtPlatformLight,
    cmtPlatformLuna,
    cmtPlatformMetropolisUIBlack,
    cmtPlatformMetropolisUIDark,
    cmtPlatformMetropolisUIBlue,
    cmtPlatformMetropolisUIGreen,
    cmtPlatformRubyGraphite,
    cmtPlatformSilver,
    cmtPlatformSlateClassico,
    cmtPlatformTurquoiseGray
};

// Declared beside the maps; no operation takes it.
enum TKvpPngButtonIniColorFormat
{
    icfDefault,
    icfKVColors
};

// Copies the predefined map of a type from cmtAero on into map; cmtCustom leaves map as it is.
void FillPredefinedColorMap(TKvpPngButtonColorMapType type, TKvpPngButtonColorMap& map);
