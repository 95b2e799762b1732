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
