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

void TCellMemory::Release()
{
    for (std::byte* chunk : chunks_)
        ::operator delete(chunk);
    chunks_.clear();
    free_.fill(nullptr);
    next_ = end_ = nullptr;
    reserved_ = 0;
}

void* TCellMemory::Cut(size_t bytes)
{
    if (static_cast<size_t>(end_ - next_) < bytes)
        AddChunk();
    void* block = next_;
    next_ += bytes;
    return block;
}

// Each chunk as large as all before it together, between kFirstChunk and kLargestChunk, so a small grid
// holds little and a large one few chunks. What is left of the previous chunk (less than a block) stays
// unused.
void TCellMemory::AddChunk()
{
    const size_t bytes = std::clamp(reserved_, kFirstChunk, kLargestChunk);
    chunks_.push_back(nullptr); // the room first: a chunk never goes unrecorded
    chunks_.back() = static_cast<std::byte*>(::operator new(bytes));
    reserved_ += bytes;
    next_ = chunks_.back();
    end_ = next_ + bytes;
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
