#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Breadth-first file search over a folder tree, with a depth limit and callbacks that can stop it.
// Names are joined with "/"; masks match as the program's users know them from other systems: letter case
// is ignored, "*" stands for any run of characters, "?" for one, every other character for itself, and a
// trailing ".*" also matches names without an extension (so "*.*" matches every name).

// Called for each folder found: the number of folders known so far (the start folder included) and the
// folder's full name. False stops the search.
using TSearchFolderFound = std::function<bool(int folderCount, const std::string& folderName)>;

// Called after each file added to the result: the folder count, the number of entries now in the result,
// the 1-based number of the folder being listed and the file's full name. False stops the search.
using TSearchFileFound =
    std::function<bool(int folderCount, int resultCount, int folderNo, const std::string& fileName)>;

// Called for every entry read while a folder's subfolders are listed ("." and ".." included): the running
// count within that folder, starting at 1. False stops the search.
using TSearchEntryEnumerated = std::function<bool(int entryCount)>;

// Adds to the result (which is not cleared) the full names of the regular files matching the mask in the
// start folder and, level by level, in its subfolders down to depth levels below it. The folders are taken
// in case-insensitive order of their full names; the files of one folder in the order the file system
// lists them. A linked folder is entered only with acceptLinkedFolders, a linked file is listed only with
// acceptLinkedFiles, and a folder reached a second time through a link is not searched again.
void SearchFiles(const std::string& mask, const std::string& startFolder, std::vector<std::string>& result,
                 int depth, bool acceptLinkedFolders, bool acceptLinkedFiles,
                 const TSearchFolderFound& onFolderFound = {}, const TSearchFileFound& onFileFound = {},
                 const TSearchEntryEnumerated& onEntryEnumerated = {});

// Appends the subfolders of one folder (hidden ones included; linked ones only with acceptLinks).
// False when the callback stopped the listing.
bool ListSubdirs(const std::string& folder, std::vector<std::string>& list, bool acceptLinks,
                 const TSearchEntryEnumerated& onEntryEnumerated = {});

// Appends the regular files of one folder that match the mask (hidden ones included; linked ones only with
// acceptLinks).
void ListFilesInDir(const std::string& mask, const std::string& folder, std::vector<std::string>& list,
                    bool acceptLinks);

bool MatchesFileMask(std::string_view name, std::string_view mask);
