#pragma once
// One generation: the limit test, the level, the copy to byOldArray, every live cell from its
// reduced neighbour sum and the rule table, the next Multi-bitmap tile, the torus ring.

#include "engine/Automaton.h"

namespace vellicor {

// 1 when a generation was computed, 0 when refused at the iteration limit (bLimitReached = 1,
// nothing else changed). The limit test is equality, as the processing commands expect; a level
// that could not be incremented without overflow counts as a limit as well.
int ComputeNextGeneration(Automaton& a);

// The same step with the cells computed exactly as the rule reads, cell by cell and state by
// state: slow, obviously right, the yardstick the optimised step is tested and measured against.
int ComputeNextGenerationReference(Automaton& a);

// 1 when no live cell differs from byOldArray (the ring is not compared).
int IsStable(const Automaton& a);

// The Multi-bitmap tile move of a step that ran.
void AdvanceTile(Automaton& a);

// The cell computation alone, reading byOldArray and writing the live cells of byArray.
void ComputeCellsReference(Automaton& a);

} // namespace vellicor
