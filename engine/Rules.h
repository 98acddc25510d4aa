#pragma once
// The transition rules in their two forms: iNumAuto (one bitmask per target state over the
// reduced sums 0..9, what the settings file stores and what names a rule set) and iRules (the
// 16 x 10 table the step reads). The conversions keep them in agreement.

#include "engine/Automaton.h"

#include <array>
#include <string>

namespace vellicor {

// iNumAuto from iRules. Entries other than 0 and 1 only come from code, never from the user.
void EncodeRules(Automaton& a);
// iRules from iNumAuto, greedily from the highest bit: values 0..1023 decode bit for bit, 1024
// or more set all ten columns, negative values set none.
void DecodeRules(Automaton& a);

struct AutomatonPreset {
    int command; // main-window command id, 190..199
    std::array<int32_t, kStateCount> numAuto;
};

inline constexpr int kFirstPresetCommand = 190;
inline constexpr int kPresetCount = 10;

// The ten rule sets of the Automata menu and the icon bar, commands 190..199 in order.
const std::array<AutomatonPreset, kPresetCount>& AutomatonPresets();

// Default neighbourhood, the preset's masks, then the table. Cells, level, modulo mode and
// homogeneous mode are left alone. Returns false for a command that is not a preset.
bool ApplyAutomatonPreset(Automaton& a, int command);

// "499-8": the masks from state 0 upward, joined by "-", up to the last non-zero one.
std::string RuleSetName(const std::array<int32_t, kStateCount>& numAuto);

} // namespace vellicor
