#include "controls/memo/undo_list.h"

#include "controls/memo/vez_custom_memo.h"

TVezUndoList::~TVezUndoList()
{
    FMemo = nullptr; // the memo is going: no change notification
    Clear();
}

void TVezUndoList::NotifyChange()
{
    if (FMemo && !FMemo->ComponentState().Contains(csDestroying))
        FMemo->DoUndoChange();
}

int TVezUndoList::Add(TUndo* item)
{
    if (FIsPerforming) {
        delete item;
        return -1;
    }
    // What was undone goes before the new record is offered to the newest one, so that a record never
    // merges into an undone one.
    for (; FPos > 0; --FPos)
        Delete(0);
    if (Count() > 0 && Get(0)->Append(item)) {
        delete item;
        return -1;
    }
    item->Memo = FMemo;
    TList::Insert(0, item);
    if (Count() > FLimit)
        Delete(Count() - 1);
    NotifyChange();
    return 0;
}

void TVezUndoList::InsertRecord(int index, TUndo* item)
{
    item->Memo = FMemo;
    TList::Insert(index, item);
}

void TVezUndoList::Delete(int index)
{
    TUndo* item = Get(index);
    TList::Delete(index);
    delete item;
}

void TVezUndoList::Clear()
{
    while (Count() > 0)
        Delete(0);
    FPos = 0;
    NotifyChange();
    TList::Clear();
}

void TVezUndoList::SetMemo(TVezCustomMemo* memo)
{
    FMemo = memo;
    for (int i = 0; i < Count(); ++i)
        Get(i)->Memo = memo;
}

void TVezUndoList::MoveFrom(TVezUndoList& other)
{
    if (&other == this)
        return;
    Clear();
    for (int i = 0; i < other.Count(); ++i) {
        TUndo* item = other.Get(i);
        item->Memo = FMemo;
        TList::Add(item);
    }
    FPos = other.FPos;
    other.TList::Clear();
    other.FPos = 0;
    other.NotifyChange();
    NotifyChange();
}

void TVezUndoList::SetLimit(int value)
{
    if (value == FLimit)
        return;
    if (value <= 0)
        value = 10;
    else if (value > 100)
        value = 100;
    FLimit = value;
    Clear();
}

template <typename Step> void TVezUndoList::Perform(Step step)
{
    const bool autoIndent = FMemo ? FMemo->AutoIndent() : false;
    if (FMemo)
        FMemo->SetAutoIndent(false);
    FIsPerforming = true;
    try {
        if (FMemo)
            FMemo->RunOnAuthorLines(step);
        else
            step();
    } catch (...) {
        FIsPerforming = false;
        if (FMemo)
            FMemo->SetAutoIndent(autoIndent);
        throw;
    }
    FIsPerforming = false;
    if (FMemo)
        FMemo->SetAutoIndent(autoIndent);
    NotifyChange();
}

void TVezUndoList::Undo()
{
    if (FPos >= Count())
        return;
    Perform([this] {
        // A step the memo refuses is not counted as done.
        if (!Get(FPos)->Undo())
            return;
        if (Get(FPos)->LinkedUndo() && FPos + 1 < Count()) {
            ++FPos;
            Get(FPos)->Undo();
        }
        ++FPos;
        if (FPos < Count() && dynamic_cast<TModifiedUndo*>(Get(FPos))) {
            Get(FPos)->Undo();
            ++FPos;
        }
    });
}

void TVezUndoList::Redo()
{
    if (FPos <= 0)
        return;
    Perform([this] {
        TUndo* record = Get(FPos - 1);
        const bool modifiedMark = dynamic_cast<TModifiedUndo*>(record) != nullptr;
        if (!record->Redo())
            return;
        --FPos;
        if (FPos > 0 && Get(FPos - 1)->LinkedUndo()) {
            --FPos;
            Get(FPos)->Redo();
        }
        if (FPos > 0 && modifiedMark) {
            --FPos;
            Get(FPos)->Redo();
        }
    });
    if (FMemo)
        FMemo->Invalidate();
}
