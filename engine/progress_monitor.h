#pragma once

#include "engine/abort_control.h"
#include "engine/app_strings.h"
#include "engine/console_runner.h"
#include "engine/progress_markup.h"
#include "engine/progress_parser.h"
#include "engine/run_host.h"

#include <string>
#include <vector>

// Follows the encoder's output for the progress window: after every output line (conev) it keeps the
// window responsive, lets the abort stop the encoder, cleans the collected output and shows the status,
// the percentage and the output. The work per line does not grow with the length of the output: lines
// already looked at are remembered, and the memo is told which lines are new.
class TProgressMonitor
{
public:
    // encoderOutput is the list the encoder run fills; context describes the file being converted.
    TProgressMonitor(IRunHost& host, TAbortControl& abort, std::vector<std::string>& encoderOutput,
                     const TProgressContext& context, const TAppStrings& strings);

    // The line handler; pID and OutputLine are not needed: the collected output is read instead.
    void conev(int pID, const std::string& OutputLine);
    // A quiet moment of the encoder: messages and the abort are served.
    void OnIdle();
    // The collected output was emptied (a new encoder run starts).
    void ResetOutput();
    // Shows the whole output in the memo (once the run or a pass has ended).
    void ShowOutput();

    // The observer to hand to the console runner.
    const TConsoleObserver& Observer() const { return FObserver; }

private:
    void Update(const TEncoderProgress& progress, bool outputHidden);
    void ShowMemo(const TEncoderProgress& progress, int32_t percent, bool outputHidden);

    IRunHost& FHost;
    TAbortControl& FAbort;
    std::vector<std::string>& FOutput;
    const TProgressContext& FContext;
    const TAppStrings& FStrings;
    TConsoleObserver FObserver;

    size_t FSeenCount = 0;    // list size at the previous line
    size_t FCleanedCount = 0; // leading lines already cleaned (the last of them may have been rewritten)
    TEncoderProgress FStable; // what the lines before the last one say
    size_t FStableCount = 0;  // lines folded into FStable
    size_t FMemoValid = 0;    // leading lines the memo shows as they are
};
