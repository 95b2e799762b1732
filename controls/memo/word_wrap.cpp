#include "controls/memo/word_wrap.h"

#include <string_view>

namespace {

bool IsBreakChar(char32_t ch)
{
    return ch == U' ' || ch == U'+' || ch == U'-' || ch == U'*' || ch == U'/';
}

// The length of the row that rest begins with, rest being longer than width: up to and including the last
// break character among its first width characters, so that the words before it fit and the next does not;
// width characters where none is (a word longer than a row). Only those width characters are read, so a
// line is wrapped in time proportional to its length.
size_t RowLength(std::u32string_view rest, size_t width)
{
    for (size_t end = width; end > 0; --end)
        if (IsBreakChar(rest[end - 1]))
            return end;
    return width;
}

} // namespace

std::vector<TLineText> WrapPieces(const TLineText& line, int width)
{
    std::vector<TLineText> rows;
    if (width <= 0) {
        rows.push_back(line);
        return rows;
    }
    const auto w = static_cast<size_t>(width);
    const std::u32string_view text(line);
    size_t from = 0;
    while (text.size() - from > w) {
        const size_t length = RowLength(text.substr(from), w);
        rows.emplace_back(text.substr(from, length));
        from += length;
    }
    rows.emplace_back(text.substr(from));
    return rows;
}
