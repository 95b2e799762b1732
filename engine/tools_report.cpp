#include "engine/tools_report.h"

#include "engine/mediainfo_library.h"
#include "engine/tool_discovery.h"
#include "engine/tool_output.h"
#include "support/crc32.h"
#include "support/elf_file.h"
#include "support/files.h"
#include "support/text_routines.h"

#include <cstdio>
#include <filesystem>

namespace {

std::string Label(const std::string& label, int width)
{
    return PadLeft(label, width, U' ') + " ";
}

// "$CBF43926"; empty when the file cannot be read (no permission), which leaves out the line.
std::string Crc32Text(const std::string& fileName)
{
    try {
        char hex[16];
        std::snprintf(hex, sizeof hex, "$%08X", FileCrc32(fileName));
        return hex;
    } catch (const std::exception&) {
        return {};
    }
}

// "64-bit ELF shared object x86-64"; empty for a file that is no ELF file or cannot be read.
std::string BinaryTypeText(const std::string& fileName)
{
    try {
        TElfFile elf;
        elf.SetFileName(fileName);
        elf.ReadFileInfo();
        return elf.IsValidElfFile() ? std::to_string(elf.Bits()) + "-bit " + elf.InfoStr() : std::string();
    } catch (const std::exception&) {
        return {};
    }
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
    if (const std::string crc = Crc32Text(fileName); !crc.empty()) {
        text += ReportLineBreak + Label("File CRC32:", labelWidth) + crc;
    }
    if (const std::string binaryType = BinaryTypeText(fileName); !binaryType.empty()) {
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

std::string GetToolsInfoStr(int labelWidth)
{
    return GetToolsInfoStr(labelWidth, GetFFmpegExePath(AppParams), GetMediaInfoDllPath(AppParams));
}
