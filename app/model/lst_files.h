#pragma once

#include <string>
#include <vector>

// File list files (".lst"): one full file name per line. They are written in UTF-8 with CR LF after every
// line, so that every name survives; they are read with a byte-order mark deciding UTF-8 or UTF-16 and
// UTF-8 otherwise, CR LF, LF or a lone CR ending a line. Lines are used as they stand (no trimming); a
// relative line names a file beside the list file, wherever the program was started.

// The names of a list file in their order, each made absolute; empty lines are left out. Throws
// std::runtime_error, with a message naming the file, when it cannot be read.
std::vector<std::string> ReadLstFile(const std::string& lstFile);

// The names of the lines of a list file's text, resolved against listFolder.
std::vector<std::string> LstFileNames(const std::string& text, const std::string& listFolder);

// The bytes of a list file holding the names.
std::string LstFileBytes(const std::vector<std::string>& names);

// Writes the names as a list file, replacing one that exists. Throws std::runtime_error, with a message
// naming the file and the cause, when it cannot be written; an old file is then left as it was.
void WriteLstFile(const std::string& lstFile, const std::vector<std::string>& names);
