#pragma once

#include "engine/app_strings.h"
#include "engine/progress_parser.h"
#include "support/markup_escape.h"

#include <cstdint>
#include <string>
#include <string_view>

// The texts of the progress window's labels, captions and the application title, in the markup of the
// window's labels.

// Where the run stands, as the status line and the titles show it.
struct TProgressContext
{
    int32_t FileNo = 0;    // 1-based number of the checked row being processed
    int32_t FileCount = 0; // checked rows
    bool AudioOnly = false;
    bool TwoPass = false;
    int32_t Pass = 0;
    uint32_t TotalFrames = 0; // the input's first video stream's frame count
    bool Running = false;
};

// The output label while a file is converted: the folder on a dark badge, then the file name, bold.
std::string OutputFileMarkup(const std::string& outputFile);
// The output label of a skipped file: the folder (with its trailing "/") on grey, the file name bold.
std::string SkippedOutputMarkup(const std::string& outputFile);

// The status line for the encoder's progress.
std::string ProgressStatusText(const TEncoderProgress& progress, const TProgressContext& context,
                               const TProgressModuleStrings& strings);

// The progress window's caption for a percentage: "Progress: 50%".
std::string ProgressCaption(int32_t percent, const TProgressModuleStrings& strings);
// The application title during a run: "(2/5) 50 % - Quillmark".
std::string ProgressTitle(int32_t percent, const TProgressContext& context);
