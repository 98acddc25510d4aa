// The rule explorer's gallery: 6 x 6 candidates, each 100 generations on a 100 x 100 array of
// four states under a weighted, state-valued neighbourhood on the torus, with the dull filter's
// replacements, on every core. In the same run, the baseline: the 3,600 generations a gallery
// of lively candidates costs at the least, one after the other on one thread. Each gallery
// draws from a seed of its own, so the mix of dull candidates varies as it does for a person.
// A second gallery grows from the Standard figure under the default neighbourhood in the plane,
// where most candidates are dull: the replacements' cost. After the table:
//   explore: 23 ms for 36 candidates (baseline 3600 generations on one thread: 14 ms; ...)
//   explore from the Standard figure: 30 ms for 36 candidates (80.2 candidates run per gallery)
// Times are wall-clock medians: what the person waits for.

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

#include <unistd.h>

namespace vellicor {
namespace {

constexpr int kSide = 100;
constexpr int kGallery = 36;
constexpr int32_t kGenerations = 100;

Automaton Start()
{
    Automaton a;
    a.wMaxHor = a.wMaxVer = kSide + 1;
    a.iGeometryMode = 1;
    a.bHomogeneousMode = 0;
    const int32_t weights[3][3] = {{1, 2, 1}, {2, 0, 2}, {1, 2, 1}};
    std::copy(&weights[0][0], &weights[0][0] + 9, &a.iNeighbours[0][0]);
    ResetRun(a);
    uint32_t seed = 11;
    for (int x = 1; x <= kSide; ++x)
        for (int y = 1; y <= kSide; ++y) {
            seed = seed * 1664525u + 1013904223u;
            a.byArray[x][y] = static_cast<uint8_t>(seed >> 30);
        }
    ApplyGeometry(a);
    return a;
}

// The figure of Initialize / Standard in the middle of the same array, default rules.
Automaton StandardFigure()
{
    Automaton a;
    a.wMaxHor = a.wMaxVer = kSide + 1;
    ResetRun(a);
    const int c = (kSide + 1) / 2;
    a.byArray[c - 1][c] = a.byArray[c][c] = a.byArray[c + 1][c] = a.byArray[c][c + 1] = 1;
    return a;
}

void Gallery(benchmark::State& state, Automaton (*make)())
{
    const Automaton start = make();
    uint64_t seed = 1;
    int64_t attempts = 0;
    int64_t dull = 0;
    for (auto _ : state) {
        const std::vector<SlotResult> results =
            ExploreAll(start, ExplorePlan{CandidateKind::New, seed++, 4, {}, {}}, kGenerations, kGallery);
        for (const SlotResult& r : results) {
            attempts += r.attempts;
            dull += r.dull ? 1 : 0;
        }
    }
    state.counters["candidates"] = benchmark::Counter(double(attempts) / double(state.iterations()));
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

class MedianReporter : public benchmark::ConsoleReporter {
public:
    MedianReporter() : ConsoleReporter(isatty(fileno(stdout)) != 0 ? OO_ColorTabular : OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && !run.error_occurred) {
                const double ms = run.GetAdjustedRealTime() * 1e3 / benchmark::GetTimeUnitMultiplier(run.time_unit);
                times_[run.run_name.function_name].push_back(ms);
                const auto found = run.counters.find("candidates");
                if (found != run.counters.end())
                    candidates_[run.run_name.function_name].push_back(found->second.value);
            }
        ConsoleReporter::ReportRuns(runs);
    }

    static double Median(std::vector<double> v)
    {
        if (v.empty())
            return -1.0;
        std::sort(v.begin(), v.end());
        return v.size() % 2 == 1 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2.0;
    }
    double MedianMs(const std::string& name) const
    {
        const auto found = times_.find(name);
        return found == times_.end() ? -1.0 : Median(found->second);
    }
    double MedianCandidates(const std::string& name) const
    {
        const auto found = candidates_.find(name);
        return found == candidates_.end() ? -1.0 : Median(found->second);
    }

private:
    std::map<std::string, std::vector<double>> times_;
    std::map<std::string, std::vector<double>> candidates_;
};

} // namespace
} // namespace vellicor

int main(int argc, char** argv)
{
    using namespace vellicor;
    benchmark::RegisterBenchmark("explore/gallery-6x6", Gallery, &Start)->Unit(benchmark::kMillisecond)->UseRealTime();
    benchmark::RegisterBenchmark("explore/gallery-6x6-standard-figure", Gallery, &StandardFigure)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("explore/baseline-3600-generations", Baseline)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const double gallery = reporter.MedianMs("explore/gallery-6x6");
    const double baseline = reporter.MedianMs("explore/baseline-3600-generations");
    if (gallery < 0.0)
        return 0;
    double load[1] = {-1.0};
    getloadavg(load, 1);
    std::printf("explore: %.0f ms for %d candidates (baseline %d generations on one thread: %.1f ms; "
                "%.1f candidates run per gallery; %u cores, load %.2f)\n",
                gallery, kGallery, kGallery * kGenerations, baseline,
                reporter.MedianCandidates("explore/gallery-6x6"), std::thread::hardware_concurrency(), load[0]);
    const double standard = reporter.MedianMs("explore/gallery-6x6-standard-figure");
    if (standard >= 0.0)
        std::printf("explore from the Standard figure: %.0f ms for %d candidates (%.1f candidates run per gallery)\n",
                    standard, kGallery, reporter.MedianCandidates("explore/gallery-6x6-standard-figure"));
    return gallery <= 100.0 ? 0 : 1;
}
