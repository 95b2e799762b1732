#include "controls/memo/vez_custom_memo.h"

// Which word stands at a position: the longest run of characters that are no delimiters and touch the
// column, by one of several delimiter sets.

bool TVezCustomMemo::IsDelimiter(char32_t ch) const
{
    return ch == U' ' || ch == U'"' || ch == U'\'' || ch == U',' || ch == U'.' || ch == U';';
}

bool TVezCustomMemo::IsTokenDelimiter(char32_t ch) const
{
    return std::u32string_view(U" ()[],.:;\"'=").find(ch) != std::u32string_view::npos;
}

bool TVezCustomMemo::IsFullWordBreak(char32_t ch) const
{
    return std::u32string_view(U" '\"().").find(ch) != std::u32string_view::npos;
}

bool TVezCustomMemo::IsCursorTokenBreak(char32_t ch) const
{
    return std::u32string_view(U" '\");").find(ch) != std::u32string_view::npos;
}

std::string TVezCustomMemo::RunAround(const TLineText& line, int x,
                                      bool (TVezCustomMemo::*isBreak)(char32_t) const) const
{
    const int n = static_cast<int>(line.size());
    if (x < 0 || x > n)
        return {};
    // Positions count from 1, as the characters of the line are counted.
    const auto at = [&](int p) { return line[static_cast<size_t>(p - 1)]; };
    int end = x;
    while (end < n && !(this->*isBreak)(at(end + 1)))
        ++end;
    int start = x + 1;
    while (start > 1 && !(this->*isBreak)(at(start - 1)))
        --start;
    return start > end ? std::string()
                       : EncodeLine(line.substr(static_cast<size_t>(start - 1),
                                                static_cast<size_t>(end - start + 1)));
}

std::string TVezCustomMemo::WordAt(int x, int y, bool (TVezCustomMemo::*isBreak)(char32_t) const) const
{
    if (y < 0 || y >= ActiveLines()->Count())
        return {};
    return RunAround(LineAt(y), x, isBreak);
}

std::string TVezCustomMemo::WordAtXY(int x, int y) const
{
    return WordAt(x, y, &TVezCustomMemo::IsDelimiter);
}

std::string TVezCustomMemo::FullWordAtXY(int x, int y) const
{
    return WordAt(x, y, &TVezCustomMemo::IsSpace);
}

std::string TVezCustomMemo::TokenAtXY(int x, int y) const
{
    return WordAt(x, y, &TVezCustomMemo::IsTokenDelimiter);
}

// The run at the cursor; pos (when given) receives its start, counted from 1 within the line.
std::string TVezCustomMemo::WordAtTheCursor(bool (TVezCustomMemo::*isBreak)(char32_t) const, int* pos)
{
    const int count = ActiveLines()->Count();
    if (count == 0)
        return {};
    if (FCurY >= count)
        SetCurY(count - 1);
    const TLineText line = LineAt(FCurY);
    if (FCurX > static_cast<int>(line.size()))
        return {};
    const std::string word = RunAround(line, FCurX, isBreak);
    if (pos) {
        int start = FCurX + 1;
        while (start > 1 && !(this->*isBreak)(line[static_cast<size_t>(start - 2)]))
            --start;
        *pos = start;
    }
    return word;
}

std::string TVezCustomMemo::WordAtCursor()
{
    return WordAtTheCursor(&TVezCustomMemo::IsDelimiter, nullptr);
}

std::string TVezCustomMemo::WordAtCursorPos(int& pos)
{
    return WordAtTheCursor(&TVezCustomMemo::IsDelimiter, &pos);
}

std::string TVezCustomMemo::FullWordAtCursor()
{
    return WordAtTheCursor(&TVezCustomMemo::IsFullWordBreak, nullptr);
}

std::string TVezCustomMemo::TokenAtCursor()
{
    return WordAtTheCursor(&TVezCustomMemo::IsCursorTokenBreak, nullptr);
}

std::string TVezCustomMemo::WordTillCursor()
{
    const int count = ActiveLines()->Count();
    if (count == 0)
        return {};
    if (FCurY >= count)
        SetCurY(count - 1);
    const TLineText line = LineAt(FCurY);
    const int x = FCurX;
    if (x > static_cast<int>(line.size()))
        return {};
    int start = x + 1;
    while (start > 1 && !IsTokenDelimiter(line[static_cast<size_t>(start - 2)]))
        --start;
    return start > x
               ? std::string()
               : EncodeLine(line.substr(static_cast<size_t>(start - 1), static_cast<size_t>(x - start + 1)));
}
