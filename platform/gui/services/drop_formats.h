#pragma once

#include "platform/gui/services/data_object.h"

#include <memory>
#include <string>
#include <vector>

// The formats a dropped data object offers, walked one entry at a time, and the texts, rich text and file
// lists read from it. The data comes from another program and may hold anything: every read stays inside
// the block handed over, and a data object that gives no format enumerator offers nothing.
class TEnumFormats
{
public:
    // rtfFormat is the caller's number of the clipboard format "Rich Text Format"; a walker registers it
    // there while it is 0.
    TEnumFormats(IDataObject* dataObject, TClipboardFormat& rtfFormat);

    IDataObject* DataObject() const { return FDataObject; }
    // Walks another data object (its formats from the start).
    void SetDataObject(IDataObject* value);

    // Back before the first entry; false when the object's formats cannot be walked.
    bool Reset();
    // The next entry becomes the current one; false past the last.
    bool Next();
    // Walks from the start to an entry of the format, which stays the current one.
    bool HasFormat(TClipboardFormat clipFormat);
    // The current entry's data in the medium, a block the caller frees; nullptr when the entry does not come
    // in that medium or the object does not hand it over.
    HGLOBAL Handle(uint32_t tymed);
    HGLOBAL GlobalHandle() { return Handle(TYMED_HGLOBAL); }

    // Text in CF_UNICODETEXT or CF_TEXT (both UTF-8 here); Text() prefers the first.
    bool HasText();
    bool HasFile() { return HasFormat(CF_HDROP); }
    bool HasRTF();
    std::string Text();
    std::string RTF();
    // The text of the format; empty when it is not offered.
    std::string FormatText(TClipboardFormat clipFormat);
    // Reads the dropped files' names into Files(); false when there are none.
    bool ReadFileList();
    const std::vector<std::string>& Files() const { return FFiles; }

    // Next calls since the last Reset.
    int Count() const { return FCount; }
    bool Valid() const { return FValid; }
    const FORMATETC& FormatEtc() const { return FFormatEtc; }
    TClipboardFormat Format() const { return FFormatEtc.cfFormat; }
    void SetFormat(TClipboardFormat value) { FFormatEtc.cfFormat = value; }
    uint32_t Aspect() const { return FFormatEtc.dwAspect; }
    void SetAspect(uint32_t value) { FFormatEtc.dwAspect = value; }
    int32_t Index() const { return FFormatEtc.lindex; }
    void SetIndex(int32_t value) { FFormatEtc.lindex = value; }
    uint32_t Medium() const { return FFormatEtc.tymed; }
    void SetMedium(uint32_t value) { FFormatEtc.tymed = value; }

private:
    // Asks the object for the current entry's data in the medium; false when the entry does not come in it
    // or the object does not hand it over.
    bool CurrentData(uint32_t tymed, STGMEDIUM& medium);
    // The bytes of the current entry's memory block; empty when it has none.
    std::string CurrentBlock();

    IDataObject* FDataObject = nullptr; // not owned: lives for the drag call that walks it
    std::shared_ptr<IEnumFORMATETC> FEnumerator;
    TClipboardFormat FRtfFormat;
    FORMATETC FFormatEtc;
    bool FValid = false;
    int FCount = 0;
    std::vector<std::string> FFiles;
};
