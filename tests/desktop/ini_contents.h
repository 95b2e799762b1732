#pragma once

#include <map>
#include <string>

// What the program wrote to an INI file, read without the program's own code: section, key, value.
using IniContents = std::map<std::string, std::map<std::string, std::string>>;

// Empty when the file cannot be read. A line that is neither a section, a key nor empty is kept under the
// key "!malformed" of its section, so that a torn file does not read as a shorter whole one.
IniContents ReadIniContents(const std::string& file);
