// Writes the seed inputs of the fuzz targets, built with the tests' writers, into <folder>/<target>/.
// Usage: write_fuzz_seeds fuzz/seeds
#include "byte_fixtures.h"
#include "packed_container_writer.h"
#include "pe_image_builder.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>

namespace {

std::filesystem::path SeedFolder;

void WriteSeed(const std::string& target, const std::string& name, const std::vector<uint8_t>& bytes)
{
    const auto folder = SeedFolder / target;
    std::filesystem::create_directories(folder);
    std::ofstream(folder / name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

std::vector<uint8_t> WithPieceSize(uint8_t pieceSelector, std::vector<uint8_t> bytes)
{
    bytes.insert(bytes.begin(), pieceSelector);
    return bytes;
}

void WriteInflateSeeds()
{
    std::string text;
    for (int i = 0; i < 200; ++i) {
        text += "frame=" + std::to_string(i) + " fps=25\n";
    }
    std::vector<uint8_t> cut = Compress(text);
    cut.resize(cut.size() / 2);
    WriteSeed("inflate", "empty", WithPieceSize(0, Compress("")));
    WriteSeed("inflate", "short", WithPieceSize(3, Compress("hello hello hello")));
    WriteSeed("inflate", "text", WithPieceSize(255, Compress(text)));
    WriteSeed("inflate", "cut", WithPieceSize(1, cut));
}

void WritePackedContainerSeeds()
{
    TPackedContainerOptions options;
    WriteSeed("packed_container", "plain", WritePackedContainer("[Main]\nColor=clRed\n", options));
    options.Scrambled = true, options.Mode = 1, options.Field2Length = 2;
    WriteSeed("packed_container", "mode1", WritePackedContainer("[Main]\nColor=clBlue\n", options));
    options.Mode = 2;
    WriteSeed("packed_container", "mode2", WritePackedContainer(std::string(300, 'x'), options));
}

void WriteExecutableSeeds()
{
    TPeImageOptions options;
    WriteSeed("executable_header", "pe32plus_exe", BuildPeImage(options).Bytes);
    options.Pe32Plus = false, options.Machine = 0x014C, options.Characteristics = 0x2102;
    WriteSeed("executable_header", "pe32_dll", BuildPeImage(options).Bytes);

    options = {};
    options.SectionNames = {"UPX0", "UPX1", ".rsrc"};
    TPeImage upx = BuildPeImage(options);
    const size_t at = upx.SectionRawOffsets[1] - 37;
    std::memcpy(&upx.Bytes[at], "3.96\0UPX!", 9);
    upx.Bytes[at + 10] = 9, upx.Bytes[at + 11] = 14;
    WriteSeed("executable_header", "upx", upx.Bytes);

    WriteSeed("executable_header", "elf64", ElfHeaderBytes(2, 1, 3, 62));
    WriteSeed("executable_header", "elf32_big_endian", ElfHeaderBytes(1, 2, 2, 40));
}

void WriteVersionSeeds()
{
    const TVersionStringTable english = {
        0x0409, 1200, {{"FileVersion", "1.10.0.3"}, {"ProductVersion", "1.10"}}};
    const TVersionStringTable german = {0x0407, 1252, {{"FileVersion", "1,10"}}};
    const auto data = BuildVersionData({1, 10, 0, 3}, {1, 10, 0, 0}, {english, german});
    TPeImageOptions options;
    options.SectionNames = {".text"};
    options.VersionData = data;
    WriteSeed("version_resource", "pe32plus", BuildPeImage(options).Bytes);
    options.Pe32Plus = false;
    options.VersionData = BuildVersionData({2, 0, 0, 1}, {2, 0, 0, 0}, {english});
    WriteSeed("version_resource", "pe32", BuildPeImage(options).Bytes);
    WriteSeed("version_resource", "version_data", data);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: write_fuzz_seeds <seed folder>\n";
        return 2;
    }
    SeedFolder = argv[1];
    WriteInflateSeeds();
    WritePackedContainerSeeds();
    WriteExecutableSeeds();
    WriteVersionSeeds();
    return 0;
}
