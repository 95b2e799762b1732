#pragma once

#include "engine/parameter_builders.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct TVideoFileInfo;

// The encoder command for one file, as the conversion run starts it, the shell script writes it and the
// command-line window shows it: all three come from this one structure.

// What the command-line window shows for the file names it does not have.
inline constexpr std::string_view InputFilePlaceholder = "<input_file>";
inline constexpr std::string_view OutputFilePlaceholder = "<output_file>";

// The argument groups of the builders, in the order they stand in the command.
struct TEncoderParams
{
    TParamList VideoCodec;
    TParamList VideoParams;
    TParamList AudioCodec;
    TParamList AudioParams;
    TParamList Advanced;
    TParamList Additional;
};

// One start of the encoder.
struct TEncoderPass
{
    int32_t PassNo = 0;   // 0 for the only pass, else 1 or 2 (then "-pass n" is among the arguments)
    TParamList Arguments; // everything after the program: "-y", "-i", the input, ..., the output
};

struct TEncoderCommand
{
    std::string EncoderPath;
    std::string InputFile; // as given; the arguments hold it so that it can never read as an option
    std::string OutputFile;
    TEncoderParams Params;
    bool FasterPreset = false; // "-preset:v faster" follows the advanced group (H.264 in AVI files)
    // One pass, or two for a two-pass encoding; those run in the run folder, where the encoder keeps
    // its statistics between the passes.
    std::vector<TEncoderPass> Passes;
    // A builder refused a setting and has shown its warning: the refused group is missing from the
    // passes, which must not be run.
    bool Refused = false;
    std::vector<std::string> Warnings;

    bool IsTwoPass() const { return Passes.size() > 1; }
    // What the child gets: the encoder path, then the pass's arguments.
    TParamList Argv(const TEncoderPass& pass) const;
    // The pass as one line of text: the arguments separated by blanks, each file name in double quotes
    // (the placeholders as they stand) and any other argument with a blank or a double quote quoted, so
    // that the command-line splitting rules give the arguments back.
    std::string PassText(const TEncoderPass& pass) const;
    // Every pass's line, separated by an empty line: what the command-line window shows.
    std::string DisplayText() const;
};

// Builds every group and the passes for the input and output files (full paths, or the placeholders for
// the command-line window). A refusal's warning goes to environment.ShowWarning and into Warnings; the
// other groups are still built, so that the window shows what it can.
TEncoderCommand BuildEncoderCommand(const std::string& encoderPath, const EncoderSettings& settings,
                                    const TVideoFileInfo& media, const std::string& inputFile,
                                    const std::string& outputFile, const TBuilderEnvironment& environment);
