#include "explore/RuleCandidates.h"

#include <algorithm>

namespace vellicor {

namespace {

// SplitMix64: tiny, fully specified, and good enough to scatter rule sets; the standard
// distributions are not the same on every library, and a seed must name the same gallery.
uint64_t Mix(uint64_t z)
{
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

class Draw {
public:
    Draw(uint64_t seed, int slot, int attempt)
        : state_(Mix(seed) ^ Mix((uint64_t{static_cast<uint32_t>(slot)} << 32 | static_cast<uint32_t>(attempt)) +
                                 0x9E3779B97F4A7C15ull))
    {
    }

    uint64_t Next() { return Mix(state_ += 0x9E3779B97F4A7C15ull); }

    // 0 .. bound - 1; the bias of a 64-bit modulo by at most 17 is far below anything visible.
    int Below(int bound) { return static_cast<int>(Next() % static_cast<uint64_t>(bound)); }

private:
    uint64_t state_;
};

int ClampStates(int n) { return std::clamp(n, kMinExploreStates, kMaxExploreStates); }

// One of kKeepCell, 0 .. n - 1.
int DrawTarget(Draw& draw, int n) { return draw.Below(n + 1) - 1; }

RuleSet NewCandidate(Draw& draw, int n)
{
    SumTargets targets;
    for (int& t : targets)
        t = DrawTarget(draw, n);
    return RuleSetOf(targets);
}

RuleSet Variation(Draw& draw, const RuleSet& parent, int n)
{
    SumTargets targets = TargetsOf(parent);
    const int changes = 1 + draw.Below(2);
    const int first = draw.Below(kSumCount);
    const int second = (first + 1 + draw.Below(kSumCount - 1)) % kSumCount;
    for (int k : {first, second}) {
        if (k == second && changes == 1)
            break;
        // A new target, never the one the sum had: n + 1 choices, at least two of them new.
        int t = DrawTarget(draw, n);
        while (t == targets[static_cast<size_t>(k)])
            t = DrawTarget(draw, n);
        targets[static_cast<size_t>(k)] = t;
    }
    return RuleSetOf(targets);
}

RuleSet Cross(Draw& draw, const RuleSet& first, const RuleSet& second)
{
    const SumTargets a = TargetsOf(first);
    const SumTargets b = TargetsOf(second);
    int differing = 0;
    for (int k = 0; k < kSumCount; ++k)
        differing += a[static_cast<size_t>(k)] != b[static_cast<size_t>(k)] ? 1 : 0;
    SumTargets child{};
    // Parents that differ in two sums or more have children unlike both: a few more draws find one.
    for (int tries = 0; tries < 16; ++tries) {
        for (int k = 0; k < kSumCount; ++k)
            child[static_cast<size_t>(k)] = draw.Below(2) == 0 ? a[static_cast<size_t>(k)] : b[static_cast<size_t>(k)];
        if (differing < 2 || (child != a && child != b))
            break;
    }
    return RuleSetOf(child);
}

} // namespace

SumTargets TargetsOf(const RuleSet& numAuto)
{
    SumTargets targets;
    targets.fill(kKeepCell);
    for (int s = 0; s < kStateCount; ++s) {
        const int32_t mask = std::clamp(numAuto[static_cast<size_t>(s)], 0, (1 << kSumCount) - 1);
        for (int k = 0; k < kSumCount; ++k)
            if ((mask >> k) & 1)
                targets[static_cast<size_t>(k)] = s;
    }
    return targets;
}

RuleSet RuleSetOf(const SumTargets& targets)
{
    RuleSet numAuto{};
    for (int k = 0; k < kSumCount; ++k) {
        const int t = targets[static_cast<size_t>(k)];
        if (t >= 0 && t < kStateCount)
            numAuto[static_cast<size_t>(t)] |= 1 << k;
    }
    return numAuto;
}

RuleSet MakeCandidate(const ExplorePlan& plan, int slot, int attempt)
{
    Draw draw(plan.seed, slot, attempt);
    switch (plan.kind) {
    case CandidateKind::Variations: return Variation(draw, plan.first, ClampStates(plan.states));
    case CandidateKind::Cross: return Cross(draw, plan.first, plan.second);
    case CandidateKind::New: break;
    }
    return NewCandidate(draw, ClampStates(plan.states));
}

} // namespace vellicor
