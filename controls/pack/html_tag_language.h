#pragma once

#include "support/basic_types.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

// The HTML-like label's tag language and its tokenizer: tags in angle brackets with an optional parameter
// after the first colon ("<fs:14>", "<a:https://example.org>"), closing tags with a leading slash, words
// with character entities, blanks, and carriage-return line-feed pairs as line breaks. Whatever is
// malformed becomes an invalid token, which the label shows as "<?>".

enum TTokenKind
{
    ttInvalid,
    ttBold,
    ttItalic,
    ttUnderline,
    ttStrike,
    ttFontName,
    ttFontSize,
    ttFontColor,
    ttBackColor,
    ttTab,
    ttTabF,
    ttSpace,
    ttBreak,
    ttText,
    ttLink,
    ttAlignLeft,
    ttAlignCenter,
    ttAlignRight,
    ttHorizontalLine,
    ttHeader1,
    ttHeader2,
    ttHeader3,
    ttLineColor,
    ttListItem,
    ttListItem2,
    ttImage,
    ttBodyBackgroundColor,
    ttSubscript,
    ttSuperscript,
    ttLine
};

struct TToken
{
    TTokenKind Kind = ttInvalid;
    bool TagClose = false; // written with a leading "/"
    // A word (entities decoded) or one slash; one blank; the parameter of "FN", "A", "LI", "LI2", "IMG".
    std::string Text;
    // The number of "FS", "T", "TF", "HR"; the colour of "FC", "BC", "LC", "BBC", "LN". 0 when closing.
    int32_t Value = 0;
};

class TListToken
{
public:
    int Count() const { return static_cast<int>(tokens_.size()); }
    const TToken& Items(int index) const { return tokens_[static_cast<size_t>(index)]; }
    void Add(TToken token) { tokens_.push_back(std::move(token)); }
    void Clear() { tokens_.clear(); }
    // The text of the link that ends at token end: the words and blanks back to the nearest link token.
    std::string GetLinkText(int end) const;

private:
    std::vector<TToken> tokens_;
};

// Appends the tokens of text to list.
void ScanMarkupText(std::string_view text, TListToken& list);
// Reads one tag's content (what stands between "<" and ">"); false, and nothing added, when it is no tag.
bool ScanTag(std::string_view content, TListToken& list);
