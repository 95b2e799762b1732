#include "support/color_routines.h"

#include "support/number_conversion.h"
#include "support/system_colors.h"
#include "support/text_routines.h"

#include <algorithm>
#include <vector>

namespace {

int Channel(TColor color, int shift)
{
    return static_cast<int>((color >> shift) & 0xFF);
}

int MoveChannel(int channel, int percent, bool lighten)
{
    const int delta = channel * percent / 100;
    return std::clamp(lighten ? channel + delta : channel - delta, 0, 255);
}

bool StartsWithIgnoreCase(std::string_view text, std::string_view prefix)
{
    return PosText(prefix, text.substr(0, prefix.size()), false) == 1;
}

} // namespace

TColor RGBToColor(int red, int green, int blue)
{
    return static_cast<TColor>((red & 0xFF) | (green & 0xFF) << 8 | (blue & 0xFF) << 16);
}

TColor GrayColor(int value)
{
    return RGBToColor(value, value, value);
}

TColor LightenDarkenColor(TColor color, int percent, bool lighten)
{
    const TColor rgb = ColorToRGB(color);
    return RGBToColor(MoveChannel(Channel(rgb, 0), percent, lighten),
                      MoveChannel(Channel(rgb, 8), percent, lighten),
                      MoveChannel(Channel(rgb, 16), percent, lighten));
}

bool HasHexLetters(std::string_view text)
{
    return text.find_first_of("ABCDEFabcdef") != std::string_view::npos;
}

bool TryStrToColor(std::string_view text, TColor& color)
{
    const std::string trimmed = Trim(text);
    if (trimmed.empty()) {
        return false;
    }
    if (trimmed.starts_with('$')) {
        return TryHexToColor(trimmed, color);
    }
    if (trimmed.starts_with('#')) {
        return TryHtmlToColor(trimmed, color);
    }
    // "rgb(...)" holds a "b" and would otherwise be taken for hexadecimal.
    if (StartsWithIgnoreCase(trimmed, "rgb")) {
        return TryRgbListToColor(trimmed, color);
    }
    if (HasHexLetters(trimmed)) {
        return TryHexToColor(trimmed, color);
    }
    if (trimmed.find_first_of(", ") != std::string::npos) {
        return TryRgbListToColor(trimmed, color);
    }
    if (IsValidIntStr(trimmed, true)) {
        return TryHexToColor(trimmed, color);
    }
    return false;
}

bool TryHexToColor(std::string_view text, TColor& color)
{
    std::string hex = ReplaceFirst(RemoveAll(text, " ", false), "0x", "", true);
    if (!hex.starts_with('$')) {
        hex = "$" + hex;
    }
    int32_t value = 0;
    if (!TryStringToInt(hex, value)) {
        return false;
    }
    color = static_cast<TColor>(value);
    return true;
}

bool TryHtmlToColor(std::string_view text, TColor& color)
{
    std::string hex = RemoveAll(RemoveAll(text, " ", false), "#", false);
    if (hex.size() == 3) {
        hex = {hex[0], hex[0], hex[1], hex[1], hex[2], hex[2]};
    }
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    if (hex.size() != 6 || !TryHexToByte(hex.substr(0, 2), red) || !TryHexToByte(hex.substr(2, 2), green) ||
        !TryHexToByte(hex.substr(4, 2), blue)) {
        return false;
    }
    color = RGBToColor(red, green, blue);
    return true;
}

bool TryRgbListToColor(std::string_view text, TColor& color)
{
    std::string list = ReplaceAll(ReplaceAll(text, "   ", " ", false), "  ", " ", false);
    list = ReplaceAll(ReplaceAll(list, " ", ",", false), ",,", ",", false);
    list = RemoveAll(RemoveAll(RemoveAll(list, "rgb", true), "(", false), ")", false);
    std::vector<std::string_view> values;
    for (size_t from = 0, comma = 0; comma != std::string::npos; from = comma + 1) {
        comma = list.find(',', from);
        values.push_back(
            std::string_view(list).substr(from, comma == std::string::npos ? comma : comma - from));
    }
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    if (values.size() == 1 && TryStrToByte(values[0], red)) {
        color = GrayColor(red);
        return true;
    }
    if (values.size() != 3 || !TryStrToByte(values[0], red) || !TryStrToByte(values[1], green) ||
        !TryStrToByte(values[2], blue)) {
        return false;
    }
    color = RGBToColor(red, green, blue);
    return true;
}
