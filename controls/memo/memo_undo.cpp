#include "controls/memo/vez_custom_memo.h"

// The memo's side of undo: stepping back and forth, and the per-line modified states that undo takes back
// with the edits.

void TVezCustomMemo::Undo()
{
    UndoList()->Undo();
}

void TVezCustomMemo::Redo()
{
    UndoList()->Redo();
    Repaint();
}

bool TVezCustomMemo::CanUndo() const
{
    return UndoList()->Pos() < UndoList()->Count();
}

bool TVezCustomMemo::CanRedo() const
{
    return UndoList()->Pos() > 0;
}

void TVezCustomMemo::ClearUndoList()
{
    UndoList()->Clear();
}

TLineModifiedState TVezCustomMemo::GetModifiedStateInt(int index) const
{
    const TLineProp* prop = ActiveLines()->GetLineProp(index);
    return prop ? prop->Modified : lmUnmodified;
}

void TVezCustomMemo::DetachLinesChange()
{
    ActiveLines()->OnChange = nullptr;
}

void TVezCustomMemo::AttachLinesChange()
{
    ActiveLines()->OnChange = [this](TObject* sender) { LinesChanged(sender); };
}

void TVezCustomMemo::SetModifiedStateInt(int index, TLineModifiedState value)
{
    TVezMemoStrings& lines = *ActiveLines();
    if (index < 0 || index >= lines.Count())
        return;
    DetachLinesChange();
    struct TReattach
    {
        TVezCustomMemo& memo;
        ~TReattach() { memo.AttachLinesChange(); }
    } reattach{*this};
    TLineProp* prop = lines.LineProp(index);
    if (prop->Modified == value)
        return;
    TVezUndoList& undo = *UndoList();
    if (FGutter->ShowModified() && value == lmModified && undo.Count() > 0 && !undo.IsPerforming())
        undo.InsertRecord(1, new TModifiedUndo(AuthorPos(0, index).Y)); // just behind its edit
    prop->Modified = value;
    lines.SetLineProp(index, prop);
    InvalidateRows(index, index); // the line's mark in the gutter
}

void TVezCustomMemo::ClearModified()
{
    const TList& props = ActiveLines()->LinesProp();
    for (int i = 0; i < props.Count(); ++i)
        static_cast<TLineProp*>(props.Get(i))->Modified = lmUnmodified;
    DoStatusChange();
    Invalidate();
}

bool TVezCustomMemo::Modified() const
{
    return UndoList()->Count() > 0 && CanUndo();
}

void TVezCustomMemo::SetModified(bool value)
{
    if (value)
        return;
    ClearUndoList();
    DoStatusChange();
    ClearModified();
}

bool TVezCustomMemo::LinesModified() const
{
    for (int i = 0; i < ActiveLines()->Count(); ++i)
        if (GetModifiedStateInt(i) == lmModified)
            return true;
    return false;
}

void TVezCustomMemo::MarkLinesSaved()
{
    TVezMemoStrings& lines = *ActiveLines();
    DetachLinesChange();
    for (int i = 0; i < lines.Count(); ++i)
        if (TLineProp* prop = lines.GetLineProp(i); prop && prop->Modified == lmModified) {
            prop->Modified = lmSaved;
            lines.SetLineProp(i, prop);
        }
    AttachLinesChange();
    Invalidate();
}

void TVezCustomMemo::ResetLinesModified()
{
    TVezMemoStrings& lines = *ActiveLines();
    DetachLinesChange();
    for (int i = 0; i < lines.Count(); ++i)
        if (TLineProp* prop = lines.GetLineProp(i)) {
            prop->Modified = lmUnmodified;
            lines.SetLineProp(i, prop);
        }
    AttachLinesChange();
    Invalidate();
}
