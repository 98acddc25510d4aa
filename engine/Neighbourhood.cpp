#include "engine/Neighbourhood.h"

namespace vellicor {

void ComputeModuloValues(Automaton& a)
{
    a.iModuloStates = 0;
    for (int s = kStateCount - 1; s >= 0; --s)
        for (int k = 0; k < kSumCount; ++k)
            if (a.iRules[s][k] != 0 && s > a.iModuloStates)
                a.iModuloStates = s;
    a.iModuloStates += 1;

    a.iModuloRules = 0;
    for (int k = kSumCount - 1; k >= 0; --k)
        for (int s = 0; s < kStateCount; ++s)
            if (a.iRules[s][k] != 0 && k > a.iModuloRules)
                a.iModuloRules = k;
    a.iModuloRules += 1;

    a.iModuloNeighbours = CountNonZeroWeights(a);
}

int32_t CountNonZeroWeights(const Automaton& a)
{
    int32_t count = 0;
    for (const auto& column : a.iNeighbours)
        for (int32_t weight : column)
            count += weight != 0 ? 1 : 0;
    return count;
}

namespace {

void SetAllWeights(Automaton& a, int32_t weight)
{
    for (auto& column : a.iNeighbours)
        for (int32_t& w : column)
            w = weight;
}

} // namespace

void SetDefaultNeighbours(Automaton& a)
{
    SetAllWeights(a, 1);
    a.iNeighbours[1][1] = 0;
}

void ApplyNeighbourhoodPreset(Automaton& a, NeighbourhoodPreset preset)
{
    switch (preset) {
    case NeighbourhoodPreset::OneDimensional:
        SetAllWeights(a, 0);
        a.iNeighbours[1][0] = a.iNeighbours[1][1] = a.iNeighbours[1][2] = 1;
        break;
    case NeighbourhoodPreset::TwoDimensional:
        SetDefaultNeighbours(a);
        break;
    case NeighbourhoodPreset::FiveNeighbours:
        SetAllWeights(a, 1);
        a.iNeighbours[0][0] = a.iNeighbours[0][2] = a.iNeighbours[2][0] = a.iNeighbours[2][2] = 0;
        break;
    case NeighbourhoodPreset::NineNeighbours:
        SetAllWeights(a, 1);
        break;
    }
}

int32_t ModuloDivisor(const Automaton& a)
{
    switch (a.iModuloMode) {
    case 0: return 10;
    case 1: return a.iModuloDefault;
    case 2: return a.iModuloRules;
    case 3: return a.iModuloNeighbours;
    case 4: return a.iModuloStates;
    default: return 0;
    }
}

} // namespace vellicor
