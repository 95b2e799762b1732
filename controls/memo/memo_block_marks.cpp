#include "controls/memo/vez_custom_memo.h"

#include "platform/gui/windows/window_functions.h"
#include "support/utf8.h"

#include <algorithm>
#include <optional>

// The block words around the caret: when the caret moves, the memo looks below it for the block end and
// above it for the block start that belong together (the styler's BlockStart and BlockEnd words, such as
// begin and end), counting the pairs in between, and marks both for the painter. Only whole words count,
// and the marks name columns of the whole line.

namespace {

std::vector<std::string> Alternatives(const std::string& words)
{
    std::vector<std::string> result;
    size_t start = 0;
    for (size_t comma = words.find(',');; comma = words.find(',', start)) {
        const std::string word =
            words.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        if (!word.empty())
            result.push_back(AsciiUpperCase(word));
        if (comma == std::string::npos)
            return result;
        start = comma + 1;
    }
}

} // namespace

int TVezCustomMemo::FindWholeWord(const std::string& word, const std::string& text, int& pos) const
{
    const TLineText w = DecodeLine(word);
    const TLineText t = DecodeLine(text);
    const size_t at = w.empty() ? TLineText::npos : t.find(w);
    pos = at == TLineText::npos ? 0 : static_cast<int>(at) + 1;
    if (pos == 0)
        return 0;
    const bool startsWord = at == 0 || IsDelimiter(t[at - 1]);
    const bool endsWord = at + w.size() >= t.size() || IsDelimiter(t[at + w.size()]);
    return startsWord && endsWord ? pos : 0;
}

int TVezCustomMemo::FindBlockWord(std::string& words, const std::string& text, int& pos) const
{
    if (words.find(',') == std::string::npos)
        return FindWholeWord(words, text, pos);
    for (const std::string& word : Alternatives(words))
        if (const int found = FindWholeWord(word, text, pos); found > 0) {
            words = word;
            return found;
        }
    return 0;
}

// Every whole-word occurrence of the start and end words in the line, in column order.
std::vector<TVezCustomMemo::TBlockWordAt>
TVezCustomMemo::BlockWordsOf(const TLineText& line, const std::vector<TLineText>& starts,
                             const std::vector<TLineText>& ends) const
{
    std::vector<TBlockWordAt> found;
    TLineText upper = line;
    for (char32_t& ch : upper)
        if (ch >= U'a' && ch <= U'z')
            ch -= 32;
    const auto collect = [&](const std::vector<TLineText>& words, bool start) {
        for (const TLineText& word : words)
            for (size_t at = upper.find(word); at != TLineText::npos; at = upper.find(word, at + 1)) {
                const bool startsWord = at == 0 || IsDelimiter(upper[at - 1]);
                const bool endsWord =
                    at + word.size() >= upper.size() || IsDelimiter(upper[at + word.size()]);
                if (startsWord && endsWord)
                    found.push_back({static_cast<int>(at), static_cast<int>(word.size()), start});
            }
    };
    collect(starts, true);
    collect(ends, false);
    std::sort(found.begin(), found.end(),
              [](const TBlockWordAt& a, const TBlockWordAt& b) { return a.Column < b.Column; });
    return found;
}

bool TVezCustomMemo::LineHoldsComment(const TLineText& line) const
{
    const TVezCustomMemoStyler& styler = *SyntaxStyles();
    int len = 0, styleIndex = 0, kind = 0;
    return styler.FindCommentStart(line, len, styleIndex, kind) > 0 ||
           (!styler.LineComment().empty() && line.find(DecodeLine(styler.LineComment())) != TLineText::npos);
}

void TVezCustomMemo::MarkMatchingBlocks()
{
    const TVezMemoStrings& lines = *ActiveLines();
    const TVezCustomMemoStyler* styler = SyntaxStyles();
    if (!styler || lines.Count() == 0 || styler->BlockStart().empty() || styler->BlockEnd().empty())
        return;
    std::vector<TLineText> starts, ends;
    for (const std::string& word : Alternatives(styler->BlockStart()))
        starts.push_back(DecodeLine(word));
    for (const std::string& word : Alternatives(styler->BlockEnd()))
        ends.push_back(DecodeLine(word));
    const auto wordsOf = [&](int line) { return BlockWordsOf(LineAt(line), starts, ends); };
    const auto holds = [&](int line, bool start) {
        for (const TBlockWordAt& word : wordsOf(line))
            if (word.Start == start)
                return true;
        return false;
    };
    // Below: the end that closes the block the caret is in (or opens on the caret's line).
    std::optional<TBlockWordAt> end;
    int endLine = -1;
    const int downLevel = holds(FCurY, true) ? 0 : -1;
    int sum = 0;
    for (int line = FCurY; line <= FTopLine + VisibleLineCount() && line < lines.Count() && !end; ++line) {
        const bool comment = LineHoldsComment(LineAt(line));
        for (const TBlockWordAt& word : wordsOf(line)) {
            sum += word.Start ? 1 : -1;
            if (!word.Start && sum == downLevel && !comment) {
                end = word;
                endLine = line;
                break;
            }
        }
    }
    // Above, each line read from its end: the start of that block.
    std::optional<TBlockWordAt> start;
    int startLine = -1;
    const int upLevel = holds(FCurY, false) ? 0 : -1;
    sum = 0;
    for (int line = FCurY; line >= FTopLine && line >= 0 && !start; --line) {
        const bool comment = LineHoldsComment(LineAt(line));
        const std::vector<TBlockWordAt> words = wordsOf(line);
        for (auto word = words.rbegin(); word != words.rend(); ++word) {
            sum += word->Start ? -1 : 1;
            if (word->Start && sum == upLevel && !comment) {
                start = *word;
                startLine = line;
                break;
            }
        }
    }
    if (!end || !start) {
        SetBSMark(-1, -1, -1);
        SetBEMark(-1, -1, -1);
        return;
    }
    SetBSMark(endLine, end->Column, end->Length);
    SetBEMark(startLine, start->Column, start->Length);
}

void TVezCustomMemo::InvalidateLineRow(int line)
{
    if (line < 0 || line >= ActiveLines()->Count() || !HandleAllocated())
        return;
    SettleView(); // the row where the view shows it now
    TRect row = LineRect(LineIndexToVisIndex(line));
    row.Bottom += 2;
    InvalidateRect(Handle(), &row, true);
}

// A mark moves to line: the row it left and the row it comes to are painted again.
void TVezCustomMemo::MoveMark(int& oldLine, int line)
{
    InvalidateLineRow(oldLine);
    oldLine = line;
    InvalidateLineRow(line);
}

void TVezCustomMemo::SetBSMark(int line, int start, int length)
{
    MoveMark(BSOldSelLine, line);
    BSSelLine = line;
    BSSelStart = start;
    BSSelLen = length;
}

void TVezCustomMemo::SetBEMark(int line, int start, int length)
{
    MoveMark(BEOldSelLine, line);
    BESelLine = line;
    BESelStart = start;
    BESelLen = length;
}

void TVezCustomMemo::Format()
{
    TVezCustomMemoStyler* styler = SyntaxStyles();
    if (!styler || !styler->CanFormat())
        return;
    ActiveLines()->SetText(styler->GetFormattedText(ActiveLines()->Text()));
}
