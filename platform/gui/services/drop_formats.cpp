#include "platform/gui/services/drop_formats.h"

#include "platform/gui/services/dropped_files.h"
#include "platform/gui/services/dropped_text.h"

TEnumFormats::TEnumFormats(IDataObject* dataObject, TClipboardFormat& rtfFormat)
{
    if (rtfFormat == 0)
        rtfFormat = RegisterClipboardFormat("Rich Text Format");
    FRtfFormat = rtfFormat;
    SetDataObject(dataObject);
}

void TEnumFormats::SetDataObject(IDataObject* value)
{
    FDataObject = value;
    FEnumerator.reset();
    // An object without an enumerator is walked as one that offers nothing.
    if (FDataObject && FDataObject->EnumFormatEtc(DATADIR_GET, FEnumerator) != S_OK)
        FEnumerator.reset();
    Reset();
}

bool TEnumFormats::Reset()
{
    FValid = false;
    FCount = 0;
    return FEnumerator && FEnumerator->Reset() == S_OK;
}

bool TEnumFormats::Next()
{
    ++FCount;
    uint32_t fetched = 0;
    FValid = FEnumerator && FEnumerator->Next(1, &FFormatEtc, &fetched) == S_OK && fetched == 1;
    return FValid;
}

bool TEnumFormats::HasFormat(TClipboardFormat clipFormat)
{
    if (!Reset())
        return false;
    while (Next())
        if (FFormatEtc.cfFormat == clipFormat)
            return true;
    return false;
}

bool TEnumFormats::CurrentData(uint32_t tymed, STGMEDIUM& medium)
{
    medium = STGMEDIUM{};
    if (!FValid || (FFormatEtc.tymed & tymed) != tymed)
        return false;
    FORMATETC asked = FFormatEtc;
    asked.tymed = tymed;
    return FDataObject->GetData(asked, medium) == S_OK;
}

HGLOBAL TEnumFormats::Handle(uint32_t tymed)
{
    STGMEDIUM medium;
    return CurrentData(tymed, medium) ? medium.hGlobal : nullptr;
}

std::string TEnumFormats::CurrentBlock()
{
    STGMEDIUM medium;
    if (!CurrentData(TYMED_HGLOBAL, medium))
        return {};
    std::string bytes = medium.tymed == TYMED_HGLOBAL ? GlobalBytes(medium.hGlobal, false) : std::string();
    ReleaseStgMedium(medium);
    return bytes;
}

std::string TEnumFormats::FormatText(TClipboardFormat clipFormat)
{
    return HasFormat(clipFormat) ? DroppedText(CurrentBlock()) : std::string();
}

bool TEnumFormats::HasText()
{
    return HasFormat(CF_UNICODETEXT) || HasFormat(CF_TEXT);
}

bool TEnumFormats::HasRTF()
{
    return FRtfFormat != 0 && HasFormat(FRtfFormat);
}

std::string TEnumFormats::RTF()
{
    return FRtfFormat != 0 ? FormatText(FRtfFormat) : std::string();
}

std::string TEnumFormats::Text()
{
    return HasFormat(CF_UNICODETEXT) ? FormatText(CF_UNICODETEXT) : FormatText(CF_TEXT);
}

bool TEnumFormats::ReadFileList()
{
    FFiles = HasFile() ? DropFileNamesOfBytes(CurrentBlock()) : std::vector<std::string>();
    return !FFiles.empty();
}
