#include "controls/memo/line_tokenizer.h"

#include "controls/memo/memo_styler.h"
#include "support/utf8.h"

#include <algorithm>

namespace {

constexpr size_t None = std::u32string::npos;

char32_t UpperAZ(char32_t ch)
{
    return ch >= U'a' && ch <= U'z' ? ch - U'a' + U'A' : ch;
}

bool IsDigit(char32_t ch)
{
    return ch >= U'0' && ch <= U'9';
}

bool Contains(std::u32string_view set, char32_t ch)
{
    return set.find(ch) != std::u32string_view::npos;
}

std::u32string UpperCased(const std::string& text)
{
    std::u32string result = Utf8ToUtf32(text);
    for (char32_t& ch : result)
        ch = UnicodeUpper(ch);
    return result;
}

std::u32string LowerCased(std::u32string_view text)
{
    std::u32string result(text);
    for (char32_t& ch : result)
        ch = ch < 0x80 ? (ch >= U'A' && ch <= U'Z' ? ch + 32 : ch) : UnicodeLower(ch);
    return result;
}

char32_t FirstChar(const std::string& text)
{
    const std::u32string chars = Utf8ToUtf32(text);
    return chars.empty() ? 0 : chars[0];
}

// Without the leading and trailing spaces and control characters.
std::u32string_view Trimmed(std::u32string_view text)
{
    while (!text.empty() && text.front() <= U' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() <= U' ')
        text.remove_suffix(1);
    return text;
}

void AddKeywords(TTokenizerSettings& settings, TElementStyle& element, int index, bool caseSensitive)
{
    TStringList& words = *element.KeyWords();
    // The element's list compares as the memo does.
    words.SetCaseSensitive(caseSensitive);
    for (int w = 0; w < words.Count(); ++w) {
        const std::u32string word = Utf8ToUtf32(words.Get(w));
        settings.Keywords.emplace(caseSensitive ? word : LowerCased(word), index);
    }
}

} // namespace

size_t UrlRunEnd(const TLineText& text, size_t from, size_t end, std::u32string_view delimiters,
                 char32_t literal)
{
    size_t i = from;
    int runClass = -1; // not known while the run holds literal pairs only
    while (i < end) {
        if (literal != 0 && text[i] == literal) {
            i = std::min(i + 2, end);
            continue;
        }
        const int charClass = Contains(delimiters, text[i]) ? 1 : 0;
        if (runClass >= 0 && charClass != runClass)
            break;
        runClass = charClass;
        ++i;
    }
    return i;
}

void CollectStylerSettings(TTokenizerSettings& settings, TVezCustomMemoStyler* styler, bool useStyler,
                           bool caseSensitive)
{
    settings.UseStyler = styler && useStyler;
    settings.Styler = styler;
    settings.CaseSensitive = caseSensitive;
    if (!settings.UseStyler)
        return;
    const TElementStyles& elements = *styler->AllStyles();
    for (int i = 0; i < elements.Count(); ++i) {
        TElementStyle& element = *elements.GetItem(i);
        switch (element.StyleType()) {
        case stSymbol:
            settings.Symbols.push_back({element.SymbolChars(), i});
            settings.Delimiters += element.SymbolChars();
            break;
        case stBracket:
            settings.Brackets.push_back({element.BracketStart(), element.BracketEnd(), i});
            break;
        case stKeyword:
            AddKeywords(settings, element, i, caseSensitive);
            break;
        case stComment:
            settings.CommentElements.push_back({Utf8ToUtf32(element.CommentLeft()),
                                                Utf8ToUtf32(element.CommentRight()),
                                                TVezCustomMemoStyler::CommentStyleIndex(&element, i), i});
            break;
        }
    }
    settings.LineComment = Utf8ToUtf32(styler->LineComment());
    settings.OwnComment = {Utf8ToUtf32(styler->MultiCommentLeft()), Utf8ToUtf32(styler->MultiCommentRight()),
                           -1, 255};
    settings.MultiLineComments = styler->HasMultiLineComments();
    settings.NumberStart = UpperCased(styler->NumericChars() + styler->HexIdentifier());
    settings.NumberChars = UpperCased(styler->NumericChars()) + U"E";
    settings.HexPrefix = UpperCased(styler->HexIdentifier());
    settings.Literal = FirstChar(styler->Literal());
    settings.Escape = FirstChar(styler->EscapeChar());
    settings.KeywordPrefix = FirstChar(styler->KeyWordPrefix());
    settings.CustomDraw = styler->CustomDraw();
}

std::u32string TTokenizerSettings::Signature() const
{
    std::u32string s;
    const auto add = [&s](std::u32string_view part) {
        s += part;
        s += U'\x1F';
    };
    s += UseStyler ? U'S' : U's';
    s += CaseSensitive ? U'C' : U'c';
    s += UrlAware ? U'U' : U'u';
    s += HighlightCaseSensitive ? U'H' : U'h';
    s += CustomDraw ? U'D' : U'd';
    s += MultiLineComments ? U'M' : U'm';
    s += {Literal, Escape, KeywordPrefix, U'\x1F'};
    for (const TBracket& bracket : Brackets)
        s += {bracket.Start, bracket.End, static_cast<char32_t>(bracket.Index)};
    add({});
    for (const TSymbols& symbols : Symbols) {
        s += static_cast<char32_t>(symbols.Index);
        add(symbols.Chars);
    }
    for (const TCommentPair& pair : CommentElements) {
        add(pair.Left);
        add(pair.Right);
    }
    for (std::u32string_view part :
         {std::u32string_view(Delimiters), std::u32string_view(LineComment),
          std::u32string_view(OwnComment.Left), std::u32string_view(OwnComment.Right),
          std::u32string_view(NumberStart), std::u32string_view(NumberChars), std::u32string_view(HexPrefix),
          std::u32string_view(UrlDelimiters), std::u32string_view(Highlight)})
        add(part);
    // The keyword table decides the element index a line ends with.
    std::vector<std::pair<std::u32string, int>> keywords(Keywords.begin(), Keywords.end());
    std::sort(keywords.begin(), keywords.end());
    for (const auto& [word, index] : keywords) {
        s += static_cast<char32_t>(index);
        add(word);
    }
    return s;
}

// --- searching in a segment
// --------------------------------------------------------------------------------

size_t TLineTokenizer::TNextMatch::At(const TLineText& text, std::u32string_view pattern, size_t from,
                                      size_t end, bool upper)
{
    if (pattern.empty() || end - std::min(from, end) < pattern.size())
        return None;
    if (SearchedFrom != None && SearchedFrom <= from && (Found == None || Found >= from))
        return Found;
    SearchedFrom = from;
    Found = None;
    for (size_t p = from; p + pattern.size() <= end; ++p) {
        size_t k = 0;
        while (k < pattern.size() && (upper ? UpperAZ(text[p + k]) : text[p + k]) == pattern[k])
            ++k;
        if (k == pattern.size()) {
            Found = p;
            break;
        }
    }
    return Found;
}

// Where a multi-line comment opens in the segment: the first element whose opener occurs in it wins, then
// the styler's own opener.
TLineTokenizer::TCommentHit TLineTokenizer::CommentStart(size_t start, size_t end)
{
    TCommentHit hit;
    const TTokenizerSettings::TCommentPair& own = settings_.OwnComment;
    if (const size_t at = openers_[0].At(*text_, own.Left, start, end, false); at != None)
        hit = {at, own.Left.size(), own.StyleIndex, own.Kind};
    for (size_t k = 0; k < settings_.CommentElements.size(); ++k) {
        const TTokenizerSettings::TCommentPair& pair = settings_.CommentElements[k];
        if (const size_t at = openers_[k + 1].At(*text_, pair.Left, start, end, false); at != None)
            return {at, pair.Left.size(), pair.StyleIndex, pair.Kind};
    }
    return hit;
}

// Where a comment of kind closes: at its own pair's closer; a comment of no known kind (-1) closes at the
// styler's own closer, or else at the first element's that occurs.
TLineTokenizer::TCommentHit TLineTokenizer::CommentEnd(size_t start, size_t end, int kind)
{
    const TTokenizerSettings::TCommentPair& own = settings_.OwnComment;
    if (kind == -1 || kind == own.Kind)
        if (const size_t at = closers_[0].At(*text_, own.Right, start, end, false); at != None)
            return {at, own.Right.size(), own.StyleIndex, own.Kind};
    for (size_t k = 0; k < settings_.CommentElements.size(); ++k) {
        const TTokenizerSettings::TCommentPair& pair = settings_.CommentElements[k];
        if (kind != -1 && kind != pair.Kind)
            continue;
        if (const size_t at = closers_[k + 1].At(*text_, pair.Right, start, end, false); at != None)
            return {at, pair.Right.size(), pair.StyleIndex, pair.Kind};
    }
    return {};
}

// The first position after i that holds a blank, a semicolon or a symbol character (or the end).
size_t TLineTokenizer::NextWordEnd(size_t i, size_t end)
{
    if (wordEnd_ > i && wordEnd_ <= end)
        return wordEnd_;
    size_t j = i + 1;
    const TLineText& s = *text_;
    while (j < end && s[j] != U' ' && s[j] != U';' && !Contains(settings_.Delimiters, s[j]))
        ++j;
    wordEnd_ = j;
    return j;
}

int TLineTokenizer::KeywordElement(std::u32string_view word) const
{
    const std::u32string key = settings_.CaseSensitive ? std::u32string(word) : LowerCased(word);
    const auto found = settings_.Keywords.find(std::u32string(Trimmed(key)));
    return found == settings_.Keywords.end() ? -1 : found->second;
}

size_t TLineTokenizer::FindHighlight(size_t from) const
{
    if (settings_.HighlightCaseSensitive)
        return text_->find(settings_.Highlight, from);
    return lowerText_.find(LowerCased(settings_.Highlight), from);
}

// --- runs
// ------------------------------------------------------------------------------------------------------

void TLineTokenizer::AddToken(size_t from, size_t to, TStyle& style)
{
    if (style.SameStyle(pendingStyle_)) {
        pending_.append(*text_, from, to - from);
    } else {
        Flush();
        pendingStyle_ = style;
        pending_.assign(*text_, from, to - from);
    }
    style.ClearTokenFlags();
}

void TLineTokenizer::Flush()
{
    if (!pending_.empty())
        sink_.EmitRun(pending_, pendingStyle_);
    pending_.clear();
}

void TLineTokenizer::Line(const TLineText& text, TStyle& style)
{
    text_ = &text;
    lastChar_ = 0;
    afterSign_ = false;
    nextIsDigit_ = false;
    lineComment_ = false;
    pending_.clear();
    pendingStyle_ = style;
    size_t pos = 0;
    if (!settings_.Highlight.empty() && !settings_.HighlightCaseSensitive)
        lowerText_ = LowerCased(text);
    if (!settings_.Highlight.empty())
        for (size_t at = FindHighlight(pos); at != None; at = FindHighlight(pos)) {
            Rest(pos, at, style);
            style.isHighlight = true;
            Segment(at, at + settings_.Highlight.size(), style);
            style.isHighlight = false;
            pos = at + settings_.Highlight.size();
        }
    Rest(pos, text.size(), style);
    Flush();
    if (lineComment_)
        style.DecCommentDepth();
}

// Text between highlight matches: with UrlAware cut into runs of URL delimiters and of other characters
// (the literal character and the one after it join the run they stand in), each run tokenised on its own.
void TLineTokenizer::Rest(size_t begin, size_t end, TStyle& style)
{
    if (!settings_.UrlAware) {
        Segment(begin, end, style);
        return;
    }
    const TLineText& s = *text_;
    const char32_t literal = settings_.UseStyler ? settings_.Literal : 0;
    for (size_t i = begin; i < end;) {
        const size_t next = UrlRunEnd(s, i, end, settings_.UrlDelimiters, literal);
        style.isURL = settings_.IsUrl && settings_.IsUrl(s.substr(i, next - i));
        Segment(i, next, style);
        style.isURL = false;
        i = next;
    }
}

// --- tokens of a segment
// -------------------------------------------------------------------------------------

void TLineTokenizer::Segment(size_t start, size_t end, TStyle& style)
{
    if (start >= end)
        return;
    if (!settings_.UseStyler || (style.isURL && settings_.UrlAware) || style.isHighlight) {
        AddToken(start, end, style);
        return;
    }
    const TLineText& s = *text_;
    TScan scan{start, end, start};
    scan.PrefixSeen = settings_.KeywordPrefix == 0 || s[start] == settings_.KeywordPrefix;
    openers_.assign(settings_.CommentElements.size() + 1, {});
    closers_.assign(settings_.CommentElements.size() + 1, {});
    lineCommentMatch_ = {};
    hexMatch_ = {};
    wordEnd_ = 0;
    using Step = TStep (TLineTokenizer::*)(TScan&, TStyle&);
    static constexpr Step steps[] = {&TLineTokenizer::CommentStep, &TLineTokenizer::StringStep,
                                     &TLineTokenizer::SymbolStep, &TLineTokenizer::NumberStep,
                                     &TLineTokenizer::KeywordStep};
    while (scan.Start < scan.End && scan.I < scan.End) {
        const char32_t c = scan.Char(s);
        if (!scan.PrefixSeen && c == settings_.KeywordPrefix)
            scan.PrefixSeen = true;
        if (!scan.Continue)
            scan.WordStart = scan.I == scan.Start || c == U' ' || settings_.Delimiters.empty() ||
                             Contains(settings_.Delimiters, c);
        scan.Continue = false;
        TStep result = TStep::On;
        for (Step step : steps) {
            result = (this->*step)(scan, style);
            if (result != TStep::On)
                break;
        }
        if (result == TStep::End)
            return;
    }
}

// Multi-line comments, outside strings: an opener that is the segment's first at i opens one; inside one,
// the first closer of its kind ends it, or the rest of the segment is comment.
TLineTokenizer::TStep TLineTokenizer::CommentStep(TScan& scan, TStyle& style)
{
    if (style.isBracket || !settings_.MultiLineComments)
        return TStep::On;
    if (style.isComment <= 0) {
        const TCommentHit hit = CommentStart(scan.Start, scan.End);
        if (hit.At != scan.I)
            return TStep::On;
        style.isComment += 1;
        style.index = hit.StyleIndex;
        style.ctype = hit.Kind;
        AddToken(scan.I, scan.I + hit.Length, style);
        scan.Consume(scan.I + hit.Length);
    } else {
        const TCommentHit hit = CommentEnd(scan.Start, scan.End, style.ctype);
        if (hit.At == None || lineComment_) {
            AddToken(scan.I, scan.End, style);
            return TStep::End;
        }
        AddToken(scan.I, hit.At + hit.Length, style);
        scan.Consume(hit.At + hit.Length);
        style.DecCommentDepth();
        style.ctype = -1;
    }
    if (scan.Start >= scan.End)
        return TStep::End;
    scan.Continue = true;
    return TStep::Next;
}

// Outside comments: a line comment takes the rest of the line; a bracket element's opener starts a string.
TLineTokenizer::TStep TLineTokenizer::StringStep(TScan& scan, TStyle& style)
{
    if (style.isComment != 0)
        return TStep::On;
    const TLineText& s = *text_;
    if (!style.isBracket &&
        lineCommentMatch_.At(s, settings_.LineComment, scan.Start, scan.End, false) == scan.I) {
        style.isComment += 1;
        style.index = -1;
        lineComment_ = true;
        AddToken(scan.I, scan.End, style);
        return TStep::End;
    }
    if (style.isBracket && style.StartBracket != 0)
        return InsideString(scan, style);
    style.EndBracket = style.StartBracket = 0;
    for (const TTokenizerSettings::TBracket& bracket : settings_.Brackets) {
        style.EndBracket = bracket.End;
        style.StartBracket = bracket.Start;
        style.index = bracket.Index;
        if (scan.Char(s) == bracket.Start && lastChar_ != settings_.Escape) {
            style.isBracket = true;
            break;
        }
    }
    if (!style.isBracket)
        return TStep::On;
    AddToken(scan.I, scan.I + 1, style);
    scan.Consume(scan.I + 1);
    return TStep::Next;
}

TLineTokenizer::TStep TLineTokenizer::InsideString(TScan& scan, TStyle& style)
{
    const TLineText& s = *text_;
    const char32_t c = scan.Char(s);
    const char32_t escape = settings_.Escape;
    if (settings_.Literal != 0 && c == settings_.Literal) {
        // The literal character and the one after it stay in the string.
        AddToken(scan.I, scan.I + 1, style);
        scan.Consume(scan.I + 1);
        if (scan.I < scan.End) {
            AddToken(scan.I, scan.I + 1, style);
            scan.Consume(scan.I + 1);
        }
        if (scan.Start >= scan.End)
            return TStep::End;
        scan.Continue = true;
        return TStep::Next;
    }
    const bool escaped = lastChar_ == escape && scan.PrevChar != escape;
    const char32_t after = scan.I + 1 < scan.End ? s[scan.I + 1] : 0;
    const bool closes = c == style.EndBracket ||
                        (style.EndBracket == 0 && settings_.IsDelimiter && settings_.IsDelimiter(after));
    if (closes && !escaped) {
        AddToken(scan.I, scan.I + 1, style);
        scan.Consume(scan.I + 1);
        style.isBracket = false;
        scan.WordStart = false;
        scan.Continue = true;
        return TStep::Next;
    }
    AddToken(scan.I, scan.I + 1, style);
    scan.PrevChar = scan.PrevChar == escape && lastChar_ == escape ? 0 : lastChar_;
    lastChar_ = c;
    ++scan.I;
    if (scan.I < scan.End) {
        scan.Continue = true;
        return TStep::Next;
    }
    // A string that a blank closes ends with its segment; any other stays open into the next.
    if (style.EndBracket == U' ') {
        style.isBracket = false;
        style.StartBracket = style.EndBracket = 0;
    }
    return TStep::End;
}

// A symbol character is a token of its own; a sign before a digit belongs to the number, unless a number
// just ended at it.
TLineTokenizer::TStep TLineTokenizer::SymbolStep(TScan& scan, TStyle& style)
{
    const TLineText& s = *text_;
    for (const TTokenizerSettings::TSymbols& symbols : settings_.Symbols) {
        const char32_t c = scan.Char(s);
        nextIsDigit_ = false;
        if (scan.I + 1 < scan.End && (c == U'+' || c == U'-') && IsDigit(s[scan.I + 1])) {
            if (!afterSign_) {
                nextIsDigit_ = true;
            } else {
                // The digits after it are read as a number in this same round.
                afterSign_ = false;
                style.isdelimiter = true;
                style.index = symbols.Index;
                AddToken(scan.I, scan.I + 1, style);
                scan.Consume(scan.I + 1);
                scan.WordStart = true;
                return TStep::On;
            }
        }
        if (Contains(symbols.Chars, c) && !nextIsDigit_) {
            style.isdelimiter = true;
            style.index = symbols.Index;
            AddToken(scan.I, scan.I + 1, style);
            scan.Consume(scan.I + 1);
            scan.WordStart = true;
            scan.Continue = true;
            return TStep::Next;
        }
    }
    return TStep::On;
}

// A number at a word start: the number characters (with the hexadecimal digits behind a hexadecimal prefix),
// a sign only first, up to a second full stop.
TLineTokenizer::TStep TLineTokenizer::NumberStep(TScan& scan, TStyle& style)
{
    const TLineText& s = *text_;
    if (!scan.WordStart || !Contains(settings_.NumberStart, UpperAZ(scan.Char(s))))
        return TStep::On;
    const size_t i = scan.I;
    const std::u32string& hex = settings_.HexPrefix;
    std::u32string allowed = settings_.NumberChars;
    size_t j = i;
    if (hexMatch_.At(s, hex, scan.Start, scan.End, true) == i) {
        allowed += U"ABCDEF";
        j = i + hex.size();
    }
    size_t firstStop = None;
    size_t numberEnd = None;
    const auto isHexPrefixSoFar = [&] {
        const size_t count = std::min(j - scan.Start + 1, scan.End - i);
        if (hex.empty() || count != hex.size())
            return false;
        for (size_t k = 0; k < count; ++k)
            if (UpperAZ(s[i + k]) != hex[k])
                return false;
        return true;
    };
    for (; j < scan.End && Contains(allowed, UpperAZ(s[j])); ++j) {
        if (isHexPrefixSoFar())
            allowed += U"ABCDEF";
        if (j + 1 < scan.End)
            nextIsDigit_ = IsDigit(s[j + 1]);
        if (j > i && (s[j] == U'+' || s[j] == U'-') && nextIsDigit_) {
            // A sign behind a hexadecimal prefix ends the number; it starts the next one.
            style.isdelimiter = style.iskeyWord = false;
            style.isnumber = true;
            style.DecCommentDepth();
            AddToken(i, j, style);
            scan.Consume(j);
            scan.WordStart = false;
            scan.Continue = true;
            afterSign_ = true;
            return TStep::Next;
        }
        if (s[j] == U'.') {
            if (firstStop != None) {
                numberEnd = firstStop;
                break;
            }
            firstStop = j;
        }
        std::erase(allowed, U'+');
        std::erase(allowed, U'-');
    }
    if (numberEnd == None)
        numberEnd = j;
    if (numberEnd <= i || afterSign_)
        return TStep::On;
    style.isdelimiter = style.iskeyWord = false;
    style.DecCommentDepth();
    const bool signOnly = numberEnd - i == 1 && (s[i] == U'+' || s[i] == U'-');
    style.isnumber = !signOnly;
    AddToken(i, numberEnd, style);
    scan.Consume(numberEnd);
    scan.WordStart = true;
    scan.Continue = true;
    return TStep::Next;
}

// A word at a word start (up to a blank, a semicolon or a symbol character) is one token, coloured when it
// is a keyword; any other character is passed by on its own.
TLineTokenizer::TStep TLineTokenizer::KeywordStep(TScan& scan, TStyle& style)
{
    const TLineText& s = *text_;
    const char32_t c = scan.Char(s);
    const char32_t escape = settings_.Escape;
    scan.PrevChar = scan.PrevChar == escape && lastChar_ == escape ? 0 : lastChar_;
    lastChar_ = c;
    const size_t j = NextWordEnd(scan.I, scan.End);
    if (scan.WordStart || (!settings_.UrlAware && lastChar_ == U' ')) {
        const std::u32string_view word = std::u32string_view(s).substr(scan.I, j - scan.I);
        const int element = scan.PrefixSeen ? KeywordElement(word) : -1;
        if (element >= 0) {
            style.iskeyWord = true;
            style.index = element;
        }
        if (element >= 0 && settings_.CustomDraw) {
            // The styler draws the keyword itself; the runs go on after it.
            Flush();
            pendingStyle_ = style;
            sink_.DrawKeyword(TLineText(word));
            style.ClearTokenFlags();
        } else {
            AddToken(scan.I, j, style);
        }
        scan.Consume(j);
        scan.Continue = true;
        return TStep::Next;
    }
    AddToken(scan.I, scan.I + 1, style);
    scan.PrevChar = lastChar_;
    lastChar_ = c;
    ++scan.I;
    return TStep::Next;
}
