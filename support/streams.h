#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

// Byte streams: a small seekable stream interface with an in-memory and a file implementation.
// Positions and sizes are 64-bit byte counts.

class EStreamError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// A read that gave fewer bytes than demanded ("Stream read error").
class EReadError : public EStreamError
{
public:
    EReadError();
};

// A write that took fewer bytes than given ("Stream write error").
class EWriteError : public EStreamError
{
public:
    EWriteError();
};

class EFOpenError : public EStreamError
{
public:
    using EStreamError::EStreamError;
};

class EFCreateError : public EStreamError
{
public:
    using EStreamError::EStreamError;
};

enum TSeekOrigin
{
    soBeginning,
    soCurrent,
    soEnd
};

class TStream
{
public:
    virtual ~TStream() = default;

    // Reads up to count bytes; returns the number read (0 at the end).
    virtual int64_t Read(void* buffer, int64_t count) = 0;
    // Writes up to count bytes; returns the number written.
    virtual int64_t Write(const void* buffer, int64_t count) = 0;
    // Moves the position; returns the new position.
    virtual int64_t Seek(int64_t offset, TSeekOrigin origin) = 0;

    // The default finds the end by seeking there and back.
    virtual int64_t Size();
    virtual void SetSize(int64_t newSize);

    int64_t Position() { return Seek(0, soCurrent); }
    void SetPosition(int64_t position) { Seek(position, soBeginning); }

    // Read and write exactly count bytes, else raise EReadError or EWriteError.
    void ReadBuffer(void* buffer, int64_t count);
    void WriteBuffer(const void* buffer, int64_t count);

    // Copies count bytes from the source's position, raising EReadError when fewer are there. A count of 0
    // copies the whole source from its start to its end. Returns the number of bytes copied.
    int64_t CopyFrom(TStream& source, int64_t count);
};

// A stream over a growable byte buffer. Writing past the end grows it; positions beyond the end are allowed
// and reading there gives nothing.
class TMemoryStream : public TStream
{
public:
    int64_t Read(void* buffer, int64_t count) override;
    int64_t Write(const void* buffer, int64_t count) override;
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;
    int64_t Size() override { return static_cast<int64_t>(FData.size()); }
    void SetSize(int64_t newSize) override;

    // Empties the stream: size and position 0.
    void Clear();
    // Replaces the content by the file's bytes; position 0.
    void LoadFromFile(const std::string& fileName);

    uint8_t* Memory() { return FData.data(); }
    const std::vector<uint8_t>& Bytes() const { return FData; }

private:
    std::vector<uint8_t> FData;
    int64_t FPosition = 0;
};

enum TFileStreamMode
{
    fmOpenRead,
    fmOpenWrite,
    fmOpenReadWrite,
    fmCreate // creates the file, or empties an existing one, for reading and writing
};

// A stream over an open file. Opening fails with EFOpenError (EFCreateError for fmCreate) naming the file
// and the system's reason.
class TFileStream : public TStream
{
public:
    TFileStream(const std::string& fileName, TFileStreamMode mode);
    ~TFileStream() override;
    TFileStream(const TFileStream&) = delete;
    TFileStream& operator=(const TFileStream&) = delete;

    int64_t Read(void* buffer, int64_t count) override;
    int64_t Write(const void* buffer, int64_t count) override;
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;
    int64_t Size() override;
    void SetSize(int64_t newSize) override;

    const std::string& FileName() const { return FFileName; }

private:
    std::string FFileName;
    int FHandle = -1;
};
