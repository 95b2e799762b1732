#include "export_checks.h"

#include <algorithm>
#include <cctype>
#include <iterator>
#include <vector>

namespace {

// The entities the export writes, and the characters they stand for.
struct TEntity
{
    const char* Name;
    char Shown;
};
constexpr TEntity Entities[] = {{"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}};

bool IsKnownTag(const std::string& name)
{
    for (const char* known : {"HTML", "BODY", "PRE", "FONT", "a"})
        if (name == known)
            return true;
    return false;
}

// The attributes of a tag, from after its name to its ">": name="value" pairs, nothing else.
std::string AttributeProblem(const std::string& html, size_t& i)
{
    while (i < html.size() && html[i] != '>') {
        if (html[i] == ' ' || html[i] == '\r' || html[i] == '\n') {
            ++i;
            continue;
        }
        const size_t name = i;
        while (i < html.size() && std::isalpha(static_cast<unsigned char>(html[i])))
            ++i;
        if (i == name || i + 1 >= html.size() || html[i] != '=' || html[i + 1] != '"')
            return "an attribute without a quoted value at " + std::to_string(name);
        const size_t close = html.find('"', i + 2);
        if (close == std::string::npos)
            return "an unclosed attribute value at " + std::to_string(name);
        if (html.find_first_of("<>", i + 2) < close)
            return "a bracket inside an attribute value at " + std::to_string(name);
        i = close + 1;
    }
    return i < html.size() ? std::string() : "an unclosed tag";
}

std::string EntityProblem(const std::string& html, size_t i)
{
    for (const TEntity& entity : Entities)
        if (html.compare(i, std::char_traits<char>::length(entity.Name), entity.Name) == 0)
            return {};
    return "a bare & at " + std::to_string(i);
}

} // namespace

std::string HtmlProblem(const std::string& html)
{
    std::vector<std::string> open;
    for (size_t i = 0; i < html.size(); ++i) {
        if (html[i] == '&') {
            if (std::string problem = EntityProblem(html, i); !problem.empty())
                return problem;
            continue;
        }
        if (html[i] == '>')
            return "a bare > at " + std::to_string(i);
        if (html[i] != '<')
            continue;
        const bool closing = i + 1 < html.size() && html[i + 1] == '/';
        size_t end = i + (closing ? 2 : 1);
        const size_t nameStart = end;
        while (end < html.size() && std::isalpha(static_cast<unsigned char>(html[end])))
            ++end;
        const std::string name = html.substr(nameStart, end - nameStart);
        if (!IsKnownTag(name))
            return "a bare < or an unknown tag at " + std::to_string(i);
        if (closing) {
            if (open.empty() || open.back() != name)
                return "</" + name + "> closes nothing open at " + std::to_string(i);
            open.pop_back();
            if (end >= html.size() || html[end] != '>')
                return "a closing tag with more in it at " + std::to_string(i);
        } else {
            if (std::string problem = AttributeProblem(html, end); !problem.empty())
                return problem;
            open.push_back(name);
        }
        i = end;
    }
    return open.empty() ? std::string() : "<" + open.back() + "> left open";
}

std::string RtfProblem(const std::string& rtf)
{
    if (!rtf.starts_with("{\\rtf1") || !rtf.ends_with("}"))
        return "not one RTF group";
    int depth = 0;
    for (size_t i = 0; i < rtf.size(); ++i) {
        const auto byte = static_cast<unsigned char>(rtf[i]);
        if (byte >= 0x80)
            return "an 8-bit byte at " + std::to_string(i);
        if (rtf[i] == '\\') {
            ++i; // an escaped character or the first letter of a control word
            continue;
        }
        if (rtf[i] == '{')
            ++depth;
        else if (rtf[i] == '}' && --depth == 0 && i + 1 != rtf.size())
            return "the document group ends early at " + std::to_string(i);
        if (depth < 0)
            return "a closing brace too many at " + std::to_string(i);
    }
    return depth == 0 ? std::string() : "an unclosed group";
}

std::vector<std::string> CrLfLines(const std::string& text)
{
    std::vector<std::string> lines;
    for (size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

std::string ShownText(const std::string& html)
{
    std::string text;
    for (size_t i = 0; i < html.size(); ++i) {
        if (html[i] == '<') {
            i = html.find('>', i);
            if (i == std::string::npos)
                break;
            continue;
        }
        const auto entity = std::find_if(std::begin(Entities), std::end(Entities), [&](const TEntity& e) {
            return html.compare(i, std::char_traits<char>::length(e.Name), e.Name) == 0;
        });
        if (entity == std::end(Entities)) {
            text += html[i];
            continue;
        }
        text += entity->Shown;
        i += std::char_traits<char>::length(entity->Name) - 1;
    }
    return text;
}
