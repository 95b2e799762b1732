// What following a conversion costs the program beside what the encoder spends: a generated clip
// converted by the real run, shown in the real progress window (offscreen, painting included). The
// program's processor time while the encoder runs (from its first output line to the end of the run)
// against the encoder's (the children's time); the goal is at most 1 %.

#include "bench_run_host.h"
#include "engine/app_params.h"
#include "engine/conversion_run.h"
#include "engine/forms/form_progress.h"
#include "engine/run_state.h"
#include "platform/gui/forms/application.h"
#include "platform/gui/standard/stdctrls_buttons.h"
#include "ratio_reporter.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <stdlib.h>
#include <sys/resource.h>

namespace fs = std::filesystem;

namespace {

double CpuMs(int who)
{
    rusage usage{};
    getrusage(who, &usage);
    const auto ms = [](const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// The main window's run host as far as the progress window goes: the progress calls go to the window, the
// messages are handled; the encoder phase starts at the first output shown.
class TWindowHost : public TBenchHost
{
public:
    explicit TWindowHost(TFormProgress& form) : Form(form) {}

    void ProcessMessages() override { Application->ProcessMessages(); }
    void ShowProgressWindow() override { Form.ShowProgressWindow(); }
    void SetProgressCaption(const std::string& caption) override { Form.SetProgressCaption(caption); }
    void SetAbortCaption(const std::string& caption) override { Form.SetAbortCaption(caption); }
    void SetProgressBarVisible(bool visible) override { Form.SetProgressBarVisible(visible); }
    void SetProgressPosition(int position) override
    {
        if (position > 0 && ProgressPhaseStart < 0)
            ProgressPhaseStart = CpuMs(RUSAGE_SELF);
        if (position == 100 && ProgressPhaseEnd < 0)
            ProgressPhaseEnd = CpuMs(RUSAGE_SELF);
        if (position > 0)
            ++ProgressLines;
        Form.SetProgressPosition(position);
    }
    void SetInputFileText(const std::string& text) override { Form.SetInputFileText(text); }
    void SetOutputFileMarkup(const std::string& markup) override { Form.SetOutputFileMarkup(markup); }
    void SetStatusMarkup(const std::string& markup) override { Form.SetStatusMarkup(markup); }
    void SetStatusColor(TColor color) override { Form.SetStatusColor(color); }
    bool IsEncoderOutputHidden() override { return Form.IsEncoderOutputHidden(); }
    void ShowMemoLines(const std::vector<std::string>& lines, size_t firstChanged) override
    {
        if (EncoderPhaseStart < 0)
            EncoderPhaseStart = CpuMs(RUSAGE_SELF);
        ++MemoUpdates;
        Form.ShowMemoLines(lines, firstChanged);
    }
    void ShowMemoText(const std::string& text) override { Form.ShowMemoText(text); }
    void ScrollMemoToBottom() override { Form.ScrollMemoToBottom(); }
    void ConversionFinished() override { Form.ConversionFinished(); }

    TFormProgress& Form;
    double EncoderPhaseStart = -1;  // the first output line
    double ProgressPhaseStart = -1; // the first percentage (the encoder's banner is shown)
    double ProgressPhaseEnd = -1;   // 100 %
    int MemoUpdates = 0;
    int ProgressLines = 0;
};

// The same run with nothing shown: the run's own share (its message handling and parsing) without the
// window's.
class TWindowlessHost : public TBenchHost
{
public:
    explicit TWindowlessHost(TFormProgress&) {}

    void ProcessMessages() override { Application->ProcessMessages(); }
    void SetProgressPosition(int position) override
    {
        if (position > 0 && ProgressPhaseStart < 0)
            ProgressPhaseStart = CpuMs(RUSAGE_SELF);
        if (position == 100 && ProgressPhaseEnd < 0)
            ProgressPhaseEnd = CpuMs(RUSAGE_SELF);
        if (position > 0)
            ++ProgressLines;
    }
    void ShowMemoLines(const std::vector<std::string>& lines, size_t firstChanged) override
    {
        if (EncoderPhaseStart < 0)
            EncoderPhaseStart = CpuMs(RUSAGE_SELF);
        ++MemoUpdates;
        TBenchHost::ShowMemoLines(lines, firstChanged);
    }

    double EncoderPhaseStart = -1, ProgressPhaseStart = -1, ProgressPhaseEnd = -1;
    int MemoUpdates = 0;
    int ProgressLines = 0;
};

class TFileListOfOne : public IFileList
{
public:
    explicit TFileListOfOne(std::string file) : File(std::move(file)) {}
    int32_t RowCount() const override { return 1; }
    bool IsChecked(int32_t) const override { return true; }
    std::string FullFileName(int32_t) const override { return File; }
    void SetStatus(int32_t, const std::string& text) override { Status = text; }

    std::string File, Status;
};

// 60 s of 1280x720 video at 25 fps with a tone: a conversion of some seconds, as real ones take minutes.
std::string GenerateClip(const std::string& folder)
{
    const std::string path = folder + "/clip.mkv";
    const std::string command =
        "ffmpeg -nostdin -hide_banner -loglevel error -y -f lavfi -i "
        "testsrc=size=1280x720:rate=25:duration=60 "
        "-f lavfi -i sine=frequency=440:sample_rate=44100:duration=60 -c:v mpeg4 -q:v 3 -c:a mp2 '" +
        path + "'";
    if (std::system(command.c_str()) != 0)
        throw std::runtime_error("ffmpeg could not generate the clip");
    return path;
}

template <typename THost> void ConvertFollowedBy(benchmark::State& state)
{
    std::string pattern = (fs::temp_directory_path() / "qm_cpu_bench_XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a folder");
    const std::string folder = pattern;
    const std::string clip = GenerateClip(folder);
    InitAppParams(AppParams, folder + "/program/quillmark");
    AppParams.ffmpeg = "/usr/bin/ffmpeg";
    AppParams.MediaInfoDll = "libmediainfo.so.0";
    AppParams.ScrollProgressToBottom = true;
    AppParams.MonospaceFont = {"DejaVu Sans Mono", 9};
    TWindowLooks looks;
    looks.MonospaceFont = AppParams.MonospaceFont;
    auto* form = new TFormProgress(nullptr, looks);
    form->chCloseAfterConversion->SetChecked(false);
    EncoderSettings settings = DefaultEncoderSettings(0);
    RunOptions options;
    options.OutDirIsInDir = true;

    double ours = 0, encoder = 0, wholeRun = 0, banner = 0, progress = 0;
    int updates = 0, progressLines = 0;
    for (auto _ : state) {
        fs::remove(fs::path(clip).replace_extension(".avi"));
        THost host(*form);
        TFileListOfOne files(clip);
        TBuilderEnvironment environment = DefaultBuilderEnvironment();
        const double selfBefore = CpuMs(RUSAGE_SELF);
        const double childrenBefore = CpuMs(RUSAGE_CHILDREN);
        TConversionRun run(host, files, settings, options, environment);
        run.Execute();
        const double selfAfter = CpuMs(RUSAGE_SELF);
        encoder += CpuMs(RUSAGE_CHILDREN) - childrenBefore;
        ours += selfAfter - host.EncoderPhaseStart;
        wholeRun += selfAfter - selfBefore;
        updates += host.MemoUpdates;
        banner += host.ProgressPhaseStart - host.EncoderPhaseStart;
        progress += host.ProgressPhaseEnd - host.ProgressPhaseStart;
        progressLines += host.ProgressLines;
        if (files.Status != "Done")
            state.SkipWithError(("the conversion ended with " + files.Status).c_str());
    }
    state.counters["our_ms"] = ours / static_cast<double>(state.iterations());
    state.counters["encoder_ms"] = encoder / static_cast<double>(state.iterations());
    state.counters["our_percent"] = encoder > 0 ? 100.0 * ours / encoder : 0;
    state.counters["whole_run_percent"] = encoder > 0 ? 100.0 * wholeRun / encoder : 0;
    state.counters["banner_ms"] = banner / static_cast<double>(state.iterations());
    state.counters["ms_per_progress_line"] = progressLines > 0 ? progress / progressLines : 0;
    state.counters["output_lines"] = static_cast<double>(updates) / static_cast<double>(state.iterations());
    form->Free();
    fs::remove_all(folder);
}

void BM_ConversionInTheProgressWindow(benchmark::State& state)
{
    ConvertFollowedBy<TWindowHost>(state);
}

void BM_ConversionWithoutAWindow(benchmark::State& state)
{
    ConvertFollowedBy<TWindowlessHost>(state);
}

BENCHMARK(BM_ConversionInTheProgressWindow)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_ConversionWithoutAWindow)->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace

int main(int argc, char** argv)
{
    return RunBenchmarksWithRatios(argc, argv, {});
}
