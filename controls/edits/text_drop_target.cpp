#include "controls/edits/text_drop_target.h"

#include "platform/gui/services/drop_effects.h"
#include "platform/gui/services/drop_formats.h"
#include "platform/gui/windows/messages.h"

namespace {

TClipboardFormat rtfFormat = 0;
constexpr bool rtfExchange = false; // nothing turns it on

} // namespace

TRichTextExchange EditsRichText()
{
    return {&rtfFormat, &rtfExchange};
}

uint32_t TVezDropTarget::DropEffectFromShift(uint32_t keyState)
{
    return keyState & MK_CONTROL ? DROPEFFECT_COPY : DROPEFFECT_MOVE;
}

uint32_t TVezDropTarget::EffectFor(uint32_t keyState, uint32_t allowed) const
{
    return ok_ ? DropEffectWithin(DropEffectFromShift(keyState), allowed) : DROPEFFECT_NONE;
}

HRESULT TVezDropTarget::DragEnter(IDataObject* data, uint32_t keyState, TPoint, uint32_t& effect)
{
    TEnumFormats formats(data, rtfFormat);
    ok_ = formats.HasText() || formats.HasFile() || (rtfExchange && formats.HasRTF());
    effect = EffectFor(keyState, effect);
    return S_OK;
}

HRESULT TVezDropTarget::DragOver(uint32_t keyState, TPoint pt, uint32_t& effect)
{
    effect = EffectFor(keyState, effect);
    bool allow = true;
    DragMouseMove(pt, allow);
    if (!allow)
        effect = DROPEFFECT_NONE;
    return S_OK;
}

HRESULT TVezDropTarget::Drop(IDataObject* data, uint32_t keyState, TPoint pt, uint32_t& effect)
{
    effect = EffectFor(keyState, effect);
    if (!ok_)
        return S_OK;
    dropKeyState_ = keyState;
    TEnumFormats formats(data, rtfFormat);
    if (rtfExchange && formats.HasRTF())
        DropRTF(pt, formats.RTF());
    else if (formats.HasText())
        DropText(pt, formats.Text());
    if (formats.ReadFileList())
        DropFiles(pt, formats.Files());
    return S_OK;
}
