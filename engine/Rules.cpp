#include "engine/Rules.h"

#include "engine/Neighbourhood.h"

#include <cmath>

namespace vellicor {

void EncodeRules(Automaton& a)
{
    for (int s = 0; s < kStateCount; ++s) {
        double total = 0.0;
        for (int k = 0; k < kSumCount; ++k)
            total += a.iRules[s][k] * std::pow(2.0, k);
        a.iNumAuto[s] = static_cast<int32_t>(total);
    }
}

void DecodeRules(Automaton& a)
{
    for (auto& row : a.iRules)
        for (auto& entry : row)
            entry = 0;
    for (int s = kStateCount - 1; s >= 0; --s) {
        double v = a.iNumAuto[s];
        for (int k = kSumCount - 1; k >= 0; --k) {
            const double bit = std::pow(2.0, k);
            if (v >= bit) {
                a.iRules[s][k] = 1;
                v = std::trunc(v - bit);
            }
        }
    }
}

const std::array<AutomatonPreset, kPresetCount>& AutomatonPresets()
{
    static constexpr std::array<AutomatonPreset, kPresetCount> presets = {{
        {190, {499, 8, 0, 0, 0, 0, 0, 0}},
        {191, {387, 8, 0, 4, 0, 0, 0, 112}},
        {192, {387, 8, 0, 0, 16, 0, 0, 100}},
        {193, {289, 64, 0, 128, 16, 4, 0, 10}},
        {194, {289, 72, 0, 128, 16, 4, 2, 0}},
        {195, {385, 32, 8, 128, 2, 16, 0, 64}},
        {196, {297, 64, 16, 132, 0, 0, 0, 10}},
        {197, {337, 0, 128, 4, 2, 0, 0, 40}},
        {198, {32, 4, 0, 0, 0, 0, 0, 0}},
        {199, {487, 24, 0, 0, 0, 0, 0, 0}},
    }};
    return presets;
}

bool ApplyAutomatonPreset(Automaton& a, int command)
{
    const int index = command - kFirstPresetCommand;
    if (index < 0 || index >= kPresetCount)
        return false;
    SetDefaultNeighbours(a);
    const auto& numAuto = AutomatonPresets()[static_cast<size_t>(index)].numAuto;
    for (int s = 0; s < kStateCount; ++s)
        a.iNumAuto[s] = numAuto[static_cast<size_t>(s)];
    DecodeRules(a);
    return true;
}

std::string RuleSetName(const std::array<int32_t, kStateCount>& numAuto)
{
    int last = 0;
    for (int s = 0; s < kStateCount; ++s)
        if (numAuto[static_cast<size_t>(s)] != 0)
            last = s;
    std::string name;
    for (int s = 0; s <= last; ++s) {
        if (s > 0)
            name += '-';
        name += std::to_string(numAuto[static_cast<size_t>(s)]);
    }
    return name;
}

} // namespace vellicor
