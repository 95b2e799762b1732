#pragma once

#include <optional>
#include <string>
#include <string_view>

// The tags of the label markup. A tag runs from "<" to the first ">" after it and is recognised by one or
// two of its first letters (case folded for a..z only); the rest of its name is ignored, so any tag text
// that passes the same tests has the same effect. Attributes are found as substrings of the upper-cased
// tag text and their values between the first two double quotes after the name.

enum class TMarkupTagKind
{
    Ignored,     // no row of the tables: removed without effect
    RestDropped, // a "<" too near the end, or without any ">" after it: the rest of the text goes
    // Opening tags.
    Anchor,
    Bold,
    Blink,
    Body,
    LineBreak,
    Error,
    Font,
    Highlight,
    Rule,
    Italic,
    Indent,
    Image,
    ListItem,
    OrderedList,
    Offset,
    Paragraph,
    Rotation,
    StrikeOut,
    Shadow,
    Span,
    Subscript,
    Superscript,
    Underline,
    UnorderedList,
    Hidden,
    // Closing tags.
    AnchorEnd,
    BoldEnd,
    BlinkOrBodyEnd,
    ErrorEnd,
    FontEnd,
    HighlightEnd,
    ItalicEnd,
    ListItemEnd,
    ListOrOffsetEnd, // the engine decides by ShortClose and whether a list is open
    ParagraphEnd,
    RotationEnd,
    StrikeOutEnd,
    SubSuperscriptEnd,
    SpanEnd,
    ShadowEnd,
    UnderlineOrListEnd, // likewise
    HiddenEnd
};

struct TMarkupTag
{
    TMarkupTagKind Kind = TMarkupTagKind::Ignored;
    // From after the letters the tests read up to the first ">"; attributes are read from it.
    std::u32string_view Text;
    // Code points from "<" through the first ">" (the rest of the text for RestDropped).
    size_t Length = 0;
    // A closing tag of three letters ("</U>", "</O>"): its fourth character is ">".
    bool ShortClose = false;
};

// The tag at the head of text, which starts with "<".
TMarkupTag ReadTag(std::u32string_view text);

// The value of the first occurrence of name (upper case, found anywhere in the upper-cased tag text):
// the text between the first two double quotes from the name on; empty without them. keepCase takes the
// value as written instead of upper-cased. An "&amp;" in a value reads as "&&", as in the prepared text.
std::u32string ReadAttribute(std::u32string_view tagText, std::u32string_view name, bool keepCase = false);
// The value after name's "=", past the first double quote there when there is one (so that an unquoted
// number reads too); nullopt when the name is absent.
std::optional<std::u32string> ReadLooseAttribute(std::u32string_view tagText, std::u32string_view name);
// True when the upper-cased tag text holds name.
bool HasAttribute(std::u32string_view tagText, std::u32string_view name);

// The leading number of a value as the platform's integer parsing reads it: blanks, a sign, decimal
// digits or hexadecimal ones after "$", "0x" or "x"; 0 without digits; limited to the 32-bit range.
int MarkupNumber(std::u32string_view value);
// The number when the whole value is one, else nullopt.
std::optional<int> MarkupWholeNumber(std::u32string_view value);
// A decimal fraction: "," reads as ".", the leading number counts, 0 without one.
double MarkupFraction(std::u32string_view value);
