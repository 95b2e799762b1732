#include "engine/progress_markup.h"

#include "engine/run_host.h"

namespace {

// Blanks, two colons, blanks: between the parts of the status line.
constexpr std::string_view Separator = "    ::    ";

struct TFolderAndName
{
    std::string Folder; // without a trailing "/" (the root stays "/")
    std::string Name;
};

TFolderAndName SplitFileName(const std::string& fileName)
{
    const size_t slash = fileName.rfind('/');
    if (slash == std::string::npos)
        return {"", fileName};
    return {slash == 0 ? "/" : fileName.substr(0, slash), fileName.substr(slash + 1)};
}

std::string WithTrailingSlash(const std::string& folder)
{
    return folder.empty() || folder.back() == '/' ? folder : folder + "/";
}

std::string PassBadge(int32_t pass, const TProgressModuleStrings& strings)
{
    const std::string_view colors =
        pass == 1 ? "\"#D63D16\" color=\"#FAD3C9\"" : "\"#2462C8\" color=\"#D5EBFD\"";
    return "  <font bgcolor=" + std::string(colors) + "><b>  " + EscapeMarkup(strings.Conversion_Pass) + " " +
           std::to_string(pass) + "  </b></font> ";
}

} // namespace

std::string OutputFileMarkup(const std::string& outputFile)
{
    const TFolderAndName parts = SplitFileName(outputFile);
    return "<b><font bgcolor=\"#696969\" color=\"#FFFFFF\"> " + EscapeMarkup(parts.Folder) + " </font> " +
           EscapeMarkup(parts.Name) + "</b>";
}

std::string SkippedOutputMarkup(const std::string& outputFile)
{
    const TFolderAndName parts = SplitFileName(outputFile);
    return "<font bgcolor=\"#C0C0C0\">" + EscapeMarkup(WithTrailingSlash(parts.Folder)) + "</font><b>" +
           EscapeMarkup(parts.Name) + "</b>";
}

// The language texts stand in the markup as they are written.
std::string ProgressStatusText(const TEncoderProgress& progress, const TProgressContext& context,
                               const TProgressModuleStrings& strings)
{
    const std::string fileNo = std::to_string(context.FileNo);
    const std::string fileCount = std::to_string(context.FileCount);
    const std::string convertingFile = EscapeMarkup(strings.ConvertingFile);
    if (context.AudioOnly)
        return convertingFile + " " + fileNo + " / " + fileCount;

    std::string text = convertingFile + " <b>" + fileNo + "</b> / <b>" + fileCount + "</b>";
    const bool twoPass = context.TwoPass;
    if (twoPass)
        text += PassBadge(context.Pass, strings);
    const std::string fps =
        EscapeMarkup(progress.FpsText) + " " + EscapeMarkup(strings.Conversion_FramesPerSecond);
    text += std::string(Separator) + EscapeMarkup(strings.Conversion_Speed) + " " + progress.SpeedText;
    text += twoPass ? " (" + fps + ")" : " ( " + fps + " )";
    text += std::string(Separator) + EscapeMarkup(strings.Conversion_Frame) + " " +
            std::to_string(progress.Frame) + " / ~" + std::to_string(context.TotalFrames);
    text += std::string(Separator) + progress.SizeText;
    return text;
}

std::string ProgressCaption(int32_t percent, const TProgressModuleStrings& strings)
{
    return strings.lblProgress + " " + std::to_string(percent) + "%";
}

std::string ProgressTitle(int32_t percent, const TProgressContext& context)
{
    return "(" + std::to_string(context.FileNo) + "/" + std::to_string(context.FileCount) + ") " +
           std::to_string(percent) + " % - " + std::string(AppName);
}
