#include "platform/gui/global_memory.h"

#include <cstring>
#include <new>
#include <stdexcept>
#include <set>
#include <vector>

struct TGlobalBlock
{
    std::vector<char> bytes;
    int locks = 0;
};

namespace {

std::set<HGLOBAL>& LiveBlocks()
{
    static std::set<HGLOBAL> blocks;
    return blocks;
}

bool Live(HGLOBAL block)
{
    return block && LiveBlocks().contains(block);
}

} // namespace

HGLOBAL GlobalAlloc(unsigned, size_t bytes)
{
    try {
        auto* block = new TGlobalBlock{std::vector<char>(bytes), 0};
        LiveBlocks().insert(block);
        return block;
    } catch (const std::bad_alloc&) {
        return nullptr;
    } catch (const std::length_error&) {
        return nullptr;
    }
}

void* GlobalLock(HGLOBAL block)
{
    if (!Live(block))
        return nullptr;
    ++block->locks;
    // A block of no bytes still has an address to lock.
    return block->bytes.empty() ? static_cast<void*>(block) : block->bytes.data();
}

bool GlobalUnlock(HGLOBAL block)
{
    if (!Live(block) || block->locks == 0)
        return false;
    return --block->locks > 0;
}

size_t GlobalSize(HGLOBAL block)
{
    return Live(block) ? block->bytes.size() : 0;
}

HGLOBAL GlobalFree(HGLOBAL block)
{
    if (Live(block)) {
        LiveBlocks().erase(block);
        delete block;
    }
    return nullptr;
}

HGLOBAL GlobalFromBytes(const std::string& bytes, bool terminatingZero)
{
    HGLOBAL block = GlobalAlloc(GHND, bytes.size() + (terminatingZero ? 1 : 0));
    if (block && !bytes.empty())
        std::memcpy(block->bytes.data(), bytes.data(), bytes.size());
    return block;
}

std::string GlobalBytes(HGLOBAL block, bool untilZero)
{
    if (!Live(block))
        return {};
    std::string bytes(block->bytes.begin(), block->bytes.end());
    if (untilZero)
        bytes.resize(std::min(bytes.size(), bytes.find('\0')));
    return bytes;
}
