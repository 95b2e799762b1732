#pragma once

#include "engine/encoder_settings.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <vector>

// Choosing a conversion's output file: its folder, its extension, and what happens when it exists.

// "mpg" for the MPG page, else "avi"; with a leading "." when bIncludeDot is set.
std::string GetExt(TOutputFormat format, bool bIncludeDot);

// A file as the file system knows it, whatever the spelling of its name (links, "./", "//").
struct TFileIdentity
{
    dev_t Device = 0;
    ino_t Inode = 0;
    friend bool operator==(const TFileIdentity&, const TFileIdentity&) = default;
};

// The identity of an existing file (links followed); nothing when it cannot be examined.
std::optional<TFileIdentity> GetFileIdentity(const std::string& fileName);

// The output folder as the run creates it and names every output in: the folder typed, absolute (a
// relative one counts from programDir), without a trailing "/" or "/." (the root stays "/"). Empty when
// nothing was typed.
std::string OutputFolderFor(std::string_view typed, std::string_view programDir);

// The output's name before the existence rules: the input's name with the format's extension, beside the
// input (outDir empty) or in outDir as OutputFolderFor spells it.
std::string OutputNameFor(const std::string& input, const std::string& outDir, TOutputFormat format);

enum TOutputDecision
{
    odNew,         // no file of that name exists
    odRenamed,     // a counter was added
    odOverwritten, // the existing file is written over
    odSkipped,     // the file is not converted
    odNoFreeName   // every counter is taken
};

struct TOutputChoice
{
    std::string FileName;
    TOutputDecision Decision = odNew;
    // The file the name led to when it was chosen: the empty one created for this output (Claimed), or the
    // existing one to be written over. Nothing when the name was not claimed or is not to be written.
    std::optional<TFileIdentity> File;
    bool Claimed = false;
};

// Applies the existing-output rule (TOutputExistsAction) to an output name. An output that is one of the
// run's input files, under whatever spelling, always gets a counter, so that no input is written over;
// with skip it is then skipped. A rule other than the three is taken as rename.
//
// With claim set, a new or renamed output is claimed as it is chosen: created empty and exclusively, so that
// another program choosing an output of the same name at the same moment finds it taken and takes the next
// counter. When another program claims the name first, the choice is made again.
TOutputChoice ChooseOutput(const std::string& output, int32_t outputExists,
                           const std::vector<TFileIdentity>& inputs, bool claim);

// What a file looked like at one moment, to tell afterwards whether something created or wrote it.
struct TFileStamp
{
    bool Exists = false;
    TFileIdentity Identity;
    int64_t Size = 0;
    int64_t ChangeSec = 0; // status change time: moves with every write and truncation
    int64_t ChangeNsec = 0;
    int64_t WriteSec = 0;
    int64_t WriteNsec = 0;
    friend bool operator==(const TFileStamp&, const TFileStamp&) = default;
};

TFileStamp TakeFileStamp(const std::string& fileName);
