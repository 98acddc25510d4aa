#pragma once
// The starts of a cell field: blank, random, the array repeated, the array in the middle.
// The level is left alone; the caller starts the run.

#include "engine/Automaton.h"
#include "engine/CellField.h"

#include <cstdint>

namespace vellicor {

// Every cell 0.
void ClearField(CellField& f);
// Each cell uniform over 0..states - 1 (states clamped to 2..16), the same cells for the same
// seed and size on every machine: the generator and its reduction are fixed here, not left to
// the standard library's distributions.
void FillFieldRandom(CellField& f, int states, uint32_t seed);
// Cell (x, y) = the array's live cell (x mod w + 1, y mod h + 1), w x h the live size: in torus
// geometry the field then runs as copies of the array's run. A blank
// field when the array has no live cell.
void TileFieldFromArray(CellField& f, const Automaton& a);
// The array's live cells in the middle (odd free space right and down, as the array's own
// centring), 0 elsewhere; of an array larger than the field the middle part, the odd cell cut
// at the right and the bottom.
void CentreArrayInField(CellField& f, const Automaton& a);

} // namespace vellicor
