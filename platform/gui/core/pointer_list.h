#pragma once

#include "platform/gui/core/classes.h"

#include <functional>
#include <vector>

// The class library's list of untyped pointers. Lists that own what they hold, or keep other state per
// entry, override Notify: it hears of every pointer that is added, taken out (Extract) or deleted.
// A bad index raises EListError.

enum TListNotification
{
    lnAdded,
    lnExtracted,
    lnDeleted
};

class TList : public TObject
{
public:
    TList() = default;
    ~TList() override;

    int Count() const { return static_cast<int>(items_.size()); }
    // Growing adds nullptr entries; shrinking deletes the entries past the new count.
    void SetCount(int count);
    void* Get(int index) const;
    void Put(int index, void* item);
    void* Items(int index) const { return Get(index); }
    void* First() const { return Get(0); }
    void* Last() const { return Get(Count() - 1); }

    int Add(void* item);
    void Insert(int index, void* item);
    void Delete(int index);
    // Deletes the first entry equal to item; returns its former index or -1.
    int Remove(void* item);
    // Takes the first entry equal to item out without deleting it; returns item, or nullptr when absent.
    void* Extract(void* item);
    virtual void Clear();
    void Exchange(int index1, int index2);
    void Move(int curIndex, int newIndex);
    int IndexOf(const void* item) const;
    // Drops the nullptr entries.
    void Pack();
    // Orders the entries by compare (negative, zero, positive like strcmp); equal entries keep their order.
    void Sort(const std::function<int(void* a, void* b)>& compare);
    void Assign(const TList& source);

protected:
    virtual void Notify(void* item, TListNotification action);

private:
    void CheckIndex(int index, int count) const;

    std::vector<void*> items_;
};
