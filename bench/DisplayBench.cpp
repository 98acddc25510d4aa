// What a person waits for and what they watch: the start-up time of fresh processes of the
// program to the first paint of its main window, against an empty Qt window; how many
// generations per second a continuous run shows with every view open (Array with its dynamic
// cells, Mosaic, Multi-bitmap, Bitmap, Informations, Zoom and the icon bar), against the same run
// with nothing to paint; what each view's repaint after a generation takes of such a frame; and
// how many frames a second the Canvas shows of a 1920 x 1080 canvas run at one generation a frame,
// painted whole at zoom 1 in a view of that size, with no wait between frames.

#include "bench/BenchSupport.h"
#include "content/Initialisation.h"
#include "engine/Step.h"
#include "shell/Canvas.h"
#include "shell/CommandIds.h"
#include "shell/Program.h"
#include "testing/ScriptedPrompts.h"
#include "views/CanvasView.h"
#include "views/MultiBitmapView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace vellicor {
namespace {

constexpr int kGenerationsPerRun = 250;
constexpr int kStartups = 7;

// Seconds from the spawn of a fresh probe process to its report of the first paint; each process
// gets an empty configuration folder, as on a first start.
double TimeOneStartup(const QStringList& arguments)
{
    QTemporaryDir config;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", config.path());
    if (!environment.contains("QT_QPA_PLATFORM"))
        environment.insert("QT_QPA_PLATFORM", "offscreen");
    QProcess probe;
    probe.setProcessEnvironment(environment);
    QElapsedTimer clock;
    clock.start();
    probe.start(VELLICOR_STARTUP_PROBE, arguments);
    while (!probe.canReadLine() && probe.waitForReadyRead(10000)) {
    }
    const double seconds = clock.nsecsElapsed() * 1e-9;
    const bool painted = probe.readLine().startsWith("painted");
    probe.waitForFinished(10000);
    return painted ? seconds : -1.0;
}

void Startup(benchmark::State& state, const QStringList& arguments, std::vector<double>& samples)
{
    for (auto _ : state) {
        const double seconds = TimeOneStartup(arguments);
        if (seconds < 0.0) {
            state.SkipWithError("the probe did not report its first paint");
            break;
        }
        samples.push_back(seconds);
        state.SetIterationTime(seconds);
    }
}

// One program for the continuous runs: the Quorrel edition, which has the Zoom window.
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
        // The Zoom window clear of the others: a view repainted under another repaints that one
        // too, and each view's figure below is to be its own.
        program.Frame().SendCommand(command::kWindowZoom);
        program.ZoomWindow()->move(program.MosaicWindow()->geometry().right() + 40, 32);
        program.Frame().SendCommand(command::kRandom);
        // A view paints only once its window is on the screen; until then a repaint costs nothing.
        QElapsedTimer waited;
        waited.start();
        while (!(program.Frame().windowHandle() != nullptr && program.Frame().windowHandle()->isExposed()) &&
               waited.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QCoreApplication::processEvents();
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

// Each generation followed by one view's repaint alone: for the Array window the changed cells
// drawn into its picture and the picture put on the screen; for the Multi-bitmap window the tile
// put on its sheet as well, as every repaint of the views does.
using ViewOf = ChildFrame* (Program::*)() const;

void ViewRun(benchmark::State& state, Bench& bench, ViewOf window)
{
    Automaton& a = bench.program.GetModel().automaton;
    QWidget* view = (bench.program.*window)()->View();
    auto* sheet = dynamic_cast<MultiBitmapView*>(view);
    a.bIncrementalPaint = 1;
    for (auto _ : state) {
        a.iIterLimit = a.iLevel + kGenerationsPerRun;
        for (int i = 0; i < kGenerationsPerRun; ++i) {
            ComputeNextGeneration(a);
            if (sheet != nullptr)
                sheet->TakeTile();
            view->repaint();
        }
    }
    state.SetItemsProcessed(state.iterations() * kGenerationsPerRun);
}

struct ViewCase {
    const char* name;
    ViewOf window;
};
constexpr ViewCase kViews[] = {
    {"array", &Program::ArrayWindowFrame}, {"mosaic", &Program::MosaicWindow},
    {"multi-bitmap", &Program::MultiBitmapWindow}, {"bitmap", &Program::BitmapWindow},
    {"informations", &Program::InfoWindow}, {"zoom", &Program::ZoomWindow},
};

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

// Counts the paints of one widget.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget& widget) { widget.installEventFilter(this); }
    int64_t Paints() const { return paints_; }

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints_;
        return false;
    }

private:
    int64_t paints_ = 0;
};

