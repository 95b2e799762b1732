// The progress window's line handler over a run's output of 100 and of 100,000 lines: the time per line
// must not grow with the length of the output. The output is what the console runner makes of an
// encoder's: report lines added, progress lines rewriting the last line, now and then a warning. The lines
// are made before the timing starts: only handing them over and handling them is timed.

#include "bench_run_host.h"
#include "engine/abort_control.h"
#include "engine/progress_monitor.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

// One step of the output: a line added, or the last line rewritten by a progress line.
struct TOutputStep
{
    bool Adds;
    std::string Line;
};

std::vector<TOutputStep> OutputSteps(int lineCount)
{
    std::vector<TOutputStep> steps;
    for (int i = 0; i < lineCount; ++i) {
        const std::string progress = "frame=" + std::to_string(i) +
                                     " fps=25 q=2.0 size=    " + std::to_string(i) +
                                     "kB time=00:00:01.00 bitrate= 800kbits/s speed=1.5x";
        if (i % 4 == 0)
            steps.push_back(
                {true, "[h264 @ 0x5581] Stream #0:" + std::to_string(i) + " non-existing PPS referenced"});
        else
            steps.push_back({i % 4 == 1, progress});
    }
    return steps;
}

void BM_ConevPerLine(benchmark::State& state)
{
    const int lineCount = static_cast<int>(state.range(0));
    const std::vector<TOutputStep> prepared = OutputSteps(lineCount);
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<TOutputStep> steps = prepared; // moved into the output below
        TBenchHost host;
        TAbortControl abort(host);
        std::vector<std::string> output;
        output.reserve(steps.size());
        TProgressContext context{1, 1, false, false, 0, static_cast<uint32_t>(lineCount), true};
        TAppStrings strings;
        TProgressMonitor monitor(host, abort, output, context, strings);
        state.ResumeTiming();
        for (TOutputStep& step : steps) {
            if (step.Adds)
                output.push_back(std::move(step.Line));
            else
                output.back() = std::move(step.Line);
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
