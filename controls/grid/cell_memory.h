#pragma once

#include <array>
#include <cstddef>
#include <vector>

// The memory of one cell store: its row records, cells and cell texts are cut from large chunks, and a
// block that comes back goes onto a free list of its size, so rows added after deletions reuse the blocks
// of the deleted ones and a store that adds and deletes rows for hours stays the size of its largest fill.
// Release hands every chunk back at once when the store holds nothing any more.
//
// A grid of 100,000 rows holds millions of small objects; the general heap spends most of a fill after a
// clear searching its scattered free lists, while here a block costs a pointer bump or a free-list pop.
// Blocks are multiples of 8 bytes; larger ones than kLargestBlock go to the general heap. Not thread-safe,
// like the store.
class TCellMemory
{
public:
    static constexpr size_t kLargestBlock = 512;

    TCellMemory() = default;
    TCellMemory(const TCellMemory&) = delete;
    TCellMemory& operator=(const TCellMemory&) = delete;
    ~TCellMemory() { Release(); }

    void* Allocate(size_t size);
    // size is the size the block was allocated with.
    void Deallocate(void* block, size_t size);
    // Frees every chunk; every block cut from them must be out of use.
    void Release();

    // Bytes of the chunks held from the general heap.
    size_t ReservedBytes() const { return reserved_; }

private:
    static constexpr size_t kGranule = 8;
    static constexpr size_t kFirstChunk = 4 * 1024;
    static constexpr size_t kLargestChunk = 1024 * 1024;

    // A block on a free list holds the next one.
    struct TFreeBlock
    {
        TFreeBlock* next;
    };

    static size_t SizeClass(size_t size) { return (size + kGranule - 1) / kGranule; }
    void* Cut(size_t bytes);
    void AddChunk();

    std::array<TFreeBlock*, kLargestBlock / kGranule + 1> free_{}; // free_[n]: blocks of n granules
    std::vector<std::byte*> chunks_;
    std::byte* next_ = nullptr; // the unused rest of the newest chunk
    std::byte* end_ = nullptr;
    size_t reserved_ = 0;
};

// Blocks from a store's memory, or from the general heap when there is none.
void* AllocateIn(TCellMemory* memory, size_t size);
void DeallocateIn(TCellMemory* memory, void* block, size_t size);
