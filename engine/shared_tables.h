#pragma once

#include <array>
#include <string_view>

// Fixed lists shared by the main window's combo boxes, the parameter builders and the input filter. The
// index of an entry is the index of the matching combo box item where a box is filled from a table.

inline constexpr std::array<std::string_view, 10> VideoCodecNames = {
    "Xvid",
    "DivX 3 Low-Motion",
    "H.264 / MPEG-4 AVC",
    "MPEG4 - FFmpeg ISO MPEG-4",
    "MS MPEG-4 version 2",
    "WMV version 1 (WMP 7)",
    "WMV version 2 (WMP 8)",
    "Motion JPEG",
    "HuffYUV (lossless)",
    "COPY",
};

inline constexpr std::array<std::string_view, 9> AudioCodecNames = {
    "AUTO",
    "MP3 - MPEG-1 Layer 3",
    "MP2 - MPEG-1 Layer 2",
    "AC-3 - ATSC A/52A",
    "AAC - Advanced Audio Coding",
    "WMA v1 - Windows Media Audio 1",
    "WMA v2 - Windows Media Audio 2",
    "PCM 16-bit (Little endian)",
    "COPY",
};

inline constexpr std::array<std::string_view, 10> AspectRatios = {
    "1:1", "5:4", "4:3", "1.43", "3:2", "16:10", "16:9", "1.85", "2:1", "12:5",
};

inline constexpr std::array<std::string_view, 15> FrameRates = {
    "5", "8", "10", "12", "14.985", "15", "20", "23.976", "24", "25", "29.97", "30", "50", "59.94", "60",
};

// Extensions of the files the file list accepts, upper case and without the dot. The open dialog's
// filter lists them in this order.
inline constexpr std::array<std::string_view, 78> InputFileExtensions = {
    "WEBM",  "AVI",    "DIVX", "XVID", "MPG", "MPEG",  "MPE",  "MP4V", "WMV", "ASF", "MP4",    "M4V",
    "MOV",   "QT",     "3GP",  "3GPP", "3G2", "3GP2",  "3GA",  "MKV",  "MKA", "FLV", "SWF",    "F4V",
    "F4P",   "F4A",    "F4B",  "VOB",  "DAT", "RM",    "RMVB", "OGM",  "OGV", "AMV", "DVR-MS", "DAV",
    "M2TS",  "MTS",    "WTV",  "TS",   "M2T", "VIDEO", "HEVC", "WAV",  "MP3", "AC3", "EAC3",   "AAC",
    "MPC",   "MPA",    "MP1",  "MP2",  "M4B", "M4P",   "WMA",  "FLAC", "SHN", "APE", "OGG",    "OGA",
    "M4A",   "WV",     "AMR",  "AIFF", "DTS", "GSM",   "QCP",  "RA",   "VQF", "THD", "TRUEHD", "TRUE-HD",
    "DTSHD", "DTS-HD", "AVS",  "M4R",  "TTA", "MXF",
};
