#pragma once
// ICON_0, the program's icon, as cells: a glider heading down and to the right, and a block, one
// character per cell holding its state ('0' to '9'). tools/make_icons draws it in the default
// palette like the preset icons; the program loads the picture it made.

#include <array>
#include <string_view>

namespace vellicor {

inline constexpr std::array<std::string_view, 8> kIcon0Cells = {
    "00000000",
    "00300000",
    "00030000",
    "03330000",
    "00000000",
    "00001100",
    "00001100",
    "00000000",
};

} // namespace vellicor
