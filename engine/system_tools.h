#pragma once

#include <string>
#include <string_view>
#include <vector>

// Where the system keeps the external tools when the program's own folders hold none.

// The first executable file of that name in the folders of searchPath (a PATH value, folders separated
// by ":"). Empty and relative entries are skipped: the current folder is never searched.
std::string FindProgramOnPath(std::string_view name, std::string_view searchPath);

// The absolute folders of a search list (PATH, LD_LIBRARY_PATH) in order, the entries separated by any of
// separators; empty and relative entries are left out.
std::vector<std::string> AbsoluteSearchFolders(std::string_view list, std::string_view separators = ":");
// folder/name, with one slash between them.
std::string FileInFolder(const std::string& folder, std::string_view name);

// The full path (links resolved) under which the dynamic linker would find the library (a soname such as
// "libmediainfo.so.0"), or empty when it would find none. Looked up as the linker looks, without loading
// it: the folders of LD_LIBRARY_PATH (absolute ones only), the linker's cache, the system's library
// folders; only a library of this program's own kind (ELF class, byte order, machine) counts.
std::string FindLibraryThroughLoader(const std::string& soname);

// True for a regular file (links followed) that the user may execute.
bool IsExecutableFile(const std::string& fileName);

// True for a regular file, links followed.
bool IsRegularFile(const std::string& fileName);
