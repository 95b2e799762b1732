#include "support/pe_file.h"

#include "support/code_names.h"
#include "support/files.h"
#include "support/number_conversion.h"
#include "support/utf8.h"

#include <algorithm>
#include <cstring>
#include <memory>

namespace {

constexpr uint32_t NeSignature = 0x0A05454E;      // "NE", 0x05, 0x0A
constexpr uint32_t PeSignatureValue = 0x00004550; // "PE", 0, 0
constexpr uint16_t MagicPe32 = 0x010B;
constexpr uint16_t MagicPe32Plus = 0x020B;
constexpr uint16_t CharacteristicExecutableImage = 0x0002;
constexpr uint16_t CharacteristicDll = 0x2000;
constexpr int64_t UpxSearchLength = 1024;

constexpr TCodeName MachineNames[] = {
    {0x0000, "Unknown machine"},
    {0x014C, "Intel 386 or later processors and compatible processors"},
    {0x014D, "Intel 486"},
    {0x014E, "Intel 586"},
    {0x0162, "MIPS little endian R3000"},
    {0x0160, "MIPS big-endian"},
    {0x0166, "MIPS little endian R4000"},
    {0x0168, "MIPS little endian R10000"},
    {0x0169, "MIPS little endian WCE v2"},
    {0x5032, "RISC-V 32-bit address space"},
    {0x5064, "RISC-V 64-bit address space"},
    {0x5128, "RISC-V 128-bit address space"},
    {0x0184, "Alpha_AXP"},
    {0x01A2, "Hitachi SH3 little endian"},
    {0x01A3, "Hitachi SH3 DSP"},
    {0x01A4, "SH3E little endian"},
    {0x01A6, "Hitachi SH4 little endian"},
    {0x01A8, "Hitachi SH5"},
    {0x01C0, "ARM little endian"},
    {0xAA64, "ARM64 little endian"},
    {0x01C4, "ARM Thumb-2 little endian"},
    {0x01C2, "ARM or Thumb"},
    {0x01D3, "Matsushita AM33"},
    {0x01F0, "IBM PowerPC little endian"},
    {0x01F1, "IBM PowerPC with floating point support"},
    {0x0200, "Intel Itanium 64 processor family"},
    {0x0266, "MIPS16"},
    {0x0284, "ALPHA64"},
    {0x0366, "MIPS with FPU"},
    {0x0466, "MIPS16 with FPU"},
    {0x0520, "Infineon"},
    {0x0CEF, "CEF"},
    {0x0EBC, "EFI byte code"},
    {0x8664, "AMD64 (x64)"},
    {0x9041, "Mitsubishi M32R little endian"},
    {0xC0EE, "CEE"},
};

// Bytes up to the first zero byte, as valid UTF-8.
std::string BytesToText(const char* bytes, size_t length)
{
    return SanitizeUtf8(std::string_view(bytes, strnlen(bytes, length)));
}

std::string TrimControlAndBlanks(std::string text)
{
    const auto isBlank = [](unsigned char c) { return c <= ' '; };
    while (!text.empty() && isBlank(text.back())) {
        text.pop_back();
    }
    const auto first = std::find_if_not(text.begin(), text.end(), isBlank);
    return std::string(first, text.end());
}

} // namespace

std::string GetMachineTypeName(uint16_t machine)
{
    const char* name = FindCodeName(MachineNames, machine);
    return name ? name : "";
}

bool IsValidUpxHeader(const TUpxHeader& header)
{
    const uint8_t format = header.Format;
    const bool knownFormat =
        (format >= 1 && format <= 36) || format == 127 || (format >= 129 && format <= 138);
    return std::memcmp(header.UpxMagic, "UPX!", 4) == 0 && knownFormat && header.Method >= 2 &&
           header.Method <= 15;
}

bool ReadFirstFourBytes(TStream& stream, TBitsInfo& info, char replacement)
{
    info = TBitsInfo();
    if (stream.Size() <= 3) {
        return false;
    }
    const int64_t position = stream.Position();
    uint8_t bytes[4] = {};
    stream.SetPosition(0);
    const bool complete = stream.Read(bytes, 4) == 4;
    stream.SetPosition(position);
    if (!complete) {
        return false;
    }
    info.B1 = bytes[0], info.B2 = bytes[1], info.B3 = bytes[2], info.B4 = bytes[3];
    for (const uint8_t b : bytes) {
        info.BitsStr += b >= 33 && b <= 126 ? static_cast<char>(b) : replacement;
    }
    return true;
}

