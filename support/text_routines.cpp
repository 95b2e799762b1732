#include "support/text_routines.h"

#include "support/format_settings.h"
#include "support/number_conversion.h"
#include "support/utf8.h"

#include <cstdlib>
#include <random>
#include <vector>

namespace {

// One occurrence in bytes.
struct TMatch
{
    size_t Offset = 0;
    size_t Length = 0;
};

// Byte offset of every code point of the text, plus the text's size at the end.
std::vector<size_t> CodePointOffsets(std::string_view text, const std::u32string& codePoints)
{
    std::vector<size_t> offsets;
    offsets.reserve(codePoints.size() + 1);
    size_t offset = 0;
    for (char32_t cp : codePoints) {
        offsets.push_back(offset);
        const bool encodedReplacement = text.substr(offset, 3) == "\xEF\xBF\xBD";
        // A replacement character stands for one undecodable byte unless it is written as such.
        offset += (cp == 0xFFFD && !encodedReplacement) ? 1 : CodePointToUtf8(cp).size();
    }
    offsets.push_back(text.size());
    return offsets;
}

std::u32string UpperCodePoints(std::u32string codePoints)
{
    for (char32_t& cp : codePoints) {
        cp = UnicodeUpper(cp);
    }
    return codePoints;
}

// Non-overlapping occurrences of subText from left to right; ignoreCase compares in upper case.
std::vector<TMatch> FindMatches(std::string_view text, std::string_view subText, bool ignoreCase,
                                bool firstOnly)
{
    std::vector<TMatch> matches;
    if (subText.empty()) {
        return matches;
    }
    if (!ignoreCase) {
        for (size_t at = text.find(subText); at != std::string_view::npos;
             at = text.find(subText, at + subText.size())) {
            matches.push_back({at, subText.size()});
            if (firstOnly) {
                break;
            }
        }
        return matches;
    }
    const std::u32string codePoints = Utf8ToUtf32(text);
    const std::vector<size_t> offsets = CodePointOffsets(text, codePoints);
    const std::u32string upperText = UpperCodePoints(codePoints);
    const std::u32string upperSub = UpperCodePoints(Utf8ToUtf32(subText));
    for (size_t at = upperText.find(upperSub); at != std::u32string::npos;
         at = upperText.find(upperSub, at + upperSub.size())) {
        matches.push_back({offsets[at], offsets[at + upperSub.size()] - offsets[at]});
        if (firstOnly) {
            break;
        }
    }
    return matches;
}

std::string ReplaceMatches(std::string_view text, const std::vector<TMatch>& matches,
                           std::string_view newText)
{
    std::string result;
    size_t copied = 0;
    for (const TMatch& match : matches) {
        result.append(text.substr(copied, match.Offset - copied));
        result.append(newText);
        copied = match.Offset + match.Length;
    }
    result.append(text.substr(copied));
    return result;
}

bool IsTrimmed(char c)
{
    return static_cast<unsigned char>(c) <= ' ';
}

template <typename Int> std::string GroupDigits(Int value, char32_t separator)
{
    const std::string digits = std::to_string(value);
    const size_t signLength = value < 0 ? 1 : 0;
    const std::string separatorText = CodePointToUtf8(separator);
    std::string result = digits.substr(0, signLength);
    for (size_t i = signLength; i < digits.size(); ++i) {
        if (i > signLength && (digits.size() - i) % 3 == 0) {
            result += separatorText;
        }
        result += digits[i];
    }
    return result;
}

} // namespace

std::string GetDecimalSeparatorChar()
{
    return GlobalFormatSettings().DecimalSeparator;
}

std::string Trim(std::string_view text)
{
    size_t first = 0;
    size_t last = text.size();
    while (first < last && IsTrimmed(text[first])) {
        ++first;
    }
    while (last > first && IsTrimmed(text[last - 1])) {
        --last;
    }
    return std::string(text.substr(first, last - first));
}

std::string RemovePrefix(std::string_view text, std::string_view prefix)
{
    return std::string(text.starts_with(prefix) ? text.substr(prefix.size()) : text);
}

size_t PosText(std::string_view subText, std::string_view text, bool caseSensitive)
{
    const std::vector<TMatch> matches = FindMatches(text, subText, !caseSensitive, true);
    return matches.empty() ? 0 : Utf8Length(text.substr(0, matches.front().Offset)) + 1;
}

