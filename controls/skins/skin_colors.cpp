#include "controls/skins/skin_colors.h"

#include "platform/gui/graphics/color_names.h"
#include "platform/gui/graphics/colors.h"

#include <algorithm>
#include <cstdio>

std::string ColorToHtml(TColor color)
{
    int red = 0, green = 0, blue = 0;
    ColorToRGBParts(color, red, green, blue);
    char text[8];
    std::snprintf(text, sizeof text, "#%.2x%.2x%.2x", red, green, blue);
    return text;
}

std::string ColorToText(TColor color, TQvColorTextKind kind)
{
    if (kind == ctkHtml)
        return ColorToHtml(color);
    std::string name = ColorToString(color);
    if (kind == ctkNameOrHtml && name.starts_with('$'))
        return ColorToHtml(color);
    return name;
}

void ColorToRGBParts(TColor color, int& red, int& green, int& blue)
{
    const TColor rgb = ColorToRGB(color);
    red = GetRValue(rgb);
    green = GetGValue(rgb);
    blue = GetBValue(rgb);
}

TColor MakeClampedRGB(int red, int green, int blue)
{
    const auto part = [](int value) { return static_cast<TColor>(std::clamp(value, 0, 255)); };
    return part(red) | part(green) << 8 | part(blue) << 16;
}

TColor LightenColor(TColor color, int amount)
{
    int red = 0, green = 0, blue = 0;
    ColorToRGBParts(color, red, green, blue);
    return MakeClampedRGB(red + amount, green + amount, blue + amount);
}

namespace SkinColors {

TColor MixColors(TColor color1, TColor color2, int level)
{
    const int64_t scale = level < 100 ? 100 : 1000;
    int parts1[3], parts2[3];
    ColorToRGBParts(color1, parts1[0], parts1[1], parts1[2]);
    ColorToRGBParts(color2, parts2[0], parts2[1], parts2[2]);
    int mixed[3];
    for (int i = 0; i < 3; ++i) {
        const int64_t sum = level * int64_t{parts1[i]} + (scale - level) * parts2[i] + scale / 2;
        // Far out-of-range levels must still land inside what the clamp can hold.
        mixed[i] = static_cast<int>(std::clamp<int64_t>(sum / scale, -1, 256));
    }
    return MakeClampedRGB(mixed[0], mixed[1], mixed[2]);
}

} // namespace SkinColors
