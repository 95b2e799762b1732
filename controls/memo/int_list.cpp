#include "controls/memo/int_list.h"

#include "platform/gui/core/exceptions.h"

void TIntList::CheckIndex(int index, int count) const
{
    if (index < 0 || index >= count)
        ThrowListIndexError(index);
}

int TIntList::Add(int32_t value)
{
    items_.push_back(value);
    return Count() - 1;
}

void TIntList::Insert(int index, int32_t value)
{
    CheckIndex(index, Count() + 1);
    items_.insert(items_.begin() + index, value);
}

void TIntList::Delete(int index)
{
    CheckIndex(index, Count());
    items_.erase(items_.begin() + index);
}

int32_t TIntList::GetInteger(int index) const
{
    CheckIndex(index, Count());
    return items_[static_cast<size_t>(index)];
}

void TIntList::SetInteger(int index, int32_t value)
{
    CheckIndex(index, Count());
    items_[static_cast<size_t>(index)] = value;
}
