#include "engine/conversion_run.h"

#include "engine/app_params.h"
#include "engine/console_runner.h"
#include "engine/error_records.h"
#include "engine/ffmpeg_report_analysis.h"
#include "engine/media_info_records.h"
#include "engine/prepare_lang_str.h"
#include "engine/run_state.h"
#include "engine/tool_discovery.h"
#include "support/files.h"
#include "support/system_colors.h"

#include <filesystem>

namespace {

TConversionRun* RunningConversion = nullptr;

// Pauses at the start of every file and after its analysis, as the windows expect them.
constexpr int FileStartPauseMs = 150;
constexpr int AfterAnalysisPauseMs = 150;

std::string JoinLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += (text.empty() ? "" : "\n") + line;
    return text;
}

std::string AbsoluteFileName(const std::string& fileName)
{
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(fileName, error);
    return error ? fileName : absolute.string();
}

bool IsEmptyFile(const std::string& fileName)
{
    return FileExists(fileName) && GetFileSizeWithFallback(fileName) == 0;
}

} // namespace

struct TConversionRun::TFileRun
{
    int32_t Row = 0;
    std::string Input;
    std::string Output;
    std::string ResultStatus;
    int ExitCode = 0;
    bool Failed = false;        // an error record was written for the file
    bool PassStarted = false;   // the encoder was started for it
    bool OutputWritten = false; // a pass created or wrote the output
    // The file the output's name led to when it was chosen: claimed for it (OutputClaimed) or to be
    // written over.
    std::optional<TFileIdentity> OutputFile;
    bool OutputClaimed = false;
    std::string LastPassText;
    TFileDates Dates;
    bool DatesRead = false;
};

TConversionRun::TConversionRun(IRunHost& host, IFileList& files, const EncoderSettings& settings,
                               const RunOptions& options, TBuilderEnvironment environment)
    : FHost(host), FFiles(files), FSettings(settings), FOptions(options),
      FEnvironment(std::move(environment)), FStrings(AppStrings ? *AppStrings : TAppStrings()), FAbort(host),
      FMonitor(host, FAbort, FEncoderOutput, FContext, FStrings)
{
    if (!FEnvironment.ShowWarning)
        FEnvironment.ShowWarning = [this](const std::string& text) { FHost.ShowWarning(text); };
}

TConversionRun::~TConversionRun()
{
    if (RunningConversion == this)
        RunningConversion = nullptr;
}

TAbortControl::TAbortResult AbortConversion()
{
    return RunningConversion ? RunningConversion->AbortControl().actAbortExecute()
                             : TAbortControl::arNotRunning;
}

void TConversionRun::Execute()
{
    RunningConversion = this;
    FFinished = false;
    try {
        bool completed = StartRun();
        int32_t fileNo = 0;
        for (int32_t row = 0; completed && row < FFiles.RowCount() && !IsAborting(); ++row) {
            if (FFiles.IsChecked(row))
                completed = ConvertRow(row, ++fileNo);
        }
        if (completed)
            EndRun();
        else
            FinishConversion(); // an early end
    } catch (...) {
        FinishConversion();
        RunningConversion = nullptr;
        throw;
    }
    RunningConversion = nullptr;
}

bool TConversionRun::IsAborting() const
{
    return AbortRequested || AbortTimeoutElapsed;
}

void TConversionRun::Pause(int ms)
{
    PauseWithMessages(FHost, ms, [this] { FAbort.CheckTimer(); });
}

