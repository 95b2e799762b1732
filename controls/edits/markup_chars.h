#pragma once

#include <string>
#include <string_view>

// Character tests of the label markup, on code points: only the ASCII letters fold between cases.

constexpr char32_t AsciiUpper(char32_t c)
{
    return c >= U'a' && c <= U'z' ? c - U'a' + U'A' : c;
}

constexpr char32_t AsciiLower(char32_t c)
{
    return c >= U'A' && c <= U'Z' ? c - U'A' + U'a' : c;
}

std::u32string AsciiUpper(std::u32string_view text);
std::u32string AsciiLower(std::u32string_view text);

// True when text starts with prefix, letters compared without regard to case (prefix in upper case).
bool StartsWithUpper(std::u32string_view text, std::u32string_view upperPrefix);

// 0..15, or -1 for a character that is no hexadecimal digit.
constexpr int HexDigitValue(char32_t c)
{
    if (c >= U'0' && c <= U'9')
        return static_cast<int>(c - U'0');
    const char32_t upper = AsciiUpper(c);
    return upper >= U'A' && upper <= U'F' ? static_cast<int>(upper - U'A' + 10) : -1;
}

// Blanks and control characters: everything up to and including the space.
constexpr bool IsBlankOrControl(char32_t c)
{
    return c <= U' ';
}

std::u32string_view TrimBlanks(std::u32string_view text);
