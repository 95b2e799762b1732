#pragma once

#include <string>
#include <string_view>

// The 34 named character entities of the HTML-like label's words ("&lt;", "&copy;", "&Omega;" ...),
// replaced in one pass from left to right: what a replacement yields is never read again, so "&amp;lt;"
// shows as "&lt;". Names are case-sensitive; an unknown name stays as written.
std::string DecodeEntities(std::string_view word);
