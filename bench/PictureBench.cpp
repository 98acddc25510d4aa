// The pictures out of the program. The renderer as a script starts it: a fresh vellicor-render
// process running 100,000 generations of a 16-state rule on weighted state sums over 100 x 100
// cells to a .txt file, against the same generations stepped by the engine alone in this process.
// GIF encoding: 1000 frames of 100 x 100 generations into one animation, against PNG encoding of
// the same frames. Video encoding: 50 generations of a 1920 x 1080 Canvas (a field of random
// states under the same rule, one pixel a cell) as MP4, against WebM and the animated GIF of the
// same frames. After the table, one line per case:
//   render: 0.52 s for 100000 generations of 100 x 100 in 16 states (engine alone 0.48 s)
//   gif: 9100 frames/s (1000 frames of 100 x 100; png of the same frames 2100 frames/s)
//   video: 40 frames/s (50 frames of a 1920 x 1080 Canvas to .mp4; .webm 15 frames/s)
//   gif: 20 frames/s (the same 50 frames of 1920 x 1080 as an animated GIF)

#include "content/FieldStarts.h"
#include "content/SelectionFile.h"
#include "engine/CellField.h"
#include "engine/Processing.h"
#include "engine/Rules.h"
#include "engine/Step.h"
#include "pictures/GifAnimation.h"
#include "pictures/PngFile.h"
#include "pictures/StateImage.h"
#include "pictures/VideoRecording.h"
#include "shell/settings/SettingsFile.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace vellicor {
namespace {

constexpr int kGenerations = 100000;
constexpr int kFrames = 1000;
constexpr int kCanvasFrames = 50;

// Preset 193 with state values summed under weights 1, 2, 3, modulo 7, on the torus; a random
// soup of the sixteen states. The same start for the renderer's files and for the engine here.
struct Start {
    std::string folder;
    std::string settings;
    std::string cells;

    Start()
    {
        folder = (std::filesystem::temp_directory_path() / ("vellicor-bench-" + std::to_string(getpid()))).string();
        std::filesystem::create_directories(folder);
        settings = folder + "/VLR.INI";
        cells = folder + "/soup.txt";
        Automaton preset;
        ApplyAutomatonPreset(preset, 193);
        std::ofstream ini(settings);
        ini << "[Vellicor]\nwMaxHor=101\nwMaxVer=101\nbHomogeneousMode=0\niModuloMode=1\niModuloDefault=7\nbPlane=1\n";
        for (int s = 0; s < kStateCount; ++s)
            ini << "iNumAuto[" << s << "]=" << preset.iNumAuto[s] << "\n";
        for (int i = 0; i <= 2; ++i)
            for (int j = 0; j <= 2; ++j)
                ini << "iNeighbours[" << i << "][" << j << "]=" << 1 + (3 * i + j) % 3 << "\n";
        std::ofstream soup(cells);
        std::mt19937 rng(2);
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 100; ++x)
                soup << rng() % kStateCount << (x == 99 ? '\n' : '\t');
    }
    ~Start() { std::filesystem::remove_all(folder); }

    Model Loaded() const
    {
        Model model(0);
        LoadSettings(model, settings);
        ResetAutomaton(model);
        model.automaton.iGeometryMode = 1;
        model.automaton.iIterLimit = INT32_MAX;
        Selection point;
        point.iPointX = point.iPointY = 1;
        LoadSelectionFile(model.automaton, point, cells);
        return model;
    }
};

double Seconds(std::chrono::steady_clock::duration d) { return std::chrono::duration<double>(d).count(); }

void RendererProcess(benchmark::State& state, const Start& start, double& seconds)
{
    const std::string command = std::string("'") + VELLICOR_RENDER + "' --quiet --settings '" + start.settings +
                                "' --init null --cells '" + start.cells + "' --generations " +
                                std::to_string(kGenerations) + " --output '" + start.folder + "/out.txt'";
    for (auto _ : state) {
        const auto begin = std::chrono::steady_clock::now();
        if (std::system(command.c_str()) != 0)
            state.SkipWithError("vellicor-render failed");
        seconds = Seconds(std::chrono::steady_clock::now() - begin);
        state.SetIterationTime(seconds);
    }
}

void EngineAlone(benchmark::State& state, const Start& start, double& seconds)
{
    for (auto _ : state) {
        Model model = start.Loaded();
        const auto begin = std::chrono::steady_clock::now();
        RunSteps(model.automaton, kGenerations);
        seconds = Seconds(std::chrono::steady_clock::now() - begin);
        state.SetIterationTime(seconds);
    }
}

std::vector<QImage> Frames(const Start& start)
{
    Model model = start.Loaded();
    std::vector<QImage> frames;
    for (int k = 0; k < kFrames; ++k) {
        frames.push_back(StateImage(model.automaton, model.settings.crStateColor));
        ComputeNextGeneration(model.automaton);
    }
    return frames;
}

