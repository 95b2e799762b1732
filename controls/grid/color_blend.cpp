#include "controls/grid/color_blend.h"

#include "support/system_colors.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

int Channel(TColor color, int shift)
{
    return static_cast<int>((color >> shift) & 0xFF);
}

template <typename Mix> TColor MixChannels(TColor color1, TColor color2, Mix mix)
{
    const TColor a = ColorToRGB(color1);
    const TColor b = ColorToRGB(color2);
    TColor result = 0;
    for (const int shift : {0, 8, 16})
        result |= static_cast<TColor>(std::clamp(mix(Channel(a, shift), Channel(b, shift)), 0, 255)) << shift;
    return result;
}

} // namespace

TColor BlendColor(TColor color1, TColor color2, int amount)
{
    if (amount < 0 || amount > 255)
        throw EAssertionFailed("colour blend amount " + std::to_string(amount) + " outside 0..255");
    return MixChannels(color1, color2,
                       [amount](int c1, int c2) { return (c1 * amount + c2 * (255 - amount)) >> 8; });
}

TColor BlendColor(TColor color1, TColor color2, double ratio)
{
    return MixChannels(color1, color2, [ratio](int c1, int c2) {
        return static_cast<int>(std::nearbyint(ratio * c2 + (1 - ratio) * c1));
    });
}

TColor MixColors(TColor c1, TColor c2, int weight1)
{
    return BlendColor(c1, c2, weight1);
}
