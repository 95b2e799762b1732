#pragma once

#include "platform/gui/graphics/graphics.h"

#include <optional>

// The memo's appearance presets, and the style and colour-tone interfaces that the component suite's
// controls share: a control that implements them takes its colours from whoever sets the suite's looks.
//
// The presets are named after the colour family of their gutter and a number; msIdeClassic, msCustom (leave
// the colours as they are) and msTerminal keep their names.

enum TVezMemoStyle
{
    msBlue1,
    msOlive1,
    msSilver1,
    msGray1,
    msBlue2,
    msGray2,
    msFace1,
    msIdeClassic,
    msCustom,
    msSilver2,
    msBlue3,
    msBlue4,
    msTerminal,
    msBlue5,
    msSilver3,
    msGray3,
    msWhite1,
    msWhite2,
    msGray4,
    msGray5,
    msWhite3,
    msWhite4,
    msGray6,
    msBlack1
};

// The suite's styles: the memo's presets in the same order, except that the first silver and the first
// olive preset swap places.
enum TKRNStyle
{
    ksBlue1,
    ksSilver1,
    ksOlive1,
    ksGray1,
    ksBlue2,
    ksGray2,
    ksFace1,
    ksIdeClassic,
    ksCustom,
    ksSilver2,
    ksBlue3,
    ksBlue4,
    ksTerminal,
    ksBlue5,
    ksSilver3,
    ksGray3,
    ksWhite1,
    ksWhite2,
    ksGray4,
    ksGray5,
    ksWhite3,
    ksWhite4,
    ksGray6,
    ksBlack1
};

struct TColorTone
{
    TColor BrushColor = clNone;
    TColor BorderColor = clNone;
    TColor TextColor = clNone;
};

// The colours of a control's states.
struct TColorTones
{
    TColorTone Background;
    TColorTone Foreground;
    TColorTone Selected;
    TColorTone Hover;
    TColorTone Disabled;
};

// Implemented by the controls; the caller never owns (or frees) the control through it.
class IKRNStyle
{
public:
    virtual void SetComponentStyle(TKRNStyle style) = 0;

protected:
    ~IKRNStyle() = default;
};

class IKRNTones
{
public:
    virtual void SetColorTones(const TColorTones& tones) = 0;

protected:
    ~IKRNTones() = default;
};

// The colours a preset gives: the gutter's background from left to right, the memo's border and, for a few
// presets, the line numbers (black otherwise).
struct TMemoPresetColors
{
    TColor GutterColor;
    TColor GutterColorTo;
    TColor BorderColor;
    TColor LineNumberColor = clBlack;
};

// None for msCustom, which keeps the colours it finds.
std::optional<TMemoPresetColors> PresetColors(TVezMemoStyle style);
TVezMemoStyle MemoStyleOf(TKRNStyle style);

// The desktop's colour scheme as the gutter follows it: 0 plain, 1 blue, 2 olive, 3 silver. The desktops
// here have no schemes of that kind, so it is always 0.
int CurrentThemeScheme();

struct TGutterThemeColors
{
    TColor GutterColor;
    TColor GutterColorTo;
};
// The gutter's colours for a scheme (0 for an unknown one).
TGutterThemeColors ThemeGutterColors(int scheme);
