#include "controls/memo/memo_drop_target.h"

#include "controls/memo/memo_drag_source.h"
#include "controls/memo/vez_custom_memo.h"
#include "platform/gui/services/drop_effects.h"
#include "platform/gui/services/drop_formats.h"
#include "platform/gui/services/drop_targets.h"

// Drops from other programs into the memo.

// --- the generic drop target -------------------------------------------------------------------------------

uint32_t TAMDropTarget::EffectFromKeys(uint32_t keyState, uint32_t allowed) const
{
    // A copy is all that data with files gets.
    return DropEffectWithin(FHasFiles || (keyState & MK_CONTROL) ? DROPEFFECT_COPY : DROPEFFECT_MOVE,
                            allowed);
}

HRESULT TAMDropTarget::DragEnter(IDataObject* data, uint32_t keyState, TPoint pt, uint32_t& effect)
{
    TEnumFormats formats(data, RTFClipboardFormat);
    FHasFiles = formats.HasFile();
    // The memo's text comes in CF_UNICODETEXT alone.
    FOk = (formats.HasFormat(CF_UNICODETEXT) && WantsText()) || (FHasFiles && WantsFiles());
    effect = FOk ? EffectFromKeys(keyState, effect) : DROPEFFECT_NONE;
    if (FOk)
        DragMouseEnter(pt);
    return S_OK;
}

HRESULT TAMDropTarget::DragOver(uint32_t keyState, TPoint pt, uint32_t& effect)
{
    effect = FOk ? EffectFromKeys(keyState, effect) : DROPEFFECT_NONE;
    bool allow = true;
    if (effect != DROPEFFECT_NONE)
        DragMouseMove(pt, allow);
    if (!allow)
        effect = DROPEFFECT_NONE;
    return S_OK;
}

HRESULT TAMDropTarget::DragLeave()
{
    DragMouseLeave();
    return S_OK;
}

HRESULT TAMDropTarget::Drop(IDataObject* data, uint32_t keyState, TPoint pt, uint32_t& effect)
{
    if (!FOk) {
        effect = DROPEFFECT_NONE;
        return S_OK;
    }
    FDropKeyState = keyState;
    // The mark goes also when taking the data fails (a file that cannot be loaded).
    struct TLeave
    {
        TAMDropTarget& target;
        ~TLeave() { target.DragMouseLeave(); }
    } leave{*this};
    // Each kind of data goes only where it is wanted: a target for files alone takes no text with them.
    TEnumFormats formats(data, RTFClipboardFormat);
    if (WantsText() && RTFDragDropEnabled && formats.HasRTF())
        DropRTF(pt, formats.RTF());
    else if (WantsText() && formats.HasFormat(CF_UNICODETEXT))
        DropText(pt, formats.FormatText(CF_UNICODETEXT));
    if (WantsFiles() && formats.ReadFileList())
        DropFiles(pt, formats.Files());
    effect = EffectFromKeys(keyState, effect);
    return S_OK;
}

// --- the memo's drop target --------------------------------------------------------------------------------

bool TVezMemoDropTarget::WantsFiles()
{
    return FVezMemo.OleDropTarget().Contains(odtFile);
}

bool TVezMemoDropTarget::WantsText()
{
    return FVezMemo.OleDropTarget().Contains(odtText);
}

void TVezMemoDropTarget::DragMouseEnter(TPoint)
{
    FVezMemo.DrawDropCaret({}, dsDragLeave);
}

void TVezMemoDropTarget::DragMouseMove(TPoint pt, bool& allow)
{
    allow = true;
    FVezMemo.DrawDropCaret(FVezMemo.ScreenToClient(pt), dsDragMove);
}

void TVezMemoDropTarget::DragMouseLeave()
{
    FVezMemo.DrawDropCaret({}, dsDragLeave);
}

void TVezMemoDropTarget::DropText(TPoint pt, const std::string& s)
{
    if (FVezMemo.IsDragSource() && !(DropKeyState() & MK_CONTROL))
        FVezMemo.ClearSelection();
    const TPoint at = FVezMemo.DropPosition(FVezMemo.ScreenToClient(pt));
    std::string text = s;
    FVezMemo.DoOleDropText(at.X, at.Y, text);
}

void TVezMemoDropTarget::DropFiles(TPoint pt, const std::vector<std::string>& files)
{
    if (files.empty())
        return;
    const TPoint at = FVezMemo.DropPosition(FVezMemo.ScreenToClient(pt));
    FVezMemo.DoOleDropFile(at.X, at.Y, files.front());
}

// --- registering -------------------------------------------------------------------------------------------

void TVezCustomMemo::SetOleDropTarget(TOleDropTarget value)
{
    if (value == FOleDropTarget)
        return;
    FOleDropTarget = value;
    if (ComponentState().Contains(csDesigning))
        return;
    // The target reads the live set: a change between two sets that are not empty needs no new one.
    if (!value.Empty() && !FOleDropTargetAssigned && HandleAllocated())
        RegisterOleDropTarget();
    else if (value.Empty() && FOleDropTargetAssigned) {
        RevokeDragDrop(Handle());
        FOleDropTargetAssigned = false;
    }
}

// Also run for every new window of the memo. A window that has the memo's target already keeps it.
void TVezCustomMemo::RegisterOleDropTarget()
{
    const HRESULT result = RegisterDragDrop(Handle(), std::make_shared<TVezMemoDropTarget>(*this));
    FOleDropTargetAssigned = result == S_OK || result == DRAGDROP_E_ALREADYREGISTERED;
}
