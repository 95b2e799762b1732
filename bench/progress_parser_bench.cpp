// The progress window's line handler over a run's output of 100 and of 100,000 lines: the time per line
// must not grow with the length of the output. The output is what the console runner makes of an
// encoder's: report lines added, progress lines rewriting the last line, now and then a warning.

#include "engine/abort_control.h"
#include "engine/progress_monitor.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

// A host whose memo keeps the lines it is told are unchanged, as the real one does.
class TBenchHost : public IRunHost, public IErrorLogSink
{
public:
    void DisableAll() override {}
    void EnableAll() override {}
    void SetApplicationTitle(const std::string& title) override { Title = title; }
    void CloseMainWindow() override {}
    bool PowerOff() override { return false; }
    void ProcessMessages() override {}
    void ShowWarning(const std::string&) override {}
    void ShowError(const std::string&) override {}
    bool AskYesNo(const std::string&) override { return false; }
    IErrorLogSink& ErrorLog() override { return *this; }
    void Clear() override {}
    void Add(const std::string&) override {}
    void SetErrorWindowCaption(const std::string&) override {}
    void ShowErrorWindow() override {}
    void ShowProgressWindow() override {}
    void SetProgressCaption(const std::string& caption) override { Caption = caption; }
    void SetAbortCaption(const std::string&) override {}
    void SetProgressBarVisible(bool) override {}
    void SetProgressPosition(int position) override { Position = position; }
    void SetInputFileText(const std::string&) override {}
    void SetOutputFileMarkup(const std::string&) override {}
    void SetStatusMarkup(const std::string& markup) override { Status = markup; }
    void SetStatusColor(TColor) override {}
    bool IsEncoderOutputHidden() override { return false; }
    void ShowMemoLines(const std::vector<std::string>& lines, size_t firstChanged) override
    {
        Memo.resize(std::min(firstChanged, Memo.size()));
        Memo.insert(Memo.end(), lines.begin() + static_cast<std::ptrdiff_t>(Memo.size()), lines.end());
    }
    void ShowMemoText(const std::string& text) override { Memo = {text}; }
    void ScrollMemoToBottom() override {}
    void ConversionFinished() override {}

    std::string Title, Caption, Status;
    int Position = 0;
    std::vector<std::string> Memo;
};

void BM_ConevPerLine(benchmark::State& state)
{
    const int lineCount = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        TBenchHost host;
        TAbortControl abort(host);
        std::vector<std::string> output;
        TProgressContext context{1, 1, false, false, 0, static_cast<uint32_t>(lineCount), true};
        TAppStrings strings;
        TProgressMonitor monitor(host, abort, output, context, strings);
        state.ResumeTiming();
        for (int i = 0; i < lineCount; ++i) {
            if (i % 4 == 0)
                output.push_back("[h264 @ 0x5581] Stream #0:" + std::to_string(i) +
                                 " non-existing PPS referenced");
            else if (i % 4 == 1)
                output.push_back("frame=" + std::to_string(i) + " fps=25 q=2.0 size=    " +
                                 std::to_string(i) + "kB time=00:00:01.00 bitrate= 800kbits/s speed=1.5x");
            else
                output.back() = "frame=" + std::to_string(i) + " fps=25 q=2.0 size=    " + std::to_string(i) +
                                "kB time=00:00:01.00 bitrate= 800kbits/s speed=1.5x";
            monitor.conev(1, output.back());
        }
        benchmark::DoNotOptimize(host.Status);
    }
    state.SetItemsProcessed(state.iterations() * lineCount);
    state.counters["time_per_line"] =
        benchmark::Counter(static_cast<double>(state.iterations() * lineCount),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

} // namespace

BENCHMARK(BM_ConevPerLine)->Arg(100)->Arg(100000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
