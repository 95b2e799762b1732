#include "platform/system/os_error.h"
#include "platform/system/process.h"
#include "support/scratch_folder.h"
#include "system_call_hooks.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

TProcessStartInfo Shell(const std::string& script, const std::string& workDir = "")
{
    return {"/bin/sh", {"-c", script}, workDir};
}

// Everything the child writes, up to the end of its output.
std::string ReadAll(TChildProcess& child)
{
    std::string output;
    char buffer[4096];
    for (;;) {
        const TOutputRead read = child.ReadOutput(buffer, sizeof buffer, 100);
        if (read.Kind == TOutputReadKind::End) {
            return output;
        }
        output.append(buffer, read.Count);
    }
}

// Reads until the output holds text.
void ReadUntil(TChildProcess& child, const std::string& text)
{
    std::string output;
    char buffer[256];
    while (output.find(text) == std::string::npos) {
        const TOutputRead read = child.ReadOutput(buffer, sizeof buffer, 100);
        ASSERT_NE(read.Kind, TOutputReadKind::End) << output;
        output.append(buffer, read.Count);
    }
}

bool IsReaped(int pid)
{
    return ::waitpid(pid, nullptr, WNOHANG) == -1 && errno == ECHILD;
}

// Orphans of the children we start come to this process while the guard lives, so that a test can see how
// they ended.
class TSubreaperGuard
{
public:
    TSubreaperGuard() { ::prctl(PR_SET_CHILD_SUBREAPER, 1); }
    ~TSubreaperGuard() { ::prctl(PR_SET_CHILD_SUBREAPER, 0); }
};

// How an adopted orphan ended: the signal that killed it, or 0.
int SignalThatEnded(int pid)
{
    int status = 0;
    if (::waitpid(pid, &status, 0) != pid) {
        return -1;
    }
    return WIFSIGNALED(status) ? WTERMSIG(status) : 0;
}

TEST(ChildProcess, ReportsExitCodesAndSignalsAndIsReaped)
{
    struct
    {
        const char* Script;
        int ExitCode;
        int Signal;
    } const cases[] = {
        {"exit 0", 0, 0},
        {"exit 3", 3, 0},
        {"kill -TERM $$", 128 + SIGTERM, SIGTERM},
        {"kill -KILL $$", 128 + SIGKILL, SIGKILL},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Script);
        int pid = 0;
        {
            TChildProcess child(Shell(c.Script));
            pid = child.ProcessId();
            EXPECT_EQ(ReadAll(child), "");
            ASSERT_TRUE(child.WaitForEnd(-1));
            EXPECT_EQ(child.ExitCode(), c.ExitCode);
            EXPECT_EQ(child.TermSignal(), c.Signal);
        }
        EXPECT_TRUE(IsReaped(pid));
    }
}

TEST(ChildProcess, MergesOutputsTakesInputAndUsesTheWorkingFolder)
{
    ScratchFolder folder;
    TChildProcess child(Shell("read line; echo \"out:$line\"; echo err >&2; pwd", folder.Path()));
    EXPECT_TRUE(child.WriteInput("hello\n"));
    const std::string canonical = std::filesystem::canonical(folder.Path()).string();
    EXPECT_EQ(ReadAll(child), "out:hello\nerr\n" + canonical + "\n");
}

TEST(ChildProcess, StartFailuresRaiseTheSystemError)
{
    ScratchFolder folder;
    const std::string notExecutable = folder.Write("data.txt", "x");
    struct
    {
        TProcessStartInfo Info;
        int Error;
        const char* Names;
    } const cases[] = {
        {{"/nonexistent/program", {}, ""}, ENOENT, "/nonexistent/program"},
        {{"no-such-program-on-the-path", {}, ""}, ENOENT, "no-such-program-on-the-path"},
        {{notExecutable, {}, ""}, EACCES, "data.txt"},
        {{"/bin/sh", {"-c", "exit 0"}, folder / "missing"}, ENOENT, "working folder"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Names);
        try {
            TChildProcess child(c.Info);
            ADD_FAILURE() << "started";
        } catch (const EOSError& e) {
            EXPECT_EQ(e.ErrorCode(), c.Error);
            EXPECT_NE(std::string(e.what()).find(c.Names), std::string::npos) << e.what();
        }
    }
}

