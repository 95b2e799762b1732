#include "support/inflate_stream.h"

#include <algorithm>

namespace {

const char* const InvalidOperationText = "Invalid ZStream operation!";

// Every zlib call goes through here: a negative result is an error, 0 and positive results pass.
int CheckZ(int code)
{
    if (code < 0) {
        throw EZDecompressionError(code, ZLibErrorText(code));
    }
    return code;
}

} // namespace

std::string ZLibErrorText(int errorCode)
{
    switch (errorCode) {
    case Z_NEED_DICT:
        return "Need dictionary";
    case Z_STREAM_END:
        return "Stream end";
    case Z_OK:
        return "OK";
    case Z_ERRNO:
        return "File error";
    case Z_STREAM_ERROR:
        return "Stream error";
    case Z_DATA_ERROR:
        return "Data error";
    case Z_MEM_ERROR:
        return "Insufficient memory";
    case Z_BUF_ERROR:
        return "Buffer error";
    case Z_VERSION_ERROR:
        return "Incompatible version";
    }
    return "";
}

EZLibError::EZLibError(int errorCode, const std::string& message)
    : std::runtime_error(message), FErrorCode(errorCode)
{}

TCustomZStream::TCustomZStream(TStream& source)
    : FStream(source), FStreamPos(source.Position()), FBuffer(BufferSize)
{}

int64_t TCustomZStream::ReadSource(void* buffer, int64_t count)
{
    if (FStream.Position() != FStreamPos) {
        FStream.SetPosition(FStreamPos);
    }
    const int64_t got = FStream.Read(buffer, count);
    FStreamPos += got;
    return got;
}

void TCustomZStream::DoProgress()
{
    if (FOnProgress) {
        FOnProgress(*this);
    }
}

TZDecompressionStream::TZDecompressionStream(TStream& source) : TCustomZStream(source), FStartPos(FStreamPos)
{
    FZStream.next_in = FBuffer.data();
    FZStream.avail_in = 0;
    CheckZ(inflateInit(&FZStream));
}

TZDecompressionStream::~TZDecompressionStream()
{
    inflateEnd(&FZStream);
}

int64_t TZDecompressionStream::Read(void* buffer, int64_t count)
{
    // zlib counts room in 32 bits; larger requests are served in part, as a short read.
    const auto room = static_cast<uInt>(std::clamp<int64_t>(count, 0, 0x7FFFFFFF));
    FZStream.next_out = static_cast<Bytef*>(buffer);
    FZStream.avail_out = room;
    int result = Z_OK;
    while (FZStream.avail_out > 0 && result != Z_STREAM_END) {
        bool sourceEnded = false;
        if (FZStream.avail_in == 0) {
            const int64_t got = ReadSource(FBuffer.data(), BufferSize);
            sourceEnded = got == 0;
            FZStream.next_in = FBuffer.data();
            FZStream.avail_in = static_cast<uInt>(got);
            if (!sourceEnded) {
                DoProgress();
            }
        }
        // Once the source has ended, zlib may still hold output that did not fit before; it reports a
        // buffer error when it has nothing more to give.
        result = inflate(&FZStream, Z_NO_FLUSH);
        if (sourceEnded && result == Z_BUF_ERROR) {
            break;
        }
        CheckZ(result);
        // A preset dictionary is never supplied, so asking for one would repeat forever.
        if (result == Z_NEED_DICT) {
            throw EZDecompressionError(result, ZLibErrorText(result));
        }
    }
    FEndReached = FEndReached || result == Z_STREAM_END;
    if (result == Z_STREAM_END && FZStream.avail_in > 0) {
        // Leave the source just behind the compressed data.
        FStreamPos -= FZStream.avail_in;
        FStream.SetPosition(FStreamPos);
        FZStream.avail_in = 0;
    }
    return room - FZStream.avail_out;
}

int64_t TZDecompressionStream::Write(const void*, int64_t)
{
    throw EZDecompressionError(Z_STREAM_ERROR, InvalidOperationText);
}

int64_t TZDecompressionStream::Seek(int64_t offset, TSeekOrigin origin)
{
    const auto produced = static_cast<int64_t>(FZStream.total_out);
    if (origin == soBeginning && offset >= 0) {
        if (offset < produced) {
            Restart();
        }
        SkipForward(offset - static_cast<int64_t>(FZStream.total_out));
    } else if (origin == soCurrent && offset >= 0) {
        SkipForward(offset);
    } else if (origin == soEnd && offset == 0) {
        SkipToEnd();
    } else {
        throw EZDecompressionError(Z_STREAM_ERROR, InvalidOperationText);
    }
    return static_cast<int64_t>(FZStream.total_out);
}

void TZDecompressionStream::Restart()
{
    CheckZ(inflateReset(&FZStream));
    FZStream.next_in = FBuffer.data();
    FZStream.avail_in = 0;
    FEndReached = false;
    FStreamPos = FStartPos;
    FStream.SetPosition(FStreamPos);
}

void TZDecompressionStream::SkipForward(int64_t count)
{
    constexpr int64_t PieceSize = 8192;
    std::vector<uint8_t> piece(PieceSize);
    while (count > 0) {
        const int64_t wanted = std::min(PieceSize, count);
        ReadBuffer(piece.data(), wanted);
        count -= wanted;
    }
}

void TZDecompressionStream::SkipToEnd()
{
    constexpr int64_t PieceSize = 8192;
    std::vector<uint8_t> piece(PieceSize);
    while (Read(piece.data(), PieceSize) > 0) {
    }
}
