#pragma once

#include "support/basic_types.h"

#include <cstdint>
#include <string>
#include <string_view>

// File names of the two external tools inside the tools folder.
inline constexpr char FFmpegFileName[] = "ffmpeg";
inline constexpr char MediaInfoLibraryFileName[] = "libmediainfo.so.0";

// How much media analysis runs when files are added to the file list.
enum TFileAnalysis : uint8_t
{
    faNone = 0,
    faQuick = 1,
    faFull = 2,
};

struct TFontParams
{
    std::string Name;
    int32_t Size = 0; // points
};

// The program's folders and files, status colours and options. One instance, AppParams, is filled at
// start and read by every window.
struct TAppParams
{
    bool DeleteIncomplete = false;
    bool OverwritePrompt = false;
    std::string LanguageIni;  // file name (without folder) of the chosen language file in LangDir
    std::string ffmpeg;       // full path of the encoder; empty when it was not found
    std::string MediaInfoDll; // full path of the MediaInfo library; empty when it was not found
    std::string ToolsDir;
    std::string LangDir;
    std::string DataDir;
    std::string DirListFile;
    std::string LastDir;
    std::string IniName; // the settings file
    std::string LnkShortName;
    std::string FourccTagsFile;
    std::string AudioBitratesTxt;
    std::string ResolutionTxt;
    std::string ProfilesDir;
    std::string LastProfileFile;
    std::string LogDir; // the run folder of the encoder's two-pass log files, set during a run
    TColor ColorProgressDark = 0;
    TColor ColorProgressLight = 0;
    TColor ColorOK = 0;
    TColor ColorError = 0;
    bool DragAcceptDirectories = false;
    bool OpenFileAfterIconClick = false;
    TFileAnalysis FileAnalysis = faNone;
    TFontParams MonospaceFont;
    bool ScrollProgressToBottom = false;
    bool KeepFileDates = false;
    bool EscExit = false;
};

extern TAppParams AppParams;

// The running executable's folder without a trailing "/" (empty when the executable sits in "/").
extern std::string ProgramDir;

// The AVI video codec chosen when nothing else says so: 0 = Xvid, 2 = H.264.
extern int32_t DefaultVideoCodecIndex;

// Full path of the running executable, from /proc/self/exe; empty when it cannot be read.
std::string GetExecutablePath();

// Sets ProgramDir from the running executable and fills the record with the program's default folders,
// files, colours and options.
void InitAppParams(TAppParams& params);

// The same for an executable at the given full path (tests place the program folder where they like).
void InitAppParams(TAppParams& params, const std::string& executablePath);