// A child that cannot put the pipes on its standard handles never runs the program (which would write to
// our own output and read our input): the start fails with the system's error.
TEST(ChildProcess, StandardHandlesThatCannotBeSetFailTheStart)
{
    ScratchFolder folder;
    for (const int handle : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        SCOPED_TRACE(handle);
        system_call_hooks::FailingDup2Target = handle;
        try {
            TChildProcess child(Shell("touch ran", folder.Path()));
            ADD_FAILURE() << "started";
        } catch (const EOSError& e) {
            EXPECT_EQ(e.ErrorCode(), EBADF);
            EXPECT_NE(std::string(e.what()).find("standard handles"), std::string::npos) << e.what();
        }
        system_call_hooks::FailingDup2Target = -1;
        EXPECT_FALSE(std::filesystem::exists(folder / "ran"));
    }
}

TEST(ChildProcess, FindsBareNamesOnThePath)
{
    TChildProcess child({"echo", {"found"}, ""});
    EXPECT_EQ(ReadAll(child), "found\n");
}

TEST(ChildProcess, WritingToAChildThatClosedItsInputFailsWithoutKillingUs)
{
    TChildProcess child(Shell("exec 0<&-; echo ready; sleep 30"));
    ReadUntil(child, "ready");
    EXPECT_FALSE(child.WriteInput("q"));
    child.Terminate();
    EXPECT_EQ(child.TermSignal(), SIGTERM);
}

TEST(ChildProcess, TerminateReachesTheGroupAndForcesAStubbornChild)
{
    TSubreaperGuard subreaper;
    TChildProcess child(Shell("trap '' TERM; sleep 30 & echo $!; while :; do sleep 0.1; done"));
    std::string output;
    char buffer[64];
    while (output.find('\n') == std::string::npos) {
        const TOutputRead read = child.ReadOutput(buffer, sizeof buffer, 100);
        ASSERT_NE(read.Kind, TOutputReadKind::End);
        output.append(buffer, read.Count);
    }
    const int grandchild = std::stoi(output);
    child.Terminate(300);
    EXPECT_EQ(child.TermSignal(), SIGKILL); // it ignored SIGTERM
    // The group's SIGKILL is delivered to the grandchild asynchronously; it then comes to us (the
    // subreaper) unless the shell reaped it first. Allow the kernel a moment before calling it a survivor.
    bool gone = false;
    for (int attempt = 0; attempt < 200 && !gone; ++attempt) {
        ::waitpid(grandchild, nullptr, WNOHANG);
        gone = ::kill(grandchild, 0) == -1 && errno == ESRCH;
        if (!gone)
            ::usleep(10000);
    }
    EXPECT_TRUE(gone) << "the grandchild survived";
}

TEST(ChildProcess, OutputEndsWithTheChildEvenWhenAGrandchildHoldsThePipe)
{
    TSubreaperGuard subreaper;
    TChildProcess child(Shell("sleep 30 & echo $!"));
    const int grandchild = std::stoi(ReadAll(child));
    EXPECT_TRUE(child.WaitForEnd(-1));
    EXPECT_EQ(child.ExitCode(), 0);
    EXPECT_EQ(::kill(grandchild, 0), 0) << "the output should not have waited for the grandchild";
    ::kill(grandchild, SIGKILL);
    EXPECT_EQ(SignalThatEnded(grandchild), SIGKILL);
}

TEST(ChildProcess, DiesWithTheProgramThatStartedIt)
{
    TSubreaperGuard subreaper;
    int pidPipe[2];
    ASSERT_EQ(::pipe(pidPipe), 0);
    const pid_t program = ::fork();
    ASSERT_GE(program, 0);
    if (program == 0) {
        // A program that starts a child and dies without any clean-up.
        TChildProcess* child = new TChildProcess({"/bin/sleep", {"30"}, ""});
        const int pid = child->ProcessId();
        [[maybe_unused]] const ssize_t written = ::write(pidPipe[1], &pid, sizeof pid);
        ::_exit(0);
    }
    ::close(pidPipe[1]);
    int child = 0;
    ASSERT_EQ(::read(pidPipe[0], &child, sizeof child), static_cast<ssize_t>(sizeof child));
    ::close(pidPipe[0]);
    ::waitpid(program, nullptr, 0);
    EXPECT_EQ(SignalThatEnded(child), SIGKILL);
}

} // namespace
