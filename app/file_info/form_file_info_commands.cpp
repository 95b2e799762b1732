#include "app/file_info/form_file_info.h"

#include "app/model/media_report.h"
#include "platform/gui/services/clipboard.h"
#include "platform/gui/services/dialogs.h"
#include "support/streams.h"
#include "support/text_file_encoding.h"

// The media information window's commands: the text report, copied or saved beside the media file, and
// closing.

std::string TFormFileInfo::GetInfoAsText()
{
    const std::string fileName = ShownFileName();
    return MediaInfoReport(AnalyseShownFile(), fileName, MediaReportCrc32(fileName), AppStrings->FileInfo);
}

void TFormFileInfo::actCopyToClipboardExecute(TObject*)
{
    Clipboard()->SetAsText(GetInfoAsText());
}

// Offers "<media file>_info.txt" (the media file's extension stays) and writes the report there as UTF-8
// with a byte-order mark; a file that cannot be created raises EFCreateError.
void TFormFileInfo::actSaveExecute(TObject*)
{
    dlgSave->SetFileName(ShownFileName() + "_info.txt");
    if (!dlgSave->Execute())
        return;
    const std::string bytes = EncodeTextFile(GetInfoAsText(), TTextEncoding::UTF8);
    TFileStream file(dlgSave->FileName(), fmCreate);
    file.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
}

void TFormFileInfo::actCloseExecute(TObject*)
{
    Close();
}

void TFormFileInfo::actEscExecute(TObject*)
{
    Close();
}
