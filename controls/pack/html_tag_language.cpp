#include "controls/pack/html_tag_language.h"

#include "controls/pack/html_entities.h"
#include "controls/pack/html_tag_colors.h"
#include "support/number_conversion.h"
#include "support/utf8.h"

#include <optional>

namespace {

// What a tag's parameter may be.
enum class TParameter
{
    None,     // no colon allowed
    Ignored,  // anything, or nothing
    Optional, // as written; a colon with nothing after it is no tag
    Text,     // as written, possibly empty
    Required, // as written, not empty
    Number,   // as written; 0 when it is not a number
    Positive, // a number above 0
    Color,    // a colour
    LineColor // a colour, black when there is none
};

struct TTagRule
{
    std::string_view Name;
    TTokenKind Kind;
    TParameter Parameter;
    bool MayClose; // a closing form is a token
};

// In the order names are tried.
constexpr TTagRule TagRules[] = {
    {"BR", ttBreak, TParameter::None, false},        {"B", ttBold, TParameter::None, true},
    {"I", ttItalic, TParameter::None, true},         {"U", ttUnderline, TParameter::None, true},
    {"S", ttStrike, TParameter::None, true},         {"FN", ttFontName, TParameter::Required, true},
    {"FS", ttFontSize, TParameter::Positive, true},  {"FC", ttFontColor, TParameter::Color, true},
    {"BC", ttBackColor, TParameter::Color, true},    {"A", ttLink, TParameter::Optional, true},
    {"L", ttAlignLeft, TParameter::None, true},      {"C", ttAlignCenter, TParameter::None, true},
    {"R", ttAlignRight, TParameter::None, true},     {"T", ttTab, TParameter::Positive, false},
    {"TF", ttTabF, TParameter::Positive, false},     {"HR", ttHorizontalLine, TParameter::Number, true},
    {"H1", ttHeader1, TParameter::Ignored, true},    {"H2", ttHeader2, TParameter::Ignored, true},
    {"H3", ttHeader3, TParameter::Ignored, true},    {"LC", ttLineColor, TParameter::Color, false},
    {"LI", ttListItem, TParameter::Text, true},      {"LI2", ttListItem2, TParameter::Text, true},
    {"IMG", ttImage, TParameter::Optional, true},    {"BBC", ttBodyBackgroundColor, TParameter::Color, false},
    {"SUB", ttSubscript, TParameter::Ignored, true}, {"SUP", ttSuperscript, TParameter::Ignored, true},
    {"LN", ttLine, TParameter::LineColor, true},
};

int32_t NumberOf(std::string_view text)
{
    int32_t value = 0;
    return TryStringToInt(text, value) ? value : 0;
}

// The token of an opening tag whose parameter (nullopt without a colon) obeys the rule; nullopt otherwise.
std::optional<TToken> OpeningToken(const TTagRule& rule, const std::optional<std::string>& parameter)
{
    TToken token{rule.Kind, false, {}, 0};
    const std::string text = parameter.value_or("");
    switch (rule.Parameter) {
    case TParameter::None:
        if (parameter)
            return std::nullopt;
        break;
    case TParameter::Ignored:
        break;
    case TParameter::Optional:
        if (parameter && parameter->empty())
            return std::nullopt;
        token.Text = text;
        break;
    case TParameter::Text:
        token.Text = text;
        break;
    case TParameter::Required:
        if (text.empty())
            return std::nullopt;
        token.Text = text;
        break;
    case TParameter::Number:
        token.Value = NumberOf(text);
        break;
    case TParameter::Positive:
        token.Value = NumberOf(text);
        if (token.Value <= 0)
            return std::nullopt;
        break;
    case TParameter::Color:
    case TParameter::LineColor: {
        const bool blackWhenNone = rule.Parameter == TParameter::LineColor && text.empty();
        const TColor color = blackWhenNone ? clBlack : ParseTagColor(text);
        if (color == clNone)
            return std::nullopt;
        token.Value = static_cast<int32_t>(color);
        break;
    }
    }
    return token;
}

bool IsWordEnd(char c)
{
    return c == ' ' || c == '<' || c == '>' || c == '/' || c == '\\';
}

} // namespace

std::string TListToken::GetLinkText(int end) const
{
    std::string text;
    for (int i = end - 1; i >= 0 && tokens_[static_cast<size_t>(i)].Kind != ttLink; --i) {
        const TToken& token = tokens_[static_cast<size_t>(i)];
        if (token.Kind == ttText || token.Kind == ttSpace)
            text.insert(0, token.Text);
    }
    return text;
}

bool ScanTag(std::string_view content, TListToken& list)
{
    const bool closing = content.starts_with('/');
    if (closing)
        content.remove_prefix(1);
    std::optional<std::string> parameter;
    if (const size_t colon = content.find(':'); colon != std::string_view::npos) {
        parameter = std::string(content.substr(colon + 1));
        content = content.substr(0, colon);
    }
    if (closing && parameter)
        return false;
    const std::string name = AsciiUpperCase(content);
    for (const TTagRule& rule : TagRules) {
        if (rule.Name != name)
            continue;
        if (closing) {
            if (!rule.MayClose)
                return false;
            list.Add({rule.Kind, true, {}, 0});
            return true;
        }
        const std::optional<TToken> token = OpeningToken(rule, parameter);
        if (token)
            list.Add(*token);
        return token.has_value();
    }
    return false;
}

void ScanMarkupText(std::string_view text, TListToken& list)
{
    std::string source;
    source.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            source += "<BR>";
            ++i;
        } else {
            source += text[i];
        }
    }
    std::string_view s = source;
    while (!s.empty()) {
        const char c = s.front();
        size_t consumed = 1;
        if (c == '<') {
            const size_t close = s.find('>', 1);
            if (close == std::string_view::npos)
                list.Add({ttInvalid, false, {}, 0});
            else if (!ScanTag(s.substr(1, close - 1), list))
                list.Add({ttInvalid, false, {}, 0});
            if (close != std::string_view::npos)
                consumed = close + 1;
        } else if (c == '>') {
            list.Add({ttInvalid, false, {}, 0});
        } else if (c == ' ') {
            list.Add({ttSpace, false, " ", 0});
        } else if (c == '/' || c == '\\') {
            list.Add({ttText, false, std::string(1, c), 0});
        } else {
            while (consumed < s.size() && !IsWordEnd(s[consumed]))
                ++consumed;
            list.Add({ttText, false, DecodeEntities(s.substr(0, consumed)), 0});
        }
        s.remove_prefix(consumed);
    }
}
