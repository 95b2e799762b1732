#pragma once

#include "platform/gui/services/data_object.h"

#include <memory>
#include <string>

// Text dragged out to other programs and windows: the drop source that follows the drag, the data object
// that carries the text, the list of its formats, and the routine that runs the drag. The text goes out as
// UTF-8 with a terminating zero, in CF_TEXT and CF_UNICODETEXT alike.

// Where a library keeps its exchange of rich text by drag and drop: variables of its own that outlive every
// drag, read as they stand whenever they matter.
struct TRichTextExchange
{
    // Its number of "Rich Text Format", 0 until its format walker registered it.
    const TClipboardFormat* Format;
    // Off: rich text is not served by a drag.
    const bool* Enabled;
};

class TTextDropSource : public IDropSource
{
public:
    // Esc cancels; releasing the left button drops.
    HRESULT QueryContinueDrag(bool escapePressed, uint32_t keyState) override;
    HRESULT GiveFeedback(uint32_t effect) override;
    bool NoAccept() const { return FNoAccept; }

private:
    bool FNoAccept = false; // the last feedback offered no effect
};

// The dragged text, and its rich text (served only while the exchange is enabled).
class TSourceDataObject : public IDataObject
{
public:
    TSourceDataObject(std::string text, std::string rtf, TRichTextExchange richText)
        : textdata(std::move(text)), rtfdata(std::move(rtf)), FRichText(richText)
    {}
    // A block the receiver frees; DV_E_FORMATETC for a format QueryGetData refuses or when the memory
    // cannot be had.
    HRESULT GetData(const FORMATETC& format, STGMEDIUM& medium) override;
    HRESULT GetDataHere(const FORMATETC&, STGMEDIUM&) override { return DV_E_FORMATETC; }
    // S_OK for the content of a text format in a memory block and nothing else.
    HRESULT QueryGetData(const FORMATETC& format) override;
    HRESULT GetCanonicalFormatEtc(const FORMATETC& format, FORMATETC& canonical) override;
    HRESULT SetData(const FORMATETC&, STGMEDIUM&, bool) override { return DV_E_FORMATETC; }
    HRESULT EnumFormatEtc(uint32_t direction, std::shared_ptr<IEnumFORMATETC>& formats) override;

private:
    std::string textdata;
    std::string rtfdata;
    TRichTextExchange FRichText;
};

// CF_TEXT, CF_UNICODETEXT and the rich text format (as it stands when listed, also 0), in this order, each
// as content in a memory block.
class TSourceEnumFormatEtc : public IEnumFORMATETC
{
public:
    explicit TSourceEnumFormatEtc(const TClipboardFormat* rtfFormat, int index = 0)
        : FRtfFormat(rtfFormat), FIndex(index)
    {}
    HRESULT Next(uint32_t count, FORMATETC* formats, uint32_t* fetched) override;
    HRESULT Skip(uint32_t count) override;
    HRESULT Reset() override;
    HRESULT Clone(std::shared_ptr<IEnumFORMATETC>& copy) override;
    int Index() const { return FIndex; }

private:
    FORMATETC Entry(int index) const;

    const TClipboardFormat* FRtfFormat; // the library's, listed as it stands
    int FIndex;                         // the next entry to list; 3 past the last
};

// Drags text (and rich text) with the allowed effects until it is dropped or cancelled; effect is the one
// the drop performed. DRAGDROP_S_CANCEL also when the target refused the drag at its end, whatever the
// drag answered.
HRESULT StartTextDrag(const std::string& text, const std::string& rtf, TRichTextExchange richText,
                      uint32_t okEffects, uint32_t& effect);
