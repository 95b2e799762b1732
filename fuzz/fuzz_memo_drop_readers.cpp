// The readers of dropped data on arbitrary blocks: texts, rich texts and file lists with any names'
// offset and either width. Every read must stay inside the block (the address sanitizer watches), a text
// must come out as UTF-8 without a zero, and every file name must be a non-empty UTF-8 name without a zero
// that the block holds whole. A block in global memory must read as its bytes do.
// Input: a control byte (bit 0: set the wide flag, bit 1: take the names' offset from the next byte, bit 2:
// clear the wide flag), that byte when used, then the block.
#include "platform/gui/services/dropped_files.h"
#include "platform/gui/services/dropped_text.h"
#include "platform/gui/services/global_memory.h"
#include "support/utf8.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

void Check(bool condition)
{
    if (!condition)
        abort();
}

// The block with the header fields the control byte asks for written over it (when it has a header).
std::string BlockOf(const uint8_t* data, size_t size)
{
    const uint8_t control = data[0];
    size_t at = 1;
    uint32_t offset = 0;
    const bool setOffset = (control & 2) && at < size;
    if (setOffset)
        offset = data[at++];
    std::string block(reinterpret_cast<const char*>(data + at), size - at);
    if (block.size() < sizeof(DROPFILES))
        return block;
    DROPFILES header;
    std::memcpy(&header, block.data(), sizeof header);
    if (setOffset)
        header.pFiles = offset;
    if (control & 1)
        header.fWide = 1;
    if (control & 4)
        header.fWide = 0;
    std::memcpy(block.data(), &header, sizeof header);
    return block;
}

void CheckText(const std::string& block)
{
    const std::string text = DroppedText(block);
    Check(IsValidUtf8(text));
    Check(text.find('\0') == std::string::npos);
    // Each byte read gives at most one replacement character of three bytes.
    Check(text.size() <= 3 * block.size());
}

void CheckFileNames(const std::string& block)
{
    const std::vector<std::string> names = DropFileNamesOfBytes(block);
    size_t total = 0;
    for (const std::string& name : names) {
        Check(!name.empty());
        Check(name.find('\0') == std::string::npos);
        total += name.size() + 1;
    }
    // Narrow names are the block's bytes; a wide unit of two bytes makes at most three.
    Check(total <= 2 * block.size());

    HGLOBAL handle = GlobalFromBytes(block, false);
    Check(handle != nullptr);
    Check(DropFileNames(handle) == names);
    GlobalFree(handle);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const std::string block = BlockOf(data, size);
    CheckText(block);
    CheckFileNames(block);
    return 0;
}
