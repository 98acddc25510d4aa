// The Canvas step on a 1920 x 1080 torus under a weighted sixteen-state rule, on one thread and
// on every core in the same run. After the table, one line per case:
//   canvas: 2100 generations/s at 1920 x 1080 on 1 threads
//   canvas: 4000 generations/s at 1920 x 1080 on 2 threads, 1.90x one thread
// Generations per second of wall time, the median of the repetitions: with threads the wall
// clock is what a person watching the canvas gets.

#include "bench/BenchSupport.h"
#include "content/FieldStarts.h"
#include "engine/CellField.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <thread>
#include <vector>

namespace vellicor {
namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

void Generations(benchmark::State& state, int threads)
{
    CellField field(kWidth, kHeight);
    FillFieldRandom(field, kStateCount, 2);
    field.SetRules(WeightedSixteenStateTorus());
    field.SetThreads(threads);
    field.Step(); // the pool's threads start here, not in the timing
    for (auto _ : state) {
        field.Step();
        benchmark::ClobberMemory();
    }
    state.counters["generations/s"] = benchmark::Counter(static_cast<double>(state.iterations()),
                                                         benchmark::Counter::kIsRate);
}

// The console table, and the median rate of each case.
class RateReporter : public TableReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration || run.error_occurred)
                continue;
            const auto counter = run.counters.find("generations/s");
            if (counter != run.counters.end())
                rates_[run.run_name.function_name].push_back(counter->second.value);
        }
        ConsoleReporter::ReportRuns(runs);
    }

    // The median rate of a case, or 0 when it did not run.
    double MedianRate(const std::string& name) const
    {
        const auto found = rates_.find(name);
        return found == rates_.end() ? -1.0 : Median(found->second);
    }

private:
    std::map<std::string, std::vector<double>> rates_;
};

std::string CaseName(int threads) { return "canvas/" + std::to_string(threads) + "-threads"; }

} // namespace
} // namespace vellicor

int main(int argc, char** argv)
{
    using namespace vellicor;
    const int cores = std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
    std::vector<int> threadCounts{1};
    if (cores > 1)
        threadCounts.push_back(cores);
    for (int threads : threadCounts)
        benchmark::RegisterBenchmark(CaseName(threads).c_str(), Generations, threads)
            ->Unit(benchmark::kMicrosecond)
            ->UseRealTime()
            ->MinTime(1.0)
            ->Repetitions(3);
    RateReporter reporter;
    if (!RunBenchmarks(argc, argv, reporter))
        return 1;

    const double single = reporter.MedianRate(CaseName(1));
    for (int threads : threadCounts) {
        const double rate = reporter.MedianRate(CaseName(threads));
        if (rate <= 0.0)
            continue; // filtered out
        std::printf("canvas: %.0f generations/s at %d x %d on %d threads", rate, kWidth, kHeight, threads);
        if (threads > 1 && single > 0.0)
            std::printf(", %.2fx one thread", rate / single);
        std::printf("\n");
    }
    return 0;
}
