#include "support/utf8.h"

#include <clocale>
#include <cwctype>
#include <locale.h>

namespace {

constexpr char32_t ReplacementChar = 0xFFFD;

// Decodes one code point at text[pos]; advances pos. Invalid input consumes one byte.
char32_t DecodeAt(std::string_view text, size_t& pos)
{
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
    size_t length = 0;
    char32_t cp = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, cp = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, cp = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, cp = lead & 0x07, minimum = 0x10000;
    } else {
        ++pos;
        return ReplacementChar;
    }
    if (pos + length > text.size()) {
        ++pos;
        return ReplacementChar;
    }
    for (size_t i = 1; i < length; ++i) {
        const unsigned char next = byte(pos + i);
        if ((next & 0xC0) != 0x80) {
            ++pos;
            return ReplacementChar;
        }
        cp = (cp << 6) | (next & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++pos;
        return ReplacementChar;
    }
    pos += length;
    return cp;
}

bool IsValidAt(std::string_view text, size_t& pos)
{
    const size_t start = pos;
    const char32_t cp = DecodeAt(text, pos);
    return cp != ReplacementChar || (pos - start == 3 && text.substr(start, 3) == "\xEF\xBF\xBD");
}

locale_t Utf8Locale()
{
    static locale_t locale = [] {
        locale_t l = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
        return l ? l : newlocale(LC_CTYPE_MASK, "C", static_cast<locale_t>(nullptr));
    }();
    return locale;
}

template <typename Map> std::string MapCodePoints(std::string_view text, Map map)
{
    std::string result;
    result.reserve(text.size());
    size_t pos = 0;
    while (pos < text.size()) {
        result += CodePointToUtf8(map(DecodeAt(text, pos)));
    }
    return result;
}

} // namespace

std::string CodePointToUtf8(char32_t cp)
{
    std::string out;
    if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        cp = ReplacementChar;
    }
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
    return out;
}

std::u32string Utf8ToUtf32(std::string_view text)
{
    std::u32string result;
    result.reserve(text.size());
    size_t pos = 0;
    while (pos < text.size()) {
        result += DecodeAt(text, pos);
    }
    return result;
}

std::string Utf32ToUtf8(std::u32string_view text)
{
    std::string result;
    result.reserve(text.size());
    for (char32_t cp : text) {
        result += CodePointToUtf8(cp);
    }
    return result;
}

size_t Utf8Length(std::string_view text)
{
    size_t count = 0;
    size_t pos = 0;
    while (pos < text.size()) {
        DecodeAt(text, pos);
        ++count;
    }
    return count;
}

size_t Utf8ByteOffset(std::string_view text, size_t codePointIndex)
{
    size_t pos = 0;
    for (size_t i = 0; i < codePointIndex && pos < text.size(); ++i) {
        DecodeAt(text, pos);
    }
    return pos;
}

std::string Utf8PrefixWithin(std::string_view text, size_t maxBytes)
{
    size_t end = 0;
    while (end < text.size()) {
        size_t next = end;
        DecodeAt(text, next);
        if (next > maxBytes)
            break;
        end = next;
    }
    return std::string(text.substr(0, end));
}

std::string Utf8Substr(std::string_view text, size_t codePointIndex, size_t count)
{
    const size_t start = Utf8ByteOffset(text, codePointIndex);
    if (count == std::string::npos) {
        return std::string(text.substr(start));
    }
    const size_t end = start + Utf8ByteOffset(text.substr(start), count);
    return std::string(text.substr(start, end - start));
}

bool IsValidUtf8(std::string_view text)
{
    size_t pos = 0;
    while (pos < text.size()) {
        if (!IsValidAt(text, pos)) {
            return false;
        }
    }
    return true;
}

std::string SanitizeUtf8(std::string_view text)
{
    if (IsValidUtf8(text)) {
        return std::string(text);
    }
    return Utf32ToUtf8(Utf8ToUtf32(text));
}

std::string Windows1252ToUtf8(std::string_view text)
{
    // 0x80..0x9F differ from Latin-1; 0 marks the five undefined bytes, kept as their C1 code points.
    static constexpr char16_t High[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                          0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                          0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                          0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
    std::string result;
    result.reserve(text.size() * 2);
    for (char c : text) {
        const unsigned char b = static_cast<unsigned char>(c);
        char32_t cp = b;
        if (b >= 0x80 && b < 0xA0 && High[b - 0x80] != 0) {
            cp = High[b - 0x80];
        }
        result += CodePointToUtf8(cp);
    }
    return result;
}

char32_t UnicodeUpper(char32_t cp)
{
    return static_cast<char32_t>(towupper_l(static_cast<wint_t>(cp), Utf8Locale()));
}

char32_t UnicodeLower(char32_t cp)
{
    return static_cast<char32_t>(towlower_l(static_cast<wint_t>(cp), Utf8Locale()));
}

std::string Utf8UpperCase(std::string_view text)
{
    return MapCodePoints(text, UnicodeUpper);
}

std::string Utf8LowerCase(std::string_view text)
{
    return MapCodePoints(text, UnicodeLower);
}

std::string AsciiUpperCase(std::string_view text)
{
    std::string result(text);
    for (char& c : result) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return result;
}

std::string AsciiLowerCase(std::string_view text)
{
    std::string result(text);
    for (char& c : result) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return result;
}

namespace {

// The upper case of the code point at text[pos]; advances pos. ASCII, most of what is compared (component
// names, keys), is mapped here without a trip through the locale.
char32_t UpperAt(std::string_view text, size_t& pos)
{
    const auto lead = static_cast<unsigned char>(text[pos]);
    if (lead >= 0x80)
        return UnicodeUpper(DecodeAt(text, pos));
    ++pos;
    return static_cast<char32_t>(lead >= 'a' && lead <= 'z' ? lead - 'a' + 'A' : lead);
}

} // namespace

int CompareTextIgnoreCase(std::string_view a, std::string_view b)
{
    size_t pa = 0;
    size_t pb = 0;
    while (pa < a.size() && pb < b.size()) {
        const char32_t ca = UpperAt(a, pa);
        const char32_t cb = UpperAt(b, pb);
        if (ca != cb) {
            return ca < cb ? -1 : 1;
        }
    }
    if (pa < a.size()) {
        return 1;
    }
    return pb < b.size() ? -1 : 0;
}

bool SameTextIgnoreCase(std::string_view a, std::string_view b)
{
    return CompareTextIgnoreCase(a, b) == 0;
}
