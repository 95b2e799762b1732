#pragma once

#include <string>

// A copy of the built program in a temporary folder, as a user would unpack it: the executable (a hard
// link where the file system allows) with its language files and data lists beside it. The program keeps
// its settings beside itself there, so each copy starts as on a new machine; the copy also holds a home
// folder of its own for the user's folders. Removed with its files when the object goes.
class ProgramCopy
{
public:
    ProgramCopy();
    ~ProgramCopy();
    ProgramCopy(const ProgramCopy&) = delete;
    ProgramCopy& operator=(const ProgramCopy&) = delete;

    // Empty when the copy could not be made.
    const std::string& Folder() const { return FFolder; }
    std::string Executable() const;
    std::string Home() const;
    // A folder for the media of a test: the outputs are written beside their inputs.
    std::string MediaFolder() const;
    std::string LangFolder() const;
    std::string SettingsFile() const;
    // The encoder settings the program keeps from one session to the next.
    std::string LastSessionFile() const;

private:
    std::string FFolder;
};
