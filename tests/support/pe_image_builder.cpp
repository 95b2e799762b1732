#include "pe_image_builder.h"

#include "byte_fixtures.h"

#include "support/utf8.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr uint32_t NewHeaderOffset = 0x80;
constexpr uint32_t FileAlignment = 0x200;
constexpr uint32_t SectionAlignment = 0x1000;
constexpr uint32_t HeadersSize = 0x400;
constexpr uint32_t ResourceDirectoryFlag = 0x80000000;

uint32_t AlignUp(uint32_t value, uint32_t alignment)
{
    return (value + alignment - 1) / alignment * alignment;
}

void Put(std::vector<uint8_t>& bytes, size_t offset, uint64_t value, int size)
{
    if (bytes.size() < offset + size) {
        bytes.resize(offset + size);
    }
    PutLittleEndian(bytes, offset, value, size);
}

std::vector<uint8_t> Utf16Z(const std::string& text)
{
    std::vector<uint8_t> bytes;
    const auto add = [&](uint32_t unit) {
        bytes.push_back(static_cast<uint8_t>(unit));
        bytes.push_back(static_cast<uint8_t>(unit >> 8));
    };
    for (const char32_t c : Utf8ToUtf32(text)) {
        if (c >= 0x10000) {
            add(0xD800 + ((c - 0x10000) >> 10));
            add(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            add(c);
        }
    }
    add(0);
    return bytes;
}

void PadTo4(std::vector<uint8_t>& bytes)
{
    bytes.resize(AlignUp(static_cast<uint32_t>(bytes.size()), 4));
}

// One block of version data: header, key, value and children, each part starting 4-aligned.
std::vector<uint8_t> Block(const std::string& key, const std::vector<uint8_t>& value, bool isText,
                           const std::vector<std::vector<uint8_t>>& children = {})
{
    std::vector<uint8_t> block(6);
    const std::vector<uint8_t> keyBytes = Utf16Z(key);
    block.insert(block.end(), keyBytes.begin(), keyBytes.end());
    PadTo4(block);
    block.insert(block.end(), value.begin(), value.end());
    for (const auto& child : children) {
        PadTo4(block);
        block.insert(block.end(), child.begin(), child.end());
    }
    PutLittleEndian(block, 0, block.size(), 2);
    PutLittleEndian(block, 2, isText ? value.size() / 2 : value.size(), 2);
    PutLittleEndian(block, 4, isText ? 1 : 0, 2);
    return block;
}

std::vector<uint8_t> FixedFileInfo(const uint16_t (&fileVersion)[4], const uint16_t (&productVersion)[4])
{
    std::vector<uint8_t> fixed(52);
    PutLittleEndian(fixed, 0, 0xFEEF04BD, 4);
    PutLittleEndian(fixed, 4, 0x00010000, 4);
    PutLittleEndian(fixed, 8, uint32_t(fileVersion[0]) << 16 | fileVersion[1], 4);
    PutLittleEndian(fixed, 12, uint32_t(fileVersion[2]) << 16 | fileVersion[3], 4);
    PutLittleEndian(fixed, 16, uint32_t(productVersion[0]) << 16 | productVersion[1], 4);
    PutLittleEndian(fixed, 20, uint32_t(productVersion[2]) << 16 | productVersion[3], 4);
    PutLittleEndian(fixed, 24, 0x3F, 4);    // flags mask
    PutLittleEndian(fixed, 32, 0x40004, 4); // OS
    PutLittleEndian(fixed, 36, 1, 4);       // type: application
    return fixed;
}

// The resource tree with one entry on each level (type 16, name 1, the language) and the data behind it.
std::vector<uint8_t> ResourceSection(const std::vector<uint8_t>& versionData, uint16_t language,
                                     uint32_t sectionRva)
{
    std::vector<uint8_t> section;
    const auto directory = [&](uint32_t at, uint32_t id, uint32_t target) {
        Put(section, at + 14, 1, 2); // one entry with an id
        Put(section, at + 16, id, 4);
        Put(section, at + 20, target, 4);
    };
    directory(0x00, 16, ResourceDirectoryFlag | 0x18);
    directory(0x18, 1, ResourceDirectoryFlag | 0x30);
    directory(0x30, language, 0x48);
    Put(section, 0x48, sectionRva + 0x58, 4);
    Put(section, 0x4C, versionData.size(), 4);
    section.resize(0x58);
    section.insert(section.end(), versionData.begin(), versionData.end());
    return section;
}

} // namespace

