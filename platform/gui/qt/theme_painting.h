#pragma once

// The theme painter's flat, light look (graphics/theme.cpp): its palette and the helpers its part painters
// share; for the painter's own sources.

#include "support/basic_types.h"

#include <optional>

class QPainter;

namespace ThemePainting {

// A light face, thin borders and one accent colour.
constexpr TColor Accent = 0xD77800, AccentDark = 0x995400, HotFace = 0xFBF1E5, PressedFace = 0xF7E4CC,
                 Border = 0xADADAD, DisabledBorder = 0xBFBFBF, DisabledFace = 0xF4F4F4, Glyph = 0x404040,
                 DisabledGlyph = 0xA0A0A0, White = 0xFFFFFF, Track = 0xF0F0F0, Thumb = 0xCDCDCD,
                 ThumbHot = 0xA6A6A6, ThumbPressed = 0x606060, HeaderLine = 0xE5E5E5, ProgressFill = 0x25B006,
                 CloseHot = 0x2311E8, ToolTipBorder = 0x767676;

enum class Look
{
    Normal,
    Hot,
    Pressed,
    Disabled,
    Checked,
    Default
};

// Most parts number their states normal, hot, pressed, disabled (then further states of their own).
Look LookOf(int state);
// r filled with face inside a one-pixel border.
void Box(QPainter* p, const TRect& r, TColor face, TColor border);
TRect Centred(const TRect& r, int width, int height);

// The parts of the bar and window classes (theme_bar_parts.cpp, theme_window_parts.cpp): each paints its
// part, answers whether the part leaves pixels unpainted, and gives the part's own size where it has one.
void DrawMenuPart(QPainter* p, const TRect& r, int part, int state);
bool MenuPartTransparent(int part);
std::optional<TSize> MenuPartSize(int part);

void DrawRebarPart(QPainter* p, const TRect& r, int part);

void DrawStatusPart(QPainter* p, const TRect& r, int part);
bool StatusPartTransparent(int part);

void DrawToolTipPart(QPainter* p, const TRect& r, int part, int state);

void DrawWindowPart(QPainter* p, const TRect& r, int part, int state);
bool WindowPartTransparent(int part);
std::optional<TSize> WindowPartSize(int part);

void DrawExplorerBarPart(QPainter* p, const TRect& r, int part);

} // namespace ThemePainting
