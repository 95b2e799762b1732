#include "support/special_folders.h"

#include "support/shell_link.h"

#include "scratch_folder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>

namespace {

namespace fs = std::filesystem;

// A home folder of our own with an optional user-dirs.dirs under a separate configuration folder.
class UserFolders : public testing::Test
{
protected:
    void WriteUserDirs(const std::string& text) { home.Write("cfg/user-dirs.dirs", text); }

    static std::string ReadFile(const std::string& name)
    {
        std::ifstream in(name, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    ScratchFolder home;
    ScopedEnvironment homeVariable{"HOME", home.Path()};
    ScopedEnvironment configVariable{"XDG_CONFIG_HOME", home / "cfg"};
};

TEST_F(UserFolders, WithoutSettingsOnlyTheDesktopHasAFolder)
{
    EXPECT_EQ(GetDesktopDir(), home / "Desktop");
    EXPECT_EQ(GetSpecialFolderPath(0, "x"), home / "Desktop");
    EXPECT_EQ(GetSpecialFolderPath(5, "default"), "default");
    EXPECT_EQ(GetSpecialFolderPath(99, "default"), "default");
    EXPECT_EQ(GetShellFolderPath("desktop"), home / "Desktop");
    EXPECT_EQ(GetShellFolderPath("Favorites"), "");
}

TEST_F(UserFolders, SettingsFileNamesTheFolders)
{
    WriteUserDirs("# written by hand\n"
                  "XDG_DESKTOP_DIR=\"$HOME/Schreibtisch/\"\n"
                  "XDG_DOCUMENTS_DIR=\"/data/docs\"\n"
                  "  XDG_VIDEOS_DIR = \"$HOME/My \\\"Films\\\"\"\n"
                  "XDG_MUSIC_DIR=\"relative/music\"\n"
                  "XDG_PICTURES_DIR=\"$HOMEWORK\"\n");
    EXPECT_EQ(GetDesktopDir(), home / "Schreibtisch");
    EXPECT_EQ(GetSpecialFolderPath(5, ""), "/data/docs");
    EXPECT_EQ(GetShellFolderPath("Personal"), "/data/docs");
    EXPECT_EQ(GetSpecialFolderPath(14, ""), home / "My \"Films\"");
    EXPECT_EQ(GetSpecialFolderPath(13, "default"), "default");
    EXPECT_EQ(GetSpecialFolderPath(39, "default"), "default");
}

TEST_F(UserFolders, ConfigurationFolderDefaultsToDotConfig)
{
    ScopedEnvironment noConfig("XDG_CONFIG_HOME", std::nullopt);
    home.Write(".config/user-dirs.dirs", "XDG_DESKTOP_DIR=\"$HOME/Bureau\"\n");
    EXPECT_EQ(GetDesktopDir(), home / "Bureau");
}

TEST(TempDir, EndsWithTheDelimiter)
{
    const std::pair<std::optional<std::string>, std::string> cases[] = {
        {std::nullopt, "/tmp/"}, {"", "/tmp/"}, {"/var/tmp", "/var/tmp/"}, {"/scratch/", "/scratch/"}};
    for (const auto& [tmpdir, expected] : cases) {
        ScopedEnvironment variable("TMPDIR", tmpdir);
        EXPECT_EQ(GetTempDir("unused"), expected);
    }
}

TEST_F(UserFolders, ShellLinkIsALauncherInTheDesktopFolder)
{
    const std::string target = home.Write("prog dir/quillmark", "#!/bin/sh\n");
    EXPECT_FALSE(ShellFolderFileExists("Desktop", "Quillmark.desktop"));

    CreateShellLink(target, "Desktop", "Quillmark.desktop", "Quillmark 1.10  [64-bit]");

    EXPECT_TRUE(ShellFolderFileExists("Desktop", "Quillmark.desktop"));
    const std::string link = home / "Desktop/Quillmark.desktop";
    EXPECT_EQ(ReadFile(link), "[Desktop Entry]\n"
                              "Type=Application\n"
                              "Name=Quillmark\n"
                              "Comment=Quillmark 1.10  [64-bit]\n"
                              "Exec=\"" +
                                  target + "\"\n" + "Path=" + home.Path() + "/prog dir\n");
    EXPECT_EQ(fs::status(link).permissions(), fs::perms(0755));
}

TEST_F(UserFolders, ShellLinkQuotesAwkwardTargets)
{
    const std::string target = home.Write("odd/a\"b$c%d\\e`f", "");
    const fs::path oldCurrent = fs::current_path();
    fs::current_path(home / "odd"); // a relative target is written as an absolute one
    CreateShellLink("a\"b$c%d\\e`f", "Desktop", "odd.desktop", "");
    fs::current_path(oldCurrent);
    const std::string text = ReadFile(home / "Desktop/odd.desktop");
    // inside the quotes ", $, \ and ` are escaped and % doubled; then the value escape doubles backslashes
    EXPECT_NE(text.find("Exec=\"" + home.Path() + "/odd/a\\\\\"b\\\\$c%%d\\\\\\\\e\\\\`f\"\n"),
              std::string::npos)
        << text;
    EXPECT_EQ(text.find("Comment="), std::string::npos);
}

TEST_F(UserFolders, ShellLinkFailuresAreSwallowed)
{
    CreateShellLink("/bin/true", "NoSuchFolder", "x.desktop", "");
    home.Write("Desktop", "a file where the folder should be");
    CreateShellLink("/bin/true", "Desktop", "x.desktop", "");
    EXPECT_FALSE(ShellFolderFileExists("Desktop", "x.desktop"));
    EXPECT_FALSE(ShellFolderFileExists("NoSuchFolder", "x.desktop"));
}

} // namespace
