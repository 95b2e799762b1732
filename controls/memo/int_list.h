#pragma once

#include <cstdint>
#include <vector>

// A list of 32-bit integers: bookmark lines, the rows word wrap made, error spans of a line. An index outside
// the list raises the list index error.
class TIntList
{
public:
    int Count() const { return static_cast<int>(items_.size()); }
    void Clear() { items_.clear(); }
    int Add(int32_t value);
    void Insert(int index, int32_t value);
    void Delete(int index);
    int32_t GetInteger(int index) const;
    void SetInteger(int index, int32_t value);

private:
    void CheckIndex(int index, int count) const;

    std::vector<int32_t> items_;
};
