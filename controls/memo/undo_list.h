#pragma once

#include "controls/memo/undo_records.h"
#include "platform/gui/core/pointer_list.h"

class TVezCustomMemo;

// The memo's undo history, newest record first. Pos counts the undone records at its start (the redo zone);
// a new record drops them. The list owns its records.
class TVezUndoList : public TList
{
public:
    TVezUndoList() = default;
    ~TVezUndoList() override;

    // Takes the record; answers 0 when it was added, -1 when it was dropped (while an undo or redo runs) or
    // merged into the newest record.
    int Add(TUndo* item);
    // Puts a record at index without merging or counting it against the limit (the modified marks).
    void InsertRecord(int index, TUndo* item);
    void Clear() override;
    void Delete(int index);
    TUndo* Get(int index) const { return static_cast<TUndo*>(TList::Get(index)); }
    void Undo();
    void Redo();

    int Pos() const { return FPos; }
    TVezCustomMemo* Memo() const { return FMemo; }
    // The memo the records act on, theirs too (a memo source hands its history from memo to memo).
    void SetMemo(TVezCustomMemo* memo);
    // Takes over the records of other, and where its undo zone ends; other is left empty.
    void MoveFrom(TVezUndoList& other);
    bool IsPerforming() const { return FIsPerforming; }
    void SetIsPerforming(bool value) { FIsPerforming = value; }
    int Limit() const { return FLimit; }
    // 0 or less becomes 10, above 100 becomes 100; a new limit empties the history.
    void SetLimit(int value);

private:
    // Runs one step with auto-indent off and records dropped.
    template <typename Step> void Perform(Step step);
    void NotifyChange();

    int FPos = 0;
    TVezCustomMemo* FMemo = nullptr;
    bool FIsPerforming = false;
    int FLimit = 100;
};
