#include "engine/console_runner.h"
#include "platform/system/os_error.h"
#include "support/scratch_folder.h"
#include "support/utf8.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <climits>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using TLines = std::vector<std::string>;

bool IsReaped(int pid)
{
    return ::waitpid(pid, nullptr, WNOHANG) == -1 && errno == ECHILD;
}

struct TRunResult
{
    int ExitCode = -1;
    TLines List;     // the output list
    TLines Observed; // every line as the observer heard it
    int ProcessId = 0;
};

TRunResult RunShell(const std::string& script, TConsoleObserver observer = {})
{
    TRunResult result;
    TConsoleObserver recording = observer;
    recording.OnLine = [&](int processId, const std::string& line) {
        result.ProcessId = processId;
        result.Observed.push_back(line);
        if (observer.OnLine) {
            observer.OnLine(processId, line);
        }
    };
    result.ExitCode = RunConsoleApp("/bin/sh", {"-c", script}, &result.List, &recording, "");
    return result;
}

// The child prints exactly these bytes.
TRunResult RunPrinting(const std::string& bytes)
{
    ScratchFolder folder;
    return RunShell("cat '" + folder.Write("output.bin", bytes) + "'");
}

TEST(ConsoleRunner, SplitsLinesAndReplacesProgressLines)
{
    struct
    {
        const char* Name;
        std::string Output;
        TLines Expected;
    } const cases[] = {
        {"CR LF", "a\r\nb\r\n", {"a", "b", ""}},
        {"LF", "a\nb\n", {"a", "b", ""}},
        {"LF then CR", "a\nb\r", {"a", "b"}},
        {"blank lines", "a\n\n\r\nb", {"a", "", "", "b"}},
        {"progress after CR LF", "head\r\nframe=1\rframe=2\rframe=3\r", {"head", "frame=3"}},
        {"progress after LF",
         "head\nframe=1\rframe=2\rframe=3\r\nsummary\n",
         {"head", "frame=3", "summary", ""}},
        {"warning right after progress", "frame=1\rwarning\n", {"warning", ""}},
        {"no output", "", {""}},
        {"no line end", "x", {"x"}},
        {"invalid UTF-8",
         "a\xFF"
         "b\n",
         {"a\xEF\xBF\xBD"
          "b",
          ""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(RunPrinting(c.Output).List, c.Expected);
    }
    EXPECT_EQ(RunPrinting("head\r\nframe=1\rframe=2\r").Observed, (TLines{"head", "frame=1", "frame=2"}));
}

TEST(ConsoleRunner, CutsLongLinesIntoPiecesWithoutSplittingCharacters)
{
    const TLines ascii = RunPrinting(std::string(50000, 'x')).List;
    ASSERT_EQ(ascii.size(), 3u);
    EXPECT_EQ(ascii[0].size(), 20480u);
    EXPECT_EQ(ascii[1].size(), 20480u);
    EXPECT_EQ(ascii[2].size(), 9040u);

    std::string text = "a"; // puts every piece boundary inside a two-byte character
    for (int i = 0; i < 30000; ++i) {
        text += "\xC3\xA9";
    }
    const TLines pieces = RunPrinting(text + "\n").List;
    ASSERT_EQ(pieces.size(), 4u); // three pieces and the empty line after the line end
    EXPECT_EQ(pieces[0].size(), 20479u);
    std::string joined;
    for (const std::string& piece : pieces) {
        EXPECT_TRUE(IsValidUtf8(piece));
        EXPECT_LE(piece.size(), ConsoleLineLimit);
        joined += piece;
    }
    EXPECT_EQ(joined, text);
}

TEST(ConsoleRunner, ReturnsExitCodesAndLeavesNoChildBehind)
{
    struct
    {
        const char* Script;
        int ExitCode;
    } const cases[] = {{"echo x; exit 0", 0}, {"echo x; exit 3", 3}, {"echo x; kill -KILL $$", 128 + 9}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Script);
        const TRunResult result = RunShell(c.Script);
        EXPECT_EQ(result.ExitCode, c.ExitCode);
        EXPECT_TRUE(IsReaped(result.ProcessId));
    }
    EXPECT_EQ(RunConsoleApp("/bin/sh", TLines{"-c", "exit 4"}, nullptr, nullptr, ""), 4);
}

TEST(ConsoleRunner, SplitsTheParameterTextIntoArguments)
{
    TLines list;
    RunConsoleApp("/usr/bin/printf", R"("[%s][%s][%s]\n" "a b" c\"d "")", &list, nullptr, "");
    EXPECT_EQ(list, (TLines{"[a b][c\"d][]", ""}));
}

TEST(ConsoleRunner, WorksInTheExecutableFolderUnlessToldOtherwise)
{
    char executable[PATH_MAX] = {};
    ASSERT_GT(::readlink("/proc/self/exe", executable, sizeof executable - 1), 0);
    TLines list;
    RunConsoleApp("/bin/pwd", "", &list, nullptr, "");
    EXPECT_EQ(list.front(), std::filesystem::path(executable).parent_path().string());

    ScratchFolder folder;
    list.clear();
    RunConsoleApp("/bin/pwd", "", &list, nullptr, folder.Path());
    EXPECT_EQ(list.front(), std::filesystem::canonical(folder.Path()).string());
}

TEST(ConsoleRunner, StartFailureRaisesAndLeavesNoRunBehind)
{
    EXPECT_THROW(RunConsoleApp("/nonexistent/encoder", "-i x", nullptr, nullptr, ""), EOSError);
    EXPECT_FALSE(WriteToConsoleApp("q"));
    EXPECT_FALSE(TerminateConsoleApp());
}

// The child only speaks after it was written to, which only the idle ticks can do.
TEST(ConsoleRunner, ObserverHearsIdleTicksWhileTheChildIsSilent)
{
    int ticks = 0;
    TConsoleObserver observer;
    observer.OnIdle = [&](int) {
        ++ticks;
        WriteToConsoleApp("x\n");
    };
    const TRunResult result = RunShell("read a; read b; echo \"$a$b\"", observer);
    EXPECT_EQ(result.List, (TLines{"xx", ""}));
    EXPECT_GE(ticks, 2);
    EXPECT_FALSE(WriteToConsoleApp("q"));
}

// The progress window asks again on every line after its abort timeout; that must not put the forced end
// off while the child keeps printing.
TEST(ConsoleRunner, CallerEndsAChildThatIgnoresItsStopCommand)
{
    int lines = 0;
    TConsoleObserver observer;
    observer.OnLine = [&](int, const std::string& line) {
        if (++lines > 500) {
            throw std::runtime_error("the child was never forced to end");
        }
        if (line.empty()) {
            return; // the last line, after the child's end
        }
        EXPECT_TRUE(WriteToConsoleApp("q"));
        EXPECT_TRUE(TerminateConsoleApp());
    };
    const TRunResult result = RunShell("trap '' TERM; while :; do echo busy; sleep 0.05; done", observer);
    EXPECT_EQ(result.ExitCode, 128 + 9); // it ignored SIGTERM too, so it was killed
    EXPECT_TRUE(IsReaped(result.ProcessId));
}

TEST(ConsoleRunner, ChildThatOutlivesItsOutputIsKilledAfterTheWait)
{
    const TRunResult result = RunShell("echo bye; exec >&- 2>&-; sleep 30");
    EXPECT_EQ(result.List, (TLines{"bye", ""}));
    EXPECT_EQ(result.ExitCode, 128 + 9);
    EXPECT_TRUE(IsReaped(result.ProcessId));
}

TEST(ConsoleRunner, NestedRunIsServedUntilItEndsThenTheOuterOne)
{
    TLines innerList;
    bool innerStarted = false;
    TConsoleObserver inner;
    inner.OnIdle = [](int) { WriteToConsoleApp("in\n"); };
    TConsoleObserver outer;
    outer.OnIdle = [&](int) {
        if (!innerStarted) {
            innerStarted = true;
            RunConsoleApp("/bin/sh", TLines{"-c", "read y; echo inner:$y"}, &innerList, &inner, "");
        }
        WriteToConsoleApp("out\n");
    };
    const TRunResult result = RunShell("read x; echo outer:$x", outer);
    EXPECT_EQ(innerList, (TLines{"inner:in", ""}));
    EXPECT_EQ(result.List, (TLines{"outer:out", ""}));
}

TEST(ConsoleRunner, ObserverFailureEndsTheChildAndTheRun)
{
    TConsoleObserver observer;
    int processId = 0;
    observer.OnLine = [&](int pid, const std::string&) {
        processId = pid;
        throw std::runtime_error("window gone");
    };
    EXPECT_THROW(RunConsoleApp("/bin/sh", TLines{"-c", "echo hi; sleep 30"}, nullptr, &observer, ""),
                 std::runtime_error);
    EXPECT_TRUE(IsReaped(processId));
    EXPECT_FALSE(WriteToConsoleApp("q"));
}

TEST(ConsoleRunner, ObserverMayEmptyTheListWhileLinesComeIn)
{
    TLines list;
    TConsoleObserver observer;
    observer.OnLine = [&](int, const std::string&) { list.clear(); };
    ScratchFolder folder;
    RunConsoleApp("/bin/cat", {folder.Write("out", "a\nframe=1\rframe=2\r")}, &list, &observer, "");
    EXPECT_TRUE(list.empty());
    observer.OnLine = [&](int, const std::string& line) {
        if (line == "frame=1") {
            list.clear();
        }
    };
    RunConsoleApp("/bin/cat", {folder.Write("out", "a\nframe=1\rframe=2\r")}, &list, &observer, "");
    EXPECT_EQ(list, (TLines{"frame=2"}));
}

} // namespace
