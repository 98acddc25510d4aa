#pragma once
// One solid brush per state, made from the palette when the main window is created and remade
// whenever the Colors dialog changes an entry, so that a brush always paints its palette colour.

#include "engine/Automaton.h"

#include <QBrush>

#include <cstdint>

namespace vellicor {

struct StateBrushes {
    QBrush hStateBrush[kStateCount];
};

void BuildStateBrushes(StateBrushes& brushes, const uint32_t crStateColor[kStateCount]);

} // namespace vellicor
