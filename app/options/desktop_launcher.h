#pragma once

#include <string>

// The program's launcher in the user's desktop folder, made on request.

enum class TLauncherResult
{
    Created, // written now
    Exists,  // a file of that name was there already and is left as it is
    Failed,  // no launcher: the desktop folder is unknown or cannot be written
};

struct TDesktopLauncher
{
    TLauncherResult Result = TLauncherResult::Failed;
    std::string FileName; // the launcher's full name; the bare name when the desktop folder is unknown
};

// Writes a launcher named launcherName for the program file into the desktop folder, unless a file of that
// name is there already; the folder is made when missing. The result is read from the folder afterwards,
// so that a failure the writer swallows is reported as one.
TDesktopLauncher CreateDesktopLauncher(const std::string& programFile, const std::string& launcherName,
                                       const std::string& description);
