#pragma once

#include <array>
#include <cstddef>
#include <vector>

// The memory of one cell store: its row records, cells and cell texts are cut from large chunks, and a
// block that comes back goes onto a free list of its size, so rows added after deletions reuse the blocks
// of the deleted ones and a store that adds and deletes rows for hours stays the size of its largest fill.
// When the store holds nothing any more, Recycle keeps the chunks and cuts the next rows from them again
// in order, and Release hands every chunk back at once.
//
// A grid of 100,000 rows holds millions of small objects; here a block costs a pointer bump or a free-list
// pop. Chunks are kept over a clear because handing a large grid's memory back only to ask for it again on
// the next fill costs a page fault for every 4 KB touched, most of such a fill's time. Blocks are multiples
// of 8 bytes; larger ones than kLargestBlock go to the general heap. Not thread-safe, like the store.
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
    // Every block cut from the chunks must be out of use. Recycle keeps the chunks to be cut again from the
    // first one; Release frees them.
    void Recycle();
    void Release();

    // Bytes of the chunks held from the general heap, in use or kept.
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

    struct TChunk
    {
        std::byte* start;
        size_t bytes;
    };

    static size_t SizeClass(size_t size) { return (size + kGranule - 1) / kGranule; }
    void* Cut(size_t bytes);
    void NextChunk();
    void AddChunk();
    void CutFrom(size_t chunk);

    std::array<TFreeBlock*, kLargestBlock / kGranule + 1> free_{}; // free_[n]: blocks of n granules
    std::vector<TChunk> chunks_;                                   // in the order they are cut
    size_t current_ = 0;        // the chunk being cut; chunks after it are kept from before a Recycle
    std::byte* next_ = nullptr; // the unused rest of the current chunk
    std::byte* end_ = nullptr;
    size_t reserved_ = 0;
};

// Blocks from a store's memory, or from the general heap when there is none.
void* AllocateIn(TCellMemory* memory, size_t size);
void DeallocateIn(TCellMemory* memory, void* block, size_t size);
