#include "controls/edits/text_drag_drop.h"

#include "platform/gui/core/exceptions.h"
#include "platform/gui/services/drop_targets.h"
#include "platform/gui/services/dropped_files.h"
#include "platform/gui/windows/keys.h"

namespace {

TClipboardFormat rtfFormat = 0;

} // namespace

TClipboardFormat RtfFormat()
{
    return rtfFormat;
}

bool RtfExchange()
{
    return false;
}

// --- the formats of a dropped data object ------------------------------------------------------------------

TEnumFormats::TEnumFormats(IDataObject* dataObject)
{
    rtfFormat = RegisterClipboardFormat("Rich Text Format");
    SetDataObject(dataObject);
}

void TEnumFormats::SetDataObject(IDataObject* dataObject)
{
    enumerator_.reset();
    dataObject_ = dataObject;
    if (!dataObject_)
        return;
    if (dataObject_->EnumFormatEtc(DATADIR_GET, enumerator_) != S_OK || !enumerator_)
        throw EAssertionFailed("Cannot get the format enumerator (vezeddd, line 250)");
    Reset();
}

bool TEnumFormats::Reset()
{
    valid_ = false;
    count_ = 0;
    return enumerator_ && enumerator_->Reset() == S_OK;
}

bool TEnumFormats::Next()
{
    ++count_;
    uint32_t fetched = 0;
    valid_ = enumerator_ && enumerator_->Next(1, &formatEtc_, &fetched) == S_OK && fetched == 1;
    return valid_;
}

bool TEnumFormats::HasFormat(TClipboardFormat format)
{
    Reset();
    while (Next())
        if (formatEtc_.cfFormat == format)
            return true;
    return false;
}

HGLOBAL TEnumFormats::Handle(uint32_t medium)
{
    if (!valid_ || !(formatEtc_.tymed & medium))
        return nullptr;
    FORMATETC asked = formatEtc_;
    asked.tymed = medium;
    STGMEDIUM answer;
    if (dataObject_->GetData(asked, answer) != S_OK)
        return nullptr;
    return answer.hGlobal;
}

std::string TEnumFormats::FormatText(TClipboardFormat format)
{
    if (!HasFormat(format))
        return {};
    HGLOBAL block = GlobalHandle();
    std::string text = GlobalBytes(block, true);
    GlobalFree(block);
    return text;
}

bool TEnumFormats::HasText()
{
    return HasFormat(CF_UNICODETEXT) || HasFormat(CF_TEXT);
}

bool TEnumFormats::HasRTF()
{
    return HasFormat(rtfFormat);
}

bool TEnumFormats::HasFile()
{
    return HasFormat(CF_HDROP);
}

// Texts are UTF-8 in both text formats here.
std::string TEnumFormats::Text()
{
    return HasFormat(CF_UNICODETEXT) ? FormatText(CF_UNICODETEXT) : FormatText(CF_TEXT);
}

std::string TEnumFormats::RTF()
{
    return FormatText(rtfFormat);
}

bool TEnumFormats::ReadFiles()
{
    files_.clear();
    if (HasFormat(CF_HDROP)) {
        HGLOBAL block = GlobalHandle();
        files_ = DropFileNamesOfBytes(GlobalBytes(block, false));
        GlobalFree(block);
    }
    return !files_.empty();
}

// --- the drop target ---------------------------------------------------------------------------------------

uint32_t TVezDropTarget::DropEffectFromShift(uint32_t keyState)
{
    return keyState & MK_CONTROL ? DROPEFFECT_COPY : DROPEFFECT_MOVE;
}

HRESULT TVezDropTarget::DragEnter(IDataObject* data, uint32_t keyState, TPoint, uint32_t& effect)
{
    TEnumFormats formats(data);
    ok_ = formats.HasText() || formats.HasFile() || (RtfExchange() && formats.HasRTF());
    effect = ok_ ? DropEffectFromShift(keyState) : DROPEFFECT_NONE;
    return S_OK;
}

HRESULT TVezDropTarget::DragOver(uint32_t keyState, TPoint pt, uint32_t& effect)
{
    effect = ok_ ? DropEffectFromShift(keyState) : DROPEFFECT_NONE;
    bool allow = true;
    DragMouseMove(pt, allow);
    if (!allow)
        effect = DROPEFFECT_NONE;
    return S_OK;
}

