// The overhead of the conversion road: 10 clips of 3 s at 640x360 converted by a run against the same
// command lines run one after another by the shell (the run's own shell script). Prints the wall-time ratio
// (goal: at most 1.05) and this process's CPU time against its children's (goal: at most 1 %: waiting
// must never spin). Built with the rest, run by hand.

#include "bench_run_host.h"
#include "engine/app_params.h"
#include "engine/conversion_run.h"
#include "engine/run_state.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int ClipCount = 10;
const std::string FFmpeg = "/usr/bin/ffmpeg";

class TClipList : public IFileList
{
public:
    int32_t RowCount() const override { return static_cast<int32_t>(Files.size()); }
    bool IsChecked(int32_t) const override { return true; }
    std::string FullFileName(int32_t row) const override { return Files[row]; }
    void SetStatus(int32_t, const std::string&) override {}
    std::vector<std::string> Files;
};

double Seconds(const timeval& time)
{
    return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) / 1e6;
}

// CPU seconds (user + system) of this process and of its ended children so far.
struct TCpuTimes
{
    double Self = 0;
    double Children = 0;
};

TCpuTimes CpuTimes()
{
    rusage self{}, children{};
    getrusage(RUSAGE_SELF, &self);
    getrusage(RUSAGE_CHILDREN, &children);
    return {Seconds(self.ru_utime) + Seconds(self.ru_stime),
            Seconds(children.ru_utime) + Seconds(children.ru_stime)};
}

struct TMeasure
{
    double Wall = 0;
    TCpuTimes Cpu;
};

template <typename Work> TMeasure Measure(Work&& work)
{
    const TCpuTimes before = CpuTimes();
    const auto start = std::chrono::steady_clock::now();
    work();
    const auto end = std::chrono::steady_clock::now();
    const TCpuTimes after = CpuTimes();
    return {std::chrono::duration<double>(end - start).count(),
            {after.Self - before.Self, after.Children - before.Children}};
}

void RunConversion(TClipList& clips, const std::string& outDir, bool batchOnly, const std::string& script)
{
    TBenchHost host;
    RunOptions options;
    options.OutDirIsInDir = false;
    options.OutDir = outDir;
    options.OutputExists = oeOverwrite;
    BatchOnlyMode = batchOnly;
    BatchScriptFileName = script;
    TConversionRun run(host, clips, DefaultEncoderSettings(0), options, DefaultBuilderEnvironment());
    run.Execute();
    BatchOnlyMode = false;
}

} // namespace

int main()
{
    std::string pattern = (fs::temp_directory_path() / "qm_road_XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        return 1;
    const std::string folder = pattern;
    InitAppParams(AppParams);
    AppParams.ffmpeg = FFmpeg;

    TClipList clips;
    for (int i = 0; i < ClipCount; ++i) {
        const std::string clip = folder + "/clip" + std::to_string(i) + ".mkv";
        const std::string command =
            FFmpeg +
            " -nostdin -v error -y -f lavfi -i testsrc=size=640x360:rate=25:duration=3 "
            "-f lavfi -i sine=frequency=440:duration=3 -c:v mpeg4 -c:a mp2 " +
            clip;
        if (std::system(command.c_str()) != 0)
            return 1;
        clips.Files.push_back(clip);
    }

    const std::string script = folder + "/convert.sh";
    RunConversion(clips, folder + "/by-script", true, script);
    const TMeasure road = Measure([&] { RunConversion(clips, folder + "/by-run", false, ""); });
    const TMeasure shell = Measure([&] {
        if (std::system(("cd " + folder + " && sh " + script + " </dev/null >/dev/null 2>&1").c_str()) < 0)
            std::exit(1);
    });

    std::printf("files:                      %d x 3 s of 640x360\n", ClipCount);
    std::printf("run:   wall %.3f s, own CPU %.3f s, children's CPU %.3f s\n", road.Wall, road.Cpu.Self,
                road.Cpu.Children);
    std::printf("shell: wall %.3f s, children's CPU %.3f s\n", shell.Wall, shell.Cpu.Children);
    std::printf("wall-time ratio run / shell: %.3f (goal <= 1.05)\n", road.Wall / shell.Wall);
    std::printf("own CPU / children's CPU:   %.2f %% (goal <= 1 %%)\n",
                100.0 * road.Cpu.Self / road.Cpu.Children);
    std::printf("of the run's wall time, fixed pauses: %.3f s (150 ms at each file's start and after its "
                "analysis)\n",
                ClipCount * 0.3);
    fs::remove_all(folder);
    return 0;
}
