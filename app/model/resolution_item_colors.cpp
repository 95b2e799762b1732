#include "app/model/resolution_item_colors.h"

#include "support/color_routines.h"

namespace {

bool ResolutionTextHolds(std::string_view text, std::string_view part)
{
    return text.find(part) != std::string_view::npos;
}

} // namespace

TResolutionItemColors ResolutionItemColors(std::string_view text, int index)
{
    TResolutionItemColors colors{RGBToColor(248, 248, 248), clBlack};
    const bool percentage = ResolutionTextHolds(text, "%");
    if (percentage)
        colors.Background = RGBToColor(251, 244, 198);
    if (index == 1)
        colors = {RGBToColor(91, 91, 91), RGBToColor(220, 220, 220)};
    if (!percentage && (ResolutionTextHolds(text, "16:9") || ResolutionTextHolds(text, "16/9")))
        colors = {RGBToColor(67, 126, 90), RGBToColor(240, 240, 240)};
    else if (!percentage && (ResolutionTextHolds(text, "4:3") || ResolutionTextHolds(text, "4/3")) &&
             !ResolutionTextHolds(text, "64"))
        colors = {RGBToColor(232, 193, 193), RGBToColor(20, 20, 20)};
    return colors;
}
