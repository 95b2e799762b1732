#pragma once

#include "engine/app_strings.h"
#include "engine/media_info_records.h"

#include <cstdint>
#include <optional>
#include <string>

// The media information window's text report on one file: general facts, every described video and audio
// stream, the encoder's stream list and the MediaInfo library's full report. Lines end in CR LF.

// Files above this size get no checksum line: reading them whole would make the report slow.
inline constexpr int64_t MediaReportCrc32SizeLimit = 314572800; // 300 MiB

// Whether a file of that size gets a checksum line.
bool MediaReportHasCrc32(int64_t fileSize);

// The CRC-32 of the file for its report: nothing for a name that is not a readable regular file (a folder,
// a name that went) and for a file above the size limit.
std::optional<uint32_t> MediaReportCrc32(const std::string& fileName);

// The report on the record of fileName; crc32 gives the checksum line, nothing leaves it out. The texts
// are the string table's (the window's labels show the same).
std::string MediaInfoReport(const TVideoFileInfo& info, const std::string& fileName,
                            std::optional<uint32_t> crc32, const TFileInfoModuleStrings& texts);
