#include "byte_fixtures.h"
#include "pe_image_builder.h"
#include "support/pe_file.h"

#include <cstring>
#include <gtest/gtest.h>

namespace {

TPeFile ReadBytes(const std::vector<uint8_t>& bytes)
{
    TMemoryStream stream;
    stream.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
    TPeFile pe;
    pe.ReadStreamInfo(stream);
    return pe;
}

TPeFile ReadFile(const std::string& fileName,
                 int32_t maxMemoryStreamSize = TPeFile::DefaultMaxMemoryStreamSize)
{
    TPeFile pe;
    pe.SetFileName(fileName);
    pe.SetMaxMemoryStreamSize(maxMemoryStreamSize);
    pe.ReadFileInfo();
    return pe;
}

// Puts a 37-byte UPX header (version text, magic, format, method) at the offset.
void PutUpxHeader(std::vector<uint8_t>& bytes, size_t offset, const char (&version)[6], uint8_t format = 9,
                  uint8_t method = 14)
{
    std::memcpy(&bytes[offset], version, 5);
    std::memcpy(&bytes[offset + 5], "UPX!", 4);
    bytes[offset + 10] = format;
    bytes[offset + 11] = method;
}

} // namespace

TEST(PeFile, DescribesKindBitnessAndMachine)
{
    struct TCase
    {
        bool Pe32Plus;
        uint16_t Machine, Characteristics;
        uint8_t Bits;
        const char* MagicStr;
        const char* InfoStr;
    };
    const TCase cases[] = {
        {true, 0x8664, 0x0022, 64, "PE32+", "Executable / Win PE32+ / AMD64 (x64)"},
        {false, 0x014C, 0x2102, 32, "PE32",
         "Library / Win PE32 / Intel 386 or later processors and compatible processors"},
        {true, 0xAA64, 0x2022, 64, "PE32+", "Library / Win PE32+ / ARM64 little endian"},
        {false, 0x1234, 0x0102, 32, "PE32", "Executable / Win PE32 / "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.InfoStr);
        TPeImageOptions options;
        options.Pe32Plus = c.Pe32Plus, options.Machine = c.Machine,
        options.Characteristics = c.Characteristics;
        options.ImageBase = c.Pe32Plus ? 0x140000000 : 0x400000;
        const TPeImage image = BuildPeImage(options);
        const TPeFile pe = ReadBytes(image.Bytes);
        EXPECT_TRUE(pe.IsValidPeFile());
        EXPECT_EQ(pe.Bits(), c.Bits);
        EXPECT_EQ(pe.Is64bit(), c.Bits == 64);
        EXPECT_EQ(pe.OptionalHeaderMagicStr(), c.MagicStr);
        EXPECT_EQ(pe.InfoStr(), c.InfoStr);
        EXPECT_EQ(pe.DataDirectoryCount(), 16);
        EXPECT_EQ(pe.ImageBase(), options.ImageBase);
        EXPECT_EQ(pe.AddressOfEntryPoint(), 0x1010u);
        EXPECT_EQ(pe.Offset_PeSignature(), image.NewHeaderOffset);
        EXPECT_EQ(pe.Offset_FileHeader(), image.NewHeaderOffset + 4);
        EXPECT_EQ(pe.Offset_PeHeader(), image.NewHeaderOffset + 24);
        EXPECT_EQ(pe.Offset_SectionsTable(), image.SectionTableOffset);
        EXPECT_EQ(pe.SectionNames(), (std::vector<std::string>{".text", ".data"}));
        EXPECT_EQ(pe.SectionCount(), 2);
        EXPECT_EQ(pe.Sections()[1].PointerToRawData, image.SectionRawOffsets[1]);
        EXPECT_FALSE(pe.IsPackedByUpx());
        EXPECT_EQ(pe.FirstFile4Bits().BitsStr, "MZ..");
    }
}

TEST(PeFile, OtherFilesAreNotPe)
{
    const std::string text = "Hello, this is a plain text file that is longer than sixty-four bytes, surely.";
    const TPeFile pe = ReadBytes(std::vector<uint8_t>(text.begin(), text.end()));
    EXPECT_FALSE(pe.IsValidPeFile());
    EXPECT_EQ(pe.Bits(), 0);
    EXPECT_EQ(pe.InfoStr(), "");
    EXPECT_EQ(pe.DataDirectoryCount(), -1);
    EXPECT_EQ(pe.FirstFile4Bits().BitsStr, "Hell");
    EXPECT_EQ(pe.FirstFile4Bits().B1, 'H');

    std::vector<uint8_t> ne(0x90);
    ne[0] = 'M', ne[1] = 'Z', ne[60] = 0x80;
    std::memcpy(&ne[0x80], "NE\x05\x0A", 4);
    const TPeFile win16 = ReadBytes(ne);
    EXPECT_EQ(win16.Bits(), 16);
    EXPECT_TRUE(win16.Is16bit());
    EXPECT_EQ(win16.InfoStr(), "Win16 NE");
    EXPECT_FALSE(win16.IsValidPeFile());

    const TPeFile tiny = ReadBytes({0x7F, 'E', 'L'});
    EXPECT_EQ(tiny.FirstFile4Bits().BitsStr, "");
    EXPECT_EQ(tiny.Offset_PeSignature(), -1);
}

