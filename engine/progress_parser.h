#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Reading the encoder's console output: removing its noise lines and taking the frame number, frame rate,
// output size and speed from its progress line.

// Removes noise lines (empty lines, the banner and build information, known harmless warnings) from
// lines[from] to the end; a progress line glued to the banner's web address keeps its progress part.
// Returns the index of the first line that changed or went, or npos when nothing changed.
size_t CleanEncoderOutput(std::vector<std::string>& lines, size_t from = 0);

// What the output lines say about the encoder's progress. Each value comes from the earliest line that
// holds it.
struct TEncoderProgress
{
    // A "Multiple frames in a packet from stream" line: the status must not be updated.
    bool Suppressed = false;
    bool HasFrame = false;
    int32_t Frame = 0;
    bool HasFps = false;
    std::string FpsText;
    bool HasSize = false;
    std::string SizeText; // markup: "<b>1.00 MB</b>", or the size as found when it is not a number
    bool HasSpeed = false;
    std::string SpeedText; // markup around the speed as found
    // The two parts of the encoder's closing summary.
    bool HasGlobalHeaders = false;
    bool HasMuxingOverhead = false;
};

// Folds one output line into progress, keeping what earlier lines gave.
void ReadProgressLine(std::string_view line, TEncoderProgress& progress);

// The percentage of frame against totalFrames, rounded half to even and limited to 0 ... 100: 0 when
// frame is 0, and -1 before limiting (so 0) when the total is unknown.
int32_t ProgressPercent(int32_t frame, uint32_t totalFrames);
