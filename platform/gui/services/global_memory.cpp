#include "platform/gui/services/global_memory.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <map>
#include <new>
#include <stdexcept>
#include <vector>

namespace {

struct TBlock
{
    std::vector<char> bytes;
    int locks = 0;
};

// Blocks by handle. A handle is a number that is never given out twice, so that a freed one is known.
std::map<uintptr_t, TBlock>& Blocks()
{
    static std::map<uintptr_t, TBlock> blocks;
    return blocks;
}

TBlock* Find(HGLOBAL handle)
{
    const auto found = Blocks().find(reinterpret_cast<uintptr_t>(handle));
    return found == Blocks().end() ? nullptr : &found->second;
}

} // namespace

HGLOBAL GlobalAlloc(unsigned, size_t bytes)
{
    static uintptr_t lastHandle = 0x10000;
    try {
        TBlock block{std::vector<char>(bytes), 0};
        lastHandle += 0x10;
        Blocks().emplace(lastHandle, std::move(block));
        return reinterpret_cast<HGLOBAL>(lastHandle);
    } catch (const std::bad_alloc&) {
        return nullptr;
    } catch (const std::length_error&) {
        return nullptr;
    }
}

void* GlobalLock(HGLOBAL handle)
{
    TBlock* block = Find(handle);
    if (!block)
        return nullptr;
    ++block->locks;
    // A block of no bytes still has an address to lock.
    return block->bytes.empty() ? static_cast<void*>(block) : block->bytes.data();
}

bool GlobalUnlock(HGLOBAL handle)
{
    TBlock* block = Find(handle);
    if (!block || block->locks == 0)
        return false;
    return --block->locks > 0;
}

size_t GlobalSize(HGLOBAL handle)
{
    const TBlock* block = Find(handle);
    return block ? block->bytes.size() : 0;
}

HGLOBAL GlobalFree(HGLOBAL handle)
{
    Blocks().erase(reinterpret_cast<uintptr_t>(handle));
    return nullptr;
}

HGLOBAL GlobalFromBytes(const std::string& bytes, bool terminatingZero)
{
    HGLOBAL handle = GlobalAlloc(GHND, bytes.size() + (terminatingZero ? 1 : 0));
    if (handle && !bytes.empty())
        std::memcpy(Find(handle)->bytes.data(), bytes.data(), bytes.size());
    return handle;
}

std::string GlobalBytes(HGLOBAL handle, bool untilZero)
{
    const TBlock* block = Find(handle);
    if (!block)
        return {};
    std::string bytes(block->bytes.begin(), block->bytes.end());
    if (untilZero)
        bytes.resize(std::min(bytes.size(), bytes.find('\0')));
    return bytes;
}
