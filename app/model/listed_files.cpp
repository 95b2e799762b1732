#include "app/model/listed_files.h"

#include <filesystem>

namespace fs = std::filesystem;

std::string ExpandListedFileName(const std::string& fileName)
{
    std::error_code error;
    const fs::path absolute = fs::absolute(fs::path(fileName), error);
    return (error ? fs::path(fileName) : absolute).lexically_normal().string();
}

std::string ListedFileIdentity(const std::string& fileName)
{
    std::error_code error;
    const fs::path canonical = fs::canonical(fs::path(fileName), error);
    return error ? ExpandListedFileName(fileName) : canonical.string();
}

uint64_t TListedFiles::RowOf(const std::string& identity) const
{
    const auto found = byIdentity_.find(identity);
    return found == byIdentity_.end() ? 0 : found->second;
}

uint64_t TListedFiles::Add(const std::string& identity)
{
    const uint64_t rowId = lastRowId_ + 1;
    if (!byIdentity_.emplace(identity, rowId).second)
        return 0;
    lastRowId_ = rowId;
    byRow_.emplace(rowId, identity);
    return rowId;
}

void TListedFiles::Remove(uint64_t rowId)
{
    const auto found = byRow_.find(rowId);
    if (found == byRow_.end())
        return;
    byIdentity_.erase(found->second);
    byRow_.erase(found);
}

void TListedFiles::Clear()
{
    byIdentity_.clear();
    byRow_.clear();
}
