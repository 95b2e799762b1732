#include "support/elf_file.h"

#include "support/byte_order.h"

#include <cstring>
#include <filesystem>

namespace {

constexpr int IdentSize = 16;
constexpr int ClassIndex = 4;
constexpr int DataIndex = 5;
constexpr int TypeOffset = 16;
constexpr int MachineOffset = 18;
constexpr int Header32Size = 52;
constexpr int Header64Size = 64;

constexpr uint8_t Class32 = 1;
constexpr uint8_t Class64 = 2;
constexpr uint8_t DataLittleEndian = 1;
constexpr uint8_t DataBigEndian = 2;

uint16_t Read16(const uint8_t* bytes, bool bigEndian)
{
    return static_cast<uint16_t>(bigEndian ? ReadBigEndian(bytes, 2) : ReadLittleEndian(bytes, 2));
}

} // namespace

std::string GetElfFileTypeName(uint16_t fileType)
{
    switch (fileType) {
    case 2:
        return "executable";
    case 3:
        return "shared object";
    }
    return "type " + std::to_string(fileType);
}

std::string GetElfMachineName(uint16_t machine)
{
    switch (machine) {
    case 3:
        return "i386";
    case 40:
        return "ARM";
    case 62:
        return "x86-64";
    case 183:
        return "AArch64";
    }
    return "machine " + std::to_string(machine);
}

void TElfFile::ReadFileInfo()
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(FFileName, error)) {
        TMemoryStream nothing;
        ReadStreamInfo(nothing);
        return;
    }
    TFileStream file(FFileName, fmOpenRead);
    ReadStreamInfo(file);
}

void TElfFile::ReadStreamInfo(TStream& stream)
{
    const std::string fileName = FFileName;
    *this = TElfFile();
    FFileName = fileName;
    uint8_t header[Header64Size] = {};
    stream.SetPosition(0);
    const int64_t got = stream.Read(header, sizeof(header));
    if (got < IdentSize || std::memcmp(header,
                                       "\x7F"
                                       "ELF",
                                       4) != 0) {
        return;
    }
    const uint8_t elfClass = header[ClassIndex];
    const uint8_t data = header[DataIndex];
    const bool knownClass = elfClass == Class32 || elfClass == Class64;
    const bool knownData = data == DataLittleEndian || data == DataBigEndian;
    if (!knownClass || !knownData || got < (elfClass == Class32 ? Header32Size : Header64Size)) {
        return;
    }
    FIsValidElfFile = true;
    FBits = elfClass == Class32 ? 32 : 64;
    FIsBigEndian = data == DataBigEndian;
    FFileType = Read16(header + TypeOffset, FIsBigEndian);
    FMachine = Read16(header + MachineOffset, FIsBigEndian);
    FInfoStr = "ELF " + GetElfFileTypeName(FFileType) + " " + GetElfMachineName(FMachine);
}
