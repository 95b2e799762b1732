#include "controls/memo/line_text.h"

#include "support/utf8.h"

#include <algorithm>

TLineText DecodeLine(std::string_view line)
{
    return Utf8ToUtf32(line);
}

std::string EncodeLine(std::u32string_view text)
{
    return Utf32ToUtf8(text);
}

int LineLength(std::string_view line)
{
    return static_cast<int>(Utf8Length(line));
}

std::string ExpandTabs(const std::string& text, int tabSize)
{
    if (text.find('\t') == std::string::npos)
        return text;
    const std::string spaces(static_cast<size_t>(std::max(tabSize, 0)), ' ');
    std::string result;
    result.reserve(text.size() + spaces.size() * 4);
    for (char c : text) {
        if (c == '\t')
            result += spaces;
        else
            result += c;
    }
    return result;
}

TLineText TrimTrailingBlanks(const TLineText& text)
{
    size_t end = text.size();
    while (end > 0 && text[end - 1] <= U' ')
        --end;
    return text.substr(0, end);
}

TLineText RemoveTrailingSpaces(const TLineText& text)
{
    size_t end = text.size();
    while (end > 0 && text[end - 1] == U' ')
        --end;
    return text.substr(0, end);
}

TLineText Spaces(int count)
{
    return TLineText(static_cast<size_t>(std::max(count, 0)), U' ');
}

TLineText Columns(const TLineText& text, int from, int count)
{
    const size_t start = static_cast<size_t>(std::clamp(from, 0, static_cast<int>(text.size())));
    return text.substr(start, count < 0 ? TLineText::npos : static_cast<size_t>(count));
}

TLineText PaddedTo(const TLineText& text, int count)
{
    TLineText result = Columns(text, 0, count);
    if (static_cast<int>(result.size()) < count)
        result += Spaces(count - static_cast<int>(result.size()));
    return result;
}
