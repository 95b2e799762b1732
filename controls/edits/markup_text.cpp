#include "controls/edits/markup_text.h"

#include "controls/edits/markup_chars.h"
#include "support/utf8.h"

#include <vector>

namespace {

struct TEntity
{
    std::u32string_view name; // upper case
    std::u32string_view replacement;
};

constexpr char32_t EscapedAmpersandText[] = {EscapedAmpersand, 0};

constexpr TEntity PreparedEntities[] = {
    {U"&AMP;", EscapedAmpersandText}, {U"&QUOT;", U"\""},      {U"&SECT;", U"\u00A7"},
    {U"&PERMIL;", U"\u2030"},         {U"&REG;", U"\u00AE"},   {U"&COPY;", U"\u00A9"},
    {U"&PARA;", U"\u00B6"},           {U"&TRADE;", U"\u2122"}, {U"&EURO;", U"\u20AC"},
};

constexpr TEntity RunEntities[] = {{U"&NBSP;", U" "}, {U"&LT;", U"<"}, {U"&GT;", U">"}};

// Replaces the entities of the table in one pass from the left; with skipPairs an "&&" is copied as it is.
template <size_t N>
std::u32string DecodeEntities(std::u32string_view text, const TEntity (&entities)[N], bool skipPairs)
{
    std::u32string decoded;
    decoded.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        if (text[i] != U'&') {
            decoded += text[i++];
            continue;
        }
        if (skipPairs && i + 1 < text.size() && text[i + 1] == U'&') {
            decoded += U"&&";
            i += 2;
            continue;
        }
        const TEntity* found = nullptr;
        for (const TEntity& entity : entities)
            if (StartsWithUpper(text.substr(i), entity.name))
                found = &entity;
        if (found) {
            decoded += found->replacement;
            i += found->name.size();
        } else {
            decoded += text[i++];
        }
    }
    return decoded;
}

// "<#name>" becomes "#name": each "<#" loses its "<" and the first ">" after it that is still there,
// also where taking a "<" out makes a new "<#" of the characters on both sides.
std::u32string RemoveHashTagBrackets(std::u32string_view text)
{
    std::u32string out;
    out.reserve(text.size());
    std::vector<bool> dropped(text.size(), false);
    size_t nextClose = 0; // where the search for the next ">" to drop goes on
    const auto dropNextClose = [&](size_t after) {
        nextClose = std::max(nextClose, after);
        while (nextClose < text.size() && text[nextClose] != U'>')
            ++nextClose;
        if (nextClose < text.size())
            dropped[nextClose++] = true;
    };
    for (size_t i = 0; i < text.size(); ++i) {
        if (dropped[i])
            continue;
        if (text[i] == U'<' && i + 1 < text.size() && text[i + 1] == U'#') {
            dropNextClose(i + 1);
            continue;
        }
        if (text[i] == U'#' && !out.empty() && out.back() == U'<') {
            out.pop_back();
            dropNextClose(i + 1);
        }
        out += text[i];
    }
    return out;
}

std::u32string ExpandLineBreaks(std::u32string_view text)
{
    std::u32string out;
    out.reserve(text.size());
    for (char32_t c : text) {
        if (c == U'\r')
            out += U"<BR>";
        else if (c != U'\n')
            out += c;
    }
    return out;
}

// The text from the first occurrence of open through the next close goes; without close, the rest goes.
std::string RemoveSections(std::string text, std::string_view open, std::string_view close)
{
    for (size_t at = text.find(open); at != std::string::npos; at = text.find(open, at)) {
        const size_t end = text.find(close, at + open.size());
        text.erase(at, end == std::string::npos ? std::string::npos : end + close.size() - at);
    }
    return text;
}

std::string ReplaceIgnoringCase(std::string_view text, std::string_view upperOld, std::string_view newText)
{
    std::string out;
    for (size_t i = 0; i < text.size();) {
        if (AsciiUpperCase(text.substr(i, upperOld.size())) == upperOld) {
            out += newText;
            i += upperOld.size();
        } else {
            out += text[i++];
        }
    }
    return out;
}

std::u32string ReplaceEscapedAmpersands(std::u32string_view text, std::u32string_view ampersand)
{
    std::u32string out;
    out.reserve(text.size());
    for (const char32_t c : text) {
        if (c == EscapedAmpersand)
            out += ampersand;
        else
            out += c;
    }
    return out;
}

} // namespace

TPreparedMarkup PrepareMarkup(std::string_view markup, bool ellipsis)
{
    TPreparedMarkup prepared;
    prepared.PrefixHandling = markup.find(" & ") == std::string_view::npos;
    prepared.EndEllipsis = ellipsis;
    std::u32string text = Utf8ToUtf32(markup);
    if (text.find(U'&') != std::u32string::npos)
        text = DecodeEntities(text, PreparedEntities, false);
    prepared.Text = ExpandLineBreaks(RemoveHashTagBrackets(text));
    return prepared;
}

TMarkupRun NextRun(std::u32string_view text, bool wordWrap)
{
    // Up to the next "<", or with word wrap up to and with a space before it: read no further than that.
    size_t end = 0;
    while (end < text.size() && text[end] != U'<') {
        const bool space = text[end++] == U' ';
        if (wordWrap && space)
            break;
    }
    const std::u32string_view source = text.substr(0, end);
    return {DecodeEntities(source, RunEntities, true), source.size()};
}

std::string DrawnRunText(std::u32string_view run, bool prefixHandling)
{
    return Utf32ToUtf8(ReplaceEscapedAmpersands(run, prefixHandling ? U"&&" : U"&"));
}

std::u32string TagTextAsWritten(std::u32string_view tagText)
{
    return ReplaceEscapedAmpersands(tagText, U"&&");
}

std::string StripMarkup(std::string_view markup)
{
    std::string text = ReplaceIgnoringCase(ReplaceIgnoringCase(markup, "<BR>", "\r\n"), "<HR>", "\r\n");
    text = RemoveSections(RemoveSections(std::move(text), "<z>", "</z>"), "<Z>", "</Z>");
    std::string plain;
    for (size_t i = 0; i < text.size();) {
        const size_t open = text.find('<', i);
        const size_t close = open == std::string::npos ? open : text.find('>', open);
        if (close == std::string::npos) {
            plain.append(text, i);
            break;
        }
        plain.append(text, i, open - i);
        i = close + 1;
    }
    return plain;
}
