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
    bool OutDirIsInDir = true; // rbOutDirIsInDir; rbOutDir is its opposite
    std::string OutDir;        // edOutDir as typed
    int32_t OutputExists = oeRename;
    int32_t AfterConversion = acDoNothing;
    bool KeepDates = false; // chKeepDates

    friend bool operator==(const RunOptions&, const RunOptions&) = default;
};

// edOutDir with Browse and Explore are enabled while the output folder is not the input folder.
inline bool IsOutDirEditable(const RunOptions& options)
{
    return !options.OutDirIsInDir;
}

// The output folder as the run uses it: a relative folder is taken against the program's folder, so
// the result never depends on the current folder. An empty folder stays empty (the run reports it).
std::string AbsoluteOutputFolder(std::string_view outDir, std::string_view programDir);
