#include "platform/gui/services/text_drag_source.h"

#include "platform/gui/services/drop_targets.h"

namespace {

constexpr int SourceFormatCount = 3;

bool IsTextFormat(TClipboardFormat format)
{
    return format == CF_TEXT || format == CF_UNICODETEXT;
}

} // namespace

// --- the drop source ---------------------------------------------------------------------------------------

HRESULT TTextDropSource::QueryContinueDrag(bool escapePressed, uint32_t keyState)
{
    if (escapePressed)
        return DRAGDROP_S_CANCEL;
    return keyState & MK_LBUTTON ? S_OK : DRAGDROP_S_DROP;
}

HRESULT TTextDropSource::GiveFeedback(uint32_t effect)
{
    FNoAccept = effect == DROPEFFECT_NONE;
    return DRAGDROP_S_USEDEFAULTCURSORS;
}

// --- the dragged data --------------------------------------------------------------------------------------

HRESULT TSourceDataObject::QueryGetData(const FORMATETC& format)
{
    const TClipboardFormat rtfFormat = *FRichText.Format;
    const bool rtf = *FRichText.Enabled && rtfFormat != 0 && format.cfFormat == rtfFormat;
    return format.dwAspect == DVASPECT_CONTENT && format.tymed == TYMED_HGLOBAL &&
                   (IsTextFormat(format.cfFormat) || rtf)
               ? S_OK
               : DV_E_FORMATETC;
}

HRESULT TSourceDataObject::GetData(const FORMATETC& format, STGMEDIUM& medium)
{
    medium = STGMEDIUM{};
    if (QueryGetData(format) != S_OK)
        return DV_E_FORMATETC;
    medium.hGlobal = GlobalFromBytes(IsTextFormat(format.cfFormat) ? textdata : rtfdata, true);
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
    formats = std::make_shared<TSourceEnumFormatEtc>(FRichText.Format);
    return S_OK;
}

// --- the list of its formats -------------------------------------------------------------------------------

FORMATETC TSourceEnumFormatEtc::Entry(int index) const
{
    const TClipboardFormat formats[SourceFormatCount] = {CF_TEXT, CF_UNICODETEXT, *FRtfFormat};
    return FORMATETC{formats[index], nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
}

HRESULT TSourceEnumFormatEtc::Next(uint32_t count, FORMATETC* formats, uint32_t* fetched)
{
    uint32_t done = 0;
    while (done < count && FIndex < SourceFormatCount)
        formats[done++] = Entry(FIndex++);
    if (fetched)
        *fetched = done;
    return done == count ? S_OK : S_FALSE;
}

HRESULT TSourceEnumFormatEtc::Skip(uint32_t count)
{
    const bool within = count <= static_cast<uint32_t>(SourceFormatCount - FIndex);
    FIndex = within ? FIndex + static_cast<int>(count) : SourceFormatCount;
    return within ? S_OK : S_FALSE;
}

HRESULT TSourceEnumFormatEtc::Reset()
{
    FIndex = 0;
    return S_OK;
}

HRESULT TSourceEnumFormatEtc::Clone(std::shared_ptr<IEnumFORMATETC>& copy)
{
    copy = std::make_shared<TSourceEnumFormatEtc>(FRtfFormat, FIndex);
    return S_OK;
}

// --- the drag ----------------------------------------------------------------------------------------------

HRESULT StartTextDrag(const std::string& text, const std::string& rtf, TRichTextExchange richText,
                      uint32_t okEffects, uint32_t& effect)
{
    TTextDropSource source;
    TSourceDataObject data(text, rtf, richText);
    const HRESULT result = DoDragDrop(&data, &source, okEffects, effect);
    return source.NoAccept() ? DRAGDROP_S_CANCEL : result;
}
