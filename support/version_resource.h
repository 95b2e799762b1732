#pragma once

#include "support/streams.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The version resource of a PE file: finding its data in the file and looking values up in it. The data is
// a tree of blocks, each with a UTF-16LE key, an optional value (binary or UTF-16LE text) and children.

// The file's version data, or an empty vector when it has none (also for a missing file or one that is not
// a PE file).
std::vector<uint8_t> ReadFileVersionData(const std::string& fileName);
std::vector<uint8_t> ReadStreamVersionData(TStream& stream);

struct TVersionValue
{
    const uint8_t* Data = nullptr;
    size_t Size = 0; // in bytes
    bool IsText = false;
};

// Looks a value up by its path of keys, each introduced by "\" ("\" alone names the root's value, such as
// "\StringFileInfo\040904b0\FileVersion"); keys are compared ignoring case. The value points into data.
std::optional<TVersionValue> QueryVersionValue(const std::vector<uint8_t>& data, std::string_view path);

// A value's UTF-16LE text up to its first zero character, as UTF-8.
std::string VersionValueText(const TVersionValue& value);
