#pragma once

#include "support/streams.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// A temporary folder for one test, removed with everything in it at the end.
class TTempFolder
{
public:
    TTempFolder();
    ~TTempFolder();
    TTempFolder(const TTempFolder&) = delete;
    TTempFolder& operator=(const TTempFolder&) = delete;

    const std::filesystem::path& Path() const { return FPath; }
    // Writes the bytes into a file of the folder; returns its full name.
    std::string WriteFile(const std::string& name, const std::vector<uint8_t>& bytes) const;

private:
    std::filesystem::path FPath;
};

// Stores the low size bytes of the value at the offset, least significant first.
void PutLittleEndian(std::vector<uint8_t>& bytes, size_t offset, uint64_t value, int size);

// Bytes that do not compress: a fixed pseudo-random sequence.
std::vector<uint8_t> NoiseBytes(size_t count, uint32_t seed = 1);

// An ELF header of the class (1: 32-bit, 2: 64-bit) and byte order (1: little, 2: big endian) with the file
// type and machine.
std::vector<uint8_t> ElfHeaderBytes(uint8_t elfClass, uint8_t data, uint16_t type, uint16_t machine);

// A memory stream holding the bytes, positioned at their start.
TMemoryStream StreamOf(const std::vector<uint8_t>& bytes);
