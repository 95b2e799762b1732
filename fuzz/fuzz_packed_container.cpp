// Extracts arbitrary bytes as a packed container and de-scrambles them as a scrambled payload.
#include "support/inflate_stream.h"
#include "support/packed_container.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TMemoryStream container;
    container.WriteBuffer(data, static_cast<int64_t>(size));
    try {
        TMemoryStream output;
        SzlIsValid(container);
        SzlExtract(container, output);
    } catch (const EZLibError&) {
    }
    TDec().DecodeStream(container);
    return 0;
}
