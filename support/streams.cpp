#include "support/streams.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

EReadError::EReadError() : EStreamError("Stream read error") {}

EWriteError::EWriteError() : EStreamError("Stream write error") {}

int64_t TStream::Size()
{
    const int64_t position = Seek(0, soCurrent);
    const int64_t size = Seek(0, soEnd);
    Seek(position, soBeginning);
    return size;
}

void TStream::SetSize(int64_t)
{
    throw EStreamError("Stream size cannot be changed");
}

void TStream::ReadBuffer(void* buffer, int64_t count)
{
    if (count > 0 && Read(buffer, count) != count) {
        throw EReadError();
    }
}

void TStream::WriteBuffer(const void* buffer, int64_t count)
{
    if (count > 0 && Write(buffer, count) != count) {
        throw EWriteError();
    }
}

int64_t TStream::CopyFrom(TStream& source, int64_t count)
{
    constexpr int64_t ChunkSize = 65536;
    std::vector<uint8_t> chunk(ChunkSize);
    const bool whole = count == 0;
    if (whole) {
        source.SetPosition(0);
    }
    int64_t copied = 0;
    while (whole || copied < count) {
        const int64_t wanted = whole ? ChunkSize : std::min(ChunkSize, count - copied);
        const int64_t got = source.Read(chunk.data(), wanted);
        if (got == 0) {
            if (whole) {
                break;
            }
            throw EReadError();
        }
        WriteBuffer(chunk.data(), got);
        copied += got;
    }
    return copied;
}

int64_t TMemoryStream::Read(void* buffer, int64_t count)
{
    const int64_t available = Size() - FPosition;
    const int64_t n = std::clamp<int64_t>(count, 0, std::max<int64_t>(available, 0));
    if (n > 0) {
        std::memcpy(buffer, FData.data() + FPosition, static_cast<size_t>(n));
        FPosition += n;
    }
    return n;
}

int64_t TMemoryStream::Write(const void* buffer, int64_t count)
{
    if (count <= 0) {
        return 0;
    }
    if (FPosition + count > Size()) {
        FData.resize(static_cast<size_t>(FPosition + count));
    }
    std::memcpy(FData.data() + FPosition, buffer, static_cast<size_t>(count));
    FPosition += count;
    return count;
}

int64_t TMemoryStream::Seek(int64_t offset, TSeekOrigin origin)
{
    const int64_t base = origin == soBeginning ? 0 : origin == soCurrent ? FPosition : Size();
    if (base + offset < 0) {
        throw EStreamError("Invalid stream position");
    }
    FPosition = base + offset;
    return FPosition;
}

void TMemoryStream::SetSize(int64_t newSize)
{
    FData.resize(static_cast<size_t>(std::max<int64_t>(newSize, 0)));
    FPosition = std::min(FPosition, Size());
}

void TMemoryStream::Clear()
{
    FData.clear();
    FPosition = 0;
}

void TMemoryStream::LoadFromFile(const std::string& fileName)
{
    TFileStream file(fileName, fmOpenRead);
    std::vector<uint8_t> data(static_cast<size_t>(file.Size()));
    file.ReadBuffer(data.data(), static_cast<int64_t>(data.size()));
    FData = std::move(data);
    FPosition = 0;
}

namespace {

std::string FileErrorText(const char* action, const std::string& fileName, int error)
{
    return std::string(action) + " \"" + fileName + "\". " + std::strerror(error);
}

int OpenFlags(TFileStreamMode mode)
{
    switch (mode) {
    case fmOpenRead:
        return O_RDONLY;
    case fmOpenWrite:
        return O_WRONLY;
    case fmOpenReadWrite:
        return O_RDWR;
    case fmCreate:
        return O_RDWR | O_CREAT | O_TRUNC;
    }
    return O_RDONLY;
}

// Repeats a partial read or write (or one interrupted by a signal) until count bytes have passed or the
// file gives no more; returns the bytes that passed.
template <typename TTransfer> int64_t TransferFully(int64_t count, TTransfer transfer)
{
    int64_t total = 0;
    while (total < count) {
        const ssize_t n = transfer(total);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            break;
        }
        total += n;
    }
    return total;
}

} // namespace

TFileStream::TFileStream(const std::string& fileName, TFileStreamMode mode) : FFileName(fileName)
{
    FHandle = ::open(fileName.c_str(), OpenFlags(mode) | O_CLOEXEC, 0666);
    if (FHandle < 0) {
        const int error = errno;
        if (mode == fmCreate) {
            throw EFCreateError(FileErrorText("Cannot create file", fileName, error));
        }
        throw EFOpenError(FileErrorText("Cannot open file", fileName, error));
    }
}

TFileStream::~TFileStream()
{
    ::close(FHandle);
}

int64_t TFileStream::Read(void* buffer, int64_t count)
{
    auto* bytes = static_cast<uint8_t*>(buffer);
    return TransferFully(count, [&](int64_t done) { return ::read(FHandle, bytes + done, count - done); });
}

int64_t TFileStream::Write(const void* buffer, int64_t count)
{
    const auto* bytes = static_cast<const uint8_t*>(buffer);
    return TransferFully(count, [&](int64_t done) { return ::write(FHandle, bytes + done, count - done); });
}

int64_t TFileStream::Seek(int64_t offset, TSeekOrigin origin)
{
    const int whence = origin == soBeginning ? SEEK_SET : origin == soCurrent ? SEEK_CUR : SEEK_END;
    const off_t position = ::lseek(FHandle, offset, whence);
    if (position < 0) {
        throw EStreamError(FileErrorText("Cannot seek in file", FFileName, errno));
    }
    return position;
}

int64_t TFileStream::Size()
{
    struct stat info = {};
    if (::fstat(FHandle, &info) != 0) {
        return TStream::Size();
    }
    return info.st_size;
}

void TFileStream::SetSize(int64_t newSize)
{
    if (::ftruncate(FHandle, newSize) != 0) {
        throw EStreamError(FileErrorText("Cannot change the size of file", FFileName, errno));
    }
    if (Position() > newSize) {
        SetPosition(newSize);
    }
}