int64_t FindBytes(const uint8_t* buffer, int64_t length, std::string_view pattern)
{
    if (pattern.empty() || static_cast<int64_t>(pattern.size()) > length) {
        return -1;
    }
    const auto* end = buffer + length;
    const auto* found = std::search(buffer, end, pattern.begin(), pattern.end(),
                                    [](uint8_t a, char b) { return a == static_cast<uint8_t>(b); });
    return found == end ? -1 : found - buffer;
}

void TPeFile::ReadFileInfo()
{
    F = TReadState();
    if (!FileExists(FFileName)) {
        return;
    }
    TFileInfoRec info;
    if (GetFileInfoRec(info, FFileName)) {
        F.CreationTime = info.CreationTime;
        F.LastWriteTime = info.LastWriteTime;
        F.LastAccessTime = info.LastAccessTime;
        F.Attributes = info.Attributes;
        F.FileSize = info.Size;
    } else {
        F.FileSize = GetFileSizeWithFallback(FFileName);
    }
    std::unique_ptr<TStream> stream;
    if (F.FileSize > FMaxMemoryStreamSize) {
        stream = std::make_unique<TFileStream>(FFileName, fmOpenRead);
    } else {
        auto memory = std::make_unique<TMemoryStream>();
        memory->LoadFromFile(FFileName);
        stream = std::move(memory);
    }
    FIsFileLoaded = true;
    ReadHeaders(*stream);
    FIsFileLoaded = false;
}

void TPeFile::ReadStreamInfo(TStream& stream)
{
    F = TReadState();
    ReadHeaders(stream);
}

bool TPeFile::ReadAt(TStream& stream, int64_t offset, void* buffer, int64_t count)
{
    // Offsets come from the file itself: anything outside it means the part is missing.
    if (offset < 0 || count > F.FileSize || offset > F.FileSize - count) {
        return false;
    }
    stream.SetPosition(offset);
    return stream.Read(buffer, count) == count;
}

void TPeFile::ReadHeaders(TStream& stream)
{
    F.FileSize = stream.Size();
    ReadFirstFourBytes(stream, F.FirstFile4Bits, '.');
    if (!ReadAt(stream, 0, &F.DosHeader, sizeof(F.DosHeader))) {
        return;
    }
    if (ReadAt(stream, F.DosHeader.e_lfanew, &F.PeSignature, sizeof(F.PeSignature))) {
        F.OffsetPeSignature = F.DosHeader.e_lfanew;
    }
    if (F.PeSignature == NeSignature) {
        F.Bits = 16;
        F.InfoStr = "Win16 NE";
        return;
    }
    if (F.PeSignature != PeSignatureValue) {
        return;
    }
    F.OffsetFileHeader = F.OffsetPeSignature + 4;
    if (!ReadAt(stream, F.OffsetFileHeader, &F.FileHeader, sizeof(F.FileHeader))) {
        return;
    }
    F.OffsetPeHeader = F.OffsetFileHeader + static_cast<int64_t>(sizeof(F.FileHeader));
    if (!ReadOptionalHeader(stream)) {
        return;
    }
    MakeInfoStr();
    ReadSections(stream);
    F.IsValidPeFile = true;
    DetectUpx(stream);
}

bool TPeFile::ReadOptionalHeader(TStream& stream)
{
    uint16_t magic = 0;
    if (!ReadAt(stream, F.OffsetPeHeader, &magic, sizeof(magic))) {
        return false;
    }
    if (magic == MagicPe32) {
        F.OptionalHeaderMagicStr = "PE32";
        F.Bits = 32;
    } else if (magic == MagicPe32Plus) {
        F.OptionalHeaderMagicStr = "PE32+";
        F.Bits = 64;
    }
    const bool read = F.Bits == 32 ? ReadOptionalHeaderAs(stream, F.OptionalHeader32)
                                   : ReadOptionalHeaderAs(stream, F.OptionalHeader64);
    if (!read) {
        return false;
    }
    // The section table follows the optional header, whose size the file header gives.
    F.OffsetSectionsTable = F.OffsetPeHeader + F.FileHeader.SizeOfOptionalHeader;
    return true;
}

