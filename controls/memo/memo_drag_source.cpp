#include "controls/memo/memo_drag_source.h"

#include "controls/memo/flag_holder.h"
#include "controls/memo/vez_custom_memo.h"

// The memo's selection dragged by OLE: text out to other programs, or into the memo itself.

// The selection leaves the memo only when the drop moved it: a target that copied the text, or refused it,
// leaves it in place. (Dropped back into this memo, the text was inserted there and the selection collapsed
// before, so nothing is removed: within one memo an OLE drag copies.)
void TVezCustomMemo::DragSelectionOut()
{
    FSelButtonDown = false;
    const std::string text = Selection();
    uint32_t effect = DROPEFFECT_NONE;
    HRESULT result;
    {
        TFlagHolder<bool> dragging(FIsDragSource, true);
        result = StartTextDrag(text, "", {&RTFClipboardFormat, &RTFDragDropEnabled},
                               DROPEFFECT_COPY | DROPEFFECT_MOVE, effect);
    }
    if (result != DRAGDROP_S_DROP)
        return;
    const bool removed = effect == DROPEFFECT_MOVE && DeleteSelectedText(true);
    DoOleTextDragged(text, !removed);
}