bool TConversionRun::StartRun()
{
    AbortTimeoutElapsed = false;
    AbortRequested = false;
    AudioOnlyOutput = false;
    TwoPassRun = false;
    ConversionRunning = true;
    FBatchOnly = BatchOnlyMode;
    FBatchScriptFileName = BatchScriptFileName;

    ClearErrorLog(FHost.ErrorLog());
    FErrorCount = 0;
    AppParams.KeepFileDates = FOptions.KeepDates;
    FHost.SetErrorWindowCaption(FStrings.Errors.Caption);
    FHost.DisableAll();

    FEncoderPath = GetFFmpegExePath(AppParams);
    if (!FileExists(FEncoderPath)) {
        FHost.ShowWarning(PrepareLangStr(FStrings.Main.FFmpegNotExists, "Quillmark.zip", AppName));
        return false;
    }
    FBatch = std::make_unique<TBatchScript>(FEncoderPath);
    FHost.SetProgressPosition(0);
    FHost.SetAbortCaption(FStrings.Main.Abort);

    CheckedCount = GetCheckedCount(FFiles);
    FContext = {};
    FContext.FileCount = CheckedCount;
    if (CheckedCount == 0)
        return false;

    // One spelling of the output folder for its creation, the outputs' names and every text; a relative
    // folder counts from the program's folder, whatever the current folder is.
    FOutDir = FOptions.OutDirIsInDir ? "" : OutputFolderFor(FOptions.OutDir, ProgramDir);
    FInputs.clear();
    for (int32_t row = 0; row < FFiles.RowCount(); ++row) {
        if (!FFiles.IsChecked(row))
            continue;
        if (const auto identity = GetFileIdentity(AbsoluteFileName(FFiles.FullFileName(row))))
            FInputs.push_back(*identity);
    }

    if (!FBatchOnly)
        FHost.ShowProgressWindow();
    const bool videoDropped =
        FSettings.OutputFormat == ofMpg ? FSettings.Mpg.DontCopy : FSettings.Avi.DontCopy;
    AudioOnlyOutput = videoDropped && !FSettings.Audio.DontCopy;
    FHost.SetProgressBarVisible(!AudioOnlyOutput);
    FContext.AudioOnly = AudioOnlyOutput;
    FContext.Running = true;
    return true;
}

bool TConversionRun::ConvertRow(int32_t row, int32_t fileNo)
{
    Pause(FileStartPauseMs);
    CurrentFileNo = fileNo;
    FContext.FileNo = fileNo;
    FStartedOutput.clear();

    TFileRun file;
    file.Row = row;
    file.Input = AbsoluteFileName(FFiles.FullFileName(row));
    FHost.SetInputFileText(file.Input);
    FHost.SetStatusColor(clWindowText);
    if (!FOptions.OutDirIsInDir) {
        std::error_code error;
        std::filesystem::create_directories(FOutDir, error);
        if (FOutDir.empty() || !DirExists(FOutDir)) {
            FHost.ShowWarning(PrepareLangStr(FStrings.Main.CantCreateDirectory, FOutDir));
            return false;
        }
    }
    file.Output = OutputNameFor(file.Input, FOutDir, FSettings.OutputFormat);
    if (!FBatchOnly)
        FFiles.SetStatus(row, FStrings.Main.Converting);
    file.ResultStatus = FStrings.Main.Done;
    if (!ChooseRowOutput(file))
        return true; // skipped, or no name left

    FHost.SetProgressPosition(0);
    FHost.SetOutputFileMarkup(OutputFileMarkup(file.Output));
    FEncoderOutput.clear();
    FMonitor.ResetOutput();
    FHost.ShowMemoText("");
    FHost.SetStatusMarkup(FStrings.Main.PleaseWait);
    FHost.ProcessMessages();

    try {
        AnalyseInput(file);
        const TEncoderCommand command = BuildEncoderCommand(FEncoderPath, FSettings, CurrentFileInfo,
                                                            file.Input, file.Output, FEnvironment);
        if (command.Refused) {
            RemoveEmptyOutput(file);
            return false; // the builder has shown its warning
        }
        FBatch->AddFile(fileNo, command);
        TwoPassRun = command.IsTwoPass();
        FContext.TwoPass = TwoPassRun;
        if (!FBatchOnly)
            RunPasses(file, command);
    } catch (...) {
        RemoveEmptyOutput(file);
        throw;
    }
    FinishFile(file);
    return true;
}

