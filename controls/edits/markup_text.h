#pragma once

#include "support/markup_escape.h" // EscapeMarkup: any text as markup that shows it as it is

#include <string>
#include <string_view>

// The text side of the label markup: the passes that prepare a text for the layout engine, the text runs it
// takes from the head of the text, the plain text of a markup, and the escaping that lets any text stand in
// a markup as it is written.

// What "&amp;" becomes in a prepared text: a code point beyond Unicode, so that no text can hold it, which
// the drawing shows as one "&" whatever the prefix handling; a lone "&" keeps its meaning beside it.
constexpr char32_t EscapedAmpersand = 0x110026;

struct TPreparedMarkup
{
    std::u32string Text;
    // On: "&&" shows one "&" and a lone "&" underlines the next character. Off when the text holds " & ".
    bool PrefixHandling = true;
    bool EndEllipsis = false;
};

// The entity pass (one pass from left to right, so that a decoded entity is never read again), the hash-tag
// pass ("<#name>" becomes "#name") and the line-break pass (CR becomes "<BR>", LF goes).
TPreparedMarkup PrepareMarkup(std::string_view markup, bool ellipsis);

struct TMarkupRun
{
    std::u32string Text; // with "&nbsp;", "&lt;" and "&gt;" replaced
    size_t SourceLength = 0;
};

// The text run at the head of text: everything up to the next "<"; with word wrap only up to and with the
// first space in it. An "&&" pair is passed over as it stands.
TMarkupRun NextRun(std::u32string_view text, bool wordWrap);

// A run's text as it goes to the text drawing: each escaped ampersand as "&&" while prefix handling is on
// and as "&" while it is off, so that it shows as one "&" either way.
std::string DrawnRunText(std::u32string_view run, bool prefixHandling);

// A tag's text with each escaped ampersand back as "&&", as attribute values read it.
std::u32string TagTextAsWritten(std::u32string_view tagText);

// The markup's plain text: "<BR>" and "<HR>" become CR LF, hidden sections ("<z>".."</z>", then
// "<Z>".."</Z>") go, tags go; entities stay.
std::string StripMarkup(std::string_view markup);
