#pragma once

#include "support/basic_types.h"
#include "support/file_times.h"
#include "support/files.h"
#include "support/streams.h"

#include <array>
#include <bit>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Reader of the headers of a PE/COFF executable or library (and recognition of a 16-bit NE file): kind,
// bitness, processor, sections, and whether the file is packed with UPX. The reader never changes a file.

static_assert(std::endian::native == std::endian::little, "the header records are copied as stored");

struct TImageDosHeader
{
    uint16_t e_magic, e_cblp, e_cp, e_crlc, e_cparhdr, e_minalloc, e_maxalloc, e_ss, e_sp, e_csum, e_ip, e_cs,
        e_lfarlc, e_ovno;
    uint16_t e_res[4];
    uint16_t e_oemid, e_oeminfo;
    uint16_t e_res2[10];
    int32_t e_lfanew; // file offset of the new header
};

struct TImageFileHeader
{
    uint16_t Machine;
    uint16_t NumberOfSections;
    uint32_t TimeDateStamp, PointerToSymbolTable, NumberOfSymbols;
    uint16_t SizeOfOptionalHeader;
    uint16_t Characteristics;
};

struct TImageDataDirectory
{
    uint32_t VirtualAddress;
    uint32_t Size;
};

constexpr int ImageNumberOfDirectoryEntries = 16;
constexpr int ImageDirectoryEntryResource = 2;

struct TImageOptionalHeader32
{
    uint16_t Magic;
    uint8_t MajorLinkerVersion, MinorLinkerVersion;
    uint32_t SizeOfCode, SizeOfInitializedData, SizeOfUninitializedData, AddressOfEntryPoint, BaseOfCode,
        BaseOfData, ImageBase, SectionAlignment, FileAlignment;
    uint16_t MajorOperatingSystemVersion, MinorOperatingSystemVersion, MajorImageVersion, MinorImageVersion,
        MajorSubsystemVersion, MinorSubsystemVersion;
    uint32_t Win32VersionValue, SizeOfImage, SizeOfHeaders, CheckSum;
    uint16_t Subsystem, DllCharacteristics;
    uint32_t SizeOfStackReserve, SizeOfStackCommit, SizeOfHeapReserve, SizeOfHeapCommit, LoaderFlags,
        NumberOfRvaAndSizes;
    TImageDataDirectory DataDirectory[ImageNumberOfDirectoryEntries];
};

struct TImageOptionalHeader64
{
    uint16_t Magic;
    uint8_t MajorLinkerVersion, MinorLinkerVersion;
    uint32_t SizeOfCode, SizeOfInitializedData, SizeOfUninitializedData, AddressOfEntryPoint, BaseOfCode;
    uint64_t ImageBase;
    uint32_t SectionAlignment, FileAlignment;
    uint16_t MajorOperatingSystemVersion, MinorOperatingSystemVersion, MajorImageVersion, MinorImageVersion,
        MajorSubsystemVersion, MinorSubsystemVersion;
    uint32_t Win32VersionValue, SizeOfImage, SizeOfHeaders, CheckSum;
    uint16_t Subsystem, DllCharacteristics;
    uint64_t SizeOfStackReserve, SizeOfStackCommit, SizeOfHeapReserve, SizeOfHeapCommit;
    uint32_t LoaderFlags, NumberOfRvaAndSizes;
    TImageDataDirectory DataDirectory[ImageNumberOfDirectoryEntries];
};

struct TImageSectionHeader
{
    uint8_t Name[8];
    uint32_t VirtualSize, VirtualAddress, SizeOfRawData, PointerToRawData, PointerToRelocations,
        PointerToLinenumbers;
    uint16_t NumberOfRelocations, NumberOfLinenumbers;
    uint32_t Characteristics;
};

