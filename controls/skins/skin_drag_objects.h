#pragma once

#include "platform/gui/services/drag_drop.h"
#include "platform/gui/windows/cursors.h"

// The drag of an item while a skinned toolbar is customized: the control it started on and the item it
// carries. The drag frees it when it ends.

class TBarCustomItem;

// The cursor registered at start-up for a move that the target accepts.
constexpr TCursor crQvDragMove = 101;

class TQvCustomDragObject : public TDragObjectEx
{
public:
    TQvCustomDragObject(TControl* sourceControl, TBarCustomItem* item)
        : FSourceControl(sourceControl), FSourceItem(item)
    {}

    TCursor DragCursorAccept() const { return FDragCursorAccept; }
    void SetDragCursorAccept(TCursor value) { FDragCursorAccept = value; }
    TCursor DragCursorCancel() const { return FDragCursorCancel; }
    void SetDragCursorCancel(TCursor value) { FDragCursorCancel = value; }
    TControl* SourceControl() const { return FSourceControl; }
    // The dragged item (the name as the toolbar's code has always spelled it).
    TBarCustomItem* SouceItem() const { return FSourceItem; }

    TCursor GetDragCursor(bool accepted, int x, int y) override;
    // Without a drop the source control hears that the drag was cancelled; then it hears the drag's end.
    void Finished(TObject* target, int x, int y, bool accepted) override;

private:
    TCursor FDragCursorAccept = crQvDragMove;
    TCursor FDragCursorCancel = crNo;
    TControl* FSourceControl;    // not owned
    TBarCustomItem* FSourceItem; // not owned
};

class TQvItemDragObject : public TQvCustomDragObject
{
public:
    using TQvCustomDragObject::TQvCustomDragObject;
};
