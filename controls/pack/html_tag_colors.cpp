#include "controls/pack/html_tag_colors.h"

#include "platform/gui/graphics/color_names.h"
#include "support/errors.h"
#include "support/number_conversion.h"
#include "support/utf8.h"

#include <cctype>
#include <optional>
#include <vector>

namespace {

TColor FromRgb(uint8_t red, uint8_t green, uint8_t blue)
{
    return red + green * 256u + blue * 65536u;
}

// "#" and blanks left out, three digits doubled, then six digits as red, green and blue pairs.
std::optional<TColor> HashColor(const std::string& text)
{
    std::string digits;
    for (char c : text)
        if (c != '#' && c != ' ')
            digits += c;
    if (digits.size() == 3)
        digits = {digits[0], digits[0], digits[1], digits[1], digits[2], digits[2]};
    if (digits.size() != 6)
        return std::nullopt;
    uint8_t channels[3];
    for (int i = 0; i < 3; ++i) {
        const std::string pair = digits.substr(2 * i, 2);
        if (!std::isxdigit(static_cast<unsigned char>(pair[0])) ||
            !std::isxdigit(static_cast<unsigned char>(pair[1])) || !TryHexToByte(pair, channels[i]))
            return std::nullopt;
    }
    return FromRgb(channels[0], channels[1], channels[2]);
}

std::string WithoutEvery(std::string text, const std::string& part, bool ignoreCase)
{
    const std::string folded = ignoreCase ? AsciiLowerCase(text) : text;
    std::string kept;
    for (size_t i = 0; i < text.size();) {
        if (folded.compare(i, part.size(), part) == 0) {
            i += part.size();
            continue;
        }
        kept += text[i++];
    }
    return kept;
}

// Blanks as commas, "rgb" and the brackets left out: three numbers 0..255 apart by the first two commas,
// or one number, a grey.
std::optional<TColor> RgbColor(std::string text)
{
    for (char& c : text)
        if (c == ' ')
            c = ',';
    text = WithoutEvery(WithoutEvery(WithoutEvery(text, "rgb", true), "(", false), ")", false);
    uint8_t red, green, blue;
    const size_t first = text.find(',');
    if (first == std::string::npos) {
        if (!TryStrToByte(text, red))
            return std::nullopt;
        return FromRgb(red, red, red);
    }
    const size_t second = text.find(',', first + 1);
    if (second == std::string::npos || !TryStrToByte(text.substr(0, first), red) ||
        !TryStrToByte(text.substr(first + 1, second - first - 1), green) ||
        !TryStrToByte(text.substr(second + 1), blue))
        return std::nullopt;
    return FromRgb(red, green, blue);
}

// A colour name or a number in the platform's form; "$" numbers take two zeros in front.
TColor NamedColor(std::string text)
{
    if (!text.empty() && text[0] == '$')
        text.insert(1, "00");
    try {
        return StringToColor(text);
    } catch (const EConvertError&) {
        return clNone;
    }
}

} // namespace

TColor ParseTagColor(const std::string& text)
{
    if (!text.empty() && text[0] == '#')
        if (const std::optional<TColor> color = HashColor(text))
            return *color;
    if (AsciiLowerCase(text.substr(0, 3)) == "rgb" || text.find_first_of(", ") != std::string::npos)
        if (const std::optional<TColor> color = RgbColor(text))
            return *color;
    return NamedColor(text);
}
