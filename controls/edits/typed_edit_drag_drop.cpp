// Text dragged out of a typed edit and dropped into one: the edit is a drop target with a drop caret that
// follows the mouse, and drags its selection out (moved unless Ctrl is held).

#include "controls/edits/typed_edit.h"
#include "platform/gui/services/drop_targets.h"
#include "platform/gui/windows/window_functions.h"

// The drop target of one edit.
class TEditDropTarget : public TVezDropTarget
{
public:
    explicit TEditDropTarget(TVezEdit& edit) : edit_(edit) {}

    HRESULT DragLeave() override
    {
        edit_.HideDropCaret();
        return TVezDropTarget::DragLeave();
    }

protected:
    void DragMouseMove(TPoint pt, bool& allow) override
    {
        TVezDropTarget::DragMouseMove(pt, allow);
        edit_.DragOverAt(pt);
    }
    void DropText(TPoint pt, const std::string& text) override
    {
        TVezDropTarget::DropText(pt, text);
        edit_.DropAt(pt, text, DropKeyState() & MK_CONTROL);
    }

private:
    TVezEdit& edit_;
};

void TVezEdit::SetOleDropTarget(bool value)
{
    oleDropTarget_ = value;
    if (value && !oleDropTargetAssigned_ && (HandleAllocated() || Parent())) {
        dropTarget_ = std::make_shared<TEditDropTarget>(*this);
        oleDropTargetAssigned_ = RegisterDragDrop(Handle(), dropTarget_) == S_OK;
    } else if (!value && oleDropTargetAssigned_) {
        RevokeDragDrop(Handle());
        oleDropTargetAssigned_ = false;
    }
}

void TVezEdit::InvalidateCaretColumn(TPoint pos)
{
    if (pos.X < 0 || !HandleAllocated())
        return;
    const TRect column = Bounds(pos.X, pos.Y, 1, Editor().LineHeight());
    InvalidateRect(Handle(), &column, true);
}

void TVezEdit::HideDropCaret()
{
    InvalidateCaretColumn(caretPos_);
    caretPos_ = {-1, -1};
}

// The drop caret stands before the character under the mouse.
void TVezEdit::DragOverAt(TPoint screenPos)
{
    const TPoint pos = PosFromChar(CharFromPos(ScreenToClient(screenPos)));
    if (pos == caretPos_)
        return;
    InvalidateCaretColumn(caretPos_);
    InvalidateCaretColumn(pos);
    caretPos_ = pos;
}

// The first line of the dropped text goes in where it was dropped. Dropped back onto its own selection
// nothing happens; moved within the edit, the place is taken before the moved text leaves it.
void TVezEdit::DropAt(TPoint screenPos, const std::string& text, bool copy)
{
    const std::string line = text.substr(0, text.find_first_of("\r\n"));
    int index = CharFromPos(ScreenToClient(screenPos));
    const int start = SelStart();
    const int length = SelLength();
    if (isDragSource_ && index >= start && index <= start + length) {
        droppedOnOwnSelection_ = true;
        HideDropCaret();
        return;
    }
    if (isDragSource_ && !copy) {
        if (index > start)
            index -= length;
        Perform(WM_CLEAR, 0, 0);
    }
    HideDropCaret();
    Perform(EM_SETSEL, static_cast<WPARAM>(index), index);
    SetSelText(line);
    Invalidate();
}

// Drags the selection out; moved text leaves the edit unless it was dropped back onto the selection.
void TVezEdit::StartDrag()
{
    const std::string text = SelText();
    isDragSource_ = true;
    droppedOnOwnSelection_ = false;
    uint32_t effect = DROPEFFECT_NONE;
    const HRESULT result =
        StartTextDrag(text, "", EditsRichText(), DROPEFFECT_COPY | DROPEFFECT_MOVE, effect);
    isDragSource_ = false;
    if (result == DRAGDROP_S_DROP && effect == DROPEFFECT_MOVE && !droppedOnOwnSelection_) {
        Perform(WM_CLEAR, 0, 0);
        HideDropCaret();
        Invalidate();
    }
}
