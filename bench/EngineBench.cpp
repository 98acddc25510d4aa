// Whole generation steps on a 100 x 100 random soup, the optimised step and the reference step
// of each case in the same run. After the table, one line per case:
//   life-plane: 0.42 ns/cell, 31.5x reference
// ns/cell is the CPU time of one optimised step over its 10,000 cell updates: on a shared
// machine the thread's own time says more than the wall clock, which counts time spent
// waiting for a core. With --benchmark_repetitions the median repetition is used.

#include "bench/BenchSupport.h"
#include "engine/Step.h"

#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace vellicor {
namespace {

constexpr int kSide = 101; // 100 live cells per side
constexpr double kCellsPerStep = 100.0 * 100.0;

void FillSoup(Automaton& a, int states, unsigned seed)
{
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> state(0, states - 1);
    for (int x = 1; x < kSide; ++x)
        for (int y = 1; y < kSide; ++y)
            a.byArray[x][y] = static_cast<uint8_t>(state(rng));
    ApplyGeometry(a);
}

Automaton Prepared(Automaton a)
{
    a.wMaxHor = kSide;
    a.wMaxVer = kSide;
    a.iIterLimit = INT32_MAX; // no step is refused
    ResetRun(a);
    return a;
}

// The Life rule of a fresh automaton: homogeneous, plane.
Automaton LifePlane()
{
    Automaton a = Prepared(Automaton{});
    FillSoup(a, 2, 1);
    return a;
}

// The weighted sixteen-state rule on the torus.
Automaton SixteenTorus()
{
    Automaton a = Prepared(WeightedSixteenStateTorus());
    FillSoup(a, kStateCount, 2);
    return a;
}

struct Case {
    const char* name;
    Automaton (*make)();
};

const Case kCases[] = {{"life-plane", &LifePlane}, {"sixteen-torus", &SixteenTorus}};

void TimeSteps(benchmark::State& state, Automaton (*make)(), int (*step)(Automaton&))
{
    Automaton a = make();
    for (auto _ : state) {
        benchmark::DoNotOptimize(step(a));
        benchmark::ClobberMemory();
    }
}

// The console table as usual, and the CPU time per step of every iteration run kept by name.
class SummaryReporter : public TableReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration || run.error_occurred)
                continue;
            const double nanoseconds = run.GetAdjustedCPUTime() * 1e9 / benchmark::GetTimeUnitMultiplier(run.time_unit);
            stepTimes_[run.run_name.function_name].push_back(nanoseconds);
        }
        ConsoleReporter::ReportRuns(runs);
    }

    // The median step time of a benchmark, or a negative value when it did not run.
    double MedianStep(const std::string& name) const
    {
        const auto found = stepTimes_.find(name);
        return found == stepTimes_.end() ? -1.0 : Median(found->second);
    }

private:
    std::map<std::string, std::vector<double>> stepTimes_;
};

} // namespace
} // namespace vellicor

int main(int argc, char** argv)
{
    using namespace vellicor;
    for (const Case& c : kCases) {
        benchmark::RegisterBenchmark((std::string(c.name) + "/optimised").c_str(), TimeSteps, c.make,
                                     &ComputeNextGeneration)
            ->Unit(benchmark::kNanosecond);
        benchmark::RegisterBenchmark((std::string(c.name) + "/reference").c_str(), TimeSteps, c.make,
                                     &ComputeNextGenerationReference)
            ->Unit(benchmark::kMicrosecond);
    }
    SummaryReporter reporter;
    if (!RunBenchmarks(argc, argv, reporter))
        return 1;

    for (const Case& c : kCases) {
        const double optimised = reporter.MedianStep(std::string(c.name) + "/optimised");
        const double reference = reporter.MedianStep(std::string(c.name) + "/reference");
        if (optimised <= 0.0 || reference <= 0.0)
            continue; // filtered out
        std::printf("%s: %.2f ns/cell, %.1fx reference\n", c.name, optimised / kCellsPerStep, reference / optimised);
    }
    return 0;
}
