#include "support/power_off.h"

#include <cerrno>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace {

IPowerOff* installedPowerOff = nullptr;

// Runs the command found on the search path and waits for it; True when it exits with 0.
bool RunAndWait(const std::vector<std::string>& command)
{
    if (command.empty())
        return false;
    std::vector<char*> argv;
    for (const std::string& argument : command)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    pid_t child = 0;
    if (posix_spawnp(&child, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        return false;
    int status = 0;
    while (waitpid(child, &status, 0) < 0)
        if (errno != EINTR)
            return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace

TCommandPowerOff::TCommandPowerOff(std::vector<std::string> command) : command_(std::move(command)) {}

bool TCommandPowerOff::PowerOff()
{
    return RunAndWait(command_);
}

void SetPowerOff(IPowerOff* powerOff)
{
    installedPowerOff = powerOff;
}

bool PowerOffWindows()
{
    return installedPowerOff && installedPowerOff->PowerOff();
}
