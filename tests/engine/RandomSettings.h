#pragma once
// Seeded random settings for holding optimised cell computations against the reference: rule
// tables, weights and divisors chosen to reach every path and every border between them.

#include "engine/Automaton.h"
#include "engine/Neighbourhood.h"
#include "engine/Rules.h"

#include <climits>
#include <initializer_list>
#include <random>

namespace vellicor::test {

struct Random {
    std::mt19937 rng;
    int32_t Pick(int32_t low, int32_t high) { return std::uniform_int_distribution<int32_t>(low, high)(rng); }
    int32_t Of(std::initializer_list<int32_t> values)
    {
        return values.begin()[Pick(0, static_cast<int32_t>(values.size()) - 1)];
    }
    bool Chance(int percent) { return Pick(0, 99) < percent; }
};

inline int32_t RandomDimension(Random& r)
{
    if (r.Chance(5))
        return r.Of({INT_MIN, -3, 0, 102, 150, INT_MAX});
    if (r.Chance(20)) // the edges of 16- and 32-row vectors
        return r.Of({1, 2, 3, 17, 18, 33, 34, 48, 49, 50, 65, 66, 97, 98, 100, 101});
    return r.Pick(1, r.Chance(50) ? 34 : 101); // smaller arrays keep the test quick
}

inline void RandomRules(Random& r, Automaton& a)
{
    const int kind = r.Pick(0, 5);
    if (kind == 0) {
        ApplyAutomatonPreset(a, kFirstPresetCommand + r.Pick(0, kPresetCount - 1));
        return;
    }
    // 1: no rule at all, every cell keeps its state; 2: one sum claimed by many states, the
    // highest must win; 3: entries other than 0 and 1, which only code makes and which match
    // nothing; otherwise random tables of some density.
    const int percent = r.Of({10, 30, 60});
    for (auto& row : a.iRules)
        for (auto& entry : row)
            entry = kind == 1 ? 0 : kind == 2 ? r.Chance(5) : kind == 3 ? r.Of({0, 0, 1, 2, -1}) : r.Chance(percent);
    if (kind == 2)
        for (int s = r.Pick(0, 15); s < kStateCount; s += r.Pick(1, 4))
            a.iRules[s][r.Pick(0, kSumCount - 1)] = 1;
}

inline void RandomNeighbourhood(Random& r, Automaton& a)
{
    a.bHomogeneousMode = r.Of({0, 0, 1, 1, -1});
    const int style = r.Pick(-2, 7);
    if (style == -2)
        ApplyNeighbourhoodPreset(a, static_cast<NeighbourhoodPreset>(r.Pick(0, 3)));
    if (style < 0)
        return; // a preset, or what the rule preset or the default left
    // Style 7: nine equal weights whose sums just reach or just pass INT32_MAX (or INT32_MIN).
    const int32_t largestValue = a.bHomogeneousMode != 0 ? 1 : 15;
    const int32_t boundary = (r.Chance(50) ? 1 : -1) * (INT_MAX / (9 * largestValue) + r.Pick(0, 1));
    for (auto& column : a.iNeighbours) {
        for (auto& weight : column) {
            switch (style) {
            case 0: weight = r.Pick(0, 3); break;
            case 1: weight = r.Chance(60) ? 0 : r.Pick(1, 15); break;
            case 2: weight = r.Pick(-3, 0); break;
            case 3: weight = r.Pick(-5, 5); break;
            case 4: weight = r.Pick(0, 1 << 20) * (r.Chance(20) ? -1 : 1); break;
            case 5: weight = r.Of({INT_MAX, INT_MAX - 1, INT_MIN, INT_MIN + 1, 1 << 30, -(1 << 30), 0, 1, -1}); break;
            case 6: weight = static_cast<int32_t>(r.rng()); break;
            default: weight = boundary; break;
            }
        }
    }
}

inline void RandomModulo(Random& r, Automaton& a)
{
    a.iModuloMode = r.Chance(85) ? r.Pick(0, 4) : r.Of({-1, 5, 7, 1000});
    a.iModuloDefault = r.Of({0, 1, -1, 2, 3, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 100, 1000, -7, -16, -17,
                             INT_MIN, INT_MAX, static_cast<int32_t>(r.rng())});
    const int derived = r.Pick(0, 2); // 0: still 0, as before the neighbourhood dialog first opens
    if (derived == 1)
        ComputeModuloValues(a);
    if (derived == 2)
        for (int32_t* value : {&a.iModuloRules, &a.iModuloNeighbours, &a.iModuloStates})
            *value = r.Pick(-3, 20);
}

} // namespace vellicor::test
