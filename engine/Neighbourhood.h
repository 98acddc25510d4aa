#pragma once
// The weighted neighbourhood and the modulo reduction that turn a 3 x 3 block into a reduced sum.

#include "engine/Automaton.h"

namespace vellicor {

// iModuloStates, then iModuloRules, then iModuloNeighbours from the current rules and weights.
// Only the neighbourhood dialog calls it: the derived values lag behind other changes on purpose.
void ComputeModuloValues(Automaton& a);
// The number of non-zero weights, centre included.
int32_t CountNonZeroWeights(const Automaton& a);

// All nine weights 1, then the centre 0: the eight surrounding cells.
void SetDefaultNeighbours(Automaton& a);

enum class NeighbourhoodPreset { OneDimensional, TwoDimensional, FiveNeighbours, NineNeighbours };
void ApplyNeighbourhoodPreset(Automaton& a, NeighbourhoodPreset preset);

// The divisor that iModuloMode selects; 0 for a mode outside 0..4.
int32_t ModuloDivisor(const Automaton& a);

// weightedSum % divisor with the sign of the sum. A divisor of 0 leaves the sum unreduced (there
// is nothing sensible to divide by, and an unreduced sum above 9 simply matches no rule); a
// divisor of -1 gives 0, the true remainder, without the overflow of INT32_MIN % -1.
inline int32_t ReduceSum(int32_t weightedSum, int32_t divisor)
{
    if (divisor == 0)
        return weightedSum;
    if (divisor == -1)
        return 0;
    return weightedSum % divisor;
}

} // namespace vellicor
