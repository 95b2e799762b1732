// The overhead of the conversion road: clips converted by a run against the same command lines run one
// after another by the shell (the run's own shell script), in two cases: 10 clips of 3 s at 640x360, where
// the fixed cost per file dominates, and 3 clips of 60 s at 1280x720, closer to real files. The two sides
// run interleaved over several rounds; the report gives min and median of each, their ratio (goal: at most
// 1.05), this process's CPU time against its children's (goal: at most 1 %: waiting must never spin), and
// the fixed cost per file as measured in the run: the pauses, the analysis (the encoder's report and the
// MediaInfo library) and the rest, which is ours. The tools are resolved as the program resolves them.
// Built with the rest, run by hand.

#include "bench_run_host.h"
#include "engine/app_params.h"
#include "engine/app_strings.h"
#include "engine/conversion_run.h"
#include "engine/run_state.h"
#include "engine/tool_discovery.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

using TClock = std::chrono::steady_clock;

struct TCase
{
    const char* Name;
    int ClipCount;
    int Seconds;
    const char* Size;
    int Rounds;
};

const TCase Cases[] = {
    {"10 clips of 3 s at 640x360", 10, 3, "640x360", 5},
    {"3 clips of 60 s at 1280x720", 3, 60, "1280x720", 5},
};

class TClipList : public IFileList
{
public:
    int32_t RowCount() const override { return static_cast<int32_t>(Files.size()); }
    bool IsChecked(int32_t) const override { return true; }
    std::string FullFileName(int32_t row) const override { return Files[row]; }
    void SetStatus(int32_t, const std::string&) override {}
    std::vector<std::string> Files;
};

double Seconds(TClock::duration duration)
{
    return std::chrono::duration<double>(duration).count();
}

// A host that notes when the run calls it, to tell afterwards where the run's time went.
class TTimelineHost : public TBenchHost
{
public:
    void ProcessMessages() override { Note(true); }
    void SetStatusMarkup(const std::string& markup) override
    {
        Note(false, markup);
        TBenchHost::SetStatusMarkup(markup);
    }
    void SetInputFileText(const std::string&) override { Note(false); }
    bool IsEncoderOutputHidden() override
    {
        Note(false);
        return false;
    }

    // A pause calls ProcessMessages every 10 ms and nothing else; the encoder's passes call it between
    // other calls (for each output line) or 50 ms apart (while the encoder is silent).
    double PauseSeconds() const
    {
        constexpr auto PauseStep = std::chrono::milliseconds(25);
        constexpr auto ShortestPause = std::chrono::milliseconds(100);
        double total = 0;
        for (size_t first = 0; first < FCalls.size();) {
            size_t last = first;
            while (last + 1 < FCalls.size() && FCalls[last].Messages && FCalls[last + 1].Messages &&
                   FCalls[last + 1].Time - FCalls[last].Time <= PauseStep)
                ++last;
            if (FCalls[last].Time - FCalls[first].Time >= ShortestPause)
                total += Seconds(FCalls[last].Time - FCalls[first].Time);
            first = last + 1;
        }
        return total;
    }

    // The analysis runs between the message pass after "Please wait" and the pause after it.
    double AnalysisSeconds(const std::string& pleaseWait) const
    {
        double total = 0;
        for (size_t i = 0; i + 2 < FCalls.size(); ++i)
            if (FCalls[i].Status == pleaseWait)
                total += Seconds(FCalls[i + 2].Time - FCalls[i + 1].Time);
        return total;
    }

private:
    struct TCall
    {
        TClock::time_point Time;
        bool Messages;      // ProcessMessages, else another call
        std::string Status; // the status markup set, if that was the call
    };

    void Note(bool messages, const std::string& status = "")
    {
        FCalls.push_back({TClock::now(), messages, status});
    }

    std::vector<TCall> FCalls;
};

// CPU seconds (user + system) of this process and of its ended children so far.
struct TCpuTimes
{
    double Self = 0;
    double Children = 0;
};

double Seconds(const timeval& time)
{
    return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) / 1e6;
}

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
    const auto start = TClock::now();
    work();
    const auto end = TClock::now();
    const TCpuTimes after = CpuTimes();
    return {Seconds(end - start), {after.Self - before.Self, after.Children - before.Children}};
}

