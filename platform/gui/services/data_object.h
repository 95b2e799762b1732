#pragma once

#include "platform/gui/services/clipboard.h"
#include "platform/gui/services/global_memory.h"
#include "support/basic_types.h"

#include <cstdint>
#include <memory>

// Data objects and the partners of a drag between windows and programs: a data object offers its data in
// clipboard formats (listed by a format enumerator, handed out as memory blocks), a drop source follows
// the drag it started, and a drop target, registered for a window, is asked as data is dragged over it and
// dropped. Texts are UTF-8 here, in CF_TEXT and CF_UNICODETEXT alike, each with a terminating zero.

using HRESULT = int32_t;
constexpr HRESULT S_OK = 0;
constexpr HRESULT S_FALSE = 1;
constexpr HRESULT E_NOTIMPL = static_cast<HRESULT>(0x80004001);
constexpr HRESULT E_INVALIDARG = static_cast<HRESULT>(0x80070057);
constexpr HRESULT E_OUTOFMEMORY = static_cast<HRESULT>(0x8007000E);
constexpr HRESULT E_UNEXPECTED = static_cast<HRESULT>(0x8000FFFF);
constexpr HRESULT DV_E_FORMATETC = static_cast<HRESULT>(0x80040064);
constexpr HRESULT DV_E_TYMED = static_cast<HRESULT>(0x80040069);
constexpr HRESULT OLE_E_ADVISENOTSUPPORTED = static_cast<HRESULT>(0x80040003);
constexpr HRESULT DRAGDROP_S_DROP = 0x00040100;
constexpr HRESULT DRAGDROP_S_CANCEL = 0x00040101;
constexpr HRESULT DRAGDROP_S_USEDEFAULTCURSORS = 0x00040102;
constexpr HRESULT DRAGDROP_E_NOTREGISTERED = static_cast<HRESULT>(0x80040100);
constexpr HRESULT DRAGDROP_E_ALREADYREGISTERED = static_cast<HRESULT>(0x80040101);
constexpr HRESULT DRAGDROP_E_INVALIDHWND = static_cast<HRESULT>(0x80040102);
inline bool SUCCEEDED(HRESULT result)
{
    return result >= 0;
}
inline bool FAILED(HRESULT result)
{
    return result < 0;
}

constexpr uint32_t DROPEFFECT_NONE = 0;
constexpr uint32_t DROPEFFECT_COPY = 1;
constexpr uint32_t DROPEFFECT_MOVE = 2;
constexpr uint32_t DROPEFFECT_LINK = 4;

constexpr uint32_t DVASPECT_CONTENT = 1;
constexpr uint32_t TYMED_NULL = 0;
constexpr uint32_t TYMED_HGLOBAL = 1;
constexpr uint32_t DATADIR_GET = 1;
constexpr uint32_t DATADIR_SET = 2;

struct FORMATETC
{
    TClipboardFormat cfFormat = 0;
    void* ptd = nullptr; // no target devices here
    uint32_t dwAspect = DVASPECT_CONTENT;
    int32_t lindex = -1;
    uint32_t tymed = TYMED_HGLOBAL;
};

// Data handed over in a memory block. Without pUnkForRelease the receiver frees the block
// (ReleaseStgMedium).
struct STGMEDIUM
{
    uint32_t tymed = TYMED_NULL;
    HGLOBAL hGlobal = nullptr;
    void* pUnkForRelease = nullptr;
};
void ReleaseStgMedium(STGMEDIUM& medium);

class IEnumFORMATETC
{
public:
    virtual ~IEnumFORMATETC() = default;
    // Up to count entries into formats; fetched (when given) says how many. S_OK when all were there.
    virtual HRESULT Next(uint32_t count, FORMATETC* formats, uint32_t* fetched) = 0;
    virtual HRESULT Skip(uint32_t count) = 0;
    virtual HRESULT Reset() = 0;
    virtual HRESULT Clone(std::shared_ptr<IEnumFORMATETC>& copy) = 0;
};

class IDataObject
{
public:
    virtual ~IDataObject() = default;
    virtual HRESULT GetData(const FORMATETC& format, STGMEDIUM& medium) = 0;
    virtual HRESULT GetDataHere(const FORMATETC& format, STGMEDIUM& medium) = 0;
    virtual HRESULT QueryGetData(const FORMATETC& format) = 0;
    virtual HRESULT GetCanonicalFormatEtc(const FORMATETC& format, FORMATETC& canonical) = 0;
    virtual HRESULT SetData(const FORMATETC& format, STGMEDIUM& medium, bool release) = 0;
    virtual HRESULT EnumFormatEtc(uint32_t direction, std::shared_ptr<IEnumFORMATETC>& formats) = 0;
    // Change notifications are not offered by the data of this system.
    virtual HRESULT DAdvise(const FORMATETC&, uint32_t, void*, uint32_t*) { return OLE_E_ADVISENOTSUPPORTED; }
    virtual HRESULT DUnadvise(uint32_t) { return OLE_E_ADVISENOTSUPPORTED; }
    virtual HRESULT EnumDAdvise(void** advises)
    {
        if (advises)
            *advises = nullptr;
        return OLE_E_ADVISENOTSUPPORTED;
    }
};

// The key state of the drag messages: MK_LBUTTON, MK_RBUTTON, MK_MBUTTON, MK_SHIFT, MK_CONTROL, MK_ALT.
class IDropSource
{
public:
    virtual ~IDropSource() = default;
    virtual HRESULT QueryContinueDrag(bool escapePressed, uint32_t keyState) = 0;
    // The effect the target currently offers; DRAGDROP_S_USEDEFAULTCURSORS lets the desktop show it.
    virtual HRESULT GiveFeedback(uint32_t effect) = 0;
};

// pt is in screen coordinates; effect comes in as the effects the source allows and goes back as the one
// the target would perform (DROPEFFECT_NONE to refuse).
class IDropTarget
{
public:
    virtual ~IDropTarget() = default;
    virtual HRESULT DragEnter(IDataObject* data, uint32_t keyState, TPoint pt, uint32_t& effect) = 0;
    virtual HRESULT DragOver(uint32_t keyState, TPoint pt, uint32_t& effect) = 0;
    virtual HRESULT DragLeave() = 0;
    virtual HRESULT Drop(IDataObject* data, uint32_t keyState, TPoint pt, uint32_t& effect) = 0;
};
