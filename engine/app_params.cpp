#include "engine/app_params.h"

#include "support/text_routines.h"

#include <climits>
#include <unistd.h>

TAppParams AppParams;
std::string ProgramDir;
int32_t DefaultVideoCodecIndex = 0;

namespace {

std::string FolderOfFile(const std::string& fileName)
{
    const size_t slash = fileName.rfind('/');
    if (slash == std::string::npos)
        return "";
    return fileName.substr(0, slash);
}

} // namespace

std::string GetExecutablePath()
{
    char buffer[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer);
    if (length <= 0 || static_cast<size_t>(length) >= sizeof buffer)
        return "";
    return std::string(buffer, static_cast<size_t>(length));
}

void InitAppParams(TAppParams& params)
{
    InitAppParams(params, GetExecutablePath());
}

void InitAppParams(TAppParams& params, const std::string& executablePath)
{
    ProgramDir = ExcludeTrailingDotAndDelimiter(FolderOfFile(executablePath));

    params = TAppParams();
    params.ToolsDir = ProgramDir + "/tools";
    params.LangDir = ProgramDir + "/lang";
    params.DataDir = ProgramDir + "/data";
    params.ffmpeg = params.ToolsDir + "/" + FFmpegFileName;
    params.MediaInfoDll = params.ToolsDir + "/" + MediaInfoLibraryFileName;
    params.DirListFile = ProgramDir + "/directories.txt";
    params.LastDir = ProgramDir;
    params.LanguageIni.clear();
    params.OverwritePrompt = true;
    params.IniName = ProgramDir + "/quillconv.ini";
    params.FourccTagsFile = params.DataDir + "/fourcc_video_tags.txt";
    params.AudioBitratesTxt = params.DataDir + "/audio_bitrates.txt";
    params.ResolutionTxt = params.DataDir + "/resolutions.txt";
    params.ProfilesDir = ProgramDir + "/profiles";
    params.LastProfileFile = params.ProfilesDir + "/__Last.ini";
    params.ColorProgressDark = 0x683F2D;
    params.ColorProgressLight = 0xFF0000;
    params.ColorOK = 0xE06C1F;
    params.ColorError = 0x1D35E2;
    params.DragAcceptDirectories = true;
    params.OpenFileAfterIconClick = true;
    params.FileAnalysis = faFull;
}
