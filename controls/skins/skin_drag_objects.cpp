#include "controls/skins/skin_drag_objects.h"

TCursor TQvCustomDragObject::GetDragCursor(bool accepted, int, int)
{
    return accepted ? FDragCursorAccept : FDragCursorCancel;
}

void TQvCustomDragObject::Finished(TObject* target, int x, int y, bool accepted)
{
    TDragObjectEx::Finished(target, x, y, accepted);
    if (!FSourceControl)
        return;
    if (!accepted) {
        FSourceControl->DragCanceled();
        target = nullptr;
    }
    FSourceControl->DoEndDrag(target, x, y);
}
