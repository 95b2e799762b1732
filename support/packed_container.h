#pragma once

#include "support/streams.h"

#include <array>
#include <cstdint>
#include <functional>

// Reader of the packed resource container: a 47-byte header, two variable fields the reader skips and a
// zlib payload that may be scrambled with a keyed byte scrambler. Numbers are little-endian.

constexpr int SzlHeaderSize = 47;

// Result codes of the container routines.
constexpr int SzlOk = 0;
constexpr int SzlStreamTooShort = 22;
constexpr int SzlHeaderNotRead = 25;
constexpr int SzlNotValid = 40;

struct TSzlHeader
{
    std::array<uint8_t, SzlHeaderSize> Bytes = {};

    uint64_t PayloadSize() const;
    uint16_t Field1Length() const;
    uint16_t Field2Length() const;
    bool IsScrambled() const { return Bytes[46] != 0; }
    // Where the payload begins: behind the header and both variable fields.
    int64_t PayloadOffset() const { return SzlHeaderSize + Field1Length() + Field2Length(); }
};

// Reads the header from position 0: SzlStreamTooShort, SzlHeaderNotRead or SzlOk.
int SzlReadHeader(TStream& stream, TSzlHeader& header);

// True when the header reads and the container is exactly as long as its header says.
bool SzlIsValid(TStream& stream);

// Inflates (after de-scrambling when the header says so) the container's payload into the output, which
// is replaced only when that succeeds. Returns SzlNotValid for a container that is not valid; a payload
// that does not inflate to its end raises EZDecompressionError.
int SzlExtract(TStream& container, TStream& output);

// SzlExtract from the stream's content back into the same stream.
int SzlExtractInPlace(TMemoryStream& stream);

// The payload de-scrambler. The scrambled data begins with a 52-byte header (mode and key bytes) and is
// processed in blocks of 32,768 bytes.
class TDec
{
public:
    static constexpr int64_t HeaderSize = 52;
    static constexpr int64_t BlockSize = 32768;

    // Given the percentage done; returning false aborts.
    using TDecProc = std::function<bool(int percent)>;

    // Writes the de-scrambled data into the output (emptied first). True when the whole input was
    // processed; false for an input shorter than the header or an aborted run (the output then holds the
    // blocks written so far).
    bool DecodeStream(TStream& input, TStream& output);
    // De-scrambles the stream's content back into the same stream.
    bool DecodeStream(TStream& stream);

    bool Aborted() const { return FAborted; }
    int PercentComplete() const { return FPercentComplete; }
    const TDecProc& DecProc() const { return FDecProc; }
    void SetDecProc(TDecProc proc) { FDecProc = std::move(proc); }

private:
    bool FAborted = false;
    int FPercentComplete = 0;
    TDecProc FDecProc;
};
