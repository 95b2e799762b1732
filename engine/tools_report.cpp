#include "engine/tools_report.h"

#include "engine/mediainfo_library.h"
#include "engine/tool_output.h"
#include "support/files.h"
#include "support/text_routines.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <zlib.h>

namespace {

std::string Label(const std::string& label, int width)
{
    return PadLeft(label, width, U' ') + " ";
}

std::optional<uint32_t> ReadFileCrc32(const std::string& fileName)
{
    std::ifstream file(fileName, std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    uLong crc = crc32(0, nullptr, 0);
    std::array<char, 102400> chunk;
    while (file.read(chunk.data(), chunk.size()) || file.gcount() > 0) {
        crc = crc32(crc, reinterpret_cast<const Bytef*>(chunk.data()), static_cast<uInt>(file.gcount()));
    }
    return file.bad() ? std::nullopt : std::optional(static_cast<uint32_t>(crc));
}

// "64-bit ELF shared object x86-64"; empty for a file that is no ELF file.
std::string ElfDescription(const std::string& fileName)
{
    std::ifstream file(fileName, std::ios::binary);
    std::array<unsigned char, 20> header{};
    if (!file.read(reinterpret_cast<char*>(header.data()), header.size()) || header[0] != 0x7F ||
        header[1] != 'E' || header[2] != 'L' || header[3] != 'F' || (header[4] != 1 && header[4] != 2)) {
        return {};
    }
    const bool bigEndian = header[5] == 2;
    const auto half = [&](size_t at) {
        return static_cast<uint16_t>(bigEndian ? header[at] << 8 | header[at + 1]
                                               : header[at + 1] << 8 | header[at]);
    };
    const uint16_t type = half(16);
    const uint16_t machine = half(18);
    const std::string typeName = type == 2   ? "executable"
                                 : type == 3 ? "shared object"
                                             : "type " + std::to_string(type);
    const std::string machineName = machine == 62    ? "x86-64"
                                    : machine == 183 ? "AArch64"
                                    : machine == 3   ? "i386"
                                    : machine == 40  ? "ARM"
                                                     : "machine " + std::to_string(machine);
    return std::string(header[4] == 2 ? "64" : "32") + "-bit ELF " + typeName + " " + machineName;
}

std::string MediaInfoLibraryVersionFor(const std::string& libraryFile)
{
    return libraryFile == LoadedMediaInfoLibraryFile() ? GetMediaInfoLibraryVersion() : std::string();
}

// The file of the library module the analyses use, loading it if needed.
std::string MediaInfoLibraryInUse(const std::string& mediaInfoLibrary)
{
    if (MediaInfoLibraryExists(mediaInfoLibrary) && LoadMediaInfoLibrary(mediaInfoLibrary)) {
        return LoadedMediaInfoLibraryFile();
    }
    return mediaInfoLibrary.find('/') != std::string::npos ? mediaInfoLibrary : std::string();
}

} // namespace

std::string GetBinaryFileInfoStr(const std::string& fileName, int labelWidth, const std::string& versionText)
{
    std::error_code error;
    if (fileName.empty() || !std::filesystem::is_regular_file(fileName, error)) {
        return {};
    }
    const int64_t size = GetFileSizeSafe(fileName);
    std::string text = Label("File name:", labelWidth) + fileName + ReportLineBreak +
                       Label("File size:", labelWidth) + Int64ToStrSep(size, U' ') + " bytes (" +
                       FileSizeToStr(size, " bytes") + ")";
    // A file that cannot be read (no permission) still gets its name and size.
    if (const auto crc = ReadFileCrc32(fileName)) {
        char hex[16];
        std::snprintf(hex, sizeof hex, "$%08X", *crc);
        text += ReportLineBreak + Label("File CRC32:", labelWidth) + hex;
    }
    if (const std::string binaryType = ElfDescription(fileName); !binaryType.empty()) {
        text += ReportLineBreak + Label("Binary type:", labelWidth) + binaryType;
    }
    if (!versionText.empty()) {
        text += ReportLineBreak + Label("Product version:", labelWidth) + versionText;
    }
    return text;
}

std::string GetFFmpegVersion(const std::string& ffmpegPath)
{
    const std::vector<std::string> lines = ReadToolOutput(ffmpegPath, {"-version"});
    return lines.empty() ? std::string() : Trim(lines.front());
}

std::string GetToolsInfoStr(int labelWidth, const std::string& ffmpegPath,
                            const std::string& mediaInfoLibrary)
{
    const std::string separator = ReportLineBreak + std::string(83, '-');
    std::error_code error;
    const bool haveFFmpeg = !ffmpegPath.empty() && std::filesystem::is_regular_file(ffmpegPath, error);
    const std::string ffmpegVersion = haveFFmpeg ? GetFFmpegVersion(ffmpegPath) : std::string();
    const std::string libraryFile = MediaInfoLibraryInUse(mediaInfoLibrary);

    return "FFmpeg" + std::string(ReportLineBreak) +
           GetBinaryFileInfoStr(haveFFmpeg ? ffmpegPath : std::string(), labelWidth, ffmpegVersion) +
           separator + ReportLineBreak + "MediaInfo" + ReportLineBreak +
           GetBinaryFileInfoStr(libraryFile, labelWidth, MediaInfoLibraryVersionFor(libraryFile)) + separator;
}