std::string RandomHexString(int byteCount, std::string_view separator, bool lowerCase)
{
    static std::mt19937 generator{std::random_device{}()};
    std::uniform_int_distribution<int> byteValue(0, 254);
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string result;
    for (int i = 0; i < byteCount; ++i) {
        if (i > 0) {
            result.append(separator);
        }
        const int value = byteValue(generator);
        result += digits[value >> 4];
        result += digits[value & 0xF];
    }
    return lowerCase ? Utf8LowerCase(result) : result;
}

std::string UpperTrim(std::string_view text)
{
    return Trim(AsciiUpperCase(text));
}

std::string FileSizeToStr(int64_t size, std::string_view smallSuffix)
{
    constexpr uint64_t kilo = 1024;
    constexpr uint64_t mega = kilo * 1024;
    constexpr uint64_t giga = mega * 1024;
    // The magnitude as unsigned, so that the smallest 64-bit value has one too.
    const uint64_t magnitude = size < 0 ? 0 - static_cast<uint64_t>(size) : static_cast<uint64_t>(size);
    std::string text;
    if (magnitude < kilo) {
        // The sign stays with its digits: a failed size read (-1) shows as "-1 bytes", not "- 1 bytes".
        const std::string digits = (size < 0 ? "-" : "") + std::to_string(magnitude);
        return PadLeft(digits, 2, U' ').append(smallSuffix);
    } else if (magnitude < mega) {
        text = FloatToFixedStr(static_cast<double>(magnitude) / kilo, 2) + " KB";
    } else if (magnitude < giga) {
        text = FloatToFixedStr(static_cast<double>(magnitude) / mega, 2) + " MB";
    } else {
        text = FloatToFixedStr(static_cast<double>(magnitude) / giga, 2) + " GB";
    }
    return size < 0 ? "-" + text : text;
}

std::string RemoveAll(std::string_view text, std::string_view subText, bool ignoreCase)
{
    return ReplaceAll(text, subText, "", ignoreCase);
}

std::string ReplaceAll(std::string_view text, std::string_view oldText, std::string_view newText,
                       bool ignoreCase)
{
    return ReplaceMatches(text, FindMatches(text, oldText, ignoreCase, false), newText);
}

std::string ReplaceFirst(std::string_view text, std::string_view oldText, std::string_view newText,
                         bool ignoreCase)
{
    return ReplaceMatches(text, FindMatches(text, oldText, ignoreCase, true), newText);
}

std::string GetFileExtension(std::string_view fileName, bool withoutDot)
{
    const size_t nameStart = fileName.rfind('/') == std::string_view::npos ? 0 : fileName.rfind('/') + 1;
    const size_t dot = fileName.rfind('.');
    if (dot == std::string_view::npos || dot < nameStart) {
        return "";
    }
    return std::string(fileName.substr(withoutDot ? dot + 1 : dot));
}

size_t CharCount(char32_t character, std::string_view text)
{
    return FindMatches(text, CodePointToUtf8(character), false, false).size();
}

size_t LastCharPos(std::string_view text, char32_t character)
{
    const size_t at = text.rfind(CodePointToUtf8(character));
    return at == std::string_view::npos ? 0 : Utf8Length(text.substr(0, at)) + 1;
}

std::string RemoveTrailingChar(std::string_view text, char32_t character)
{
    const std::string last = CodePointToUtf8(character);
    return std::string(text.ends_with(last) ? text.substr(0, text.size() - last.size()) : text);
}

std::string PadLeft(std::string_view text, int length, char32_t padCharacter)
{
    std::string result;
    const std::string pad = CodePointToUtf8(padCharacter);
    for (size_t have = Utf8Length(text); static_cast<int64_t>(have) < length; ++have) {
        result += pad;
    }
    return result.append(text);
}

std::string ExcludeTrailingDotAndDelimiter(std::string_view path)
{
    // Only a "." that is a whole name stands for the folder: "out." names a folder of its own.
    if (path == "." || path.ends_with("/."))
        path.remove_suffix(1);
    return RemoveTrailingChar(path, U'/');
}

std::string IntToStrSep(int32_t value, char32_t separator)
{
    return GroupDigits(value, separator);
}

std::string Int64ToStrSep(int64_t value, char32_t separator)
{
    return GroupDigits(value, separator);
}

std::string IfThenStr(bool condition, std::string_view whenTrue, std::string_view whenFalse)
{
    return std::string(condition ? whenTrue : whenFalse);
}