constexpr QSize kCanvasSize(1920, 1080);
constexpr int kCanvasFramesPerRun = 60;

struct CanvasRate {
    int64_t frames = 0;
    double seconds = 0.0;
};

void CanvasDisplay(benchmark::State& state, Bench& bench, CanvasRate& rate)
{
    bench.program.OpenCanvas();
    CanvasWindow& window = *bench.program.GetCanvas().Window();
    CanvasView& view = window.View();
    window.resize(window.size() + (kCanvasSize - view.size()));
    QCoreApplication::processEvents();
    window.NewCanvas(kCanvasSize, CanvasStart{CanvasStart::Kind::Random, 16, 1});
    window.Runner().SetFrameInterval(std::chrono::microseconds(0));
    window.Runner().SetGenerationsPerFrame(1);
    PaintCounter counter(view);
    window.RunOrPause();
    QElapsedTimer clock;
    for (auto _ : state) {
        const int64_t goal = counter.Paints() + kCanvasFramesPerRun;
        clock.start();
        while (counter.Paints() < goal)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        rate.seconds += clock.nsecsElapsed() * 1e-9;
        rate.frames += kCanvasFramesPerRun;
    }
    state.SetItemsProcessed(state.iterations() * kCanvasFramesPerRun);
    window.close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class RateReporter : public TableReporter {
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
    // A desktop-sized screen, wide enough for the Zoom window beside the other views.
    QTemporaryDir screenFolder;
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM") && screenFolder.isValid()) {
        const QString screen = screenFolder.filePath("screen.json");
        QFile file(screen);
        if (file.open(QIODevice::WriteOnly))
            file.write(R"({"screens":[{"name":"A","x":0,"y":0,"width":1280,"height":800,"logicalDpi":96}]})");
        file.close();
        qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + screen).toLocal8Bit());
    }
    QApplication app(argc, argv);
    std::vector<double> programStartups;
    std::vector<double> bareStartups;
    benchmark::RegisterBenchmark("startup", Startup, QStringList(), std::ref(programStartups))
        ->Iterations(kStartups)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("startup-bare-qt", Startup, QStringList{"--bare"}, std::ref(bareStartups))
        ->Iterations(kStartups)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    Bench bench; // gone before the application is
    benchmark::RegisterBenchmark("continuous-display", ShownRun, std::ref(bench))
        ->UseRealTime()
        ->Unit(benchmark::kMillisecond);
    for (const ViewCase& view : kViews)
        benchmark::RegisterBenchmark((std::string("view-") + view.name).c_str(), ViewRun, std::ref(bench), view.window)
            ->UseRealTime()
            ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("continuous-engine-alone", EngineAlone, std::ref(bench))
        ->UseRealTime()
        ->Unit(benchmark::kMillisecond);
    CanvasRate canvasRate;
    benchmark::RegisterBenchmark("canvas-display", CanvasDisplay, std::ref(bench), std::ref(canvasRate))
        ->UseRealTime()
        ->Unit(benchmark::kMillisecond);
    RateReporter reporter;
    if (!RunBenchmarks(argc, argv, reporter))
        return 1;
    const double startup = Median(programStartups);
    const double bare = Median(bareStartups);
    if (startup > 0.0 && bare > 0.0)
        std::printf("startup: %.3f s (median of %zu; an empty Qt window %.3f s)\n", startup, programStartups.size(), bare);
    const double shown = reporter.Rate("continuous-display");
    const double alone = reporter.Rate("continuous-engine-alone");
    if (shown > 0.0 && alone > 0.0)
        std::printf("continuous: %.0f generations/s (engine alone %.0f generations/s)\n", shown, alone);
    if (shown > 0.0 && alone > 0.0) {
        // Seconds per generation that one view's repaint adds to the engine's step.
        std::printf("views, per generation's repaint (share of a continuous frame):");
        for (const ViewCase& view : kViews) {
            const double rate = reporter.Rate(std::string("view-") + view.name);
            if (rate > 0.0) {
                const double paint = 1.0 / rate - 1.0 / alone;
                std::printf(" %s %.1f us (%.0f%%)", view.name, paint * 1e6, 100.0 * paint * shown);
            }
        }
        std::printf("; the icon bar is not repainted by a run (cells of %d pixels)\n",
                    bench.program.GetModel().cells.iCellWidth);
    }
    if (canvasRate.seconds > 0.0)
        std::printf("canvas-display: %.0f frames/s at %d x %d\n", double(canvasRate.frames) / canvasRate.seconds,
                    kCanvasSize.width(), kCanvasSize.height());
    return 0;
}
