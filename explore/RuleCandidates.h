#pragma once
// Candidate rule sets for the rule explorer, in the iNumAuto form that names them ("499-8").
//
// A candidate gives each reduced sum 0..9 to at most one state; a sum given to none keeps the
// cell as it is (the step writes a cell only when some state's mask holds its sum). Every
// candidate is a pure function of the plan, the slot and the attempt, so a gallery comes out the
// same from the same seed whichever thread computes which slot, and a dull candidate's
// replacement (the next attempt) does too.

#include "engine/Automaton.h"

#include <array>
#include <cstdint>

namespace vellicor {

using RuleSet = std::array<int32_t, kStateCount>;
inline constexpr int kKeepCell = -1;
// For each reduced sum, the state it gives, or kKeepCell.
using SumTargets = std::array<int, kSumCount>;

inline constexpr int kMinExploreStates = 2;
inline constexpr int kMaxExploreStates = kStateCount;

// What the step does with each sum under numAuto, read as DecodeRules reads it (a mask of 1024
// or more holds every sum, a negative one none); of two states holding a sum the higher wins,
// as in the step.
SumTargets TargetsOf(const RuleSet& numAuto);
RuleSet RuleSetOf(const SumTargets& targets);

enum class CandidateKind {
    New,        // every sum to one of the first n states or kept, at random
    Variations, // the first parent with one or two sums given elsewhere
    Cross,      // each sum's target from one parent or the other
};

struct ExplorePlan {
    CandidateKind kind = CandidateKind::New;
    uint64_t seed = 1;
    int states = 4; // n, 2..16: the targets New and Variations draw from
    RuleSet first{};  // the parent of Variations, the first of Cross
    RuleSet second{}; // the second parent of Cross
};

RuleSet MakeCandidate(const ExplorePlan& plan, int slot, int attempt);

} // namespace vellicor
