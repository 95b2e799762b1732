#pragma once

#include <string>

// Desktop launchers. A shell-folder value name ("Desktop", ...) names the folder (see GetShellFolderPath).

// True when the file exists in the shell folder.
bool ShellFolderFileExists(const std::string& folderValueName, const std::string& fileName);

// Writes a launcher file (mode 0755) named linkFileName into the shell folder, creating the folder when it
// is missing: the launcher starts the target without arguments in the target's folder and shows the link
// name without its extension and the description. Every failure is swallowed.
void CreateShellLink(const std::string& target, const std::string& folderValueName,
                     const std::string& linkFileName, const std::string& description);
