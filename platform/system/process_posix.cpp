#include "platform/system/process.h"

#include "platform/system/os_error.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <mutex>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

// Why the child could not become the program; sent back through a close-on-exec pipe.
enum class TStartStage : int
{
    StandardHandles,
    WorkDir,
    Exec
};

struct TStartFailure
{
    TStartStage Stage;
    int Error;
};

void CloseFd(int& fd)
{
    if (fd >= 0) {
        ::close(fd);
        fd = -1;
    }
}

// A pipe whose ends are close-on-exec and above the standard descriptors, so that placing them on 0, 1 and
// 2 in the child never meets an end that already sits there.
void MakePipe(int ends[2])
{
    if (::pipe2(ends, O_CLOEXEC) != 0) {
        RaiseLastOSError("Cannot create a pipe");
    }
    for (int i = 0; i < 2; ++i) {
        if (ends[i] < 3) {
            const int moved = ::fcntl(ends[i], F_DUPFD_CLOEXEC, 3);
            ::close(ends[i]);
            ends[i] = moved;
        }
    }
    if (ends[0] < 0 || ends[1] < 0) {
        const int error = errno;
        CloseFd(ends[0]);
        CloseFd(ends[1]);
        throw EOSError("Cannot create a pipe", error);
    }
}

void IgnoreSigpipeOnce()
{
    static std::once_flag once;
    std::call_once(once, [] { ::signal(SIGPIPE, SIG_IGN); });
}

bool IsExecutableFile(const std::string& path)
{
    struct stat info;
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

std::string ResolveProgram(const std::string& program)
{
    if (program.find('/') != std::string::npos) {
        if (program.front() == '/') {
            return program;
        }
        char* cwd = ::getcwd(nullptr, 0);
        const std::string absolute = cwd ? std::string(cwd) + "/" + program : program;
        std::free(cwd);
        return absolute;
    }
    const char* path = std::getenv("PATH");
    const std::string_view folders = path ? path : "/usr/local/bin:/usr/bin:/bin";
    size_t start = 0;
    while (start <= folders.size() && !program.empty()) {
        const size_t end = std::min(folders.find(':', start), folders.size());
        const std::string_view folder = folders.substr(start, end - start);
        if (folder.starts_with('/') && IsExecutableFile(std::string(folder) + "/" + program)) {
            return std::string(folder) + "/" + program;
        }
        start = end + 1;
    }
    throw EOSError("Cannot start \"" + program + "\"", ENOENT);
}

// Runs in the child between fork and exec: only async-signal-safe calls.
[[noreturn]] void BecomeProgram(const char* path, char* const* argv, const char* workDir, int parentPid,
                                int input, int output, int failurePipe)
{
    const auto fail = [&](TStartStage stage) {
        const TStartFailure failure{stage, errno};
        [[maybe_unused]] const ssize_t written = ::write(failurePipe, &failure, sizeof failure);
        ::_exit(127);
    };
    ::setpgid(0, 0);
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (::getppid() != parentPid) {
        ::_exit(127); // the parent died before the death signal was armed
    }
    // On the wrong handles the program would read our input and write into our own output.
    if (::dup2(input, STDIN_FILENO) < 0 || ::dup2(output, STDOUT_FILENO) < 0 ||
        ::dup2(output, STDERR_FILENO) < 0) {
        fail(TStartStage::StandardHandles);
    }
    if (*workDir && ::chdir(workDir) != 0) {
        fail(TStartStage::WorkDir);
    }
    struct sigaction defaultAction = {};
    defaultAction.sa_handler = SIG_DFL;
    for (int signal = 1; signal < NSIG; ++signal) {
        struct sigaction current;
        if (::sigaction(signal, nullptr, &current) == 0 && current.sa_handler != SIG_DFL &&
            (current.sa_handler != SIG_IGN || signal == SIGPIPE)) {
            ::sigaction(signal, &defaultAction, nullptr);
        }
    }
    sigset_t none;
    sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    ::close_range(3, ~0U, CLOSE_RANGE_CLOEXEC); // descriptors others opened without close-on-exec
    ::execve(path, argv, environ);
    fail(TStartStage::Exec);
    ::_exit(127);
}

std::string StartFailureText(const TStartFailure& failure, const TProcessStartInfo& info)
{
    switch (failure.Stage) {
    case TStartStage::StandardHandles:
        return "Cannot connect the standard handles of \"" + info.Program + "\" to its pipes";
    case TStartStage::WorkDir:
        return "Cannot enter the working folder \"" + info.WorkDir + "\"";
    default:
        return "Cannot start \"" + info.Program + "\"";
    }
}

int MillisecondsSince(std::chrono::steady_clock::time_point start)
{
    const auto elapsed = std::chrono::steady_clock::now() - start;
    return static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

} // namespace

TChildProcess::TChildProcess(const TProcessStartInfo& info)
{
    IgnoreSigpipeOnce();
    const std::string path = ResolveProgram(info.Program);
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(info.Program.c_str()));
    for (const std::string& argument : info.Arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);

    int output[2] = {-1, -1};
    int input[2] = {-1, -1};
    int failure[2] = {-1, -1};
    const auto closeAll = [&] {
        for (int* pipe : {output, input, failure}) {
            CloseFd(pipe[0]);
            CloseFd(pipe[1]);
        }
    };
    try {
        MakePipe(output);
        MakePipe(input);
        MakePipe(failure);
    } catch (...) {
        closeAll();
        throw;
    }

    // No signal handler of ours may run in the child before exec.
    sigset_t all, previous;
    sigfillset(&all);
    ::pthread_sigmask(SIG_SETMASK, &all, &previous);
    const int parentPid = ::getpid();
    FPid = ::fork();
    if (FPid == 0) {
        BecomeProgram(path.c_str(), argv.data(), info.WorkDir.c_str(), parentPid, input[0], output[1],
                      failure[1]);
    }
    const int forkError = errno;
    ::pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    if (FPid < 0) {
        closeAll();
        throw EOSError("Cannot start \"" + info.Program + "\"", forkError);
    }
    ::setpgid(FPid, FPid); // also here, so that the group exists before anyone signals it
    CloseFd(output[1]);
    CloseFd(input[0]);
    CloseFd(failure[1]);

    TStartFailure startFailure{};
    ssize_t received;
    do {
        received = ::read(failure[0], &startFailure, sizeof startFailure);
    } while (received < 0 && errno == EINTR);
    CloseFd(failure[0]);
    FOutputFd = output[0];
    FInputFd = input[1];
    if (received == static_cast<ssize_t>(sizeof startFailure)) {
        WaitForEnd(-1);
        CloseFd(FOutputFd);
        CloseFd(FInputFd);
        throw EOSError(StartFailureText(startFailure, info), startFailure.Error);
    }
    ::fcntl(FOutputFd, F_SETFL, ::fcntl(FOutputFd, F_GETFL) | O_NONBLOCK);
    ::fcntl(FInputFd, F_SETFL, ::fcntl(FInputFd, F_GETFL) | O_NONBLOCK);
    FPidFd = static_cast<int>(::syscall(SYS_pidfd_open, FPid, 0)); // -1 on kernels without it
}

