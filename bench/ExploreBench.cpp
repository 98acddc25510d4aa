// The rule explorer's gallery: 6 x 6 candidates of four states, each 100 generations on a
// 100 x 100 array from a random start (half the cells in state 1, as Random gives them) under the
// default neighbourhood in the plane, with the dull filter's replacements (noise among them), on
// every core. In the same run, the baseline: the 3,600 generations a gallery of lively candidates
// costs at the least, one after the other on one thread. Each gallery draws from a seed of its
// own, so the mix of dull candidates varies as it does for a person. A second gallery grows the
// same start under a weighted neighbourhood without the homogeneous mode, where nearly every
// candidate is noise and most places try all kExploreAttempts: the replacements' worst cost.
// After the table:
//   explore: 23 ms for 36 candidates (359.5 runs per gallery; baseline 3600 generations on one thread: ...)
//   explore under a weighted neighbourhood: 125 ms for 36 candidates (1607.0 runs per gallery)
// Times are wall-clock medians: what the person waits for.

#include "bench/BenchSupport.h"
#include "content/Initialisation.h"
#include "engine/Processing.h"
#include "engine/Rules.h"
#include "explore/Exploration.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <thread>
#include <vector>

namespace vellicor {
namespace {

constexpr int kSide = 100;
constexpr int kGallery = 36;
constexpr int32_t kGenerations = 100;

Automaton Start()
{
    Automaton a;
    a.wMaxHor = a.wMaxVer = kSide + 1;
    ResetRun(a);
    Content content;
    ResetRandomCounts(content, a);
    InitRandom(a, content, 11);
    return a;
}

Automaton WeightedStart()
{
    Automaton a = Start();
    a.bHomogeneousMode = 0;
    const int32_t weights[3][3] = {{1, 2, 1}, {2, 0, 2}, {1, 2, 1}};
    std::copy(&weights[0][0], &weights[0][0] + 9, &a.iNeighbours[0][0]);
    return a;
}

void Gallery(benchmark::State& state, Automaton (*make)())
{
    const Automaton start = make();
    uint64_t seed = 1;
    int64_t runs = 0;
    int64_t dull = 0;
    for (auto _ : state) {
        const std::vector<SlotResult> results =
            ExploreAll(start, ExplorePlan{CandidateKind::New, seed++, 4, {}, {}}, kGenerations, kGallery);
        for (const SlotResult& r : results) {
            // A marked place runs its best attempt a second time, to the end.
            const bool marked = r.mark != SlotMark::None;
            runs += r.attempts + (marked ? 1 : 0);
            dull += marked ? 1 : 0;
        }
    }
    state.counters["runs"] = benchmark::Counter(double(runs) / double(state.iterations()));
    state.counters["marked-dull"] = benchmark::Counter(double(dull) / double(state.iterations()));
}

void Baseline(benchmark::State& state)
{
    const Automaton start = Start();
    for (auto _ : state) {
        for (int i = 0; i < kGallery; ++i) {
            Automaton a = start;
            a.iIterLimit = 0;
            RunSteps(a, kGenerations);
            benchmark::DoNotOptimize(a.byArray[1][1]);
        }
    }
}

class MedianReporter : public TableReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && !run.error_occurred) {
                const double ms = run.GetAdjustedRealTime() * 1e3 / benchmark::GetTimeUnitMultiplier(run.time_unit);
                times_[run.run_name.function_name].push_back(ms);
                const auto found = run.counters.find("runs");
                if (found != run.counters.end())
                    runs_[run.run_name.function_name].push_back(found->second.value);
            }
        ConsoleReporter::ReportRuns(runs);
    }

    double MedianMs(const std::string& name) const
    {
        const auto found = times_.find(name);
        return found == times_.end() ? -1.0 : Median(found->second);
    }
    double MedianRuns(const std::string& name) const
    {
        const auto found = runs_.find(name);
        return found == runs_.end() ? -1.0 : Median(found->second);
    }

private:
    std::map<std::string, std::vector<double>> times_;
    std::map<std::string, std::vector<double>> runs_;
};

} // namespace
} // namespace vellicor

int main(int argc, char** argv)
{
    using namespace vellicor;
    benchmark::RegisterBenchmark("explore/gallery-6x6", Gallery, &Start)->Unit(benchmark::kMillisecond)->UseRealTime();
    benchmark::RegisterBenchmark("explore/gallery-6x6-weighted", Gallery, &WeightedStart)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("explore/baseline-3600-generations", Baseline)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    MedianReporter reporter;
    if (!RunBenchmarks(argc, argv, reporter))
        return 1;

    const double gallery = reporter.MedianMs("explore/gallery-6x6");
    const double baseline = reporter.MedianMs("explore/baseline-3600-generations");
    if (gallery < 0.0)
        return 0;
    double load[1] = {-1.0};
    getloadavg(load, 1);
    std::printf("explore: %.0f ms for %d candidates (%.1f runs per gallery; baseline %d generations on one thread: "
                "%.1f ms; %u cores, load %.2f)\n",
                gallery, kGallery, reporter.MedianRuns("explore/gallery-6x6"), kGallery * kGenerations, baseline,
                std::thread::hardware_concurrency(), load[0]);
    const double weighted = reporter.MedianMs("explore/gallery-6x6-weighted");
    if (weighted >= 0.0)
        std::printf("explore under a weighted neighbourhood: %.0f ms for %d candidates (%.1f runs per gallery)\n",
                    weighted, kGallery, reporter.MedianRuns("explore/gallery-6x6-weighted"));
    return gallery <= 100.0 ? 0 : 1;
}
