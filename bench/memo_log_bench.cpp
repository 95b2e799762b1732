// Records added to the error log's memo, shown offscreen as the log shows it (read-only, wrapped to its
// width, coloured by the log's styler): 1,000 lines added one at a time to a log that holds 1,000 lines, and
// the same to a log that holds 100,000. Each added line is wrapped, measured for the longest line and
// counted in the scroll bar; the goal is that a line costs the same however long the log is (ratio at most
// 1.5), which no scan of all lines per change allows.

#include "log_memo_window.h"
#include "ratio_reporter.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

constexpr int Added = 1000;

class TLogWindow
{
public:
    explicit TLogWindow(int lines) : window_(true)
    {
        Fill(lines);
        Application->ProcessMessages();
    }

    void Fill(int lines)
    {
        const std::vector<std::string>& record = RecordLines();
        for (int i = 0; i < lines; ++i)
            Memo().Lines()->Add(record[static_cast<size_t>(i) % record.size()]);
    }
    // Takes the rows added since count back off, so that every run starts from the same log.
    void TrimTo(int rows)
    {
        while (Memo().Lines()->Count() > rows)
            Memo().Lines()->Delete(Memo().Lines()->Count() - 1);
        Memo().ClearUndoList();
    }
    TVezMemo& Memo() { return window_.Memo(); }

private:
    TLogMemoWindow window_;
};

void AddToLog(benchmark::State& state, int held)
{
    TLogWindow window(held);
    const int rows = window.Memo().Lines()->Count();
    for (auto _ : state) {
        window.Fill(Added);
        Application->ProcessMessages(); // the log repaints as records arrive
        state.PauseTiming();
        window.TrimTo(rows);
        Application->ProcessMessages();
        state.ResumeTiming();
    }
    state.counters["lines"] = benchmark::Counter(Added, benchmark::Counter::kIsIterationInvariantRate);
}

void BM_AddToLogOf1k(benchmark::State& state)
{
    AddToLog(state, 1000);
}

void BM_AddToLogOf100k(benchmark::State& state)
{
    AddToLog(state, 100000);
}

BENCHMARK(BM_AddToLogOf1k)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AddToLogOf100k)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return RunBenchmarksWithRatios(
        argc, argv,
        {{"1,000 lines added to a log of 100,000 against one of 1,000", "BM_AddToLogOf100k", "100,000 held",
          "BM_AddToLogOf1k", "1,000 held", " (goal <= 1.5)"}});
}
