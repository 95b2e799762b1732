#include "controls/edits/markup_chars.h"

std::u32string AsciiUpper(std::u32string_view text)
{
    std::u32string upper(text);
    for (char32_t& c : upper)
        c = AsciiUpper(c);
    return upper;
}

std::u32string AsciiLower(std::u32string_view text)
{
    std::u32string lower(text);
    for (char32_t& c : lower)
        c = AsciiLower(c);
    return lower;
}

bool StartsWithUpper(std::u32string_view text, std::u32string_view upperPrefix)
{
    if (text.size() < upperPrefix.size())
        return false;
    for (size_t i = 0; i < upperPrefix.size(); ++i)
        if (AsciiUpper(text[i]) != upperPrefix[i])
            return false;
    return true;
}

std::u32string_view TrimBlanks(std::u32string_view text)
{
    while (!text.empty() && IsBlankOrControl(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlankOrControl(text.back()))
        text.remove_suffix(1);
    return text;
}
