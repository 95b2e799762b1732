#include "byte_fixtures.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>

TTempFolder::TTempFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "qm_test_XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
        throw std::runtime_error("Cannot create a temporary folder");
    }
    FPath = pattern;
}

TTempFolder::~TTempFolder()
{
    std::error_code error;
    std::filesystem::remove_all(FPath, error);
}

std::string TTempFolder::WriteFile(const std::string& name, const std::vector<uint8_t>& bytes) const
{
    const std::filesystem::path file = FPath / name;
    std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    return file.string();
}

void PutLittleEndian(std::vector<uint8_t>& bytes, size_t offset, uint64_t value, int size)
{
    for (int i = 0; i < size; ++i) {
        bytes[offset + i] = static_cast<uint8_t>(value >> (8 * i));
    }
}

std::vector<uint8_t> NoiseBytes(size_t count, uint32_t seed)
{
    std::vector<uint8_t> bytes(count);
    uint32_t state = seed;
    for (auto& b : bytes) {
        state = state * 1664525u + 1013904223u;
        b = static_cast<uint8_t>(state >> 24);
    }
    return bytes;
}

// An ELF header of the class (1 or 2) and byte order (1 little, 2 big endian) with type and machine.
std::vector<uint8_t> ElfHeaderBytes(uint8_t elfClass, uint8_t data, uint16_t type, uint16_t machine)
{
    std::vector<uint8_t> header(elfClass == 1 ? 52 : 64);
    header[0] = 0x7F, header[1] = 'E', header[2] = 'L', header[3] = 'F';
    header[4] = elfClass, header[5] = data, header[6] = 1;
    const bool big = data == 2;
    header[16 + (big ? 1 : 0)] = static_cast<uint8_t>(type);
    header[16 + (big ? 0 : 1)] = static_cast<uint8_t>(type >> 8);
    header[18 + (big ? 1 : 0)] = static_cast<uint8_t>(machine);
    header[18 + (big ? 0 : 1)] = static_cast<uint8_t>(machine >> 8);
    return header;
}

TMemoryStream StreamOf(const std::vector<uint8_t>& bytes)
{
    TMemoryStream stream;
    stream.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
    stream.SetPosition(0);
    return stream;
}
