// Media analysis in process through the MediaInfo library against the `mediainfo` command over the same
// 20 small generated files. Prints the ratio of the two at the end; the in-process analysis must win.

#include "engine/mediainfo_analysis.h"
#include "engine/tool_output.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <map>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const std::string FFmpeg = "/usr/bin/ffmpeg";
const std::string MediaInfoCommand = "/usr/bin/mediainfo";
const std::string MediaInfoLibrary = "libmediainfo.so.0";

// 20 files of one second: four containers, five picture sizes, with and without audio.
class TBenchMedia
{
public:
    TBenchMedia()
    {
        std::string pattern = (fs::temp_directory_path() / "qm_bench_XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            std::cerr << "cannot create a temporary folder\n";
            std::exit(1);
        }
        Folder = pattern;
        const char* containers[] = {"mkv", "mp4", "avi", "ts"};
        const char* sizes[] = {"64x48", "96x64", "128x96", "160x120", "33x17"};
        int n = 0;
        for (const char* container : containers) {
            for (const char* size : sizes) {
                const std::string file = Folder + "/clip" + std::to_string(n) + "." + container;
                const bool withAudio = n++ % 2 == 0;
                const std::string command =
                    FFmpeg + " -nostdin -hide_banner -loglevel error -y -f lavfi -i testsrc=size=" + size +
                    ":rate=25:duration=1" +
                    (withAudio ? " -f lavfi -i sine=sample_rate=22050:duration=1 -c:a mp2" : "") +
                    " -c:v mpeg4 -pix_fmt yuv420p -vf 'scale=trunc(iw/2)*2:trunc(ih/2)*2' '" + file + "'";
                if (std::system(command.c_str()) != 0) {
                    std::cerr << "ffmpeg could not generate " << file << "\n";
                    std::exit(1);
                }
                Files.push_back(file);
            }
        }
    }
    ~TBenchMedia() { fs::remove_all(Folder); }

    std::string Folder;
    std::vector<std::string> Files;
};

const TBenchMedia& Media()
{
    static const TBenchMedia media;
    return media;
}

void BM_InProcessAnalysis(benchmark::State& state)
{
    for (auto _ : state) {
        for (const std::string& file : Media().Files) {
            TVideoFileInfo info;
            GetMediaInfoFileInfo(file, MediaInfoLibrary, info);
            benchmark::DoNotOptimize(info.MediaInfoFull);
        }
    }
}

void BM_MediainfoCommand(benchmark::State& state)
{
    for (auto _ : state) {
        for (const std::string& file : Media().Files) {
            benchmark::DoNotOptimize(ReadToolOutput(MediaInfoCommand, {file}));
        }
    }
}

BENCHMARK(BM_InProcessAnalysis)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MediainfoCommand)->Unit(benchmark::kMillisecond);

// The console report, plus the ratio of the command's time to ours.
class TRatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            Times[run.benchmark_name()] = run.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        const double ours = Times["BM_InProcessAnalysis"];
        const double command = Times["BM_MediainfoCommand"];
        if (ours > 0 && command > 0) {
            std::cout << "20 files: in process " << ours << " ms, mediainfo command " << command
                      << " ms; the command takes " << command / ours << " times as long\n";
        }
    }

private:
    std::map<std::string, double> Times;
};

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    Media(); // generate the files before any timing
    TRatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
