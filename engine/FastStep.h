#pragma once
// The optimised cell computation behind ComputeNextGeneration. It gives exactly the cells of
// ComputeCellsReference for every configuration.

#include "engine/Automaton.h"

namespace vellicor {

void ComputeCellsFast(Automaton& a);

} // namespace vellicor
