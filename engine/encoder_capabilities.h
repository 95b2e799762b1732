#pragma once

#include <set>
#include <string>
#include <string_view>
#include <vector>

// What the encoder in use can do: the encoders it lists. Builds differ, and an option naming an encoder
// the build lacks makes every conversion fail.

// The encoder names of a listing of "ffmpeg -hide_banner -encoders": the second word of each line after
// the dashed line that ends the legend.
std::set<std::string> ParseEncoderList(const std::vector<std::string>& lines);

// The encoders the executable lists, asked once per path and kept for the program's life. An executable
// that cannot be asked gives an empty set, which is not kept, so that it is asked again next time.
std::set<std::string> GetEncoderNames(const std::string& ffmpegPath);

bool HasEncoder(const std::string& ffmpegPath, std::string_view encoderName);

// The encoder of the AAC item: the external AAC encoder when the executable has it, else its own "aac".
std::string GetAacEncoderName(const std::string& ffmpegPath);
