#pragma once

#include "engine/abort_control.h"
#include "engine/app_strings.h"
#include "engine/batch_script.h"
#include "engine/encoder_command.h"
#include "engine/encoder_settings.h"
#include "engine/file_dates.h"
#include "engine/file_list.h"
#include "engine/output_naming.h"
#include "engine/progress_markup.h"
#include "engine/progress_monitor.h"
#include "engine/run_host.h"
#include "engine/run_options.h"
#include "engine/two_pass_logs.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// One conversion run: the Convert command walks the checked rows of the file list, chooses each output,
// analyses the input, builds the encoder command, runs the encoder once or twice per file while the
// progress window follows it, records failures and at the end restores the windows and carries out the
// after-conversion action. With BatchOnlyMode set (the Save BAT command) the same road writes the shell
// script BatchScriptFileName instead of starting the encoder.
//
// The run keeps its state itself and keeps the program-wide run state (run_state.h, CurrentFileInfo,
// AppParams.LogDir) in step for the windows that read it.
class TConversionRun
{
public:
    // The builder environment carries what only the main window knows (the resolution item's text, the
    // AAC encoder); its warnings go to the host when it names no other place.
    TConversionRun(IRunHost& host, IFileList& files, const EncoderSettings& settings,
                   const RunOptions& options, TBuilderEnvironment environment);
    ~TConversionRun();
    TConversionRun(const TConversionRun&) = delete;
    TConversionRun& operator=(const TConversionRun&) = delete;

    // actConvertExecute: runs the whole road and returns when the run has ended. When the encoder cannot
    // be started the run cleans up and the exception goes on to the caller.
    void Execute();

    // The progress window's Abort command while this run is going on.
    TAbortControl& AbortControl() { return FAbort; }
    // The output lines of the current (or last) encoder run.
    const std::vector<std::string>& EncoderOutput() const { return FEncoderOutput; }

private:
    struct TFileRun; // one checked row on its way

    bool StartRun();
    bool ConvertRow(int32_t row, int32_t fileNo);
    bool ChooseRowOutput(TFileRun& file);
    void AnalyseInput(const TFileRun& file);
    void RunPasses(TFileRun& file, const TEncoderCommand& command);
    bool RunPass(TFileRun& file, const TEncoderCommand& command, const TEncoderPass& pass,
                 const std::string& workDir);
    // An error record for the file (the headline, then the encoder's output); its output goes when it is
    // this run's (OwnsOutput).
    void RecordFailure(TFileRun& file, const std::string& headline, const std::string& params);
    // Whether the file under the output's name is this run's to remove: the one it claimed, or the one it
    // chose to write over once its encoder wrote to it; never a file another program put there since.
    bool OwnsOutput(const TFileRun& file) const;
    // A claimed output left empty (no pass wrote it, the run ended early) is not left behind.
    void RemoveEmptyOutput(const TFileRun& file);
    void FinishFile(TFileRun& file);
    void EndRun();
    void FinishConversion();
    void AskToDeleteUnfinished();
    void AfterConversion();
    void Pause(int ms);
    bool IsAborting() const;

    IRunHost& FHost;
    IFileList& FFiles;
    const EncoderSettings FSettings;
    const RunOptions FOptions;
    TBuilderEnvironment FEnvironment;
    TAppStrings FStrings;
    TAbortControl FAbort;
    std::vector<std::string> FEncoderOutput;
    TProgressContext FContext;
    TProgressMonitor FMonitor;
    TTwoPassLogDir FLogDir;

    bool FBatchOnly = false;
    std::string FBatchScriptFileName;
    std::unique_ptr<TBatchScript> FBatch;
    std::string FEncoderPath;
    std::string FOutDir; // as OutputFolderFor spells it; empty: beside the input
    std::vector<TFileIdentity> FInputs;
    int32_t FErrorCount = 0;
    bool FFinished = false;
    // The output of the file being converted once an encoder pass was started on it: the one the
    // delete-unfinished question may name.
    std::string FStartedOutput;
};

// The Abort command of the progress window: acts on the run going on, if any.
TAbortControl::TAbortResult AbortConversion();
