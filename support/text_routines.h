#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Stateless text helpers. Positions and lengths count code points; positions are 1-based and 0 means
// "not found". A single character is passed as a code point.

// The decimal separator of the global format settings.
std::string GetDecimalSeparatorChar();

// The text without leading and trailing blanks and control characters.
std::string Trim(std::string_view text);

// The text without the prefix when it begins with it (case-sensitive).
std::string RemovePrefix(std::string_view text, std::string_view prefix);

// Position of the first occurrence of subText in text, 0 when absent or when subText is empty. Without
// caseSensitive both texts are compared in upper case.
size_t PosText(std::string_view subText, std::string_view text, bool caseSensitive);

// byteCount random byte values (0..254) as two hexadecimal digits each, joined by the separator.
std::string RandomHexString(int byteCount, std::string_view separator, bool lowerCase);

// ASCII upper case, then trimmed.
std::string UpperTrim(std::string_view text);

// "5 bytes", "1.50 KB", "3.00 GB": the size as the windows show it; smallSuffix follows sizes below 1 KB.
std::string FileSizeToStr(int64_t size, std::string_view smallSuffix);

std::string RemoveAll(std::string_view text, std::string_view subText, bool ignoreCase);
std::string ReplaceAll(std::string_view text, std::string_view oldText, std::string_view newText,
                       bool ignoreCase);
std::string ReplaceFirst(std::string_view text, std::string_view oldText, std::string_view newText,
                         bool ignoreCase);

// The extension of the name part (from its last "."), with the dot unless withoutDot is set.
std::string GetFileExtension(std::string_view fileName, bool withoutDot);

size_t CharCount(char32_t character, std::string_view text);

// Position of the last occurrence of the character, 0 when absent.
size_t LastCharPos(std::string_view text, char32_t character);

// The text without its last character when that is the given one.
std::string RemoveTrailingChar(std::string_view text, char32_t character);

// The text with pad characters in front up to length code points.
std::string PadLeft(std::string_view text, int length, char32_t padCharacter);

// The path without one trailing "." that is a name of its own ("dir/." but not "out.") and then without one
// trailing "/".
std::string ExcludeTrailingDotAndDelimiter(std::string_view path);

// Decimal text with the separator before every third digit from the right: 1234567 -> "1 234 567".
std::string IntToStrSep(int32_t value, char32_t separator);
std::string Int64ToStrSep(int64_t value, char32_t separator);

std::string IfThenStr(bool condition, std::string_view whenTrue, std::string_view whenFalse);

// The same helpers grouped under one name, as some callers spell them.
struct TStr
{
    static std::string PadLeft(std::string_view text, int length, char32_t padCharacter)
    {
        return ::PadLeft(text, length, padCharacter);
    }
    static std::string RemoveAll(std::string_view text, std::string_view subText, bool ignoreCase)
    {
        return ::RemoveAll(text, subText, ignoreCase);
    }
};