TChildProcess::~TChildProcess()
{
    Terminate();
    CloseFd(FOutputFd);
    CloseFd(FInputFd);
    CloseFd(FPidFd);
}

TOutputRead TChildProcess::ReadOutput(char* buffer, size_t size, int timeoutMs)
{
    if (FOutputFd < 0) {
        return {TOutputReadKind::End, 0};
    }
    pollfd watched[2] = {{FOutputFd, POLLIN, 0}, {FPidFd, POLLIN, 0}};
    if (::poll(watched, FPidFd >= 0 ? 2 : 1, timeoutMs) < 0) {
        return {TOutputReadKind::Timeout, 0}; // interrupted by a signal
    }
    const ssize_t count = ::read(FOutputFd, buffer, size);
    if (count > 0) {
        return {TOutputReadKind::Data, static_cast<size_t>(count)};
    }
    if (count < 0 && (errno == EAGAIN || errno == EINTR)) {
        const bool childGone = FPidFd >= 0 ? (watched[1].revents & POLLIN) != 0 : Ended();
        if (!childGone) {
            return {TOutputReadKind::Timeout, 0};
        }
        const ssize_t rest = ::read(FOutputFd, buffer, size); // what it wrote right before it ended
        if (rest > 0) {
            return {TOutputReadKind::Data, static_cast<size_t>(rest)};
        }
    }
    CloseFd(FOutputFd);
    return {TOutputReadKind::End, 0};
}

bool TChildProcess::WriteInput(std::string_view bytes)
{
    if (FInputFd < 0 || Ended()) {
        return false;
    }
    while (!bytes.empty()) {
        const ssize_t written = ::write(FInputFd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

bool TChildProcess::Ended()
{
    if (FReaped) {
        return true;
    }
    int status = 0;
    pid_t result;
    do {
        result = ::waitpid(FPid, &status, WNOHANG);
    } while (result < 0 && errno == EINTR);
    if (result == FPid || (result < 0 && errno == ECHILD)) {
        // ECHILD: someone else reaped it (SIGCHLD ignored elsewhere in the program); the status is lost.
        FReaped = true;
        FStatusKnown = result == FPid;
        FStatus = status;
        CloseFd(FPidFd);
    }
    return FReaped;
}

bool TChildProcess::WaitForEnd(int timeoutMs)
{
    const auto start = std::chrono::steady_clock::now();
    while (!Ended()) {
        int wait = -1;
        if (timeoutMs >= 0) {
            wait = timeoutMs - MillisecondsSince(start);
            if (wait <= 0) {
                return false;
            }
        }
        if (FPidFd >= 0) {
            pollfd watched{FPidFd, POLLIN, 0};
            ::poll(&watched, 1, wait);
        } else {
            ::poll(nullptr, 0, wait < 0 ? 10 : std::min(wait, 10)); // no process descriptor: sleep briefly
        }
    }
    return true;
}

int TChildProcess::ExitCode() const
{
    if (!FReaped || !FStatusKnown) {
        return -1;
    }
    return WIFSIGNALED(FStatus) ? 128 + WTERMSIG(FStatus) : WEXITSTATUS(FStatus);
}

int TChildProcess::TermSignal() const
{
    return FReaped && FStatusKnown && WIFSIGNALED(FStatus) ? WTERMSIG(FStatus) : 0;
}

void TChildProcess::SignalGroup(int signal)
{
    // While the child is not reaped its pid, and so its group id, cannot be taken by another process.
    if (!FReaped && ::kill(-FPid, signal) != 0) {
        ::kill(FPid, signal);
    }
}

void TChildProcess::SignalTerminate()
{
    SignalGroup(SIGTERM);
}

void TChildProcess::Kill()
{
    SignalGroup(SIGKILL);
}

void TChildProcess::Terminate(int graceMs)
{
    if (Ended()) {
        return;
    }
    SignalTerminate();
    if (!WaitForEnd(graceMs)) {
        Kill();
        WaitForEnd(-1);
    }
}
