#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The output options of the main window that a conversion run reads.

// cbOutputExists: what happens when the output file exists.
enum TOutputExistsAction : int32_t
{
    oeRename = 0,
    oeOverwrite = 1,
    oeSkip = 2
};

// cbAfterConversion: what happens after a run that ended without errors.
enum TAfterConversionAction : int32_t
{
    acDoNothing = 0,
    acCloseProgram = 1,
    acShutDown = 2
};

struct RunOptions
{
    bool OutDirIsInDir = true;       // rbOutDirIsInDir; rbOutDir is its opposite
    std::string OutDir;              // edOutDir as typed
    int32_t OutputExists = oeRename; // a TOutputExistsAction; any other value renames
    int32_t AfterConversion = acDoNothing;
    bool KeepDates = false; // chKeepDates

    friend bool operator==(const RunOptions&, const RunOptions&) = default;
};

// edOutDir with Browse and Explore are enabled while the output folder is not the input folder.
inline bool IsOutDirEditable(const RunOptions& options)
{
    return !options.OutDirIsInDir;
}

// A path the user typed or a settings file holds, made absolute against baseFolder so that it never
// depends on the current folder. The run takes the output folder through it once, against ProgramDir,
// before any check or use. An empty path stays empty.
std::string AbsolutePathIn(std::string_view path, std::string_view baseFolder);
