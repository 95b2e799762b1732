#include "controls/grid/cell_memory.h"

#include <algorithm>
#include <new>

void* TCellMemory::Allocate(size_t size)
{
    if (size > kLargestBlock)
        return ::operator new(size);
    const size_t sizeClass = SizeClass(std::max<size_t>(size, 1));
    if (TFreeBlock* block = free_[sizeClass]) {
        free_[sizeClass] = block->next;
        return block;
    }
    return Cut(sizeClass * kGranule);
}

void TCellMemory::Deallocate(void* block, size_t size)
{
    if (size > kLargestBlock) {
        ::operator delete(block);
        return;
    }
    const size_t sizeClass = SizeClass(std::max<size_t>(size, 1));
    free_[sizeClass] = new (block) TFreeBlock{free_[sizeClass]};
}

void TCellMemory::Recycle()
{
    free_.fill(nullptr);
    if (chunks_.empty())
        next_ = end_ = nullptr;
    else
        CutFrom(0);
}

void TCellMemory::Release()
{
    for (const TChunk& chunk : chunks_)
        ::operator delete(chunk.start);
    chunks_.clear();
    free_.fill(nullptr);
    current_ = 0;
    next_ = end_ = nullptr;
    reserved_ = 0;
}

void* TCellMemory::Cut(size_t bytes)
{
    if (static_cast<size_t>(end_ - next_) < bytes)
        NextChunk();
    void* block = next_;
    next_ += bytes;
    return block;
}

void TCellMemory::CutFrom(size_t chunk)
{
    current_ = chunk;
    next_ = chunks_[chunk].start;
    end_ = next_ + chunks_[chunk].bytes;
}

// What is left of the current chunk (less than a block) stays unused. Every chunk holds more than the
// largest block.
void TCellMemory::NextChunk()
{
    if (current_ + 1 < chunks_.size())
        CutFrom(current_ + 1);
    else
        AddChunk();
}

// Each chunk as large as all before it together, between kFirstChunk and kLargestChunk, so a small grid
// holds little and a large one few chunks.
void TCellMemory::AddChunk()
{
    const size_t bytes = std::clamp(reserved_, kFirstChunk, kLargestChunk);
    chunks_.push_back({nullptr, bytes}); // the room first: a chunk never goes unrecorded
    chunks_.back().start = static_cast<std::byte*>(::operator new(bytes));
    reserved_ += bytes;
    CutFrom(chunks_.size() - 1);
}

void* AllocateIn(TCellMemory* memory, size_t size)
{
    return memory ? memory->Allocate(size) : ::operator new(size);
}

void DeallocateIn(TCellMemory* memory, void* block, size_t size)
{
    if (memory)
        memory->Deallocate(block, size);
    else
        ::operator delete(block);
}
