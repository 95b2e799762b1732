#pragma once

#include <string>
#include <string_view>

// The text of a dropped text or rich-text block. The block comes from another program and may hold
// anything: the text is its bytes up to the first zero byte, or up to the block's end when there is none,
// with bytes that are no UTF-8 replaced.
std::string DroppedText(std::string_view block);
