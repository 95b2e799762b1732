#pragma once

#include <chrono>
#include <map>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

// Commands the desktop tests start: short tools whose output they read, and long-lived servers and
// programs they stop again. Every child gets an argument vector (never a shell) and a process group of its
// own, so that stopping it also stops what it started in that group.

using Seconds = std::chrono::duration<double>;

inline std::chrono::steady_clock::time_point DeadlineAfter(Seconds allowed)
{
    return std::chrono::steady_clock::now() +
           std::chrono::duration_cast<std::chrono::steady_clock::duration>(allowed);
}

// Variables set for a child on top of this process's environment.
using EnvironmentChanges = std::map<std::string, std::string>;

struct CommandResult
{
    bool Finished = false; // false: the command was still running at the deadline and was killed
    int ExitStatus = -1;   // the exit code when it exited normally, else -1
    std::string Output;    // what it wrote on its standard output
};

// Runs the command to its end, or kills it once it has run for the time allowed.
CommandResult RunCommand(const std::vector<std::string>& argv, const EnvironmentChanges& environment = {},
                         Seconds allowed = Seconds(30));

// The first line the pipe brings, without its end; nullopt when none came in the time allowed.
std::optional<std::string> ReadFirstLine(int fd, Seconds allowed);

// The pids of the running processes whose parent is the given process.
std::vector<pid_t> ChildProcesses(pid_t parent);

// The command name of a running process ("ffmpeg"); empty when it has ended.
std::string ProcessName(pid_t pid);

// A long-lived child in its own process group, with its standard output and error in a log file. The
// destructor kills the group and every process the child started in groups of their own.
class StartedProcess
{
public:
    // Starts the command; a failure to start shows as a pid of -1.
    StartedProcess(const std::vector<std::string>& argv, const EnvironmentChanges& environment,
                   const std::string& logFile);
    ~StartedProcess();
    StartedProcess(const StartedProcess&) = delete;
    StartedProcess& operator=(const StartedProcess&) = delete;

    pid_t Pid() const { return FPid; }
    // Whether the process has not ended yet (an ended one is reaped here).
    bool Running();
    // Kills the process, its group and its descendants, and reaps it.
    void Kill();
    // How the process ended ("exit status 0", "signal 11"), once Running() has seen it end; else empty.
    const std::string& HowItEnded() const { return FHowItEnded; }

private:
    pid_t FPid = -1; // the child, also its process group; -1 once reaped or when it never started
    std::string FHowItEnded;
};

// Kills every descendant of the process and its process group (SIGKILL); the process itself too.
void KillProcessTree(pid_t root);
