#include "controls/skins/skin_option_entry.h"

#include "platform/gui/graphics/color_names.h"
#include "support/errors.h"
#include "support/system_colors.h"
#include "support/text_routines.h"

#include <algorithm>
#include <charconv>
#include <vector>

namespace {

// The items of a comma-separated list, trimmed; an item in double quotes may hold commas, and two double
// quotes inside it stand for one.
std::vector<std::string> SplitItems(std::string_view text)
{
    std::vector<std::string> items;
    size_t pos = 0;
    while (pos <= text.size()) {
        const size_t start = text.find_first_not_of(" \t", pos);
        std::string item;
        size_t end = start == std::string_view::npos ? text.size() : start;
        if (end < text.size() && text[end] == '"') {
            for (++end; end < text.size(); ++end) {
                if (text[end] == '"') {
                    if (end + 1 < text.size() && text[end + 1] == '"') {
                        item += '"';
                        ++end;
                        continue;
                    }
                    ++end;
                    break;
                }
                item += text[end];
            }
            end = std::min(text.find(',', end), text.size());
        } else {
            const size_t comma = std::min(text.find(',', end), text.size());
            item = Trim(text.substr(end, comma - end));
            end = comma;
        }
        items.push_back(std::move(item));
        pos = end + 1;
    }
    return items;
}

int StyleOf(std::string_view text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() ? value : 0;
}

int Channel(int value)
{
    return std::clamp(value, 0, 255);
}

TColor Lightened(TColor color, int amount)
{
    if (color == clNone) {
        return color;
    }
    const TColor rgb = ColorToRGB(color);
    const int red = static_cast<int>(rgb & 0xFF) + amount;
    const int green = static_cast<int>((rgb >> 8) & 0xFF) + amount;
    const int blue = static_cast<int>((rgb >> 16) & 0xFF) + amount;
    return static_cast<TColor>(Channel(red) | Channel(green) << 8 | Channel(blue) << 16);
}

} // namespace

void TQvSkinOptionEntry::Reset()
{
    Fill(0, clNone);
}

void TQvSkinOptionEntry::Fill(int skinType, TColor color1, TColor color2, TColor color3, TColor color4)
{
    SkinType = skinType;
    Color1 = color1;
    Color2 = color2;
    Color3 = color3;
    Color4 = color4;
}

bool TQvSkinOptionEntry::IsEmpty() const
{
    return Color1 == clNone && Color2 == clNone && Color3 == clNone && Color4 == clNone;
}

bool TQvSkinOptionEntry::IsEqual(const TQvSkinOptionEntry& entry) const
{
    return SkinType == entry.SkinType && Color1 == entry.Color1 && Color2 == entry.Color2 &&
           Color3 == entry.Color3 && Color4 == entry.Color4;
}

void TQvSkinOptionEntry::Lighten(int amount)
{
    for (TColor* color : {&Color1, &Color2, &Color3, &Color4}) {
        *color = Lightened(*color, amount);
    }
}

std::string TQvSkinOptionEntry::WriteToString() const
{
    return std::to_string(SkinType) + ", " + ColorToString(Color1) + ", " + ColorToString(Color2) + ", " +
           ColorToString(Color3) + ", " + ColorToString(Color4);
}

void TQvSkinOptionEntry::ReadFromString(std::string_view text)
{
    Reset();
    const std::vector<std::string> items = SplitItems(text);
    if (items.empty()) {
        return;
    }
    SkinType = StyleOf(items[0]);
    TColor* colors[] = {&Color1, &Color2, &Color3, &Color4};
    for (size_t i = 1; i < items.size() && i <= 4; ++i) {
        try {
            *colors[i - 1] = StringToColor(items[i]);
        } catch (const EConvertError&) {
            return;
        }
    }
}

void TQvSkinOptionEntry::Assign(const TPersistent* source)
{
    if (const auto* entry = dynamic_cast<const TQvSkinOptionEntry*>(source)) {
        Fill(entry->SkinType, entry->Color1, entry->Color2, entry->Color3, entry->Color4);
        return;
    }
    TPersistent::Assign(source);
}
