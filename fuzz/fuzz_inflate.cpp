// Inflates arbitrary bytes in pieces whose size the first byte chooses, then rewinds and inflates again:
// both passes must give the same bytes, and the CRC of the result must be computable.
#include "support/crc32.h"
#include "support/inflate_stream.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

std::vector<uint8_t> InflateAll(TZDecompressionStream& inflater, int64_t pieceSize)
{
    std::vector<uint8_t> result;
    std::vector<uint8_t> piece(static_cast<size_t>(pieceSize));
    while (const int64_t got = inflater.Read(piece.data(), pieceSize)) {
        result.insert(result.end(), piece.begin(), piece.begin() + got);
    }
    return result;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) {
        return 0;
    }
    const int64_t pieceSize = 1 + data[0] * 37;
    TMemoryStream source;
    source.WriteBuffer(data + 1, static_cast<int64_t>(size - 1));
    source.SetPosition(0);
    try {
        TZDecompressionStream inflater(source);
        const std::vector<uint8_t> first = InflateAll(inflater, pieceSize);
        inflater.Seek(0, soBeginning);
        if (InflateAll(inflater, 4096) != first || inflater.Size() != static_cast<int64_t>(first.size())) {
            abort();
        }
        TMemoryStream result;
        result.WriteBuffer(first.data(), static_cast<int64_t>(first.size()));
        StreamCrc32(result, 0);
    } catch (const EZLibError&) {
    }
    return 0;
}
