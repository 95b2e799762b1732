// Start-up to the first painted main window, as a user meets it: a new process each time, from its start
// until its main window has painted. The program (started exactly as its entry routine starts it, from a
// portable program folder with its language files and data lists, with user folders of its own) against a
// bare toolkit program showing a main window with a table of 29 columns. Both end at their first paint.
// Prints our time / the toolkit's at the end; the goal is at most 2.

#include "ratio_reporter.h"
#include "tests/support/scratch_folder.h"

#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/wait.h>

#include <filesystem>
#include <string>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

// The probes' own environment: offscreen, and home and user folders inside the benchmark's folder.
std::vector<std::string> ProbeEnvironment(const std::string& folder)
{
    std::vector<std::string> env;
    for (char** entry = environ; *entry; ++entry) {
        const std::string variable = *entry;
        if (variable.rfind("HOME=", 0) != 0 && variable.rfind("XDG_", 0) != 0 &&
            variable.rfind("QT_QPA_", 0) != 0)
            env.push_back(variable);
    }
    env.push_back("QT_QPA_PLATFORM=offscreen");
    env.push_back("HOME=" + folder + "/home");
    env.push_back("XDG_CONFIG_HOME=" + folder + "/home/.config");
    env.push_back("XDG_RUNTIME_DIR=" + folder + "/runtime");
    return env;
}

// Runs the probe to its end; false unless it painted and ended well.
bool RunProbe(const std::string& program, const std::vector<std::string>& env)
{
    std::vector<char*> argv{const_cast<char*>(program.c_str()), nullptr};
    std::vector<char*> envp;
    for (const std::string& variable : env)
        envp.push_back(const_cast<char*>(variable.c_str()));
    envp.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv.data(), envp.data()) != 0)
        return false;
    int status = 0;
    if (waitpid(pid, &status, 0) != pid)
        return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void MeasureStartUp(benchmark::State& state, const std::string& program, const std::string& folder)
{
    fs::create_directories(folder + "/home/.config");
    fs::create_directories(folder + "/runtime");
    fs::permissions(folder + "/runtime", fs::perms::owner_all, fs::perm_options::replace);
    const std::vector<std::string> env = ProbeEnvironment(folder);
    for (auto _ : state)
        if (!RunProbe(program, env)) {
            state.SkipWithError("the probe did not paint its window");
            break;
        }
}

void BM_ProgramStartUp(benchmark::State& state)
{
    // The program folder as a portable program unpacks: the program, its language files and data lists.
    ScratchFolder folder;
    const fs::path programFolder = fs::path(folder.Path()) / "program";
    fs::create_directories(programFolder);
    fs::copy_file(QM_PROGRAM_PROBE, programFolder / "quillmark");
    const fs::path shipped = QM_PROGRAM_FOLDER;
    fs::copy(shipped / "lang", programFolder / "lang", fs::copy_options::recursive);
    fs::copy(shipped / "data", programFolder / "data", fs::copy_options::recursive);
    MeasureStartUp(state, (programFolder / "quillmark").string(), folder.Path());
}

void BM_ToolkitProgramStartUp(benchmark::State& state)
{
    ScratchFolder folder;
    MeasureStartUp(state, QM_TOOLKIT_PROBE, folder.Path());
}

// A start-up is a few tens of milliseconds of a whole machine's attention: repetitions, compared by median.
BENCHMARK(BM_ProgramStartUp)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(7);
BENCHMARK(BM_ToolkitProgramStartUp)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(7);

} // namespace

int main(int argc, char** argv)
{
    return RunBenchmarksWithRatios(argc, argv,
                                   {{"Start-up to the first painted main window", "BM_ProgramStartUp", "ours",
                                     "BM_ToolkitProgramStartUp", "toolkit's", " (goal <= 2)"}});
}