TEST(PeFile, OffsetsFromTheFileAreCheckedBeforeUse)
{
    const TPeImage image = BuildPeImage({});
    struct TCase
    {
        const char* Name;
        size_t Offset;
        uint64_t Value;
        int Size;
    };
    const TCase cases[] = {
        {"negative new-header offset", 60, 0xFFFFFFFC, 4},
        {"most negative new-header offset", 60, 0x80000000, 4},
        {"new-header offset beyond the end", 60, 0x7FFFFFF0, 4},
        {"new-header offset at the last bytes", 60, image.Bytes.size() - 2, 4},
        {"optional header running past the end", 60, image.Bytes.size() - 30, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        std::vector<uint8_t> bytes = image.Bytes;
        PutLittleEndian(bytes, c.Offset, c.Value, c.Size);
        std::memcpy(&bytes[bytes.size() - 30], "PE\0\0", 4);
        const TPeFile pe = ReadBytes(bytes);
        EXPECT_FALSE(pe.IsValidPeFile());
        EXPECT_EQ(pe.Bits(), 0);
    }

    std::vector<uint8_t> manySections = image.Bytes;
    PutLittleEndian(manySections, image.NewHeaderOffset + 6, 0xFFFF,
                    2); // far more sections than the file holds
    const TPeFile pe = ReadBytes(manySections);
    EXPECT_TRUE(pe.IsValidPeFile());
    EXPECT_EQ(pe.SectionCount(), static_cast<int>((manySections.size() - image.SectionTableOffset) / 40));
}

TEST(PeFile, ReadingStopsWhereTheFileEnds)
{
    const TPeImage image = BuildPeImage({});
    const int64_t optional = image.NewHeaderOffset + 24;
    struct TCase
    {
        int64_t Size;
        int64_t OffsetPeSignature, OffsetFileHeader, OffsetPeHeader;
        uint8_t Bits;
    };
    const TCase cases[] = {
        {63, -1, -1, -1, 0},
        {image.NewHeaderOffset + 3, -1, -1, -1, 0},
        {optional - 1, image.NewHeaderOffset, image.NewHeaderOffset + 4, -1, 0},
        {optional + 1, image.NewHeaderOffset, image.NewHeaderOffset + 4, optional, 0},
        {optional + 239, image.NewHeaderOffset, image.NewHeaderOffset + 4, optional, 64},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Size);
        const TPeFile pe = ReadBytes(std::vector<uint8_t>(image.Bytes.begin(), image.Bytes.begin() + c.Size));
        EXPECT_FALSE(pe.IsValidPeFile());
        EXPECT_EQ(pe.Offset_PeSignature(), c.OffsetPeSignature);
        EXPECT_EQ(pe.Offset_FileHeader(), c.OffsetFileHeader);
        EXPECT_EQ(pe.Offset_PeHeader(), c.OffsetPeHeader);
        EXPECT_EQ(pe.Bits(), c.Bits);
        EXPECT_EQ(pe.Offset_SectionsTable(), -1);
        EXPECT_EQ(pe.InfoStr(), "");
    }

    // A section table cut in its second entry keeps the first.
    const TPeFile cut = ReadBytes(
        std::vector<uint8_t>(image.Bytes.begin(), image.Bytes.begin() + image.SectionTableOffset + 60));
    EXPECT_TRUE(cut.IsValidPeFile());
    EXPECT_EQ(cut.SectionNames(), std::vector<std::string>{".text"});
}

