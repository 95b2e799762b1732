#include "byte_fixtures.h"
#include "support/elf_file.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace {

#if defined(__x86_64__)
const char* const HostMachine = "x86-64";
#elif defined(__aarch64__)
const char* const HostMachine = "AArch64";
#endif

std::vector<uint8_t> FileBytes(const std::string& fileName)
{
    std::ifstream file(fileName, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(file), {});
}

TElfFile ReadFile(const std::string& fileName)
{
    TElfFile elf;
    elf.SetFileName(fileName);
    elf.ReadFileInfo();
    return elf;
}

} // namespace

TEST(ElfFile, DescribesTheInstalledTools)
{
    for (const std::string tool : {"/bin/sh", "/usr/bin/ffmpeg"}) {
        SCOPED_TRACE(tool);
        const TElfFile elf = ReadFile(tool);
        EXPECT_TRUE(elf.IsValidElfFile());
        EXPECT_EQ(elf.Bits(), 64);
        // Position-independent executables are shared objects by their header.
        EXPECT_EQ(elf.InfoStr(), std::string("ELF shared object ") + HostMachine);
    }

    TTempFolder folder;
    const std::vector<uint8_t> sh = FileBytes("/bin/sh");
    for (const size_t size : {size_t(0), size_t(15), size_t(63)}) {
        SCOPED_TRACE(size);
        const TElfFile cut = ReadFile(folder.WriteFile("cut", {sh.begin(), sh.begin() + size}));
        EXPECT_FALSE(cut.IsValidElfFile());
        EXPECT_EQ(cut.Bits(), 0);
        EXPECT_EQ(cut.InfoStr(), "");
    }
    EXPECT_FALSE(ReadFile((folder.Path() / "missing").string()).IsValidElfFile());
}

TEST(ElfFile, ReadsEitherClassAndByteOrder)
{
    struct TCase
    {
        std::vector<uint8_t> Bytes;
        bool Valid;
        uint8_t Bits;
        const char* InfoStr;
    };
    std::vector<uint8_t> notElf = ElfHeaderBytes(2, 1, 3, 62);
    notElf[1] = 'e';
    std::vector<uint8_t> cut32 = ElfHeaderBytes(1, 1, 2, 3);
    cut32.pop_back();
    const TCase cases[] = {
        {ElfHeaderBytes(2, 1, 3, 62), true, 64, "ELF shared object x86-64"},
        {ElfHeaderBytes(2, 1, 2, 183), true, 64, "ELF executable AArch64"},
        {ElfHeaderBytes(1, 1, 2, 3), true, 32, "ELF executable i386"},
        {ElfHeaderBytes(1, 2, 2, 40), true, 32, "ELF executable ARM"},
        {ElfHeaderBytes(1, 2, 1, 0x2345), true, 32, "ELF type 1 machine 9029"},
        {ElfHeaderBytes(3, 1, 2, 62), false, 0, ""},
        {ElfHeaderBytes(2, 0, 2, 62), false, 0, ""},
        {notElf, false, 0, ""},
        {cut32, false, 0, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.InfoStr);
        TMemoryStream stream;
        stream.WriteBuffer(c.Bytes.data(), static_cast<int64_t>(c.Bytes.size()));
        TElfFile elf;
        elf.ReadStreamInfo(stream);
        EXPECT_EQ(elf.IsValidElfFile(), c.Valid);
        EXPECT_EQ(elf.Bits(), c.Bits);
        EXPECT_EQ(elf.InfoStr(), c.InfoStr);
    }
}
