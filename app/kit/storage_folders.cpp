#include "app/kit/storage_folders.h"

#include "support/files.h"
#include "support/special_folders.h"

#include <filesystem>
#include <unistd.h>

namespace {

constexpr const char* ProgramFolderName = "quillmark";

// Whether this user may create files in the folder.
bool IsWritableFolder(const StorageEnvironment& environment, const std::string& folder)
{
    if (environment.CanWrite)
        return environment.CanWrite(folder);
    return !folder.empty() && access(folder.c_str(), W_OK | X_OK) == 0;
}

// The program's share folder when it is installed as <prefix>/bin/quillmark; empty otherwise.
std::string InstalledShareFolder(const std::string& programDir)
{
    constexpr std::string_view binSuffix = "/bin";
    if (!programDir.ends_with(binSuffix))
        return "";
    const std::string prefix = programDir.substr(0, programDir.size() - binSuffix.size());
    const std::string share = prefix + "/share/" + ProgramFolderName;
    return DirExists(share) ? share : "";
}

// Whether the settings and profiles go to the user's configuration folder. An installed program keeps
// them there even when its bin folder is writable (root's, or a prefix of the user's own): a folder
// shared by every program of the prefix is no place for one user's settings.
bool UsesUserConfigFolder(const StorageEnvironment& environment, const std::string& configFolder,
                          const std::string& iniFileName, bool installed)
{
    if (installed || FileExists(configFolder + "/" + iniFileName))
        return true;
    return !IsWritableFolder(environment, ProgramDir);
}

std::string FileNamePart(const std::string& path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

StorageEnvironment CurrentStorageEnvironment()
{
    StorageEnvironment environment;
    environment.ConfigHome = GetConfigHomeDir();
    return environment;
}

std::string UserConfigFolder(const StorageEnvironment& environment)
{
    return environment.ConfigHome.empty() ? "" : environment.ConfigHome + "/" + ProgramFolderName;
}

void PlaceStorageFolders(TAppParams& params, const StorageEnvironment& environment)
{
    const std::string share = InstalledShareFolder(ProgramDir);
    if (!share.empty()) {
        params.LangDir = share + "/lang";
        params.DataDir = share + "/data";
        params.FourccTagsFile = params.DataDir + "/" + FileNamePart(params.FourccTagsFile);
        params.ResolutionTxt = params.DataDir + "/" + FileNamePart(params.ResolutionTxt);
    }

    const std::string configFolder = UserConfigFolder(environment);
    if (configFolder.empty() ||
        !UsesUserConfigFolder(environment, configFolder, FileNamePart(params.IniName), !share.empty()))
        return;
    // Made now so that the settings can be written there at closing; a failure shows then.
    std::error_code ignored;
    std::filesystem::create_directories(configFolder, ignored);
    params.IniName = configFolder + "/" + FileNamePart(params.IniName);
    params.ProfilesDir = configFolder + "/profiles";
    params.LastProfileFile = params.ProfilesDir + "/" + FileNamePart(params.LastProfileFile);
    params.DirListFile = configFolder + "/" + FileNamePart(params.DirListFile);
    params.AudioBitratesTxt = configFolder + "/" + FileNamePart(params.AudioBitratesTxt);
}

void InitProgramFolders(TAppParams& params, const std::string& executablePath,
                        const StorageEnvironment& environment)
{
    InitAppParams(params, executablePath);
    PlaceStorageFolders(params, environment);
}
