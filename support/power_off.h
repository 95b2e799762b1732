#pragma once

#include <string>
#include <vector>

// Switching the computer off at the end of a run. The program installs the system's implementation at
// start-up; until something is installed, PowerOffWindows does nothing and reports False, so that no test
// or tool can switch a machine off by accident.

class IPowerOff
{
public:
    virtual ~IPowerOff() = default;
    // Asks the system to power off; True when the request was accepted.
    virtual bool PowerOff() = 0;
};

// Powers off by running a command (by default "systemctl poweroff") without a shell and waiting for it;
// the request counts as accepted when the command exits with 0.
class TCommandPowerOff : public IPowerOff
{
public:
    explicit TCommandPowerOff(std::vector<std::string> command = {"systemctl", "poweroff"});
    bool PowerOff() override;

private:
    std::vector<std::string> command_;
};

// Installs the program-wide implementation (nullptr removes it); the caller keeps it alive while installed.
void SetPowerOff(IPowerOff* powerOff);

bool PowerOffWindows();
