#include "engine/Statistics.h"

namespace vellicor {

void ComputeStatistics(Automaton& a)
{
    for (float& count : a.fStateCount)
        count = 0.0f;
    const int h = EffectiveMaxHor(a);
    const int v = EffectiveMaxVer(a);
    for (int x = 1; x <= h - 1; ++x)
        for (int y = 1; y <= v - 1; ++y)
            a.fStateCount[a.byArray[x][y] & 15] += 1.0f;
    for (int s = 0; s < kStateCount; ++s)
        a.fStateDensity[s] = a.fCellTotal > 0.0f ? a.fStateCount[s] / a.fCellTotal : 0.0f;
}

} // namespace vellicor
