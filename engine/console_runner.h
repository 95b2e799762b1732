#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Runs a console program (the encoder) hidden, its standard output and standard error read as lines.
//
// Lines: LF ends a line, and so does CR; CR LF ends one line. A line ended by a bare CR is the encoder's
// progress line, which it rewrites in place: the next line replaces it in the output list, so that the list
// holds the report lines and one current progress line. A line longer than ConsoleLineLimit bytes is kept as
// pieces of at most that size (never splitting a character), each a list line of its own. Lines are UTF-8;
// invalid bytes become U+FFFD.
//
// Only one run is served by WriteToConsoleApp and TerminateConsoleApp: the innermost one in progress. A run
// started from inside an observer of another run (a media probe while converting) is the innermost until it
// ends; then the outer run is served again.

constexpr size_t ConsoleLineLimit = 20480;
// How often the observer hears from a run while no line comes.
constexpr int ConsoleIdleTickMs = 50;
// How long a run waits for the child to end after its output is over, before it kills it.
constexpr int ConsoleEndWaitMs = 5000;

// Who follows a run; both members may be empty. They are called on the thread that runs the child, from
// inside its read loop, and may call WriteToConsoleApp and TerminateConsoleApp (the progress window pumps
// its messages and handles the abort from here).
struct TConsoleObserver
{
    // After every finished line: the child's process id and the line as the output list got it.
    std::function<void(int processId, const std::string& line)> OnLine;
    // About every ConsoleIdleTickMs while no line came: while the child prints nothing or only part of a
    // line, and while its end is awaited.
    std::function<void(int processId)> OnIdle;
};

// Runs appPath with the parameter text params, split by SplitCommandLine, and returns the child's exit code
// (128 + the signal number when a signal ended it). outputList (may be null) receives the lines; observer
// may be null. workDir is the child's working folder; empty: the folder of this program's executable.
// Throws EOSError when the child cannot be started.
int RunConsoleApp(const std::string& appPath, const std::string& params, std::vector<std::string>* outputList,
                  const TConsoleObserver* observer, const std::string& workDir);
// The same with the arguments given one by one.
int RunConsoleApp(const std::string& appPath, const std::vector<std::string>& arguments,
                  std::vector<std::string>* outputList, const TConsoleObserver* observer,
                  const std::string& workDir);

// Writes cmd (the encoder's "q") to the standard input of the innermost run's child. False when no child runs
// or it does not take the text.
bool WriteToConsoleApp(std::string_view cmd);

// Asks the innermost run's child (and what it started) to end; the run kills it when it has not ended after
// a grace period. False when no child runs.
bool TerminateConsoleApp();
