// The program's entry: the application, the nine windows in their order (the main window first, so that
// everything it sets up exists before the others), the message loop.

#include "app/kit/program_constants.h"
#include "app/kit/storage_folders.h"
#include "app/main/secondary_windows.h"
#include "engine/app_params.h"
#include "platform/gui/forms/application.h"
#include "support/power_off.h"

#include <string>
#include <vector>

int main(int argc, char** argv)
{
    TApplicationIdentity identity;
    identity.DisplayName = std::string(ProgramDisplayName);
    identity.DesktopFileName = std::string(ProgramDesktopFileName);
    identity.IconResource = "MAINICON";
    Application->Initialize(argc, argv, identity);

    // The real switch-off is installed here only: a normal request the system may refuse, never forced.
    TCommandPowerOff powerOff;
    SetPowerOff(&powerOff);

    TMainStartup startup;
    startup.ExecutablePath = GetExecutablePath();
    startup.Storage = CurrentStorageEnvironment();
    for (int i = 1; i < argc; ++i)
        startup.Arguments.emplace_back(argv[i]);

    auto* formMain = new TFormMain(Application, startup);
    Application->SetMainForm(formMain);
    CreateSecondaryWindows(*formMain);

    Application->Run();
    SetPowerOff(nullptr);
    return 0;
}
