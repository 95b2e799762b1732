#include "support/text_file_encoding.h"

#include "support/utf8.h"

namespace {

constexpr std::string_view Utf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view Utf16LeBom = "\xFF\xFE";
constexpr std::string_view Utf16BeBom = "\xFE\xFF";

bool IsSurrogate(char32_t unit)
{
    return unit >= 0xD800 && unit <= 0xDFFF;
}

} // namespace

std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian)
{
    const auto unitAt = [&](size_t i) -> char32_t {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        return bigEndian ? (first << 8 | second) : (second << 8 | first);
    };
    std::string result;
    result.reserve(bytes.size());
    size_t i = 0;
    for (; i + 1 < bytes.size(); i += 2) {
        char32_t unit = unitAt(i);
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 3 < bytes.size()) {
            const char32_t low = unitAt(i + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        result += CodePointToUtf8(IsSurrogate(unit) ? 0xFFFD : unit);
    }
    if (i < bytes.size()) {
        result += CodePointToUtf8(0xFFFD);
    }
    return result;
}

std::string Utf8ToUtf16(std::string_view text, bool bigEndian)
{
    std::string out;
    out.reserve(text.size() * 2);
    const auto put = [&](char32_t unit) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        out += bigEndian ? high : low;
        out += bigEndian ? low : high;
    };
    for (char32_t cp : Utf8ToUtf32(text)) {
        if (cp >= 0x10000) {
            put(0xD800 + ((cp - 0x10000) >> 10));
            put(0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            put(cp);
        }
    }
    return out;
}

std::string DecodeTextFile(std::string_view bytes, TTextEncoding& found)
{
    if (bytes.starts_with(Utf8Bom)) {
        found = TTextEncoding::UTF8;
        return SanitizeUtf8(bytes.substr(Utf8Bom.size()));
    }
    if (bytes.starts_with(Utf16LeBom)) {
        found = TTextEncoding::Unicode;
        return Utf16ToUtf8(bytes.substr(Utf16LeBom.size()), false);
    }
    if (bytes.starts_with(Utf16BeBom)) {
        found = TTextEncoding::BigEndianUnicode;
        return Utf16ToUtf8(bytes.substr(Utf16BeBom.size()), true);
    }
    found = TTextEncoding::Default;
    return IsValidUtf8(bytes) ? std::string(bytes) : Windows1252ToUtf8(bytes);
}

std::string EncodeTextFile(std::string_view text, TTextEncoding encoding)
{
    switch (encoding) {
    case TTextEncoding::Default:
        break;
    case TTextEncoding::UTF8:
        return std::string(Utf8Bom) + std::string(text);
    case TTextEncoding::Unicode:
        return std::string(Utf16LeBom) + Utf8ToUtf16(text, false);
    case TTextEncoding::BigEndianUnicode:
        return std::string(Utf16BeBom) + Utf8ToUtf16(text, true);
    }
    return std::string(text);
}