static_assert(sizeof(TImageDosHeader) == 64);
static_assert(sizeof(TImageFileHeader) == 20);
static_assert(sizeof(TImageOptionalHeader32) == 224);
static_assert(sizeof(TImageOptionalHeader64) == 240);
static_assert(sizeof(TImageSectionHeader) == 40);

using TImageSections = std::vector<TImageSectionHeader>;

// The first four bytes of a file, also as text: bytes 33..126 stand for themselves, others are replaced.
struct TBitsInfo
{
    uint8_t B1 = 0, B2 = 0, B3 = 0, B4 = 0;
    std::string BitsStr;
};

struct TUpxHeader
{
    char UpxMagic[4]; // "UPX!"
    uint8_t Compressor, Format, Method, Level;
    uint32_t u_len, c_len, u_adler, c_adler, UncompressedFileSize;
    uint8_t Filter1, Filter2, n_mru, header_cheksum;
};
static_assert(sizeof(TUpxHeader) == 32);

// As stored in the file: 5 bytes of version text directly followed by the header (37 bytes).
struct TPeUpxHeader
{
    static constexpr int StoredSize = 37;
    char UpxVersion[5];
    TUpxHeader Header;
};

// The description of a PE machine value, or the empty text for a value not known.
std::string GetMachineTypeName(uint16_t machine);

// True for the magic "UPX!", a format 1..36, 127 or 129..138 and a method 2..15.
bool IsValidUpxHeader(const TUpxHeader& header);

// Clears the record; when the stream holds more than 3 bytes, fills it from the first four (the stream's
// position is kept) and returns true.
bool ReadFirstFourBytes(TStream& stream, TBitsInfo& info, char replacement);

// The 0-based offset of the first occurrence of the pattern in the buffer, or -1 (also for an empty pattern
// or one longer than the buffer).
int64_t FindBytes(const uint8_t* buffer, int64_t length, std::string_view pattern);

class TPeFile
{
public:
    static constexpr int32_t DefaultMaxMemoryStreamSize = 104857600;

    const std::string& FileName() const { return FFileName; }
    // Only stores the name; ReadFileInfo reads the file.
    void SetFileName(const std::string& fileName) { FFileName = fileName; }
    int32_t MaxMemoryStreamSize() const { return FMaxMemoryStreamSize; }
    void SetMaxMemoryStreamSize(int32_t size) { FMaxMemoryStreamSize = size; }

    // Reads the named file's headers into the properties. A missing or malformed file raises nothing: the
    // reading stops at the first part that is missing and keeps what was read so far. A file that exists
    // but cannot be opened raises EFOpenError.
    void ReadFileInfo();
    // The same reading over bytes already open as a stream.
    void ReadStreamInfo(TStream& stream);

