#include "engine/prepare_lang_str.h"

#include "support/text_routines.h"

std::string PrepareLangStr(std::string_view text, std::string_view arg1, std::string_view arg2)
{
    std::string result = ReplaceAll(ReplaceAll(text, "\\n", "\n", false), "\\t", "\t", false);
    result = ReplaceFirst(result, "%s", arg1, false);
    return ReplaceFirst(result, "%s", arg2, false);
}
