#include "controls/toolbars/accel_text.h"

#include "platform/gui/graphics/canvas.h"
#include "platform/gui/windows/keys.h"
#include "support/utf8.h"

std::string RemoveAccelAmpersands(const std::string& s)
{
    return StripHotkey(s);
}

std::string DoubleAmpersands(const std::string& s)
{
    std::string result;
    for (const char c : s) {
        result += c;
        if (c == '&')
            result += '&';
    }
    return result;
}

std::string TrimCaptionPunctuation(const std::string& s)
{
    const size_t length = Utf8Length(s);
    if (length >= 2 && s.ends_with(':'))
        return s.substr(0, s.size() - 1);
    if (length >= 4 && s.ends_with("..."))
        return s.substr(0, s.size() - 3);
    return s;
}

char32_t GetAccelChar(const std::string& s)
{
    const std::u32string text = Utf8ToUtf32(s);
    char32_t result = U'\0';
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != U'&')
            continue;
        if (i + 1 == text.size())
            break;
        if (text[i + 1] != U'&')
            result = text[i + 1];
        ++i;
    }
    return result;
}

char32_t CharToLower(char32_t c)
{
    return UnicodeLower(c);
}

int MeasureTextWidth(TCanvas& canvas, const std::string& s, bool prefix)
{
    return canvas.TextWidth(prefix ? RemoveAccelAmpersands(s) : s);
}
