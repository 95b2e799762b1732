#pragma once

#include <cstdint>
#include <string>

// State of the conversion run, shared by the run, the progress window and the main window's commands.

inline bool ConversionRunning = false;
inline bool AbortRequested = false;
inline bool AbortTimeoutElapsed = false; // the encoder had to be stopped after the abort time-out
inline bool BatchOnlyMode = false;       // write the shell script instead of starting the encoder
inline std::string BatchScriptFileName;
inline int32_t CheckedCount = 0;
inline int32_t CurrentFileNo = 0; // 1-based number of the checked row being processed
inline bool AudioOnlyOutput = false;
inline bool TwoPassRun = false;
inline int32_t CurrentPass = 0; // 1 or 2 during a two-pass file
inline int32_t ErrorCount = 0;  // failed files of this run
