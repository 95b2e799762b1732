#include "child_processes.h"

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

// "NAME=value" strings of this process's environment with the changes applied.
std::vector<std::string> ChildEnvironment(const EnvironmentChanges& changes)
{
    std::vector<std::string> entries;
    for (char** entry = environ; *entry; ++entry) {
        const std::string text = *entry;
        if (!changes.contains(text.substr(0, text.find('='))))
            entries.push_back(text);
    }
    for (const auto& [name, value] : changes)
        entries.push_back(name + "=" + value);
    return entries;
}

std::vector<char*> NullTerminated(std::vector<std::string>& texts)
{
    std::vector<char*> pointers;
    for (std::string& text : texts)
        pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

// Forks a child in a process group of its own with the given standard output and error, and runs the
// command there; the child's pid, or -1.
pid_t SpawnInOwnGroup(std::vector<std::string> argv, const EnvironmentChanges& changes, int outputFd,
                      int errorFd)
{
    std::vector<std::string> environment = ChildEnvironment(changes);
    std::vector<char*> args = NullTerminated(argv);
    std::vector<char*> envp = NullTerminated(environment);
    const int devNull = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::setpgid(0, 0);
        // A test program stopped from outside (a time-out of the test runner) takes its servers along.
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        ::dup2(devNull, STDIN_FILENO);
        ::dup2(outputFd, STDOUT_FILENO);
        ::dup2(errorFd, STDERR_FILENO);
        ::execvpe(args[0], args.data(), envp.data());
        ::_exit(127);
    }
    if (pid > 0)
        ::setpgid(pid, pid); // also here, so that the group exists before anyone signals it
    ::close(devNull);
    return pid;
}

int ExitStatusOf(int waitStatus)
{
    return WIFEXITED(waitStatus) ? WEXITSTATUS(waitStatus) : -1;
}

// Reads the pipe until it is closed, or a whole line has come when only one is wanted; false when the
// deadline passed first.
bool ReadUntil(int fd, Clock::time_point deadline, std::string& output, bool firstLineOnly)
{
    char buffer[4096];
    while (!firstLineOnly || output.find('\n') == std::string::npos) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0)
            return false;
        pollfd poller{fd, POLLIN, 0};
        if (::poll(&poller, 1, static_cast<int>(left.count())) <= 0)
            continue;
        const ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count <= 0)
            return true;
        output.append(buffer, static_cast<size_t>(count));
    }
    return true;
}

// The fields of /proc/<pid>/stat after the command name: state, parent, group, ...
std::vector<std::string> StatFields(pid_t pid)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string text;
    std::getline(in, text);
    const size_t nameEnd = text.rfind(')');
    std::vector<std::string> fields;
    if (nameEnd == std::string::npos)
        return fields;
    std::string field;
    for (char c : text.substr(nameEnd + 2) + " ") {
        if (c != ' ') {
            field += c;
        } else {
            fields.push_back(field);
            field.clear();
        }
    }
    return fields;
}

} // namespace

CommandResult RunCommand(const std::vector<std::string>& argv, const EnvironmentChanges& environment,
                         Seconds allowed)
{
    CommandResult result;
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0)
        return result;
    const int devNull = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    const pid_t pid = SpawnInOwnGroup(argv, environment, fds[1], devNull);
    ::close(fds[1]);
    ::close(devNull);
    if (pid < 0) {
        ::close(fds[0]);
        return result;
    }
    result.Finished = ReadUntil(fds[0], DeadlineAfter(allowed), result.Output, false);
    ::close(fds[0]);
    if (!result.Finished)
        ::kill(-pid, SIGKILL);
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (result.Finished)
        result.ExitStatus = ExitStatusOf(status);
    return result;
}

std::optional<std::string> ReadFirstLine(int fd, Seconds allowed)
{
    std::string text;
    if (!ReadUntil(fd, DeadlineAfter(allowed), text, true) || text.find('\n') == std::string::npos)
        return std::nullopt;
    return text.substr(0, text.find('\n'));
}

std::vector<pid_t> ChildProcesses(pid_t parent)
{
    std::vector<pid_t> children;
    for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
        const std::string name = entry.path().filename().string();
        if (name.find_first_not_of("0123456789") != std::string::npos)
            continue;
        const pid_t pid = static_cast<pid_t>(std::stol(name));
        const std::vector<std::string> fields = StatFields(pid);
        // A zombie has ended: it only waits to be reaped.
        if (fields.size() > 1 && fields[0] != "Z" && std::stol(fields[1]) == parent)
            children.push_back(pid);
    }
    return children;
}

std::string ProcessName(pid_t pid)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/comm");
    std::string name;
    std::getline(in, name);
    return name;
}

void KillProcessTree(pid_t root)
{
    // Stopped first, so that nothing starts more children while the tree is walked.
    ::kill(root, SIGSTOP);
    for (pid_t child : ChildProcesses(root))
        KillProcessTree(child);
    ::kill(-root, SIGKILL);
    ::kill(root, SIGKILL);
}

StartedProcess::StartedProcess(const std::vector<std::string>& argv, const EnvironmentChanges& environment,
                               const std::string& logFile)
{
    const int log = ::open(logFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (log < 0)
        return;
    FPid = SpawnInOwnGroup(argv, environment, log, log);
    ::close(log);
}

StartedProcess::~StartedProcess()
{
    Kill();
}

bool StartedProcess::Running()
{
    if (FPid < 0)
        return false;
    int status = 0;
    if (::waitpid(FPid, &status, WNOHANG) != FPid)
        return true;
    FHowItEnded = WIFEXITED(status) ? "exit status " + std::to_string(WEXITSTATUS(status))
                                    : "signal " + std::to_string(WTERMSIG(status));
    // The group may still hold what the process left behind.
    ::kill(-FPid, SIGKILL);
    FPid = -1;
    return false;
}

void StartedProcess::Kill()
{
    if (FPid < 0)
        return;
    KillProcessTree(FPid);
    ::waitpid(FPid, nullptr, 0);
    FPid = -1;
}
