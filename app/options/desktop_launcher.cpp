#include "app/options/desktop_launcher.h"

#include "support/shell_link.h"
#include "support/special_folders.h"

namespace {

const char* const DesktopFolderName = "Desktop";

} // namespace

TDesktopLauncher CreateDesktopLauncher(const std::string& programFile, const std::string& launcherName,
                                       const std::string& description)
{
    const std::string folder = GetShellFolderPath(DesktopFolderName);
    TDesktopLauncher launcher;
    launcher.FileName = folder.empty() ? launcherName : folder + "/" + launcherName;
    if (ShellFolderFileExists(DesktopFolderName, launcherName)) {
        launcher.Result = TLauncherResult::Exists;
        return launcher;
    }
    CreateShellLink(programFile, DesktopFolderName, launcherName, description);
    launcher.Result = ShellFolderFileExists(DesktopFolderName, launcherName) ? TLauncherResult::Created
                                                                             : TLauncherResult::Failed;
    return launcher;
}
