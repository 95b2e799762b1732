#include "support/crc32.h"

#include "support/math_routines.h"

#include <vector>
#include <zlib.h>

uint32_t StreamCrc32(TStream& stream, int64_t startPosition, const TCrc32ProgressFunc& onProgress)
{
    constexpr int64_t ChunkSize = 102400;
    std::vector<uint8_t> chunk(ChunkSize);
    stream.SetPosition(startPosition);
    const int64_t end = stream.Size();
    const int64_t length = end - startPosition;
    uLong crc = 0;
    int64_t done = 0;
    int chunkNo = 0;
    while (stream.Position() < end) {
        const int64_t got = stream.Read(chunk.data(), ChunkSize);
        if (got == 0) {
            break; // the stream ended early (a file shrinking while it is read)
        }
        crc = crc32(crc, chunk.data(), static_cast<uInt>(got));
        done += got;
        ++chunkNo;
        if (onProgress && !onProgress(static_cast<int>(RoundHalfEven(
                                          PercentOf(static_cast<double>(done), static_cast<double>(length)))),
                                      chunkNo)) {
            break;
        }
    }
    return static_cast<uint32_t>(crc);
}

uint32_t FileCrc32(const std::string& fileName, const TCrc32ProgressFunc& onProgress)
{
    TFileStream file(fileName, fmOpenRead);
    return StreamCrc32(file, 0, onProgress);
}
