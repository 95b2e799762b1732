#pragma once

#include "controls/memo/int_list.h"

#include <algorithm>
#include <climits>
#include <map>
#include <utility>

// The length of every stored line in line order, with the largest of them known at once: the memo asks for
// its longest line after every change, and a log of a hundred thousand lines must not be scanned for it.
class TLineLengths
{
public:
    int Count() const { return lengths_.Count(); }
    void Clear();
    int Add(int32_t length);
    void Insert(int index, int32_t length);
    void Delete(int index);
    int32_t GetInteger(int index) const { return lengths_.GetInteger(index); }
    void SetInteger(int index, int32_t length);
    // The largest length, 0 for none.
    int32_t Largest() const { return counts_.empty() ? 0 : counts_.rbegin()->first; }
    // The first index changed (set, inserted or removed) since the last call; INT_MAX when none.
    int TakeFirstChanged() const { return std::exchange(firstChanged_, INT_MAX); }

private:
    void Count(int32_t length, int delta);
    void NoteChanged(int index) { firstChanged_ = std::min(firstChanged_, index); }

    TIntList lengths_;
    std::map<int32_t, int> counts_; // how many lines have each length
    mutable int firstChanged_ = 0;
};
