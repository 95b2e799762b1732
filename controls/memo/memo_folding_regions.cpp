#include "controls/memo/memo_folding.h"

#include "controls/memo/memo_styler.h"
#include "platform/gui/core/strings.h"
#include "support/text_routines.h"

#include <algorithm>

#include <optional>
#include <unordered_map>

// Finding regions in a text by a styler's region rules. Each line is upper-cased and trimmed, freed of its
// comments and cut into tokens; each token is matched against the rules in order, the first match deciding.
// Rules whose identifier is not their start token (a procedure header, whose body starts at a later begin)
// keep their header pending until the body's start token shows up.

namespace {

// Upper-cased (the letters a to z only) and trimmed.
TLineText UpperTrimmed(const std::string& text)
{
    return DecodeLine(UpperTrim(text));
}

// Without the blanks and control characters (codes below 33) at both ends.
TLineText TrimBlanks(const TLineText& text)
{
    size_t first = 0;
    size_t last = text.size();
    while (first < last && text[first] < 33)
        ++first;
    while (last > first && text[last - 1] < 33)
        --last;
    return text.substr(first, last - first);
}

// 1-based position of what in text, 0 when absent or empty.
int PositionOf(const TLineText& text, const TLineText& what)
{
    if (what.empty())
        return 0;
    const size_t at = text.find(what);
    return at == TLineText::npos ? 0 : static_cast<int>(at) + 1;
}

// Removes count characters from the 1-based position; nothing when count is not positive.
void Remove(TLineText& text, int position, int count)
{
    if (count <= 0 || position < 1 || position > static_cast<int>(text.size()))
        return;
    text.erase(static_cast<size_t>(position - 1), static_cast<size_t>(count));
}

// The first count characters.
void Keep(TLineText& text, int count)
{
    text.resize(std::min(text.size(), static_cast<size_t>(std::max(count, 0))));
}

bool IsSeparator(char32_t ch)
{
    return ch == U';' || ch == U':';
}

struct TRule
{
    TRegionType Type;
    TLineText Identifier;
    TLineText Start;
    TLineText End;
};

// A header waiting for its body: its line and rule.
struct TPending
{
    int Line;
    int Rule;
};

struct TRegionRecord
{
    int Start;
    int Rule;
    std::optional<int> End; // set once the region is closed
};

// Records of one kind of rule, at most one for a start line.
class TRegionList
{
public:
    // A start line that has an open record gives it the new rule; one whose record is closed already keeps
    // it as it is.
    void Add(int start, int rule)
    {
        if (const auto found = byStart_.find(start); found != byStart_.end()) {
            TRegionRecord& record = records_[found->second];
            if (!record.End)
                record.Rule = rule;
            return;
        }
        byStart_.emplace(start, records_.size());
        records_.push_back({start, rule, std::nullopt});
    }
    bool Empty() const { return records_.empty(); }
    TRegionRecord& Last() { return records_.back(); }
    // The newest record still open that closes with end; none when no such record exists.
    TRegionRecord* LastOpenClosedBy(const TLineText& end, const std::vector<TRule>& rules)
    {
        for (auto record = records_.rbegin(); record != records_.rend(); ++record)
            if (!record->End && rules[static_cast<size_t>(record->Rule)].End == end)
                return &*record;
        return nullptr;
    }
    std::vector<TRegionRecord>& Records() { return records_; }

private:
    std::vector<TRegionRecord> records_;
    std::unordered_map<int, size_t> byStart_;
};

class TRegionFinder
{
public:
    explicit TRegionFinder(const TVezCustomMemoStyler& styler);
    std::vector<TFoldRegion> Find(const TStrings& lines);

private:
    std::vector<TLineText> Tokens(TLineText text);
    void StripComments(TLineText& text, std::vector<TLineText>& tokens);
    void LeadingWord(const TLineText& text, std::vector<TLineText>& tokens) const;
    void Split(TLineText text, std::vector<TLineText>& tokens) const;
    bool IsRuleWord(const TLineText& word) const;
    bool IsDelimiter(char32_t ch) const { return delimiters_.find(ch) != TLineText::npos; }
    bool IsCommentRight(char32_t ch) const { return commentRight_.size() == 1 && ch == commentRight_[0]; }
    int CommentStart(const TLineText& text) const;
    int CommentEnd(const TLineText& text) const;
    // Matches a token against one rule; true when the rule decided and no further rule is tried.
    bool MatchRule(int line, const TLineText& token, int rule);
    void Identifier(int line, int rule);
    void BodyStart();
    void BodyEnd(int line, const TLineText& token);
    void ClearPending();

