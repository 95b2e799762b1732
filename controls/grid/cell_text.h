#pragma once

#include <cstdint>
#include <string_view>

class TCellMemory;

// The text of a cell in sixteen bytes (a std::string takes 32 in the cell and a heap block besides): the
// characters without a terminating zero, in a block of their size rounded up to 8 from the memory the
// owner names, or from the general heap when it names none. The owner names the same memory in every call
// and frees the text before it goes.
class TCellText
{
public:
    TCellText() = default;
    TCellText(const TCellText&) = delete;
    TCellText& operator=(const TCellText&) = delete;

    std::string_view View() const { return {data_, size_}; }
    // The text may be a view of this one.
    void Assign(std::string_view value, TCellMemory* memory);
    void Free(TCellMemory* memory);

private:
    static size_t BlockSize(size_t size) { return (size + 7) / 8 * 8; }

    char* data_ = nullptr; // nullptr while the text is empty
    uint32_t size_ = 0;
};
