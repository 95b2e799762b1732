#pragma once

#include "platform/gui/services/data_object.h"

#include <memory>
#include <string>
#include <vector>

// Dragging and dropping text between windows and programs: a walker over the formats a dropped data object
// offers, a drop target that hands over text, rich text and files, a drop source, the data object that
// carries dragged text with its format enumerator, and the routine that runs a text drag. Rich text is
// switched off: it is neither taken from a drop nor offered by a drag.

// The clipboard number of "Rich Text Format"; 0 until a walker was made.
TClipboardFormat RtfFormat();
// The module's switch for rich text; it starts off and nothing turns it on.
bool RtfExchange();

// The formats of a data object, one at a time.
class TEnumFormats
{
public:
    explicit TEnumFormats(IDataObject* dataObject);

    IDataObject* DataObject() const { return dataObject_; }
    // Walks another data object; raises EAssertionFailed when it gives no format enumerator.
    void SetDataObject(IDataObject* dataObject);

    bool Reset();
    bool Next();
    bool HasFormat(TClipboardFormat format);
    // The current format's data in medium (restricted to it); nullptr when the entry is not valid or does
    // not come in that medium.
    HGLOBAL Handle(uint32_t medium);
    HGLOBAL GlobalHandle() { return Handle(TYMED_HGLOBAL); }

    bool HasText();
    bool HasRTF();
    bool HasFile();
    std::string Text();
    std::string RTF();
    // The dropped files' names; false when there are none.
    bool ReadFiles();
    const std::vector<std::string>& Files() const { return files_; }

    const FORMATETC& FormatEtc() const { return formatEtc_; }
    bool Valid() const { return valid_; }
    int Count() const { return count_; }
    uint32_t Aspect() const { return formatEtc_.dwAspect; }
    void SetAspect(uint32_t value) { formatEtc_.dwAspect = value; }
    TClipboardFormat Format() const { return formatEtc_.cfFormat; }
    void SetFormat(TClipboardFormat value) { formatEtc_.cfFormat = value; }
    int32_t Index() const { return formatEtc_.lindex; }
    void SetIndex(int32_t value) { formatEtc_.lindex = value; }
    uint32_t Medium() const { return formatEtc_.tymed; }
    void SetMedium(uint32_t value) { formatEtc_.tymed = value; }

private:
    // The bytes of a format up to their terminating zero; empty when it is not offered.
    std::string FormatText(TClipboardFormat format);

    IDataObject* dataObject_ = nullptr;
    std::shared_ptr<IEnumFORMATETC> enumerator_;
    FORMATETC formatEtc_;
    bool valid_ = false;
    int count_ = 0;
    std::vector<std::string> files_;
};

// A drop target that takes text, files and (with the switch on) rich text: Ctrl copies, else it moves.
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
    bool ok_ = false; // FOk: the data offers something this target takes
    uint32_t dropKeyState_ = 0;
};

class TVezDropSource : public IDropSource
{
public:
    HRESULT QueryContinueDrag(bool escapePressed, uint32_t keyState) override;
    HRESULT GiveFeedback(uint32_t effect) override;
    bool NoAccept() const { return noAccept_; }

private:
    bool noAccept_ = false; // FNoAccept: the last feedback offered no effect
};

// The dragged text, as text (CF_TEXT and CF_UNICODETEXT) and, with the switch on, rich text.
class TSourceDataObject : public IDataObject
{
public:
    TSourceDataObject(std::string text, std::string rtf)
        : textdata_(std::move(text)), rtfdata_(std::move(rtf))
    {}
    HRESULT GetData(const FORMATETC& format, STGMEDIUM& medium) override;
    HRESULT GetDataHere(const FORMATETC&, STGMEDIUM&) override { return DV_E_FORMATETC; }
    HRESULT QueryGetData(const FORMATETC& format) override;
    HRESULT GetCanonicalFormatEtc(const FORMATETC& format, FORMATETC& canonical) override;
    HRESULT SetData(const FORMATETC&, STGMEDIUM&, bool) override { return DV_E_FORMATETC; }
    HRESULT EnumFormatEtc(uint32_t direction, std::shared_ptr<IEnumFORMATETC>& formats) override;

private:
    std::string textdata_;
    std::string rtfdata_;
};

// CF_TEXT, CF_UNICODETEXT and the rich text format, in this order.
class TSourceEnumFormatEtc : public IEnumFORMATETC
{
public:
    explicit TSourceEnumFormatEtc(int index = 0) : index_(index) {}
    HRESULT Next(uint32_t count, FORMATETC* formats, uint32_t* fetched) override;
    HRESULT Skip(uint32_t count) override;
    HRESULT Reset() override;
    HRESULT Clone(std::shared_ptr<IEnumFORMATETC>& copy) override;
    int Index() const { return index_; }

private:
    int index_ = 0; // FIndex
};

// Drags text (and rich text) with the allowed effects; effect is what the drop did. DRAGDROP_S_CANCEL when
// the target offered no effect at the end, whatever the drag answered.
HRESULT StartTextDrag(const std::string& text, const std::string& rtf, uint32_t allowed, uint32_t& effect);
