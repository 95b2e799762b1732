#include "controls/grid/cell_text.h"

#include "controls/grid/cell_memory.h"

#include <cstring>
#include <limits>
#include <stdexcept>

void TCellText::Assign(std::string_view value, TCellMemory* memory)
{
    if (value.size() > std::numeric_limits<uint32_t>::max())
        throw std::length_error("A cell text is limited to 4 GiB");
    if (BlockSize(value.size()) == BlockSize(size_)) {
        // The block fits the new text as it is (both empty too).
        if (!value.empty())
            std::memmove(data_, value.data(), value.size());
        size_ = static_cast<uint32_t>(value.size());
        return;
    }
    char* data = value.empty() ? nullptr : static_cast<char*>(AllocateIn(memory, BlockSize(value.size())));
    if (data)
        std::memcpy(data, value.data(), value.size());
    Free(memory);
    data_ = data;
    size_ = static_cast<uint32_t>(value.size());
}

void TCellText::Free(TCellMemory* memory)
{
    if (data_)
        DeallocateIn(memory, data_, BlockSize(size_));
    data_ = nullptr;
    size_ = 0;
}
