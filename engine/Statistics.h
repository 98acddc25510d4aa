#pragma once

#include "engine/Automaton.h"

namespace vellicor {

// fStateCount: live cells per state; fStateDensity: count / fCellTotal. With no live cell the
// densities are 0 rather than the 0 / 0 of a literal division.
void ComputeStatistics(Automaton& a);

} // namespace vellicor