void RunConversion(IRunHost& host, TClipList& clips, const std::string& outDir, bool batchOnly,
                   const std::string& script)
{
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

double Min(std::vector<double> values)
{
    return *std::min_element(values.begin(), values.end());
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// The status text the run shows while it analyses a file.
std::string PleaseWait()
{
    return (AppStrings ? *AppStrings : TAppStrings()).Main.PleaseWait;
}

bool MakeClips(const TCase& c, const std::string& folder, TClipList& clips)
{
    for (int i = 0; i < c.ClipCount; ++i) {
        const std::string clip = folder + "/clip" + std::to_string(i) + ".mkv";
        const std::string duration = std::to_string(c.Seconds);
        const std::string command =
            AppParams.ffmpeg + " -nostdin -v error -y -f lavfi -i testsrc=size=" + c.Size +
            ":rate=25:duration=" + duration + " -f lavfi -i sine=frequency=440:duration=" + duration +
            " -c:v mpeg4 -c:a mp2 " + clip;
        if (std::system(command.c_str()) != 0)
            return false;
        clips.Files.push_back(clip);
    }
    return true;
}

bool RunCase(const TCase& c, const std::string& root)
{
    const std::string folder = root + "/case" + std::to_string(c.ClipCount) + "x" + std::to_string(c.Seconds);
    fs::create_directories(folder);
    TClipList clips;
    if (!MakeClips(c, folder, clips))
        return false;
    const std::string script = folder + "/convert.sh";
    TBenchHost scriptHost;
    RunConversion(scriptHost, clips, folder + "/by-script", true, script);
    const std::string shellCommand = "cd " + folder + " && sh " + script + " </dev/null >/dev/null 2>&1";

    std::vector<double> road, shell, ownShare, pauses, analysis;
    for (int round = 0; round < c.Rounds; ++round) {
        TTimelineHost host;
        const auto runRoad = [&] {
            const TMeasure measure =
                Measure([&] { RunConversion(host, clips, folder + "/by-run", false, ""); });
            road.push_back(measure.Wall);
            ownShare.push_back(100.0 * measure.Cpu.Self / measure.Cpu.Children);
        };
        const auto runShell = [&] {
            shell.push_back(Measure([&] {
                                if (std::system(shellCommand.c_str()) < 0)
                                    std::exit(1);
                            }).Wall);
        };
        // Alternating which side goes first evens out what a round's start costs.
        if (round % 2 == 0) {
            runRoad();
            runShell();
        } else {
            runShell();
            runRoad();
        }
        pauses.push_back(host.PauseSeconds() / c.ClipCount);
        analysis.push_back(host.AnalysisSeconds(PleaseWait()) / c.ClipCount);
    }

    std::vector<double> ours;
    for (size_t i = 0; i < road.size(); ++i)
        ours.push_back((road[i] - shell[i]) / c.ClipCount - pauses[i] - analysis[i]);
    std::printf("\n%s, %d rounds, interleaved\n", c.Name, c.Rounds);
    std::printf("  run:   min %.3f s, median %.3f s\n", Min(road), Median(road));
    std::printf("  shell: min %.3f s, median %.3f s\n", Min(shell), Median(shell));
    std::printf("  wall-time ratio run / shell: %.3f by the minima, %.3f by the medians (goal <= 1.05)\n",
                Min(road) / Min(shell), Median(road) / Median(shell));
    std::printf("  own CPU / children's CPU: median %.2f %% (goal <= 1 %%)\n", Median(ownShare));
    std::printf(
        "  fixed cost per file (medians): pauses %.0f ms, analysis %.0f ms, ours %.0f ms (rounds from "
        "%.0f to %.0f ms)\n",
        1000 * Median(pauses), 1000 * Median(analysis), 1000 * Median(ours), 1000 * Min(ours),
        1000 * *std::max_element(ours.begin(), ours.end()));
    return true;
}

} // namespace

int main()
{
    std::string pattern = (fs::temp_directory_path() / "qm_road_XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        return 1;
    const std::string root = pattern;
    // As the program starts: the tools beside it first, then the system's.
    InitAppParams(AppParams);
    GetFFmpegExePath(AppParams);
    GetMediaInfoDllPath(AppParams);
    std::printf("encoder: %s\nMediaInfo library: %s\n", AppParams.ffmpeg.c_str(),
                AppParams.MediaInfoDll.empty() ? "(not found)" : AppParams.MediaInfoDll.c_str());
    if (AppParams.ffmpeg.empty() || AppParams.MediaInfoDll.empty())
        return 1;

    bool ok = true;
    for (const TCase& c : Cases)
        ok = ok && RunCase(c, root);
    fs::remove_all(root);
    return ok ? 0 : 1;
}
