#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// Builds small synthetic PE32 and PE32+ images (headers, sections, an optional version resource) for the
// readers' tests and fuzz seeds.

struct TPeImageOptions
{
    bool Pe32Plus = true;
    uint16_t Machine = 0x8664;
    uint16_t Characteristics = 0x0022; // executable image, large-address aware
    uint64_t ImageBase = 0x140000000;
    uint32_t EntryPoint = 0x1010;
    std::vector<std::string> SectionNames = {".text", ".data"};
    // When not empty: a ".rsrc" section after the others holding this as the version resource.
    std::vector<uint8_t> VersionData;
    uint16_t VersionLanguage = 0x0409;
};

struct TPeImage
{
    std::vector<uint8_t> Bytes;
    uint32_t NewHeaderOffset = 0;
    uint32_t SectionTableOffset = 0;
    std::vector<uint32_t> SectionRawOffsets;
};

TPeImage BuildPeImage(const TPeImageOptions& options);

struct TVersionStringTable
{
    uint16_t LanguageId = 0x0409;
    uint16_t CodePage = 1200;
    std::vector<std::pair<std::string, std::string>> Values; // name, UTF-8 text
};

// Version data: the fixed part with the two versions (four parts each, most significant first), the
// string tables and the translation table listing them in order.
std::vector<uint8_t> BuildVersionData(const uint16_t (&fileVersion)[4], const uint16_t (&productVersion)[4],
                                      const std::vector<TVersionStringTable>& tables);
