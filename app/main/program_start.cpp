#include "app/main/program_start.h"

#include "app/kit/program_constants.h"
#include "app/kit/storage_folders.h"
#include "app/main/secondary_windows.h"
#include "engine/app_params.h"
#include "platform/gui/forms/application.h"

#include <string>

TFormMain& StartProgram(int& argc, char** argv)
{
    TApplicationIdentity identity;
    identity.DisplayName = std::string(ProgramDisplayName);
    identity.DesktopFileName = std::string(ProgramDesktopFileName);
    identity.IconResource = "MAINICON";
    Application->Initialize(argc, argv, identity);

    TMainStartup startup;
    startup.ExecutablePath = GetExecutablePath();
    startup.Storage = CurrentStorageEnvironment();
    for (int i = 1; i < argc; ++i)
        startup.Arguments.emplace_back(argv[i]);

    auto* formMain = new TFormMain(Application, startup);
    Application->SetMainForm(formMain);
    CreateSecondaryWindows(*formMain);
    return *formMain;
}
