#pragma once
// What the array is filled with and how its cells are sized: the per-state counts of the Random
// fill, the rectangle of the Array fill, and the cell geometry shared by the Array window's
// drawing and the array-size change.

#include "engine/Automaton.h"

#include <cstdint>

namespace vellicor {

struct Content {
    int32_t iRandomCount[kStateCount] = {}; // cells per state given by Random; never stored
    int32_t iArrayFillHorMax = 4;           // Array fill rectangle, in cells
    int32_t iArrayFillVerMax = 2;
};

struct CellGeometry {
    int32_t bDynamicCell = 1; // the cell size follows the Array window
    int32_t iCellWidth = 19;  // pixels
    int32_t iOriginX = 10;    // drawing origin of the cells in the Array window
    int32_t iOriginY = 10;
    int32_t iArrayClientWidth = 0; // Array window client size last recorded; 0 until it has one
    int32_t iArrayClientHeight = 0;
};

// iRandomCount: half the live cells (rounded down) to state 0, the rest to state 1.
void ResetRandomCounts(Content& content, const Automaton& a);

// With bDynamicCell, the cell size from the smaller available side of the Array window.
void ComputeCellSize(CellGeometry& cells, const Automaton& a);

// The dynamic rule itself, whatever bDynamicCell says: the array-size change uses it once when a
// fixed cell size no longer fits the window. At least 1 (see Content.cpp).
int32_t DynamicCellSize(const CellGeometry& cells, const Automaton& a);

} // namespace vellicor
