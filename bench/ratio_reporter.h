#pragma once

// The console report of a benchmark program, followed by one line per pair of benchmarks compared:
// "<what>: <first> 5.2 ms, <second> 0.5 ms, ratio 10.4<note>". Repeated runs count by their median, which
// one disturbed repetition does not move.

#include <QApplication>

#include <benchmark/benchmark.h>

#include <iostream>
#include <map>
#include <string>
#include <vector>

struct TRatio
{
    std::string what;
    std::string firstBenchmark, firstLabel;
    std::string secondBenchmark, secondLabel;
    std::string note;
};

class TRatioReporter : public benchmark::ConsoleReporter
{
public:
    explicit TRatioReporter(std::vector<TRatio> ratios) : ratios_(std::move(ratios)) {}

    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration || run.aggregate_name == "median")
                times_[run.run_name.function_name] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        for (const TRatio& ratio : ratios_) {
            const double first = times_[ratio.firstBenchmark];
            const double second = times_[ratio.secondBenchmark];
            if (first > 0 && second > 0)
                std::cout << ratio.what << ": " << ratio.firstLabel << " " << first << " ms, "
                          << ratio.secondLabel << " " << second << " ms, ratio " << first / second
                          << ratio.note << "\n";
        }
    }

private:
    std::vector<TRatio> ratios_;
    std::map<std::string, double> times_;
};

// Runs the benchmarks asked for on the command line with an offscreen Qt application, then the ratios.
inline int RunBenchmarksWithRatios(int argc, char** argv, std::vector<TRatio> ratios)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    TRatioReporter reporter(std::move(ratios));
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
