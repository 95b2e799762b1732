#include "platform/system/mask_text.h"

#include "support/format_settings.h"
#include "support/utf8.h"

#include <vector>

namespace {

enum class TCharCase
{
    Keep,
    Upper,
    Lower
};

// One place of the mask: a literal or a character of the text.
struct TMaskPlace
{
    std::u32string Literal; // empty for a place the text fills
    TCharCase Case = TCharCase::Keep;
};

struct TMask
{
    std::vector<TMaskPlace> Places;
    bool SaveLiterals = true;
    bool RightAligned = false;
};

bool IsInputChar(char32_t c)
{
    return std::u32string_view(U"LlAaCc09#").find(c) != std::u32string_view::npos;
}

std::u32string SeparatorText(char32_t c)
{
    const TFormatSettings& settings = GlobalFormatSettings();
    return Utf8ToUtf32(c == U':' ? settings.TimeSeparator : settings.DateSeparator);
}

// The mask's fields: the places, then whether the literals are saved with the text.
TMask ReadMask(std::string_view editMask)
{
    const std::u32string text = Utf8ToUtf32(editMask);
    TMask mask;
    TCharCase charCase = TCharCase::Keep;
    size_t pos = 0;
    for (; pos < text.size() && text[pos] != U';'; ++pos) {
        const char32_t c = text[pos];
        if (c == U'!') {
            mask.RightAligned = true;
        } else if (c == U'<' && pos + 1 < text.size() && text[pos + 1] == U'>') {
            charCase = TCharCase::Keep;
            ++pos;
        } else if (c == U'>' || c == U'<') {
            charCase = c == U'>' ? TCharCase::Upper : TCharCase::Lower;
        } else if (c == U'\\' && pos + 1 < text.size()) {
            mask.Places.push_back({std::u32string(1, text[++pos])});
        } else if (c == U':' || c == U'/') {
            mask.Places.push_back({SeparatorText(c)});
        } else if (IsInputChar(c)) {
            mask.Places.push_back({{}, charCase});
        } else {
            mask.Places.push_back({std::u32string(1, c)});
        }
    }
    mask.SaveLiterals = !(pos + 1 < text.size() && text[pos + 1] == U'0');
    return mask;
}

char32_t InCase(char32_t c, TCharCase charCase)
{
    if (charCase == TCharCase::Upper)
        return UnicodeUpper(c);
    return charCase == TCharCase::Lower ? UnicodeLower(c) : c;
}

size_t InputPlaceCount(const TMask& mask)
{
    size_t count = 0;
    for (const TMaskPlace& place : mask.Places)
        count += place.Literal.empty() ? 1 : 0;
    return count;
}

// The text's characters without literals, placed on the mask's input places in order.
std::u32string InsertLiterals(const TMask& mask, std::u32string value)
{
    const size_t inputs = InputPlaceCount(mask);
    if (value.size() > inputs)
        value.resize(inputs);
    if (mask.RightAligned)
        value.insert(0, inputs - value.size(), U' ');
    std::u32string result;
    size_t next = 0;
    for (const TMaskPlace& place : mask.Places) {
        if (!place.Literal.empty())
            result += place.Literal;
        else
            result += next < value.size() ? InCase(value[next++], place.Case) : U' ';
    }
    return result;
}

// The text holds the literals already: each of its characters stands on the place of the same number.
std::u32string PadLiterals(const TMask& mask, std::u32string value)
{
    if (mask.RightAligned && value.size() < mask.Places.size())
        value.insert(0, mask.Places.size() - value.size(), U' ');
    std::u32string result;
    for (size_t i = 0; i < mask.Places.size(); ++i) {
        const TMaskPlace& place = mask.Places[i];
        if (!place.Literal.empty())
            result += place.Literal;
        else
            result += i < value.size() ? InCase(value[i], place.Case) : U' ';
    }
    return result;
}

} // namespace

std::string FormatMaskText(std::string_view editMask, std::string_view value)
{
    const TMask mask = ReadMask(editMask);
    const std::u32string text = Utf8ToUtf32(value);
    return Utf32ToUtf8(mask.SaveLiterals ? PadLiterals(mask, text) : InsertLiterals(mask, text));
}
