// How many generations per second a continuous run shows with the picture windows open (icon
// bar, Bitmap, Info and Zoom), against the same run with nothing to paint: what the painting
// costs on top of the engine.

#include "content/Initialisation.h"
#include "engine/Step.h"
#include "platform/ScriptedPrompts.h"
#include "shell/CommandIds.h"
#include "shell/Program.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <functional>
#include <map>
#include <string>

namespace vellicor {
namespace {

constexpr int kGenerationsPerRun = 250;

// One program for every benchmark: the Quorrel edition, which has the Zoom window.
struct Bench {
    QTemporaryDir folder;
    ScriptedPrompts prompts;
    Program program{1, folder.filePath("VLR.INI").toStdString(), prompts};

    Bench()
    {
        program.Show();
        // The largest array, half of it live: the most a view can have to paint.
        Model& model = program.GetModel();
        SetArraySize(model.automaton, model.content, model.cells, 100, 100, [&model] { ResetAutomaton(model); });
        program.Frame().SendCommand(command::kWindowZoom);
        program.Frame().SendCommand(command::kRandom);
    }
};

void ShownRun(benchmark::State& state, Bench& bench)
{
    Program& program = bench.program;
    Automaton& a = program.GetModel().automaton;
    for (auto _ : state) {
        a.iIterLimit = a.iLevel + kGenerationsPerRun;
        program.Frame().SendCommand(command::kContinuous); // the last pass is refused
    }
    state.SetItemsProcessed(state.iterations() * kGenerationsPerRun);
}

void EngineAlone(benchmark::State& state, Bench& bench)
{
    Automaton& a = bench.program.GetModel().automaton;
    for (auto _ : state) {
        a.iIterLimit = a.iLevel + kGenerationsPerRun;
        for (int i = 0; i <= kGenerationsPerRun; ++i)
            ComputeNextGeneration(a);
    }
    state.SetItemsProcessed(state.iterations() * kGenerationsPerRun);
}

class RateReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && run.iterations > 0)
                rates_[run.run_name.function_name.substr(0, run.run_name.function_name.find('/'))] =
                    double(run.iterations) * kGenerationsPerRun / (run.real_accumulated_time);
        ConsoleReporter::ReportRuns(runs);
    }
    double Rate(const std::string& name) const { return rates_.count(name) != 0 ? rates_.at(name) : -1.0; }

private:
    std::map<std::string, double> rates_;
};

} // namespace
} // namespace vellicor

int main(int argc, char** argv)
{
    using namespace vellicor;
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Bench bench; // gone before the application is
    benchmark::RegisterBenchmark("continuous-display", ShownRun, std::ref(bench))
        ->UseRealTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("continuous-engine-alone", EngineAlone, std::ref(bench))
        ->UseRealTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RateReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const double shown = reporter.Rate("continuous-display");
    const double alone = reporter.Rate("continuous-engine-alone");
    if (shown > 0.0 && alone > 0.0)
        std::printf("continuous-display: %.0f generations/s, engine alone %.0f generations/s\n", shown, alone);
    return 0;
}
