#pragma once

#include <algorithm>
#include <vector>

// Lists of references that hold each object once.

// Appends item unless it is there; true when it was added.
template <typename T> bool ListAddUnique(std::vector<T*>& list, T* item)
{
    if (std::find(list.begin(), list.end(), item) != list.end())
        return false;
    list.push_back(item);
    return true;
}

// As ListAddUnique, at the front.
template <typename T> bool ListInsertFrontUnique(std::vector<T*>& list, T* item)
{
    if (std::find(list.begin(), list.end(), item) != list.end())
        return false;
    list.insert(list.begin(), item);
    return true;
}

// Takes item out; an emptied list gives its memory back.
template <typename T> void ListRemoveAndFree(std::vector<T*>& list, T* item)
{
    std::erase(list, item);
    if (list.empty())
        std::vector<T*>().swap(list);
}
