#include "platform/gui/core/pointer_list.h"

#include "platform/gui/core/exceptions.h"

#include <algorithm>

TList::~TList()
{
    // A derived list's Notify is gone by now; it clears itself in its own destructor when it owns entries.
    items_.clear();
}

void TList::CheckIndex(int index, int count) const
{
    if (index < 0 || index >= count)
        ThrowListIndexError(index);
}

void TList::SetCount(int count)
{
    if (count < 0)
        throw EListError("List count out of bounds (" + std::to_string(count) + ")");
    while (Count() > count)
        Delete(Count() - 1);
    items_.resize(static_cast<size_t>(count), nullptr);
}

void* TList::Get(int index) const
{
    CheckIndex(index, Count());
    return items_[static_cast<size_t>(index)];
}

void TList::Put(int index, void* item)
{
    CheckIndex(index, Count());
    void*& slot = items_[static_cast<size_t>(index)];
    if (slot == item)
        return;
    void* old = slot;
    slot = item;
    if (old)
        Notify(old, lnDeleted);
    if (item)
        Notify(item, lnAdded);
}

int TList::Add(void* item)
{
    Insert(Count(), item);
    return Count() - 1;
}

void TList::Insert(int index, void* item)
{
    CheckIndex(index, Count() + 1);
    items_.insert(items_.begin() + index, item);
    if (item)
        Notify(item, lnAdded);
}

void TList::Delete(int index)
{
    CheckIndex(index, Count());
    void* item = items_[static_cast<size_t>(index)];
    items_.erase(items_.begin() + index);
    if (item)
        Notify(item, lnDeleted);
}

int TList::Remove(void* item)
{
    const int index = IndexOf(item);
    if (index >= 0)
        Delete(index);
    return index;
}

void* TList::Extract(void* item)
{
    const int index = IndexOf(item);
    if (index < 0)
        return nullptr;
    items_.erase(items_.begin() + index);
    Notify(item, lnExtracted);
    return item;
}

void TList::Clear()
{
    SetCount(0);
}

void TList::Exchange(int index1, int index2)
{
    CheckIndex(index1, Count());
    CheckIndex(index2, Count());
    std::swap(items_[static_cast<size_t>(index1)], items_[static_cast<size_t>(index2)]);
}

void TList::Move(int curIndex, int newIndex)
{
    if (curIndex == newIndex)
        return;
    CheckIndex(curIndex, Count());
    CheckIndex(newIndex, Count());
    void* item = items_[static_cast<size_t>(curIndex)];
    items_.erase(items_.begin() + curIndex);
    items_.insert(items_.begin() + newIndex, item);
}

int TList::IndexOf(const void* item) const
{
    const auto it = std::find(items_.begin(), items_.end(), item);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void TList::Pack()
{
    std::erase(items_, nullptr);
}

void TList::Sort(const std::function<int(void* a, void* b)>& compare)
{
    std::stable_sort(items_.begin(), items_.end(), [&](void* a, void* b) { return compare(a, b) < 0; });
}

void TList::Assign(const TList& source)
{
    if (&source == this)
        return;
    const std::vector<void*> copy = source.items_;
    Clear();
    for (void* item : copy)
        Add(item);
}

void TList::Notify(void*, TListNotification) {}
