#include "render/Renderer.h"

#include "content/AtomicFile.h"
#include "content/FieldStarts.h"
#include "content/Initialisation.h"
#include "content/SelectionFile.h"
#include "engine/CellField.h"
#include "engine/Processing.h"
#include "engine/Step.h"
#include "explore/ContactSheet.h"
#include "pictures/GifAnimation.h"
#include "pictures/PngFile.h"
#include "pictures/StateImage.h"
#include "pictures/VideoRecording.h"
#include "shell/settings/AutomatonFile.h"
#include "shell/settings/SettingsFile.h"
#include "shell/settings/SettingsTable.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <memory>
#include <variant>

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

// The automaton file as the program opens it; --torus or --plane as if the file said so.
std::optional<std::string> LoadAutomaton(Model& model, const RenderOptions& options)
{
    AutomatonPicture picture;
    if (std::optional<AutomatonFileError> error = ReadAutomatonFile(options.automatonPath, model, picture)) {
        std::string reason = AutomatonFileErrorText(*error, 1);
        reason.pop_back(); // the message's line end
        return "the automaton file " + Quoted(options.automatonPath) + " is refused: " + reason;
    }
    if (options.torus && (model.settings.bPlane != 0) != *options.torus) {
        model.settings.bPlane = *options.torus ? 1 : 0;
        ParseAutomatonFile(AutomatonFileText(model, picture), model, picture);
    }
    return std::nullopt;
}

// Why the selection file of --cells cannot be placed on an array or canvas of the given size.
std::optional<std::string> CellsOutside(const RenderOptions& options, int width, int height, const char* where)
{
    if (options.atX <= width && options.atY <= height)
        return std::nullopt;
    return "--at: the cell " + std::to_string(options.atX) + "," + std::to_string(options.atY) + " is outside the " +
           where + " of " + std::to_string(width) + " x " + std::to_string(height) + " cells";
}

std::optional<std::string> CellsRefused(const RenderOptions& options, const LoadResult& result, int width, int height,
                                        const char* where)
{
    if (!result.bLoaded)
        return "cannot read the selection file " + Quoted(options.cellsPath);
    if (result.bDataError)
        return "the selection file " + Quoted(options.cellsPath) + " holds a state above 15 or a field of more than 7 digits";
    if (result.bOutsideArray)
        return "the selection file " + Quoted(options.cellsPath) + " placed at " + std::to_string(options.atX) + "," +
               std::to_string(options.atY) + " reaches past the " + where + " of " + std::to_string(width) + " x " +
               std::to_string(height) + " cells";
    return std::nullopt;
}

