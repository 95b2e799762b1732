#include "app/text_windows/command_line_preview.h"

#include "engine/app_params.h"
#include "engine/encoder_command.h"
#include "engine/ffmpeg_report_analysis.h"
#include "engine/media_info_records.h"
#include "engine/run_host.h"
#include "engine/tool_discovery.h"

namespace {

// The run's pause after the analysis of a file.
constexpr int PreviewAnalysisPauseMs = 150;

} // namespace

std::string BuildCommandLinePreview(IRunHost& host, const std::optional<std::string>& inputFile,
                                    const EncoderSettings& settings, TBuilderEnvironment environment)
{
    const std::string encoderPath = GetFFmpegExePath(AppParams);
    TVideoFileInfo media;
    ClearVideoFileInfo(media);
    if (inputFile) {
        media = GetFFmpegFileInfo(*inputFile, encoderPath);
        PauseWithMessages(host, PreviewAnalysisPauseMs, {});
    }
    if (!environment.ShowWarning)
        environment.ShowWarning = [&host](const std::string& text) { host.ShowWarning(text); };
    const TEncoderCommand command = BuildEncoderCommand(encoderPath, settings, media,
                                                        inputFile.value_or(std::string(InputFilePlaceholder)),
                                                        std::string(OutputFilePlaceholder), environment);
    return command.DisplayText();
}
