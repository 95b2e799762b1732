#pragma once

#include <string>
#include <string_view>

// Reads the whole file into bytes. Returns 0, or the errno value of the failure (ENOENT: no such file).
int ReadFileBytes(const std::string& fileName, std::string& bytes);

// Replaces the file's contents with bytes, or creates the file. The new contents go to a temporary file in
// the same folder, which is then renamed over the old one, so that the file is always either complete old
// or complete new, even when the program dies in the middle; the file and then its folder are synced, so
// that the new contents are on the disk when the call returns. An existing file keeps its permission bits;
// when the name is a symbolic link, the file it points to is replaced. Throws EOSError on failure, leaving
// the old file untouched. Safe to call from several threads at once.
void ReplaceFileContents(const std::string& fileName, std::string_view bytes);
