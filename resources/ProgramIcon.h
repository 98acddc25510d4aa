#pragma once
// ICON_0, the program's icon: a small array of cells with a glider and a block, one character per
// cell, and the colour of each character.

#include <array>
#include <cstdint>
#include <string_view>

namespace vellicor {

struct IconColor {
    char cell;
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
};

inline constexpr std::array<std::string_view, 8> kIcon0Cells = {
    "........",
    "..1.....",
    "...1....",
    ".111....",
    "........",
    "....22..",
    "....22..",
    "........",
};

inline constexpr std::array<IconColor, 3> kIcon0Colors = {{
    {'.', 255, 255, 255},
    {'1', 0, 0, 160},
    {'2', 200, 0, 0},
}};

} // namespace vellicor
