#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// What to start: the program with its arguments, never through a shell.
struct TProcessStartInfo
{
    // The executable. A name without "/" is looked up in the folders of PATH (absolute entries only, so never
    // the current folder); a relative path counts from the caller's working folder.
    std::string Program;
    // The arguments after the program name.
    std::vector<std::string> Arguments;
    // The child's working folder; empty: the caller's.
    std::string WorkDir;
};

enum class TOutputReadKind
{
    Data,    // bytes were read
    Timeout, // nothing came in time
    End      // the output is over
};

struct TOutputRead
{
    TOutputReadKind Kind = TOutputReadKind::Timeout;
    size_t Count = 0;
};

// A child process whose standard output and standard error go into one pipe that we read and whose
// standard input comes from a pipe that we write. The child runs in its own process group, so that
// terminating it reaches what it started too, and it is killed when the thread that started it ends (even
// when the program dies). Writing to a child that is gone gives an error, not SIGPIPE: starting a child sets
// SIGPIPE to be ignored in this program, and back to the default in the child. The child is always reaped.
class TChildProcess
{
public:
    static constexpr int DefaultGraceMs = 2000;

    // Throws EOSError when a pipe cannot be made, the child's standard handles cannot be connected to the
    // pipes, the working folder cannot be entered or the program cannot be started.
    explicit TChildProcess(const TProcessStartInfo& info);
    // A child that still runs is terminated (Terminate) and reaped.
    ~TChildProcess();
    TChildProcess(const TChildProcess&) = delete;
    TChildProcess& operator=(const TChildProcess&) = delete;

    int ProcessId() const { return FPid; }

    // Waits at most timeoutMs for output and reads what is there, sleeping meanwhile. End: the pipe broke,
    // or the child has ended and nothing is left to read (a grandchild that holds the pipe open does not
    // keep the output going).
    TOutputRead ReadOutput(char* buffer, size_t size, int timeoutMs);

    // Writes all bytes to the child's standard input without blocking. False when the child does not take
    // them: it closed its input or ended, or its input pipe is full.
    bool WriteInput(std::string_view bytes);

    // True once the child has ended; reaps it then. Does not wait.
    bool Ended();
    // Waits at most timeoutMs (negative: without limit) for the child's end, sleeping meanwhile.
    bool WaitForEnd(int timeoutMs);
    // Once ended: the exit status, or 128 + the signal number when a signal ended the child; -1 before,
    // or when the system could not report it.
    int ExitCode() const;
    // The signal that ended the child, or 0.
    int TermSignal() const;

    // Ask the child's process group to end (SIGTERM), or force it (SIGKILL). No effect once reaped.
    void SignalTerminate();
    void Kill();
    // SIGTERM, and SIGKILL when the child has not ended after graceMs; returns once it is reaped.
    void Terminate(int graceMs = DefaultGraceMs);

private:
    void SignalGroup(int signal);

    int FPid = -1;
    int FOutputFd = -1;
    int FInputFd = -1;
    int FPidFd = -1; // -1 where the kernel offers no process descriptors
    bool FReaped = false;
    int FStatus = 0;
    bool FStatusKnown = false;
};
