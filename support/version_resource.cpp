#include "support/version_resource.h"

#include "support/byte_order.h"
#include "support/pe_file.h"
#include "support/utf8.h"

#include <algorithm>
#include <filesystem>

namespace {

constexpr uint32_t ResourceTypeVersion = 16;
constexpr uint32_t VersionResourceId = 1;
constexpr uint32_t ResourceSubdirectoryFlag = 0x80000000;
constexpr size_t ResourceDirectoryHeaderSize = 16;
constexpr size_t ResourceEntrySize = 8;
constexpr size_t BlockHeaderSize = 6;

uint16_t Read16(const uint8_t* bytes)
{
    return static_cast<uint16_t>(ReadLittleEndian(bytes, 2));
}

uint32_t Read32(const uint8_t* bytes)
{
    return static_cast<uint32_t>(ReadLittleEndian(bytes, 4));
}

// UTF-16LE units from the bytes up to the first zero unit or the end.
std::u16string Utf16Units(const uint8_t* bytes, size_t size)
{
    std::u16string units;
    for (size_t i = 0; i + 1 < size; i += 2) {
        const char16_t unit = Read16(bytes + i);
        if (unit == 0) {
            break;
        }
        units += unit;
    }
    return units;
}

std::string Utf16ToUtf8(const std::u16string& units)
{
    std::string text;
    for (size_t i = 0; i < units.size(); ++i) {
        char32_t codePoint = units[i];
        const bool high = codePoint >= 0xD800 && codePoint <= 0xDBFF;
        const bool lowFollows = i + 1 < units.size() && units[i + 1] >= 0xDC00 && units[i + 1] <= 0xDFFF;
        if (high && lowFollows) {
            codePoint = 0x10000 + ((codePoint - 0xD800) << 10) + (units[++i] - 0xDC00);
        } else if (codePoint >= 0xD800 && codePoint <= 0xDFFF) {
            codePoint = 0xFFFD; // an unpaired half
        }
        text += CodePointToUtf8(codePoint);
    }
    return text;
}

// ---- Finding the version data in a PE file

// The file offset of a relative virtual address, through the section that holds it.
std::optional<int64_t> RvaToFileOffset(const TImageSections& sections, uint32_t rva)
{
    for (const auto& section : sections) {
        const uint64_t start = section.VirtualAddress;
        const uint64_t size = std::max(section.VirtualSize, section.SizeOfRawData);
        if (rva >= start && rva < start + size) {
            return static_cast<int64_t>(section.PointerToRawData) + (rva - start);
        }
    }
    return std::nullopt;
}

std::vector<uint8_t> ReadBytesAt(TStream& stream, int64_t offset, uint32_t size)
{
    const int64_t available = stream.Size() - offset;
    if (offset < 0 || available <= 0) {
        return {};
    }
    std::vector<uint8_t> bytes(static_cast<size_t>(std::min<int64_t>(size, available)));
    stream.SetPosition(offset);
    bytes.resize(static_cast<size_t>(stream.Read(bytes.data(), static_cast<int64_t>(bytes.size()))));
    return bytes;
}

// The OffsetToData of a resource directory's entry: the entry with the id, or the first entry when the id
// is absent and firstOtherwise is set.
std::optional<uint32_t> FindResourceEntry(const std::vector<uint8_t>& resources, uint32_t directory,
                                          std::optional<uint32_t> id, bool firstOtherwise)
{
    if (directory > resources.size() || resources.size() - directory < ResourceDirectoryHeaderSize) {
        return std::nullopt;
    }
    const uint8_t* header = resources.data() + directory;
    const size_t count = static_cast<size_t>(Read16(header + 12)) + Read16(header + 14);
    const size_t room = (resources.size() - directory - ResourceDirectoryHeaderSize) / ResourceEntrySize;
    std::optional<uint32_t> first;
    for (size_t i = 0; i < std::min(count, room); ++i) {
        const uint8_t* entry = header + ResourceDirectoryHeaderSize + i * ResourceEntrySize;
        const uint32_t name = Read32(entry);
        const uint32_t offset = Read32(entry + 4);
        if (id && name == *id) {
            return offset;
        }
        if (!first) {
            first = offset;
        }
    }
    return firstOtherwise ? first : std::nullopt;
}

// The directory a subdirectory entry points at; none for an entry that points at data.
std::optional<uint32_t> Subdirectory(std::optional<uint32_t> entry)
{
    if (!entry || !(*entry & ResourceSubdirectoryFlag)) {
        return std::nullopt;
    }
    return *entry & ~ResourceSubdirectoryFlag;
}

// The version resource: type 16, the name 1 (else the first), the first language.
std::vector<uint8_t> ReadVersionData(TStream& stream, const TPeFile& pe)
{
    const auto& optional32 = pe.OptionalHeader32();
    const auto& optional64 = pe.OptionalHeader64();
    const uint32_t directoryCount =
        pe.Is32bit() ? optional32.NumberOfRvaAndSizes : optional64.NumberOfRvaAndSizes;
    const TImageDataDirectory& directory = pe.DataDirectory(ImageDirectoryEntryResource);
    if (directoryCount <= ImageDirectoryEntryResource || directory.VirtualAddress == 0) {
        return {};
    }
    const auto root = RvaToFileOffset(pe.Sections(), directory.VirtualAddress);
    if (!root) {
        return {};
    }
    const std::vector<uint8_t> resources = ReadBytesAt(stream, *root, directory.Size);
    const auto names = Subdirectory(FindResourceEntry(resources, 0, ResourceTypeVersion, false));
    const auto languages =
        names ? Subdirectory(FindResourceEntry(resources, *names, VersionResourceId, true)) : std::nullopt;
    const auto entry =
        languages ? FindResourceEntry(resources, *languages, std::nullopt, true) : std::nullopt;
    if (!entry || (*entry & ResourceSubdirectoryFlag) || *entry > resources.size() ||
        resources.size() - *entry < ResourceEntrySize) {
        return {};
    }
    const uint32_t dataRva = Read32(resources.data() + *entry);
    const uint32_t dataSize = Read32(resources.data() + *entry + 4);
    const auto dataOffset = RvaToFileOffset(pe.Sections(), dataRva);
    return dataOffset ? ReadBytesAt(stream, *dataOffset, dataSize) : std::vector<uint8_t>();
}

// ---- Looking values up in the version data

struct TBlock
{
    size_t End = 0; // offset behind the block
    std::string Key;
    TVersionValue Value;
    size_t ChildrenStart = 0;
};

size_t AlignTo4(size_t offset)
{
    return (offset + 3) & ~size_t(3);
}

// The block at the offset, within the limit; none when its header or key does not fit.
std::optional<TBlock> ParseBlock(const std::vector<uint8_t>& data, size_t offset, size_t limit)
{
    if (offset > limit || limit - offset < BlockHeaderSize) {
        return std::nullopt;
    }
    const uint8_t* header = data.data() + offset;
    const size_t length = Read16(header);
    const size_t valueLength = Read16(header + 2);
    const bool isText = Read16(header + 4) == 1;
    if (length < BlockHeaderSize) {
        return std::nullopt;
    }
    TBlock block;
    block.End = std::min(offset + length, limit);
    const size_t keyStart = offset + BlockHeaderSize;
    const std::u16string key = Utf16Units(data.data() + keyStart, block.End - keyStart);
    const size_t keyEnd = keyStart + (key.size() + 1) * 2;
    if (keyEnd > block.End) {
        return std::nullopt; // the key has no terminating zero inside the block
    }
    block.Key = Utf16ToUtf8(key);
    const size_t valueStart = std::min(AlignTo4(keyEnd), block.End);
    // A text value's length counts UTF-16 units.
    const size_t valueSize = std::min(isText ? valueLength * 2 : valueLength, block.End - valueStart);
    block.Value = {data.data() + valueStart, valueSize, isText};
    block.ChildrenStart = std::min(AlignTo4(valueStart + valueSize), block.End);
    return block;
}

std::optional<TBlock> FindChild(const std::vector<uint8_t>& data, const TBlock& parent, std::string_view key)
{
    size_t offset = parent.ChildrenStart;
    while (auto child = ParseBlock(data, offset, parent.End)) {
        if (SameTextIgnoreCase(child->Key, key)) {
            return child;
        }
        offset = AlignTo4(child->End);
    }
    return std::nullopt;
}

} // namespace

std::vector<uint8_t> ReadStreamVersionData(TStream& stream)
{
    TPeFile pe;
    pe.ReadStreamInfo(stream);
    return pe.IsValidPeFile() ? ReadVersionData(stream, pe) : std::vector<uint8_t>();
}

std::vector<uint8_t> ReadFileVersionData(const std::string& fileName)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(fileName, error)) {
        return {};
    }
    try {
        TFileStream file(fileName, fmOpenRead);
        return ReadStreamVersionData(file);
    } catch (const EStreamError&) {
        return {}; // an unreadable file has no version data to offer
    }
}

std::optional<TVersionValue> QueryVersionValue(const std::vector<uint8_t>& data, std::string_view path)
{
    auto block = ParseBlock(data, 0, data.size());
    while (block && !path.empty()) {
        if (path.front() == '\\') {
            path.remove_prefix(1);
            continue;
        }
        const size_t keyEnd = std::min(path.find('\\'), path.size());
        block = FindChild(data, *block, path.substr(0, keyEnd));
        path.remove_prefix(keyEnd);
    }
    return block ? std::optional(block->Value) : std::nullopt;
}

std::string VersionValueText(const TVersionValue& value)
{
    return Utf16ToUtf8(Utf16Units(value.Data, value.Size));
}
