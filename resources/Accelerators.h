#pragma once
// The keyboard accelerators of the main window. A key is an upper-case letter or digit, the
// character of its key (Ctrl+N is {'N', kAcceleratorControl}); modifiers must match exactly, so
// Ctrl+Shift+N is not Ctrl+N.

#include <cstdint>
#include <span>
#include <string_view>

namespace vellicor {

enum AcceleratorModifier : std::uint8_t {
    kAcceleratorControl = 1,
    kAcceleratorShift = 2,
    kAcceleratorAlt = 4,
};

struct AcceleratorEntry {
    char key = 0;
    std::uint8_t modifiers = kAcceleratorControl;
    int command = 0;
};

struct AcceleratorTable {
    std::string_view name;
    std::span<const AcceleratorEntry> entries;
};

extern const AcceleratorTable ACCELERATORS_1;

// The first entry of the table that sends this command, or nullptr.
const AcceleratorEntry* FindAccelerator(const AcceleratorTable& table, int command);

} // namespace vellicor
