#pragma once

#include <string>
#include <string_view>

// UTF-8 helpers. Texts are std::string holding UTF-8; where a routine counts or positions characters it
// counts code points. Decoding is lenient: a byte that does not start a valid sequence becomes U+FFFD.

std::u32string Utf8ToUtf32(std::string_view text);
std::string Utf32ToUtf8(std::u32string_view text);
std::string CodePointToUtf8(char32_t codePoint);

// Number of code points in the text.
size_t Utf8Length(std::string_view text);

// Byte offset of the code point with the 0-based index, or text.size() when the index is past the end.
size_t Utf8ByteOffset(std::string_view text, size_t codePointIndex);

// The longest start of the text that fits in maxBytes bytes without cutting a code point.
std::string Utf8PrefixWithin(std::string_view text, size_t maxBytes);

// Code-point substring: count code points from the 0-based code point index (npos: to the end).
std::string Utf8Substr(std::string_view text, size_t codePointIndex, size_t count = std::string::npos);

// True when every byte sequence is valid UTF-8 (no overlong forms, no surrogates).
bool IsValidUtf8(std::string_view text);

// Makes any byte string valid UTF-8: invalid sequences become U+FFFD.
std::string SanitizeUtf8(std::string_view text);

// Windows-1252 to UTF-8, for files written on Windows that are not valid UTF-8.
std::string Windows1252ToUtf8(std::string_view text);

// Unicode simple case mapping of every code point (the locale's upper and lower case).
std::string Utf8UpperCase(std::string_view text);
std::string Utf8LowerCase(std::string_view text);
char32_t UnicodeUpper(char32_t codePoint);
char32_t UnicodeLower(char32_t codePoint);

// Only "a".."z" and "A".."Z" change.
std::string AsciiUpperCase(std::string_view text);
std::string AsciiLowerCase(std::string_view text);

// Case-insensitive comparison through the Unicode upper case: <0, 0 or >0.
int CompareTextIgnoreCase(std::string_view a, std::string_view b);
bool SameTextIgnoreCase(std::string_view a, std::string_view b);
