#pragma once

#include "controls/memo/line_prop.h"
#include "controls/memo/line_text.h"

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class TVezCustomMemoStyler;

// What the tokeniser knows of the styler and the memo, gathered once before a paint, an export or a scan
// of line states: the element lists as code points, the keyword table, the comment pairs and the memo's
// switches that decide where runs begin.
struct TTokenizerSettings
{
    struct TBracket
    {
        char32_t Start;
        char32_t End;
        int Index;
    };
    struct TSymbols
    {
        std::u32string Chars;
        int Index;
    };
    struct TCommentPair
    {
        std::u32string Left;
        std::u32string Right;
        int StyleIndex; // -1: the styler's comment style
        int Kind;       // 255: the styler's own pair, else the element's index
    };

    bool UseStyler = false; // a styler is in use: without one every segment is one run
    const TVezCustomMemoStyler* Styler = nullptr;
    std::u32string Delimiters; // the characters of every symbol element: where words start
    std::vector<TBracket> Brackets;
    std::vector<TSymbols> Symbols;
    // Keyword (lower-cased unless CaseSensitive) to the first keyword element that lists it.
    std::unordered_map<std::u32string, int> Keywords;
    bool CaseSensitive = false;
    std::u32string LineComment;
    TCommentPair OwnComment{{}, {}, -1, 255};
    std::vector<TCommentPair> CommentElements;
    bool MultiLineComments = false;
    std::u32string NumberStart; // characters that may start a number (upper-cased)
    std::u32string NumberChars; // characters of a number (upper-cased), "E" included
    std::u32string HexPrefix;   // upper-cased
    char32_t Literal = 0;
    char32_t Escape = 0;
    char32_t KeywordPrefix = 0; // 0: keywords are coloured from the segment's start
    bool CustomDraw = false;
    bool UrlAware = false;
    std::u32string UrlDelimiters;
    std::u32string Highlight;
    bool HighlightCaseSensitive = true;
    std::function<bool(const TLineText&)> IsUrl;
    std::function<bool(char32_t)> IsDelimiter;

    // Everything above that decides a line's end state, as one text: line states computed under other
    // settings are computed again.
    std::u32string Signature() const;
};

// Gathers the settings of a styler (nullptr, or useStyler False: none in use).
void CollectStylerSettings(TTokenizerSettings& settings, TVezCustomMemoStyler* styler, bool useStyler,
                           bool caseSensitive);

// The end of the URL run that starts at from: runs alternate between URL delimiters and other characters,
// and the literal character (0: none) joins the run it stands in together with the character after it.
size_t UrlRunEnd(const TLineText& text, size_t from, size_t end, std::u32string_view delimiters,
                 char32_t literal);

// What becomes of the runs: pixels, HTML, RTF, list items, or nothing while only states are wanted.
class TRunSink
{
public:
    virtual ~TRunSink() = default;
    virtual void EmitRun(const TLineText& text, const TStyle& style) = 0;
    // A keyword that the styler draws itself (CustomDraw).
    virtual void DrawKeyword(const TLineText&) {}
};

// Cuts lines into runs of one style: highlight matches and URL runs first, then comments, strings,
// symbols, numbers and keywords, neighbouring tokens of the same style merged. The state carried from line
// to line (open comments and strings) travels in the TStyle passed in.
class TLineTokenizer
{
public:
    TLineTokenizer(const TTokenizerSettings& settings, TRunSink& sink) : settings_(settings), sink_(sink) {}

    // Tokenises one line starting in style; style is left as the next line starts.
    void Line(const TLineText& text, TStyle& style);

private:
    // The first occurrence of a pattern at or after a position of the segment, searched again only when
    // the segment's start has passed it.
    struct TNextMatch
    {
        size_t Found = 0;
        size_t SearchedFrom = std::u32string::npos;
        size_t At(const TLineText& text, std::u32string_view pattern, size_t from, size_t end, bool upper);
    };
    struct TCommentHit
    {
        size_t At = std::u32string::npos;
        size_t Length = 0;
        int StyleIndex = -1;
        int Kind = -1;
    };

    // Where the scan of a segment stands. Start is where the segment's unconsumed text begins: what lies
    // before i was added already, and a token taken at i consumes the segment up to its end.
    struct TScan
    {
        size_t Start;
        size_t End;
        size_t I;
        bool WordStart = true;
        bool Continue = false; // a step took a token: the later steps wait for the next round
        bool PrefixSeen = true;
        char32_t PrevChar = 0;
        void Consume(size_t to) { Start = I = to; }
        char32_t Char(const TLineText& text) const { return text[I]; }
    };
    // What a step leaves: the next round, the segment's end, or the next step.
    enum class TStep
    {
        Next,
        End,
        On
    };

    void Rest(size_t begin, size_t end, TStyle& style);
    void Segment(size_t start, size_t end, TStyle& style);
    TStep CommentStep(TScan& scan, TStyle& style);
    TStep StringStep(TScan& scan, TStyle& style);
    TStep InsideString(TScan& scan, TStyle& style);
    TStep SymbolStep(TScan& scan, TStyle& style);
    TStep NumberStep(TScan& scan, TStyle& style);
    TStep KeywordStep(TScan& scan, TStyle& style);
    void AddToken(size_t from, size_t to, TStyle& style);
    void Flush();
    TCommentHit CommentStart(size_t start, size_t end);
    TCommentHit CommentEnd(size_t start, size_t end, int kind);
    size_t NextWordEnd(size_t i, size_t end);
    int KeywordElement(std::u32string_view word) const;
    size_t FindHighlight(size_t from) const;

    const TTokenizerSettings& settings_;
    TRunSink& sink_;
    const TLineText* text_ = nullptr;
    TLineText lowerText_; // the line lower-cased, to find the highlight text in without regard to case
    TLineText pending_;
    TStyle pendingStyle_;
    // For the whole line:
    char32_t lastChar_ = 0;
    bool afterSign_ = false;
    bool nextIsDigit_ = false;
    bool lineComment_ = false;
    // For the segment:
    std::vector<TNextMatch> openers_;
    std::vector<TNextMatch> closers_;
    TNextMatch lineCommentMatch_;
    TNextMatch hexMatch_;
    size_t wordEnd_ = 0;
};
