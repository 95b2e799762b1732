#include "engine/prepare_lang_str.h"

namespace {

std::string ReplaceEvery(std::string_view text, std::string_view from, std::string_view to)
{
    std::string result;
    size_t start = 0;
    for (size_t found; (found = text.find(from, start)) != std::string_view::npos; start = found + from.size()) {
        result.append(text, start, found - start);
        result.append(to);
    }
    result.append(text.substr(start));
    return result;
}

void ReplaceFirstPlaceholder(std::string& text, std::string_view argument)
{
    const size_t found = text.find("%s");
    if (found != std::string::npos)
        text.replace(found, 2, argument);
}

} // namespace

std::string PrepareLangStr(std::string_view text, std::string_view arg1, std::string_view arg2)
{
    std::string result = ReplaceEvery(ReplaceEvery(text, "\\n", "\n"), "\\t", "\t");
    ReplaceFirstPlaceholder(result, arg1);
    ReplaceFirstPlaceholder(result, arg2);
    return result;
}
