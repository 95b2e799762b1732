#include "platform/gui/core/stream_bytes.h"

#include "platform/system/file_io.h"
#include "platform/system/os_error.h"

void SaveFileBytes(const std::string& fileName, std::string_view bytes)
{
    try {
        ReplaceFileContents(fileName, bytes);
    } catch (const EOSError& error) {
        throw EFCreateError(error.what());
    }
}
