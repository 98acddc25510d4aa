// What the benchmarks share: their console table, the median their summary lines print, the run
// of the registered cases, and the weighted sixteen-state rule two of them time.
#pragma once

#include "engine/Automaton.h"
#include "engine/Rules.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include <unistd.h>

namespace vellicor {

// The console table, in colour only on a terminal: piped, the summary lines start with their names.
class TableReporter : public benchmark::ConsoleReporter {
public:
    TableReporter() : ConsoleReporter(isatty(fileno(stdout)) != 0 ? OO_ColorTabular : OO_Tabular) {}
};

// The median of the samples, the mean of the middle two for an even count; -1 when there are none.
inline double Median(std::vector<double> samples)
{
    if (samples.empty())
        return -1.0;
    std::sort(samples.begin(), samples.end());
    const size_t middle = samples.size() / 2;
    return samples.size() % 2 == 1 ? samples[middle] : (samples[middle - 1] + samples[middle]) / 2.0;
}

// Runs the registered cases the command line selects through reporter; false when the command
// line holds arguments the benchmark library does not know.
inline bool RunBenchmarks(int& argc, char** argv, benchmark::BenchmarkReporter& reporter)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return false;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return true;
}

// Preset 193 with state values summed under weights 1, 2, 3, modulo 7, on the torus.
inline Automaton WeightedSixteenStateTorus()
{
    Automaton a;
    ApplyAutomatonPreset(a, 193);
    a.bHomogeneousMode = 0;
    for (int i = 0; i <= 2; ++i)
        for (int j = 0; j <= 2; ++j)
            a.iNeighbours[i][j] = 1 + (3 * i + j) % 3;
    a.iModuloMode = 1;
    a.iModuloDefault = 7;
    a.iGeometryMode = 1;
    return a;
}

} // namespace vellicor
