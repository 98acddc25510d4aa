#pragma once
// The renderer's contact sheet of an exploration: the tiles in reading order, ceil(sqrt(N)) to a
// row, each the last generation with every cell scale x scale pixels, on white with a margin of
// kSheetMargin pixels around and between the tiles; and the text beside it, one line per tile
// with its sixteen iNumAuto values and its structure figure (explore/Structure.h) separated by
// spaces, so that scripts can sort and pick.
//
// The pixels are 0xAARRGGBB words, row after row, so the renderer's picture writer can wrap them
// in a picture of its own without a copy of this code knowing about it.

#include "explore/RuleCandidates.h"

#include <string>
#include <vector>

namespace vellicor {

inline constexpr int kSheetMargin = 4;
inline constexpr uint32_t kSheetGround = 0xFFFFFFFF;

struct SheetLayout {
    int columns = 0;
    int rows = 0;
    int tileWidth = 0;  // pixels
    int tileHeight = 0;
    int width = 0;
    int height = 0;
};

// count tiles of tileWidth x tileHeight pixels.
SheetLayout ContactSheetLayout(int count, int tileWidth, int tileHeight);

struct SheetPicture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels; // width * height
};

// The tiles' cells (live cells only) in the palette's colours (red in bits 0-7 of an entry, as
// crStateColor holds them). Every tile has the size of the first; scale below 1 counts as 1.
SheetPicture ComposeContactSheet(const std::vector<const Automaton*>& tiles, const uint32_t crStateColor[kStateCount],
                                 int scale);

struct SlotResult;

// "499 8 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0.37\n" for each tile: the figure with two decimals and a
// point, whatever the locale.
std::string SheetText(const std::vector<SlotResult>& tiles);

// The renderer's --explore: N New candidates of the first n states from the seed, K generations
// each from the start, the dull ones replaced as in the program's explorer.
struct ExploreSheetOptions {
    int count = 16;            // --explore N
    uint64_t seed = 1;         // --seed S
    int states = 4;            // --states n, 2..16
    int32_t generations = 100; // --generations K
    int scale = 1;             // --scale
};

struct ExploreSheet {
    SheetPicture picture;
    std::string text; // for sheet.txt
};

ExploreSheet MakeExploreSheet(const Automaton& start, const uint32_t crStateColor[kStateCount],
                              const ExploreSheetOptions& options);

// The text's file beside the picture: "out/sheet.png" gives "out/sheet.txt".
std::string SheetTextPath(const std::string& picturePath);

} // namespace vellicor
