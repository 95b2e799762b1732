#pragma once

#include "engine/media_info_records.h"

#include <string>
#include <string_view>
#include <vector>

// Media analysis from the report ffmpeg prints about an input file: the duration line (duration, start
// time, overall bitrate) and one description line per stream, then the MediaInfo library's values over
// the same record, then an estimate of a single video stream's size.

// Splits a stream line at its commas into trimmed fields, numbered from 0. Commas inside parentheses
// belong to their field ("yuv420p(tv, progressive)" stays one field); an empty field between two commas
// keeps its place, a trailing empty one is dropped.
std::vector<std::string> SplitStreamFields(std::string_view line);

// Reads the report lines into the record: duration, start and provisional bitrate, the first 64 stream
// lines into StreamsStr, then the video and audio streams described by them.
void ParseFFmpegReport(const std::vector<std::string>& lines, TVideoFileInfo& info);

// With exactly one video stream of unknown size: the file size less the audio streams' sizes.
void EstimateVideoStreamSize(TVideoFileInfo& info);

// Analyses one media file: runs the encoder with the file as its only input, reads the report, merges
// the MediaInfo library's values (mediaInfoLibrary: a file, a bare name for the system search, or empty
// for none) and estimates the video stream size. Never fails: a missing media file or encoder gives a
// record with only FileName and FileSize; what cannot be read stays cleared.
TVideoFileInfo GetFFmpegFileInfo(const std::string& fileName, const std::string& ffmpegPath,
                                 const std::string& mediaInfoLibrary);

// The same with the MediaInfo library the program has resolved (AppParams.MediaInfoDll).
TVideoFileInfo GetFFmpegFileInfo(const std::string& fileName, const std::string& ffmpegPath);
