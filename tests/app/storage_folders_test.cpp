#include "app/kit/storage_folders.h"
#include "support/scratch_folder.h"

#include <fstream>
#include <gtest/gtest.h>

namespace {

struct StorageCase
{
    const char* Name;
    const char* ProgramFolder; // below the temporary folder
    bool ProgramWritable;
    bool ConfigHoldsSettings; // the user's configuration folder has a settings file already
    bool Installed;           // <prefix>/share/quillmark exists
    bool ExpectUserConfig;    // settings and profiles in the user's configuration folder
    bool ExpectShare;         // language files and data lists from the share folder
};

const StorageCase StorageCases[] = {
    {"portable", "app", true, false, false, false, false},
    {"read-only program folder", "app", false, false, false, true, false},
    {"settings found in the configuration folder", "app", true, true, false, true, false},
    {"installed", "usr/bin", false, false, true, true, true},
    {"installed in a writable prefix", "usr/bin", true, false, true, true, true},
    {"bin folder without share", "usr/bin", true, false, false, false, false},
};

TEST(StorageFolders, DecideWhereSettingsProfilesAndDataLive)
{
    for (const StorageCase& c : StorageCases) {
        SCOPED_TRACE(c.Name);
        ScratchFolder temp;
        const std::string programDir = temp.MakeDir(c.ProgramFolder);
        const std::string configHome = temp.Path() + "/config";
        if (c.ConfigHoldsSettings)
            std::ofstream(temp.MakeDir("config/quillmark") + "/quillconv.ini") << "[MAIN]\n";
        if (c.Installed)
            temp.MakeDir("usr/share/quillmark");
        StorageEnvironment environment{
            configHome, [&](const std::string& folder) { return folder == programDir && c.ProgramWritable; }};

        TAppParams params;
        InitProgramFolders(params, programDir + "/quillmark", environment);

        const std::string writable = c.ExpectUserConfig ? configHome + "/quillmark" : programDir;
        EXPECT_EQ(params.IniName, writable + "/quillconv.ini");
        EXPECT_EQ(params.ProfilesDir, writable + "/profiles");
        EXPECT_EQ(params.LastProfileFile, writable + "/profiles/__Last.ini");
        const std::string data = c.ExpectShare ? temp.Path() + "/usr/share/quillmark" : programDir;
        EXPECT_EQ(params.LangDir, data + "/lang");
        EXPECT_EQ(params.DataDir, data + "/data");
        EXPECT_EQ(params.ResolutionTxt, data + "/data/resolutions.txt");
        if (c.ExpectUserConfig) {
            EXPECT_TRUE(std::filesystem::is_directory(configHome + "/quillmark")) << "made for the settings";
        }
    }
}

} // namespace
