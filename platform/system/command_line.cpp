#include "platform/system/command_line.h"

#include <algorithm>

std::vector<std::string> SplitCommandLine(std::string_view text)
{
    std::vector<std::string> arguments;
    std::string current;
    bool inArgument = false;
    bool quoted = false;
    size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (!quoted && (c == ' ' || c == '\t')) {
            if (inArgument) {
                arguments.push_back(std::move(current));
                current.clear();
                inArgument = false;
            }
            ++i;
            continue;
        }
        inArgument = true;
        if (c == '\\') {
            const size_t end = std::min(text.find_first_not_of('\\', i), text.size());
            const size_t count = end - i;
            if (end < text.size() && text[end] == '"') {
                current.append(count / 2, '\\');
                if (count % 2 == 1) {
                    current += '"';
                    i = end + 1;
                    continue;
                }
            } else {
                current.append(count, '\\');
            }
            i = end;
        } else if (c == '"') {
            if (quoted && i + 1 < text.size() && text[i + 1] == '"') {
                current += '"';
                i += 2;
            } else {
                quoted = !quoted;
                ++i;
            }
        } else {
            current += c;
            ++i;
        }
    }
    if (inArgument) {
        arguments.push_back(std::move(current));
    }
    return arguments;
}
