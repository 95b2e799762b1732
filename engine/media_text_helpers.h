#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Number and text conversions the media analyses share: tolerant parsing of the numbers that ffmpeg and
// the MediaInfo library print, and the rounding rule of the engine.
namespace media_text {

std::string Trim(std::string_view text);

// Optional sign, decimal digits (or "$"/"0x" hexadecimal), the whole text, in the 32-bit signed range.
std::optional<int32_t> ToInt(std::string_view text);
// The same in the 64-bit range.
std::optional<int64_t> ToInt64(std::string_view text);
// A decimal number with the global decimal separator, optional sign and exponent, blanks around it.
std::optional<double> ToFloat(std::string_view text);

// Every "," and then every "." replaced by the global decimal separator before converting.
double StrToFloatTolerant(std::string_view text, double fallback);

// Replaces every (or the first) "." and "," by the global decimal separator.
std::string NormaliseSeparators(std::string_view text);
std::string NormaliseFirstSeparators(std::string_view text);

// Nearest integer, ties to even.
int64_t RoundHalfEven(double value);

// "hh:mm:ss.xx" to seconds: 01:02:03.5 gives 3723.5; without any ":" 0.
double TimeStrToSeconds(std::string_view text);
// 3723004 ms gives "01:02:03.004"; 0 and less give "00:00:00.000".
std::string MsToTimeStrWithMs(int64_t ms);

// " 5 bytes", "1.50 KB", "3.00 GB" with the given suffix for sizes below 1024.
std::string FileSizeToStr(int64_t size, std::string_view suffix);

// 0 when the size cannot be read.
int64_t GetFileSizeSafe(const std::string& fileName);

} // namespace media_text