std::optional<std::string> LoadCells(Automaton& a, const RenderOptions& options)
{
    const int width = EffectiveMaxHor(a) - 1;
    const int height = EffectiveMaxVer(a) - 1;
    if (std::optional<std::string> refused = CellsOutside(options, width, height, "array"))
        return refused;
    Selection selection;
    selection.iPointX = options.atX;
    selection.iPointY = options.atY;
    // Checked on a copy, so that a refused file changes nothing that could still be written.
    Automaton loaded = a;
    if (std::optional<std::string> refused =
            CellsRefused(options, LoadSelectionFile(loaded, selection, options.cellsPath), width, height, "array"))
        return refused;
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

// A still picture's or the cells' bytes into the output file.
std::optional<std::string> WriteOutput(const RenderOptions& options, const std::optional<std::string>& bytes)
{
    if (!bytes)
        return "the picture could not be encoded (too large?)";
    if (!WriteFileAtomically(options.outputPath, *bytes))
        return "cannot write " + Quoted(options.outputPath);
    return std::nullopt;
}

// An animation or a video: every generation from the first is a frame, written as it comes.
template <typename Step, typename Picture>
std::optional<std::string> RecordRun(const RenderOptions& options, FrameRecorder& recorder, Step step,
                                     Picture picture, const RenderProgress& progress)
{
    const int64_t total = options.generations;
    bool framed = recorder.AddFrame(picture());
    for (int64_t done = 1; framed && done <= total; ++done) {
        step();
        framed = recorder.AddFrame(picture());
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

// The largest picture a run is drawn into: a GIF's sides are 16-bit, an indexed picture past 2^31
// bytes is beyond what the image library allocates, and a video is what the decoders take.
constexpr int64_t kMaxGifSide = 65535;
constexpr int64_t kMaxPictureBytes = (int64_t{1} << 31) - 1;

std::optional<std::string> PictureRefused(const RenderOptions& options, int64_t columns, int64_t rows)
{
    const int64_t width = columns * options.scale;
    const int64_t height = rows * options.scale;
    const std::string size = std::to_string(width) + " x " + std::to_string(height) + " pixels";
    switch (options.output) {
    case RenderOptions::Output::Text: return std::nullopt;
    case RenderOptions::Output::Mp4:
    case RenderOptions::Output::WebM:
        if (!VideoSizeAllowed(width, height))
            return "the video would be " + size + ", more than " + std::to_string(kMaxVideoSide) +
                   " a side: a smaller --scale or --size";
        return std::nullopt;
    default: {
        const bool gif = options.output == RenderOptions::Output::Gif;
        if ((gif && (width > kMaxGifSide || height > kMaxGifSide)) || width * height > kMaxPictureBytes)
            return "the picture would be " + size + ", more than a " + (gif ? ".gif holds" : "picture can hold") +
                   ": a smaller --scale or --size";
        return std::nullopt;
    }
    }
}

// Why a canvas was not made: a type of its own, so that no output is ever taken for it.
struct Refusal {
    std::string why;
};

// The canvas of --size with its start: the array's repeated with --tile, else blank or random,
// then --cells; it runs on every thread asked for.
std::variant<std::unique_ptr<CellField>, Refusal> StartCanvas(const Model& model, const RenderOptions& options)
{
    if (std::optional<std::string> refused = PictureRefused(options, options.width, options.height))
        return Refusal{*refused};
    if (!options.tile && !options.cellsPath.empty())
        if (std::optional<std::string> refused = CellsOutside(options, options.width, options.height, "canvas"))
            return Refusal{*refused};
    auto field = std::make_unique<CellField>(options.width, options.height);
    field->SetRules(model.automaton);
    field->SetThreads(options.threads);
    if (options.tile) {
        TileFieldFromArray(*field, model.automaton);
    } else {
        if (options.init == RenderOptions::Init::Random)
            FillFieldRandom(*field, options.states, options.seed.value_or(static_cast<uint32_t>(std::time(nullptr))));
        if (!options.cellsPath.empty()) {
            const LoadResult loaded = LoadSelectionFile(*field, options.atX, options.atY, options.cellsPath);
            if (std::optional<std::string> refused =
                    CellsRefused(options, loaded, options.width, options.height, "canvas"))
                return Refusal{*refused};
        }
    }
    return field;
}

// The last generation of a canvas as a picture or its cells; an animation or a video written.
std::optional<std::string> RenderCanvas(const Model& model, const RenderOptions& options,
                                        const RenderProgress& progress)
{
    auto made = StartCanvas(model, options);
    if (const Refusal* refused = std::get_if<Refusal>(&made))
        return refused->why;
    CellField& field = *std::get<std::unique_ptr<CellField>>(made);
    const auto picture = [&] { return ScaledPicture(StateImage(field, model.settings.crStateColor), options.scale); };
    if (std::unique_ptr<FrameRecorder> recorder = Recorder(model, options))
        return RecordRun(options, *recorder, [&] { field.Step(); }, picture, progress);
    const int64_t total = options.generations;
    for (int64_t done = 1; done <= total; ++done) {
        field.Step();
        if (progress && done % kPollInterval == 0)
            progress(done, total);
    }
    if (progress)
        progress(total, total);
    return WriteOutput(options, options.output == RenderOptions::Output::Png ? PngBytes(picture())
                                                                             : SelectionFileBytes(field));
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
    // A canvas without --tile makes its own start; with it, the array's start is repeated.
    const bool canvas = options.width > 0;
    if (!options.automatonPath.empty()) {
        if (std::optional<std::string> refused = LoadAutomaton(model, options))
            return refused;
    } else {
        // As the Preferences dialog's OK applies a geometry: before the figure, which wraps it.
        if (options.torus)
            model.settings.bPlane = *options.torus ? 1 : 0;
        a.iGeometryMode = model.settings.bPlane;
        ApplyGeometry(a);
        if (!canvas || options.tile)
            Initialise(model, options);
    }
    if ((!canvas || options.tile) && !options.cellsPath.empty())
        if (std::optional<std::string> refused = LoadCells(a, options))
            return refused;
    if (!canvas && options.output != RenderOptions::Output::Text && StateImage(a, model.settings.crStateColor).isNull())
        return "the array has no cell to draw";
    if (options.explore > 0)
        return WriteExploreSheet(model, options);
    if (canvas)
        return RenderCanvas(model, options, progress);
    if (std::optional<std::string> refused = PictureRefused(options, EffectiveMaxHor(a) - 1, EffectiveMaxVer(a) - 1))
        return refused;

    // The program asks whether to raise the limit; the cells go on the same whichever limit.
    a.iIterLimit = static_cast<int32_t>(std::min<int64_t>(int64_t{a.iLevel} + options.generations, INT32_MAX));
    const int64_t total = options.generations;
    if (std::unique_ptr<FrameRecorder> recorder = Recorder(model, options))
        return RecordRun(options, *recorder, [&] { ComputeNextGeneration(a); }, [&] { return Frame(model, options.scale); },
                         progress);
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
    return WriteOutput(options, bytes);
}

} // namespace vellicor
