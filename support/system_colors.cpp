#include "support/system_colors.h"

#include <array>
#include <utility>

namespace {

// 0x00BBGGRR, by index; index 25 has no colour.
constexpr std::array<TColor, 31> ClassicColors = {
    0xC8C8C8, // scroll bar
    0x000000, // desktop background
    0xD1B499, // active caption
    0xDBCDBF, // inactive caption
    0xF0F0F0, // menu
    0xFFFFFF, // window
    0x646464, // window frame
    0x000000, // menu text
    0x000000, // window text
    0x000000, // caption text
    0xB4B4B4, // active border
    0xFCF7F4, // inactive border
    0xABABAB, // application work space
    0xD77800, // highlight
    0xFFFFFF, // highlight text
    0xF0F0F0, // button face
    0xA0A0A0, // button shadow
    0x6D6D6D, // grey text
    0x000000, // button text
    0x000000, // inactive caption text
    0xFFFFFF, // button highlight
    0x696969, // 3D dark shadow
    0xE3E3E3, // 3D light
    0x000000, // info text
    0xE1FFFF, // info background
    0x000000, // (none)
    0xCC6600, // hot light
    0xEAD1B9, // gradient of the active caption
    0xF2E4D7, // gradient of the inactive caption
    0xFF9933, // menu highlight
    0xF0F0F0, // menu bar
};

TSystemColorResolver& Resolver()
{
    static TSystemColorResolver resolver;
    return resolver;
}

} // namespace

TColor ClassicSystemColor(uint8_t index)
{
    return index < ClassicColors.size() ? ClassicColors[index] : clBlack;
}

void SetSystemColorResolver(TSystemColorResolver resolver)
{
    Resolver() = std::move(resolver);
}

TColor ColorToRGB(TColor color)
{
    if (!IsSystemColor(color)) {
        return color;
    }
    const uint8_t index = color & 0xFF;
    return Resolver() ? Resolver()(index) : ClassicSystemColor(index);
}
