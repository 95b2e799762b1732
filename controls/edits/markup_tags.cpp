#include "controls/edits/markup_tags.h"

#include "controls/edits/markup_chars.h"
#include "controls/edits/markup_text.h"

#include <algorithm>
#include <cstdint>

namespace {

using Kind = TMarkupTagKind;

// The kind of a tag and the number of characters its tests read (where its tag text starts).
struct TRecognised
{
    Kind kind;
    size_t start;
};

class TTagLetters
{
public:
    TTagLetters(std::u32string_view text) : text_(text) {}
    // The character at index folded to upper case; 0 past the end.
    char32_t operator[](size_t index) const { return index < text_.size() ? AsciiUpper(text_[index]) : 0; }
    bool StartsWith(std::u32string_view upper) const { return StartsWithUpper(text_, upper); }

private:
    std::u32string_view text_;
};

TRecognised OpeningTag(const TTagLetters& c)
{
    const char32_t second = c[2];
    switch (c[1]) {
    case U'A':
        return {Kind::Anchor, 2};
    case U'B':
        switch (second) {
        case U'>':
            return {Kind::Bold, 2};
        case U'L':
            return {Kind::Blink, 3};
        case U'O':
            return {Kind::Body, 3};
        case U'R':
            return {Kind::LineBreak, 3};
        }
        return {Kind::Ignored, 3};
    case U'E':
        return {Kind::Error, 2};
    case U'F':
        return {Kind::Font, 5};
    case U'H':
        return {second == U'I' ? Kind::Highlight : second == U'R' ? Kind::Rule : Kind::Ignored, 3};
    case U'I':
        switch (second) {
        case U'>':
            return {Kind::Italic, 2};
        case U'N':
            return {Kind::Indent, 3};
        case U'M':
            return {Kind::Image, 3};
        }
        return {Kind::Ignored, 3};
    case U'L':
        return {Kind::ListItem, 2};
    case U'O':
        return {second == U'L' ? Kind::OrderedList : second == U'F' ? Kind::Offset : Kind::Ignored, 3};
    case U'P':
        return {Kind::Paragraph, 2};
    case U'R':
        return {Kind::Rotation, 2};
    case U'S':
        switch (second) {
        case U'>':
            return {Kind::StrikeOut, 2};
        case U'T': // STRONG or STRIKE
            return {c[4] == U'O' ? Kind::Bold : Kind::StrikeOut, 5};
        case U'H':
            return {Kind::Shadow, 3};
        case U'P':
            return {Kind::Span, 5};
        }
        if (c.StartsWith(U"<SUB>"))
            return {Kind::Subscript, 5};
        if (c.StartsWith(U"<SUP>"))
            return {Kind::Superscript, 5};
        return {Kind::Ignored, 3};
    case U'U':
        return second == U'>' ? TRecognised{Kind::Underline, 2} : TRecognised{Kind::UnorderedList, 3};
    case U'Z':
        return {Kind::Hidden, 2};
    }
    return {Kind::Ignored, 2};
}

Kind ClosingTag(const TTagLetters& c)
{
    const char32_t second = c[3];
    switch (c[2]) {
    case U'A':
        return Kind::AnchorEnd;
    case U'B':
        return second == U'>' ? Kind::BoldEnd : Kind::BlinkOrBodyEnd;
    case U'E':
        return Kind::ErrorEnd;
    case U'F':
        return Kind::FontEnd;
    case U'H':
        return second == U'I' ? Kind::HighlightEnd : Kind::Ignored;
    case U'I':
        return Kind::ItalicEnd;
    case U'L':
        return Kind::ListItemEnd;
    case U'O':
        return Kind::ListOrOffsetEnd;
    case U'P':
        return Kind::ParagraphEnd;
    case U'R':
        return Kind::RotationEnd;
    case U'S':
        switch (second) {
        case U'T': // STRONG or STRIKE
            return c[5] == U'O' ? Kind::BoldEnd : Kind::StrikeOutEnd;
        case U'U':
            return Kind::SubSuperscriptEnd;
        case U'P':
            return Kind::SpanEnd;
        case U'H':
            return Kind::ShadowEnd;
        }
        return Kind::StrikeOutEnd;
    case U'U':
        return Kind::UnderlineOrListEnd;
    case U'Z':
        return Kind::HiddenEnd;
    }
    return Kind::Ignored;
}

struct TParsedNumber
{
    int64_t value = 0;
    bool digits = false;
    size_t end = 0; // where reading stopped
};

TParsedNumber ParseNumber(std::u32string_view value)
{
    TParsedNumber number;
    size_t i = 0;
    while (i < value.size() && value[i] == U' ')
        ++i;
    bool negative = false;
    if (i < value.size() && (value[i] == U'-' || value[i] == U'+'))
        negative = value[i++] == U'-';
    int base = 10;
    if (i < value.size() && (value[i] == U'$' || AsciiUpper(value[i]) == U'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < value.size() && value[i] == U'0' && AsciiUpper(value[i + 1]) == U'X') {
        base = 16;
        i += 2;
    }
    constexpr int64_t limit = int64_t{1} << 40; // far past the 32-bit range; kept there
    for (; i < value.size(); ++i) {
        const int digit = base == 16 ? HexDigitValue(value[i])
                                     : (value[i] >= U'0' && value[i] <= U'9' ? int(value[i] - U'0') : -1);
        if (digit < 0)
            break;
        number.digits = true;
        number.value = std::min(number.value * base + digit, limit);
    }
    number.value = negative ? -number.value : number.value;
    number.end = i;
    return number;
}

int ToInt(int64_t value)
{
    return static_cast<int>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}

} // namespace

TMarkupTag ReadTag(std::u32string_view text)
{
    TMarkupTag tag;
    const size_t close = text.size() < 3 ? std::u32string_view::npos : text.find(U'>');
    if (close == std::u32string_view::npos) {
        tag.Kind = Kind::RestDropped;
        tag.Length = text.size();
        return tag;
    }
    tag.Length = close + 1;
    const TTagLetters letters(text);
    size_t start = 3;
    if (text[1] == U'/' && text.size() >= 4) {
        tag.Kind = ClosingTag(letters);
        tag.ShortClose = letters[3] == U'>';
    } else {
        const TRecognised opening = OpeningTag(letters);
        tag.Kind = opening.kind;
        start = opening.start;
    }
    start = std::min(start, close);
    tag.Text = text.substr(start, close - start);
    return tag;
}

std::u32string ReadAttribute(std::u32string_view tagText, std::u32string_view name, bool keepCase)
{
    const std::u32string written = TagTextAsWritten(tagText);
    const std::u32string upper = AsciiUpper(written);
    const size_t at = upper.find(name);
    if (at == std::u32string::npos)
        return {};
    const size_t open = upper.find(U'"', at);
    const size_t close = open == std::u32string::npos ? open : upper.find(U'"', open + 1);
    if (close == std::u32string::npos)
        return {};
    const std::u32string_view source = keepCase ? std::u32string_view(written) : std::u32string_view(upper);
    return std::u32string(source.substr(open + 1, close - open - 1));
}

std::optional<std::u32string> ReadLooseAttribute(std::u32string_view tagText, std::u32string_view name)
{
    const std::u32string upper = AsciiUpper(TagTextAsWritten(tagText));
    const size_t at = upper.find(name);
    if (at == std::u32string::npos)
        return std::nullopt;
    const size_t equals = upper.find(U'=', at);
    if (equals == std::u32string::npos)
        return std::u32string();
    std::u32string value = upper.substr(equals + 1);
    if (const size_t quote = value.find(U'"'); quote != std::u32string::npos)
        value.erase(0, quote + 1);
    return value;
}

bool HasAttribute(std::u32string_view tagText, std::u32string_view name)
{
    return AsciiUpper(tagText).find(name) != std::u32string::npos;
}

int MarkupNumber(std::u32string_view value)
{
    return ToInt(ParseNumber(value).value);
}

std::optional<int> MarkupWholeNumber(std::u32string_view value)
{
    const TParsedNumber number = ParseNumber(value);
    if (!number.digits || number.end != value.size())
        return std::nullopt;
    return ToInt(number.value);
}

double MarkupFraction(std::u32string_view value)
{
    size_t i = 0;
    bool negative = false;
    if (i < value.size() && (value[i] == U'-' || value[i] == U'+'))
        negative = value[i++] == U'-';
    const auto isDigit = [&](size_t at) {
        return at < value.size() && value[at] >= U'0' && value[at] <= U'9';
    };
    double number = 0;
    for (; isDigit(i) && number < 1e9; ++i)
        number = number * 10 + static_cast<int>(value[i] - U'0');
    if (i < value.size() && (value[i] == U'.' || value[i] == U','))
        for (double scale = 0.1; isDigit(++i); scale /= 10)
            number += static_cast<int>(value[i] - U'0') * scale;
    return negative ? -number : number;
}
