// Adding files to the program's file list through the Add folder command. Measured: the time per file of a
// folder of 100 files against one of 10,000 (analysis off; goal: at most 1.2), adding real clips with the
// MediaInfo analysis against that analysis alone on the same files (goal: at most 1.1; the same clips added
// without analysis show what the list itself costs), and the memory a listed file takes with 10,000 files
// listed (printed). The ratio lines print the per-file times in microseconds under the name "ms".

#include "app/main/file_adding.h"
#include "app/main/file_list_view.h"
#include "engine/app_params.h"
#include "engine/mediainfo_analysis.h"
#include "platform/gui/forms/application.h"
#include "platform/gui/forms/forms.h"
#include "ratio_reporter.h"

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr int kClips = 20;

size_t HeapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

// Folders of empty media files and of real clips, made once and removed at exit.
class TBenchFolders
{
public:
    TBenchFolders()
    {
        std::string pattern = (fs::temp_directory_path() / "qm_file_list_bench_XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr)
            std::abort();
        root = pattern;
        MakeEmptyFiles("f100", 100);
        MakeEmptyFiles("f10000", 10000);
        MakeClips();
    }
    ~TBenchFolders() { fs::remove_all(root); }
    std::string Folder(const std::string& name) const { return (root / name).string(); }
    std::vector<std::string> clips;

private:
    void MakeEmptyFiles(const std::string& name, int count)
    {
        fs::create_directories(root / name);
        for (int i = 0; i < count; ++i)
            std::ofstream(root / name / ("clip " + std::to_string(100000 + i) + ".mkv"));
    }
    void MakeClips()
    {
        fs::create_directories(root / "clips");
        const fs::path first = root / "clips" / "clip00.mkv";
        const std::string command =
            "ffmpeg -v error -y -f lavfi -i testsrc=size=64x48:rate=25:duration=1 -f lavfi "
            "-i sine=duration=1 -c:v mpeg4 -c:a mp2 -shortest '" +
            first.string() + "'";
        if (std::system(command.c_str()) != 0)
            std::abort();
        clips.push_back(first.string());
        for (int i = 1; i < kClips; ++i) {
            const fs::path copy = root / "clips" / ("clip" + std::to_string(10 + i) + ".mkv");
            fs::copy_file(first, copy);
            clips.push_back(copy.string());
        }
    }
    fs::path root;
};

const TBenchFolders& Folders()
{
    static const TBenchFolders folders;
    return folders;
}

// The main window's file list on a shown form, with adding files over it.
struct TListSide
{
    explicit TListSide(TFileAnalysis mode) : form(new TForm(Application))
    {
        form->SetBounds(0, 0, 1000, 600);
        view = std::make_unique<TFileListView>(form, form);
        TFileAddingCallbacks callbacks;
        callbacks.ProcessMessages = [] { Application->ProcessMessages(); };
        callbacks.ChooseFolder = [this](const std::string&) { return std::optional(chosenFolder); };
        adding = std::make_unique<TFileAdding>(*view, form, callbacks);
        adding->AnalysisMode = [mode] { return mode; };
        form->Show();
        Application->ProcessMessages();
    }
    ~TListSide()
    {
        adding.reset();
        view.reset();
        form->Free();
    }
    void AddFolder(const std::string& folder)
    {
        chosenFolder = folder;
        adding->AddFolder();
    }
    TForm* form;
    std::unique_ptr<TFileListView> view;
    std::unique_ptr<TFileAdding> adding;
    std::string chosenFolder; // what the folder dialog answers
};

// The time of adding the folder's files, reported per file.
void AddFolderPerFile(benchmark::State& state, const std::string& folder, int files)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto list = std::make_unique<TListSide>(faNone);
        state.ResumeTiming();
        const auto start = std::chrono::steady_clock::now();
        list->AddFolder(folder);
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        state.SetIterationTime(seconds / files);
        if (list->view->RowCount() != files)
            state.SkipWithError("files were not added");
        state.PauseTiming();
        list.reset();
        state.ResumeTiming();
    }
}

void BM_AddFolderOf100(benchmark::State& state)
{
    AddFolderPerFile(state, Folders().Folder("f100"), 100);
}

void BM_AddFolderOf10000(benchmark::State& state)
{
    AddFolderPerFile(state, Folders().Folder("f10000"), 10000);
}

void AddClips(benchmark::State& state, TFileAnalysis mode)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto list = std::make_unique<TListSide>(mode);
        state.ResumeTiming();
        list->AddFolder(Folders().Folder("clips"));
        state.PauseTiming();
        if (list->view->RowCount() != kClips)
            state.SkipWithError("clips were not added");
        list.reset();
        state.ResumeTiming();
    }
}

void BM_AddClipsWithMediaInfo(benchmark::State& state)
{
    AddClips(state, faQuick);
}

void BM_AddClipsWithoutAnalysis(benchmark::State& state)
{
    AddClips(state, faNone);
}

void BM_MediaInfoAlone(benchmark::State& state)
{
    for (auto _ : state) {
        for (const std::string& clip : Folders().clips) {
            TVideoFileInfo info;
            ClearVideoFileInfo(info);
            GetMediaInfoFileInfo(clip, AppParams.MediaInfoDll, info);
            benchmark::DoNotOptimize(info.Duration);
        }
    }
}

// The heap a listed file takes, with 10,000 listed.
void BM_MemoryOf10000Rows(benchmark::State& state)
{
    for (auto _ : state) {
        TListSide list(faNone);
        const size_t before = HeapInUse();
        list.AddFolder(Folders().Folder("f10000"));
        const size_t after = HeapInUse();
        state.counters["bytes_per_row"] = static_cast<double>(after - before) / list.view->RowCount();
    }
}

BENCHMARK(BM_AddFolderOf100)->UseManualTime()->Unit(benchmark::kMicrosecond)->Iterations(20);
BENCHMARK(BM_AddFolderOf10000)->UseManualTime()->Unit(benchmark::kMicrosecond)->Iterations(3);
BENCHMARK(BM_AddClipsWithMediaInfo)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_AddClipsWithoutAnalysis)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_MediaInfoAlone)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_MemoryOf10000Rows)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char** argv)
{
    AppParams.MediaInfoDll = MediaInfoLibraryFileName;
    // The folders are made, and the library loaded once, before anything is timed.
    TVideoFileInfo warmUp;
    GetMediaInfoFileInfo(Folders().clips.front(), AppParams.MediaInfoDll, warmUp);
    return RunBenchmarksWithRatios(
        argc, argv,
        {{"time per file, a folder of 10,000 against one of 100 (goal at most 1.2)", "BM_AddFolderOf10000",
          "10,000", "BM_AddFolderOf100", "100", ""},
         {"20 clips added with MediaInfo against the analysis alone (goal at most 1.1)",
          "BM_AddClipsWithMediaInfo", "added", "BM_MediaInfoAlone", "analysis", ""}});
}
