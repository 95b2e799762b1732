#pragma once

#include "platform/gui/services/text_drag_source.h"

#include <string>
#include <vector>

// Text dropped on the edits from other windows and programs: the drop target that hands over text, files
// and rich text, and the edits' exchange of rich text, which stays off: rich text is neither taken from a
// drop nor offered by a drag.

// The edits' number of "Rich Text Format" (0 until a drop was walked) and their switch for it.
TRichTextExchange EditsRichText();

// A drop target that takes text, files and (with the switch on) rich text: Ctrl copies, else it moves,
// within the effects the source allows.
class TVezDropTarget : public IDropTarget
{
public:
    HRESULT DragEnter(IDataObject* data, uint32_t keyState, TPoint pt, uint32_t& effect) override;
    HRESULT DragOver(uint32_t keyState, TPoint pt, uint32_t& effect) override;
    HRESULT DragLeave() override { return S_OK; }
    HRESULT Drop(IDataObject* data, uint32_t keyState, TPoint pt, uint32_t& effect) override;

    static uint32_t DropEffectFromShift(uint32_t keyState);

protected:
    virtual void DropText(TPoint, const std::string&) {}
    virtual void DropRTF(TPoint, const std::string&) {}
    virtual void DropFiles(TPoint, const std::vector<std::string>&) {}
    virtual void DragMouseMove(TPoint, bool& allow) { allow = true; }
    // The key state of the drop being handed over (Ctrl copies).
    uint32_t DropKeyState() const { return dropKeyState_; }

private:
    uint32_t EffectFor(uint32_t keyState, uint32_t allowed) const;

    bool ok_ = false; // FOk: the data offers something this target takes
    uint32_t dropKeyState_ = 0;
};
