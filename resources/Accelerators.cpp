#include "resources/Accelerators.h"

#include <array>

namespace vellicor {
namespace {

constexpr auto kAccelerators1 = std::to_array<AcceleratorEntry>({
    {'N', kAcceleratorControl, 108}, // Process / Next
    {'Q', kAcceleratorControl, 104}, // File / Quit
    {'P', kAcceleratorControl, 405}, // Selection / Paste
    {'S', kAcceleratorControl, 125}, // Special patterns / Square, not a save
    {'R', kAcceleratorControl, 127}, // Special patterns / Rhomb
    {'H', kAcceleratorControl, 129}, // Special patterns / Hexagon
    {'O', kAcceleratorControl, 132}, // Special patterns / Octogon, not an open
    {'U', kAcceleratorControl, 115}, // Until stable: no menu item
    {'L', kAcceleratorControl, 109}, // Process / Level
    {'C', kAcceleratorControl, 404}, // Selection / Copy
});

} // namespace

const AcceleratorTable ACCELERATORS_1{"ACCELERATORS_1", kAccelerators1};

const AcceleratorEntry* FindAccelerator(const AcceleratorTable& table, int command)
{
    for (const AcceleratorEntry& entry : table.entries) {
        if (entry.command == command) {
            return &entry;
        }
    }
    return nullptr;
}

} // namespace vellicor