bool TConversionRun::ChooseRowOutput(TFileRun& file)
{
    // A script writes its outputs later, when it runs: nothing is claimed for it now.
    const TOutputChoice choice = ChooseOutput(file.Output, FOptions.OutputExists, FInputs, !FBatchOnly);
    file.Output = choice.FileName;
    file.OutputFile = choice.File;
    file.OutputClaimed = choice.Claimed;
    switch (choice.Decision) {
    case odNew:
        return true;
    case odRenamed:
        file.ResultStatus = FStrings.Main.OK_Renamed;
        return true;
    case odOverwritten:
        file.ResultStatus = FStrings.Main.OK_Overwritten;
        return true;
    case odNoFreeName:
        RecordFailure(file, "No free output file name: every counter is taken", "");
        file.ResultStatus = FStrings.Main.Error;
        FHost.SetStatusColor(AppParams.ColorError);
        break;
    case odSkipped:
        file.ResultStatus = FStrings.Main.Skipped;
        FHost.SetOutputFileMarkup(SkippedOutputMarkup(file.Output));
        break;
    }
    if (!FBatchOnly)
        FFiles.SetStatus(file.Row, file.ResultStatus);
    FHost.SetStatusMarkup(EscapeMarkup(file.ResultStatus));
    return false;
}

void TConversionRun::AnalyseInput(const TFileRun& file)
{
    ClearVideoFileInfo(CurrentFileInfo);
    CurrentFileInfo = GetFFmpegFileInfo(file.Input, FEncoderPath);
    Pause(AfterAnalysisPauseMs);
    FContext.TotalFrames = CurrentFileInfo.VideoStreams[0].Frames;
}

void TConversionRun::RunPasses(TFileRun& file, const TEncoderCommand& command)
{
    if (!command.IsTwoPass()) {
        CurrentPass = 0;
        FContext.Pass = 0;
        if (!RunPass(file, command, command.Passes.front(), "")) {
            file.ResultStatus = FStrings.Main.Error + " (" + std::to_string(file.ExitCode) + ")";
            if (AppParams.ScrollProgressToBottom)
                FHost.ScrollMemoToBottom();
        }
        return;
    }

    std::string errorText;
    const std::string logDir = FLogDir.Get(errorText);
    if (logDir.empty()) {
        RecordFailure(file, errorText, "");
        file.ResultStatus = FStrings.Main.Error;
        return;
    }
    AppParams.LogDir = logDir;
    for (const TEncoderPass& pass : command.Passes) {
        CurrentPass = pass.PassNo;
        FContext.Pass = pass.PassNo;
        if (IsAborting())
            return;
        if (!RunPass(file, command, pass, logDir)) {
            file.ResultStatus = FStrings.Main.Error + (pass.PassNo == 2 ? " = " : " (") +
                                std::to_string(file.ExitCode) + (pass.PassNo == 2 ? "" : ")");
            return;
        }
    }
}

bool TConversionRun::RunPass(TFileRun& file, const TEncoderCommand& command, const TEncoderPass& pass,
                             const std::string& workDir)
{
    FEncoderOutput.clear();
    FMonitor.ResetOutput();
    if (AppParams.KeepFileDates)
        file.DatesRead = ReadFileDates(file.Input, file.Dates);
    if (IsAborting())
        return true;

    const TFileStamp before = TakeFileStamp(file.Output);
    FStartedOutput = file.Output;
    file.PassStarted = true;
    file.LastPassText = command.PassText(pass);
    FAbort.BeginEncoderRun();
    file.ExitCode =
        RunConsoleApp(FEncoderPath, pass.Arguments, &FEncoderOutput, &FMonitor.Observer(), workDir);
    file.OutputWritten = file.OutputWritten || TakeFileStamp(file.Output) != before;
    if (file.ExitCode == 0)
        return true;
    RecordFailure(file, "ExitCode: " + std::to_string(static_cast<uint32_t>(file.ExitCode)),
                  file.LastPassText);
    return false;
}

void TConversionRun::RecordFailure(TFileRun& file, const std::string& headline, const std::string& params)
{
    ErrorCount = ++FErrorCount;
    file.Failed = true;
    FMonitor.ShowOutput();
    const std::string output = JoinLines(FEncoderOutput);
    AddErrorRecord(FHost.ErrorLog(), output.empty() ? headline : headline + "\n" + output, file.Input,
                   file.Output, FErrorCount, params);
    if (OwnsOutput(file))
        DeleteFileForce(file.Output);
}

