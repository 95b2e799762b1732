#include "controls/memo/word_wrap.h"

namespace {

bool IsBreakChar(char32_t ch)
{
    return ch == U' ' || ch == U'+' || ch == U'-' || ch == U'*' || ch == U'/';
}

// Takes the text up to and including the first break character off s into word; false when s has none.
bool SplitWrapWord(TLineText& s, TLineText& word)
{
    for (size_t p = 0; p < s.size(); ++p)
        if (IsBreakChar(s[p])) {
            word = s.substr(0, p + 1);
            s.erase(0, p + 1);
            return true;
        }
    return false;
}

// The head of s that goes into one row; s keeps the rest.
TLineText NextRow(TLineText& s, size_t width)
{
    const TLineText original = s;
    const auto hardBreak = [&] {
        s = original.substr(width);
        return original.substr(0, width);
    };
    TLineText head;
    TLineText word;
    while (head.size() <= width) {
        if (!SplitWrapWord(s, word))
            return head.empty() ? hardBreak() : head;
        if (head.size() + word.size() <= width) {
            head += word;
        } else if (!head.empty()) {
            s = word + s; // the word goes to the next row
            return head;
        } else {
            return hardBreak(); // a single word longer than a row
        }
    }
    return head;
}

} // namespace

std::vector<TLineText> WrapPieces(const TLineText& line, int width)
{
    std::vector<TLineText> rows;
    if (width <= 0) {
        rows.push_back(line);
        return rows;
    }
    TLineText rest = line;
    while (rest.size() > static_cast<size_t>(width))
        rows.push_back(NextRow(rest, static_cast<size_t>(width)));
    rows.push_back(rest);
    return rows;
}
