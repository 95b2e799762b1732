// Looks for the version data in arbitrary bytes read as a PE file, and looks the usual values up in the
// bytes taken as version data themselves.
#include "support/version_resource.h"

#include <cstdint>

namespace {

void QueryUsualValues(const std::vector<uint8_t>& versionData)
{
    for (const char* path : {"\\", "\\VarFileInfo\\Translation", "\\StringFileInfo\\040904b0\\FileVersion",
                             "\\StringFileInfo\\040904B0\\ProductVersion"}) {
        if (const auto value = QueryVersionValue(versionData, path)) {
            VersionValueText(*value);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TMemoryStream stream;
    stream.WriteBuffer(data, static_cast<int64_t>(size));
    QueryUsualValues(ReadStreamVersionData(stream));
    QueryUsualValues(std::vector<uint8_t>(data, data + size));
    return 0;
}