TEST(PeFile, ReadsFilesInMemoryOrThroughAStream)
{
    TTempFolder folder;
    const TPeImage image = BuildPeImage({});
    const std::string name = folder.WriteFile("tool.exe", image.Bytes);
    const auto size = static_cast<int32_t>(image.Bytes.size());

    const TPeFile inMemory = ReadFile(name, size);
    const TPeFile streamed = ReadFile(name, size - 1);
    for (const TPeFile* pe : {&inMemory, &streamed}) {
        EXPECT_TRUE(pe->IsValidPeFile());
        EXPECT_EQ(pe->FileSize(), size);
        EXPECT_EQ(pe->InfoStr(), "Executable / Win PE32+ / AMD64 (x64)");
        EXPECT_EQ(pe->SectionCount(), 2);
        EXPECT_FALSE(pe->IsFileLoaded());
        EXPECT_NE(pe->LastWriteTime(), UnknownFileTime);
        EXPECT_TRUE(pe->Attributes().ValidAttributes);
    }

    // Reading another file forgets everything of the first.
    TPeFile pe = ReadFile(name);
    pe.SetFileName((folder.Path() / "missing.exe").string());
    pe.ReadFileInfo();
    EXPECT_FALSE(pe.IsValidPeFile());
    EXPECT_EQ(pe.FileSize(), 0);
    EXPECT_EQ(pe.InfoStr(), "");
    EXPECT_EQ(pe.SectionCount(), 0);
    EXPECT_EQ(pe.Offset_SectionsTable(), -1);
    EXPECT_EQ(pe.LastWriteTime(), UnknownFileTime);
    EXPECT_FALSE(pe.Attributes().ValidAttributes);
}

TEST(PeFile, FindsTheUpxHeaderAndVersion)
{
    TPeImageOptions options;
    options.SectionNames = {"UPX0", "UPX1", ".rsrc"};
    const TPeImage image = BuildPeImage(options);

    // Right before the second section's data.
    std::vector<uint8_t> bytes = image.Bytes;
    const size_t beforeSecond = image.SectionRawOffsets[1] - 37;
    PutUpxHeader(bytes, beforeSecond, "3.96\0");
    TPeFile pe = ReadBytes(bytes);
    EXPECT_TRUE(pe.IsPackedByUpx());
    EXPECT_TRUE(pe.IsValidUpxHeader());
    EXPECT_EQ(pe.UpxVersion(), "3.96");
    EXPECT_EQ(pe.Offset_UpxHeader(), static_cast<int64_t>(beforeSecond));
    EXPECT_EQ(pe.UpxHeader().Header.Method, 14);

    // Elsewhere near the section table, with no version number in it: the id text names the version.
    bytes = image.Bytes;
    const size_t nearTable = image.SectionTableOffset + 3 * 40 + 16;
    PutUpxHeader(bytes, nearTable, "\0\0\0\0\0", 40);
    const std::string id = "$Id: UPX 4.02 Copyright";
    std::memcpy(&bytes[nearTable + 60], id.data(), id.size());
    pe = ReadBytes(bytes);
    EXPECT_TRUE(pe.IsPackedByUpx());
    EXPECT_FALSE(pe.IsValidUpxHeader());
    EXPECT_EQ(pe.Offset_UpxHeader(), static_cast<int64_t>(nearTable));
    EXPECT_EQ(pe.UpxVersion(), "4.02");

    // UPX section names alone are not enough.
    pe = ReadBytes(image.Bytes);
    EXPECT_FALSE(pe.IsPackedByUpx());
    EXPECT_EQ(pe.Offset_UpxHeader(), -1);
}

TEST(PeFile, UpxHeaderValidity)
{
    struct TCase
    {
        uint8_t Format, Method;
        bool Valid;
    };
    const TCase cases[] = {{36, 2, true},  {129, 15, true}, {127, 8, true},  {1, 2, true},
                           {138, 2, true}, {37, 2, false},  {128, 2, false}, {139, 2, false},
                           {0, 2, false},  {36, 1, false},  {36, 16, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.Format) << "/" << int(c.Method));
        TUpxHeader header = {};
        std::memcpy(header.UpxMagic, "UPX!", 4);
        header.Format = c.Format, header.Method = c.Method;
        EXPECT_EQ(IsValidUpxHeader(header), c.Valid);
    }
    TUpxHeader wrongMagic = {};
    std::memcpy(wrongMagic.UpxMagic, "UPX?", 4);
    wrongMagic.Format = 1, wrongMagic.Method = 2;
    EXPECT_FALSE(IsValidUpxHeader(wrongMagic));
}

TEST(PeFile, FindBytesAndMachineNames)
{
    const std::string text = "abcUPX!xyz";
    const auto* buffer = reinterpret_cast<const uint8_t*>(text.data());
    const int64_t length = static_cast<int64_t>(text.size());
    EXPECT_EQ(FindBytes(buffer, length, "UPX!"), 3);
    EXPECT_EQ(FindBytes(buffer, length, "abc"), 0);
    EXPECT_EQ(FindBytes(buffer, length, "xyz"), 7);
    EXPECT_EQ(FindBytes(buffer, length, "xyz!"), -1);
    EXPECT_EQ(FindBytes(buffer, length, ""), -1);
    EXPECT_EQ(FindBytes(buffer, 3, "abcU"), -1);

    EXPECT_EQ(GetMachineTypeName(0), "Unknown machine");
    EXPECT_EQ(GetMachineTypeName(0x5064), "RISC-V 64-bit address space");
    EXPECT_EQ(GetMachineTypeName(0x1234), "");
}