    const TVezCustomMemoStyler& styler_;
    std::vector<TRule> rules_;
    TLineText delimiters_; // characters that make tokens of their own
    TLineText lineComment_;
    TLineText commentRight_;
    bool inComment_ = false; // a block comment runs on from an earlier line
    int nesting_ = 0;        // start tokens inside a pending header's body not closed yet
    std::optional<TPending> pendingA_;
    std::optional<TPending> pendingB_;
    bool pendingBPushed_ = false; // B's region has been opened by its body's start token
    TRegionList closed_;
    TRegionList open_;
    TRegionList file_;
};

TRegionFinder::TRegionFinder(const TVezCustomMemoStyler& styler)
    : styler_(styler), lineComment_(DecodeLine(styler.LineComment())),
      commentRight_(DecodeLine(styler.MultiCommentRight()))
{
    const TRegionDefinitions& definitions = *styler.RegionDefinitions();
    for (int i = 0; i < definitions.Count(); ++i) {
        const TRegionDefinition& rule = *definitions.GetItem(i);
        rules_.push_back({rule.RegionType(), UpperTrimmed(rule.Identifier()),
                          UpperTrimmed(rule.RegionStart()), UpperTrimmed(rule.RegionEnd())});
    }
    const TElementStyles& styles = *styler.AllStyles();
    for (int i = 0; i < styles.Count(); ++i)
        if (styles.GetItem(i)->StyleType() == stSymbol)
            delimiters_ += DecodeLine(styles.GetItem(i)->Symbols());
    for (const char32_t brace : {U'{', U'}'})
        if (!IsDelimiter(brace))
            delimiters_ += brace;
    // Tokens made with these stay whole.
    std::erase_if(delimiters_, [](char32_t ch) { return ch == U'<' || ch == U'>' || ch == U'/'; });
}

std::vector<TFoldRegion> TRegionFinder::Find(const TStrings& lines)
{
    for (int line = 0; line < lines.Count(); ++line)
        for (const TLineText& token : Tokens(UpperTrimmed(lines.Get(line))))
            for (int rule = 0; rule < static_cast<int>(rules_.size()); ++rule)
                if (MatchRule(line, token, rule))
                    break;
    std::vector<TFoldRegion> regions;
    for (const TRegionRecord& record : closed_.Records())
        if (record.End && rules_[static_cast<size_t>(record.Rule)].Type != rtIgnore)
            regions.push_back({record.Start, *record.End});
    const int last = lines.Count() - 1;
    for (const TRegionRecord& record : open_.Records())
        regions.push_back({record.Start, record.End.value_or(last)});
    for (const TRegionRecord& record : file_.Records())
        regions.push_back({record.Start, last});
    return regions;
}

bool TRegionFinder::MatchRule(int line, const TLineText& token, int rule)
{
    const TRule& r = rules_[static_cast<size_t>(rule)];
    const bool closedKind = r.Type == rtClosed || r.Type == rtIgnore;
    if (token == r.Identifier) {
        Identifier(line, rule);
        return closedKind;
    }
    if (!closedKind)
        return false;
    if (token == r.Start) {
        BodyStart();
        return true;
    }
    if (token == r.End) {
        BodyEnd(line, token);
        return true;
    }
    return false;
}

void TRegionFinder::Identifier(int line, int rule)
{
    const TRule& r = rules_[static_cast<size_t>(rule)];
    switch (r.Type) {
    case rtOpen:
        // An open region runs up to the next open region.
        if (!open_.Empty() && line > 0)
            open_.Last().End = line - 1;
        open_.Add(line, rule);
        break;
    case rtFile:
        file_.Add(line, rule);
        break;
    default:
        if (r.Identifier == r.Start) {
            closed_.Add(line, rule);
        } else if (!pendingA_) {
            pendingA_ = TPending{line, rule};
        } else {
            if (pendingB_)
                pendingA_ = pendingB_;
            pendingB_ = TPending{line, rule};
        }
        break;
    }
}

void TRegionFinder::BodyStart()
{
    if (nesting_ == 0 && pendingB_ && !pendingBPushed_) {
        closed_.Add(pendingB_->Line, pendingB_->Rule);
        pendingBPushed_ = true;
    } else if (nesting_ == 0 && pendingA_ && !pendingBPushed_) {
        closed_.Add(pendingA_->Line, pendingA_->Rule);
        ClearPending();
    } else {
        ++nesting_;
    }
}

void TRegionFinder::BodyEnd(int line, const TLineText& token)
{
    if (nesting_ > 0) {
        --nesting_;
        return;
    }
    TRegionRecord* record = closed_.LastOpenClosedBy(token, rules_);
    if (!record) {
        // An end that closes nothing (the end of a type declaration): the pending headers had no body.
        ClearPending();
        return;
    }
    record->End = line;
    if (pendingB_ && pendingBPushed_ && record->Start == pendingB_->Line) {
        pendingB_.reset();
        pendingBPushed_ = false;
    }
}

void TRegionFinder::ClearPending()
{
    pendingA_.reset();
    pendingB_.reset();
    pendingBPushed_ = false;
}

// --- tokens of a line
// -----------------------------------------------------------------------------------------

int TRegionFinder::CommentStart(const TLineText& text) const
{
    int length = 0, style = 0, kind = 0;
    return styler_.FindCommentStart(text, length, style, kind);
}

int TRegionFinder::CommentEnd(const TLineText& text) const
{
    int length = 0, style = 0, kind = 0;
    return styler_.FindCommentEnd(text, length, style, kind);
}

std::vector<TLineText> TRegionFinder::Tokens(TLineText text)
{
    std::vector<TLineText> tokens;
    if (inComment_) {
        const int end = CommentEnd(text);
        if (end == 0)
            return tokens;
        inComment_ = false;
        Remove(text, 1, end);
    } else {
        StripComments(text, tokens);
    }
    Split(std::move(text), tokens);
    return tokens;
}

// Cuts the comments out of a line that does not start inside one. A block comment that closes on its line
// is checked first for a leading region word, so that region markers written as comments still count.
void TRegionFinder::StripComments(TLineText& text, std::vector<TLineText>& tokens)
{
    const int open = CommentStart(text);
    const int lineComment = PositionOf(text, lineComment_);
    if (open > 0 && lineComment > 0 && open < lineComment) {
        const int close = CommentEnd(text);
        if (close == 0) {
            inComment_ = true;
            Keep(text, open - 1);
            return;
        }
        Remove(text, open, close - open);
        if (const int at = PositionOf(text, lineComment_); at > 0)
            Keep(text, at - 1);
    } else if (lineComment > 0) {
        Keep(text, lineComment - 1);
    } else if (open > 0) {
        const int close = CommentEnd(text);
        if (close == 0) {
            inComment_ = true;
            Keep(text, open - 1);
            return;
        }
        LeadingWord(text, tokens);
        Remove(text, open, close - open + 1);
    }
}

void TRegionFinder::LeadingWord(const TLineText& text, std::vector<TLineText>& tokens) const
{
    const int length = static_cast<int>(text.size());
    int i = 1;
    while (i <= length) {
        const char32_t ch = text[static_cast<size_t>(i - 1)];
        if (ch == U' ' || IsSeparator(ch) || IsCommentRight(ch))
            break;
        ++i;
    }
    TLineText word = TrimBlanks(text.substr(0, static_cast<size_t>(std::min(i, length))));
    if (IsRuleWord(word)) {
        tokens.push_back(word);
        return;
    }
    if (i > length || word.empty())
        return;
    word.pop_back();
    const bool separatorOrBlank = (word.size() == 1 && IsSeparator(word[0])) || TrimBlanks(word).empty();
    if (!separatorOrBlank && IsRuleWord(word))
        tokens.push_back(word);
}

bool TRegionFinder::IsRuleWord(const TLineText& word) const
{
    if (word.empty())
        return false;
    for (const TRule& rule : rules_)
        if (word == rule.Identifier || word == rule.Start || word == rule.End)
            return true;
    return false;
}

// A token runs up to a blank, ";", ":" or a delimiter; a delimiter is a token of its own, and ";" and ":"
// only separate.
void TRegionFinder::Split(TLineText text, std::vector<TLineText>& tokens) const
{
    while (!text.empty()) {
        const bool single = IsSeparator(text[0]) || IsDelimiter(text[0]);
        size_t end = 1;
        while (!single && end < text.size() && text[end] != U' ' && !IsSeparator(text[end]) &&
               !IsDelimiter(text[end]))
            ++end;
        const TLineText word = text.substr(0, end);
        if (!(word.size() == 1 && IsSeparator(word[0])) && !TrimBlanks(word).empty())
            tokens.push_back(TrimBlanks(word));
        text.erase(0, end);
        if (!text.empty() && IsSeparator(text[0]))
            text.erase(0, 1);
    }
}

} // namespace

std::vector<TFoldRegion> FindFoldRegions(const TStrings& lines, const TVezCustomMemoStyler& styler)
{
    return TRegionFinder(styler).Find(lines);
}