    int64_t FileSize() const { return F.FileSize; }
    bool IsValidPeFile() const { return F.IsValidPeFile; }
    uint8_t Bits() const { return F.Bits; }
    bool Is16bit() const { return F.Bits == 16; }
    bool Is32bit() const { return F.Bits == 32; }
    bool Is64bit() const { return F.Bits == 64; }
    // Local times; UnknownFileTime when not read.
    TDateTime CreationTime() const { return F.CreationTime; }
    TDateTime LastWriteTime() const { return F.LastWriteTime; }
    TDateTime LastAccessTime() const { return F.LastAccessTime; }
    const TFileAttributesRec& Attributes() const { return F.Attributes; }
    const TImageDosHeader& DosHeader() const { return F.DosHeader; }
    uint32_t PeSignature() const { return F.PeSignature; }
    const TImageFileHeader& FileHeader() const { return F.FileHeader; }
    const TImageOptionalHeader32& OptionalHeader32() const { return F.OptionalHeader32; }
    const TImageOptionalHeader64& OptionalHeader64() const { return F.OptionalHeader64; }
    const std::string& OptionalHeaderMagicStr() const { return F.OptionalHeaderMagicStr; }
    int64_t Offset_PeSignature() const { return F.OffsetPeSignature; }
    int64_t Offset_FileHeader() const { return F.OffsetFileHeader; }
    int64_t Offset_PeHeader() const { return F.OffsetPeHeader; }
    int64_t Offset_SectionsTable() const { return F.OffsetSectionsTable; }
    uint64_t ImageBase() const { return F.ImageBase; }
    uint32_t AddressOfEntryPoint() const { return F.AddressOfEntryPoint; }
    const std::vector<std::string>& SectionNames() const { return F.SectionNames; }
    const TImageSections& Sections() const { return F.Sections; }
    int32_t SectionCount() const { return static_cast<int32_t>(F.Sections.size()); }
    int32_t DataDirectoryCount() const { return F.IsValidPeFile ? ImageNumberOfDirectoryEntries : -1; }
    // A data directory of the optional header that was read (zero when none was); index 0..15.
    const TImageDataDirectory& DataDirectory(int index) const { return F.DataDirectories.at(index); }
    bool IsFileLoaded() const { return FIsFileLoaded; }
    const TBitsInfo& FirstFile4Bits() const { return F.FirstFile4Bits; }
    bool IsPackedByUpx() const { return F.IsPackedByUpx; }
    bool IsValidUpxHeader() const { return F.IsValidUpxHeader; }
    const TPeUpxHeader& UpxHeader() const { return F.UpxHeader; }
    const std::string& UpxVersion() const { return F.UpxVersion; }
    int64_t Offset_UpxHeader() const { return F.OffsetUpxHeader; }
    // Such as "Executable / Win PE32+ / AMD64 (x64)".
    const std::string& InfoStr() const { return F.InfoStr; }

private:
    void ReadHeaders(TStream& stream);
    bool ReadOptionalHeader(TStream& stream);
    template <typename TOptionalHeader> bool ReadOptionalHeaderAs(TStream& stream, TOptionalHeader& header);
    void ReadSections(TStream& stream);
    void MakeInfoStr();
    void DetectUpx(TStream& stream);
    bool ReadUpxHeaderAt(TStream& stream, int64_t offset);
    void FindUpxVersionText(TStream& stream);
    bool ReadAt(TStream& stream, int64_t offset, void* buffer, int64_t count);

    // Everything ReadFileInfo finds out; reset before every reading.
    struct TReadState
    {
        int64_t FileSize = 0;
        TDateTime CreationTime = UnknownFileTime;
        TDateTime LastWriteTime = UnknownFileTime;
        TDateTime LastAccessTime = UnknownFileTime;
        TFileAttributesRec Attributes;
        bool IsValidPeFile = false;
        uint8_t Bits = 0;
        TImageDosHeader DosHeader = {};
        uint32_t PeSignature = 0;
        TImageFileHeader FileHeader = {};
        TImageOptionalHeader32 OptionalHeader32 = {};
        TImageOptionalHeader64 OptionalHeader64 = {};
        std::string OptionalHeaderMagicStr;
        int64_t OffsetPeSignature = -1;
        int64_t OffsetFileHeader = -1;
        int64_t OffsetPeHeader = -1;
        int64_t OffsetSectionsTable = -1;
        uint64_t ImageBase = 0;
        uint32_t AddressOfEntryPoint = 0;
        std::array<TImageDataDirectory, ImageNumberOfDirectoryEntries> DataDirectories = {};
        std::vector<std::string> SectionNames;
        TImageSections Sections;
        TBitsInfo FirstFile4Bits;
        bool IsPackedByUpx = false;
        bool IsValidUpxHeader = false;
        TPeUpxHeader UpxHeader = {};
        std::string UpxVersion;
        int64_t OffsetUpxHeader = -1;
        std::string InfoStr;
    };

    std::string FFileName;
    int32_t FMaxMemoryStreamSize = DefaultMaxMemoryStreamSize;
    bool FIsFileLoaded = false;
    TReadState F;
};