void EncodeGif(benchmark::State& state, const std::vector<QImage>& frames, const uint32_t* palette, double& seconds)
{
    for (auto _ : state) {
        const auto begin = std::chrono::steady_clock::now();
        GifAnimation animation(palette, 100);
        for (const QImage& frame : frames)
            animation.AddFrame(frame);
        benchmark::DoNotOptimize(animation.Finish());
        seconds = Seconds(std::chrono::steady_clock::now() - begin);
        state.SetIterationTime(seconds);
    }
}

void EncodePng(benchmark::State& state, const std::vector<QImage>& frames, double& seconds)
{
    for (auto _ : state) {
        const auto begin = std::chrono::steady_clock::now();
        for (const QImage& frame : frames)
            benchmark::DoNotOptimize(PngBytes(frame));
        seconds = Seconds(std::chrono::steady_clock::now() - begin);
        state.SetIterationTime(seconds);
    }
}

// The Canvas's frames: a 1920 x 1080 field of the sixteen states under the start's rule.
std::vector<QImage> CanvasFrames(const Start& start)
{
    const Model model = start.Loaded();
    CellField field(1920, 1080);
    field.SetRules(model.automaton);
    FillFieldRandom(field, kStateCount, 2);
    std::vector<QImage> frames;
    for (int k = 0; k < kCanvasFrames; ++k) {
        frames.push_back(StateImage(field, model.settings.crStateColor));
        field.Step();
    }
    return frames;
}

// Frames into a file through a recorder, as a recording writes them.
template <typename MakeRecorder>
void EncodeFile(benchmark::State& state, const std::vector<QImage>& frames, MakeRecorder make, double& seconds)
{
    for (auto _ : state) {
        const auto begin = std::chrono::steady_clock::now();
        auto recorder = make();
        for (const QImage& frame : frames)
            recorder->AddFrame(frame);
        if (!recorder->Save())
            state.SkipWithError("the file was not written");
        seconds = Seconds(std::chrono::steady_clock::now() - begin);
        state.SetIterationTime(seconds);
    }
}

} // namespace
} // namespace vellicor

int main(int argc, char** argv)
{
    using namespace vellicor;
    const Start start;
    const std::vector<QImage> frames = Frames(start);
    const Model palette = start.Loaded();
    const std::vector<QImage> canvas = CanvasFrames(start);
    double render = 0, engine = 0, gif = 0, png = 0, mp4 = 0, webm = 0, canvasGif = 0;
    benchmark::RegisterBenchmark("render/process", RendererProcess, std::cref(start), std::ref(render))
        ->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("render/engine-alone", EngineAlone, std::cref(start), std::ref(engine))
        ->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("gif/1000-frames", EncodeGif, std::cref(frames), palette.settings.crStateColor,
                                 std::ref(gif))
        ->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("gif/png-baseline", EncodePng, std::cref(frames), std::ref(png))
        ->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
    const uint32_t* colours = palette.settings.crStateColor;
    const std::string video = start.folder + "/canvas";
    const auto encode = [&](const char* name, auto make, double& seconds) {
        benchmark::RegisterBenchmark(name, [&canvas, make, &seconds](benchmark::State& state) {
            EncodeFile(state, canvas, make, seconds);
        })->UseManualTime()->Iterations(2)->Unit(benchmark::kMillisecond);
    };
    encode("video/mp4-1920x1080", [&] { return std::make_unique<VideoRecording>(video + ".mp4", VideoFormat::Mp4, 25); },
           mp4);
    encode("video/webm-1920x1080",
           [&] { return std::make_unique<VideoRecording>(video + ".webm", VideoFormat::WebM, 25); }, webm);
    encode("video/gif-1920x1080", [&] { return std::make_unique<GifRecording>(video + ".gif", colours, 40); },
           canvasGif);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    // The last iteration of each case, as the runs above were timed.
    if (render > 0 && engine > 0)
        std::printf("render: %.2f s for %d generations of 100 x 100 in 16 states (engine alone %.2f s)\n", render,
                    kGenerations, engine);
    if (gif > 0 && png > 0)
        std::printf("gif: %.0f frames/s (%d frames of 100 x 100; png of the same frames %.0f frames/s)\n", kFrames / gif,
                    kFrames, kFrames / png);
    if (mp4 > 0 && webm > 0 && canvasGif > 0) {
        std::printf("video: %.0f frames/s (%d frames of a 1920 x 1080 Canvas to .mp4; .webm %.0f frames/s)\n",
                    kCanvasFrames / mp4, kCanvasFrames, kCanvasFrames / webm);
        std::printf("gif: %.0f frames/s (the same %d frames of 1920 x 1080 as an animated GIF)\n",
                    kCanvasFrames / canvasGif, kCanvasFrames);
    }
    return 0;
}
