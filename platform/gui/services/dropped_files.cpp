#include "platform/gui/services/dropped_files.h"

#include "support/utf8.h"

#include <cstring>

HDROP MakeDropFiles(const std::vector<std::string>& fileNames, TPoint point, bool nonClient)
{
    DROPFILES header;
    header.x = point.X;
    header.y = point.Y;
    header.fNC = nonClient ? 1 : 0;
    std::string bytes(sizeof header, '\0');
    std::memcpy(bytes.data(), &header, sizeof header);
    for (const std::string& name : fileNames)
        if (!name.empty())
            bytes += name + '\0';
    bytes += '\0';
    return GlobalFromBytes(bytes, false);
}

namespace {

bool ReadHeader(const std::string& bytes, DROPFILES& header)
{
    if (bytes.size() < sizeof header)
        return false;
    std::memcpy(&header, bytes.data(), sizeof header);
    return header.pFiles >= sizeof header && header.pFiles <= bytes.size();
}

// UTF-16 names (little-endian); a lone surrogate becomes U+FFFD.
std::vector<std::string> WideNames(const std::string& bytes, size_t at)
{
    std::vector<std::string> names;
    std::u32string name;
    char32_t high = 0;
    for (; at + 1 < bytes.size(); at += 2) {
        const char32_t unit = static_cast<uint8_t>(bytes[at]) | static_cast<uint8_t>(bytes[at + 1]) << 8;
        if (high && unit >= 0xDC00 && unit <= 0xDFFF) {
            name += 0x10000 + ((high - 0xD800) << 10) + (unit - 0xDC00);
            high = 0;
            continue;
        }
        if (high)
            name += 0xFFFD;
        high = unit >= 0xD800 && unit <= 0xDBFF ? unit : 0;
        if (high)
            continue;
        if (unit != 0) {
            name += unit >= 0xDC00 && unit <= 0xDFFF ? 0xFFFD : unit;
            continue;
        }
        if (name.empty())
            break;
        names.push_back(Utf32ToUtf8(name));
        name.clear();
    }
    return names;
}

std::vector<std::string> NarrowNames(const std::string& bytes, size_t at)
{
    std::vector<std::string> names;
    while (at < bytes.size()) {
        const size_t end = bytes.find('\0', at);
        if (end == at || end == std::string::npos)
            break;
        names.push_back(bytes.substr(at, end - at));
        at = end + 1;
    }
    return names;
}

} // namespace

std::vector<std::string> DropFileNames(HGLOBAL block)
{
    return DropFileNamesOfBytes(GlobalBytes(block, false));
}

std::vector<std::string> DropFileNamesOfBytes(const std::string& bytes)
{
    DROPFILES header;
    if (!ReadHeader(bytes, header))
        return {};
    return header.fWide ? WideNames(bytes, header.pFiles) : NarrowNames(bytes, header.pFiles);
}

unsigned DragQueryFile(HDROP drop, unsigned index, char* buffer, unsigned size)
{
    const std::vector<std::string> names = DropFileNames(drop);
    if (index == DragQueryFileCount)
        return static_cast<unsigned>(names.size());
    if (index >= names.size())
        return 0;
    const std::string& name = names[index];
    if (!buffer)
        return static_cast<unsigned>(name.size());
    if (size == 0)
        return 0;
    const std::string copied = Utf8PrefixWithin(name, size - 1);
    std::memcpy(buffer, copied.data(), copied.size());
    buffer[copied.size()] = '\0';
    return static_cast<unsigned>(copied.size());
}

std::string DragQueryFileName(HDROP drop, unsigned index)
{
    const std::vector<std::string> names = DropFileNames(drop);
    return index < names.size() ? names[index] : std::string();
}

bool DragQueryPoint(HDROP drop, TPoint& point)
{
    DROPFILES header;
    if (!ReadHeader(GlobalBytes(drop, false), header))
        return false;
    point = TPoint{header.x, header.y};
    return header.fNC == 0;
}

void DragFinish(HDROP drop)
{
    GlobalFree(drop);
}