bool TConversionRun::OwnsOutput(const TFileRun& file) const
{
    if (!file.OutputFile)
        return file.OutputWritten; // the name could not be claimed: what this run's encoder made of it
    // Under the name now may be another program's file.
    if (GetFileIdentity(file.Output) != file.OutputFile)
        return false;
    // A file to be written over goes only once this run's encoder wrote to it.
    return file.OutputClaimed || file.OutputWritten;
}

void TConversionRun::RemoveEmptyOutput(const TFileRun& file)
{
    if (OwnsOutput(file) && IsEmptyFile(file.Output))
        DeleteFileForce(file.Output);
}

void TConversionRun::FinishFile(TFileRun& file)
{
    const bool aborting = IsAborting();
    if (!aborting && file.PassStarted && !file.Failed && IsEmptyFile(file.Output)) {
        RecordFailure(file, "Empty output: the encoder ended without error but wrote nothing",
                      file.LastPassText);
        file.ResultStatus = FStrings.Main.Error + " (empty output)";
    }
    if (aborting)
        file.ResultStatus = FStrings.Main.Aborted;
    else
        FHost.SetProgressPosition(100);
    const bool succeeded = !aborting && !file.Failed;
    FHost.SetStatusColor(succeeded ? AppParams.ColorOK : AppParams.ColorError);
    FHost.SetStatusMarkup("<b>" + EscapeMarkup(file.ResultStatus) + "</b>");
    if (!FBatchOnly)
        FFiles.SetStatus(file.Row, file.ResultStatus);
    RemoveEmptyOutput(file);
    if (AppParams.KeepFileDates && file.DatesRead && file.OutputWritten && !file.Failed &&
        FileExists(file.Output))
        SetFileTimes(file.Output, file.Dates);
}

void TConversionRun::EndRun()
{
    // The flags as the run saw them: the clean-up clears them.
    const bool abortWasRequested = IsAborting();
    const bool abortTimeoutElapsed = AbortTimeoutElapsed;
    FBatch->Finish();
    if (FBatchOnly) {
        std::string errorText;
        if (!FBatch->SaveToFile(FBatchScriptFileName, errorText))
            FHost.ShowError(errorText);
    }
    FHost.SetAbortCaption(FStrings.Main.Close);
    FinishConversion();
    if (FErrorCount > 0) {
        if (!abortTimeoutElapsed)
            FHost.ShowErrorWindow();
        FHost.SetErrorWindowCaption(FStrings.Main.Errors + " (" + std::to_string(FErrorCount) + ")");
    }
    if (!FBatchOnly && CheckedCount > 0 && !abortWasRequested && FErrorCount == 0)
        AfterConversion();
}

void TConversionRun::AfterConversion()
{
    if (FOptions.AfterConversion == acCloseProgram) {
        FHost.CloseMainWindow();
    } else if (FOptions.AfterConversion == acShutDown) {
        FHost.PowerOff();
        FHost.CloseMainWindow();
    }
}

void TConversionRun::FinishConversion()
{
    if (FFinished)
        return;
    FFinished = true;
    FMonitor.ShowOutput();
    if (AppParams.ScrollProgressToBottom)
        FHost.ScrollMemoToBottom();
    FBatch.reset();
    ConversionRunning = false;
    FContext.Running = false;
    FHost.EnableAll();
    FLogDir.ClearLogs();
    FHost.SetApplicationTitle(std::string(AppTitle));
    FHost.SetProgressCaption(FStrings.Progress.Caption);
    if (IsAborting())
        AskToDeleteUnfinished();
    FAbort.EndRun();
    FHost.ConversionFinished();
}

void TConversionRun::AskToDeleteUnfinished()
{
    // Only an output the encoder was started on in this run, and only while it is there.
    if (FStartedOutput.empty() || !FileExists(FStartedOutput))
        return;
    if (FHost.AskYesNo(PrepareLangStr(FStrings.Main.DeleteUnfinished, FStartedOutput)) &&
        !DeleteFileForce(FStartedOutput))
        FHost.ShowError(PrepareLangStr(FStrings.Main.CannotDeleteFile, FStartedOutput));
}
