#pragma once

#include "engine/media_info_records.h"
#include "engine/mediainfo_library.h"

#include <functional>
#include <string>

// Media analysis through the MediaInfo library: container format, overall bitrate, writing application,
// stream counts, up to 10 video and 48 audio streams and the library's full report.

// Answers one question of the library: the text of a parameter of stream number n of a kind.
using TMediaInfoGetter =
    std::function<std::string(TMediaInfoStreamKind kind, size_t streamNumber, const std::string& parameter)>;

// Writes the library's answers into the record: counts, general values and the streams. Numbers whose
// text does not convert leave their fields as they were.
void ReadMediaInfoValues(const TMediaInfoGetter& get, TVideoFileInfo& info);

// Opens the file with the library at libraryPath (an existing file, or a bare name for the system search)
// and reads it into the record. A missing library, an empty or unreadable media file or a file the
// library cannot open leave the record unchanged.
void GetMediaInfoFileInfo(const std::string& fileName, const std::string& libraryPath, TVideoFileInfo& info);
