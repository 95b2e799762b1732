#include "platform/gui/services/dropped_text.h"

#include "support/utf8.h"

std::string DroppedText(std::string_view block)
{
    return SanitizeUtf8(block.substr(0, block.find('\0')));
}
