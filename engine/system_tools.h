#pragma once

#include <string>
#include <string_view>

// Where the system keeps the external tools when the program's own folders hold none.

// The first executable file of that name in the folders of searchPath (a PATH value, folders separated
// by ":"). Empty and relative entries are skipped: the current folder is never searched.
std::string FindProgramOnPath(std::string_view name, std::string_view searchPath);

// The full path under which the dynamic linker finds the library (a soname such as "libmediainfo.so.0"),
// or empty when it finds none.
std::string FindLibraryThroughLoader(const std::string& soname);

// True for a regular file (links followed) that the user may execute.
bool IsExecutableFile(const std::string& fileName);

// True for a regular file, links followed.
bool IsRegularFile(const std::string& fileName);
