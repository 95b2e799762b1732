#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The number texts that ffmpeg and the MediaInfo library print, read the way both media analyses read
// them.
namespace media_text {

// An integer text (the standard conversion, 32-bit), or nothing.
std::optional<int32_t> IntText(std::string_view text);
// A decimal integer text in the 64-bit range, for byte counts, or nothing.
std::optional<int64_t> Int64Text(std::string_view text);
// A float text in the global format settings, or nothing.
std::optional<double> FloatText(std::string_view text);

// Every "." and then every "," replaced by the global decimal separator.
std::string NormaliseSeparators(std::string_view text);
// Only the first "." and then the first "," replaced.
std::string NormaliseFirstSeparators(std::string_view text);

} // namespace media_text
