#pragma once
// The command line of vellicor-render. Every option but --output is optional; each may be given
// once. Values follow their option as the next argument or after '=' ("--seed 7", "--seed=7").

#include "pictures/VideoLimits.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace vellicor {

struct RenderOptions {
    enum class Init { Null, Standard, Random, Fill };
    enum class Output { Png, Gif, Mp4, WebM, Text };

    std::string settingsPath;  // empty: the built-in defaults
    std::string automatonPath; // an automaton file: the settings and the starting figure
    Init init = Init::Standard;
    std::optional<uint32_t> seed; // Random: nothing seeds with the time, as the program does
    std::string cellsPath;        // empty: no selection file
    int32_t atX = 1;              // the cell that takes the file's first field
    int32_t atY = 1;
    int32_t generations = 0;
    std::optional<bool> torus; // nothing: the geometry that bPlane of the settings marks
    int32_t scale = 1;
    int32_t delay = 100; // milliseconds between the frames of a GIF
    int32_t framesPerSecond = kDefaultFramesPerSecond; // of a video
    bool quiet = false;
    std::string outputPath;
    Output output = Output::Png;
    bool help = false; // --help: nothing else is read
    int32_t explore = 0; // --explore N: a contact sheet of N candidate rule sets instead of one run
    int32_t states = 4;  // --states n: the explorer's candidates use the first n states; a canvas's
                         // random start draws from 0..n - 1 (default 2 there)
    // --size WxH: a canvas of width x height cells instead of the array; 0 x 0: the array.
    int32_t width = 0;
    int32_t height = 0;
    bool tile = false;   // --tile: the start made on the array, repeated across the canvas
    int32_t threads = 0; // --threads N: the canvas's threads; 0 every core
};

inline constexpr int32_t kMaxRenderScale = 64;
inline constexpr int32_t kMaxRenderDelay = 655350; // what a GIF frame can wait, in milliseconds
inline constexpr int32_t kMaxExploreCandidates = 1024;
inline constexpr int32_t kExploreGenerations = 100; // K when --explore is given without --generations
inline constexpr int32_t kMaxRenderThreads = 256;
inline constexpr int32_t kMaxRenderGenerations = INT32_MAX - 1; // from level 1, the last level a step reaches

// The options, or one line telling what is wrong with the first argument found wrong.
std::variant<RenderOptions, std::string> ParseRenderOptions(std::span<const std::string> arguments);

// What --help prints.
std::string_view RenderUsage();

} // namespace vellicor