HRESULT TVezDropTarget::Drop(IDataObject* data, uint32_t keyState, TPoint pt, uint32_t& effect)
{
    if (!ok_) {
        effect = DROPEFFECT_NONE;
        return S_OK;
    }
    dropKeyState_ = keyState;
    TEnumFormats formats(data);
    if (RtfExchange() && formats.HasRTF())
        DropRTF(pt, formats.RTF());
    else if (formats.HasText())
        DropText(pt, formats.Text());
    if (formats.ReadFiles())
        DropFiles(pt, formats.Files());
    effect = DropEffectFromShift(keyState);
    return S_OK;
}

// --- the drop source ---------------------------------------------------------------------------------------

HRESULT TVezDropSource::QueryContinueDrag(bool escapePressed, uint32_t keyState)
{
    if (escapePressed)
        return DRAGDROP_S_CANCEL;
    return keyState & MK_LBUTTON ? S_OK : DRAGDROP_S_DROP;
}

HRESULT TVezDropSource::GiveFeedback(uint32_t effect)
{
    noAccept_ = effect == DROPEFFECT_NONE;
    return DRAGDROP_S_USEDEFAULTCURSORS;
}

// --- the dragged data --------------------------------------------------------------------------------------

HRESULT TSourceDataObject::QueryGetData(const FORMATETC& format)
{
    const bool known = format.cfFormat == CF_TEXT || format.cfFormat == CF_UNICODETEXT ||
                       (RtfExchange() && format.cfFormat == rtfFormat && rtfFormat != 0);
    return format.dwAspect == DVASPECT_CONTENT && (format.tymed & TYMED_HGLOBAL) && known ? S_OK
                                                                                          : DV_E_FORMATETC;
}

HRESULT TSourceDataObject::GetData(const FORMATETC& format, STGMEDIUM& medium)
{
    medium = STGMEDIUM{};
    if (QueryGetData(format) != S_OK)
        return DV_E_FORMATETC;
    const std::string& bytes = format.cfFormat == rtfFormat ? rtfdata_ : textdata_;
    medium.hGlobal = GlobalFromBytes(bytes, true);
    if (!medium.hGlobal)
        return DV_E_FORMATETC;
    medium.tymed = TYMED_HGLOBAL;
    return S_OK;
}

HRESULT TSourceDataObject::GetCanonicalFormatEtc(const FORMATETC&, FORMATETC& canonical)
{
    canonical.ptd = nullptr;
    return E_NOTIMPL;
}

HRESULT TSourceDataObject::EnumFormatEtc(uint32_t direction, std::shared_ptr<IEnumFORMATETC>& formats)
{
    formats.reset();
    if (direction != DATADIR_GET)
        return E_NOTIMPL;
    formats = std::make_shared<TSourceEnumFormatEtc>();
    return S_OK;
}

HRESULT TSourceEnumFormatEtc::Next(uint32_t count, FORMATETC* formats, uint32_t* fetched)
{
    const TClipboardFormat all[] = {CF_TEXT, CF_UNICODETEXT, rtfFormat};
    uint32_t done = 0;
    for (; done < count && index_ < 3; ++done, ++index_)
        formats[done] = FORMATETC{all[index_], nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    if (fetched)
        *fetched = done;
    return done == count ? S_OK : S_FALSE;
}

HRESULT TSourceEnumFormatEtc::Skip(uint32_t count)
{
    index_ += static_cast<int>(count);
    if (index_ < 4)
        return S_OK;
    index_ = 3;
    return S_FALSE;
}

HRESULT TSourceEnumFormatEtc::Reset()
{
    index_ = 0;
    return S_OK;
}

HRESULT TSourceEnumFormatEtc::Clone(std::shared_ptr<IEnumFORMATETC>& copy)
{
    copy = std::make_shared<TSourceEnumFormatEtc>(index_);
    return S_OK;
}

// --- the drag ----------------------------------------------------------------------------------------------

HRESULT StartTextDrag(const std::string& text, const std::string& rtf, uint32_t allowed, uint32_t& effect)
{
    TVezDropSource source;
    TSourceDataObject data(text, rtf);
    const HRESULT result = DoDragDrop(&data, &source, allowed, effect);
    return source.NoAccept() ? DRAGDROP_S_CANCEL : result;
}
