#include "engine/progress_monitor.h"

#include "engine/app_params.h"

#include <algorithm>

TProgressMonitor::TProgressMonitor(IRunHost& host, TAbortControl& abort,
                                   std::vector<std::string>& encoderOutput, const TProgressContext& context,
                                   const TAppStrings& strings)
    : FHost(host), FAbort(abort), FOutput(encoderOutput), FContext(context), FStrings(strings)
{
    FObserver.OnLine = [this](int processId, const std::string& line) { conev(processId, line); };
    FObserver.OnIdle = [this](int) { OnIdle(); };
}

void TProgressMonitor::ResetOutput()
{
    FSeenCount = 0;
    FCleanedCount = 0;
    FStable = {};
    FStableCount = 0;
    FMemoValid = 0;
}

void TProgressMonitor::OnIdle()
{
    FHost.ProcessMessages();
    FAbort.Tick();
}

void TProgressMonitor::conev(int pID, const std::string& OutputLine)
{
    (void)pID;
    (void)OutputLine;
    OnIdle();
    if (FOutput.size() < FSeenCount)
        ResetOutput(); // emptied behind our back

    // The runner appends lines and rewrites the last one: what came before that is unchanged.
    size_t changedFrom = FSeenCount == 0 ? 0 : FSeenCount - 1;
    const bool outputHidden = FHost.IsEncoderOutputHidden();
    if (!outputHidden) {
        const size_t cleanFrom = std::min(FCleanedCount == 0 ? 0 : FCleanedCount - 1, FOutput.size());
        changedFrom = std::min(changedFrom, CleanEncoderOutput(FOutput, cleanFrom));
        FCleanedCount = FOutput.size();
    }
    if (changedFrom < FStableCount) {
        FStable = {};
        FStableCount = 0;
    }
    FMemoValid = std::min(FMemoValid, changedFrom);
    FSeenCount = FOutput.size();

    // Values come from the earliest line that holds them: the settled lines first, then the last one.
    while (FStableCount + 1 < FOutput.size())
        ReadProgressLine(FOutput[FStableCount++], FStable);
    TEncoderProgress progress = FStable;
    if (!FOutput.empty())
        ReadProgressLine(FOutput.back(), progress);
    if (progress.Suppressed)
        return;
    Update(progress, outputHidden);
}

void TProgressMonitor::Update(const TEncoderProgress& progress, bool outputHidden)
{
    const int32_t percent = ProgressPercent(progress.Frame, FContext.TotalFrames);
    if (percent > 0)
        FHost.SetProgressPosition(percent);
    FHost.SetStatusMarkup(ProgressStatusText(progress, FContext, FStrings.Progress));
    if (percent > 0) {
        FHost.SetProgressCaption(ProgressCaption(percent, FStrings.Progress));
        if (FContext.Running)
            FHost.SetApplicationTitle(ProgressTitle(percent, FContext));
    }
    ShowMemo(progress, percent, outputHidden);
}

void TProgressMonitor::ShowMemo(const TEncoderProgress& progress, int32_t percent, bool outputHidden)
{
    const bool finished = percent == 100 || (progress.HasGlobalHeaders && progress.HasMuxingOverhead);
    if (outputHidden && !finished) {
        FHost.ShowMemoText(FStrings.Main.PleaseWait);
        FMemoValid = 0;
        return;
    }
    FHost.ShowMemoLines(FOutput, FMemoValid);
    FMemoValid = FOutput.size();
    if (!outputHidden && AppParams.ScrollProgressToBottom)
        FHost.ScrollMemoToBottom();
}

void TProgressMonitor::ShowOutput()
{
    CleanEncoderOutput(FOutput);
    FHost.ShowMemoLines(FOutput, 0);
    ResetOutput();
    FMemoValid = FOutput.size();
    FSeenCount = FOutput.size();
    FCleanedCount = FOutput.size();
}
