// The program's entry: the application, the nine windows in their order (the main window first, so that
// everything it sets up exists before the others), the message loop.

#include "app/main/program_start.h"
#include "platform/gui/forms/application.h"
#include "support/power_off.h"

int main(int argc, char** argv)
{
    // The real switch-off is installed here only: a normal request the system may refuse, never forced.
    TCommandPowerOff powerOff;
    SetPowerOff(&powerOff);

    StartProgram(argc, argv);
    Application->Run();
    SetPowerOff(nullptr);
    return 0;
}
