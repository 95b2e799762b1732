#pragma once

#include "support/streams.h"

#include <cstdint>
#include <functional>
#include <string>

// CRC-32 checksums of streams and files, computed in chunks of 102,400 bytes.

// Given the percentage done and the 1-based number of the chunk just processed; returning false stops.
using TCrc32ProgressFunc = std::function<bool(int percent, int chunkNo)>;

// The CRC-32 of the stream's bytes from startPosition to the end; after a stop, the CRC of the bytes read so
// far. An empty range gives 0 without calling the callback.
uint32_t StreamCrc32(TStream& stream, int64_t startPosition, const TCrc32ProgressFunc& onProgress = {});

// StreamCrc32 of the whole file; a file that cannot be opened raises EFOpenError.
uint32_t FileCrc32(const std::string& fileName, const TCrc32ProgressFunc& onProgress = {});
