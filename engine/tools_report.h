#pragma once

#include <string>

// The tools report: which encoder executable and which MediaInfo library the program uses, with the
// details that identify their builds (full path, size, CRC-32, binary type and the version each tool
// reports about itself). Labels are right-aligned to a width; lines are separated by CR LF.

inline constexpr const char* ReportLineBreak = "\r\n";

// The block for one file: name, size, CRC-32, then the binary type when it is an ELF file and the
// version line when versionText is not empty. Empty when no file of that name exists.
std::string GetBinaryFileInfoStr(const std::string& fileName, int labelWidth,
                                 const std::string& versionText = {});

// The first line that `ffmpeg -version` prints; empty when the tool gives none.
std::string GetFFmpegVersion(const std::string& ffmpegPath);

// The whole report for the encoder at ffmpegPath and the MediaInfo library at mediaInfoLibrary (a file or
// a bare name for the system search). The library's block names the file of the module in use. A tool
// that is not found gives an empty block between its name line and the separator.
std::string GetToolsInfoStr(int labelWidth, const std::string& ffmpegPath,
                            const std::string& mediaInfoLibrary);

// The report for the tools the program would use now: both are resolved again on AppParams first.
std::string GetToolsInfoStr(int labelWidth);