template <typename TOptionalHeader>
bool TPeFile::ReadOptionalHeaderAs(TStream& stream, TOptionalHeader& header)
{
    if (!ReadAt(stream, F.OffsetPeHeader, &header, sizeof(header))) {
        return false;
    }
    F.ImageBase = header.ImageBase;
    F.AddressOfEntryPoint = header.AddressOfEntryPoint;
    std::copy_n(header.DataDirectory, ImageNumberOfDirectoryEntries, F.DataDirectories.begin());
    return true;
}

void TPeFile::MakeInfoStr()
{
    const uint16_t characteristics = F.FileHeader.Characteristics;
    if (characteristics & CharacteristicDll) {
        F.InfoStr = "Library";
    } else if (characteristics & CharacteristicExecutableImage) {
        F.InfoStr = "Executable";
    }
    if (!F.OptionalHeaderMagicStr.empty()) {
        F.InfoStr += " / Win " + F.OptionalHeaderMagicStr;
    }
    if (!F.InfoStr.empty()) {
        F.InfoStr += " / " + GetMachineTypeName(F.FileHeader.Machine);
    }
}

void TPeFile::ReadSections(TStream& stream)
{
    for (int i = 0; i < F.FileHeader.NumberOfSections; ++i) {
        TImageSectionHeader section = {};
        const int64_t offset = F.OffsetSectionsTable + i * static_cast<int64_t>(sizeof(section));
        if (!ReadAt(stream, offset, &section, sizeof(section))) {
            break;
        }
        F.Sections.push_back(section);
        const auto* name = reinterpret_cast<const char*>(section.Name);
        F.SectionNames.push_back(TrimControlAndBlanks(BytesToText(name, sizeof(section.Name))));
    }
}

void TPeFile::DetectUpx(TStream& stream)
{
    const auto& names = F.SectionNames;
    if (names.size() <= 2 || !names[0].starts_with("UPX") || !names[1].starts_with("UPX")) {
        return;
    }
    // The header normally stands right before the second section's data; else it is looked for near the
    // section table.
    const int64_t candidate = static_cast<int64_t>(F.Sections[1].PointerToRawData) - TPeUpxHeader::StoredSize;
    if (!ReadUpxHeaderAt(stream, candidate)) {
        std::vector<uint8_t> area(UpxSearchLength);
        if (ReadAt(stream, F.OffsetSectionsTable, area.data(), UpxSearchLength)) {
            const int64_t found = FindBytes(area.data(), UpxSearchLength, "UPX!");
            if (found >= 0) {
                ReadUpxHeaderAt(stream, F.OffsetSectionsTable + found - sizeof(TPeUpxHeader::UpxVersion));
            }
        }
    }
    // An empty version field holds no number either.
    if (F.IsPackedByUpx && (F.UpxVersion.empty() || !IsValidFloatStr(F.UpxVersion, false))) {
        FindUpxVersionText(stream);
    }
}

// Takes the header at the offset when it carries the magic "UPX!".
bool TPeFile::ReadUpxHeaderAt(TStream& stream, int64_t offset)
{
    uint8_t stored[TPeUpxHeader::StoredSize];
    TPeUpxHeader header = {};
    if (!ReadAt(stream, offset, stored, sizeof(stored))) {
        return false;
    }
    std::memcpy(header.UpxVersion, stored, sizeof(header.UpxVersion));
    std::memcpy(&header.Header, stored + sizeof(header.UpxVersion), sizeof(header.Header));
    if (std::memcmp(header.Header.UpxMagic, "UPX!", 4) != 0) {
        return false;
    }
    F.UpxHeader = header;
    F.OffsetUpxHeader = offset;
    F.IsPackedByUpx = true;
    F.UpxVersion = BytesToText(header.UpxVersion, sizeof(header.UpxVersion));
    F.IsValidUpxHeader = ::IsValidUpxHeader(header.Header);
    return true;
}

// Packers that leave the version field empty still name themselves in a text such as "$Id: UPX 3.96".
void TPeFile::FindUpxVersionText(TStream& stream)
{
    const std::string_view idText = "Id: UPX ";
    std::vector<uint8_t> area(UpxSearchLength);
    if (!ReadAt(stream, F.OffsetSectionsTable, area.data(), UpxSearchLength)) {
        return;
    }
    const int64_t found = FindBytes(area.data(), UpxSearchLength, idText);
    char version[4];
    if (found >= 0 &&
        ReadAt(stream, F.OffsetSectionsTable + found + static_cast<int64_t>(idText.size()), version, 4)) {
        F.UpxVersion = BytesToText(version, sizeof(version));
    }
}
