#include "render/Renderer.h"

#include "content/AtomicFile.h"
#include "content/Initialisation.h"
#include "content/SelectionFile.h"
#include "engine/Processing.h"
#include "engine/Step.h"
#include "explore/ContactSheet.h"
#include "pictures/GifAnimation.h"
#include "pictures/PngFile.h"
#include "pictures/StateImage.h"
#include "pictures/VideoRecording.h"
#include "shell/settings/SettingsFile.h"
#include "shell/settings/SettingsTable.h"

#include <algorithm>
#include <memory>
#include <cstdio>
#include <ctime>

namespace vellicor {

namespace {

// Appended piece by piece: "\"" + text trips a false -Wrestrict in GCC 12.
std::string Quoted(std::string_view text)
{
    std::string quoted(1, '"');
    quoted += text;
    quoted += '"';
    return quoted;
}

// The settings file as the program reads it. A file is refused when it is not a settings file at
// all (no key of the program in its "Vellicor" section) or when a key of the program holds a
// value with no number in it, which the program would silently take for the default.
std::optional<std::string> LoadSettingsFile(Model& model, const std::string& path)
{
    std::string bytes;
    if (!ReadWholeFile(path, bytes))
        return "cannot read the settings file " + Quoted(path);
    const ProfileText file(std::move(bytes));
    bool anyKey = false;
    for (const SettingKey& key : LoadKeys()) {
        const std::optional<std::string_view> value = file.Find(kSettingsSection, key.Name());
        if (!value)
            continue;
        anyKey = true;
        if (ParseProfileInt(*value, 0) != ParseProfileInt(*value, 1))
            return "the settings file " + Quoted(path) + " gives " + key.Name() + " the value " +
                   Quoted(std::string(*value)) + ", not a number";
    }
    if (!anyKey)
        return "the settings file " + Quoted(path) + " has no setting of the program in a [Vellicor] section";
    LoadSettingsFrom(model, file);
    return std::nullopt;
}

void Initialise(Model& model, const RenderOptions& options)
{
    Automaton& a = model.automaton;
    switch (options.init) {
    case RenderOptions::Init::Null: InitNull(a); break;
    case RenderOptions::Init::Standard: InitStandard(a); break;
    case RenderOptions::Init::Random:
        InitRandom(a, model.content, options.seed.value_or(static_cast<uint32_t>(std::time(nullptr))));
        break;
    case RenderOptions::Init::Fill: InitArrayFill(a, model.content); break;
    }
}

std::optional<std::string> LoadCells(Automaton& a, const RenderOptions& options)
{
    const std::string size = std::to_string(EffectiveMaxHor(a) - 1) + " x " + std::to_string(EffectiveMaxVer(a) - 1);
    if (options.atX > EffectiveMaxHor(a) - 1 || options.atY > EffectiveMaxVer(a) - 1)
        return "--at: the cell " + std::to_string(options.atX) + "," + std::to_string(options.atY) +
               " is outside the array of " + size + " cells";
    Selection selection;
    selection.iPointX = options.atX;
    selection.iPointY = options.atY;
    // Checked on a copy, so that a refused file changes nothing that could still be written.
    Automaton loaded = a;
    const LoadResult result = LoadSelectionFile(loaded, selection, options.cellsPath);
    if (!result.bLoaded)
        return "cannot read the selection file " + Quoted(options.cellsPath);
    if (result.bDataError)
        return "the selection file " + Quoted(options.cellsPath) + " holds a state above 15 or a field of more than 7 digits";
    if (result.bOutsideArray)
        return "the selection file " + Quoted(options.cellsPath) + " placed at " + std::to_string(options.atX) + "," +
               std::to_string(options.atY) + " reaches past the array of " + size + " cells";
    a = loaded;
    return std::nullopt;
}

// The contact sheet of --explore and its text beside it, both written or neither.
std::optional<std::string> WriteExploreSheet(const Model& model, const RenderOptions& options)
{
    const Automaton& a = model.automaton;
    // Refused before anything runs: a sheet this large would not be a picture anyone can open.
    constexpr int64_t kMaxSheetSide = 16384;
    const SheetLayout layout = ContactSheetLayout(options.explore, (EffectiveMaxHor(a) - 1) * options.scale,
                                                  (EffectiveMaxVer(a) - 1) * options.scale);
    if (layout.width > kMaxSheetSide || layout.height > kMaxSheetSide)
        return "the contact sheet would be " + std::to_string(layout.width) + " x " + std::to_string(layout.height) +
               " pixels, more than " + std::to_string(kMaxSheetSide) + " a side: fewer candidates or a smaller --scale";
    ExploreSheetOptions sheetOptions;
    sheetOptions.count = options.explore;
    sheetOptions.seed = options.seed.value_or(static_cast<uint32_t>(std::time(nullptr)));
    sheetOptions.states = options.states;
    sheetOptions.generations = options.generations;
    sheetOptions.scale = options.scale;
    const ExploreSheet sheet = MakeExploreSheet(a, model.settings.crStateColor, sheetOptions);
    const QImage picture(reinterpret_cast<const uchar*>(sheet.picture.pixels.data()), sheet.picture.width,
                         sheet.picture.height, sheet.picture.width * 4, QImage::Format_RGB32);
    const std::optional<std::string> bytes = PngBytes(picture);
    if (!bytes)
        return "the contact sheet could not be encoded";
    const std::string textPath = SheetTextPath(options.outputPath);
    if (!WriteFileAtomically(options.outputPath, *bytes))
        return "cannot write " + Quoted(options.outputPath);
    if (!WriteFileAtomically(textPath, sheet.text)) {
        std::remove(options.outputPath.c_str());
        return "cannot write " + Quoted(textPath);
    }
    return std::nullopt;
}

QImage Frame(const Model& model, int32_t scale)
{
    return ScaledPicture(StateImage(model.automaton, model.settings.crStateColor), scale);
}

// An animation or a video: every generation from the first is a frame, written as it comes.
std::optional<std::string> RecordRun(Model& model, const RenderOptions& options, FrameRecorder& recorder,
                                     const RenderProgress& progress)
{
    const int64_t total = options.generations;
    bool framed = recorder.AddFrame(Frame(model, options.scale));
    for (int64_t done = 1; framed && done <= total; ++done) {
        ComputeNextGeneration(model.automaton);
        framed = recorder.AddFrame(Frame(model, options.scale));
        if (progress && done % kPollInterval == 0)
            progress(done, total);
    }
    if (progress)
        progress(total, total);
    if (!framed || !recorder.Save())
        return "cannot encode or write " + Quoted(options.outputPath) + " (too large?)";
    return std::nullopt;
}

// What writes the frames of an animation or a video; nothing for a still picture or the cells.
std::unique_ptr<FrameRecorder> Recorder(const Model& model, const RenderOptions& options)
{
    switch (options.output) {
    case RenderOptions::Output::Gif:
        return std::make_unique<GifRecording>(options.outputPath, model.settings.crStateColor, options.delay);
    case RenderOptions::Output::Mp4:
        return std::make_unique<VideoRecording>(options.outputPath, VideoFormat::Mp4, options.framesPerSecond);
    case RenderOptions::Output::WebM:
        return std::make_unique<VideoRecording>(options.outputPath, VideoFormat::WebM, options.framesPerSecond);
    default: return nullptr;
    }
}

} // namespace

std::optional<std::string> Render(const RenderOptions& options, const RenderProgress& progress)
{
    Model model(0);
    Automaton& a = model.automaton;
    if (options.settingsPath.empty())
        LoadSettingsFrom(model, ProfileText()); // every default, with what follows from them
    else if (std::optional<std::string> refused = LoadSettingsFile(model, options.settingsPath))
        return refused;
    ResetAutomaton(model);
    // As the Preferences dialog's OK applies a geometry: before the figure, which wraps it.
    if (options.torus)
        model.settings.bPlane = *options.torus ? 1 : 0;
    a.iGeometryMode = model.settings.bPlane;
    ApplyGeometry(a);
    Initialise(model, options);
    if (!options.cellsPath.empty())
        if (std::optional<std::string> refused = LoadCells(a, options))
            return refused;
    if (options.output != RenderOptions::Output::Text && StateImage(a, model.settings.crStateColor).isNull())
        return "the array has no cell to draw";
    if (options.explore > 0)
        return WriteExploreSheet(model, options);
    const int64_t width = int64_t{EffectiveMaxHor(a) - 1} * options.scale;
    const int64_t height = int64_t{EffectiveMaxVer(a) - 1} * options.scale;
    const bool video = options.output == RenderOptions::Output::Mp4 || options.output == RenderOptions::Output::WebM;
    if (video && !VideoSizeAllowed(width, height))
        return "the video would be " + std::to_string(width) + " x " + std::to_string(height) + " pixels, more than " +
               std::to_string(kMaxVideoSide) + " a side: a smaller --scale";

    // The program asks whether to raise the limit; the cells go on the same whichever limit.
    a.iIterLimit = static_cast<int32_t>(std::min<int64_t>(int64_t{a.iLevel} + options.generations, INT32_MAX));
    const int64_t total = options.generations;
    if (std::unique_ptr<FrameRecorder> recorder = Recorder(model, options))
        return RecordRun(model, options, *recorder, progress);
    int64_t done = 0;
    RunSteps(a, options.generations, [&] {
        done += kPollInterval;
        if (progress)
            progress(done, total);
        return true;
    });
    std::optional<std::string> bytes;
    if (options.output == RenderOptions::Output::Png) {
        bytes = PngBytes(Frame(model, options.scale));
    } else {
        Selection interior;
        interior.iSelStartX = interior.iSelStartY = 1;
        interior.iSelEndX = EffectiveMaxHor(a) - 1;
        interior.iSelEndY = EffectiveMaxVer(a) - 1;
        bytes = SelectionFileBytes(a, interior);
    }
    if (progress)
        progress(total, total);
    if (!bytes)
        return "the picture could not be encoded (too large?)";
    if (!WriteFileAtomically(options.outputPath, *bytes))
        return "cannot write " + Quoted(options.outputPath);
    return std::nullopt;
}

} // namespace vellicor
