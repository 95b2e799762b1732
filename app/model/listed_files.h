#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>

// Which files the file list holds, by identity: the canonical path of each file (absolute, links and "."
// and ".." resolved). Two names that differ only in letter case are two files; a link to a listed file is
// the listed file. Each listed file carries the id of its row, so that rows can be found again after the
// user sorted or moved them. Lookups are hashed: adding n files costs O(n).

// The file's identity: its canonical path, or the absolute, normalised name when the file cannot be
// resolved (it no longer exists).
std::string ListedFileIdentity(const std::string& fileName);

// The name a file is listed under: absolute and normalised, relative names taken from the current folder,
// links kept as they were named.
std::string ExpandListedFileName(const std::string& fileName);

class TListedFiles
{
public:
    // The row id holding the identity, or 0 when none does.
    uint64_t RowOf(const std::string& identity) const;
    bool Contains(const std::string& identity) const { return RowOf(identity) != 0; }
    // Records a file under a fresh row id (never 0, never used before); 0 when it is already listed.
    uint64_t Add(const std::string& identity);
    void Remove(uint64_t rowId);
    void Clear();
    size_t Count() const { return byIdentity_.size(); }

private:
    std::unordered_map<std::string, uint64_t> byIdentity_;
    std::unordered_map<uint64_t, std::string> byRow_;
    uint64_t lastRowId_ = 0;
};
