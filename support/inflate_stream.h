#pragma once

#include "support/streams.h"

#include <functional>
#include <stdexcept>
#include <vector>
#include <zlib.h>

// A read-only stream that inflates zlib data (header and Adler-32 trailer) from a source stream on demand.

class EZLibError : public std::runtime_error
{
public:
    EZLibError(int errorCode, const std::string& message);
    // The zlib result code (see ZLibErrorText).
    int ErrorCode() const { return FErrorCode; }

private:
    int FErrorCode;
};

class EZDecompressionError : public EZLibError
{
public:
    using EZLibError::EZLibError;
};

// The message for a zlib result code, such as "Data error" for -3.
std::string ZLibErrorText(int errorCode);

class TCustomZStream;
using TZStreamProgressEvent = std::function<void(TCustomZStream& sender)>;

class TCustomZStream : public TStream
{
public:
    TCustomZStream(const TCustomZStream&) = delete;
    TCustomZStream& operator=(const TCustomZStream&) = delete;

    // Fired each time a new chunk of input has been read from the source.
    const TZStreamProgressEvent& OnProgress() const { return FOnProgress; }
    void SetOnProgress(TZStreamProgressEvent handler) { FOnProgress = std::move(handler); }

protected:
    static constexpr int64_t BufferSize = 65536;

    explicit TCustomZStream(TStream& source);

    // Reads from the source at FStreamPos, so that other users of the source between two reads do not
    // disturb this stream.
    int64_t ReadSource(void* buffer, int64_t count);
    virtual void DoProgress();

    TStream& FStream;
    int64_t FStreamPos;
    TZStreamProgressEvent FOnProgress;
    z_stream FZStream = {};
    std::vector<uint8_t> FBuffer;
};

class TZDecompressionStream : public TCustomZStream
{
public:
    // Inflation starts at the source's current position; the source is not owned.
    explicit TZDecompressionStream(TStream& source);
    ~TZDecompressionStream() override;

    // Returns the bytes produced: fewer than asked at the end of the data or when the source runs out.
    // Corrupt data raises EZDecompressionError.
    int64_t Read(void* buffer, int64_t count) override;
    // Always raises EZDecompressionError: the stream is read-only.
    int64_t Write(const void* buffer, int64_t count) override;
    // Moves forward by inflating and discarding; a target before the current position starts inflation
    // again from the beginning. Offset 0 from the end inflates everything. Returns the bytes produced so far.
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;

    // True once the end of the compressed data (its trailer) has been inflated; a stream that stops short
    // of it was cut off.
    bool EndReached() const { return FEndReached; }

private:
    void Restart();
    void SkipForward(int64_t count);
    void SkipToEnd();

    int64_t FStartPos; // where the compressed data begins in the source
    bool FEndReached = false;
};
