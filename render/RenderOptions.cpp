#include "render/RenderOptions.h"

#include "engine/Automaton.h"
#include "engine/CellField.h"
#include "pictures/VideoLimits.h"

#include <algorithm>
#include <charconv>
#include <set>

namespace vellicor {

namespace {

constexpr std::string_view kUsage =
    R"(Usage: vellicor-render [OPTION]... --output FILE
Runs Vellicor's automaton without a window and writes a picture, an animation or the cells.

  --settings FILE     the rules, neighbourhood, modulo, array size, palette and Array fill of a
                      settings file in the program's VLR.INI format; without it the built-in
                      defaults (never the user's own file)
  --automaton FILE    the rules, neighbourhood, modulo, array size, palette, geometry and cells
                      of an automaton file (.vellicor); not with --settings or --init; with
                      --size it needs --tile, which repeats the file's cells
  --init KIND         the starting figure: null, standard (the default), random or fill
  --seed N            the seed of --init random (0 to 4294967295); without it the time
  --cells FILE        then loads a selection file as Selection / Load does
  --at X,Y            the cell that takes the file's first field (default 1,1)
  --generations N     how many generations to run (default 0: the starting figure)
  --torus, --plane    the geometry; without either, bPlane of the settings
  --scale K           pixels per cell side in .png, .gif, .mp4 and .webm (1 to 64, default 1)
  --delay MS          milliseconds between the frames of a .gif (0 to 655350, default 100)
  --fps N             frames per second of a .mp4 or .webm (1 to 120, default 25)
  --quiet             no progress on stderr (shown for runs longer than a second)
  --output FILE       by its extension: .png the last generation, .gif every generation from
                      the first, animated and looping, .mp4 (H.264) or .webm (VP9) the same as
                      a video, .txt or .asc the last generation's cells as a selection file
  --explore N         instead of one run, a contact sheet of N candidate rule sets (1 to 1024)
                      grown from the start, dull runs (noise too) replaced as in the program's
                      rule explorer: in reading order, ceil(sqrt(N)) to a row, each the last
                      generation at --scale with white margins of 4 pixels; --output must be a
                      .png, and a .txt beside it gets one line per tile, its sixteen iNumAuto
                      values and its structure, 0.00 to 1.00 (below 0.10 is noise)
  --states n          the explorer's candidates use the first n states (2 to 16, default 4)
                      --generations is K, each candidate's run (default 100); --seed draws them
  --size WxH          a canvas of W x H cells (1 to 16384 a side) instead of the settings'
                      array: --init null (the default) or random (each cell uniform over the
                      states 0 to n-1, --states n, default 2) and --cells at --at X,Y act on it
  --tile              with --size: every start option (or --automaton's cells) acts on the
                      array as without --size, and that start is repeated across the canvas
                      from its top-left corner; --automaton with --size needs it
  --threads N         the canvas's threads (1 to 256, default every core); the file is the
                      same for any N
  --help              this text

The iteration limit of the settings does not stop the run. On bad input the renderer prints
one line on stderr, exits with a non-zero status and writes no file.
)";

// Options that take a value, and those that stand alone.
constexpr std::string_view kValued[] = {"--settings", "--automaton", "--init",   "--seed",   "--cells",
                                        "--at",       "--generations", "--scale", "--delay", "--fps",
                                        "--output",   "--explore",   "--states",  "--size",  "--threads"};
constexpr std::string_view kFlags[] = {"--torus", "--plane", "--quiet", "--help", "--tile"};

// Appended piece by piece: "\"" + text trips a false -Wrestrict in GCC 12.
std::string Quoted(std::string_view text)
{
    std::string quoted(1, '"');
    quoted += text;
    quoted += '"';
    return quoted;
}

// A whole number in [minimum, maximum]; anything else is refused with the reason.
std::variant<int64_t, std::string> Number(std::string_view option, std::string_view text, int64_t minimum,
                                          int64_t maximum)
{
    const std::string prefix = std::string(option) + ": ";
    if (!text.empty() && text.front() == '-' && text.size() > 1 &&
        std::all_of(text.begin() + 1, text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return prefix + Quoted(text) + " is negative";
    int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    const bool digits = !text.empty() && text.front() != '-';
    if (!digits || end != text.data() + text.size() || error == std::errc::invalid_argument)
        return prefix + Quoted(text) + " is not a number";
    if (error == std::errc::result_out_of_range || value < minimum || value > maximum)
        return prefix + Quoted(text) + " is not between " + std::to_string(minimum) + " and " +
               std::to_string(maximum);
    return value;
}

std::string Lowercase(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::optional<RenderOptions::Output> OutputKind(const std::string& path)
{
    const size_t slash = path.find_last_of('/');
    const size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return std::nullopt;
    const std::string extension = Lowercase(path.substr(dot));
    if (extension == ".png")
        return RenderOptions::Output::Png;
    if (extension == ".gif")
        return RenderOptions::Output::Gif;
    if (extension == ".mp4")
        return RenderOptions::Output::Mp4;
    if (extension == ".webm")
        return RenderOptions::Output::WebM;
    if (extension == ".txt" || extension == ".asc")
        return RenderOptions::Output::Text;
    return std::nullopt;
}

// Two numbers 1..kMaxFieldSide with a separator between them, as "--at 3,4" or "--size 640x480".
std::optional<std::string> Pair(std::string_view option, const std::string& value, const char* separators,
                                const char* form, int32_t& first, int32_t& second)
{
    const size_t separator = value.find_first_of(separators);
    if (separator == std::string::npos)
        return std::string(option) + ": " + Quoted(value) + " is not " + form;
    int32_t* targets[] = {&first, &second};
    const std::string_view parts[] = {std::string_view(value).substr(0, separator),
                                      std::string_view(value).substr(separator + 1)};
    for (int k = 0; k < 2; ++k) {
        auto parsed = Number(option, parts[k], 1, kMaxFieldSide);
        if (auto* message = std::get_if<std::string>(&parsed))
            return *message;
        *targets[k] = static_cast<int32_t>(std::get<int64_t>(parsed));
    }
    return std::nullopt;
}

// Applies one option and its value; the message when the value is refused.
std::optional<std::string> Apply(RenderOptions& options, std::string_view option, const std::string& value)
{
    auto number = [&](int64_t minimum, int64_t maximum, auto& target) -> std::optional<std::string> {
        auto parsed = Number(option, value, minimum, maximum);
        if (auto* message = std::get_if<std::string>(&parsed))
            return *message;
        target = static_cast<std::remove_reference_t<decltype(target)>>(std::get<int64_t>(parsed));
        return std::nullopt;
    };
    if (option == "--settings" || option == "--automaton" || option == "--cells" || option == "--output") {
        if (value.empty())
            return std::string(option) + ": no file named";
        std::string* const paths[] = {&options.settingsPath, &options.automatonPath, &options.cellsPath,
                                      &options.outputPath};
        const std::string_view names[] = {"--settings", "--automaton", "--cells", "--output"};
        *paths[std::find(std::begin(names), std::end(names), option) - std::begin(names)] = value;
        return std::nullopt;
    }
    if (option == "--init") {
        constexpr std::pair<std::string_view, RenderOptions::Init> kInits[] = {
            {"null", RenderOptions::Init::Null},
            {"standard", RenderOptions::Init::Standard},
            {"random", RenderOptions::Init::Random},
            {"fill", RenderOptions::Init::Fill}};
        for (const auto& [name, init] : kInits)
            if (value == name) {
                options.init = init;
                return std::nullopt;
            }
        return "--init: " + Quoted(value) + " is not null, standard, random or fill";
    }
    if (option == "--seed") {
        uint32_t seed = 0;
        auto refused = number(0, UINT32_MAX, seed);
        options.seed = seed;
        return refused;
    }
    if (option == "--at")
        return Pair(option, value, ",", "X,Y", options.atX, options.atY);
    if (option == "--size")
        return Pair(option, value, "xX", "WxH", options.width, options.height);
    if (option == "--threads")
        return number(1, kMaxRenderThreads, options.threads);
    if (option == "--generations")
        return number(0, kMaxRenderGenerations, options.generations);
    if (option == "--scale")
        return number(1, kMaxRenderScale, options.scale);
    if (option == "--explore")
        return number(1, kMaxExploreCandidates, options.explore);
    if (option == "--states")
        return number(2, kStateCount, options.states);
    if (option == "--fps")
        return number(kMinFramesPerSecond, kMaxFramesPerSecond, options.framesPerSecond);
    return number(0, kMaxRenderDelay, options.delay); // --delay
}

// The options a canvas changes or refuses.
std::optional<std::string> CheckCanvas(RenderOptions& options, const std::set<std::string>& seen)
{
    if (options.width == 0) {
        for (const char* option : {"--tile", "--threads"})
            if (seen.contains(option))
                return std::string(option) + " goes with --size";
        return std::nullopt;
    }
    if (!FieldSizeAllowed(options.width, options.height))
        return "--size: " + std::to_string(options.width) + "x" + std::to_string(options.height) +
               " is more than " + std::to_string(kMaxFieldCells) + " cells";
    if (options.explore > 0)
        return "--explore does not go with --size";
    if (options.tile)
        return std::nullopt;
    // The file's cells are an array's; only --tile says how they cover the canvas.
    if (seen.contains("--automaton"))
        return "--automaton with --size needs --tile: the file's cells are the array it repeats";
    // Without --tile the start is made on the canvas, where only a blank or random one exists.
    if (!seen.contains("--init"))
        options.init = RenderOptions::Init::Null;
    if (options.init == RenderOptions::Init::Standard || options.init == RenderOptions::Init::Fill)
        return std::string("--init ") + (options.init == RenderOptions::Init::Standard ? "standard" : "fill") +
               " starts the array: with --size it needs --tile";
    if (!seen.contains("--states"))
        options.states = 2;
    return std::nullopt;
}

} // namespace

std::variant<RenderOptions, std::string> ParseRenderOptions(std::span<const std::string> arguments)
{
    RenderOptions options;
    std::set<std::string> seen;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const size_t equals = argument.find('=');
        const std::string option = argument.substr(0, equals);
        const bool valued = std::find(std::begin(kValued), std::end(kValued), option) != std::end(kValued);
        const bool flag = std::find(std::begin(kFlags), std::end(kFlags), option) != std::end(kFlags);
        if (!valued && !flag)
            return option.starts_with("-") ? "unknown option " + Quoted(option) : "unexpected argument " + Quoted(argument);
        if (option == "--help") {
            options.help = true;
            return options;
        }
        if (!seen.insert(option).second)
            return option + " is given twice";
        if (flag) {
            if (equals != std::string::npos)
                return option + " takes no value";
            if (option == "--quiet")
                options.quiet = true;
            else if (option == "--tile")
                options.tile = true;
            else
                options.torus = option == "--torus";
            continue;
        }
        std::string value;
        if (equals != std::string::npos)
            value = argument.substr(equals + 1);
        else if (i + 1 < arguments.size())
            value = arguments[++i];
        else
            return option + " needs a value";
        if (std::optional<std::string> refused = Apply(options, option, value))
            return *refused;
    }
    if (seen.contains("--torus") && seen.contains("--plane"))
        return "--torus and --plane exclude each other";
    for (const char* other : {"--settings", "--init"})
        if (seen.contains("--automaton") && seen.contains(other))
            return std::string(other) + " and --automaton exclude each other: the automaton file holds " +
                   (other == std::string_view("--init") ? "the cells" : "the settings");
    if (options.outputPath.empty())
        return "--output FILE is required (see --help)";
    const std::optional<RenderOptions::Output> output = OutputKind(options.outputPath);
    if (!output)
        return "--output: " + Quoted(options.outputPath) + " does not end in .png, .gif, .mp4, .webm, .txt or .asc";
    options.output = *output;
    const bool video = options.output == RenderOptions::Output::Mp4 || options.output == RenderOptions::Output::WebM;
    if (seen.contains("--fps") && !video)
        return "--fps goes with a .mp4 or .webm --output";
    if (options.explore > 0) {
        if (options.output != RenderOptions::Output::Png)
            return "--explore writes a .png contact sheet: --output must end in .png";
        if (!seen.contains("--generations"))
            options.generations = kExploreGenerations;
        if (options.generations < 1)
            return "--explore needs at least one generation";
    }
    if (std::optional<std::string> refused = CheckCanvas(options, seen))
        return *refused;
    if (options.explore == 0 && seen.contains("--states") && !(options.width > 0 && !options.tile &&
                                                                options.init == RenderOptions::Init::Random))
        return "--states goes with --explore or with --init random on a --size canvas";
    return options;
}

std::string_view RenderUsage() { return kUsage; }

} // namespace vellicor
