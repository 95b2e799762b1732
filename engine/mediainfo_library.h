#pragma once

#include <cstddef>
#include <string>

// The MediaInfo library, loaded at run time and bound through its wide-character C interface. The module
// is loaded once, by the first call that finds it, and serves every later call whatever path they pass.
// Its texts cross into the program as UTF-8.

// Stream kinds of the library's interface.
enum TMediaInfoStreamKind : int
{
    mskGeneral = 0,
    mskVideo = 1,
    mskAudio = 2,
    mskText = 3,
    mskOther = 4,
    mskImage = 5,
    mskMenu = 6,
};

// True when the path can be loaded: an existing file, or a bare library name for the system search.
bool MediaInfoLibraryExists(const std::string& libraryPath);

// Loads the module unless one is loaded already, then binds the entry points; False when no module.
bool LoadMediaInfoLibrary(const std::string& libraryPath);

// The file the loaded module came from (resolved, absolute); empty while none is loaded.
std::string LoadedMediaInfoLibraryFile();

// The library's own version text, e.g. "MediaInfoLib - v23.04"; empty while none is loaded.
std::string GetMediaInfoLibraryVersion();

// One library object over one media file; closed and deleted with the object.
class TMediaInfoFile
{
public:
    // Needs a loaded library with every entry point the analysis calls; otherwise Valid() is False.
    TMediaInfoFile();
    ~TMediaInfoFile();
    TMediaInfoFile(const TMediaInfoFile&) = delete;
    TMediaInfoFile& operator=(const TMediaInfoFile&) = delete;

    bool Valid() const { return Handle != nullptr; }
    bool Open(const std::string& fileName);
    // Sets an option of the library as a whole, not of this object.
    static void SetLibraryOption(const std::string& option, const std::string& value);
    std::string Inform();
    // The value's text of a parameter by name; empty when absent.
    std::string Get(TMediaInfoStreamKind kind, size_t streamNumber, const std::string& parameter);

private:
    void* Handle = nullptr;
};
