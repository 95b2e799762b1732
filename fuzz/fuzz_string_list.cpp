// Loads arbitrary bytes as a string list. Saving in the encoding the load found and loading that again must
// give the same lines and the same encoding.
#include "platform/gui/core/strings.h"

#include <cstdint>
#include <cstdlib>

namespace {

void Load(TStrings& list, TMemoryStream& stream)
{
    stream.SetPosition(0);
    list.LoadFromStream(stream);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TMemoryStream bytes;
    bytes.WriteBuffer(data, static_cast<int64_t>(size));
    TStringList list;
    Load(list, bytes);

    TMemoryStream saved;
    list.SaveToStream(saved);
    TStringList again;
    Load(again, saved);
    if (!again.Equals(list) || again.Encoding() != list.Encoding()) {
        abort();
    }
    return 0;
}
