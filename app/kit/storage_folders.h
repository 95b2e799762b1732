#pragma once

#include "engine/app_params.h"

#include <functional>
#include <string>

// Where the program keeps what it writes (the settings file, the profiles and "__Last.ini") and where it
// reads its language files and data lists. This is the one place that decides; the rest of the program
// reads the folders from AppParams.
//
// - Settings and profiles: beside the program when its folder is writable (a portable program), else in
//   the user's configuration folder ($XDG_CONFIG_HOME/quillmark, by default ~/.config/quillmark). Once
//   that folder holds a settings file it is read first, so a program folder that becomes writable later
//   does not lose the user's settings. An installed program always keeps them in that folder.
// - Language files and data lists: beside the program; an installed program (<prefix>/bin) reads them
//   from <prefix>/share/quillmark.

struct StorageEnvironment
{
    std::string ConfigHome; // $XDG_CONFIG_HOME, or ~/.config when it is not set
    // Whether this user may create files in a folder; empty: asks the file system.
    std::function<bool(const std::string& folder)> CanWrite;
};

// The environment of this process.
StorageEnvironment CurrentStorageEnvironment();

// The user's configuration folder of the program.
std::string UserConfigFolder(const StorageEnvironment& environment);

// Moves the writable files and the read-only folders of params (filled by InitAppParams for the program
// folder ProgramDir) to where this program keeps them.
void PlaceStorageFolders(TAppParams& params, const StorageEnvironment& environment);

// InitAppParams followed by PlaceStorageFolders: the program's folders for an executable at the given path.
void InitProgramFolders(TAppParams& params, const std::string& executablePath,
                        const StorageEnvironment& environment);
