#include "controls/edits/markup_colors.h"

#include "controls/edits/markup_chars.h"
#include "support/system_colors.h"

#include <array>

namespace {

struct TNamedColor
{
    std::u32string_view name;
    TColor color;
};

// The sixteen plain colours come before the system colours.
constexpr std::array<TNamedColor, 40> ColorNames = {{
    {U"clred", clRed},
    {U"clblack", clBlack},
    {U"clblue", clBlue},
    {U"clgreen", clGreen},
    {U"claqua", clAqua},
    {U"clyellow", clYellow},
    {U"clfuchsia", clFuchsia},
    {U"clwhite", clWhite},
    {U"cllime", clLime},
    {U"clsilver", clSilver},
    {U"clgray", clGray},
    {U"clolive", clOlive},
    {U"clnavy", clNavy},
    {U"clpurple", clPurple},
    {U"clteal", clTeal},
    {U"clmaroon", clMaroon},
    {U"clbackground", SystemColor(1)},
    {U"clactivecaption", SystemColor(2)},
    {U"clinactivecaption", SystemColor(3)},
    {U"clmenu", SystemColor(4)},
    {U"clwindow", SystemColor(5)},
    {U"clwindowframe", SystemColor(6)},
    {U"clmenutext", SystemColor(7)},
    {U"clwindowtext", SystemColor(8)},
    {U"clcaptiontext", SystemColor(9)},
    {U"clactiveborder", SystemColor(10)},
    {U"clinactiveborder", SystemColor(11)},
    {U"clappworkspace", SystemColor(12)},
    {U"clhighlight", SystemColor(13)},
    {U"clhighlighttext", SystemColor(14)},
    {U"clbtnface", SystemColor(15)},
    {U"clbtnshadow", SystemColor(16)},
    {U"clgraytext", SystemColor(17)},
    {U"clbtntext", SystemColor(18)},
    {U"clinactivecaptiontext", SystemColor(19)},
    {U"clbtnhighlight", SystemColor(20)},
    {U"cl3ddkshadow", SystemColor(21)},
    {U"cl3dlight", SystemColor(22)},
    {U"clinfotext", SystemColor(23)},
    {U"clinfobk", SystemColor(24)},
}};

// Two hexadecimal digits from position at; 0 when there are fewer or they are not hexadecimal.
int HexPair(std::u32string_view value, size_t at)
{
    if (at + 2 > value.size())
        return 0;
    const int high = HexDigitValue(value[at]);
    const int low = HexDigitValue(value[at + 1]);
    return high < 0 || low < 0 ? 0 : high * 16 + low;
}

} // namespace

std::optional<TColor> ColorFromName(std::u32string_view lowerCaseName)
{
    for (const TNamedColor& named : ColorNames)
        if (named.name == lowerCaseName)
            return named.color;
    return std::nullopt;
}

std::optional<TColor> MarkupColor(std::u32string_view value)
{
    if (value.empty())
        return std::nullopt;
    if (value[0] == U'#')
        return static_cast<TColor>(HexPair(value, 1) + HexPair(value, 3) * 256 + HexPair(value, 5) * 65536);
    return ColorFromName(AsciiLower(value)).value_or(clBlack);
}