std::vector<uint8_t> BuildVersionData(const uint16_t (&fileVersion)[4], const uint16_t (&productVersion)[4],
                                      const std::vector<TVersionStringTable>& tables)
{
    std::vector<std::vector<uint8_t>> stringTables;
    std::vector<uint8_t> translations;
    for (const auto& table : tables) {
        std::vector<std::vector<uint8_t>> strings;
        for (const auto& [name, text] : table.Values) {
            strings.push_back(Block(name, Utf16Z(text), true));
        }
        char key[9];
        std::snprintf(key, sizeof(key), "%04x%04x", table.LanguageId, table.CodePage);
        stringTables.push_back(Block(key, {}, true, strings));
        translations.resize(translations.size() + 4);
        PutLittleEndian(translations, translations.size() - 4, table.LanguageId, 2);
        PutLittleEndian(translations, translations.size() - 2, table.CodePage, 2);
    }
    const auto stringFileInfo = Block("StringFileInfo", {}, true, stringTables);
    const auto varFileInfo = Block("VarFileInfo", {}, true, {Block("Translation", translations, false)});
    return Block("VS_VERSION_INFO", FixedFileInfo(fileVersion, productVersion), false,
                 {stringFileInfo, varFileInfo});
}

TPeImage BuildPeImage(const TPeImageOptions& options)
{
    TPeImage image;
    auto& bytes = image.Bytes;
    std::vector<std::string> names = options.SectionNames;
    if (!options.VersionData.empty()) {
        names.push_back(".rsrc");
    }
    const uint32_t optionalSize = options.Pe32Plus ? 240 : 224;
    image.NewHeaderOffset = NewHeaderOffset;
    image.SectionTableOffset = NewHeaderOffset + 24 + optionalSize;

    Put(bytes, 0, 'M' | 'Z' << 8, 2);
    Put(bytes, 60, NewHeaderOffset, 4);
    Put(bytes, NewHeaderOffset, 0x00004550, 4);
    const uint32_t file = NewHeaderOffset + 4;
    Put(bytes, file, options.Machine, 2);
    Put(bytes, file + 2, names.size(), 2);
    Put(bytes, file + 16, optionalSize, 2);
    Put(bytes, file + 18, options.Characteristics, 2);

    const uint32_t optional = file + 20;
    Put(bytes, optional, options.Pe32Plus ? 0x020B : 0x010B, 2);
    Put(bytes, optional + 16, options.EntryPoint, 4);
    if (options.Pe32Plus) {
        Put(bytes, optional + 24, options.ImageBase, 8);
    } else {
        Put(bytes, optional + 28, options.ImageBase, 4);
    }
    Put(bytes, optional + 32, SectionAlignment, 4);
    Put(bytes, optional + 36, FileAlignment, 4);
    Put(bytes, optional + 60, HeadersSize, 4);
    const uint32_t directories = optional + optionalSize - 16 * 8;
    Put(bytes, directories - 4, 16, 4); // number of data directories

    uint32_t rawOffset = HeadersSize;
    uint32_t rva = SectionAlignment;
    for (size_t i = 0; i < names.size(); ++i) {
        const bool isResource = !options.VersionData.empty() && i + 1 == names.size();
        std::vector<uint8_t> data = isResource
                                        ? ResourceSection(options.VersionData, options.VersionLanguage, rva)
                                        : std::vector<uint8_t>(FileAlignment, static_cast<uint8_t>(i));
        const uint32_t rawSize = AlignUp(static_cast<uint32_t>(data.size()), FileAlignment);
        const uint32_t header = image.SectionTableOffset + static_cast<uint32_t>(i) * 40;
        bytes.resize(std::max<size_t>(bytes.size(), header + 40));
        std::copy_n(names[i].begin(), std::min<size_t>(names[i].size(), 8), bytes.begin() + header);
        Put(bytes, header + 8, data.size(), 4);
        Put(bytes, header + 12, rva, 4);
        Put(bytes, header + 16, rawSize, 4);
        Put(bytes, header + 20, rawOffset, 4);
        if (isResource) {
            Put(bytes, directories + 2 * 8, rva, 4);
            Put(bytes, directories + 2 * 8 + 4, data.size(), 4);
        }
        data.resize(rawSize);
        bytes.resize(rawOffset);
        bytes.insert(bytes.end(), data.begin(), data.end());
        image.SectionRawOffsets.push_back(rawOffset);
        rawOffset += rawSize;
        rva += AlignUp(rawSize, SectionAlignment);
    }
    Put(bytes, optional + 56, rva, 4); // size of image
    return image;
}
