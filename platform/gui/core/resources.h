#pragma once

#include "platform/gui/core/exceptions.h"
#include "support/streams.h"

#include <string>

// Resources of the program: named bitmaps, cursors and raw data compiled into it. They live in the
// toolkit's resource system in one folder per kind (":/bitmaps/KVCOLLAPSE", ":/cursors/ROLL",
// ":/data/SKMN"); resources/gui_resources.qrc lists the program's own, one line each. Names are matched
// without regard to case, as the platform's resource names are, so the lists spell them in upper case.

enum TResourceType
{
    RT_CURSOR = 1,
    RT_BITMAP = 2,
    RT_RCDATA = 10
};

// "Resource KRN_BOOK not found"
class EResNotFound : public Exception
{
public:
    using Exception::Exception;
};

// True when the program holds a resource of that name and kind.
bool FindResource(const std::string& name, TResourceType type);

// The bytes of a resource as a read-only stream; a missing resource raises EResNotFound.
class TResourceStream : public TStream
{
public:
    TResourceStream(const std::string& name, TResourceType type);

    int64_t Read(void* buffer, int64_t count) override;
    // A resource cannot be changed: raises EStreamError.
    int64_t Write(const void* buffer, int64_t count) override;
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;
    int64_t Size() override { return static_cast<int64_t>(bytes_.size()); }

private:
    std::string bytes_;
    int64_t position_ = 0; // may lie past the end, where reading gives nothing
};
